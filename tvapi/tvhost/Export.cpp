// The export subcommand of tvhost.
#include "Export.h"

#include <sys/stat.h>

#include "Host.h"
#include "HostDocuments.h"
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
    if (args.size() != 4 || args[1] != "--svg") {
        err << "tvhost: usage: tvhost export --svg DOC OUT.svg\n";
        return ecUsage;
    }
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
    if (!tvhost::WriteSvgFile(*core, tvhost::FileNameFromBytes(svg), error)) {
        err << "tvhost: cannot write " << svg << ": " << error << '\n';
        return ecRunFailed;
    }
    out << "tvhost: wrote " << svg << '\n';
    return ecSuccess;
}

} // namespace tvrun
