#pragma once
// A list of host model objects (faces above all, also edges, bodies, facets, segments) that
// panels and builders fill from the user's selection, a feature or an operation, and query
// as a set of faces: linked faces, planarity, the box of their bodies, the boundary edges.
// Entries keep the order they were added in; an empty entry counts as no face.

#include <cstdint>
#include <vector>

#include "Mathemat3d.h"
#include "TArray.h"
#include "maTervan.h"
#include "tvapi/ModelObjects.h"
#include "tvapi/Part.h"
#include "tvapi/Topology.h"

namespace drApi {

class TAOfComEntity : public TArrayOf<tvapi::IModelObjectPtr> {
public:
    using TArrayOf<tvapi::IModelObjectPtr>::TArrayOf;
    TAOfComEntity() = default;

    // Appends F's objects of Kind in the host's order, then (IncludeSub) those of its
    // sub-features, depth first; no duplicate test. Nothing for an empty F; a feature that is
    // its own sub-feature, directly or further down, is not entered again.
    void Add(tvapi::IFeaturePtr& F, tvapi::tvObj3dTypeEnum Kind, Boolean IncludeSub);
    using TArrayOf<tvapi::IModelObjectPtr>::Add;
    // The objects of Kind of Entity's feature and of all its sub-features.
    void AddOperation(tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum Kind);
    void InitOperation(tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum Kind);
    // The faces of E's feature, or when it has none, of the objects E was built from,
    // recursively. Does nothing once more than 3000 entries are held; an object already on
    // the way down is not entered again, so a cycle of parents ends.
    void AddFacesOperation(tvapi::IModelObjectPtr E);
    void GetFacesOperation(tvapi::IModelObjectPtr E);
    // Refills from the host selection for one wanted kind (a selected body gives its faces
    // when faces are wanted), then unselects all. Unchanged without the selector's selection
    // or choose manager.
    void InitSelected(tvapi::tvObj3dTypeEnum tTarget);
    // Refills from the selector's objects: faces, edges and segments as they are, the faces
    // of bodies and features, the facets of surface patches. The selection stays.
    void InitSelected();

    // The entries from the first up to the first non-face are planar faces; false when the
    // first entry is no face.
    Boolean IsPlanar() const;
    // The box around the bodies of the face entries, merged with the zero box when entry 0
    // is no face with a body.
    void GetGabaryt(TCube3D& Gabaryt) const;
    // Linked[i] is true for entry IndexFace and the faces joined to it by a chain of faces
    // each sharing an edge with the next. An IndexFace outside 0..Count-1 marks nothing.
    void GetLinked(Integer IndexFace, TArrayOf<bool>& Linked) const;
    // The recursive step of GetLinked from entry FI.
    void SelectLinked(Integer FI, TArrayOf<tvapi::IFacePtr>& Faces, TArrayOf<TCube3D>& AG,
                      TArrayOf<bool>& Linked, TArrayOf<bool>& Excluded) const;
    // Some entry shares an edge with F.
    Boolean IsLinked(tvapi::IFacePtr& F) const;
    // Entry I as a face; empty out of range or for another kind.
    tvapi::IFacePtr GetFaces(Integer I) const;
    // The body of entry I taken as a face; empty out of range or without one.
    tvapi::IBodyPtr GetBody7(Integer I) const;
    // 1-based position of F among the face entries; 0 when absent.
    Integer PositionOf(tvapi::IFacePtr& F) const;
    // Index of an entry that is E, or for faces an equal face; -1 when none.
    Integer IndexOfByEqu(tvapi::IModelObjectPtr& E) const;
    // Some entry is the same host object as E (no geometric comparison).
    Boolean ExistByEqu(tvapi::IModelObjectPtr& E) const;
    // Keeps in AEdge (not emptied first) the edges that belong to one face entry only: an
    // edge met again is removed, a new one appended.
    void GetBoundaryEdge(TArrayOf<tvapi::IEdgePtr>& AEdge) const;
    // Highlights the entries (after unselecting all) and asks S as a yes/no question.
    void DebugView(TString& S) const;

    // Appends the non-empty entries to V.
    void to(std::vector<tvapi::IModelObjectPtr>& V) const;
    // The entries become V's elements, empty ones included.
    void from(const std::vector<tvapi::IModelObjectPtr>& V);
    // The byte form (after the stream header): the entry count, then per entry its kind, the
    // part it is in (0 Part, then Part's sub-parts depth first) and its number among that
    // part's objects of its kind (an empty entry: 0, -1, -1), all 32-bit, then a 32-bit
    // check sum of those bytes. False when some entry is in none of the parts (written as
    // empty).
    Boolean to(std::vector<std::uint8_t>& V, tvapi::IPartPtr& Part) const;
    // Reads the byte form against Part; false, the collection unchanged, for bytes that are
    // damaged or name objects Part no longer has.
    Boolean from(const std::vector<std::uint8_t>& V, tvapi::IPartPtr& Part);

    // Stores VD under Name in the user storage the facade's document keeps for each face.
    void SetUserData(TString Name, std::vector<std::uint8_t> VD) const;
    // Colours every face entry through the facade.
    void SetColor(Integer Color) const;

private:
    // Makes room for n more entries at once.
    void Reserve(std::size_t n);
    void Add(tvapi::IFeaturePtr& F, tvapi::tvObj3dTypeEnum Kind, Boolean IncludeSub,
             std::vector<tvapi::IFeature*>& Path);
    void AddFacesOperation(tvapi::IModelObjectPtr& E, std::vector<tvapi::IModelObject*>& Path);
    // Entry i when it is a face; empty otherwise (also for an empty entry).
    tvapi::IFacePtr FaceAt(Integer i) const;
};

} // namespace drApi
