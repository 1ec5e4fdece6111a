// 3D local coordinate systems of the facade against the stand-in: the frame matrix the host
// gets, the name, the two settings switched for the creation only, the quiet stops, the
// message of a failing update, and moving a system.

#include <gtest/gtest.h>

#include "FacadeFixture.h"
#include "HostApplication.h"
#include "HostAuxGeometry.h"
#include "HostJournal.h"
#include "HostPart.h"
#include "MessageSinks.h"
#include "Mtr3D.h"

using drApi::MA;
using namespace tvapi;

class TModelerApiLocalSystemTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        R().SystemSettings = Application()->GetSystemSettings();
    }
    const std::vector<IModelObjectPtr>& Systems() { return Top().AuxGeometry().LocalSystems(); }
    tvhost::THostSystemSettings& Settings() { return Host().App().Settings(); }
    bool InActive() { return tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->InActiveLocalSystem(); }
    static std::vector<double> Matrix(const IModelObjectPtr& system)
    {
        return ILocalCoordinateSystemPtr(system)->GetMatrix3D();
    }
    void Make(TString* Name, Boolean inGlobalLSK)
    {
        MA.drMtr3D(TPoint3D(1, 2, 3), TVector3D(0, 2, 0), TVector3D(-1, 0, 0), TVector3D(0, 0, 3), Name,
                   inGlobalLSK);
    }
};

// The axes go to the host as given (not normalised), the origin in the last row; the
// document's setting is the negation of inGlobalLSK and the application's is true during the
// creation, and both are back afterwards.
TEST_F(TModelerApiLocalSystemTest, SystemGetsTheFrameMatrixAndTheSettingsOnlyWhileItIsMade)
{
    OpenPart();
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    TString name("ЛСК");
    Make(&name, true);
    ASSERT_EQ(Systems().size(), 1u);
    EXPECT_EQ(Matrix(Systems()[0]), (std::vector<double>{0, 2, 0, 0, -1, 0, 0, 0, 0, 0, 3, 0, 1, 2, 3, 1}));
    EXPECT_EQ(Systems()[0]->GetName(), L"ЛСК");
    EXPECT_EQ(R().Obj3D, Systems()[0]);
    EXPECT_EQ(R().AMacroObject3D.Objects(), (std::vector<IModelObjectPtr>{Systems()[0]}));
    EXPECT_EQ(Journal().Calls("ITervanDocument3D::SetInActiveLocalSystem").front().Arguments,
              (std::vector<std::string>{"false"}));
    EXPECT_EQ(Journal().Calls("ISystemSettings::SetQuietCreation").front().Arguments,
              (std::vector<std::string>{"true"}));
    EXPECT_TRUE(InActive());
    EXPECT_FALSE(Settings().QuietCreation());

    // No name: none is given; an empty one is passed as it is.
    Journal().Clear();
    Make(nullptr, false);
    EXPECT_EQ(Journal().Count("IModelObject::SetName"), 0u);
    TString empty;
    Make(&empty, false);
    EXPECT_EQ(Journal().Count("IModelObject::SetName"), 1u);
    EXPECT_EQ(Systems().size(), 3u);
}

// The matrix form takes the origin from the fourth row and is made in the active system
// whatever it is given.
TEST_F(TModelerApiLocalSystemTest, MatrixFormOfTheIdentityIsTheModelsAxesInTheActiveSystem)
{
    OpenPart();
    MA.drMtr3D(TMtr3D(), nullptr, true);
    ASSERT_EQ(Systems().size(), 1u);
    EXPECT_EQ(Matrix(Systems()[0]), (std::vector<double>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Journal().Calls("ITervanDocument3D::SetInActiveLocalSystem").front().Arguments,
              (std::vector<std::string>{"true"}));
}

// Without a part, its container or a new system nothing is made: Obj3D and both settings as
// before; without the settings or a 3D document the settings are not even read.
TEST_F(TModelerApiLocalSystemTest, MissingPartOrCollectionLeavesSettingsAndObj3DUnchanged)
{
    OpenPart();
    const IModelObjectPtr before = MA.drDefault(o3d_planeXOY);
    R().Obj3D = before;
    Settings().SetQuietCreation(true);
    tvhost::HostAs<tvhost::THostDocument3D>(R().IDoc)->SetInActiveLocalSystem(false);
    const IPartPtr part = R().Part;
    R().Part = nullptr;
    Make(nullptr, true);
    R().Part = part;
    for (const char* op :
         {"IAuxiliaryGeomContainer::GetLocalCoordinateSystems", "ILocalCoordinateSystems::Add"}) {
        SCOPED_TRACE(op);
        InjectFault(op);
        Make(nullptr, true);
    }
    EXPECT_TRUE(Systems().empty());
    EXPECT_EQ(R().Obj3D, before);
    EXPECT_TRUE(Settings().QuietCreation());
    EXPECT_FALSE(InActive());

    Journal().Clear();
    R().SystemSettings = nullptr;
    Make(nullptr, true);
    R().SystemSettings = Application()->GetSystemSettings();
    R().IDoc = Open(tvDocumentDrawing);
    Make(nullptr, true);
    EXPECT_EQ(Journal().Count("ISystemSettings::GetQuietCreation"), 0u);
    EXPECT_EQ(R().Obj3D, before);
}

// An update that throws shows "Error drMtr3D" and publishes nothing; the settings are back.
TEST_F(TModelerApiLocalSystemTest, ThrowingUpdateShowsErrorAndPublishesNothing)
{
    OpenPart();
    testsinks::TRecordingHost host;
    R().Obj3D = MA.drDefault(o3d_planeXOY);
    R().AMacroObject3D.Push(ITervanAPIObjectPtr(R().Part));
    InjectFault("IModelObject::Update", tvhost::fkThrow);
    Make(nullptr, true);
    EXPECT_EQ(host.Boxes, (std::vector<std::string>{"Error drMtr3D"}));
    EXPECT_FALSE(R().Obj3D);
    EXPECT_TRUE(R().AMacroObject3D.Objects().empty());
    EXPECT_TRUE(InActive());
    EXPECT_FALSE(Settings().QuietCreation());
}

// Any other host exception passes on, with both settings given back all the same.
TEST_F(TModelerApiLocalSystemTest, OtherHostExceptionPassesOnWithTheSettingsBack)
{
    OpenPart();
    testsinks::TRecordingHost host;
    InjectFault("ILocalCoordinateSystem::SetMatrix3D", tvhost::fkThrow);
    EXPECT_THROW(Make(nullptr, true), tvhost::TInjectedFault);
    EXPECT_TRUE(host.Boxes.empty());
    EXPECT_TRUE(InActive());
    EXPECT_FALSE(Settings().QuietCreation());
}

// Moving: a system gets the new matrix and is Obj3D; anything else, or a throwing host, is false.
TEST_F(TModelerApiLocalSystemTest, UpdateMovesASystemAndRefusesOtherObjects)
{
    OpenPart();
    Make(nullptr, true);
    const IModelObjectPtr system = R().Obj3D;
    R().Obj3D = nullptr;
    EXPECT_TRUE(MA.drUpdateMtr3D(system, TPoint3D(5, 6, 7), TVector3D(1, 0, 0), TVector3D(0, 0, 1),
                                 TVector3D(0, -1, 0)));
    EXPECT_EQ(Matrix(system), (std::vector<double>{1, 0, 0, 0, 0, 0, 1, 0, 0, -1, 0, 0, 5, 6, 7, 1}));
    EXPECT_EQ(R().Obj3D, system);

    const IModelObjectPtr plane = MA.drDefault(o3d_planeXOY);
    EXPECT_FALSE(
        MA.drUpdateMtr3D(plane, TPoint3D(), TVector3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(0, 0, 1)));
    EXPECT_FALSE(MA.drUpdateMtr3D(IModelObjectPtr(), TPoint3D(), TVector3D(), TVector3D(), TVector3D()));
    EXPECT_EQ(R().Obj3D, system);
    InjectFault("ILocalCoordinateSystem::SetMatrix3D", tvhost::fkThrow);
    EXPECT_FALSE(
        MA.drUpdateMtr3D(system, TPoint3D(), TVector3D(1, 0, 0), TVector3D(0, 1, 0), TVector3D(0, 0, 1)));
    EXPECT_EQ(Matrix(system)[12], 5.0);
}
