// The export subcommand of tvhost.
#include "Export.h"

#include "Host.h"
#include "HostSvg.h"
#include "HostText.h"
#include "Session.h"

namespace tvrun {

int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 4 || args[1] != "--svg") {
        err << "tvhost: usage: tvhost export --svg DOC OUT.svg\n";
        return ecUsage;
    }
    const std::string& doc = args[2];
    const std::string& svg = args[3];
    tvhost::THost host;
    const tvapi::ITervanDocumentPtr document = host.App().Documents().OpenFile(tvhost::FromUtf8(doc));
    auto* core = dynamic_cast<tvhost::TDocumentCore*>(document.Get());
    if (!core) {
        err << "tvhost: cannot read " << doc << " as a document file\n";
        return ecRunFailed;
    }
    if (!tvhost::WriteSvgFile(*core, tvhost::FromUtf8(svg))) {
        err << "tvhost: cannot write " << svg << " (is " << doc << " a drawing or fragment?)\n";
        return ecRunFailed;
    }
    out << "tvhost: wrote " << svg << '\n';
    return ecSuccess;
}

} // namespace tvrun
