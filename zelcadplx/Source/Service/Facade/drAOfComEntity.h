#pragma once
// A list of picked host model objects (faces above all) queried as a set of faces: which
// entry equals a face, whether a face touches the set.

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

    // Some entry shares an edge with F.
    Boolean IsLinked(tvapi::IFacePtr& F) const;
    // Index of an entry that is E, or for faces an equal face; -1 when none.
    Integer IndexOfByEqu(tvapi::IModelObjectPtr& E) const;
    // Some entry is the same host object as E (no geometric comparison).
    Boolean ExistByEqu(tvapi::IModelObjectPtr& E) const;
};

} // namespace drApi
