// The two mesh forms: loading, the unit shapes, scaling and moving, the printout, and the
// conversions into the host's form.

#include "HotPoint.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <utility>

#include "FileIo.h"
#include "TFileName.h"

namespace {

// A unit shape being built: vertices with their normals and triangles.
struct TShape {
    std::vector<double> Points, Normals;
    std::vector<unsigned int> Triangles;

    unsigned int Vertex(double x, double y, double z, double nx, double ny, double nz)
    {
        Points.insert(Points.end(), {x, y, z});
        Normals.insert(Normals.end(), {nx, ny, nz});
        return static_cast<unsigned int>(Points.size() / 3 - 1);
    }
    void Triangle(unsigned int a, unsigned int b, unsigned int c)
    {
        Triangles.insert(Triangles.end(), {a, b, c});
    }
    void LoadInto(TMeshData& M) const
    {
        M.Init(Points.data(), Normals.data(), static_cast<int>(Points.size() / 3), Triangles.data(),
               static_cast<int>(Triangles.size()));
    }
};

constexpr double Eighth = std::numbers::pi / 4.0;    // 45 degrees
constexpr double Sixteenth = std::numbers::pi / 8.0; // 22.5 degrees
constexpr unsigned int SphereRing = 16;              // points of a latitude ring
constexpr unsigned int SphereRings = 7;              // latitudes -67.5 .. 67.5 degrees
constexpr unsigned int Around = 8;                   // points of the cylinder and cone circles
constexpr unsigned int CapFan = Around - 2;          // triangles of a circle without its centre
constexpr unsigned int ConeApexCopies = 10;          // unused apex copies that complete the table
constexpr double Half = 0.5;

// The sphere: entry 0 the centre (used by no triangle), the two poles, then the rings from
// north to south; every triangle counterclockwise seen from outside.
TShape Sphere()
{
    TShape s;
    s.Vertex(0, 0, 0, 0, 0, 0);
    const unsigned int north = s.Vertex(0, 0, 1, 0, 0, 1);
    const unsigned int south = s.Vertex(0, 0, -1, 0, 0, -1);
    for (unsigned int k = 0; k < SphereRings; ++k) {
        const double lat = (3.0 - k) * Sixteenth;
        for (unsigned int j = 0; j < SphereRing; ++j) {
            const double lon = j * Sixteenth;
            const double x = std::cos(lat) * std::cos(lon), y = std::cos(lat) * std::sin(lon),
                         z = std::sin(lat);
            s.Vertex(x, y, z, x, y, z);
        }
    }
    const auto at = [](unsigned int k, unsigned int j) { return 3 + k * SphereRing + j % SphereRing; };
    for (unsigned int j = 0; j < SphereRing; ++j) {
        s.Triangle(north, at(0, j), at(0, j + 1));
        for (unsigned int k = 0; k + 1 < SphereRings; ++k) {
            s.Triangle(at(k, j), at(k + 1, j), at(k + 1, j + 1));
            s.Triangle(at(k, j), at(k + 1, j + 1), at(k, j + 1));
        }
        s.Triangle(south, at(SphereRings - 1, j + 1), at(SphereRings - 1, j));
    }
    return s;
}

// A closed circle of `Around` points as a fan without its centre, facing +z or -z.
void Cap(TShape& s, double z, double nz)
{
    const unsigned int first = static_cast<unsigned int>(s.Points.size() / 3);
    for (unsigned int j = 0; j < Around; ++j)
        s.Vertex(std::cos(j * Eighth), std::sin(j * Eighth), z, 0, 0, nz);
    for (unsigned int k = 1; k <= CapFan; ++k)
        if (nz > 0)
            s.Triangle(first, first + k, first + k + 1);
        else
            s.Triangle(first, first + k + 1, first + k);
}

TShape Cylinder()
{
    TShape s;
    for (const double z : {0.0, 1.0})
        for (unsigned int j = 0; j <= Around; ++j) {
            const double x = std::cos(j * Eighth), y = std::sin(j * Eighth);
            s.Vertex(x, y, z, x, y, 0);
        }
    const unsigned int top = Around + 1;
    for (unsigned int j = 0; j < Around; ++j) {
        s.Triangle(j, j + 1, top + j + 1);
        s.Triangle(j, top + j + 1, top + j);
    }
    Cap(s, 0, -1);
    Cap(s, 1, 1);
    return s;
}

// The cone: the apex, the base circle and the midpoints of its chords with side normals
// (each side face is two triangles), the base, then apex copies no triangle uses.
TShape Cone()
{
    TShape s;
    const double k = 1.0 / std::numbers::sqrt2;
    const unsigned int apex = s.Vertex(0, 0, 1, 0, 0, 1);
    for (unsigned int j = 0; j < Around; ++j) {
        const double x = std::cos(j * Eighth), y = std::sin(j * Eighth);
        s.Vertex(x, y, 0, x * k, y * k, k);
    }
    for (unsigned int j = 0; j < Around; ++j) {
        const double a = (j + Half) * Eighth, c = std::cos(Sixteenth);
        s.Vertex(c * std::cos(a), c * std::sin(a), 0, std::cos(a) * k, std::sin(a) * k, k);
    }
    for (unsigned int j = 0; j < Around; ++j) {
        s.Triangle(apex, 1 + j, 1 + Around + j);
        s.Triangle(apex, 1 + Around + j, 1 + (j + 1) % Around);
    }
    Cap(s, 0, -1);
    for (unsigned int j = 0; j < ConeApexCopies; ++j) {
        const double a = (j + Half) * Eighth;
        s.Vertex(0, 0, 1, std::cos(a) * k, std::sin(a) * k, k);
    }
    return s;
}

// The cube: four own vertices per face, listed twice (the second set carries no triangle).
TShape Cube()
{
    struct TFace {
        TVector3D N, U, V; // U x V = N
    };
    const TFace faces[] = {
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, {{-1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
        {{0, 1, 0}, {0, 0, 1}, {1, 0, 0}}, {{0, -1, 0}, {1, 0, 0}, {0, 0, 1}},
        {{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}, {{0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
    };
    TShape s;
    for (int copy = 0; copy < 2; ++copy)
        for (const TFace& f : faces) {
            const unsigned int first = static_cast<unsigned int>(s.Points.size() / 3);
            for (const auto& [a, b] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
                const TVector3D p = (f.N + f.U * a + f.V * b) * Half;
                s.Vertex(p.x, p.y, p.z, f.N.x, f.N.y, f.N.z);
            }
            if (copy == 0) {
                s.Triangle(first, first + 1, first + 2);
                s.Triangle(first, first + 2, first + 3);
            }
        }
    return s;
}

void PutLine(std::string& file, const std::string& line)
{
    file += line;
    file += "\r\n";
}

// "  " and the three numbers, each "%7.3f," with a decimal point.
std::string RealLine(double x, double y, double z)
{
    std::string line = "  ";
    for (const double v : {x, y, z})
        line += std::string(TString(v, 3, true, 7).PChar()) + ",";
    return line;
}

template <class TList> void PutBlock(std::string& file, const char* title, const TList& list)
{
    PutLine(file, title);
    PutLine(file, " = {");
    for (const auto& p : list)
        PutLine(file, RealLine(p.x, p.y, p.z));
    PutLine(file, "   }; ");
}

} // namespace

// ---- TMeshData --------------------------------------------------------------------------------

void TMeshData::Init(const double* iPoints, const double* iNormals, int CountPoints, const unsigned int* iTI,
                     int CountTI)
{
    CountPoints = std::max(CountPoints, 0);
    CountTI = std::max(CountTI, 0);
    Points.SetSize(CountPoints, true);
    Normals.SetSize(CountPoints, true);
    for (int i = 0; i < CountPoints; ++i) {
        Points.FArray[i] = TPoint3D(iPoints[3 * i], iPoints[3 * i + 1], iPoints[3 * i + 2]);
        Normals.FArray[i] = TVector3D(iNormals[3 * i], iNormals[3 * i + 1], iNormals[3 * i + 2]);
    }
    Points.Resize(CountPoints);
    Normals.Resize(CountPoints);
    TI.SetSize(CountTI, true);
    for (int i = 0; i < CountTI; ++i)
        TI.FArray[i] = static_cast<int>(iTI[i]);
    TI.Resize(CountTI);
    EI.Clear();
}

void TMeshData::InitSphere()
{
    Sphere().LoadInto(*this);
}

void TMeshData::InitCylinder()
{
    Cylinder().LoadInto(*this);
}

void TMeshData::InitCone()
{
    Cone().LoadInto(*this);
}

void TMeshData::InitCube()
{
    Cube().LoadInto(*this);
}

void TMeshData::AddLine(const TPoint3D& P1, const TPoint3D& P2)
{
    const int first = Points.Count;
    EI.Add(2);
    EI.Add(first);
    EI.Add(first + 1);
    Points.Add(P1);
    Points.Add(P2);
}

void TMeshData::Scale(const double& sX, const double& sY, const double& sZ)
{
    for (TPoint3D& p : Points)
        p.Set(p.x * sX, p.y * sY, p.z * sZ);
}

void TMeshData::Move(const TVector3D& V)
{
    for (TPoint3D& p : Points)
        p += V;
}

void TMeshData::Print(const TString& FileName) const
{
    std::string file;
    PutBlock(file, "// Points", Points);
    PutBlock(file, "// Normals", Normals);
    PutLine(file, "// TriAngles");
    PutLine(file, " = {");
    for (int i = 0; i + 2 < TI.Count; i += 3) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "  %0*d,%0*d,%0*d,", 4, TI[i], 4, TI[i + 1], 4, TI[i + 2]);
        PutLine(file, buffer);
    }
    PutLine(file, "   }; ");
    // Written whole or not at all: a failure keeps the old file.
    std::string error;
    WriteFileAtomically(SystemFileName(FileName), file, error);
}

// ---- TMeshApi ---------------------------------------------------------------------------------

TMeshApi::TMeshApi() : CF(AC)
{
    SetOrigin(TPoint3D());
}

void TMeshApi::Load(const TMeshData& M)
{
    const int base = static_cast<int>(P.size() / 3);
    for (int i = 0; i < M.Points.Count; ++i) {
        const TPoint3D& p = M.Points[i];
        P.insert(P.end(), {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
        if (i >= M.Normals.Count) continue; // a vertex without a normal is loaded without one
        const TVector3D& n = M.Normals[i];
        N.insert(N.end(), {static_cast<float>(n.x), static_cast<float>(n.y), static_cast<float>(n.z)});
    }
    for (const int i : M.TI)
        IP.push_back(i + base);
    // Runs: a count, then that many indices. A negative count or a run past the end ends
    // the walk rather than reading outside the list.
    for (int i = 0; i < M.EI.Count;) {
        const int n = M.EI[i];
        if (n < 0 || i + n >= M.EI.Count) break;
        IE.push_back(n);
        for (int k = 1; k <= n; ++k)
            IE.push_back(M.EI[i + k] + base);
        i += n + 1;
    }
}

TMeshApi& TMeshApi::operator=(const TMeshData& V)
{
    Clear();
    static_cast<TMeshID&>(*this) = V;
    Load(V);
    (Type == otEdge ? CE : CF) = V.AC;
    return *this;
}

TMeshApi& TMeshApi::operator=(const TMeshApi& V)
{
    static_cast<TMeshID&>(*this) = V;
    if (&V != this) {
        P = V.P;
        N = V.N;
        C = V.C;
        IP = V.IP;
        IE = V.IE;
        Mtr = V.Mtr;
    }
    CF = V.CF;
    CE = V.CE;
    NonScaleble = V.NonScaleble;
    NonPickable = V.NonPickable;
    NonGeometry = V.NonGeometry;
    DisableDepthTest = V.DisableDepthTest;
    return *this;
}

void TMeshApi::Clear()
{
    P.clear();
    N.clear();
    C.clear();
    IP.clear();
    IE.clear();
}

void TMeshApi::SetPolyLine(const TArrayOf<TPoint3D>& Points, const TArrayOf<int>& Index)
{
    Clear();
    SetOrigin(TPoint3D());
    for (const TPoint3D& p : Points)
        P.insert(P.end(), {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z)});
    IE.assign(Index.begin(), Index.end());
}

void TMeshApi::SetOrigin(const TPoint3D& O)
{
    TMtr3D m;
    m.IdentityMove(O.x, O.y, O.z);
    m.to(Mtr);
}
