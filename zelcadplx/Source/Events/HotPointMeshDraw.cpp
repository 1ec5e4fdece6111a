// TMeshDraw: the objects a panel shows through the host's tessellation manager, and the
// copy of one entry.

#include "HotPoint.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr UInteger MarkerColor = 0x0000FF; // red
constexpr Real MarkerScale = 2.0;
constexpr int EdgeAttribute = 2; // every line of an edge mesh
constexpr int LightingMode = 1;
constexpr int LightingOption = 0;
constexpr int TextMode = 1;
constexpr int TextHorizontal = 1;
constexpr int TextVertical = 2;
constexpr int TextFrame = 0;

TAdvColor Colour(UInteger color, Real factor)
{
    return {color, factor, factor, factor, factor, factor, factor};
}

// Host objects as the entry holds them.
tvapi::IExternalTessellationObjectPtr MeshOf(const TMeshDrawObjectParam& E)
{
    return tvapi::IExternalTessellationObjectPtr(E.AO);
}

tvapi::IExternalTextObjectPtr TextOf(const TMeshDrawObjectParam& E)
{
    return tvapi::IExternalTextObjectPtr(E.AO);
}

void SetMaterial(tvapi::IExternalTessellationObject& O, const TAdvColor& C)
{
    O.SetMaterial(static_cast<int>(C.Color), C.Ambient, C.Diffuse, C.Specularity, C.Shininess, C.Transparency,
                  C.Emission);
}

} // namespace

TMeshDrawObjectParam& TMeshDrawObjectParam::operator=(const TMeshDrawObjectParam& MO)
{
    static_cast<TMeshID&>(*this) = MO;
    Id = MO.Id;
    if (!(AO == MO.AO)) AO = MO.AO;
    return *this;
}

TMeshDraw::TMeshDraw(tvapi::IExternalTessellationManagerPtr& iTM, int Count)
    : CF{0x3F0000, 0.5, 0.6, 0.8, 0.8, 0.2, 0.5}, CE2(Colour(0, 1.0)), TM(iTM)
{
    if (TM && Count >= 1) ReserveCount(Count);
    TMeshData cube;
    cube.InitCube();
    cube.Scale(MarkerScale, MarkerScale, MarkerScale);
    V = cube;
    V.CF = Colour(MarkerColor, 1.0);
    V.NonScaleble = true;
    V.NonPickable = false;
    V.DisableDepthTest = true;
    V.CE = V.CF;
}

void TMeshDraw::ReserveCount(int NewCount)
{
    if (!TM || AObjectID.Count >= NewCount) return;
    AObjectID.ReserveSize(NewCount);
    for (int i = AObjectID.Count; i < NewCount; ++i) {
        AObjectID.FArray[i].AO.Reset();
        AObjectID.FArray[i].Id = 0;
    }
    AObjectID.Resize(NewCount);
}

tvapi::ITervanAPIObjectPtr& TMeshDraw::Add(TMeshID::TType T)
{
    if (!TM) return AObjectID.FArray[std::max(AObjectID.Count - 1, 0)].AO;
    const tvapi::ITervanAPIObjectPtr made = T == TMeshID::otText
                                                ? tvapi::ITervanAPIObjectPtr(TM->CreateTextObject())
                                                : tvapi::ITervanAPIObjectPtr(TM->CreateTessellationObject());
    TMeshDrawObjectParam& entry = AObjectID.Add();
    entry.AO = made;
    entry.Id = 0;
    if (const auto mesh = MeshOf(entry))
        entry.Id = mesh->GetId();
    else if (const auto text = TextOf(entry))
        entry.Id = text->GetId();
    entry.Type = T;
    return entry.AO;
}

tvapi::ITervanAPIObjectPtr& TMeshDraw::Add(int I, TMeshID::TType T)
{
    if (I < 0) return FNone = nullptr;
    if (!TM) return AObjectID.Item(I).AO;
    TMeshDrawObjectParam& entry = AObjectID.Item(I);
    if (T == TMeshID::otText) {
        const tvapi::IExternalTextObjectPtr text = TM->CreateTextObject();
        entry.AO = text;
        entry.Id = text ? text->GetId() : 0;
    } else {
        const tvapi::IExternalTessellationObjectPtr mesh = TM->CreateTessellationObject();
        entry.AO = mesh;
        entry.Id = mesh ? mesh->GetId() : 0;
    }
    entry.Type = T;
    return entry.AO;
}

tvapi::IExternalTessellationObjectPtr TMeshDraw::Add(const TMeshApi& Mesh, TMeshID::TType T)
{
    if (!TM) return {};
    tvapi::IExternalTessellationObjectPtr made(Add(T));
    if (made) Set(AObjectID.Count - 1, Mesh, T);
    return made;
}

tvapi::IExternalTextObjectPtr TMeshDraw::Add(const TPoint3D& P, const TString& Text, TMeshID::TType T)
{
    if (!TM) return {};
    tvapi::IExternalTextObjectPtr made(Add(T));
    if (made) SetGDI(AObjectID.Count - 1, P, Text);
    return made;
}

void TMeshDraw::Set(int I, const TMeshApi& Mesh, TMeshID::TType T)
{
    if (I < 0) return;
    tvapi::IExternalTessellationObjectPtr O = MeshOf(AObjectID.Item(I));
    if (!O) O = tvapi::IExternalTessellationObjectPtr(Add(I, T));
    if (!O) return;
    TMeshDrawObjectParam& entry = AObjectID.FArray[I];
    const bool faces = (T == TMeshID::otFace || T == TMeshID::othotPoint) && !Mesh.IP.empty();
    const bool edges = T == TMeshID::otEdge && !Mesh.IE.empty();
    if (!faces && !edges) return;
    static_cast<TMeshID&>(entry) = Mesh;
    if (faces) {
        entry.AC = Mesh.CF;
        O->SetNonPickable(false);
        O->SetTriangles(Mesh.P, Mesh.IP, Mesh.N, Mesh.C);
        O->SetLighting(LightingMode, LightingOption);
        SetMaterial(*O, Mesh.CF);
    } else {
        entry.AC = Mesh.CE;
        // One element per coordinate, as the host reads them.
        O->SetLines(Mesh.P, Mesh.IE, std::vector<unsigned>(Mesh.P.size(), Mesh.CE.Color));
        O->SetLineAttributes(std::vector<int>(Mesh.P.size(), EdgeAttribute));
    }
    entry.Id = O->GetId();
    entry.Type = T;
    if (!Mesh.Mtr.empty()) O->SetMatrix(Mesh.Mtr);
    O->SetNonScalableFaces(Mesh.NonScaleble);
    O->SetNonScalableLines(Mesh.NonScaleble);
    O->SetNonScalableWidth(Mesh.NonScaleble);
    O->SetDisableDepthTest(Mesh.DisableDepthTest);
    O->SetNonPickable(Mesh.NonPickable);
    O->SetVisible(true);
}

void TMeshDraw::SetGDI(int I, const TPoint3D& P, const TString& Text)
{
    if (I < 0 || I >= AObjectID.Size()) return;
    TMeshDrawObjectParam& entry = AObjectID.FArray[I];
    const tvapi::IExternalTextObjectPtr O = TextOf(entry);
    if (!O) return;
    TString text(Text);
    O->SetText({std::wstring(text.toWideChar())}, {P.x, P.y, P.z}, {}, TextMode);
    O->SetHorizontalAlignment(TextHorizontal);
    O->SetVerticalAlignment(TextVertical);
    O->SetFrameStyle(TextFrame);
    O->SetVisible(true);
    entry.Id = O->GetId();
}

void TMeshDraw::Visible(int I, bool Visible)
{
    if (!AObjectID.ValidIndex(I)) return;
    const TMeshDrawObjectParam& entry = AObjectID.FArray[I];
    if (entry.Type == TMeshID::otText) {
        if (const auto text = TextOf(entry)) text->SetVisible(Visible);
    } else if (const auto mesh = MeshOf(entry)) {
        mesh->SetVisible(Visible);
    }
}

void TMeshDraw::SetVisible(int ObjId, bool State)
{
    for (int i = 0; i < AObjectID.Count; ++i)
        if (AObjectID.FArray[i].Id == ObjId) Visible(i, State);
}

void TMeshDraw::SetVisible(void* Owner, bool State)
{
    for (int i = 0; i < AObjectID.Count; ++i)
        if (AObjectID.FArray[i].Owner == Owner) Visible(i, State);
}

void TMeshDraw::HideAll()
{
    for (int i = 0; i < AObjectID.Count; ++i)
        Visible(i, false);
}

int TMeshDraw::IndexOf(int ObjId) const
{
    for (int i = 0; i < AObjectID.Count; ++i)
        if (AObjectID.FArray[i].Id == ObjId) return i;
    return -1;
}

int TMeshDraw::IndexOf(void* Object) const
{
    for (int i = 0; i < AObjectID.Count; ++i)
        if (AObjectID.FArray[i].Object == Object) return i;
    return -1;
}

TMeshDrawObjectParam* TMeshDraw::Get(int ObjId) const
{
    const int i = IndexOf(ObjId);
    return i < 0 ? nullptr : AObjectID.FArray + i;
}

// Id 0 names no object (reserved slots, a hot point without a marker): nothing to remove.
void TMeshDraw::Remove(int ObjId)
{
    const int i = ObjId == 0 ? -1 : IndexOf(ObjId);
    if (i < 0) return;
    Visible(i, false);
    if (TM) TM->DeleteObjects({ObjId});
    // The later entries move down as they are: their objects change no hands.
    TMeshDrawObjectParam* first = AObjectID.FArray;
    first[i].AO.Reset();
    std::move(first + i + 1, first + AObjectID.Count, first + i);
    --AObjectID.Count;
}

void TMeshDraw::Remove(const std::vector<int>& ObjIds)
{
    // For each id its first live entry not yet taken (head), and after each entry the next
    // one with the same id (next), -1 ending the chain.
    const auto count = static_cast<std::size_t>(AObjectID.Count);
    std::unordered_map<std::int64_t, int> head;
    head.reserve(count);
    std::vector<int> next(count, -1);
    for (int i = AObjectID.Count - 1; i >= 0; --i) {
        auto [it, added] = head.try_emplace(AObjectID.FArray[i].Id, i);
        if (!added) next[static_cast<std::size_t>(i)] = std::exchange(it->second, i);
    }
    std::vector<bool> removed(count, false);
    for (const int id : ObjIds) {
        const auto it = id == 0 ? head.end() : head.find(id);
        if (it == head.end() || it->second < 0) continue;
        const int i = it->second;
        it->second = next[static_cast<std::size_t>(i)];
        Visible(i, false);
        if (TM) TM->DeleteObjects({id});
        AObjectID.FArray[i].AO.Reset();
        removed[static_cast<std::size_t>(i)] = true;
    }
    TMeshDrawObjectParam* first = AObjectID.FArray;
    int kept = 0;
    for (int i = 0; i < AObjectID.Count; ++i)
        if (!removed[static_cast<std::size_t>(i)]) {
            if (kept != i) first[kept] = std::move(first[i]);
            ++kept;
        }
    AObjectID.Resize(kept);
}

void TMeshDraw::Clear(int fromIndex)
{
    if (!TM || fromIndex < 0 || fromIndex >= AObjectID.Count) return;
    std::vector<int> ids;
    ids.reserve(static_cast<std::size_t>(AObjectID.Count - fromIndex));
    for (int i = fromIndex; i < AObjectID.Count; ++i) {
        ids.push_back(static_cast<int>(AObjectID.FArray[i].Id));
        AObjectID.FArray[i].AO.Reset();
    }
    TM->DeleteObjects(ids);
    AObjectID.Resize(fromIndex);
}
