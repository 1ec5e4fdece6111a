// Model files of the stand-in host: a part's or assembly's model in its document file, and the
// model files being read now.
#include "HostModelFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "HostAssembly.h"
#include "HostDimensions3D.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFeatureFile.h"
#include "HostGeneratedDimensions.h"
#include "HostLoadNotices.h"
#include "HostMateFile.h"
#include "HostPart.h"
#include "HostText.h"

namespace tvhost {

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

// Model files read from model files (components, billets) nest at most this deep.
constexpr std::size_t MaxModelFileDepth = 8;
// The farthest a component's origin may lie from its assembly's, in mm (a million km): frames
// composed through MaxModelFileDepth assemblies stay far from overflowing.
constexpr double MaxPlacement = 1e12;

// The model files being read now, the outermost first (TReadingFile): each by its device and
// inode, and by the name its reader gave.
struct TReadingEntry {
    std::string Key;
    std::string Shown;
};
thread_local std::vector<TReadingEntry> ReadingNow;
// The folders of the models being loaded now, the innermost last (LoadModel).
thread_local std::vector<std::wstring> LoadingFolders;
struct TLoadingIn {
    explicit TLoadingIn(const std::wstring& folder) { LoadingFolders.push_back(folder); }
    ~TLoadingIn() { LoadingFolders.pop_back(); }
    TLoadingIn(const TLoadingIn&) = delete;
    TLoadingIn& operator=(const TLoadingIn&) = delete;
};

} // namespace

TReadingFile::~TReadingFile()
{
    if (FEntered) ReadingNow.pop_back();
}

bool TReadingFile::Enter(const std::wstring& fileName, std::string& error)
{
    const std::string bytes = FileNameBytes(fileName);
    struct stat status {};
    std::string key;
    if (::stat(bytes.c_str(), &status) == 0)
        key = std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
    else
        key = FileNameBytes(AbsoluteFileName(fileName));
    const std::string shown = ToUtf8(fileName);
    for (std::size_t i = 0; i < ReadingNow.size(); ++i)
        if (ReadingNow[i].Key == key) {
            std::string chain;
            for (std::size_t j = i; j < ReadingNow.size(); ++j)
                chain += ReadingNow[j].Shown + " -> ";
            error = "it includes itself (" + chain + shown + ")";
            return false;
        }
    if (ReadingNow.size() >= MaxModelFileDepth) {
        error = "model files nest deeper than " + std::to_string(MaxModelFileDepth);
        return false;
    }
    ReadingNow.push_back({key, shown});
    FEntered = true;
    return true;
}

// A host text naming a file as the path of its bytes, and back: no conversion on the way.
fs::path BytesPath(std::wstring_view name)
{
    return fs::path(FileNameBytes(name));
}
std::wstring PathName(const fs::path& path)
{
    return FileNameFromBytes(path.string());
}

namespace {

json ColorJson(const TColor& c)
{
    return {{"color", c.Color},
            {"use", c.Use},
            {"ambient", c.Ambient},
            {"diffuse", c.Diffuse},
            {"specularity", c.Specularity},
            {"shininess", c.Shininess},
            {"transparency", c.Transparency},
            {"emission", c.Emission}};
}

TColor ColorOf(const json& j)
{
    TColor c;
    c.Color = j.at("color").get<int>();
    c.Use = static_cast<tvapi::tvUseColorEnum>(j.at("use").get<int>());
    c.Ambient = j.at("ambient").get<double>();
    c.Diffuse = j.at("diffuse").get<double>();
    c.Specularity = j.at("specularity").get<double>();
    c.Shininess = j.at("shininess").get<double>();
    c.Transparency = j.at("transparency").get<double>();
    c.Emission = j.at("emission").get<double>();
    return c;
}

json FrameJson(const TFrame& f)
{
    return json::array({f.Origin, f.X, f.Y});
}

TFrame FrameOf(const json& f)
{
    return TFrame::Of(f.at(0).get<TXyz>(), f.at(1).get<TXyz>(), f.at(2).get<TXyz>());
}

// A component's frame as its assembly's file gives it. Axes that span no plane would become
// the default axes (the part turned silently) and an origin past MaxPlacement could make the
// frames composed through nested assemblies infinite: both refuse the file.
TFrame ComponentFrameOf(const json& f, const std::string& component)
{
    if (!TFrame::Spans(f.at(1).get<TXyz>(), f.at(2).get<TXyz>()))
        throw std::invalid_argument("component " + component + ": its frame's axes span no plane");
    const TXyz origin = f.at(0).get<TXyz>();
    if (std::any_of(origin.begin(), origin.end(), [](double c) { return !(std::fabs(c) <= MaxPlacement); }))
        throw std::invalid_argument("component " + component + ": its frame's origin lies farther than " +
                                    std::to_string(static_cast<long long>(MaxPlacement)) + " mm");
    return FrameOf(f);
}

json SketchesJson(THostPart& part)
{
    json sketches = json::array();
    for (const THostSketchPtr& sketch : part.Sketches()) {
        json s = {{"name", ToUtf8(sketch->Name())},
                  {"angle", sketch->Angle()},
                  {"document", DocumentJson(sketch->Document())}};
        if (sketch->PlaneKind() != tvapi::o3d_unknown) {
            const tvapi::IModelObjectPtr plane = sketch->GetPlane();
            s["plane"] = {{"kind", sketch->PlaneKind()}, {"name", ToUtf8(plane ? plane->GetName() : L"")}};
            if (TFrame f; sketch->PlaneFrame(f)) {
                s["plane"]["frame"] = FrameJson(f);
                if (f.Back) s["plane"]["back"] = true;
            }
        }
        sketches.push_back(std::move(s));
    }
    return sketches;
}

void LoadSketches(THostPart& part, const json& sketches)
{
    for (const json& s : sketches) {
        THostSketch& sketch = part.AddSketch(FromUtf8(s.at("name").get<std::string>()));
        sketch.SetAngleDirect(s.at("angle").get<double>());
        if (s.contains("plane")) {
            const json& p = s["plane"];
            TFrame frame = p.contains("frame") ? FrameOf(p["frame"]) : TFrame();
            frame.Back = p.value("back", false);
            sketch.RestorePlane(static_cast<tvapi::tvObj3dTypeEnum>(p.at("kind").get<int>()),
                                FromUtf8(p.at("name").get<std::string>()),
                                p.contains("frame") ? &frame : nullptr);
        }
        LoadDocumentJson(sketch.Document(), s.at("document"));
    }
}

// The part's variables as its file keeps them; mates' and features' are their own.
json VariablesJson(THostPart& part)
{
    json variables = json::array();
    for (const tvapi::IVariablePtr& v : part.Variables()) {
        const THostVariable* own = dynamic_cast<const THostVariable*>(v.Get());
        if (!own) continue;
        json j = {{"name", ToUtf8(own->Name())},
                  {"value", own->Value()},
                  {"expression", ToUtf8(own->Expression())},
                  {"note", ToUtf8(own->Note())},
                  {"external", own->External()}};
        if (!own->LinkDocument().empty())
            j["link"] = {ToUtf8(own->LinkDocument()), ToUtf8(own->LinkVariable())};
        variables.push_back(std::move(j));
    }
    return variables;
}

void LoadVariables(THostPart& part, const json& variables)
{
    for (const json& j : variables) {
        THostVariablePtr v =
            New<THostVariable>(FromUtf8(j.at("name").get<std::string>()), j.at("value").get<double>(),
                               FromUtf8(j.at("note").get<std::string>()));
        v->SetExpressionDirect(FromUtf8(j.at("expression").get<std::string>()));
        v->SetExternalDirect(j.at("external").get<bool>());
        if (j.contains("link"))
            v->SetLinkDirect(FromUtf8(j["link"].at(0).get<std::string>()),
                             FromUtf8(j["link"].at(1).get<std::string>()));
        part.Variables().emplace_back(std::move(v));
    }
}

// `file` with its folder's links resolved (the file itself may be a link, and stays one).
fs::path RealFolderOf(const fs::path& file)
{
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(file.parent_path(), error);
    return error ? file : folder / file.filename();
}

// A component's file as a file written into `folder` (absolute; empty: as the assembly named
// it) names it: relative to the folder, unless it was named absolute.
std::wstring StoredComponentFile(const THostPart& component, const fs::path& folder)
{
    const std::wstring& named = component.SourceFile();
    if (folder.empty() || component.ReadFrom().empty() || BytesPath(named).is_absolute()) return named;
    std::error_code error;
    fs::path from = fs::weakly_canonical(folder, error);
    if (error) from = folder;
    const fs::path relative = RealFolderOf(BytesPath(component.ReadFrom())).lexically_relative(from);
    return relative.empty() ? component.ReadFrom() : PathName(relative);
}

// A component's file as stored: a relative name is taken beside the file that holds it, so
// that an assembly and its parts move together.
std::wstring ComponentFile(const std::wstring& folder, const std::wstring& file)
{
    const fs::path path = BytesPath(file);
    if (folder.empty() || path.empty() || path.is_absolute()) return file;
    return PathName(BytesPath(folder) / path);
}

// The component's file name as its file keeps it: UTF-8, as the JSON text holds nothing else.
// A name whose bytes are no UTF-8 (FileNameFromBytes) cannot be kept byte for byte, and would
// come back as another name: the save is refused, naming it with those bytes as \xNN.
std::string StoredName(const std::wstring& name)
{
    const auto lone = [](wchar_t c) { return c >= 0xDC80 && c <= 0xDCFF; };
    if (std::none_of(name.begin(), name.end(), lone)) return ToUtf8(name);
    static const char hex[] = "0123456789ABCDEF";
    std::string shown;
    for (const wchar_t c : name) {
        const unsigned b = static_cast<unsigned>(c) & 0xFFu;
        shown +=
            lone(c) ? std::string{'\\', 'x', hex[b >> 4], hex[b & 15]} : ToUtf8(std::wstring_view(&c, 1));
    }
    throw std::invalid_argument("the component file " + shown + " is named by bytes that are not UTF-8");
}

} // namespace

json ModelJson(THostPart& part, const fs::path& folder)
{
    // With features, the bodies are built again from the base bodies: those are kept.
    const bool built = !part.Features().Features().empty();
    const std::vector<TShape>& shapes = built ? part.Features().Base() : part.LocalShapes();
    json bodies = json::array();
    for (std::size_t i = 0; i < shapes.size(); ++i)
        bodies.push_back(
            {{"brep", BRepText(shapes[i])},
             {"color", ColorJson(i < part.Bodies().size() ? part.Bodies()[i]->Color() : TColor{})},
             {"hidden", i < part.Bodies().size() && part.Bodies()[i]->Hidden()}});
    json components = json::array();
    for (const THostPartPtr& c : part.Components())
        components.push_back({{"file", StoredName(StoredComponentFile(*c, folder))},
                              {"external", c->IsExternal()},
                              {"frame", FrameJson(c->Frame())},
                              {"id", c->ComponentId()}});
    json model = {{"name", ToUtf8(part.Name())},    {"marking", ToUtf8(part.Marking())},
                  {"density", part.Density()},      {"bodies", std::move(bodies)},
                  {"sketches", SketchesJson(part)}, {"components", std::move(components)}};
    if (built) {
        model["features"] = FeaturesJson(part);
        // The bodies the features build show as the user left them.
        json display = json::array();
        for (const THostBodyPtr& body : part.Bodies())
            display.push_back({{"color", ColorJson(body->Color())}, {"hidden", body->Hidden()}});
        model["display"] = std::move(display);
    }
    if (!part.Dimensions3D().empty()) model["dimensions3D"] = Dimensions3DJson(part);
    if (json generated = GeneratedDimensionsJson(part); !generated.empty())
        model["generated"] = std::move(generated);
    if (json names = EntityNamesJson(part); !names.empty()) model["names"] = std::move(names);
    if (!part.Variables().empty()) model["variables"] = VariablesJson(part);
    return model;
}

std::wstring BesideLoadedModel(const std::wstring& file)
{
    return AbsoluteFileName(LoadingFolders.empty() ? file : ComponentFile(LoadingFolders.back(), file));
}

void LoadModel(THostPart& part, const json& model, const std::wstring& folder)
{
    const TLoadingIn loading(folder);
    part.SetNameDirect(FromUtf8(model.at("name").get<std::string>()));
    part.SetMarkingDirect(FromUtf8(model.at("marking").get<std::string>()));
    part.SetDensity(model.at("density").get<double>());
    for (const json& body : model.at("bodies")) {
        const std::string what = "body " + std::to_string(part.Bodies().size() + 1);
        TShape shape = ShapeOfFileText(body.at("brep").get<std::string>(), what);
        if (!shape) throw std::invalid_argument(what + " holds no shape");
        const THostBodyPtr added = part.AddBody(std::move(shape));
        added->Color() = ColorOf(body.at("color"));
        added->SetHiddenDirect(body.value("hidden", false));
    }
    if (model.contains("sketches")) LoadSketches(part, model["sketches"]);
    if (model.contains("features")) LoadFeatures(part, model["features"]);
    if (model.contains("display"))
        for (std::size_t i = 0; i < model["display"].size() && i < part.Bodies().size(); ++i) {
            part.Bodies()[i]->Color() = ColorOf(model["display"][i].at("color"));
            part.Bodies()[i]->SetHiddenDirect(model["display"][i].at("hidden").get<bool>());
        }
    if (model.contains("variables")) LoadVariables(part, model["variables"]);
    for (const json& c : model.at("components")) {
        const std::wstring file = FromUtf8(c.at("file").get<std::string>());
        std::string error;
        THostPartPtr component = ReadPartFile(ComponentFile(folder, file), error);
        if (!component)
            throw std::invalid_argument("component " + c.at("file").get<std::string>() + ": " + error);
        component->MoveTo(ComponentFrameOf(c.at("frame"), c.at("file").get<std::string>()));
        component->SetSource(file, c.at("external").get<bool>());
        component->SetComponentId(c.value("id", 0)); // an older file's: by place, from 1
        component->SetReadFrom(AbsoluteFileName(ComponentFile(folder, file)));
        part.AddComponent(std::move(component));
    }
    if (model.contains("names")) LoadEntityNames(part, model["names"]);
    if (model.contains("dimensions3D")) LoadDimensions3D(part, model["dimensions3D"]);
    if (model.contains("generated")) LoadGeneratedDimensions(part, model["generated"]);
}

std::string ReadingFileName()
{
    return ReadingNow.empty() ? std::string() : ReadingNow.back().Shown;
}

std::wstring AbsoluteFileName(std::wstring_view fileName)
{
    if (fileName.empty()) return {};
    std::error_code error;
    const fs::path path = fs::absolute(BytesPath(fileName), error);
    return error ? std::wstring(fileName) : PathName(path);
}

bool SameFile(std::wstring_view a, std::wstring_view b)
{
    struct stat sa {
    }, sb{};
    return ::stat(FileNameBytes(a).c_str(), &sa) == 0 && ::stat(FileNameBytes(b).c_str(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::wstring ComponentFileWhere(const THostPart& part, const std::function<bool(std::wstring_view)>& isFile)
{
    for (const THostPartPtr& component : part.Components()) {
        if (!component->ReadFrom().empty() && isFile(component->ReadFrom()))
            return component->SourceFile().empty() ? component->ReadFrom() : component->SourceFile();
        if (std::wstring inner = ComponentFileWhere(*component, isFile); !inner.empty()) return inner;
    }
    return {};
}

std::wstring ComponentFileNamed(const THostPart& part, std::wstring_view fileName)
{
    return ComponentFileWhere(part, [fileName](std::wstring_view read) { return SameFile(read, fileName); });
}

THostPartPtr ReadPartFile(const std::wstring& fileName, std::string& error)
{
    // A part read alone (inserted, a billet, a phantom) tells what it left out; one read with
    // a document leaves that to the document's open.
    TLeftOut leftOut(ToUtf8(fileName));
    TReadingFile reading;
    if (!reading.Enter(fileName, error)) return {};
    json root;
    if (!ReadDocumentFile(fileName, root, error)) return {};
    const int type = root.at("type").get<int>();
    if (type != tvapi::tvDocumentPart && type != tvapi::tvDocumentAssembly) {
        error = "not a part or an assembly";
        return {};
    }
    THostPartPtr part = New<THostPart>();
    part->SetMass(root.value("mass", 0.0));
    try {
        if (root.contains("model"))
            LoadModel(*part, root["model"], PathName(BytesPath(fileName).parent_path()));
    } catch (const std::exception& e) {
        error = std::string("cannot load: ") + e.what();
        return {};
    }
    leftOut.Tell();
    return part;
}

} // namespace tvhost
