// The list of picked model objects and its face queries.

#include "drAOfComEntity.h"

#include <algorithm>

#include "Mathemat3d.h"
#include "maTervan.h"

namespace drApi {

namespace {

constexpr Real LinkEps = 0.001; // edges of touching faces agree within this
constexpr Real BoxEps = 0.1;    // surface boxes of touching faces overlap within this
constexpr Real EqualFaceEps = 0.001;

} // namespace

tvapi::IEdgePtr GetLinkEdge(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Integer const Next)
{
    if (!F1 || !F2) return {};
    const tvapi::IMathSurface3DPtr S1 = F1->GetSurface(), S2 = F2->GetSurface();
    if (!S1 || !S2) return {};
    TCube3D G1, G2;
    GetGabaryt(S1, G1);
    GetGabaryt(S2, G2);
    if (!G1.IsCommon(G2, BoxEps)) return {};
    std::vector<tvapi::IEdgePtr> EC1, EC2;
    Copy(GetObjects(tvapi::IModelObjectPtr(F1), tvapi::o3d_edge), EC1);
    Copy(GetObjects(tvapi::IModelObjectPtr(F2), tvapi::o3d_edge), EC2);
    const std::size_t from = static_cast<std::size_t>(std::max(Next, 0));
    for (std::size_t i = from; i < EC1.size(); ++i)
        for (tvapi::IEdgePtr& EJ : EC2)
            if (EC1[i] && EJ && EquEdge(EC1[i], EJ, LinkEps)) return EC1[i];
    return {};
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

} // namespace drApi
