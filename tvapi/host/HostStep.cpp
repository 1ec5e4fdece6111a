// STEP files of the stand-in host's shapes, for a person to look at in any CAD viewer. Apart
// from HostKernel.cpp because the exchange headers are heavy.
#include "HostKernel.h"

#include "HostFileIo.h"
#include "HostKernelCall.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>

namespace tvhost {

namespace {

// A private folder for the kernel's file, removed with the holder.
class TScratchFolder {
public:
    TScratchFolder()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/tvhost-stepXXXXXX";
        if (::mkdtemp(pattern.data())) FPath = pattern;
    }
    ~TScratchFolder()
    {
        std::error_code ignored;
        if (!FPath.empty()) std::filesystem::remove_all(FPath, ignored);
    }
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

} // namespace

// The kernel writes only to a name of its own choosing: it writes into a private folder, and
// the file layer then puts the bytes in place as it does for every other save.
bool WriteStepFile(const std::vector<TShape>& shapes, const std::string& path, std::string& error)
{
    // An empty model would be written as a valid but empty file, which no reader could use.
    if (std::none_of(shapes.begin(), shapes.end(), [](const TShape& s) { return s && !s->IsNull(); })) {
        error = "the part has no shape";
        return false;
    }
    // The kernel reports to standard output by default; the host keeps it for its own output.
    Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
    const TScratchFolder scratch;
    if (scratch.Path().empty()) {
        error = std::string("cannot make a scratch folder: ") + std::strerror(errno);
        return false;
    }
    // A name of its own, not the user's: one of bytes that are no UTF-8, or too long for the
    // folder, would fail in the kernel, blamed on it.
    const std::string made = scratch.Path() + "/model.step";
    std::string failure;
    bool written = false;
    const bool ran = KernelCall(
        [&] {
            STEPControl_Writer writer;
            Interface_Static::SetCVal("write.step.unit", "MM");
            const TShape all = MakeCompound(shapes);
            if (writer.Transfer(*all, STEPControl_AsIs) != IFSelect_RetDone) {
                error = "the shapes cannot be written as STEP";
                return;
            }
            errno = 0;
            if (writer.Write(made.c_str()) != IFSelect_RetDone) {
                // The kernel gives no reason; the system's last error is the best one there is.
                error = "the kernel cannot write the STEP text";
                if (errno != 0) error += std::string(": ") + std::strerror(errno);
                return;
            }
            written = true;
        },
        &failure);
    if (!ran) error = "the kernel failed: " + failure;
    if (!written) return false;
    std::string bytes;
    return ReadFileBytes(made, bytes, error) && WriteFileAtomically(path, bytes, error);
}

} // namespace tvhost
