// The 3D hole: the half-section a recording modeller is asked for, line by line; the cut the
// stand-in makes in a block (volume by formula) wherever the hole starts; threads on the
// faces of the threaded portions; nothing for a hole without a main bore.

#include "../Facade/FacadeFixture.h"

#include <cmath>
#include <numbers>

#include "Dimension3D.h"
#include "HostKernel.h"
#include "HostMeasure.h"
#include "RecordingModeler.h"
#include "StreamTestUtil.h"
#include "TAVariable.h"
#include "THole3DParam.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Symbols3D.h"

using namespace tvapi;

TEST(THole3DParam3DRecordTest, SimpleHoleDrawsTheSevenLinesInsideTheMacroThenTurns)
{
    TRecordingModeler m;
    THole3DParam h(m);
    h.dr3DHole(48, 0, 0, 0, 0, 0, 0, 0.5, 20, 5, 0.5, 0, 0, 0);
    EXPECT_EQ(m.Texts(), (std::vector<std::string>{
                             "drMacro3D(\"Отверстие\", true)",
                             "drPlaneEskis(3, 0, 0, \"\")",
                             "drLine(0, 0, 0, 5.5, 1)",
                             "drLine(0, 5.5, 0.5, 5, 1)",
                             "drLine(0.5, 5, 19.5, 5, 1)",
                             "drLine(19.5, 5, 20, 5.5, 1)",
                             "drLine(20, 5.5, 20, 0, 1)",
                             "drLine(20, 0, 0, 0, 1)",
                             "drLine(0, 0, 20, 0, 3)",
                             "drCutRotate(0, 360, null)",
                             "drEndMacro3D()",
                         }));
    EXPECT_EQ(*h.Cfg.PInt, 3);
}

TEST(THole3DParam3DRecordTest, TwoStepHoleAndItsReverse)
{
    TRecordingModeler m;
    THole3DParam h(m);
    h.dr3DHole(0, 0, 0, 0, 0.5, 6, 8, 0, 20, 5, 0.5, 0, 0, 0);
    std::vector<std::string> lines;
    for (const std::string& t : m.Texts())
        if (t.rfind("drLine", 0) == 0) lines.push_back(t);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "drLine(0, 0, 0, 8.5, 1)", "drLine(0, 8.5, 0.5, 8, 1)", "drLine(0.5, 8, 6, 8, 1)",
                         "drLine(6, 8, 6, 5, 1)", "drLine(6, 5, 25.5, 5, 1)", "drLine(25.5, 5, 26, 5.5, 1)",
                         "drLine(26, 5.5, 26, 0, 1)", "drLine(26, 0, 0, 0, 1)", "drLine(0, 0, 26, 0, 3)"}));
    m.ClearJournal();
    // Turned end for end: the bore's transition at the mouth, the step drawn last.
    h.dr3DHole_(0, 0, 0, 0, 0.5, 6, 8, 0, 20, 5, 0.5, 0, 0, 0);
    EXPECT_EQ(h.rR, 8);
    EXPECT_EQ(h.F1, 0.5);
    const std::vector<std::string> t = m.Texts();
    EXPECT_EQ(t[2], "drLine(0, 0, 0, 5.5, 1)");
    EXPECT_EQ(t[t.size() - 7], "drLine(20, 8, 25.5, 8, 1)");
    EXPECT_EQ(t[t.size() - 6], "drLine(25.5, 8, 26, 8.5, 1)") << "the step's mouth chamfer last";
    m.ClearJournal();
    h.dr3DHole(0, 0, 0, 0, 0, 0, 0, 0.5, 1e-6, 5, 0.5, 0, 0, 0);
    EXPECT_TRUE(m.Calls.empty()) << "no main bore, nothing built";
    EXPECT_EQ(h.L, 1e-6) << "the record still takes the hole";
}

class THole3DParam3DTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        // A block 60 x 60 x 30 whose top face is z = 0.
        Top().AddBody(tvhost::MakeBox({-30, -30, -30}, 60, 60, 30));
    }
    double Volume()
    {
        double v = 0;
        for (const tvhost::TShape& shape : Top().LocalShapes())
            v += tvhost::Volume(shape);
        return v;
    }
    std::vector<IThreadPtr> Threads()
    {
        std::vector<IThreadPtr> out;
        const IThreadsPtr all = ISymbols3DContainerPtr(R().Part)->GetThreads();
        for (int i = 0; i < all->GetCount(); ++i)
            out.push_back(all->GetItem(i));
        return out;
    }
    // Bore R 5 over 19, two transition frustums of 0.5 from 5.5 to 5.
    static double SimpleHoleVolume()
    {
        const double frustum = std::numbers::pi * 0.5 / 3 * (5.5 * 5.5 + 5.5 * 5 + 5 * 5);
        return std::numbers::pi * 25 * (20 - 2 * 0.5) + 2 * frustum;
    }
};

TEST_F(THole3DParam3DTest, SimpleHoleCutsItsVolumeWhereverItStarts)
{
    const double block = Volume();
    struct {
        double x, y;
    } starts[] = {{0, 0}, {15, 12}, {-14, 13}}; // apart from each other
    double removed = 0;
    for (const auto& s : starts) {
        SCOPED_TRACE(s.x);
        THole3DParam h(drApi::MA);
        h.dr3DHole(48, s.x, s.y, 0, 0, 0, 0, 0.5, 20, 5, 0.5, 0, 0, 0);
        removed += SimpleHoleVolume();
        EXPECT_NEAR(Volume(), block - removed, block * 1e-6);
        ASSERT_TRUE(R().Obj3D);
        EXPECT_FALSE(drApi::MA.ErrorEntity(R().Obj3D)) << "the cut is built";
    }
    EXPECT_TRUE(Threads().empty()) << "the cut bits ask for no thread";
    EXPECT_EQ(Top().Features().Macros().size(), 3u) << "one macro per hole";
}

TEST_F(THole3DParam3DTest, ThreadedBoreGetsAThreadOfItsSize)
{
    THole3DParam h(drApi::MA);
    h.dr3DHole(THole3DParam::CThreaded, 5, 3, 0, 0, 0, 0, 0.5, 20, 5, 0.5, 0, 0, 0);
    const std::vector<IThreadPtr> threads = Threads();
    ASSERT_EQ(threads.size(), 1u);
    EXPECT_NEAR(IThreadsParametersPtr(threads[0])->GetNominalDiameter(), 10.0, 1e-6);
    EXPECT_EQ(threads[0]->GetPitch(), 1.5);
    EXPECT_NEAR(tvhost::HostAs<tvhost::THostThread>(threads[0])->Length(), 19.0, 1e-6);
    // A two-step hole threaded in its step and its bore: one thread each.
    THole3DParam h2(drApi::MA);
    h2.dr3DHole(THole3DParam::LThreaded | THole3DParam::CThreaded, -6, -6, 0, 0.5, 6, 4, 0, 20, 2.5, 0.5, 0,
                0, 0);
    const std::vector<IThreadPtr> more = Threads();
    ASSERT_EQ(more.size(), 3u);
    EXPECT_NEAR(IThreadsParametersPtr(more[1])->GetNominalDiameter(), 8.0, 1e-6);
    EXPECT_NEAR(IThreadsParametersPtr(more[2])->GetNominalDiameter(), 5.0, 1e-6);
}

// A bore radius that is a program variable: each transition radius is registered as a formula
// of the variable's name and the transition (three blanks, then 0.50), and the profile draws
// with the registered value.
TEST(THole3DParam3DRecordTest, TransitionRadiusOfAVariableBoreIsAFormula)
{
    TRecordingModeler m;
    THole3DParam h(m);
    static double bore = 5.0; // registered by address: it outlives the registry's use here
    const double half = 0.5;
    AVariable.AddVar("Rb", &bore, "");
    const Integer before = AVariable.Count();
    h.dr3DHole(0, 0, 0, 0, 0, 0, 0, half, 20, bore, half, 0, 0, 0);
    ASSERT_EQ(AVariable.Count(), before + 2) << "the start and the end transition";
    EXPECT_EQ(streamtest::Text(AVariable.Entry(before).Comment), "Rb+   0.50");
    EXPECT_EQ(AVariable.Entry(before).Value, 5.5);
    EXPECT_EQ(m.Texts().at(2), "drLine(0, 0, 0, 5.5, 1)");
}

// Tied to the model: a hidden start point and an end point 2 beyond the hole, the axis between
// them, the start's dimensions recorded, the sketch on the plane through the start, and the
// same cut.
TEST_F(THole3DParam3DTest, ParametricHoleIsTiedToItsPointsAndCutsTheSame)
{
    const double block = Volume();
    const Integer records = ADimension3D.APoint3D.Count;
    ADimension3D.IsParametric = true;
    THole3DParam h(drApi::MA);
    h.dr3DHole(48, 6, -4, 0, 0, 0, 0, 0.5, 20, 5, 0.5, 0, 0, 0);
    ADimension3D.IsParametric = false;
    EXPECT_NEAR(Volume(), block - SimpleHoleVolume(), block * 1e-6);
    EXPECT_EQ(Journal().Count("IPoints3D::Add"), 2u);
    EXPECT_EQ(Journal().Count("ILineSegments3D::Add"), 1u);
    const auto z = Journal().Calls("IPoint3D::SetZ");
    ASSERT_EQ(z.size(), 2u);
    EXPECT_EQ(z[1].Text(), "IPoint3D::SetZ(-22.000000)");
    EXPECT_EQ(ADimension3D.APoint3D.Count, records + 1) << "the start point's place";
    // The axis in the axis style; the start's X and Y dimensions generated; the profile's
    // first point bound to the start as the sketch took it in.
    const auto styles = Journal().Calls("IModelCurve3D::SetStyle");
    ASSERT_EQ(styles.size(), 1u);
    EXPECT_EQ(styles[0].Arguments.at(0), "3");
    EXPECT_EQ(Journal().Count("ISymbols3DContainer::CreateGenerativeDimensions"), 1u);
    EXPECT_EQ(Journal().Count("ISketch::AddProjection"), 1u);
    TMateParam& first = drApi::MA.R2->Constraint2D.First;
    const IPointPtr start(first.R1);
    ASSERT_TRUE(start) << "the start point found in the sketch";
    EXPECT_EQ(first.x, start->GetX());
    EXPECT_EQ(first.y, start->GetY());
    EXPECT_FALSE(first.R2);
    first.R1.Reset();
    // The global registry lets the point go before the host ends.
    for (Integer i = records; i < ADimension3D.APoint3D.Count; ++i)
        ADimension3D.APoint3D[i] = TDimension3D();
    ADimension3D.APoint3D.Count = records;
}

// A bore of radius 0 leaves no profile to turn: the cut is a failed feature, the block stays.
TEST_F(THole3DParam3DTest, HoleWithoutAProfileIsAFailedFeature)
{
    const double block = Volume();
    THole3DParam h(drApi::MA);
    h.dr3DHole(THole3DParam::CThreaded, 0, 0, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 0);
    ASSERT_TRUE(R().Obj3D);
    EXPECT_TRUE(drApi::MA.ErrorEntity(R().Obj3D));
    EXPECT_NEAR(Volume(), block, 1e-9);
    EXPECT_TRUE(Threads().empty());
}
