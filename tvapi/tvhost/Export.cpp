// The export subcommand of tvhost.
#include "Export.h"

#include <sys/stat.h>

#include "Host.h"
#include "HostDocuments.h"
#include "HostKernel.h"
#include "HostPart.h"
#include "HostSvg.h"
#include "HostText.h"
#include "Session.h"

namespace tvrun {

namespace {

// True when `b` names the file `a` names, through whatever path or link.
bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

} // namespace

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 4 || (args[1] != "--svg" && args[1] != "--step")) {
        err << "tvhost: usage: tvhost export --svg DOC OUT.svg | --step DOC OUT.step\n";
        return ecUsage;
    }
    const bool step = args[1] == "--step";
    const std::string& doc = args[2];
    const std::string& svg = args[3];
    if (SameFile(doc, svg)) {
        err << "tvhost: will not export " << doc << " onto itself\n";
        return ecUsage;
    }
    tvhost::THost host;
    tvhost::THostDocuments& documents = host.App().Documents();
    const tvapi::ITervanDocumentPtr document = documents.OpenFile(tvhost::FileNameFromBytes(doc));
    auto* core = dynamic_cast<tvhost::TDocumentCore*>(document.Get());
    if (!core) {
        err << "tvhost: cannot read " << doc << ": " << documents.OpenError() << '\n';
        return ecRunFailed;
    }
    std::string error;
    if (step) {
        auto* model = dynamic_cast<tvhost::THostDocument3D*>(core);
        if (!model) {
            err << "tvhost: " << doc << " is no part or assembly\n";
            return ecRunFailed;
        }
        if (!tvhost::WriteStepFile(model->TopPart().PlacedShapes(), svg, error)) {
            err << "tvhost: cannot write " << svg << ": " << error << '\n';
            return ecRunFailed;
        }
    } else if (!tvhost::WriteSvgFile(*core, tvhost::FileNameFromBytes(svg), error)) {
        err << "tvhost: cannot write " << svg << ": " << error << '\n';
        return ecRunFailed;
    }
    out << "tvhost: wrote " << svg << '\n';
    return ecSuccess;
}

} // namespace tvrun
