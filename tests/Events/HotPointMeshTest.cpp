// The two mesh forms: the printout, loading with shifted indices, colours on assignment, the
// unit shapes' counts and orientation, and the copy of a drawn-object entry.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HotPoint.h"
#include "SpecialFiles.h"
#include "StreamTestUtil.h"
#include "TestPanel.h"

namespace {

TMeshData OneTriangle()
{
    const double points[] = {1, 0, 0.5, 0, 1, 0, 0, 0, 1};
    const double normals[] = {0, 0, 1, 0, 0, 1, 0, 0, 1};
    const unsigned int triangle[] = {0, 1, 2};
    TMeshData m;
    m.Init(points, normals, 3, triangle, 3);
    return m;
}

TEST(TMeshDataTest, PrintWritesThreeSourceTables)
{
    TMeshData m = OneTriangle();
    for (int i = 0; i < 3; ++i)
        m.TI[i] = i + 1;
    const std::string path = streamtest::TempPath("mesh.txt");
    m.Print(path.c_str());
    const auto bytes = streamtest::FileBytes(path);
    std::filesystem::remove(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "// Points\r\n = {\r\n"
                                                       "    1.000,  0.000,  0.500,\r\n"
                                                       "    0.000,  1.000,  0.000,\r\n"
                                                       "    0.000,  0.000,  1.000,\r\n"
                                                       "   }; \r\n"
                                                       "// Normals\r\n = {\r\n"
                                                       "    0.000,  0.000,  1.000,\r\n"
                                                       "    0.000,  0.000,  1.000,\r\n"
                                                       "    0.000,  0.000,  1.000,\r\n"
                                                       "   }; \r\n"
                                                       "// TriAngles\r\n = {\r\n"
                                                       "  0001,0002,0003,\r\n"
                                                       "   }; \r\n");
}

// The printout is written whole or not at all: a disk that fills half-way keeps the old file.
TEST(TMeshDataTest, PrintCutShortKeepsTheOldFile)
{
    TMeshData m = OneTriangle();
    for (int i = 0; i < 200; ++i)
        m.AddLine(TPoint3D(i, 0, 0), TPoint3D(i, 1, 0));
    const specialfiles::TFolder dir;
    const std::string path = dir / "mesh.txt";
    std::ofstream(path) << "old";
    EXPECT_EQ(specialfiles::WithFileSizeLimit(100,
                                              [&] {
                                                  m.Print(path.c_str());
                                                  return 0;
                                              }),
              0);
    EXPECT_EQ(specialfiles::Bytes(path), "old");
    EXPECT_EQ(dir.Count(), 1) << "no temporary file stays";
    m.Print(path.c_str());
    EXPECT_GT(specialfiles::Bytes(path).size(), 100u * 20);
}

TEST(TMeshDataTest, AddLineAppendsARunAfterThePresentVertices)
{
    TMeshData m;
    for (int i = 0; i < 5; ++i)
        m.Points.Add(TPoint3D(i, 0, 0));
    m.AddLine(TPoint3D(0, 1, 0), TPoint3D(0, 2, 0));
    EXPECT_EQ(std::vector<int>(m.EI.begin(), m.EI.end()), (std::vector<int>{2, 5, 6}));
    EXPECT_EQ(m.Points.Count, 7);
}

TEST(TMeshApiTest, LoadAppendsWithIndicesShiftedPastThePresentVertices)
{
    TMeshData m = OneTriangle();
    for (const int i : {2, 0, 1})
        m.EI.Add(i);
    TMeshApi api;
    api.Load(TMeshData());
    EXPECT_TRUE(api.P.empty());
    api.Load(m);
    api.Load(m);
    EXPECT_EQ(api.P.size(), 18u);
    EXPECT_EQ(api.IP, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(api.IE, (std::vector<int>{2, 0, 1, 2, 3, 4}));
    // A run longer than the list ends the walk instead of reading past it.
    m.EI.Add(9);
    TMeshApi cut;
    cut.Load(m);
    EXPECT_EQ(cut.IE, (std::vector<int>{2, 0, 1}));
}

TEST(TMeshApiTest, AssignmentPutsAnEdgeMeshColourIntoTheEdgeBlock)
{
    TMeshData edge = OneTriangle();
    edge.Type = TMeshID::otEdge;
    edge.AC.Color = 0x123456;
    TMeshApi api;
    api.C = {1, 2};
    api = edge;
    EXPECT_EQ(api.CE.Color, 0x123456u);
    EXPECT_TRUE(api.C.empty());
    EXPECT_EQ(api.IP.size(), 3u);

    TMeshApi copy;
    copy.AC.Color = 7;
    copy = api;
    EXPECT_EQ(&copy.CF, &copy.AC); // the binding stays
    EXPECT_EQ(copy.CE.Color, 0x123456u);
}

TEST(TMeshApiTest, SetOriginAndPolylinesPlaceByTheLastRow)
{
    TMeshApi api;
    api.SetOrigin(TPoint3D(1, 2, 3));
    std::vector<double> expected{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    EXPECT_EQ(api.Mtr, expected);
    TArrayOf<TPoint3D> points{TPoint3D(1, 1, 1), TPoint3D(2, 2, 2)};
    TArrayOf<int> runs{2, 0, 1};
    api.SetPolyLine(points, runs);
    EXPECT_EQ(api.P, (std::vector<float>{1, 1, 1, 2, 2, 2}));
    EXPECT_EQ(api.IE, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(api.Mtr[12], 0.0);
}

struct TShapeCase {
    const char* Name;
    void (TMeshData::*Init)();
    int Vertices, Indices, Used; // triangles use vertices below Used
    TPoint3D Inside;             // a point inside the closed shape
};

class TMeshShapeTest : public ::testing::TestWithParam<TShapeCase> {};

// Counts as the tables give them, and every triangle faces away from the inside.
TEST_P(TMeshShapeTest, CountsAndOutwardTriangles)
{
    const TShapeCase& c = GetParam();
    TMeshData m;
    (m.*c.Init)();
    EXPECT_EQ(m.Points.Count, c.Vertices);
    EXPECT_EQ(m.Normals.Count, c.Vertices);
    ASSERT_EQ(m.TI.Count, c.Indices);
    for (int i = 0; i < m.TI.Count; i += 3) {
        const TPoint3D &a = m.Points[m.TI[i]], &b = m.Points[m.TI[i + 1]], &p = m.Points[m.TI[i + 2]];
        for (int k = 0; k < 3; ++k)
            EXPECT_LT(m.TI[i + k], c.Used);
        const TVector3D n = (b - a) | (p - a);
        EXPECT_GT(n * (a - c.Inside), 0.0);
        EXPECT_GT(n * m.Normals[m.TI[i]], 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(UnitShapes, TMeshShapeTest,
                         ::testing::Values(TShapeCase{"Sphere", &TMeshData::InitSphere, 115, 672, 115, {}},
                                           TShapeCase{
                                               "Cylinder", &TMeshData::InitCylinder, 34, 84, 34, {0, 0, 0.5}},
                                           TShapeCase{"Cone", &TMeshData::InitCone, 35, 66, 26, {0, 0, 0.3}},
                                           TShapeCase{"Cube", &TMeshData::InitCube, 48, 36, 24, {}}),
                         [](const auto& c) { return std::string(c.param.Name); });

class TMeshDrawObjectParamTest : public TPanelFixture {};

TEST_F(TMeshDrawObjectParamTest, SelfAssignmentKeepsOneReferenceAndCopiesTakeTheirOwn)
{
    const auto doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
    tvapi::IExternalTessellationManagerPtr tm(doc);
    TMeshDrawObjectParam a;
    a.AO = tm->CreateTessellationObject();
    a.Id = 4;
    const long before = tvhost::RefCountOf(a.AO);
    a = a;
    EXPECT_EQ(tvhost::RefCountOf(a.AO), before);
    TMeshDrawObjectParam b;
    b = a;
    EXPECT_EQ(b.Id, 4);
    EXPECT_EQ(tvhost::RefCountOf(a.AO), before + 1);
}

} // namespace
