// The facade's threads against the stand-in: the host calls in their order, the thread as
// Obj3D and member of an open 3D macro, its size from a real cylinder, and the stops without a
// part or a thread.

#include "FacadeFixture.h"

#include "HostKernel.h"
#include "HostMateFile.h"
#include "HostMeasure.h"
#include "tvapi/Symbols3D.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPIThreadsTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Top().AddBody(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 4, 12));
        for (const IModelObjectPtr& f : tvhost::EntitiesOf(Top(), o3d_face)) {
            double r = 0, l = 0;
            if (tvhost::CylinderOf(tvhost::FaceShapeOf(f), r, l)) Face = f;
        }
    }
    void TearDown() override
    {
        Face.Reset();
        TPartFacadeFixture::TearDown();
    }
    std::vector<std::string> Lines(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& line : Journal().Lines())
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }

    IModelObjectPtr Face;
};

TEST_F(drModelerAPIThreadsTest, ThreadGetsFaceOptionsThenUpdateInThatOrder)
{
    ASSERT_TRUE(Face);
    R().Obj3D = Face; // the last object before is let go
    Journal().Clear();
    MA.drThread(Face);
    const std::string face = tvhost::ObjectArg(Face.Get());
    ASSERT_TRUE(R().Obj3D);
    const std::string thread = tvhost::ObjectArg(R().Obj3D.Get());
    EXPECT_EQ(Lines("I"), (std::vector<std::string>{
                              "ISymbols3DContainer::GetThreads()",
                              "IThreads::Add()",
                              "IThread::SetBaseObject(" + face + ")",
                              "IThread::SetAutoDefinition(true)",
                              "IThread::SetFullLength(true)",
                              "IThread::SetLeftHand(false)",
                              "IModelObject::Update()",
                          }));
    EXPECT_EQ(R().Obj3D->GetObjectType(), o3d_thread);
    const IThreadsParametersPtr params(R().Obj3D);
    ASSERT_TRUE(params);
    EXPECT_NEAR(params->GetNominalDiameter(), 8.0, 1e-9);
    EXPECT_EQ(IThreadPtr(R().Obj3D)->GetPitch(), 1.25);
    EXPECT_EQ(ISymbols3DContainerPtr(R().Part)->GetThreads()->GetCount(), 1);
}

TEST_F(drModelerAPIThreadsTest, ThreadIsRecordedOnlyInAnOpenMacro)
{
    MA.drThread(Face);
    EXPECT_TRUE(R().AMacroObject3D.AObjects.Count == 0) << "no macro open";
    MA.drMacro3D("m", true);
    MA.drThread(Face);
    ASSERT_EQ(R().AMacroObject3D.AObjects.Count, 1);
    EXPECT_TRUE(IModelObjectPtr(R().AMacroObject3D.AObjects[0].V2) == R().Obj3D);
    MA.drEndMacro3D();
}

TEST_F(drModelerAPIThreadsTest, NoPartOrNoThreadBuildsNothingAndEmptiesObj3D)
{
    R().Obj3D = Face;
    InjectFault("IThreads::Add");
    MA.drThread(Face);
    EXPECT_FALSE(R().Obj3D);
    R().Obj3D = Face;
    R().Part.Reset();
    MA.drThread(Face);
    EXPECT_FALSE(R().Obj3D);
    EXPECT_EQ(Journal().Count("IThreads::Add"), 1u);
}
