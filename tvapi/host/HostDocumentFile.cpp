// Document files of the stand-in host.
#include "HostDocumentFile.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>

#include "HostDocumentSchema.h"
#include "HostDocuments.h"
#include "HostFileIo.h"
#include "HostJsonParse.h"
#include "HostLoadNotices.h"
#include "HostMateFile.h"
#include "HostModelFile.h"
#include "HostModelRefs.h"
#include "HostPart.h"
#include "HostText.h"

namespace tvhost {

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

// Reference of the document itself, and of an object no number stands for.
constexpr int DocumentRef = -1;
constexpr int NoRef = -2;

template <class... F> struct TOverload : F... {
    using F::operator()...;
};

json ParamJson(const TParamValue& value)
{
    return std::visit(TOverload{
                          [](bool v) {
                              return json::array({"b", v});
                          },
                          [](std::int64_t v) {
                              return json::array({"i", v});
                          },
                          [](double v) {
                              return json::array({"r", v});
                          },
                          [](const std::wstring& v) {
                              return json::array({"s", ToUtf8(v)});
                          },
                          [](const std::vector<double>& v) {
                              return json::array({"reals", v});
                          },
                          [](const std::vector<std::uint8_t>& v) {
                              return json::array({"bytes", v});
                          },
                      },
                      value);
}

TParamValue ParamValue(const json& j)
{
    const std::string tag = j.at(0).get<std::string>();
    const json& v = j.at(1);
    if (tag == "b") return v.get<bool>();
    if (tag == "i") return v.get<std::int64_t>();
    if (tag == "r") return v.get<double>();
    if (tag == "s") return FromUtf8(v.get<std::string>());
    if (tag == "reals") return v.get<std::vector<double>>();
    if (tag == "bytes") return v.get<std::vector<std::uint8_t>>();
    throw std::invalid_argument("unknown parameter kind " + tag);
}

// Numbers of the objects of one document, in file order.
class TSaveIndex {
public:
    explicit TSaveIndex(TDocumentCore& document) : FDocument(dynamic_cast<const THostObject*>(&document)) {}

    void Number(TDrawingCore& core)
    {
        FNumbers[dynamic_cast<const THostObject*>(&core)] = FNext++;
        if (TContainerCore* container = core.AsContainer())
            for (const tvapi::IDrawingObjectPtr& child : container->Children())
                if (auto* c = dynamic_cast<TDrawingCore*>(child.Get())) Number(*c);
    }
    void NumberGroup(const THostDrawingGroup& group)
    {
        FGroups[group.Id()] = static_cast<int>(FGroups.size());
        FNumbers[&group] = FNext++;
    }
    // The reference of `object`: its number, DocumentRef, or NoRef.
    int Of(const tvapi::IAPIObject* object) const
    {
        const THostObject* host = HostObjectOf(object);
        if (host && host == FDocument) return DocumentRef;
        const auto it = FNumbers.find(host);
        return host && it != FNumbers.end() ? it->second : NoRef;
    }
    int GroupOf(std::uint64_t id) const
    {
        const auto it = FGroups.find(id);
        return it == FGroups.end() ? -1 : it->second;
    }

private:
    const THostObject* FDocument;
    std::map<const THostObject*, int> FNumbers;
    std::map<std::uint64_t, int> FGroups;
    int FNext = 0;
};

json RefsJson(const TSaveIndex& index, const std::vector<const tvapi::IAPIObject*>& objects)
{
    json refs = json::array();
    for (const tvapi::IAPIObject* object : objects) {
        const int ref = index.Of(object);
        if (ref != NoRef) refs.push_back(ref);
    }
    return refs;
}

json ObjectJson(TDrawingCore& core, const TSaveIndex& index)
{
    json j = {{"kind", core.Type()}, {"layer", core.Layer()}, {"group", index.GroupOf(core.Group())}};
    json params = json::array();
    for (const TParams::TItem& item : core.Params().Items())
        params.push_back(json::array({item.first, ParamJson(item.second)}));
    j["params"] = std::move(params);
    json texts = json::object();
    for (const auto& [name, text] : core.Texts())
        texts[name] = TextJson(text);
    j["texts"] = std::move(texts);
    std::vector<const tvapi::IAPIObject*> bounds;
    for (const tvapi::IDrawingObjectPtr& b : core.Boundaries())
        bounds.push_back(b.Get());
    j["boundaries"] = RefsJson(index, bounds);
    if (TContainerCore* container = core.AsContainer()) {
        json children = json::array();
        for (const tvapi::IDrawingObjectPtr& child : container->Children())
            if (auto* c = dynamic_cast<TDrawingCore*>(child.Get())) children.push_back(ObjectJson(*c, index));
        j["children"] = std::move(children);
    }
    return j;
}

json DrawingJson(TDrawing2D& drawing, TSaveIndex& index)
{
    json views = json::array();
    for (const THostViewPtr& view : drawing.Views()) {
        json v = ObjectJson(*view, index);
        v["viewType"] = view->ViewType();
        v["layers"] = view->LayerNumbers();
        v["currentLayer"] = view->CurrentLayer();
        views.push_back(std::move(v));
    }
    json groups = json::array();
    for (const THostDrawingGroupPtr& group : drawing.Groups())
        if (!group->IsTemporary()) groups.push_back(ObjectJson(*group, index));
    std::size_t active = 0;
    while (drawing.Views()[active].Get() != &drawing.ActiveView())
        ++active;
    return {{"views", std::move(views)}, {"groups", std::move(groups)}, {"activeView", active}};
}

json AttributesJson(TAttributeTable& table, const TSaveIndex& index)
{
    json types = json::array();
    for (const THostAttributeTypePtr& type : table.Types())
        types.push_back({{"key", type->Key()},
                         {"valueType", type->ValueType()},
                         {"name", ToUtf8(type->Name())},
                         {"comment", ToUtf8(type->Comment())}});
    json attributes = json::array();
    for (const THostAttributePtr& attribute : table.Attributes()) {
        if (attribute->IsRemoved()) continue;
        std::vector<const tvapi::IAPIObject*> objects;
        for (const tvapi::ITervanAPIObjectPtr& o : attribute->Objects())
            objects.push_back(o.Get());
        json cells = json::array();
        for (const auto& [at, cell] : attribute->Cells()) {
            json c = {{"row", at.first}, {"column", at.second}, {"name", ToUtf8(cell.first)}};
            if (cell.second.IsString())
                c["text"] = ToUtf8(cell.second.GetString());
            else
                c["number"] = cell.second.GetDouble();
            cells.push_back(std::move(c));
        }
        attributes.push_back({{"type", attribute->Type().Key()},
                              {"library", ToUtf8(attribute->Library())},
                              {"objects", RefsJson(index, objects)},
                              {"cells", std::move(cells)}});
    }
    return {{"types", std::move(types)}, {"attributes", std::move(attributes)}};
}

// The objects of a stored list in order, for a 3D document: a drawing object or the document
// by its number, a model object by its reference, null for one the file cannot name.
json ModelsJson(const std::vector<const tvapi::IAPIObject*>& objects, const TSaveIndex& index,
                const TModelRefs& models)
{
    json out = json::array();
    for (const tvapi::IAPIObject* object : objects) {
        const int ref = index.Of(object);
        out.push_back(ref != NoRef ? json(ref) : models.RefOf(object));
    }
    return out;
}

json StoragesJson(THostUserDataStorages& storages, const TSaveIndex& index, const TModelRefs* models)
{
    json all = json::array();
    for (const THostUserDataStoragePtr& storage : storages.Storages()) {
        json items = json::array();
        for (const TUserDataItem& item : storage->Items()) {
            json i = {{"key", ToUtf8(item.Key)}, {"group", ToUtf8(item.Group)}, {"name", ToUtf8(item.Name)}};
            if (item.IsObjects) {
                std::vector<const tvapi::IAPIObject*> objects;
                for (const tvapi::ITervanAPIObjectPtr& o : item.Objects)
                    objects.push_back(o.Get());
                i["objects"] = RefsJson(index, objects);
                if (models) i["models"] = ModelsJson(objects, index, *models);
            } else {
                i["bytes"] = item.Bytes;
            }
            items.push_back(std::move(i));
        }
        all.push_back({{"name", ToUtf8(storage->Name())}, {"items", std::move(items)}});
    }
    return all;
}

json UserDataJson(TUserData& data, const TSaveIndex& index, const TModelRefs* models)
{
    json owned = json::array();
    for (const TUserData::TOwned& entry : data.Owned()) {
        const int ref = index.Of(entry.first.Get());
        if (ref != NoRef)
            owned.push_back({{"owner", ref}, {"storages", StoragesJson(*entry.second, index, models)}});
    }
    return {{"document", StoragesJson(data.Document(), index, models)}, {"owned", std::move(owned)}};
}

// Objects of a document being read, by file number.
class TLoadIndex {
public:
    explicit TLoadIndex(TDocumentCore& document) : FDocument(dynamic_cast<tvapi::ITervanDocument*>(&document))
    {
    }

    void Add(tvapi::ITervanAPIObjectPtr object) { FObjects.push_back(std::move(object)); }
    tvapi::ITervanAPIObjectPtr Of(int ref) const
    {
        if (ref == DocumentRef) return FDocument;
        if (ref < 0 || static_cast<std::size_t>(ref) >= FObjects.size()) return {};
        return FObjects[static_cast<std::size_t>(ref)];
    }
    tvapi::TervanAPIObjectList List(const json& refs) const
    {
        tvapi::TervanAPIObjectList list;
        for (const json& ref : refs)
            if (tvapi::ITervanAPIObjectPtr o = Of(ref.get<int>())) list.push_back(std::move(o));
        return list;
    }

    std::vector<std::pair<TDrawingCore*, const json*>> Bounded;
    std::vector<std::uint64_t> GroupIds;

private:
    tvapi::ITervanAPIObjectPtr FDocument;
    std::vector<tvapi::ITervanAPIObjectPtr> FObjects;
};

tvapi::IDrawingObjectPtr MakeOfKind(int kind)
{
    switch (kind) {
    case tvapi::tvDrLineSeg:
        return tvapi::IDrawingObjectPtr(tvapi::ILineSegmentPtr(New<THostLineSegment>()));
    case tvapi::tvDrCircle:
        return tvapi::IDrawingObjectPtr(New<THostCircle>().Get());
    case tvapi::tvDrArc:
        return tvapi::IDrawingObjectPtr(New<THostArc>().Get());
    case tvapi::tvDrDrawingText:
        return tvapi::IDrawingObjectPtr(New<THostDrawingText>().Get());
    case tvapi::tvDrPoint:
        return tvapi::IDrawingObjectPtr(New<THostPoint>().Get());
    case tvapi::tvDrHatch:
        return tvapi::IDrawingObjectPtr(New<THostHatch>().Get());
    case tvapi::tvDrEllipse:
        return tvapi::IDrawingObjectPtr(New<THostEllipse>().Get());
    case tvapi::tvDrColouring:
        return tvapi::IDrawingObjectPtr(New<THostColouring>().Get());
    case tvapi::tvDrLDimension:
        return tvapi::IDrawingObjectPtr(tvapi::ILineDimensionPtr(New<THostLineDimension>()));
    case tvapi::tvDrADimension:
        return tvapi::IDrawingObjectPtr(New<THostAngleDimension>().Get());
    case tvapi::tvDrCutLine:
        return tvapi::IDrawingObjectPtr(New<THostCutLine>().Get());
    case tvapi::tvDrDDimension:
        return tvapi::IDrawingObjectPtr(New<THostDiametralDimension>().Get());
    case tvapi::tvDrRDimension:
        return tvapi::IDrawingObjectPtr(New<THostRadialDimension>().Get());
    case tvapi::tvDrLeader:
        return tvapi::IDrawingObjectPtr(New<THostLeader>().Get());
    case tvapi::tvDrMacro:
        return tvapi::IDrawingObjectPtr(New<THostMacroObject>().Get());
    case tvapi::tvDrTolerance:
        return tvapi::IDrawingObjectPtr(New<THostTolerance>().Get());
    case tvapi::tvDrRough:
        return tvapi::IDrawingObjectPtr(New<THostRough>().Get());
    case tvapi::tvDrBase:
        return tvapi::IDrawingObjectPtr(New<THostBase>().Get());
    case tvapi::tvDrViewPointer:
        return tvapi::IDrawingObjectPtr(New<THostViewPointer>().Get());
    default:
        throw std::invalid_argument("unknown object kind " + std::to_string(kind));
    }
}

void LoadCore(TDrawingCore& core, const json& j, TLoadIndex& index)
{
    for (const json& item : j.at("params"))
        core.Params().Set(item.at(0).get<std::string>(), ParamValue(item.at(1)));
    for (const auto& [name, text] : j.at("texts").items())
        core.Text(name) = TextOf(text);
    core.SetLayer(j.at("layer").get<int>());
    const int group = j.at("group").get<int>();
    const bool inGroup = group >= 0 && static_cast<std::size_t>(group) < index.GroupIds.size();
    core.SetGroup(inGroup ? index.GroupIds[static_cast<std::size_t>(group)] : 0);
    if (!j.at("boundaries").empty()) index.Bounded.emplace_back(&core, &j.at("boundaries"));
}

// Recursion is bounded: the file has passed the schema's limit on macro nesting.
void LoadChildren(TContainerCore& container, const json& j, TLoadIndex& index)
{
    for (const json& child : j.at("children")) {
        const tvapi::IDrawingObjectPtr made = MakeOfKind(child.at("kind").get<int>());
        auto* core = dynamic_cast<TDrawingCore*>(made.Get());
        container.Adopt(*core);
        index.Add(tvapi::ITervanAPIObjectPtr(made.Get()));
        LoadCore(*core, child, index);
        if (TContainerCore* inner = core->AsContainer()) LoadChildren(*inner, child, index);
    }
}

void LoadDrawing(TDrawing2D& drawing, const json& j, TLoadIndex& index)
{
    std::vector<THostDrawingGroupPtr> groups;
    for (std::size_t i = 0; i < j.at("groups").size(); ++i) {
        groups.push_back(drawing.AddGroup(false, {}));
        index.GroupIds.push_back(groups.back()->Id());
    }
    const json& views = j.at("views");
    for (std::size_t i = 0; i < views.size(); ++i) {
        const json& v = views[i];
        // The number comes with the view's parameters: the numbering of AddView plays no part.
        THostViewPtr view =
            i == 0 ? drawing.Views()[0] : drawing.AddView(v.at("viewType").get<tvapi::LtViewType>(), 0);
        index.Add(tvapi::ITervanAPIObjectPtr(view->DrawingObject()));
        LoadCore(*view, v, index);
        view->LayerNumbers() = v.at("layers").get<std::vector<int>>();
        view->SetCurrentLayer(v.at("currentLayer").get<int>());
        LoadChildren(*view, v, index);
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
        index.Add(tvapi::ITervanAPIObjectPtr(groups[i]->DrawingObject()));
        LoadCore(*groups[i], j.at("groups")[i], index);
    }
    drawing.SetActiveView(j.at("activeView").get<std::size_t>());
    for (const auto& [core, refs] : index.Bounded)
        for (const json& ref : *refs)
            if (tvapi::IDrawingObjectPtr b = tvapi::IDrawingObjectPtr(index.Of(ref.get<int>())))
                core->Boundaries().push_back(b);
}

void LoadAttributes(TAttributeTable& table, const json& j, const TLoadIndex& index)
{
    for (const json& t : j.at("types")) {
        THostAttributeTypePtr type = table.AddType(t.at("key").get<std::uint64_t>());
        type->SetValueTypeDirect(t.at("valueType").get<tvapi::tvAttributeTypeEnum>());
        type->Name() = FromUtf8(t.at("name").get<std::string>());
        type->Comment() = FromUtf8(t.at("comment").get<std::string>());
    }
    for (const json& a : j.at("attributes")) {
        THostAttributePtr attribute =
            table.Add(a.at("type").get<std::uint64_t>(), FromUtf8(a.at("library").get<std::string>()),
                      index.List(a.at("objects")));
        if (!attribute) throw std::invalid_argument("attribute of an unknown type");
        for (const json& c : a.at("cells")) {
            const tvapi::PropertyValue value =
                c.contains("text") ? tvapi::PropertyValue(FromUtf8(c["text"].get<std::string>()).c_str())
                                   : tvapi::PropertyValue(c.at("number").get<double>());
            attribute->Cells()[{c.at("row").get<int>(), c.at("column").get<int>()}] = {
                FromUtf8(c.at("name").get<std::string>()), value};
        }
    }
}

// A stored list as ModelsJson wrote it. What no longer names an object keeps its place as an
// empty entry: the library matches its lists entry by entry.
tvapi::TervanAPIObjectList ModelsOf(const json& refs, const TLoadIndex& index, const TModelRefs& models)
{
    tvapi::TervanAPIObjectList list;
    for (const json& ref : refs)
        list.push_back(ref.is_number() ? index.Of(ref.get<int>()) : models.Find(ref));
    return list;
}

void LoadStorages(THostUserDataStorages& storages, const json& j, const TLoadIndex& index,
                  const TModelRefs* models)
{
    for (const json& s : j) {
        THostUserDataStoragePtr storage = storages.Open(FromUtf8(s.at("name").get<std::string>()));
        for (const json& i : s.at("items")) {
            TUserDataItem item{FromUtf8(i.at("key").get<std::string>()),
                               FromUtf8(i.at("group").get<std::string>()),
                               FromUtf8(i.at("name").get<std::string>()),
                               i.contains("objects"),
                               {},
                               {}};
            if (item.IsObjects && models && i.contains("models"))
                item.Objects = ModelsOf(i["models"], index, *models);
            else if (item.IsObjects)
                item.Objects = index.List(i["objects"]);
            else
                item.Bytes = i.at("bytes").get<std::vector<std::uint8_t>>();
            storage->Items().push_back(std::move(item));
        }
    }
}

} // namespace

nlohmann::json TextJson(const TTextData& text)
{
    json lines = json::array();
    for (const TTextLineData& line : text.Lines) {
        json items = json::array();
        for (const TTextItemData& item : line.Items)
            items.push_back(json::array({ToUtf8(item.Str), item.Height}));
        lines.push_back(std::move(items));
    }
    return lines;
}

TTextData TextOf(const nlohmann::json& j)
{
    TTextData text;
    for (const json& line : j) {
        TTextLineData& made = text.Lines.emplace_back();
        for (const json& item : line)
            made.Items.push_back({FromUtf8(item.at(0).get<std::string>()), item.at(1).get<double>()});
    }
    return text;
}

json DocumentJson(TDocumentCore& document, std::wstring_view fileName)
{
    TSaveIndex index(document);
    TDrawing2D* drawing = document.Drawing2D();
    if (drawing) {
        for (const THostViewPtr& view : drawing->Views())
            index.Number(*view);
        for (const THostDrawingGroupPtr& group : drawing->Groups())
            if (!group->IsTemporary()) index.NumberGroup(*group);
    }
    json root = {{"format", DocumentFileFormat}, {"version", DocumentFileVersion}, {"type", document.Type()}};
    if (drawing) root["drawing"] = DrawingJson(*drawing, index);
    root["attributes"] = AttributesJson(document.Data().Attributes, index);
    auto* model = dynamic_cast<THostDocument3D*>(&document);
    const std::unique_ptr<TModelRefs> models =
        model ? std::make_unique<TModelRefs>(model->TopPart()) : nullptr;
    root["userData"] = UserDataJson(document.Data().UserData, index, models.get());
    if (json sheets = document.Data().Sheets.Json(); !sheets.is_null()) root["sheets"] = std::move(sheets);
    document.Data().Notes.Json(root);
    document.Data().Specification.Json(root);
    document.Data().Properties.Json(root);
    if (model) {
        root["mass"] = model->TopPart().Mass();
        const std::wstring target = AbsoluteFileName(fileName.empty() ? document.FileName() : fileName);
        root["model"] =
            ModelJson(model->TopPart(), target.empty() ? fs::path() : BytesPath(target).parent_path());
        if (!model->Mates().empty()) root["mates"] = MatesJson(*model);
    }
    return root;
}

void LoadDocumentJson(TDocumentCore& document, const json& root)
{
    TLoadIndex index(document);
    if (TDrawing2D* drawing = document.Drawing2D()) LoadDrawing(*drawing, root.at("drawing"), index);
    // The model first: the user data names its objects.
    auto* model = dynamic_cast<THostDocument3D*>(&document);
    if (model) {
        model->TopPart().SetMass(root.value("mass", 0.0));
        TReadingFile reading;
        std::string error;
        if (!document.FileName().empty() && !reading.Enter(document.FileName(), error))
            throw std::invalid_argument(error);
        if (root.contains("model"))
            LoadModel(model->TopPart(), root["model"],
                      PathName(BytesPath(document.FileName()).parent_path()));
        if (root.contains("mates")) LoadMates(*model, root["mates"]);
    }
    const std::unique_ptr<TModelRefs> models =
        model ? std::make_unique<TModelRefs>(model->TopPart()) : nullptr;
    LoadAttributes(document.Data().Attributes, root.at("attributes"), index);
    const json& data = root.at("userData");
    LoadStorages(document.Data().UserData.Document(), data.at("document"), index, models.get());
    for (const json& owned : data.at("owned"))
        if (tvapi::ITervanAPIObjectPtr owner = index.Of(owned.at("owner").get<int>()))
            LoadStorages(*document.Data().UserData.Of(owner), owned.at("storages"), index, models.get());
    document.Data().Sheets.Load(root.value("sheets", json()));
    document.Data().Notes.Load(root);
    document.Data().Specification.Load(root);
    document.Data().Properties.Load(root);
}

bool ReadDocumentFile(std::wstring_view fileName, json& root, std::string& error)
{
    std::string bytes;
    if (!ReadFileBytes(FileNameBytes(fileName), bytes, error)) {
        error = "cannot open: " + error;
        return false;
    }
    json read;
    if (!ParseJson(bytes, read, error)) return false;
    error = CheckDocumentJson(read);
    if (!error.empty()) return false;
    root = std::move(read);
    return true;
}

namespace {

// Where in `j` a number that is not finite stands ("model.variables[0].value"); empty when
// none does. The file would hold null there, which no reader takes.
std::string NonFinitePlace(const json& j, const std::string& at)
{
    if (j.is_number_float() && !std::isfinite(j.get<double>())) return at.empty() ? "the document" : at;
    if (j.is_array())
        for (std::size_t i = 0; i < j.size(); ++i)
            if (std::string place = NonFinitePlace(j[i], at + "[" + std::to_string(i) + "]"); !place.empty())
                return place;
    if (j.is_object())
        for (const auto& [key, value] : j.items())
            if (std::string place = NonFinitePlace(value, at.empty() ? key : at + "." + key); !place.empty())
                return place;
    return {};
}

} // namespace

bool WriteDocumentFile(TDocumentCore& document, std::wstring_view fileName, std::string& error)
{
    // A part the assembly is made of is never written over by the assembly.
    if (auto* model = dynamic_cast<THostDocument3D*>(&document))
        if (const std::wstring component = ComponentFileNamed(model->TopPart(), fileName);
            !component.empty()) {
            error = "will not write over " + ToUtf8(component) + ", a component of the assembly";
            return false;
        }
    std::string text;
    try {
        const json root = DocumentJson(document, fileName);
        // Whatever is written is read back: a value no file can hold refuses the save.
        if (const std::string place = NonFinitePlace(root, {}); !place.empty()) {
            error = "cannot write the document: " + place + " is not a finite number";
            return false;
        }
        text = root.dump(1) + '\n';
    } catch (const std::exception& e) {
        error = std::string("cannot write the document: ") + e.what();
        return false;
    }
    return WriteFileAtomically(FileNameBytes(fileName), text, error);
}

tvapi::ITervanDocumentPtr THostDocuments::OpenFile(const std::wstring& fileName, bool visible)
{
    FOpenError.clear();
    FOpenNotices.clear();
    json root;
    if (!ReadDocumentFile(fileName, root, FOpenError)) return {};
    TLeftOut leftOut(ToUtf8(fileName));
    const tvapi::ITervanDocumentPtr document =
        AddDocument(static_cast<tvapi::DocumentTypeEnum>(root["type"].get<int>()), fileName, visible);
    auto* core = dynamic_cast<TDocumentCore*>(document.Get());
    if (!core) {
        FOpenError = "no document of its type can be made";
        return {};
    }
    try {
        LoadDocumentJson(*core, root);
    } catch (const std::exception& e) {
        FOpenError = std::string("cannot load: ") + e.what();
        Close(core, tvapi::kdDoNotSaveChanges);
        return {};
    }
    // Told once the document is open: a save would write the file without these.
    FOpenNotices = leftOut.Tell();
    return document;
}

} // namespace tvhost
