// A part of the stand-in host.
#include "HostPart.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "HostApplication.h"
#include "HostArgs.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostMateFile.h"
#include "HostText.h"

namespace tvhost {

namespace {

bool IdTaken(const TComponents& components, int id)
{
    return std::any_of(components.begin(), components.end(),
                       [id](const THostPartPtr& c) { return c->ComponentId() == id; });
}

// The id of a new component: one past the highest, or, when that is the highest an id may be
// (a file may hold it), the lowest free one. Ids run from 1 and never overflow.
int FreeComponentId(const TComponents& components)
{
    std::vector<int> ids;
    for (const THostPartPtr& c : components)
        ids.push_back(c->ComponentId());
    std::sort(ids.begin(), ids.end());
    if (ids.empty()) return 1;
    if (ids.back() < std::numeric_limits<int>::max()) return std::max(ids.back(), 0) + 1;
    int free = 1;
    for (const int id : ids)
        if (id == free) ++free;
    return free;
}

// The components of an assembly; adding reads a part file.
class THostParts final : public THostObjectOf<tvapi::IParts> {
public:
    explicit THostParts(THostPart& owner) : FOwner(tvapi::IPartPtr(&owner)) {}

    int GetCount() override
    {
        if (!Enter("IParts::GetCount")) return 0;
        return static_cast<int>(Owner().Components().size());
    }
    tvapi::IPartPtr GetItem(int index) override
    {
        if (!Enter("IParts::GetItem", {std::to_string(index)})) return {};
        const TComponents& all = Owner().Components();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::IPartPtr(all[static_cast<std::size_t>(index)]);
    }
    tvapi::IPartPtr AddFromFile(const wchar_t* fileName, bool externalFile, bool tieToFile) override
    {
        const std::wstring name = fileName ? fileName : L"";
        if (!Enter("IParts::AddFromFile", {ToUtf8(name), BoolArg(externalFile), BoolArg(tieToFile)}))
            return {};
        std::string error;
        THostPartPtr part = IncludedPart(name, error);
        if (!part) return {};
        part->SetSource(name, externalFile);
        part->SetReadFrom(AbsoluteFileName(name));
        Owner().AddComponent(part);
        return tvapi::IPartPtr(part);
    }

private:
    THostPart& Owner() { return *HostAs<THostPart>(FOwner); }

    // The part of `name`, read; empty, with `error` saying why, when it cannot be read or
    // holds the assembly it would be added to, whose file it then names: the assembly would
    // include itself.
    THostPartPtr IncludedPart(const std::wstring& name, std::string& error)
    {
        const THostPart* top = &Owner();
        while (top->Parent())
            top = top->Parent();
        std::vector<std::wstring> files; // the assembly's own file and those of the parts above
        for (const THostPart* p = &Owner(); p; p = p->Parent())
            if (!p->ReadFrom().empty()) files.push_back(p->ReadFrom());
        if (THostApplication* app = THostApplication::Current())
            for (std::size_t i = 0; i < app->Documents().Count(); ++i)
                if (auto* doc = HostAs<THostDocument3D>(app->Documents().Item(i));
                    doc && &doc->TopPart() == top)
                    if (!doc->FileName().empty()) files.push_back(doc->FileName());
        THostPartPtr part = ReadPartFile(name, error);
        if (!part) return {};
        for (const std::wstring& file : files)
            if (SameFile(file, name) || !ComponentFileNamed(*part, file).empty()) {
                error = ToUtf8(name) + " holds " + ToUtf8(file) + ", the assembly it would be added to";
                return {};
            }
        return part;
    }

    tvapi::IPartPtr FOwner;
};

// The sketches of a part, in creation order.
class THostSketches final : public THostObjectOf<tvapi::ISketches> {
public:
    explicit THostSketches(THostPart& owner) : FOwner(tvapi::IPartPtr(&owner)) {}

    int GetCount() override
    {
        if (!Enter("ISketches::GetCount")) return 0;
        return static_cast<int>(Owner().Sketches().size());
    }
    tvapi::ISketchPtr GetItem(int index) override
    {
        if (!Enter("ISketches::GetItem", {std::to_string(index)})) return {};
        const auto& all = Owner().Sketches();
        if (index < 0 || static_cast<std::size_t>(index) >= all.size()) return {};
        return tvapi::ISketchPtr(all[static_cast<std::size_t>(index)]);
    }
    tvapi::ISketchPtr Add() override
    {
        if (!Enter("ISketches::Add")) return {};
        return tvapi::ISketchPtr(&Owner().AddSketch(L""));
    }

private:
    THostPart& Owner() { return *HostAs<THostPart>(FOwner); }

    tvapi::IPartPtr FOwner;
};

} // namespace

THostPart::THostPart()
    : THostFeatureOf(tvapi::o3d_entity), FPlacement(New<THostPlacement>()),
      FFeatures(std::make_shared<TFeatureList>([this](const TBodies& built) { TakeBuilt(built); },
                                               [this](const tvapi::IModelObject* body) {
                                                   for (std::size_t i = 0; i < FBodies.size(); ++i)
                                                       if (static_cast<const tvapi::IModelObject*>(
                                                               FBodies[i].Get()) == body)
                                                           return static_cast<int>(i);
                                                   return -1;
                                               }))
{
    FFeatures->SetFaceObjects([this](const std::vector<TShape>& faces) {
        std::vector<tvapi::IModelObjectPtr> objects;
        if (faces.empty()) return objects;
        for (const THostBodyPtr& body : FBodies)
            for (const tvapi::IModelObjectPtr& face : body->Entities(tvapi::o3d_face)) {
                const TShape shape = ShapeOfEntity(static_cast<const tvapi::IAPIObject*>(face.Get()));
                if (std::any_of(faces.begin(), faces.end(),
                                [&](const TShape& f) { return SameEntity(f, shape); }))
                    objects.push_back(face);
            }
        return objects;
    });
}

THostPart::~THostPart()
{
    for (const THostPartPtr& component : *FComponents)
        component->FParent = nullptr;
}

std::wstring THostPart::GetName()
{
    if (!Enter("IPart::GetName")) return {};
    return FName;
}

void THostPart::SetName(const wchar_t* name)
{
    if (!Enter("IPart::SetName", {ToUtf8(name)})) return;
    FName = name ? name : L"";
}

std::wstring THostPart::GetMarking()
{
    if (!Enter("IPart::GetMarking")) return {};
    return FMarking;
}

void THostPart::SetMarking(const wchar_t* marking)
{
    if (!Enter("IPart::SetMarking", {ToUtf8(marking)})) return;
    FMarking = marking ? marking : L"";
}

double THostPart::GetMass()
{
    if (!Enter("IPart::GetMass")) return 0.0;
    return Mass();
}

double THostPart::Mass() const
{
    if (FShapes.empty() && FComponents->empty()) return FMass;
    double mass = 0.0;
    for (const TShape& shape : FShapes)
        mass += Volume(shape) * FDensity;
    for (const THostPartPtr& component : *FComponents)
        mass += component->Mass();
    return mass;
}

tvapi::IPlacement3DPtr THostPart::GetPlacement()
{
    if (!Enter("IPart::GetPlacement")) return {};
    return tvapi::IPlacement3DPtr(FPlacement);
}

bool THostPart::UpdatePlacement(bool rebuild)
{
    if (!Enter("IPart::UpdatePlacement", {BoolArg(rebuild)})) return false;
    FFrame = FPlacement->Frame();
    PlaceBodies();
    return true;
}

void THostPart::MoveTo(const TFrame& frame)
{
    FPlacement->Set(frame);
    FFrame = frame;
    PlaceBodies();
}

TFrame THostPart::AssemblyFrame() const
{
    return FParent ? FParent->AssemblyFrame().Compose(FFrame) : FFrame;
}

bool THostPart::PointInto(const THostPart& assembly, TXyz& p) const
{
    TXyz q = p;
    for (const THostPart* part = this; part != &assembly; part = part->FParent) {
        if (!part) return false;
        q = part->FFrame.Point(q);
    }
    p = q;
    return true;
}

void THostPart::PlaceBodies()
{
    FPlacedAt = AssemblyFrame();
    for (std::size_t i = 0; i < FBodies.size(); ++i) {
        const bool hidden = FBodies[i]->Hidden();
        THostBodyPtr moved = MakeBody(Moved(FShapes[i], FPlacedAt));
        moved->Color() = FBodies[i]->Color();
        moved->SetHiddenDirect(hidden);
        CopyEntityNames(*FBodies[i], *moved);
        FBodies[i] = std::move(moved);
    }
    for (const THostPartPtr& component : *FComponents)
        component->FollowAssembly();
}

void THostPart::FollowAssembly()
{
    const TFrame now = AssemblyFrame();
    if (now.Origin == FPlacedAt.Origin && now.X == FPlacedAt.X && now.Y == FPlacedAt.Y &&
        now.Z == FPlacedAt.Z)
        return;
    PlaceBodies();
}

tvapi::IPartsPtr THostPart::GetParts()
{
    if (!Enter("IPart::GetParts")) return {};
    return tvapi::IPartsPtr(New<THostParts>(*this));
}

void THostPart::TakeBuilt(const TBodies& built)
{
    std::vector<TColor> colors;
    std::vector<bool> hidden;
    for (const THostBodyPtr& body : FBodies) {
        colors.push_back(body->Color());
        hidden.push_back(body->Hidden());
    }
    FShapes = built.Solids;
    FBodies.clear();
    for (std::size_t i = 0; i < FShapes.size(); ++i) {
        FBodies.push_back(MakeBody(Moved(FShapes[i], FPlacedAt)));
        if (i < colors.size()) FBodies.back()->Color() = colors[i];
        if (i < hidden.size()) FBodies.back()->SetHiddenDirect(hidden[i]);
    }
}

THostBodyPtr THostPart::AddBody(TShape shape)
{
    FFeatures->AddBase(shape);
    FShapes.push_back(shape);
    FBodies.push_back(MakeBody(Moved(shape, FPlacedAt)));
    return FBodies.back();
}

void THostPart::AddComponent(THostPartPtr component)
{
    const std::weak_ptr<TComponents> from = FComponents;
    THostPart* raw = component.Get();
    component->OnDelete([from, raw] {
        if (const std::shared_ptr<TComponents> all = from.lock()) {
            raw->FParent = nullptr; // before the erase, which may drop its last reference
            std::erase_if(*all, [raw](const THostPartPtr& p) { return p.Get() == raw; });
        }
    });
    if (component->FComponentId <= 0 || IdTaken(*FComponents, component->FComponentId))
        component->FComponentId = FreeComponentId(*FComponents);
    component->FParent = this;
    component->FollowAssembly();
    FComponents->push_back(std::move(component));
}

std::vector<TShape> THostPart::PlacedShapes() const
{
    std::vector<TShape> shapes;
    for (const THostPartPtr& component : *FComponents)
        for (const TShape& shape : component->PlacedShapes())
            shapes.push_back(Moved(shape, FFrame));
    for (const TShape& shape : FShapes)
        shapes.push_back(Moved(shape, FFrame));
    return shapes;
}

std::vector<tvapi::IModelObjectPtr> THostPart::ObjectsOf(tvapi::tvObj3dTypeEnum kind)
{
    std::vector<tvapi::IModelObjectPtr> objects;
    if (kind == tvapi::o3d_body)
        for (const THostBodyPtr& body : FBodies)
            objects.emplace_back(tvapi::IModelObjectPtr(body));
    if (kind == tvapi::o3d_sketch)
        for (const THostSketchPtr& sketch : FSketches)
            objects.emplace_back(tvapi::IModelObjectPtr(sketch));
    if (kind == tvapi::o3d_thread) return FFeatures->Features({tvapi::o3d_thread});
    if (kind == tvapi::o3d_unknown) return ModelTree();
    if (kind == tvapi::o3d_face || kind == tvapi::o3d_edge || kind == tvapi::o3d_vertex)
        return EntitiesOf(*this, kind);
    return objects;
}

std::vector<tvapi::IFeaturePtr> THostPart::SubFeatures()
{
    std::vector<tvapi::IFeaturePtr> features;
    for (const THostPartPtr& component : *FComponents)
        features.emplace_back(tvapi::IModelObjectPtr(component));
    return features;
}

tvapi::ISketchesPtr THostPart::GetSketches()
{
    if (!Enter("IModelContainer::GetSketches")) return {};
    return tvapi::ISketchesPtr(New<THostSketches>(*this));
}

THostSketch& THostPart::AddSketch(const std::wstring& name)
{
    return *FSketches.emplace_back(New<THostSketch>(name));
}

std::vector<tvapi::IModelObjectPtr> THostPart::ModelTree() const
{
    std::vector<tvapi::IModelObjectPtr> tree;
    for (const THostBodyPtr& body : FBodies)
        tree.emplace_back(tvapi::IModelObjectPtr(body));
    for (const THostSketchPtr& sketch : FSketches)
        tree.emplace_back(tvapi::IModelObjectPtr(sketch));
    tree.insert(tree.end(), FAux.Planes().begin(), FAux.Planes().end());
    tree.insert(tree.end(), FAux.Axes().begin(), FAux.Axes().end());
    return tree;
}

} // namespace tvhost
