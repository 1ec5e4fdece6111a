// Components in components: a nested component's bodies stand where every assembly on the way
// puts them and follow each one that moves, points convert from any depth into any assembly
// that holds the part, mates of default planes move the component they place, and a part's
// own variables survive its file.

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "HostAssembly.h"
#include "HostDocuments.h"
#include "HostFixture.h"
#include "HostPart.h"
#include "HostText.h"
#include "SpecialFiles.h"
#include "tvapi/AuxiliaryGeometry.h"

using namespace tvapi;

namespace {

class HostAssemblyFrameTest : public HostFixture {
protected:
    // The test's files, in a folder of its own that goes with the test.
    specialfiles::TFolder FFolder;
    std::wstring Temp(const std::string& name) const { return tvhost::FromUtf8(FFolder / name); }
    tvhost::THostDocuments& Documents() { return Host().App().Documents(); }
    static tvhost::THostDocument3D& Model(const ITervanDocumentPtr& doc)
    {
        return *tvhost::HostAs<tvhost::THostDocument3D>(doc);
    }
    static tvhost::THostPart& PartOf(const IPartPtr& p) { return *tvhost::HostAs<tvhost::THostPart>(p); }
    // A 10 x 20 x 5 box part saved as `name`; its file name.
    std::wstring BoxFile(const std::string& name)
    {
        const ITervanDocumentPtr part = Documents().AddDocument(tvDocumentPart);
        Model(part).TopPart().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5));
        EXPECT_TRUE(part->SaveAs(Temp(name).c_str()));
        part->Close(kdDoNotSaveChanges);
        return Temp(name);
    }
    static void Place(const IPartPtr& part, const tvhost::TXyz& origin, const tvhost::TXyz& x,
                      const tvhost::TXyz& y)
    {
        const IPlacement3DPtr place = part->GetPlacement();
        place->SetOrigin(origin[0], origin[1], origin[2]);
        place->SetAxis(o3d_axisOX, x[0], x[1], x[2]);
        place->SetAxis(o3d_axisOY, y[0], y[1], y[2]);
        ASSERT_TRUE(part->UpdatePlacement(true));
    }
    static void ExpectNear(const tvhost::TXyz& a, const tvhost::TXyz& b)
    {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(a[i], b[i], 1e-9) << "coordinate " << i;
    }
    static IMateConstraint3DPtr Mate(const ITervanDocumentPtr& doc, MateConstraintType type,
                                     const IModelObjectPtr& a, const IModelObjectPtr& b, int direction,
                                     double value)
    {
        const IMateConstraint3DPtr mate = Model(doc).GetMateConstraints()->AddMateConstraint(type);
        mate->SetBaseObject(1, a);
        mate->SetBaseObject(2, b);
        mate->SetDirection(direction);
        mate->SetDistance(value);
        EXPECT_TRUE(IModelObjectPtr(mate)->Update());
        return mate;
    }
};

} // namespace

TEST_F(HostAssemblyFrameTest, NestedComponentFollowsItsAssemblyAndConvertsItsPoints)
{
    const std::wstring box = BoxFile("nested-box.qpt");
    const ITervanDocumentPtr sub = Documents().AddDocument(tvDocumentAssembly);
    const IPartPtr inner = Model(sub).TopPart().GetParts()->AddFromFile(box.c_str(), true, true);
    Place(inner, {0, 0, 5}, {1, 0, 0}, {0, 1, 0});
    ASSERT_TRUE(sub->SaveAs(Temp("nested-sub.qas").c_str()));
    sub->Close(kdDoNotSaveChanges);

    const ITervanDocumentPtr top = Documents().AddDocument(tvDocumentAssembly);
    tvhost::THostPart& assembly = Model(top).TopPart();
    const IPartPtr middle = assembly.GetParts()->AddFromFile(Temp("nested-sub.qas").c_str(), true, true);
    ASSERT_TRUE(middle);
    tvhost::THostPart& nested = *PartOf(middle).Components().at(0);
    EXPECT_EQ(nested.Parent(), &PartOf(middle));
    EXPECT_EQ(PartOf(middle).Parent(), &assembly);
    EXPECT_NEAR(tvhost::BoxOf(nested.Bodies().at(0)->Shape())[2], 5.0, 1e-9);

    // The sub-assembly goes to (100, 0, 0) turned a quarter about Z: (x, y) -> (100 - y, x).
    Place(middle, {100, 0, 0}, {0, 1, 0}, {-1, 0, 0});
    const std::array<double, 6> moved = tvhost::BoxOf(nested.Bodies().at(0)->Shape());
    const std::array<double, 6> wanted{80, 0, 5, 100, 10, 10};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(moved[i], wanted[i], 1e-9) << i;
    ExpectNear(nested.AssemblyFrame().Origin, {100, 0, 5});

    tvhost::TXyz corner{10, 20, 5};
    ASSERT_TRUE(nested.PointInto(assembly, corner));
    ExpectNear(corner, {80, 10, 10});
    tvhost::TXyz inSub{10, 20, 5};
    ASSERT_TRUE(nested.PointInto(PartOf(middle), inSub));
    ExpectNear(inSub, {10, 20, 10});
    tvhost::TXyz own{1, 2, 3};
    ASSERT_TRUE(nested.PointInto(nested, own));
    ExpectNear(own, {1, 2, 3});
    // The converted corner is a vertex of the body where the host shows it.
    bool found = false;
    for (const IModelObjectPtr& v : ObjectsOf(IModelObjectPtr(nested.Bodies().at(0)), o3d_vertex)) {
        double x = 0, y = 0, z = 0;
        IVertexPtr(v)->GetPoint(x, y, z);
        found = found || (std::abs(x - 80) < 1e-9 && std::abs(y - 10) < 1e-9 && std::abs(z - 10) < 1e-9);
    }
    EXPECT_TRUE(found);

    // A part that the assembly does not hold converts nothing.
    tvhost::TXyz stays{1, 2, 3};
    EXPECT_FALSE(assembly.PointInto(nested, stays));
    ExpectNear(stays, {1, 2, 3});

    // Taken out of the assembly, it stands at its own frame again.
    EXPECT_TRUE(top->DeleteObjects({ITervanAPIObjectPtr(middle)}));
    EXPECT_EQ(PartOf(middle).Parent(), nullptr);
    ExpectNear(PartOf(middle).AssemblyFrame().Origin, {100, 0, 0});
}

TEST_F(HostAssemblyFrameTest, MatesOfDefaultPlanesMoveTheComponentTheyPlace)
{
    const std::wstring box = BoxFile("mated-box.qpt");
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentAssembly);
    tvhost::THostPart& top = Model(doc).TopPart();
    const IPartPtr a = top.GetParts()->AddFromFile(box.c_str(), true, true);
    const IPartPtr b = top.GetParts()->AddFromFile(box.c_str(), true, true);
    auto plane = [](const IPartPtr& p, tvObj3dTypeEnum kind) {
        return IAuxiliaryGeomContainerPtr(p)->GetDefaultObject(kind);
    };
    const IModelObjectPtr topYOZ = top.AuxGeometry().Default(o3d_planeYOZ);

    // Along the first plane's normal: YOZ's is -X.
    Mate(doc, mc_Distance, topYOZ, plane(b, o3d_planeYOZ), 1, 25);
    ExpectNear(PartOf(b).Frame().Origin, {-25, 0, 0});
    EXPECT_NEAR(tvhost::BoxOf(PartOf(b).Bodies().at(0)->Shape())[0], -25.0, 1e-9);
    Mate(doc, mc_Distance, topYOZ, plane(b, o3d_planeYOZ), tvMCAlignmentOpposite, 25);
    ExpectNear(PartOf(b).Frame().Origin, {25, 0, 0});
    // The top part's plane second: the component of the first plane moves, the other way.
    Mate(doc, mc_Distance, plane(a, o3d_planeXOZ), top.AuxGeometry().Default(o3d_planeXOZ), 1, 7);
    ExpectNear(PartOf(a).Frame().Origin, {0, -7, 0});

    // An expression of the assembly's variables drives the distance; one that does not
    // evaluate leaves the value.
    top.AddVariable(L"L", 20, L"");
    const IMateConstraint3DPtr driven = Mate(doc, mc_Distance, topYOZ, plane(b, o3d_planeYOZ), 1, 20);
    tvhost::THostVariable& distance = *tvhost::HostAs<tvhost::THostMate>(driven)->Variable();
    distance.SetExpression(L"-(L)");
    EXPECT_EQ(tvhost::HostAs<tvhost::THostMate>(driven)->Value(), -20.0);
    ExpectNear(PartOf(b).Frame().Origin, {20, 0, 0});
    distance.SetExpression(L"-(L + Q)");
    EXPECT_EQ(distance.Value(), -20.0);
    distance.SetExpression(L"(L * 2 - 5) / 5");
    ExpectNear(PartOf(b).Frame().Origin, {-7, 0, 0});
    distance.SetExpression(L"L / (L - 20)");
    ExpectNear(PartOf(b).Frame().Origin, {-7, 0, 0});
    Mate(doc, mc_Coincidence, plane(a, o3d_planeYOZ), plane(b, o3d_planeYOZ), 1, 0);
    ExpectNear(PartOf(b).Frame().Origin, {0, 0, 0});
    // Planes that are not parallel, and objects that are no default planes, move nothing.
    Mate(doc, mc_Distance, topYOZ, plane(b, o3d_planeXOY), 1, 40);
    const IModelObjectPtr face = ObjectsOf(IModelObjectPtr(PartOf(b).Bodies().at(0)), o3d_face).at(0);
    Mate(doc, mc_Distance, topYOZ, face, 1, 40);
    ExpectNear(PartOf(b).Frame().Origin, {0, 0, 0});
    // An angle is kept, not solved.
    Mate(doc, mc_Angle, topYOZ, plane(b, o3d_planeYOZ), 1, 30);
    ExpectNear(PartOf(b).Frame().Origin, {0, 0, 0});

    // A closed document's mates no longer solve, and nothing breaks.
    const IMateConstraint3DPtr kept(Model(doc).Mates().at(0));
    doc->Close(kdDoNotSaveChanges);
    kept->SetBaseObject(1, plane(a, o3d_planeYOZ));
    kept->SetBaseObject(2, plane(b, o3d_planeYOZ));
    EXPECT_TRUE(IModelObjectPtr(kept)->Update());
}

TEST_F(HostAssemblyFrameTest, NestedComponentMatedToTheTopPlaneMovesInsideItsAssembly)
{
    const std::wstring box = BoxFile("deep-box.qpt");
    const ITervanDocumentPtr sub = Documents().AddDocument(tvDocumentAssembly);
    ASSERT_TRUE(Model(sub).TopPart().GetParts()->AddFromFile(box.c_str(), true, true));
    ASSERT_TRUE(sub->SaveAs(Temp("deep-sub.qas").c_str()));
    sub->Close(kdDoNotSaveChanges);
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentAssembly);
    tvhost::THostPart& top = Model(doc).TopPart();
    const IPartPtr middle = top.GetParts()->AddFromFile(Temp("deep-sub.qas").c_str(), true, true);
    Place(middle, {0, 50, 0}, {0, 1, 0}, {-1, 0, 0});
    tvhost::THostPart& nested = *PartOf(middle).Components().at(0);
    const IModelObjectPtr nestedXOZ = nested.AuxGeometry().Default(o3d_planeXOZ);
    // Turned with the sub-assembly, the nested part's XOZ (normal +Y) faces the assembly's -X,
    // as the top YOZ does: the part moves along its own +Y inside the sub-assembly.
    Mate(doc, mc_Distance, top.AuxGeometry().Default(o3d_planeYOZ), nestedXOZ, 1, 12);
    ExpectNear(nested.AssemblyFrame().Origin, {-12, 50, 0});
    ExpectNear(nested.Frame().Origin, {0, 12, 0});
    ExpectNear(PartOf(middle).Frame().Origin, {0, 50, 0});
    const IModelObjectPtr middleXOZ = PartOf(middle).AuxGeometry().Default(o3d_planeXOZ);
    Mate(doc, mc_Distance, middleXOZ, nestedXOZ, 1, 3);
    ExpectNear(nested.AssemblyFrame().Origin, {-3, 50, 0});
    // The sub-assembly would carry the plane it is mated to: nothing moves.
    Mate(doc, mc_Distance, nestedXOZ, middleXOZ, 1, 9);
    ExpectNear(nested.AssemblyFrame().Origin, {-3, 50, 0});
    ExpectNear(PartOf(middle).Frame().Origin, {0, 50, 0});
}

TEST_F(HostAssemblyFrameTest, PartVariablesAreFoundSetLinkedAndKeptInTheFile)
{
    const ITervanDocumentPtr doc = Documents().AddDocument(tvDocumentPart);
    const IPartPtr part = ITervanDocument3DPtr(doc)->GetTopPart();
    const IVariablePtr length = part->AddVariable(L"L", 40, L"Длина");
    ASSERT_TRUE(length);
    EXPECT_FALSE(part->AddVariable(L"L", 1, L"")); // one of that name already
    EXPECT_FALSE(part->AddVariable(L"", 1, L""));
    const IVariablePtr height = part->AddVariable(L"H", 20, nullptr);
    const IFeaturePtr feature{IModelObjectPtr(part)};
    EXPECT_TRUE(feature->GetVariable(false, false, L"L") == length);
    EXPECT_FALSE(feature->GetVariable(false, false, L"l"));
    height->SetValue(22.5);
    height->SetExpression(L"L/2");
    height->SetNote(L"Высота");
    EXPECT_TRUE(length->SetLink(L"base.qas", L"L0"));
    EXPECT_FALSE(height->SetLink(L"", L"H"));
    length->SetExternal(true);
    ASSERT_TRUE(doc->SaveAs(Temp("variables.qpt").c_str()));
    doc->Close(kdDoNotSaveChanges);

    const ITervanDocumentPtr again = Documents().Open(Temp("variables.qpt").c_str(), false, false);
    ASSERT_TRUE(again) << Documents().OpenError();
    const auto variables = Model(again).TopPart().Variables();
    ASSERT_EQ(variables.size(), 2u);
    const auto& l = *tvhost::HostAs<tvhost::THostVariable>(variables[0]);
    const auto& h = *tvhost::HostAs<tvhost::THostVariable>(variables[1]);
    EXPECT_EQ(l.Name(), L"L");
    EXPECT_EQ(l.Value(), 40.0);
    EXPECT_EQ(l.Note(), L"Длина");
    EXPECT_TRUE(l.External());
    EXPECT_EQ(l.LinkDocument(), L"base.qas");
    EXPECT_EQ(l.LinkVariable(), L"L0");
    EXPECT_EQ(h.Value(), 22.5);
    EXPECT_EQ(h.Expression(), L"L/2");
    EXPECT_EQ(h.Note(), L"Высота");
    EXPECT_FALSE(h.External());
    EXPECT_TRUE(h.LinkDocument().empty());
}
