#pragma once
// A list of picked host model objects (faces above all) queried as a set of faces: whether
// they are planar, which entry equals a face, whether a face touches the set.

#include <vector>

#include "TArray.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Topology.h"

namespace drApi {

// An edge of F1 by which F1 touches F2 (edges equal by geometry within 0.001), searched from
// position Next of F1's edge list; empty when there is none or a face lacks a surface.
tvapi::IEdgePtr GetLinkEdge(tvapi::IFacePtr& F1, tvapi::IFacePtr& F2, Integer const Next);

class TAOfComEntity : public TArrayOf<tvapi::IModelObjectPtr> {
public:
    using TArrayOf<tvapi::IModelObjectPtr>::TArrayOf;
    TAOfComEntity() = default;
    TAOfComEntity(const TAOfComEntity&) = default;
    TAOfComEntity& operator=(const TAOfComEntity& S);

    // The leading face entries are all planar; false when empty or entry 0 is no face.
    Boolean IsPlanar() const;
    // Some entry shares an edge with F.
    Boolean IsLinked(tvapi::IFacePtr& F) const;
    // Entry I as a face; empty out of range or for another kind.
    tvapi::IFacePtr GetFaces(Integer I) const;
    // 1-based position of F among the face entries; 0 when absent.
    Integer PositionOf(tvapi::IFacePtr& F) const;
    // Index of an entry that is E, or for faces an equal face; -1 when none.
    Integer IndexOfByEqu(tvapi::IModelObjectPtr& E) const;
    // Some entry is the same host object as E (no geometric comparison).
    Boolean ExistByEqu(tvapi::IModelObjectPtr& E) const;
    // Appends the non-empty entries to V.
    void to(std::vector<tvapi::IModelObjectPtr>& V) const;
    // The entries become V's elements, empty ones included.
    void from(const std::vector<tvapi::IModelObjectPtr>& V);

private:
    void Put(Integer i, const tvapi::IModelObjectPtr& E);
    static bool IsFace(const tvapi::IModelObjectPtr& E) { return E && E->GetObjectType() == tvapi::o3d_face; }
};

} // namespace drApi
