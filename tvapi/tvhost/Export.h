#pragma once
// The export subcommand of tvhost: "export --svg DOC OUT.svg" writes a stand-in 2D document
// file as an SVG picture, "export --step DOC OUT.step" a part or assembly as a STEP model.

#include <ostream>
#include <string>
#include <vector>

namespace tvrun {

// Runs "export ..." (argv without the program name, args[0] == "export"); the exit code:
// 0 written, 2 bad command line (also an output that is the input file), 3 the document
// could not be read or the picture written; the message says why. File names are bytes,
// used and printed as given.
int RunExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tvrun
