// TMeshDraw over a stand-in part document: the presets and the marker, what each fill sends
// to the host and in which order, and how entries are reserved, removed and cleared.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "HostDocuments.h"
#include "HotPoint.h"
#include "TestPanel.h"

namespace {

class TMeshDrawTest : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        Doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
        TM() = tvapi::IExternalTessellationManagerPtr(Doc);
        Store = &As<tvhost::THostDocument3D>(Doc).Tessellation();
    }
    void TearDown() override
    {
        Doc.Reset();
        TPanelFixture::TearDown();
    }
    static tvapi::IExternalTessellationManagerPtr& TM() { return drApi::MA.R3->ITessellationMng; }
    // The operations sent to tessellation objects since the last clear, ids asked left out.
    std::vector<std::string> MeshCalls() const
    {
        std::vector<std::string> calls;
        for (const auto& e : tvhost::Journal().Entries())
            if (e.Operation.starts_with("IExternalTessellationObject::") && !e.Operation.ends_with("::GetId"))
                calls.push_back(e.Text().substr(std::string("IExternalTessellationObject::").size()));
        return calls;
    }
    static TMeshApi EdgeMesh()
    {
        TMeshApi m;
        m.Type = TMeshID::otEdge;
        m.P = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
        m.IE = {4, 0, 1, 2, 3};
        m.CE.Color = 0x00FF00;
        return m;
    }

    tvapi::ITervanDocumentPtr Doc;
    tvhost::TTessellationStore* Store = nullptr;
};

TEST_F(TMeshDrawTest, ConstructionGivesThePresetsTheRedMarkerAndTwoReservedSlots)
{
    TMeshDraw md(TM(), 2);
    EXPECT_EQ(md.CF.Color, 0x3F0000u);
    EXPECT_EQ(std::vector<double>({md.CF.Ambient, md.CF.Diffuse, md.CF.Specularity, md.CF.Shininess,
                                   md.CF.Transparency, md.CF.Emission}),
              std::vector<double>({0.5, 0.6, 0.8, 0.8, 0.2, 0.5}));
    EXPECT_EQ(md.CE2.Color, 0u);
    EXPECT_EQ(md.CE2.Emission, 1.0);
    // Id 0 names no object: a reserved slot is not taken out by Remove(0).
    md.Remove(0);
    EXPECT_EQ(md.AObjectID.Count, 2);
    EXPECT_EQ(tvhost::Journal().Count("IExternalTessellationManager::DeleteObjects"), 0u);
    // The cube of edge 1 scaled by 2: every coordinate is -1 or 1.
    ASSERT_EQ(md.V.P.size(), 48u * 3);
    EXPECT_EQ(md.V.IP.size(), 36u);
    for (const float c : md.V.P)
        EXPECT_EQ(std::abs(c), 1.0f);
    EXPECT_EQ(md.V.CF.Color, 255u);
    EXPECT_EQ(md.V.CF.Transparency, 1.0);
    EXPECT_EQ(md.V.CE.Color, 255u);
    EXPECT_TRUE(md.V.NonScaleble);
    EXPECT_FALSE(md.V.NonPickable);
    EXPECT_TRUE(md.V.DisableDepthTest);
    md.ReserveCount(20);
    md.ReserveCount(1);
    EXPECT_EQ(md.AObjectID.Count, 20);
}

// A 4-point edge mesh: one colour and one attribute per coordinate, 12 of each.
TEST_F(TMeshDrawTest, AnEdgeMeshSendsOneColourAndAttributePerCoordinate)
{
    TMeshDraw md(TM(), 0);
    tvhost::Journal().Clear();
    const auto object = md.Add(EdgeMesh(), TMeshID::otEdge);
    ASSERT_TRUE(object);
    const auto& host = *Store->Mesh(object->GetId());
    EXPECT_EQ(host.LineColors, std::vector<unsigned>(12, 0x00FF00));
    EXPECT_EQ(host.LineAttributes, std::vector<int>(12, 2));
    EXPECT_EQ(host.Lines, (std::vector<int>{4, 0, 1, 2, 3}));
    EXPECT_EQ(MeshCalls(),
              (std::vector<std::string>{"SetLines(12, 5, 12)", "SetLineAttributes(12)", "SetMatrix(16)",
                                        "SetNonScalableFaces(false)", "SetNonScalableLines(false)",
                                        "SetNonScalableWidth(false)", "SetDisableDepthTest(false)",
                                        "SetNonPickable(false)", "SetVisible(true)"}));
}

TEST_F(TMeshDrawTest, AMarkerSendsTrianglesLightMaterialThenItsPlacementAndFlags)
{
    TMeshDraw md(TM(), 0);
    md.V.SetOrigin(TPoint3D(1, 2, 3));
    tvhost::Journal().Clear();
    const auto object = md.Add(md.V, TMeshID::othotPoint);
    ASSERT_TRUE(object);
    EXPECT_EQ(MeshCalls(), (std::vector<std::string>{
                               "SetNonPickable(false)", "SetTriangles(144, 36, 144, 0)", "SetLighting(1, 0)",
                               "SetMaterial(255, 1.000000, 1.000000, 1.000000, 1.000000, 1.000000, 1.000000)",
                               "SetMatrix(16)", "SetNonScalableFaces(true)", "SetNonScalableLines(true)",
                               "SetNonScalableWidth(true)", "SetDisableDepthTest(true)",
                               "SetNonPickable(false)", "SetVisible(true)"}));
    const auto& host = *Store->Mesh(object->GetId());
    EXPECT_EQ(host.Matrix[12], 1.0);
    EXPECT_EQ(host.Matrix[14], 3.0);
    // Kinds that are no faces or edges, and edges without runs, fill nothing.
    const int calls = static_cast<int>(tvhost::Journal().Entries().size());
    md.Set(0, md.V, TMeshID::otBody);
    md.Set(0, EdgeMesh(), TMeshID::otUndefined);
    TMeshApi noRuns = EdgeMesh();
    noRuns.IE.clear();
    md.Set(0, noRuns, TMeshID::otEdge);
    EXPECT_EQ(static_cast<int>(tvhost::Journal().Entries().size()), calls);
}

TEST_F(TMeshDrawTest, ClearDeletesTheTailInOneCallAndRemoveTakesOutOneEntry)
{
    TMeshDraw md(TM(), 0);
    std::vector<int> ids;
    for (int i = 0; i < 3; ++i)
        ids.push_back(md.Add(md.V, TMeshID::otFace)->GetId());
    md.Clear(3);
    EXPECT_EQ(tvhost::Journal().Count("IExternalTessellationManager::DeleteObjects"), 0u);
    md.Clear(1);
    const auto deletes = tvhost::Journal().Calls("IExternalTessellationManager::DeleteObjects");
    ASSERT_EQ(deletes.size(), 1u);
    EXPECT_EQ(deletes[0].Arguments[0], "[" + std::to_string(ids[1]) + ", " + std::to_string(ids[2]) + "]");
    EXPECT_EQ(Store->Count(), 1u);

    for (int i = 0; i < 2; ++i)
        ids.push_back(md.Add(md.V, TMeshID::otFace)->GetId());
    tvhost::Journal().Clear();
    md.Remove(ids[3]); // the middle one of three
    ASSERT_EQ(md.AObjectID.Count, 2);
    EXPECT_EQ(md.AObjectID[0].Id, ids[0]);
    EXPECT_EQ(md.AObjectID[1].Id, ids[4]);
    EXPECT_EQ(tvhost::Journal().Lines(),
              (std::vector<std::string>{"IExternalTessellationObject::SetVisible(false)",
                                        "IExternalTessellationManager::DeleteObjects([" +
                                            std::to_string(ids[3]) + "])"}));
}

// Removing a list does what one Remove after another does, host calls included: shared ids
// go first come first served, 0 and unknown ids do nothing.
TEST_F(TMeshDrawTest, RemovingAListMatchesRemovingOneByOne)
{
    const auto run = [&](bool asList) {
        // A document of its own gives both runs the same ids.
        const auto doc = Application()->GetDocuments()->Add(tvapi::tvDocumentPart, true);
        TM() = tvapi::IExternalTessellationManagerPtr(doc);
        TMeshDraw md(TM(), 2);
        for (int i = 0; i < 5; ++i)
            md.Add(md.V, TMeshID::otFace);
        md.AObjectID[4].Id = md.AObjectID[3].Id; // two entries share an id
        const int shared = static_cast<int>(md.AObjectID[3].Id);
        const std::vector<int> remove{shared, 0, static_cast<int>(md.AObjectID[6].Id), 999, shared, shared};
        tvhost::Journal().Clear();
        if (asList)
            md.Remove(remove);
        else
            for (const int id : remove)
                md.Remove(id);
        std::vector<std::int64_t> left;
        for (const auto& e : md.AObjectID)
            left.push_back(e.Id);
        const auto lines = tvhost::Journal().Lines();
        md.Clear(0);
        return std::pair(lines, left);
    };
    const auto [oneByOne, leftOneByOne] = run(false);
    const auto [asList, leftAsList] = run(true);
    EXPECT_EQ(leftOneByOne, (std::vector<std::int64_t>{0, 0, 1, 4})); // reserved slots and two entries
    EXPECT_EQ(leftAsList, leftOneByOne);
    EXPECT_EQ(asList, oneByOne);
    EXPECT_EQ(std::count_if(asList.begin(), asList.end(),
                            [](const std::string& l) {
                                return l.starts_with("IExternalTessellationManager::DeleteObjects");
                            }),
              3);
}

TEST_F(TMeshDrawTest, WithoutAManagerOrHostObjectNothingIsDrawn)
{
    tvapi::IExternalTessellationManagerPtr none;
    TMeshDraw md(none, 2);
    EXPECT_FALSE(md.Add(md.V, TMeshID::otFace));
    EXPECT_FALSE(md.Add(TPoint3D(), "метка", TMeshID::otText));
    EXPECT_FALSE(md.Add(TMeshID::otFace));
    EXPECT_EQ(md.AObjectID.Count, 0);
    EXPECT_EQ(md.V.P.size(), 48u * 3);
    EXPECT_EQ(tvhost::Journal().Count("IExternalTessellationManager::CreateTessellationObject"), 0u);

    // The host gives no object: the entry is still appended, empty, with Id 0.
    TMeshDraw drawn(TM(), 2);
    InjectFault("IExternalTessellationManager::CreateTessellationObject");
    EXPECT_FALSE(drawn.Add(drawn.V, TMeshID::otFace));
    ASSERT_EQ(drawn.AObjectID.Count, 3);
    EXPECT_EQ(drawn.AObjectID[2].Id, 0);
    EXPECT_EQ(tvhost::Journal().Count("IExternalTessellationObject::SetTriangles"), 0u);
}

TEST_F(TMeshDrawTest, LabelsAreTextObjectsOnlyForTheTextKindAndLookupsReadTheirOwnFields)
{
    TMeshDraw md(TM(), 0);
    EXPECT_FALSE(md.Add(TPoint3D(1, 2, 3), "метка", TMeshID::otFace));
    EXPECT_EQ(md.AObjectID.Count, 1);
    EXPECT_EQ(tvhost::Journal().Count("IExternalTextObject::SetText"), 0u);
    const auto text = md.Add(TPoint3D(1, 2, 3), "метка", TMeshID::otText);
    ASSERT_TRUE(text);
    const auto& host = *Store->Text(text->GetId());
    EXPECT_EQ(host.Lines, std::vector<std::wstring>{L"метка"});
    EXPECT_EQ(host.Position, (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(
        std::vector<int>({host.Mode, host.HorizontalAlignment, host.VerticalAlignment, host.FrameStyle}),
        std::vector<int>({1, 1, 2, 0}));
    md.Visible(1, false);
    EXPECT_FALSE(host.State.Visible);

    // Lookups read the object, visibility by owner reads the owner.
    TMeshDraw meshes(TM(), 0);
    int object = 0, owner = 0;
    TMeshApi mesh = meshes.V;
    mesh.Object = &object;
    mesh.Owner = &owner;
    const auto first = meshes.Add(mesh, TMeshID::otFace);
    mesh.Owner = &object;
    const auto second = meshes.Add(mesh, TMeshID::otFace);
    EXPECT_EQ(meshes.IndexOf(static_cast<void*>(&object)), 0);
    meshes.SetVisible(static_cast<void*>(&object), false);
    EXPECT_TRUE(Store->Mesh(first->GetId())->State.Visible);
    EXPECT_FALSE(Store->Mesh(second->GetId())->State.Visible);
    EXPECT_EQ(meshes.Get(-5), nullptr);
    meshes.HideAll();
    EXPECT_FALSE(Store->Mesh(first->GetId())->State.Visible);
    EXPECT_EQ(Store->Count(), 4u); // the face entry, the label and the two meshes
}

// A panel's redraw puts one marker on each hot point and replaces them the next time; a
// hot point without a marker yet (Id3 0) removes nothing.
TEST_F(TMeshDrawTest, TheRedrawReplacesOneMarkerPerHotPoint)
{
    auto panel = std::make_unique<TTestPanel>();
    ASSERT_EQ(panel->MeshDraw.AObjectID.Count, 2); // a manager was there when it was built
    double x = 1, y = 2;
    THotPointsData points;
    points.Add2D(x, y, 3);
    points.Add2D(y, x, 4);
    panel->AHotPoint = &points;
    panel->RedrawPhantom();
    ASSERT_EQ(panel->MeshDraw.AObjectID.Count, 4);
    EXPECT_EQ(Store->Count(), 2u);
    const int first = points[0].Id3;
    ASSERT_NE(first, 0);
    EXPECT_EQ(Store->Mesh(first)->Matrix[14], 3.0);
    panel->RedrawPhantom();
    EXPECT_EQ(panel->MeshDraw.AObjectID.Count, 4);
    EXPECT_EQ(Store->Count(), 2u);
    EXPECT_EQ(Store->Mesh(first), nullptr);
    EXPECT_GT(points[0].Id3, first);
    // A stop hides what a cancel leaves; a finished stop deletes everything.
    panel->Stop(-1);
    EXPECT_EQ(Store->Count(), 2u);
    EXPECT_FALSE(Store->Mesh(points[0].Id3)->State.Visible);
    panel->Stop(0);
    EXPECT_EQ(Store->Count(), 0u);
    EXPECT_EQ(panel->MeshDraw.AObjectID.Count, 0);
    panel->AHotPoint = nullptr;
}

} // namespace
