// What a tvhost command reads.
#include "ReadFiles.h"

#include <dirent.h>
#include <dlfcn.h>
#include <sys/stat.h>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostText.h"

namespace tvrun {

namespace {

const char* const OpenDocument = "it is a document the run opened";

// Whether `name` is the file `id`, a link at the name followed.
bool Is(const TFileId& id, const std::string& name)
{
    struct stat st {};
    return ::stat(name.c_str(), &st) == 0 && st.st_dev == id.Device && st.st_ino == id.Inode;
}

bool Is(const TFileId& id, std::wstring_view name)
{
    return Is(id, tvhost::FileNameBytes(name));
}

// What the documents open read: their own files (but `writing`'s) and their parts' files
// (but those of `writing`, whose save refuses them itself).
TReadBy DocumentReading(const TFileId& file, const tvhost::THostDocuments& documents,
                        const tvhost::TDocumentCore* writing)
{
    for (std::size_t i = 0; i < documents.Count(); ++i) {
        const tvapi::ITervanDocumentPtr document = documents.Item(i);
        const auto* core = dynamic_cast<const tvhost::TDocumentCore*>(document.Get());
        if (!core || core == writing) continue;
        if (!core->FileName().empty() && Is(file, core->FileName()))
            return {TReadKind::rkDocument, OpenDocument, {}};
        if (auto* model = dynamic_cast<tvhost::THostDocument3D*>(document.Get()))
            if (const std::wstring part = tvhost::ComponentFileWhere(
                    model->TopPart(), [&file](std::wstring_view read) { return Is(file, read); });
                !part.empty())
                return {TReadKind::rkComponent,
                        "it is the component " + tvhost::ToUtf8(part) + " of an assembly the run opened",
                        tvhost::ToUtf8(part)};
    }
    return {};
}

// The host library this program runs on, as the loader found it; empty when it cannot say.
std::string HostLibrary()
{
    Dl_info info{};
    const auto anyOfIts = &tvhost::FileNameFromBytes;
    if (::dladdr(reinterpret_cast<const void*>(anyOfIts), &info) == 0 || !info.dli_fname) return {};
    return info.dli_fname;
}

// What the program is made of: a copy replaced under a run breaks the next one.
TReadBy ProgramReading(const TFileId& file)
{
    if (Is(file, std::string("/proc/self/exe")))
        return {TReadKind::rkProgram, "it is the program running", {}};
    const std::string host = HostLibrary();
    if (!host.empty() && Is(file, host)) return {TReadKind::rkProgram, "it is the host library in use", {}};
    return {};
}

// Whether the process holds `file` open.
bool HeldOpen(const TFileId& file)
{
    DIR* fds = ::opendir("/proc/self/fd");
    if (!fds) return false;
    bool held = false;
    while (const dirent* entry = ::readdir(fds))
        if (entry->d_name[0] != '.' && Is(file, std::string("/proc/self/fd/") + entry->d_name)) {
            held = true;
            break;
        }
    ::closedir(fds);
    return held;
}

} // namespace

TReadBy ReaderOf(const std::optional<TFileId>& at, const TReadFiles& read,
                 const tvhost::TDocumentCore* writing)
{
    // What is no regular file the write refuses itself, saying what it is.
    if (!at) return {};
    const TFileId& file = *at;
    if (TReadBy by = ProgramReading(file); by.Kind != TReadKind::rkNone) return by;
    if (!read.Library.empty() && Is(file, read.Library))
        return {TReadKind::rkLibrary, "it is the library being run", {}};
    if (read.Script && Is(file, *read.Script))
        return {TReadKind::rkScript, "it is the script being played", {}};
    const bool own = writing && !writing->FileName().empty() && Is(file, writing->FileName());
    if (read.Opened && !own && Is(file, *read.Opened)) return {TReadKind::rkDocument, OpenDocument, {}};
    if (read.Documents)
        if (TReadBy by = DocumentReading(file, *read.Documents, writing); by.Kind != TReadKind::rkNone)
            return by;
    if (HeldOpen(file)) return {TReadKind::rkHeldOpen, "the run has it open", {}};
    return {};
}

} // namespace tvrun
