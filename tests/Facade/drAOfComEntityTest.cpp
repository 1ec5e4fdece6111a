// The list of picked model objects on real bodies of the stand-in: equal faces found by
// geometry, other kinds only by identity; planarity, boxes, linked faces, boundaries, the
// faces of operations and the vector form.

#include "drAOfComEntity.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <random>

#include <unistd.h>

#include "FacadeFixture.h"
#include "HostFixture.h"
#include "HostPart.h"
#include "HostTopology.h"
#include "HostUserData.h"
#include "KmfData.h"
#include "ModelEntities.h"
#include "maTervan.h"
#include "tvapi/Features3D.h"
#include "tvapi/ModelContainer.h"

using namespace tvapi;

namespace {

class TAOfComEntityTest : public HostFixture {
protected:
    void TearDown() override
    {
        Bodies.clear();
        HostFixture::TearDown();
    }
    std::vector<IModelObjectPtr> Of(tvhost::TShape shape, tvObj3dTypeEnum kind)
    {
        Bodies.push_back(tvhost::MakeBody(std::move(shape)));
        return drApi::GetObjects(IModelObjectPtr(Bodies.back()), kind);
    }
    std::vector<IModelObjectPtr> Box() { return Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_face); }

    std::vector<tvhost::THostBodyPtr> Bodies;
};

TEST_F(TAOfComEntityTest, EqualFacesAreFoundByGeometryOnlyInIndexOfByEqu)
{
    const auto faces = Box();
    const auto twin = Box(); // coincident faces of another body
    const auto edges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    const auto twinEdges = Of(tvhost::MakeBox({0, 0, 0}, 10, 20, 5), o3d_edge);
    drApi::TAOfComEntity list{edges[0], faces[2], faces[3]};
    IModelObjectPtr none, same = faces[3], copy = twin[3], edge = twinEdges[0], own = edges[0];
    EXPECT_EQ(list.IndexOfByEqu(none), -1);
    EXPECT_EQ(list.IndexOfByEqu(same), 2);
    EXPECT_EQ(list.IndexOfByEqu(copy), 2);
    EXPECT_EQ(list.IndexOfByEqu(own), 0);
    EXPECT_EQ(list.IndexOfByEqu(edge), -1) << "edges are matched by identity only";
    EXPECT_TRUE(list.ExistByEqu(same));
    EXPECT_FALSE(list.ExistByEqu(copy));
}

} // namespace

namespace {

// Faces named by where they lie, on bodies the fixture keeps.
class TAOfComEntitySetTest : public TAOfComEntityTest {
protected:
    IModelObjectPtr Body(tvhost::TShape shape)
    {
        Bodies.push_back(tvhost::MakeBody(std::move(shape)));
        return IModelObjectPtr(Bodies.back());
    }
    static IModelObjectPtr FaceOf(const IModelObjectPtr& body, const std::array<double, 6>& box)
    {
        return model_entities::Entity(body, o3d_face, box);
    }
    // The top face of a box standing on XOY.
    IModelObjectPtr TopOf(double x, double y, double dx, double dy)
    {
        return FaceOf(Body(tvhost::MakeBox({x, y, 0}, dx, dy, 5)), {x, y, 5, x + dx, y + dy, 5});
    }
    static std::vector<bool> Marks(const TArrayOf<bool>& linked)
    {
        return std::vector<bool>(linked.begin(), linked.end());
    }
};

} // namespace

TEST_F(TAOfComEntitySetTest, PlanarityStopsAtTheFirstEntryThatIsNoFace)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    const IModelObjectPtr planar = FaceOf(box, {0, 0, 5, 10, 10, 5});
    const IModelObjectPtr edge = ObjectsOf(box, o3d_edge).at(0);
    const IModelObjectPtr cylinder = Body(tvhost::MakeCylinder({0, 0, 0}, {0, 0, 1}, 5, 10));
    const IModelObjectPtr curved = model_entities::EntityWhere(
        cylinder, o3d_face, [](const IModelObjectPtr& f) { return !IFacePtr(f)->GetSurface()->IsPlanar(); });
    ASSERT_TRUE(planar && curved);
    EXPECT_TRUE((drApi::TAOfComEntity{planar, edge, curved}.IsPlanar()));
    EXPECT_FALSE((drApi::TAOfComEntity{edge, planar}.IsPlanar()));
    EXPECT_FALSE(drApi::TAOfComEntity().IsPlanar());
    EXPECT_FALSE((drApi::TAOfComEntity{planar, curved}.IsPlanar()));
    EXPECT_TRUE((drApi::TAOfComEntity{planar, IModelObjectPtr(), curved}.IsPlanar()))
        << "an empty entry is no face";
    EXPECT_FALSE((drApi::TAOfComEntity{IModelObjectPtr(), planar}.IsPlanar()));
}

TEST_F(TAOfComEntitySetTest, BoxIsOfTheFacesBodiesWithTheZeroBoxAfterALeadingNonFace)
{
    const IModelObjectPtr cube = Body(tvhost::MakeBox({10, 10, 10}, 10, 10, 10));
    const IModelObjectPtr face = ObjectsOf(cube, o3d_face).at(0), edge = ObjectsOf(cube, o3d_edge).at(0);
    const IModelObjectPtr far = ObjectsOf(Body(tvhost::MakeBox({30, 30, 30}, 10, 10, 10)), o3d_face).at(3);
    TCube3D box(TPoint3D(1, 1, 1), TPoint3D(2, 2, 2));
    drApi::TAOfComEntity().GetGabaryt(box);
    EXPECT_EQ(box, TCube3D());
    drApi::TAOfComEntity{edge, face}.GetGabaryt(box);
    EXPECT_EQ(box, TCube3D(TPoint3D(0, 0, 0), TPoint3D(20, 20, 20)));
    drApi::TAOfComEntity{face, IModelObjectPtr(), edge, far}.GetGabaryt(box);
    EXPECT_EQ(box, TCube3D(TPoint3D(10, 10, 10), TPoint3D(40, 40, 40)));
    drApi::TAOfComEntity list{edge, face};
    EXPECT_TRUE(list.GetBody7(1) == cube);
    EXPECT_FALSE(list.GetBody7(0));
    EXPECT_FALSE(list.GetBody7(2));
}

TEST_F(TAOfComEntitySetTest, LinkedFacesAreTheChainThroughSharedEdges)
{
    const IModelObjectPtr a = TopOf(0, 0, 10, 10), b = TopOf(10, 0, 10, 10), c = TopOf(20, 0, 10, 10);
    const IModelObjectPtr far = TopOf(100, 0, 10, 10);
    const IModelObjectPtr edge = ObjectsOf(Bodies[0], o3d_edge).at(0);
    drApi::TAOfComEntity list{a, far, edge, c, IModelObjectPtr(), b};
    TArrayOf<bool> linked;
    list.GetLinked(0, linked);
    EXPECT_EQ(Marks(linked), (std::vector<bool>{true, false, false, true, false, true}));
    list.GetLinked(3, linked);
    EXPECT_EQ(Marks(linked), (std::vector<bool>{true, false, false, true, false, true}));
    list.GetLinked(1, linked);
    EXPECT_EQ(Marks(linked), (std::vector<bool>{false, true, false, false, false, false}));
    list.GetLinked(2, linked);
    EXPECT_EQ(Marks(linked), (std::vector<bool>{false, false, true, false, false, false}))
        << "an edge marks itself";
    for (const Integer outside : {-1, 6}) {
        list.GetLinked(outside, linked);
        EXPECT_EQ(Marks(linked), std::vector<bool>(6, false)) << outside;
    }
    drApi::TAOfComEntity pair{a, c};
    pair.GetLinked(0, linked);
    EXPECT_EQ(Marks(linked), (std::vector<bool>{true, false}));
    IFacePtr fb(b), ff(far);
    EXPECT_TRUE(pair.IsLinked(fb));
    EXPECT_FALSE(pair.IsLinked(ff));
}

TEST_F(TAOfComEntitySetTest, BoundaryLeavesOutEdgesTwoFacesShare)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    const IModelObjectPtr top = FaceOf(box, {0, 0, 5, 10, 10, 5}), side = FaceOf(box, {10, 0, 0, 10, 10, 5});
    IFacePtr ft(top), fs(side);
    IEdgePtr shared = drApi::GetLinkEdge(ft, fs, 0);
    ASSERT_TRUE(shared);
    TArrayOf<IEdgePtr> edges;
    drApi::TAOfComEntity{top, side, ObjectsOf(box, o3d_edge).at(0)}.GetBoundaryEdge(edges);
    ASSERT_EQ(edges.Count, 6);
    for (IEdgePtr& e : edges)
        EXPECT_FALSE(drApi::EquEdge(e, shared, 0.001));
    for (Integer i = 0; i < edges.Count; ++i)
        for (Integer j = i + 1; j < edges.Count; ++j)
            EXPECT_FALSE(drApi::EquEdge(edges[i], edges[j], 0.001)) << i << " " << j;

    TArrayOf<IEdgePtr> one{shared};
    drApi::TAOfComEntity{top}.GetBoundaryEdge(one);
    EXPECT_EQ(one.Count, 3) << "an edge already held that the face has goes";
    TArrayOf<IEdgePtr> single;
    drApi::TAOfComEntity{IModelObjectPtr(), top}.GetBoundaryEdge(single);
    EXPECT_EQ(single.Count, 4);
}

TEST_F(TAOfComEntitySetTest, LookupsAndTheVectorForm)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    const auto faces = ObjectsOf(box, o3d_face);
    const IModelObjectPtr edge = ObjectsOf(box, o3d_edge).at(0);
    drApi::TAOfComEntity list{faces[1], edge, IModelObjectPtr(), faces[2]};
    IFacePtr f1(faces[1]), f2(faces[2]), f5(faces[5]);
    EXPECT_EQ(list.PositionOf(f1), 1);
    EXPECT_EQ(list.PositionOf(f2), 4);
    EXPECT_EQ(list.PositionOf(f5), 0);
    EXPECT_FALSE(list.GetFaces(-1));
    EXPECT_FALSE(list.GetFaces(4));
    EXPECT_FALSE(list.GetFaces(1));
    EXPECT_TRUE(list.GetFaces(3) == faces[2]);

    std::vector<IModelObjectPtr> v{faces[0]};
    list.to(v);
    ASSERT_EQ(v.size(), 4u) << "appended, empty entries left out";
    EXPECT_TRUE(v[3] == faces[2]);
    drApi::TAOfComEntity copy;
    copy.from({faces[3], IModelObjectPtr(), edge});
    EXPECT_EQ(copy.Count, 3);
    EXPECT_FALSE(copy[1]);
    std::vector<IModelObjectPtr> back;
    copy.to(back);
    EXPECT_EQ(back.size(), 2u);
    drApi::TAOfComEntity assigned;
    assigned = list;
    EXPECT_TRUE(assigned == list);
}

TEST_F(TAOfComEntitySetTest, FacesOfOperationsComeFromTheirParentsAndCyclesEnd)
{
    const IModelObjectPtr box = Body(tvhost::MakeBox({0, 0, 0}, 10, 10, 5));
    const IModelContainerPtr part(IModelObjectPtr(tvhost::New<tvhost::THostPart>()));
    const IMacroObject3DPtr first = part->GetMacroObjects3D()->Add(),
                            second = part->GetMacroObjects3D()->Add();
    first->SetObjects({IModelObjectPtr(second), box, box});
    second->SetObjects({IModelObjectPtr(first)});

    drApi::TAOfComEntity list;
    list.GetFacesOperation(IModelObjectPtr(first));
    EXPECT_EQ(list.Count, 12) << "the body twice, the cycle back to the first macro ended";
    list.GetFacesOperation(IModelObjectPtr(second));
    EXPECT_EQ(list.Count, 12);

    list.from(std::vector<IModelObjectPtr>(3001));
    list.AddFacesOperation(box);
    EXPECT_EQ(list.Count, 3001);
    list.Count = 3000;
    list.AddFacesOperation(box);
    EXPECT_EQ(list.Count, 3006);

    IModelObjectPtr entity(first);
    list.InitOperation(entity, o3d_face);
    EXPECT_EQ(list.Count, 0) << "a macro has no feature";
    IModelObjectPtr body = box;
    list.InitOperation(body, o3d_edge);
    EXPECT_EQ(list.Count, 12);
    first->SetObjects({});
}

namespace {

using TBytes = std::vector<std::uint8_t>;

// Collections over a part document of the facade: the selection, user data and the byte form.
class TAOfComEntityPartTest : public TPartFacadeFixture {
protected:
    void SetUp() override
    {
        TPartFacadeFixture::SetUp();
        OpenPart();
        Box = IModelObjectPtr(Top().AddBody(tvhost::MakeBox({0, 0, 0}, 10, 20, 5)));
        drApi::Selector->Begin();
    }
    void TearDown() override
    {
        Box.Reset();
        TPartFacadeFixture::TearDown();
    }
    static void Select(std::initializer_list<IModelObjectPtr> objects)
    {
        for (const IModelObjectPtr& o : objects)
            drApi::Selector->Select(ITervanAPIObjectPtr(o));
    }
    std::string Dir()
    {
        const std::string dir = ::testing::TempDir() + "aofcomentity-" + std::to_string(::getpid()) + "-" +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        std::filesystem::create_directories(dir);
        return dir;
    }

    IModelObjectPtr Box;
};

std::int32_t IntAt(const TBytes& b, std::size_t at)
{
    std::int32_t v = 0;
    std::memcpy(&v, b.data() + at, sizeof v);
    return v;
}

} // namespace

TEST_F(TAOfComEntityPartTest, SelectedBodyGivesItsFacesAndTheSelectionIsEmptied)
{
    const auto faces = ObjectsOf(Box, o3d_face);
    const IModelObjectPtr edge = ObjectsOf(Box, o3d_edge).at(0);
    Select({faces[2], edge, Box});
    drApi::TAOfComEntity list{edge};
    list.InitSelected(o3d_face);
    ASSERT_EQ(list.Count, 7) << "the face, then the body's six faces; the edge passed over";
    EXPECT_TRUE(list[0] == faces[2]);
    EXPECT_TRUE(list[6] == faces[5]);
    EXPECT_EQ(drApi::Selector->GetCount(), 0);

    Select({Box, edge});
    list.InitSelected();
    EXPECT_EQ(list.Count, 6) << "the body's faces; an edge the host calls an edge is no entity";
    EXPECT_EQ(drApi::Selector->GetCount(), 2) << "the selection stays";

    drApi::Selector->Choose7.Reset();
    list.InitSelected(o3d_face);
    EXPECT_EQ(list.Count, 6) << "without a choose manager nothing changes";
    EXPECT_EQ(drApi::Selector->GetCount(), 2);

    drApi::TAOfComEntity shown{faces[0], IModelObjectPtr(), faces[1]};
    TString question("?");
    shown.DebugView(question);
    ASSERT_EQ(drApi::Selector->GetCount(), 2) << "the entries, selected alone";
    EXPECT_TRUE(drApi::Selector->Get7(0) == faces[0]);
    EXPECT_TRUE(drApi::Selector->Get7(1) == faces[1]);
}

TEST_F(TAOfComEntityPartTest, UserDataGoesToEveryFaceEntry)
{
    const auto faces = ObjectsOf(Box, o3d_face);
    const IModelObjectPtr edge = ObjectsOf(Box, o3d_edge).at(0);
    drApi::TAOfComEntity{faces[0], edge, IModelObjectPtr(), faces[4]}.SetUserData(TString("Mark"), {4, 2});
    tvhost::TUserData& data = dynamic_cast<tvhost::TDocumentCore&>(*R().IDoc).Data().UserData;
    ASSERT_EQ(data.Owned().size(), 2u);
    for (const IModelObjectPtr& face : {faces[0], faces[4]}) {
        const tvhost::THostUserDataStoragePtr storage = data.Of(ITervanAPIObjectPtr(face))->Find(L"ZelMould");
        ASSERT_TRUE(storage);
        ASSERT_TRUE(storage->Find(L"Mark"));
        EXPECT_EQ(storage->Find(L"Mark")->Bytes, (TBytes{4, 2}));
    }
}

TEST_F(TAOfComEntityPartTest, ByteFormRoundTripsAcrossSaveAndReopen)
{
    const auto faces = ObjectsOf(Box, o3d_face);
    const auto edges = ObjectsOf(Box, o3d_edge);
    drApi::TAOfComEntity list{faces[3], edges[7], Box, IModelObjectPtr(), faces[0]};
    IPartPtr part = R().Part;
    TBytes bytes;
    ASSERT_TRUE(list.to(bytes, part));
    // Header, count, five entries of kind, part and number, check sum.
    ASSERT_EQ(bytes.size(), TKmfData::SizeHeader + 4 + 5 * 12 + 4);
    const std::size_t at = TKmfData::SizeHeader;
    EXPECT_EQ(IntAt(bytes, at), 5);
    EXPECT_EQ(IntAt(bytes, at + 4), o3d_face);
    EXPECT_EQ(IntAt(bytes, at + 8), 0);
    EXPECT_EQ(IntAt(bytes, at + 12), 3);
    EXPECT_EQ(IntAt(bytes, at + 16), o3d_edge);
    EXPECT_EQ(IntAt(bytes, at + 24), 7);
    EXPECT_EQ(IntAt(bytes, at + 28), o3d_body);
    EXPECT_EQ(IntAt(bytes, at + 36), 0);
    EXPECT_EQ(IntAt(bytes, at + 40), 0);
    EXPECT_EQ(IntAt(bytes, at + 44), -1);
    EXPECT_EQ(IntAt(bytes, at + 48), -1);

    ASSERT_TRUE(drApi::MA.drSetUserData(R().IDoc, TString("Faces"), bytes, false, {}));
    const std::string file = Dir() + "faces.qpt";
    ASSERT_TRUE(R().IDoc->SaveAs(tvhost::FromUtf8(file).c_str()));
    R().IDoc->Close(kdDoNotSaveChanges);
    R().IDoc = Host().App().Documents().OpenFile(tvhost::FromUtf8(file), false);
    ASSERT_TRUE(R().IDoc);
    TBytes stored;
    ASSERT_TRUE(drApi::MA.drGetUserData(R().IDoc, TString("Faces"), stored, {}));
    EXPECT_EQ(stored, bytes);
    IPartPtr reopened = ITervanDocument3DPtr(R().IDoc)->GetTopPart();
    drApi::TAOfComEntity read;
    ASSERT_TRUE(read.from(stored, reopened));
    ASSERT_EQ(read.Count, 5);
    EXPECT_FALSE(read[3]);
    IFacePtr was(faces[3]), is(read[0]);
    EXPECT_FALSE(was == is) << "a face of the reopened part";
    EXPECT_TRUE(drApi::EquFace(was, is, 1e-9));
    IEdgePtr wasEdge(edges[7]), isEdge(read[1]);
    EXPECT_TRUE(drApi::EquEdge(wasEdge, isEdge, 1e-9));
    EXPECT_EQ(read[2]->GetObjectType(), o3d_body);
    EXPECT_TRUE(read.GetBody7(0) == read[2]);

    // An object of no part of the document is written as an empty entry.
    const tvhost::THostBodyPtr other = tvhost::MakeBody(tvhost::MakeBox({0, 0, 0}, 1, 1, 1));
    drApi::TAOfComEntity foreign{IModelObjectPtr(other)};
    TBytes lost;
    EXPECT_FALSE(foreign.to(lost, reopened));
    drApi::TAOfComEntity empty;
    EXPECT_TRUE(empty.from(lost, reopened));
    ASSERT_EQ(empty.Count, 1);
    EXPECT_FALSE(empty[0]);
}

TEST_F(TAOfComEntityPartTest, DamagedByteFormLoadsNothing)
{
    const auto faces = ObjectsOf(Box, o3d_face);
    drApi::TAOfComEntity list{faces[1], ObjectsOf(Box, o3d_edge).at(2), Box, IModelObjectPtr()};
    IPartPtr part = R().Part;
    TBytes good;
    ASSERT_TRUE(list.to(good, part));
    std::mt19937 random(35);
    int loaded = 0;
    for (int n = 0; n < 10000; ++n) {
        TBytes bad = good;
        switch (n % 4) {
        case 0: // a few bytes changed anywhere
            for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k)
                bad[random() % bad.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
            break;
        case 1: // cut short
            bad.resize(random() % bad.size());
            break;
        case 2: // bytes added
            for (int k = 1 + static_cast<int>(random() % 16); k > 0; --k)
                bad.push_back(static_cast<std::uint8_t>(random()));
            break;
        default: // a count or number made large or negative
            bad[TKmfData::SizeHeader + 4 * (random() % 13) + 3] ^= 0x80;
            break;
        }
        drApi::TAOfComEntity read{faces[5]};
        if (read.from(bad, part)) {
            ++loaded; // only a change the entries do not see (the header's spare bytes)
            ASSERT_TRUE(read == list) << n;
        } else {
            ASSERT_EQ(read.Count, 1) << n;
            ASSERT_TRUE(read[0] == faces[5]) << n;
        }
    }
    EXPECT_LT(loaded, 2500);
    drApi::TAOfComEntity read;
    EXPECT_TRUE(read.from(good, part));
    EXPECT_TRUE(read == list);
    IPartPtr none;
    EXPECT_FALSE(read.from(good, none)) << "numbers that name nothing";
}

namespace {

// A feature listing itself as its one face, whose sub-features the test sets.
class TLoopFeature final : public tvhost::THostFeatureOf<IModelObject> {
public:
    TLoopFeature() : THostFeatureOf(o3d_unknown) {}
    std::vector<IFeaturePtr> Subs;

protected:
    std::vector<IModelObjectPtr> ObjectsOf(tvObj3dTypeEnum) override { return {IModelObjectPtr(this)}; }
    std::vector<IFeaturePtr> SubFeatures() override { return Subs; }
};

} // namespace

TEST_F(TAOfComEntitySetTest, SubFeaturesComeAfterTheFeatureDepthFirstAndCyclesEnd)
{
    const tvhost::THostPartPtr part = tvhost::New<tvhost::THostPart>(),
                               component = tvhost::New<tvhost::THostPart>();
    part->AddBody(tvhost::MakeBox({0, 0, 0}, 1, 2, 3));
    component->AddBody(tvhost::MakeBox({5, 0, 0}, 1, 2, 3));
    part->AddComponent(component);
    IModelObjectPtr whole(part);
    drApi::TAOfComEntity list;
    list.AddOperation(whole, o3d_face);
    ASSERT_EQ(list.Count, 12);
    EXPECT_TRUE(list[6] == ObjectsOf(IModelObjectPtr(component->Bodies().at(0)), o3d_face).at(0));
    IFeaturePtr feature(whole);
    list.Add(feature, o3d_face, false);
    EXPECT_EQ(list.Count, 18) << "without sub-features, appended";

    const tvapi::Ptr<TLoopFeature> a = tvhost::New<TLoopFeature>(), b = tvhost::New<TLoopFeature>();
    a->Subs = {IFeaturePtr(IModelObjectPtr(b))};
    b->Subs = {IFeaturePtr(IModelObjectPtr(a)), IFeaturePtr(IModelObjectPtr(b))};
    IFeaturePtr start{IModelObjectPtr(a)};
    drApi::TAOfComEntity loop;
    loop.Add(start, o3d_face, true);
    ASSERT_EQ(loop.Count, 2);
    EXPECT_TRUE(loop[0] == a && loop[1] == b);
    a->Subs.clear();
    b->Subs.clear();
}

// The faces of a real operation: a cut lists the faces it made (the hole's four walls and the
// top and bottom it cut through) and gives its sketch as its parent, so a macro of it collects
// those faces; the block's extrusion lists the faces it made that the part still has.
TEST_F(TAOfComEntityPartTest, OperationsGiveTheFacesTheyMadeAndTheirParents)
{
    const auto square = [](double a, double b) {
        drApi::MA.drCreateEskis(0.0, "");
        drApi::MA.drLine(a, a, b, a, tvCSNormal);
        drApi::MA.drLine(b, a, b, b, tvCSNormal);
        drApi::MA.drLine(b, b, a, b, tvCSNormal);
        drApi::MA.drLine(a, b, a, a, tvCSNormal);
    };
    square(30, 40);
    drApi::MA.drExtrusion(dtNormal, etBlind, 4, 0, true, tvOperationNewBody);
    const IModelObjectPtr block = R().Obj3D;
    square(34, 36);
    drApi::MA.drExtrusion(dtNormal, etThroughAll, 4, 0, true, tvOperationCut);
    const IModelObjectPtr cut = R().Obj3D;
    ASSERT_TRUE(block && cut && block != cut);

    drApi::TAOfComEntity list;
    list.GetFacesOperation(cut);
    EXPECT_EQ(list.Count, 6) << "the hole's walls, the top and the bottom";
    for (Integer i = 0; i < list.Count; ++i)
        EXPECT_TRUE(list.GetFaces(i)) << i;
    list.GetFacesOperation(block);
    EXPECT_EQ(list.Count, 4) << "the block's sides: its top and bottom are the cut's now";
    const std::vector<IModelObjectPtr> parents = cut->GetParents(2);
    ASSERT_EQ(parents.size(), 1u);
    EXPECT_EQ(parents[0]->GetObjectType(), o3d_sketch);

    const IMacroObject3DPtr macro = IModelContainerPtr(R().Part)->GetMacroObjects3D()->Add();
    macro->SetObjects({cut});
    list.GetFacesOperation(IModelObjectPtr(macro));
    EXPECT_EQ(list.Count, 6) << "through the macro's member";
    macro->SetObjects({});
}
