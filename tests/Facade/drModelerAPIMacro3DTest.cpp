// The facade's 3D macros and user objects against the stand-in: nested macros that receive
// the features made at their depth, the stops without a part or a new macro, and user objects
// that carry the library's names.

#include "FacadeFixture.h"

#include "tvapi/DrawingPrimitives.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;
using drApi::MA;

class drModelerAPIMacro3DTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
    }
    // A feature that the host makes (it cannot be built without a sketch).
    static IModelObjectPtr Feature()
    {
        MA.drExtrusion(dtNormal, etBlind, 1, 0, true, tvOperationUnion);
        return R().Obj3D;
    }
    static std::vector<IAPIObject*> Members(const IModelObjectPtr& macro)
    {
        std::vector<IAPIObject*> out;
        for (const IModelObjectPtr& o : IMacroObject3DPtr(macro)->GetObjects())
            out.push_back(IAPIObjectPtr(o).Get());
        return out;
    }
    static IAPIObject* Of(const IModelObjectPtr& p) { return IAPIObjectPtr(p).Get(); }
    IModelObjectPtr Macro(int i)
    {
        return IModelObjectPtr(IModelContainerPtr(R().Part)->GetMacroObjects3D()->GetItem(i));
    }
};

// Open A; f1; f2; open B; f3; close B; f4; close A: B = {f3}, A = {f1, f2, B, f4}.
TEST_F(drModelerAPIMacro3DTest, NestedMacrosReceiveTheFeaturesOfTheirDepth)
{
    MA.drMacro3D("A", true);
    const IModelObjectPtr f1 = Feature(), f2 = Feature();
    MA.drMacro3D("B", false);
    const IModelObjectPtr f3 = Feature();
    MA.drEndMacro3D();
    const IModelObjectPtr f4 = Feature();
    MA.drEndMacro3D();

    const IModelObjectPtr a = Macro(0), b = Macro(1);
    EXPECT_EQ(a->GetName(), L"A");
    EXPECT_EQ(b->GetName(), L"B");
    EXPECT_EQ(Members(b), std::vector<IAPIObject*>{Of(f3)});
    EXPECT_EQ(Members(a), (std::vector<IAPIObject*>{Of(f1), Of(f2), Of(b), Of(f4)}));
    EXPECT_EQ(R().AMacroObject3D.Count, 0);
    EXPECT_EQ(R().AMacroObject3D.AObjects.Count, 0);
    EXPECT_EQ(R().Obj3D.Get(), f4.Get()); // closing a macro leaves the last object
    EXPECT_EQ(Journal().Count("IModelObject::Update"), 4u + 2u);
    EXPECT_EQ(Journal().Calls("IMacroObject3D::SetStaffVisible").at(0).Arguments.at(0), "true");
}

// An empty inner macro gets no members and leaves the outer level's records.
TEST_F(drModelerAPIMacro3DTest, EmptyMacroKeepsTheEnclosingRecords)
{
    MA.drMacro3D("A", false);
    const IModelObjectPtr f1 = Feature();
    MA.drMacro3D("B", false);
    MA.drEndMacro3D();
    EXPECT_TRUE(Members(Macro(1)).empty());
    const IModelObjectPtr f2 = Feature();
    MA.drEndMacro3D();
    EXPECT_EQ(Members(Macro(0)), (std::vector<IAPIObject*>{Of(f1), Of(Macro(1)), Of(f2)}));
}

// A macro the host does not make is not opened: the next close closes the one around it, and
// a close with none open changes nothing.
TEST_F(drModelerAPIMacro3DTest, MacroNotMadeIsNotOpened)
{
    MA.drMacro3D("A", false);
    const IPartPtr part = R().Part;
    R().Part.Reset();
    MA.drMacro3D("lost", false);
    R().Part = part;
    InjectFault("IMacroObjects3D::Add");
    MA.drMacro3D("refused", false);
    EXPECT_EQ(R().AMacroObject3D.Count, 1);
    const IModelObjectPtr f1 = Feature();
    MA.drEndMacro3D();
    EXPECT_EQ(Members(Macro(0)), std::vector<IAPIObject*>{Of(f1)});
    Journal().Clear();
    MA.drEndMacro3D();
    EXPECT_EQ(Journal().Count("IMacroObject3D::SetObjects"), 0u);
    EXPECT_EQ(IModelContainerPtr(part)->GetMacroObjects3D()->GetCount(), 1);
}

// drPlugin: a user object operation with the identifier, the library's file name, an empty
// second name and the command; drPluginWF: a wire frame with the full path and the file name.
TEST_F(drModelerAPIMacro3DTest, PluginObjectsCarryTheLibraryNames)
{
    R().FileName = "libDimChain";
    R().PathFileName = "/opt/lib/libDimChain.plx";
    const IModelObjectPtr op = MA.drPlugin("{GUID-1}", 7);
    ASSERT_TRUE(op);
    EXPECT_EQ(op.Get(), R().Obj3D.Get());
    EXPECT_EQ(op->GetObjectType(), o3d_UserObjectOperation);
    const IUserParametersPtr p(op);
    EXPECT_EQ(p->GetIdentifier(), L"{GUID-1}");
    EXPECT_EQ(p->GetFileName(), L"libDimChain");
    EXPECT_EQ(p->GetLibraryName(), L"");
    EXPECT_EQ(p->GetCommand(), 7);

    const IModelObjectPtr wf = MA.drPluginWF("{GUID-2}", 9);
    ASSERT_TRUE(wf);
    EXPECT_EQ(wf->GetObjectType(), o3d_UserWireFrame3D);
    const IUserParametersPtr q(wf);
    EXPECT_EQ(q->GetIdentifier(), L"{GUID-2}");
    EXPECT_EQ(q->GetFileName(), L"/opt/lib/libDimChain.plx");
    EXPECT_EQ(q->GetLibraryName(), L"libDimChain");
    EXPECT_EQ(q->GetCommand(), 9);
    EXPECT_EQ(IModelContainerPtr(R().Part)->GetUserObjects3D()->GetCount(), 2);
}

// Without a part or a new object, both empty Obj3D and answer empty.
TEST_F(drModelerAPIMacro3DTest, PluginWithoutPartOrObjectIsEmpty)
{
    R().Obj3D = Feature();
    InjectFault("IUserObjects3D::Add");
    EXPECT_FALSE(MA.drPlugin("x", 1));
    EXPECT_FALSE(R().Obj3D);
    R().Obj3D = Feature();
    R().Part.Reset();
    EXPECT_FALSE(MA.drPluginWF("x", 1));
    EXPECT_FALSE(R().Obj3D);
}
