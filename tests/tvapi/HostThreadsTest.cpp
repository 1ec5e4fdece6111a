// Threads of a stand-in part and the search of a part's entities near a point: a thread on a
// cylinder takes its size, coarse pitch and length from the face, refuses a planar face,
// changes no body and comes back from the part's file; the search finds the faces within its
// tolerance, all of them or the nearest.

#include "FeatureTestUtil.h"

#include <filesystem>

#include <unistd.h>

#include "HostMateFile.h"
#include "HostMeasure.h"
#include "HostText.h"
#include "tvapi/ModelSearch.h"
#include "tvapi/Symbols3D.h"

using namespace tvapi;

class HostThreadsTest : public feature_test::TPartFixture {
protected:
    void SetUp() override
    {
        TPartFixture::SetUp();
        // A rod of radius 5 from z 0 to 20: faces in the kernel's order.
        Part().AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 20));
    }
    std::vector<IModelObjectPtr> Faces() { return tvhost::EntitiesOf(Part(), o3d_face); }
    IModelObjectPtr CylinderFace()
    {
        for (const IModelObjectPtr& f : Faces()) {
            double r = 0, l = 0;
            if (tvhost::CylinderOf(tvhost::FaceShapeOf(f), r, l)) return f;
        }
        return {};
    }
    IThreadPtr NewThread(const IModelObjectPtr& face)
    {
        const IThreadPtr t = ISymbols3DContainerPtr(FPart)->GetThreads()->Add();
        t->SetBaseObject(face);
        t->SetAutoDefinition(true);
        t->SetFullLength(true);
        t->SetLeftHand(false);
        return t;
    }
    static tvhost::THostThread& Host(const IThreadPtr& t) { return *tvhost::HostAs<tvhost::THostThread>(t); }
};

TEST(HostThreadsPitchTest, CoarsePitchOfTheLargestStandardSizeNotAbove)
{
    EXPECT_EQ(tvhost::CoarsePitch(8.0), 1.25);
    EXPECT_EQ(tvhost::CoarsePitch(9.9), 1.25);
    EXPECT_EQ(tvhost::CoarsePitch(10.0), 1.5);
    EXPECT_EQ(tvhost::CoarsePitch(10.0 - 1e-7), 1.5) << "a computed radius just under the size";
    EXPECT_EQ(tvhost::CoarsePitch(0.5), 0.25);
    EXPECT_EQ(tvhost::CoarsePitch(100.0), 6.0);
}

TEST_F(HostThreadsTest, ThreadOnCylinderTakesSizePitchAndLengthAndChangesNoBody)
{
    const IModelObjectPtr face = CylinderFace();
    ASSERT_TRUE(face);
    const double volume = Volume();
    const IThreadPtr t = NewThread(face);
    EXPECT_FALSE(IModelObjectPtr(t)->GetFeature()->GetValid()) << "not built before its update";
    ASSERT_TRUE(IModelObjectPtr(t)->Update());
    EXPECT_EQ(IModelObjectPtr(t)->GetObjectType(), o3d_thread);
    EXPECT_NEAR(IThreadsParametersPtr(t)->GetNominalDiameter(), 10.0, 1e-9);
    EXPECT_EQ(t->GetPitch(), 1.5);
    EXPECT_NEAR(Host(t).Length(), 20.0, 1e-9);
    EXPECT_TRUE(t->GetBaseObject() == face);
    EXPECT_NEAR(Volume(), volume, 1e-9) << "a thread has no geometry";
    const IThreadsPtr all = ISymbols3DContainerPtr(FPart)->GetThreads();
    EXPECT_EQ(all->GetCount(), 1);
    EXPECT_TRUE(all->GetItem(0) == t);
    EXPECT_FALSE(all->GetItem(1));
    EXPECT_EQ(IFeaturePtr(FPart)->GetModelObjects({o3d_thread}).size(), 1u);
}

TEST_F(HostThreadsTest, ThreadOnPlanarFaceOrWithoutFaceFails)
{
    for (const IModelObjectPtr& f : Faces())
        if (f != CylinderFace()) {
            const IThreadPtr t = NewThread(f);
            EXPECT_FALSE(IModelObjectPtr(t)->Update());
            EXPECT_EQ(ErrorOf(t), "the thread's face is no cylinder");
            EXPECT_EQ(IThreadsParametersPtr(t)->GetNominalDiameter(), 0.0);
            break;
        }
    const IThreadPtr bare = ISymbols3DContainerPtr(FPart)->GetThreads()->Add();
    EXPECT_FALSE(IModelObjectPtr(bare)->Update());
    EXPECT_EQ(ErrorOf(bare), "the thread has no face");
    InjectFault("ISymbols3DContainer::GetThreads");
    EXPECT_FALSE(ISymbols3DContainerPtr(FPart)->GetThreads());
}

TEST_F(HostThreadsTest, ThreadComesBackFromThePartFile)
{
    const IThreadPtr t = NewThread(CylinderFace());
    ASSERT_TRUE(IModelObjectPtr(t)->Update());
    const auto folder =
        std::filesystem::path(::testing::TempDir()) / ("HostThreadsTest-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    SaveAndReopen(tvhost::FromUtf8((folder / "rod.qpt").string()));
    ASSERT_TRUE(FPart);
    const IThreadsPtr all = ISymbols3DContainerPtr(FPart)->GetThreads();
    ASSERT_EQ(all->GetCount(), 1);
    const IThreadPtr back = all->GetItem(0);
    EXPECT_TRUE(IModelObjectPtr(back)->GetFeature()->GetValid()) << "built again from its kept face";
    EXPECT_NEAR(IThreadsParametersPtr(back)->GetNominalDiameter(), 10.0, 1e-9);
    EXPECT_EQ(back->GetPitch(), 1.5);
    EXPECT_TRUE(Host(back).AutoDefinition() && Host(back).FullLength() && !Host(back).LeftHand());
    EXPECT_NEAR(Host(back).Length(), 20.0, 1e-9);
    EXPECT_EQ(Part().Bodies().size(), 1u);
    std::filesystem::remove_all(folder);
}

TEST_F(HostThreadsTest, SearchFindsFacesWithinTheTolerance)
{
    const IFindObjects3DPtr finder(FPart);
    ASSERT_TRUE(finder);
    const IFindObjectParameters3DPtr params = finder->GetFindObjectParameters();
    EXPECT_EQ(params->GetObjectType(), o3d_face) << "faces by default";
    // On the wall halfway up: the cylinder alone; 0.2 off it: nothing within 0.1.
    std::vector<IModelObjectPtr> found = finder->FindObjects(5, 0, 10, 0.1, params, 1);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0] == CylinderFace());
    EXPECT_TRUE(finder->FindObjects(5.2, 0, 10, 0.1, params, 1).empty());
    EXPECT_EQ(finder->FindObjects(5.09, 0, 10, 0.1, params, 1).size(), 1u);
    // On the bottom rim: the wall and the bottom; the nearest alone with 0.
    EXPECT_EQ(finder->FindObjects(5, 0, 0, 0.1, params, 1).size(), 2u);
    EXPECT_EQ(finder->FindObjects(5, 0, 0.05, 0.1, params, 0).size(), 1u);
    EXPECT_TRUE(finder->FindObjects(5, 0, 0.05, 0.1, params, 0)[0] == CylinderFace());
    params->SetObjectType(o3d_body);
    EXPECT_TRUE(finder->FindObjects(5, 0, 10, 0.1, params, 1).empty()) << "only faces, edges, vertices";
    params->SetObjectType(o3d_edge);
    EXPECT_FALSE(finder->FindObjects(5, 0, 20, 0.1, params, 1).empty()) << "the top rim";
    EXPECT_TRUE(finder->FindObjects(5, 0, 10, 0.1, {}, 1).empty()) << "no parameters";
}
