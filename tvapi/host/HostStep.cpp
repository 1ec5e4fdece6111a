// STEP files of the stand-in host's shapes, for a person to look at in any CAD viewer. Apart
// from HostKernel.cpp because the exchange headers are heavy.
#include "HostKernel.h"

#include <cstdio>

#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>

namespace tvhost {

bool WriteStepFile(const std::vector<TShape>& shapes, const std::string& path, std::string& error)
{
    // The kernel reports to standard output by default; the host keeps it for its own output.
    Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
    const std::string partial = path + ".partial";
    try {
        STEPControl_Writer writer;
        Interface_Static::SetCVal("write.step.unit", "MM");
        const TShape all = MakeCompound(shapes);
        if (writer.Transfer(*all, STEPControl_AsIs) != IFSelect_RetDone) {
            error = "the shapes cannot be written as STEP";
            return false;
        }
        if (writer.Write(partial.c_str()) != IFSelect_RetDone) {
            std::remove(partial.c_str());
            error = "cannot write " + partial;
            return false;
        }
    } catch (const Standard_Failure& e) {
        std::remove(partial.c_str());
        error = std::string("the kernel failed: ") + e.GetMessageString();
        return false;
    }
    if (std::rename(partial.c_str(), path.c_str()) != 0) {
        std::remove(partial.c_str());
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

} // namespace tvhost
