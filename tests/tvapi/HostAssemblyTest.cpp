// Part and assembly documents of the stand-in host as files: a part's bodies come back with
// the same entities, an assembly reads its components from their files, places them and
// weighs them, and keeps its mates until they are deleted.

#include "HostAssembly.h"

#include <gtest/gtest.h>

#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostText.h"

using namespace tvapi;

namespace {

std::wstring Temp(const std::string& name)
{
    return tvhost::FromUtf8(::testing::TempDir() + name);
}

// Every vertex point of the part's first body, in the part's order.
std::vector<double> Corners(tvhost::THostPart& part)
{
    std::vector<double> all;
    for (const IModelObjectPtr& v : ObjectsOf(IModelObjectPtr(part.Bodies().at(0)), o3d_vertex)) {
        double x = 0, y = 0, z = 0;
        IVertexPtr(v)->GetPoint(x, y, z);
        all.insert(all.end(), {x, y, z});
    }
    return all;
}

} // namespace

class HostAssemblyTest : public HostFixture {
protected:
    tvhost::THostDocuments& Documents() { return Host().App().Documents(); }
    tvhost::THostDocument3D& Model(const ITervanDocumentPtr& doc)
    {
        return *tvhost::HostAs<tvhost::THostDocument3D>(doc);
    }
};

TEST_F(HostAssemblyTest, BoxPartSavedReopenedAndInsertedTwiceKeepsItsEntitiesAndMass)
{
    const ITervanDocumentPtr part = Documents().AddDocument(tvDocumentPart);
    tvhost::THostPart& box = Model(part).TopPart();
    box.SetNameDirect(L"Брусок");
    box.AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5))->Color().Color = 0x123456;
    const std::vector<double> corners = Corners(box);
    ASSERT_TRUE(part->SaveAs(Temp("box.qpt").c_str()));
    ASSERT_TRUE(part->Close(kdDoNotSaveChanges));

    const ITervanDocumentPtr reopened = Documents().Open(Temp("box.qpt").c_str(), true, false);
    ASSERT_TRUE(reopened) << Documents().OpenError();
    tvhost::THostPart& again = Model(reopened).TopPart();
    EXPECT_EQ(again.Name(), L"Брусок");
    ASSERT_EQ(again.Bodies().size(), 1u);
    EXPECT_NEAR(again.Bodies()[0]->Volume(), 1000.0, 1e-9);
    EXPECT_EQ(again.Bodies()[0]->Color().Color, 0x123456);
    EXPECT_EQ(Corners(again), corners);
    const double partMass = again.GetMass();
    EXPECT_NEAR(partMass, 1000 * tvhost::DefaultDensity, 1e-15);

    const ITervanDocumentPtr assembly = Documents().AddDocument(tvDocumentAssembly);
    const IPartPtr top = ITervanDocument3DPtr(assembly)->GetTopPart();
    const IPartsPtr parts = top->GetParts();
    const IPartPtr first = parts->AddFromFile(Temp("box.qpt").c_str(), true, true);
    const IPartPtr second = parts->AddFromFile(Temp("box.qpt").c_str(), true, true);
    ASSERT_TRUE(first && second);
    EXPECT_FALSE(parts->AddFromFile(Temp("absent.qpt").c_str(), true, true));
    EXPECT_EQ(parts->GetCount(), 2);
    EXPECT_NEAR(top->GetMass(), 2 * partMass, 1e-15);

    // The second one stands on the first.
    const IPlacement3DPtr place = second->GetPlacement();
    place->SetOrigin(0, 0, 5);
    EXPECT_TRUE(second->UpdatePlacement(true));
    auto* secondPart = tvhost::HostAs<tvhost::THostPart>(second);
    EXPECT_NEAR(tvhost::BoxOf(secondPart->Bodies()[0]->Shape())[5], 10.0, 1e-9);

    const IMateConstraints3DPtr mates = Model(assembly).GetMateConstraints();
    ASSERT_TRUE(mates);
    EXPECT_FALSE(Model(part).GetMateConstraints());
    const IMateConstraint3DPtr mate = mates->AddMateConstraint(mc_Distance);
    mate->SetBaseObject(
        1, ObjectsOf(IModelObjectPtr(tvhost::HostAs<tvhost::THostPart>(first)->Bodies()[0]), o3d_face)[0]);
    EXPECT_FALSE(IModelObjectPtr(mate)->Update()); // one object yet
    mate->SetBaseObject(2, ObjectsOf(IModelObjectPtr(secondPart->Bodies()[0]), o3d_face)[0]);
    mate->SetDistance(5);
    EXPECT_TRUE(IModelObjectPtr(mate)->Update());
    const auto variables = IModelObjectPtr(mate)->GetFeature()->GetVariables(false, false);
    ASSERT_EQ(variables.size(), 1u);
    EXPECT_EQ(variables[0]->GetValue(), 5.0);

    ASSERT_TRUE(assembly->SaveAs(Temp("pair.qas").c_str()));
    std::string error;
    const tvhost::THostPartPtr read = tvhost::ReadPartFile(Temp("pair.qas"), error);
    ASSERT_TRUE(read) << error;
    ASSERT_EQ(read->Components().size(), 2u);
    EXPECT_EQ(read->Components()[1]->Frame().Origin, (tvhost::TXyz{0, 0, 5}));
    EXPECT_NEAR(read->Mass(), 2 * partMass, 1e-15);

    EXPECT_TRUE(assembly->DeleteObjects({ITervanAPIObjectPtr(mate), ITervanAPIObjectPtr(second)}));
    EXPECT_EQ(mates->GetCount(), 0);
    EXPECT_EQ(parts->GetCount(), 1);
    EXPECT_FALSE(IModelObjectPtr(mate)->GetFeature()->Delete()); // gone already
}

TEST_F(HostAssemblyTest, PartFilesThatCannotBeReadInsertNothing)
{
    const ITervanDocumentPtr drawing = Documents().AddDocument(tvDocumentDrawing);
    ASSERT_TRUE(drawing->SaveAs(Temp("sheet.qdr").c_str()));
    std::string error;
    EXPECT_FALSE(tvhost::ReadPartFile(Temp("sheet.qdr"), error));
    EXPECT_EQ(error, "not a part or an assembly");

    // An assembly is never added to itself, nor one that holds it: it would include itself.
    const ITervanDocumentPtr assembly = Documents().AddDocument(tvDocumentAssembly);
    ASSERT_TRUE(assembly->SaveAs(Temp("self.qas").c_str()));
    EXPECT_FALSE(Model(assembly).TopPart().GetParts()->AddFromFile(Temp("self.qas").c_str(), false, true));
    const ITervanDocumentPtr outer = Documents().AddDocument(tvDocumentAssembly);
    ASSERT_TRUE(Model(outer).TopPart().GetParts()->AddFromFile(Temp("self.qas").c_str(), false, true));
    ASSERT_TRUE(outer->SaveAs(Temp("outer.qas").c_str()));
    EXPECT_FALSE(Model(assembly).TopPart().GetParts()->AddFromFile(Temp("outer.qas").c_str(), false, true));
    EXPECT_EQ(Model(assembly).TopPart().GetParts()->GetCount(), 0);
}

// A part lists its bodies, sketches and its bodies' faces in the order of the kinds asked; a
// sketch is no feature and lies on no plane. Its document keeps the model and its material
// properties.
TEST_F(HostAssemblyTest, PartListsBodiesAndSketchesByKindAndKeepsItsPropertiesWithTheModel)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    tvhost::THostPart& part = Model(doc).TopPart();
    const tvhost::THostBodyPtr body = part.AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
    tvhost::THostSketch& sketch = part.AddSketch(L"Эскиз");
    const IModelObjectPtr asObject(IPartPtr(Model(doc).GetTopPart()));
    const auto listed = asObject->GetFeature()->GetModelObjects({o3d_sketch, o3d_face, o3d_body});
    ASSERT_EQ(listed.size(), 8u);
    EXPECT_EQ(IAPIObjectPtr(listed[0]).Get(), IAPIObjectPtr(ISketchPtr(&sketch)).Get());
    EXPECT_TRUE(listed[1] == ObjectsOf(IModelObjectPtr(body), o3d_face).at(0));
    EXPECT_EQ(listed[6]->GetObjectType(), o3d_face);
    EXPECT_EQ(IAPIObjectPtr(listed[7]).Get(), IAPIObjectPtr(IModelObjectPtr(body)).Get());
    EXPECT_EQ(listed[0]->GetName(), L"Эскиз");
    EXPECT_TRUE(listed[0]->GetFeature()) << "a sketch is a feature: it lists its variables";
    EXPECT_FALSE(ISketchPtr(listed[0])->GetPlane());

    auto& properties = Model(doc).Data().Properties.Items;
    properties[tvhost::TDocumentProperties::Density] = {{}, {7850}, L""};
    ASSERT_TRUE(doc->SaveAs(Temp("keeps.qpt").c_str()));
    ASSERT_TRUE(doc->Close(kdDoNotSaveChanges));
    const ITervanDocumentPtr reopened = Documents().Open(Temp("keeps.qpt").c_str(), true, false);
    ASSERT_TRUE(reopened) << Documents().OpenError();
    EXPECT_EQ(Model(reopened).Data().Properties.Items.at(10).Reals, std::vector<double>{7850});
    EXPECT_EQ(Model(reopened).TopPart().Bodies().size(), 1u);
}
