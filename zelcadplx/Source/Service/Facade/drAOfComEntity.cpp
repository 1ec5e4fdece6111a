// Lists of picked model objects: filling them from features, operations and the selection,
// and their queries as a set of faces.
#include "drAOfComEntity.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "KmfData.h"
#include "Messager.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "maTervan.h"
#include "tvapi/Documents.h"

namespace drApi {

namespace {

constexpr Real EqualFaceEps = 0.001;
constexpr Real EdgeEps = 0.001;             // boundary edges met again agree within this
constexpr Real LinkBoxEps = 0.1;            // widened body boxes of linked faces meet within this
constexpr Real BodyBoxMargin = 1.0;         // each body box is widened by this on every side
constexpr Integer MaxOperationCount = 3000; // AddFacesOperation stops above this many entries
constexpr int ParentsLevel = 2;          // the host's parent request: the objects an operation is built from
constexpr Real ColourTransparency = 1.0; // faces coloured opaque

Boolean IsFace(const tvapi::IModelObjectPtr& E)
{
    return E && E->GetObjectType() == tvapi::o3d_face;
}

Boolean BodyBox(const tvapi::IBodyPtr& Body, TCube3D& Box)
{
    if (!Body) return false;
    Body->GetGabarit(Box.Min.x, Box.Min.y, Box.Min.z, Box.Max.x, Box.Max.y, Box.Max.z);
    return true;
}

// Whether E is one of the objects the recursion is in already: a host whose objects name
// each other as parents or sub-features would otherwise never end it.
template <class I> Boolean OnPath(const std::vector<I*>& Path, I* E)
{
    return std::any_of(Path.begin(), Path.end(), [&](I* p) { return tvapi::SameObject(p, E); });
}

// The byte form: every value is a 32-bit integer; an empty entry names no part.
constexpr std::int32_t NoPart = -1;
constexpr std::size_t ValueSize = sizeof(std::int32_t);
constexpr std::size_t EntrySize = 3 * ValueSize; // kind, part, number
constexpr int MaxPartDepth = 64;                 // sub-parts deeper than this are not numbered

// FNV-1a: any changed byte of the entries changes it, so damaged bytes are not read as
// other objects.
std::uint32_t CheckSum(const std::uint8_t* p, std::size_t n)
{
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < n; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

void Put(std::vector<std::uint8_t>& out, std::int32_t v)
{
    std::uint8_t bytes[ValueSize];
    std::memcpy(bytes, &v, ValueSize);
    out.insert(out.end(), bytes, bytes + ValueSize);
}

std::int32_t Take(const std::uint8_t* p)
{
    std::int32_t v = 0;
    std::memcpy(&v, p, ValueSize);
    return v;
}

// The objects of a part and its sub-parts by kind and number, each list asked of the host
// once. Parts are numbered from 0 for the part itself, then its sub-parts depth first.
class TEntityNumbers {
public:
    explicit TEntityNumbers(const tvapi::IPartPtr& Part) { Collect(Part, 0); }

    std::int32_t Parts() const { return static_cast<std::int32_t>(FParts.size()); }
    // Part p's objects of the kind.
    const std::vector<tvapi::IModelObjectPtr>& Of(std::int32_t p, std::int32_t kind)
    {
        const auto key = std::make_pair(p, kind);
        auto it = FLists.find(key);
        if (it == FLists.end())
            it = FLists
                     .emplace(key, GetObjects(tvapi::IModelObjectPtr(FParts[static_cast<std::size_t>(p)]),
                                              static_cast<tvapi::tvObj3dTypeEnum>(kind)))
                     .first;
        return it->second;
    }
    // Where E is: false when in none of the parts.
    bool Find(const tvapi::IModelObjectPtr& E, std::int32_t kind, std::int32_t& part, std::int32_t& index)
    {
        for (part = 0; part < Parts(); ++part) {
            const std::vector<tvapi::IModelObjectPtr>& all = Of(part, kind);
            for (std::size_t i = 0; i < all.size(); ++i)
                if (all[i] == E) {
                    index = static_cast<std::int32_t>(i);
                    return true;
                }
        }
        return false;
    }
    // The object by its numbers; empty when they name none.
    tvapi::IModelObjectPtr At(std::int32_t part, std::int32_t kind, std::int32_t index)
    {
        if (part < 0 || part >= Parts() || index < 0) return {};
        const std::vector<tvapi::IModelObjectPtr>& all = Of(part, kind);
        return static_cast<std::size_t>(index) < all.size() ? all[static_cast<std::size_t>(index)]
                                                            : tvapi::IModelObjectPtr();
    }

private:
    void Collect(const tvapi::IPartPtr& Part, int depth)
    {
        if (!Part || depth > MaxPartDepth) return;
        FParts.push_back(Part);
        const tvapi::IPartsPtr subs = Part->GetParts();
        const int n = subs ? subs->GetCount() : 0;
        for (int i = 0; i < n; ++i)
            Collect(subs->GetItem(i), depth + 1);
    }

    std::vector<tvapi::IPartPtr> FParts;
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<tvapi::IModelObjectPtr>> FLists;
};

} // namespace

void TAOfComEntity::Reserve(std::size_t n)
{
    const Integer need = Count + static_cast<Integer>(n);
    if (FSize < need) SetSize(need, false);
}

void TAOfComEntity::Add(tvapi::IFeaturePtr& F, tvapi::tvObj3dTypeEnum Kind, Boolean IncludeSub)
{
    std::vector<tvapi::IFeature*> path;
    Add(F, Kind, IncludeSub, path);
}

void TAOfComEntity::Add(tvapi::IFeaturePtr& F, tvapi::tvObj3dTypeEnum Kind, Boolean IncludeSub,
                        std::vector<tvapi::IFeature*>& Path)
{
    if (!F || OnPath(Path, F.Get())) return;
    const std::vector<tvapi::IModelObjectPtr> objects = F->GetModelObjects({Kind});
    if (!objects.empty()) {
        Reserve(objects.size());
        for (const tvapi::IModelObjectPtr& o : objects)
            FArray[Count++] = o;
    }
    if (!IncludeSub) return;
    Path.push_back(F.Get());
    for (tvapi::IFeaturePtr& sub : F->GetSubFeatures(0, true, true))
        Add(sub, Kind, true, Path);
    Path.pop_back();
}

void TAOfComEntity::AddOperation(tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum Kind)
{
    if (!Entity) return;
    tvapi::IFeaturePtr feature = Entity->GetFeature();
    if (feature) Add(feature, Kind, true);
}

void TAOfComEntity::InitOperation(tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum Kind)
{
    Count = 0;
    AddOperation(Entity, Kind);
}

void TAOfComEntity::AddFacesOperation(tvapi::IModelObjectPtr E)
{
    std::vector<tvapi::IModelObject*> path;
    AddFacesOperation(E, path);
}

void TAOfComEntity::AddFacesOperation(tvapi::IModelObjectPtr& E, std::vector<tvapi::IModelObject*>& Path)
{
    if (Count > MaxOperationCount || !E || OnPath(Path, E.Get())) return;
    const Integer before = Count;
    tvapi::IFeaturePtr feature = E->GetFeature();
    if (feature) Add(feature, tvapi::o3d_face, true);
    if (Count != before) return;
    Path.push_back(E.Get());
    for (tvapi::IModelObjectPtr& parent : E->GetParents(ParentsLevel))
        AddFacesOperation(parent, Path);
    Path.pop_back();
}

void TAOfComEntity::GetFacesOperation(tvapi::IModelObjectPtr E)
{
    Count = 0;
    AddFacesOperation(std::move(E));
}

void TAOfComEntity::InitSelected(tvapi::tvObj3dTypeEnum tTarget)
{
    TSelectorAPI& selector = *Selector;
    if (!selector.Selection7 || !selector.Choose7) return;
    const tvapi::TervanAPIObjectList selected = selector.Selection7->GetSelectedObjects();
    Reserve(selected.size());
    Count = 0;
    const bool faces = tTarget == tvapi::o3d_face;
    for (const tvapi::ITervanAPIObjectPtr& object : selected) {
        const tvapi::IModelObjectPtr E(object);
        if (!E) continue;
        const tvapi::tvObj3dTypeEnum K = E->GetObjectType();
        if (faces && K == tvapi::o3d_face) {
            Add(E);
        } else if (faces && K == tvapi::o3d_body) {
            tvapi::IFeaturePtr feature{tvapi::IBodyPtr(E)};
            Add(feature, tvapi::o3d_face, false);
        } else if (K == tvapi::o3d_entity) {
            const tvapi::tvObj3dTypeEnum K2 = E->GetObjectType();
            if (K2 == tTarget) {
                Add(E);
            } else if (faces) {
                tvapi::IFeaturePtr feature = E->GetFeature();
                if (feature || K2 == tvapi::o3d_SurfacePatch) {
                    Add(feature, tvapi::o3d_face, false);
                } else if ((feature = E->GetFeature())) {
                    Add(feature, tvapi::o3d_face, true);
                }
            }
        }
    }
    selector.Selection7->UnSelectAll();
}

void TAOfComEntity::InitSelected()
{
    TSelectorAPI& selector = *Selector;
    const int n = selector.GetCount();
    Reserve(static_cast<std::size_t>(std::max(n, 0)));
    Count = 0;
    for (int i = 0; i < n; ++i) {
        const int kind = selector.GetObjectType(i);
        if (kind == tvapi::o3d_body) {
            tvapi::IFeaturePtr feature{tvapi::IBodyPtr(selector.Get7(i))};
            Add(feature, tvapi::o3d_face, false);
            continue;
        }
        if (kind != tvapi::o3d_entity) continue;
        const tvapi::IModelObjectPtr E = selector.Get7(i);
        if (!E) continue;
        switch (E->GetObjectType()) {
        case tvapi::o3d_face:
        case tvapi::o3d_edge:
        case tvapi::o3d_LineSegment3D:
            Add(E);
            break;
        case tvapi::o3d_SurfacePatch: {
            tvapi::IFeaturePtr feature = E->GetFeature();
            Add(feature, tvapi::o3d_facet, false);
            break;
        }
        default: {
            tvapi::IFeaturePtr feature = E->GetFeature();
            if (feature) {
                Add(feature, tvapi::o3d_face, false);
            } else if ((feature = E->GetFeature())) {
                Add(feature, tvapi::o3d_face, true);
            }
            break;
        }
        }
    }
}

tvapi::IFacePtr TAOfComEntity::FaceAt(Integer i) const
{
    return IsFace(FArray[i]) ? tvapi::IFacePtr(FArray[i]) : tvapi::IFacePtr();
}

Boolean TAOfComEntity::IsPlanar() const
{
    if (Count == 0 || !IsFace(FArray[0])) return false;
    for (Integer i = 0; i < Count; ++i) {
        const tvapi::IFacePtr face = FaceAt(i);
        if (!face) return true;
        const tvapi::IMathSurface3DPtr surface = face->GetSurface();
        if (!surface || !surface->IsPlanar()) return false;
    }
    return true;
}

void TAOfComEntity::GetGabaryt(TCube3D& Gabaryt) const
{
    Gabaryt = TCube3D();
    for (Integer i = 0; i < Count; ++i) {
        const tvapi::IFacePtr face = FaceAt(i);
        TCube3D box;
        if (!face || !BodyBox(face->GetBody(), box)) continue;
        if (i == 0)
            Gabaryt = box;
        else
            Gabaryt.Add(box);
    }
}

void TAOfComEntity::GetLinked(Integer IndexFace, TArrayOf<bool>& Linked) const
{
    if (Linked.Size() < Count) Linked.SetSize(Count, false);
    Linked.Count = Count;
    TArrayOf<tvapi::IFacePtr> faces(Count, Count);
    TArrayOf<TCube3D> boxes(Count, Count);
    TArrayOf<bool> excluded(Count, Count);
    faces.Count = boxes.Count = excluded.Count = Count;
    for (Integer i = 0; i < Count; ++i) {
        Linked[i] = false;
        faces[i] = FaceAt(i);
        excluded[i] = !faces[i];
        if (faces[i] && BodyBox(faces[i]->GetBody(), boxes[i])) boxes[i].Enlarge(BodyBoxMargin);
    }
    if (IndexFace < 0 || IndexFace >= Count) return;
    SelectLinked(IndexFace, faces, boxes, Linked, excluded);
}

void TAOfComEntity::SelectLinked(Integer FI, TArrayOf<tvapi::IFacePtr>& Faces, TArrayOf<TCube3D>& AG,
                                 TArrayOf<bool>& Linked, TArrayOf<bool>& Excluded) const
{
    Linked[FI] = true;
    for (Integer I = 0; I < Count; ++I) {
        if (Excluded[I] || I == FI || Linked[I]) continue;
        if (!AG[FI].IsCommon(AG[I], LinkBoxEps) || !GetLinkEdge(Faces[FI], Faces[I], 0)) continue;
        Linked[I] = true;
        SelectLinked(I, Faces, AG, Linked, Excluded);
    }
}

Boolean TAOfComEntity::IsLinked(tvapi::IFacePtr& F) const
{
    for (Integer i = 0; i < Count; ++i) {
        if (!FArray[i]) continue;
        tvapi::IFacePtr entry(FArray[i]);
        if (GetLinkEdge(entry, F, 0)) return true;
    }
    return false;
}

tvapi::IFacePtr TAOfComEntity::GetFaces(Integer I) const
{
    return I >= 0 && I < Count ? FaceAt(I) : tvapi::IFacePtr();
}

tvapi::IBodyPtr TAOfComEntity::GetBody7(Integer I) const
{
    if (I < 0 || I >= Count || !FArray[I]) return {};
    const tvapi::IFacePtr face(FArray[I]);
    return face ? face->GetBody() : tvapi::IBodyPtr();
}

Integer TAOfComEntity::PositionOf(tvapi::IFacePtr& F) const
{
    for (Integer i = 0; i < Count; ++i)
        if (const tvapi::IFacePtr face = FaceAt(i); face && face == F) return i + 1;
    return 0;
}

Integer TAOfComEntity::IndexOfByEqu(tvapi::IModelObjectPtr& E) const
{
    if (!E) return -1;
    const tvapi::tvObj3dTypeEnum kind = E->GetObjectType();
    tvapi::IFacePtr face(E);
    for (Integer i = 0; i < Count; ++i) {
        const tvapi::IModelObjectPtr& entry = FArray[i];
        if (!entry || entry->GetObjectType() != kind) continue;
        if (entry == E) return i;
        if (kind != tvapi::o3d_face) continue;
        tvapi::IFacePtr other(entry);
        if (other == face || EquFace(other, face, EqualFaceEps)) return i;
    }
    return -1;
}

Boolean TAOfComEntity::ExistByEqu(tvapi::IModelObjectPtr& E) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i] == E) return true;
    return false;
}

void TAOfComEntity::GetBoundaryEdge(TArrayOf<tvapi::IEdgePtr>& AEdge) const
{
    for (Integer i = 0; i < Count; ++i) {
        if (!IsFace(FArray[i])) continue;
        std::vector<tvapi::IEdgePtr> edges;
        Copy(GetObjects(FArray[i], tvapi::o3d_edge), edges);
        for (tvapi::IEdgePtr& edge : edges) {
            Integer k = 0;
            while (k < AEdge.Count && !EquEdge(AEdge[k], edge, EdgeEps))
                ++k;
            if (k < AEdge.Count)
                AEdge.Delete(k);
            else
                AEdge.Add(edge);
        }
    }
}

void TAOfComEntity::DebugView(TString& S) const
{
    if (Selector->Selection7) Selector->Selection7->UnSelectAll();
    for (Integer i = 0; i < Count; ++i)
        Selector->Select(tvapi::ITervanAPIObjectPtr(FArray[i]));
    Messager.QuestionBox(S, true);
}

void TAOfComEntity::to(std::vector<tvapi::IModelObjectPtr>& V) const
{
    for (Integer i = 0; i < Count; ++i)
        if (FArray[i]) V.push_back(FArray[i]);
}

void TAOfComEntity::from(const std::vector<tvapi::IModelObjectPtr>& V)
{
    Count = 0;
    Reserve(V.size());
    for (const tvapi::IModelObjectPtr& E : V)
        FArray[Count++] = E;
}

Boolean TAOfComEntity::to(std::vector<std::uint8_t>& V, tvapi::IPartPtr& Part) const
{
    TEntityNumbers numbers(Part);
    Boolean all = true;
    std::vector<std::uint8_t> entries;
    Put(entries, Count);
    for (Integer i = 0; i < Count; ++i) {
        const tvapi::IModelObjectPtr& E = FArray[i];
        std::int32_t kind = E ? E->GetObjectType() : 0, part = NoPart, index = NoPart;
        if (E && !numbers.Find(E, kind, part, index)) {
            all = false;
            kind = 0;
            part = index = NoPart;
        }
        Put(entries, kind);
        Put(entries, part);
        Put(entries, index);
    }
    TKmfData stream;
    stream.Write(entries.data(), static_cast<unsigned int>(entries.size()));
    stream.Write(CheckSum(entries.data(), entries.size()));
    stream.to(V);
    return all;
}

Boolean TAOfComEntity::from(const std::vector<std::uint8_t>& V, tvapi::IPartPtr& Part)
{
    if (V.size() < TKmfData::SizeHeader + 2 * ValueSize) return false;
    TKmfData stream;
    stream.from(V);
    if (stream.Version() != TKmfData::CurrentVersion) return false;
    std::vector<std::uint8_t> data(V.size() - TKmfData::SizeHeader);
    if (stream.Read(data.data(), static_cast<unsigned int>(data.size())) != data.size()) return false;
    const std::size_t size = data.size() - ValueSize; // the check sum follows the entries
    const std::int32_t n = Take(data.data());
    if (n < 0 || (size - ValueSize) % EntrySize != 0 ||
        static_cast<std::size_t>(n) != (size - ValueSize) / EntrySize)
        return false;
    if (CheckSum(data.data(), size) != static_cast<std::uint32_t>(Take(data.data() + size))) return false;
    TEntityNumbers numbers(Part);
    std::vector<tvapi::IModelObjectPtr> entries;
    entries.reserve(static_cast<std::size_t>(n));
    for (const std::uint8_t* p = data.data() + ValueSize; p < data.data() + size; p += EntrySize) {
        const std::int32_t kind = Take(p), part = Take(p + ValueSize), index = Take(p + 2 * ValueSize);
        if (part == NoPart && kind == 0 && index == NoPart) {
            entries.emplace_back();
            continue;
        }
        tvapi::IModelObjectPtr E = numbers.At(part, kind, index);
        if (!E) return false;
        entries.push_back(std::move(E));
    }
    from(entries);
    return true;
}

void TAOfComEntity::SetUserData(TString Name, std::vector<std::uint8_t> VD) const
{
    if (!MA.R3.Exist()) return;
    for (Integer i = 0; i < Count; ++i) {
        if (!IsFace(FArray[i])) continue;
        MA.drSetUserData(MA.R3->IDoc, Name, VD, false, tvapi::ITervanAPIObjectPtr(FArray[i]));
    }
}

void TAOfComEntity::SetColor(Integer Color) const
{
    for (Integer i = 0; i < Count; ++i)
        if (IsFace(FArray[i])) MA.SetColor(FArray[i], Color, ColourTransparency);
}

} // namespace drApi
