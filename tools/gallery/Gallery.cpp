// dimchain-gallery: builds every component of the catalogue at its sample sizes on the
// stand-in host, so that a person can look at the sheets and parts side by side, and checks a
// built gallery again.
//
//   dimchain-gallery build SAMPLES OUT [N]  sheets (.qdr) and parts (.qpt) into OUT (the first
//                                        N sizes of each component, all without N; every kind
//                                        of the base-detail builder in any case), with
//                                        each drawn as SVG and each part written as STEP,
//                                        OUT/gallery.tsv (what was built, volumes and masses)
//                                        and OUT/index.html
//   dimchain-gallery check OUT           every sheet reopens as a drawing, every part reopens
//                                        valid with its recorded volume
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ComponentCatalogue.h"
#include "Host.h"
#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostHlr.h"
#include "HostKernel.h"
#include "HostKernelFeatures.h"
#include "HostPart.h"
#include "HostSvg.h"
#include "HostText.h"
#include "TextBase.h"
#include "drMaterial.h"
#include "drModelerAPI.h"

namespace {

namespace fs = std::filesystem;

struct TBuilt {
    std::string Stem, Name, Part, Sheet;
    int Size = 0;
    double Volume = 0, Mass = 0;
    std::vector<std::string> Pieces; // further part files the build wrote (an assembly's parts)
};

// The gallery's folder, held open from the moment it was checked: everything the build writes
// goes through it, so that the folder moved away or swapped for a link is never written through.
struct TFolder {
    fs::path Out;
    std::string Name; // Out with a slash, before the name of each file in it
    int Fd = -1;

    ~TFolder()
    {
        tvhost::HoldFolder({}, -1);
        if (Fd >= 0) ::close(Fd);
    }
    std::string File(const std::string& name) const { return Name + name; }
};

std::string Reason()
{
    return std::strerror(errno);
}

// The names in the held folder, sorted; false, said on the error stream, when it cannot be read.
bool Names(const TFolder& folder, std::vector<std::string>& names)
{
    names.clear();
    const int fd = ::openat(folder.Fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!dir) {
        std::cerr << "gallery: cannot read the folder " << folder.Out.string() << ": " << Reason() << '\n';
        if (fd >= 0) ::close(fd);
        return false;
    }
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return true;
}

// The part files in the folder, by name; false as Names.
bool PartFiles(const TFolder& folder, std::vector<std::string>& files)
{
    const bool read = Names(folder, files);
    std::erase_if(files, [](const std::string& f) { return fs::path(f).extension() != ".qpt"; });
    return read;
}

// The part files written since `before` was listed, but for `main`; false as Names.
bool NewPieces(const TFolder& folder, const std::vector<std::string>& before, const std::string& main,
               std::vector<std::string>& pieces)
{
    const bool read = PartFiles(folder, pieces);
    std::erase_if(pieces, [&](const std::string& f) {
        return f == main || std::binary_search(before.begin(), before.end(), f);
    });
    return read;
}

// How the name of the folder no longer leads to the one held; empty while it does.
std::string Departed(const TFolder& folder)
{
    struct stat held {};
    struct stat named {};
    if (::fstat(folder.Fd, &held) != 0) return "cannot be looked at: " + Reason();
    const bool found = ::stat(folder.Out.c_str(), &named) == 0;
    if (found && named.st_dev == held.st_dev && named.st_ino == held.st_ino) return {};
    const int why = errno;
    struct stat own {};
    if (::lstat(folder.Out.c_str(), &own) == 0 && S_ISLNK(own.st_mode)) return "was swapped for a link";
    if (found) return S_ISDIR(named.st_mode) ? "was swapped for another folder" : "was swapped for a file";
    if (why == ENOENT || why == ENOTDIR) return "was moved away";
    return std::string("cannot be looked at: ") + std::strerror(why);
}

std::string Utf8(const TString& s)
{
    return tvhost::ToUtf8(Wide(s));
}

// The volume of the part file `file`; "" when it is measured, else why not: it does not
// open (with the host's reason), it is no model, or a body is not a valid shape.
std::string MeasurePart(tvhost::THost& host, const std::string& file, double& volume)
{
    tvhost::THostDocuments& documents = host.App().Documents();
    const tvapi::ITervanDocumentPtr doc = documents.OpenFile(tvhost::FileNameFromBytes(file), false);
    if (!doc) return "does not open: " + documents.OpenError();
    auto* model = dynamic_cast<tvhost::THostDocument3D*>(doc.Get());
    volume = 0;
    bool valid = model != nullptr;
    if (model)
        for (const tvhost::TShape& shape : model->TopPart().PlacedShapes()) {
            volume += tvhost::Volume(shape);
            valid = valid && tvhost::IsValidShape(shape);
        }
    doc->Close(tvapi::kdDoNotSaveChanges);
    if (!model) return "is no part or assembly";
    return valid ? std::string() : "holds a body that is not a valid shape";
}

bool OpensAsDrawing(tvhost::THost& host, const std::string& file)
{
    const tvapi::ITervanDocumentPtr doc =
        host.App().Documents().OpenFile(tvhost::FileNameFromBytes(file), false);
    const bool drawing = dynamic_cast<tvhost::THostDocument2D*>(doc.Get()) != nullptr;
    if (doc) doc->Close(tvapi::kdDoNotSaveChanges);
    return drawing;
}

// Writes `bytes` to the gallery's own file `name` in its folder as the host saves a document:
// whole or not at all, never through a link. False, said on the error stream, when it cannot.
bool WriteOwnFile(const TFolder& folder, const char* name, const std::string& bytes)
{
    std::string error;
    if (tvhost::WriteFileAtomically(folder.File(name), bytes, error)) return true;
    std::cerr << "gallery: cannot write " << folder.File(name) << ": " << error << '\n';
    return false;
}

// Whether `name` is one the gallery writes: a sheet "G<n>.qdr" with its picture ".svg", a part
// "G<n>.qpt" (an assembly's component "G<n>-<k>.qpt") with its picture and STEP file, its list and page
// (tools/gallery.sh says the same).
bool IsGalleryName(const fs::path& name)
{
    static const std::regex Own(
        R"(G[0-9]+\.qdr(\.svg)?|G[0-9]+(-[0-9]+)?\.qpt(\.svg|\.step)?|gallery\.tsv|index\.html)");
    return std::regex_match(name.string(), Own);
}

// What stands at a name the gallery would write, when that is no regular file.
const char* NoRegularFile(mode_t mode)
{
    if (S_ISLNK(mode)) return "a link";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    return "no regular file";
}

// Whether every name in the folder the gallery writes is free or a regular file; the others are
// said on the error stream. Nothing is built over them, so nothing outside the folder can change.
bool OnlyRegularFiles(const TFolder& folder)
{
    std::vector<std::string> names;
    if (!Names(folder, names)) return false;
    bool regular = true;
    for (const std::string& name : names) {
        struct stat info {};
        if (!IsGalleryName(name)) continue;
        if (::fstatat(folder.Fd, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            std::cerr << "gallery: cannot look at " << folder.File(name) << ": " << Reason() << '\n';
            regular = false;
        } else if (!S_ISREG(info.st_mode)) {
            std::cerr << "gallery: cannot write " << folder.File(name) << ": it is "
                      << NoRegularFile(info.st_mode) << '\n';
            regular = false;
        }
    }
    return regular;
}

// The boxes the host showed since the last call (a save that failed names its file there), each
// said on the error stream with the component it came from; their count.
int TellBoxes(std::ostringstream& boxes, const std::string& component)
{
    std::istringstream lines(boxes.str());
    boxes.str({});
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        std::cerr << "gallery: " << component << ": " << line << '\n';
    return count;
}

// Draws the document `file` of the held folder as `file`.svg (a part as its hidden-line
// projection) and writes a part as `file`.step too; false, said on the error stream, when it cannot.
bool ExportDocument(tvhost::THost& host, const std::string& file)
{
    tvhost::THostDocuments& documents = host.App().Documents();
    const tvapi::ITervanDocumentPtr doc = documents.OpenFile(tvhost::FileNameFromBytes(file), false);
    auto* core = dynamic_cast<tvhost::TDocumentCore*>(doc.Get());
    if (!core) {
        std::cerr << "gallery: cannot read " << file << ": " << documents.OpenError() << '\n';
        return false;
    }
    std::string error, picture, failed;
    if (auto* model = dynamic_cast<tvhost::THostDocument3D*>(core)) {
        const std::vector<tvhost::TShape> shapes = model->TopPart().PlacedShapes();
        if (!tvhost::PartSvg(shapes, picture, error) ||
            !tvhost::WriteFileAtomically(file + ".svg", picture, error))
            failed = file + ".svg";
        else if (!tvhost::WriteStepFile(shapes, file + ".step", error))
            failed = file + ".step";
    } else if (!tvhost::WriteSvgFile(*core, tvhost::FileNameFromBytes(file + ".svg"), error)) {
        failed = file + ".svg";
    }
    doc->Close(tvapi::kdDoNotSaveChanges);
    if (failed.empty()) return true;
    std::cerr << "gallery: cannot write " << failed << ": " << error << '\n';
    return false;
}

// The pictures of every sheet and part the build wrote into the held folder and the STEP files
// of the parts, written through it, so that they land in the folder built whatever its name
// leads to now. A user's own document in the folder is no sheet of the build's and is left be.
// The number that failed.
int ExportAll(tvhost::THost& host, const TFolder& folder, const std::vector<TBuilt>& built)
{
    std::vector<std::string> names;
    if (!Names(folder, names)) return 1;
    std::set<std::string> wrote;
    for (const TBuilt& b : built) {
        wrote.insert(fs::path(b.Part).filename().string());
        if (!b.Sheet.empty()) wrote.insert(fs::path(b.Sheet).filename().string());
        wrote.insert(b.Pieces.begin(), b.Pieces.end());
    }
    int failures = 0;
    for (const std::string& name : names)
        if (wrote.count(name) > 0) failures += ExportDocument(host, folder.File(name)) ? 0 : 1;
    return failures;
}

std::string IndexHtml(const std::vector<TBuilt>& built)
{
    std::ostringstream html;
    html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Standard components</title>\n"
         << "<style>body{font-family:sans-serif}td{vertical-align:top;padding:6px;border-bottom:1px solid "
            "#ccc}"
         << "img{max-width:420px;max-height:300px;background:#fff}</style></head><body>\n"
         << "<h1>Standard components</h1>\n<table>\n<tr><th>component</th><th>sheet</th><th>part</th></tr>\n";
    for (const TBuilt& b : built) {
        const std::string part = fs::path(b.Part).filename().string();
        html << "<tr><td><b>" << b.Name << "</b><br>" << b.Stem << ", size " << b.Size << "<br>volume "
             << std::fixed << std::setprecision(1) << b.Volume << " mm&sup3;<br>mass " << std::setprecision(4)
             << b.Mass << " kg<br><a href=\"" << part << "\">" << part << "</a> <a href=\"" << part
             << ".step\">STEP</a></td><td>";
        if (!b.Sheet.empty()) {
            const std::string sheet = fs::path(b.Sheet).filename().string();
            html << "<a href=\"" << sheet << "\"><img src=\"" << sheet << ".svg\" alt=\"" << sheet
                 << "\"></a>";
        }
        html << "</td><td><img src=\"" << part << ".svg\" alt=\"" << part << "\">";
        for (const std::string& piece : b.Pieces)
            html << "<br><a href=\"" << piece << "\">" << piece << "</a> <a href=\"" << piece
                 << ".step\">STEP</a><br><img src=\"" << piece << ".svg\" alt=\"" << piece << "\">";
        html << "</td></tr>\n";
    }
    html << "</table></body></html>\n";
    return html.str();
}

int Build(const std::string& samples, const fs::path& out, Integer sizes)
{
    std::error_code error;
    fs::create_directories(out, error);
    if (error || !fs::is_directory(out, error)) {
        std::cerr << "gallery: cannot make the folder " << out.string() << ": "
                  << (error ? error.message() : "it is no folder") << '\n';
        return 2;
    }
    // The folder the name leads to now (through a link the user gave, too) is the one built into.
    TFolder folder{out, out.string() + "/", ::open(out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.Fd < 0) {
        std::cerr << "gallery: cannot open the folder " << out.string() << ": " << Reason() << '\n';
        return 2;
    }
    if (!OnlyRegularFiles(folder)) return 1;
    // Every name written is the gallery's own: a link that appears at one while it builds is
    // refused or replaced by the save's rename, never written through.
    tvhost::SetWritesFollowLinks(false);
    tvhost::HoldFolder(folder.Name, folder.Fd);
    tvhost::THost host;
    std::ostringstream boxes;
    host.App().SetBoxOutput(&boxes);
    tvapi::IApplicationPtr app = host.Application();
    drApi::MA.R3->Tervan7 = app.Get();
    drApi::MA.R3->FileName = "libDimChain";
    ABaseDetail.Set(samples.c_str(), "ZelCoupling.tb");
    ABaseDetail.Init();
    TCatalogueModel model(TString(folder.File("G").c_str()));
    drApi::LibraryControlModel = &model;
    std::vector<TBuilt> built;
    int failures = 0;
    std::string departed;
    const std::vector<TCatalogueEntry>& catalogue = ComponentCatalogue();
    for (std::size_t i = 0; i < catalogue.size() && departed.empty(); ++i) {
        const TCatalogueEntry& e = catalogue[i];
        const TDcDetail id = TDcDetail(i + 1);
        for (Integer size = 0; size < (e.Kinds ? e.Sizes : std::min(e.Sizes, sizes)); ++size) {
            // Nothing is written but through the folder held; once its name leads elsewhere the
            // build stops, so that what it measures and lists is what it wrote.
            if (departed = Departed(folder); !departed.empty()) break;
            model.Present(id, id * 10 + size);
            const Integer depth = drApi::Transf2D->AMtr.Count;
            std::vector<std::string> before;
            failures += PartFiles(folder, before) ? 0 : 1;
            e.Build(drApi::MA, id, size);
            TBuilt b{e.Stem,
                     Utf8(model.NameDet(id, 0)),
                     Utf8(model.sfDetail3D(id, 0)),
                     e.HasSheet ? Utf8(model.sfDetail2D(id, 0)) : std::string(),
                     size,
                     0,
                     0,
                     {}};
            failures += NewPieces(folder, before, fs::path(b.Part).filename().string(), b.Pieces) ? 0 : 1;
            failures += TellBoxes(boxes, std::string(e.Stem) + " " + std::to_string(size));
            if (drApi::Transf2D->AMtr.Count != depth) {
                std::cerr << "gallery: " << e.Stem << " " << size << " left the placement stack unbalanced\n";
                ++failures;
            }
            if (const std::string why = MeasurePart(host, b.Part, b.Volume); !why.empty() || b.Volume <= 0) {
                std::cerr << "gallery: " << b.Part << " is no valid part: "
                          << (why.empty() ? "its volume is " + std::to_string(b.Volume) : why) << '\n';
                ++failures;
            }
            if (!b.Sheet.empty() && !OpensAsDrawing(host, b.Sheet)) {
                std::cerr << "gallery: " << b.Sheet << " is no drawing\n";
                ++failures;
            }
            b.Mass = b.Volume * 1e-9 * AMaterial[e.Material].Density;
            built.push_back(b);
        }
    }
    drApi::MA.Done();
    drApi::LibraryControlModel = nullptr;
    if (departed.empty()) failures += ExportAll(host, folder, built);
    if (departed.empty()) departed = Departed(folder);
    if (!departed.empty()) {
        std::cerr << "gallery: the folder " << out.string() << " " << departed << " while it was built\n";
        return 1;
    }
    std::ostringstream tsv;
    tsv << std::setprecision(17);
    for (const TBuilt& b : built)
        tsv << b.Stem << '\t' << b.Size << '\t' << b.Part << '\t' << (b.Sheet.empty() ? "-" : b.Sheet) << '\t'
            << b.Volume << '\t' << b.Mass << '\t' << b.Name << '\n';
    const bool tsvWritten = WriteOwnFile(folder, "gallery.tsv", tsv.str());
    const bool written = WriteOwnFile(folder, "index.html", IndexHtml(built)) && tsvWritten;
    std::cout << "gallery: " << built.size() << " components built into " << out.string() << '\n';
    return failures == 0 && written ? 0 : 1;
}

int Check(const fs::path& out)
{
    // Read whole, as the host reads: a FIFO or a device standing at the name is refused at once.
    std::string bytes, error;
    if (!tvhost::ReadFileBytes((out / "gallery.tsv").string(), bytes, error)) {
        std::cerr << "gallery: cannot read " << (out / "gallery.tsv").string() << ": " << error << '\n';
        return 2;
    }
    std::istringstream tsv(bytes);
    tvhost::THost host;
    int count = 0, failures = 0;
    for (std::string line; std::getline(tsv, line); ++count) {
        std::istringstream row(line);
        std::string stem, size, part, sheet, volume;
        std::getline(row, stem, '\t');
        std::getline(row, size, '\t');
        std::getline(row, part, '\t');
        std::getline(row, sheet, '\t');
        std::getline(row, volume, '\t');
        char* end = nullptr;
        const double recorded = std::strtod(volume.c_str(), &end);
        if (part.empty() || sheet.empty() || volume.empty() || *end != '\0' || !std::isfinite(recorded)) {
            std::cerr << "gallery: " << (out / "gallery.tsv").string() << " line " << count + 1
                      << ": no part, sheet and finite volume in \"" << line << "\"\n";
            return 2;
        }
        double measured = 0;
        if (const std::string why = MeasurePart(host, part, measured); !why.empty()) {
            std::cerr << "gallery: " << part << " " << why << '\n';
            ++failures;
        } else if (std::abs(measured - recorded) > 1e-9 * std::max(1.0, recorded)) {
            std::cerr << "gallery: " << part << " has volume " << measured << ", recorded " << recorded
                      << '\n';
            ++failures;
        }
        if (sheet != "-" && !OpensAsDrawing(host, sheet)) {
            std::cerr << "gallery: " << sheet << " does not reopen as a drawing\n";
            ++failures;
        }
    }
    std::cout << "gallery: " << count << " components checked, " << failures << " failures\n";
    return failures == 0 && count > 0 ? 0 : 1;
}

// The most sizes of each component a build may ask for.
constexpr int MaxSizes = 1000000;

// The SIZES argument: a whole number from 1 to MaxSizes, written as nothing else.
bool SizesOf(const std::string& text, int& sizes)
{
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || n < 1 || n > MaxSizes)
        return false;
    sizes = n;
    return true;
}

} // namespace

int main(int argc, char** argv)
try {
    // Past a file-size limit a write fails with "File too large" and the save says so, rather
    // than the signal ending the program mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if ((args.size() == 3 || args.size() == 4) && args[0] == "build") {
        int sizes = 1000;
        if (args.size() == 4 && !SizesOf(args[3], sizes)) {
            std::cerr << "gallery: sizes \"" << args[3] << "\" is no whole number from 1 to " << MaxSizes
                      << '\n';
            return 2;
        }
        return Build(args[1], args[2], sizes);
    }
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    std::cerr << "usage: dimchain-gallery build SAMPLES OUT [SIZES] | check OUT\n";
    return 2;
} catch (const std::exception& e) {
    // A failure nothing above foresaw (a file system one names its paths) still ends in words.
    std::cerr << "gallery: " << e.what() << '\n';
    return 1;
}
