#pragma once
// Meshes shown over the model view and the hot points drawn with them. TMeshData is the
// program's own mesh in double precision (built, scaled, moved, printed); TMeshApi the form
// the host's external tessellation objects take (flat float and index lists, a placement
// matrix, colours and flags). TMeshDraw is a panel's list of the objects it shows through
// the host; THotPoint and THotPoints are the markers of hot points the user picks and drags.
// Sources: HotPoint.cpp, HotPointMesh.cpp (the two mesh forms), HotPointMeshDraw.cpp (TMeshDraw).

#include <cstdint>
#include <vector>

#include "GImage.h"
#include "HotPointData.h"
#include "Mathemat3d.h"
#include "Mtr3D.h"
#include "tvapi/Tessellation.h"

class TBaseManager;

// The head both mesh forms and the drawn-object entries share.
struct TMeshID {
    enum TType : Integer { otUndefined = 0, otFace = 1, otEdge = 2, otBody = 3, otText = 4, othotPoint = 5 };

    TType Type = otUndefined;
    void* Object = nullptr; // the program object the mesh shows; never dereferenced here
    void* Owner = nullptr;  // who added it; never dereferenced here
    TAdvColor AC;
};

class TMeshData : public TMeshID {
public:
    static constexpr Integer Room = 32; // entries allocated at once in each list

    // (Braces would make lists of the two numbers.)
    TArrayOf<TPoint3D> Points = TArrayOf<TPoint3D>(Room, Room);
    TArrayOf<TVector3D> Normals = TArrayOf<TVector3D>(Room, Room); // one per vertex, same order
    TArrayOf<int> TI = TArrayOf<int>(Room, Room);                  // triangles, three vertex indices each
    TArrayOf<int> EI = TArrayOf<int>(Room, Room); // polylines as runs: a count n, then n indices

    // CountPoints vertices and normals read as x, y, z triples; CountTI triangle indices; no
    // polylines.
    void Init(const double* iPoints, const double* iNormals, int CountPoints, const unsigned int* iTI,
              int CountTI);
    // Unit shapes: sphere about the origin, cylinder and cone on the z axis from z 0 to 1,
    // cube of edge 1 centred on the origin; normals outwards.
    void InitSphere();
    void InitCylinder();
    void InitCone();
    void InitCube();
    // A two-point polyline (no normals are added).
    void AddLine(const TPoint3D& P1, const TPoint3D& P2);
    // Vertices only; normals stay as they are.
    void Scale(const double& sX, const double& sY, const double& sZ);
    void Move(const TVector3D& V);
    // Vertices, normals and triangles as source-text tables ("%7.3f," and "%04d,"), CR LF
    // line ends; whether the file could be written is not told.
    void Print(const TString& FileName) const;
};

class TMeshApi : public TMeshID {
public:
    std::vector<float> P;    // x, y, z per vertex
    std::vector<float> N;    // normal x, y, z per vertex that has one
    std::vector<int> IP;     // triangles, three indices each
    std::vector<int> IE;     // polyline runs as in TMeshData::EI
    std::vector<unsigned> C; // per-vertex colours, carried as given
    std::vector<double> Mtr; // 4 x 4 placement row by row, translation in the last row
    TAdvColor& CF;           // the face colour: the mesh's own AC
    TAdvColor CE;            // the edge colour
    Boolean NonScaleble = false;
    Boolean NonPickable = false;
    Boolean NonGeometry = false;
    Boolean DisableDepthTest = false;

    TMeshApi();
    TMeshApi(const TMeshApi& V) : TMeshApi() { *this = V; }

    // Appends M after what the mesh holds, its indices shifted past the present vertices.
    void Load(const TMeshData& M);
    // Replaces the lists by M; its colour goes to CE for an edge mesh, else where CF points.
    TMeshApi& operator=(const TMeshData& V);
    // Copies head colour, lists, matrix, the colour behind V's CF into this one's CF
    // (the binding stays), CE and the flags.
    TMeshApi& operator=(const TMeshApi& V);
    // Empties the lists; matrix, colours and flags stay.
    void Clear();
    // Polylines only (Index in run form), identity placement.
    void SetPolyLine(const TArrayOf<TPoint3D>& Points, const TArrayOf<int>& Index);
    void SetOrigin(const TPoint3D& O);
};

// One object a panel shows through the host.
struct TMeshDrawObjectParam : public TMeshID {
    std::int64_t Id = 0; // the host's id of the object; 0 when the entry holds none
    tvapi::ITervanAPIObjectPtr AO;

    TMeshDrawObjectParam() = default;
    TMeshDrawObjectParam(const TMeshDrawObjectParam& MO) : TMeshID(MO), Id(MO.Id), AO(MO.AO) {}
    // Takes a reference of its own on MO's object (none when both hold the same object).
    TMeshDrawObjectParam& operator=(const TMeshDrawObjectParam& MO);
    TMeshDrawObjectParam& operator=(TMeshDrawObjectParam&& MO) noexcept = default;
};

// The meshes and labels a panel shows through the host's tessellation manager. TM is the
// facade's manager pointer, read at each call: without a manager nothing is made or deleted.
// Entries 0 .. Count - 1 are live; an entry without an object and with Id 0 is a reserved slot.
// The destructor deletes nothing in the host: owners Clear first.
class TMeshDraw {
public:
    static constexpr Integer Room = 16; // entries allocated at once

    TAdvColor CF; // presets
    TAdvColor CE2;
    TMeshApi V; // the hot-point marker: a cube of edge 2 in red, drawn over the model
    tvapi::IExternalTessellationManagerPtr& TM;
    TArrayOf<TMeshDrawObjectParam> AObjectID = TArrayOf<TMeshDrawObjectParam>(Room, Room);

    TMeshDraw(tvapi::IExternalTessellationManagerPtr& iTM, int Count);
    TMeshDraw(const TMeshDraw&) = delete;
    TMeshDraw& operator=(const TMeshDraw&) = delete;

    // Live entries grow to NewCount reserved slots; nothing without a manager.
    void ReserveCount(int NewCount);
    // Appends an entry with a new host object (a text object for otText); without a manager
    // nothing is made and the last entry's object (slot 0's for none) comes back.
    tvapi::ITervanAPIObjectPtr& Add(TMeshID::TType T);
    // A new host object in slot I; Count stays.
    tvapi::ITervanAPIObjectPtr& Add(int I, TMeshID::TType T);
    // Appends an entry filled from the mesh; empty (and no entry) without a manager, empty
    // when the host made no tessellation object.
    tvapi::IExternalTessellationObjectPtr Add(const TMeshApi& Mesh, TMeshID::TType T);
    // Appends a label at P; only otText makes a text object, other kinds give empty.
    tvapi::IExternalTextObjectPtr Add(const TPoint3D& P, const TString& Text, TMeshID::TType T);
    // Fills entry I from the mesh: triangles for otFace and othotPoint, lines for otEdge;
    // other kinds, or a mesh without the lists the kind needs, change nothing.
    void Set(int I, const TMeshApi& Mesh, TMeshID::TType T);
    void SetGDI(int I, const TPoint3D& P, const TString& Text);
    void Visible(int I, bool Visible);
    void SetVisible(int ObjId, bool State);
    void SetVisible(void* Owner, bool State);
    void HideAll();
    int IndexOf(int ObjId) const;
    int IndexOf(void* Object) const;
    TMeshDrawObjectParam* Get(int ObjId) const;
    // Hides, deletes in the host and takes out the first entry with that id.
    void Remove(int ObjId);
    // Remove of each id in turn, with the same host calls in the same order, but the list
    // closes up once: linear where one Remove after another is quadratic.
    void Remove(const std::vector<int>& ObjIds);
    // Deletes in the host, in one call, every entry from fromIndex on and cuts the list there.
    void Clear(int fromIndex);

private:
    tvapi::ITervanAPIObjectPtr FNone; // the answer for a slot that cannot exist
};

// A hot point with its marker in the view and the direction it is dragged along.
class THotPoint : public THotPointData {
public:
    tvapi::IExternalTessellationObjectPtr Obj; // the marker; empty until made
    TVector3D Direction;

    THotPoint();
    THotPoint(const THotPoint& P) : THotPoint() { *this = P; }
    // Has the view draw the marker once more before releasing it.
    ~THotPoint() override;

    // Record, colour, Direction and the marker (with a reference of its own).
    THotPoint& operator=(const THotPoint& P);
    THotPoint& operator=(THotPoint&& P);

    // Sends the placement (translation to Origin) and the colour to the marker; false
    // without one.
    bool Update2();
    void SetVisible(bool visible);
    // The ray through P along the unit dir passes within 2 / scale of Origin (boundary in).
    bool Pick2(const TPoint3D& P, const TVector3D& dir, const double& scale) const;
    // Whether the cursor ray (O, dir) has gone more than half a Direction along it, measured in
    // the frame at O with z along dir and x along norm; scale is not used.
    bool Move2(const TPoint3D& O, const TVector3D& dir, const TVector3D& norm, const double& scale) const;
    // Snaps par to the step once it is more than half a step from oldDis (true); otherwise
    // par = oldDis (false). A step not above 0 snaps nothing (true).
    static bool AllowDiskrete2(const double& oldDis, double& par, const double& step);
    // Where the line through P along V, taken into the frame by `into` (row vectors), meets
    // its plane z = 0; false (R untouched) when V runs within that plane.
    static bool DirectPointProjection2(const TPoint3D& P, const TVector3D& V, const TMtr3D& into,
                                       TPoint2D& R);
};

// The markers of a panel's hot points: made through the panel's MeshDraw from the template
// Mesh, one of them active (drawn in ActiveColor).
class THotPoints : public TArrayOf<THotPoint> {
public:
    TBaseManager* Editor;
    TMeshApi Mesh;
    TColor NormalColor;
    TColor ActiveColor;
    int Active = -1;

    explicit THotPoints(TBaseManager* iEditor) : Editor(iEditor) {}

    // A marker at origin (Type is not read).
    bool Make(int Type, const TPoint3D& origin);
    // A marker for the record; false, and nothing added, for a record without values.
    bool Make(const THotPointData& HPD);
    // Markers for every record, after those present; marker 0 active then.
    void fromModelData(const THotPointsData& HPData);
    void toModelData(THotPointsData& HPData) const;
    // The first marker hit by the ray becomes active; false (nothing changes) for none.
    bool FindActive(const TPoint3D& origin, const TVector3D& dir, double scale);
    void SetActive(int iActive);
    // Hides every marker and takes it out of the panel's MeshDraw; the count becomes 0.
    void RemoveAll();

private:
    // The template into the panel's MeshDraw; the marker it made, or empty.
    tvapi::IExternalTessellationObjectPtr AddMarker();
};
