// The wired spring: its 29-byte stream form with the version gate of Design and Code, a cut
// stream that changes nothing, copying the sizes only, the stops of dr3D, and the part it
// builds in the stand-in: named by its sizes, a valid body ground flat to its length, whose
// volume lies between the wire along the main helix and along all its turns.

#include "../Facade/FacadeFixture.h"

#include <cmath>
#include <filesystem>
#include <numbers>

#include <unistd.h>

#include "HostKernel.h"
#include "HostKernelFeatures.h"
#include "KmfData.h"
#include "StreamTestUtil.h"
#include "TWiredSpring.h"

using namespace tvapi;

TEST(TWiredSpringStreamTest, TwentyNineBytesAndOlderStreamsKeepDesignAndCode)
{
    TWiredSpring s(3, nullptr);
    EXPECT_EQ(s.Radius + s.WireRadius + s.Height, 0.0);
    s.Design = true;
    s.Code = 31005;
    s.Radius = 20;
    s.WireRadius = 2;
    s.Height = 50;
    TKmfData out;
    s.toStream(out);
    const streamtest::Bytes bytes = streamtest::DataOf(out);
    ASSERT_EQ(bytes.size(), 29u);
    EXPECT_EQ(bytes[0], 1);

    TWiredSpring back(4, nullptr);
    TKmfData in;
    streamtest::Load(in, bytes);
    back.fromStream(in);
    EXPECT_TRUE(back.Design);
    EXPECT_EQ(back.Code, 31005);
    EXPECT_EQ(back.Height, 50);
    EXPECT_EQ(back.Id, 4);

    // Version 43 holds only the sizes: the 24 bytes after Design and Code.
    TWiredSpring old(5, nullptr);
    old.Code = 7;
    TKmfData v43;
    v43.from(streamtest::Blob(43, streamtest::Bytes(bytes.begin() + 5, bytes.end())));
    old.fromStream(v43);
    EXPECT_FALSE(old.Design);
    EXPECT_EQ(old.Code, 7);
    EXPECT_EQ(old.Radius, 20);
    EXPECT_EQ(old.WireRadius, 2);
    EXPECT_FALSE(v43.ErrorReadFromFileToBufer);

    TWiredSpring kept(6, nullptr);
    kept.Radius = 9;
    TKmfData cut;
    streamtest::Load(cut, streamtest::Bytes(bytes.begin(), bytes.end() - 1));
    kept.fromStream(cut);
    EXPECT_EQ(kept.Radius, 9);
    EXPECT_EQ(kept.Code, 0);
}

TEST(TWiredSpringStreamTest, AssignmentCopiesTheSizesOnly)
{
    TWiredSpring a(1, nullptr), b(2, nullptr);
    b.Radius = 10;
    b.WireRadius = 1;
    b.Height = 30;
    b.Design = true;
    b.Code = 99;
    a = b;
    EXPECT_EQ(a.Radius, 10);
    EXPECT_EQ(a.Height, 30);
    EXPECT_EQ(a.Id, 1);
    EXPECT_FALSE(a.Design);
    EXPECT_EQ(a.Code, 0);
}

class TWiredSpringTest : public TFacadeFixture {
protected:
    void SetUp() override
    {
        TFacadeFixture::SetUp();
        FFolder =
            std::filesystem::path(::testing::TempDir()) / ("TWiredSpringTest-" + std::to_string(::getpid()));
        std::filesystem::create_directories(FFolder);
    }
    void TearDown() override
    {
        TFacadeFixture::TearDown();
        std::filesystem::remove_all(FFolder);
    }
    int OpenDocuments() { return FApp->GetDocuments()->GetCount(); }

    std::filesystem::path FFolder;
};

TEST_F(TWiredSpringTest, NothingIsBuiltUndesignedOrWithoutTheControlModel)
{
    TWiredSpring s(3, &drApi::MA);
    s.Radius = 20;
    s.WireRadius = 2;
    s.Height = 50;
    s.dr3D(0);
    s.Design = true;
    ASSERT_EQ(drApi::LibraryControlModel, nullptr);
    s.dr3D(0);
    s.dr2D();
    EXPECT_EQ(OpenDocuments(), 0);
    EXPECT_EQ(Journal().Count("IDocuments::Add"), 0u);
}

// Two working turns keep the kernel's sweeps short; the sizes are the worked spring's.
TEST_F(TWiredSpringTest, SpringPartIsGroundFlatToItsLength)
{
    const std::string file = (FFolder / "spring.qpt").string();
    TWiredSpring::dr3D_Spring(drApi::MA, file.c_str(), 40, 2, 14, 2);
    EXPECT_FALSE(R().IDoc) << "saved and closed";
    // The main helix 12 high with its turns, the end turns 1 high with 0.75 turns.
    std::vector<std::string> helices;
    for (const char* op : {"ISpiral3D::SetHeight", "ISpiral3D::SetTurns", "ICylindricSpiral3D::SetDiameter"})
        for (const tvhost::TJournalEntry& e : Journal().Calls(op))
            helices.push_back(e.Text());
    EXPECT_EQ(helices,
              (std::vector<std::string>{"ISpiral3D::SetHeight(12.000000)", "ISpiral3D::SetHeight(1.000000)",
                                        "ISpiral3D::SetHeight(1.000000)", "ISpiral3D::SetTurns(2.000000)",
                                        "ISpiral3D::SetTurns(0.750000)", "ISpiral3D::SetTurns(0.750000)",
                                        "ICylindricSpiral3D::SetDiameter(38.000000)",
                                        "ICylindricSpiral3D::SetDiameter(38.000000)",
                                        "ICylindricSpiral3D::SetDiameter(38.000000)"}));

    const ITervanDocument3DPtr doc = FApp->GetDocuments()->Open(tvhost::FromUtf8(file).c_str(), false, false);
    ASSERT_TRUE(doc);
    const IPartPtr part = doc->GetTopPart();
    EXPECT_EQ(U(part->GetName()), "Пружина-  40.00*   2.00");
    EXPECT_EQ(U(part->GetMarking()), "Пружина");
    const tvhost::THostPart& top = *tvhost::HostAs<tvhost::THostPart>(part);
    ASSERT_EQ(top.LocalShapes().size(), 1u) << "one body of wire";
    const tvhost::TShape& body = top.LocalShapes()[0];
    EXPECT_TRUE(tvhost::IsValidShape(body));
    const auto box = tvhost::BoxOf(body);
    EXPECT_NEAR(box[5] - box[2], 14.0, 1e-3) << "ground flat at both ends";
    EXPECT_NEAR(box[2], 0.0, 1e-3);
    EXPECT_NEAR(box[3] - box[0], 40.0, 0.5);
    EXPECT_NEAR(box[4] - box[1], 40.0, 0.5);
    const double section = std::numbers::pi * 1.0 * 1.0;
    const double turn = std::numbers::pi * 38.0;
    const double main = std::hypot(2 * turn, 12.0), ends = 2 * std::hypot(0.75 * turn, 1.0);
    const double volume = tvhost::Volume(body);
    EXPECT_GT(volume, section * main);
    EXPECT_LT(volume, section * (main + ends));
    doc->Close(kdDoNotSaveChanges);
}

namespace {

// Of 72 points round the coil's radius 19 at height z, one every 5 degrees, those inside the
// wire.
int WireAround(const tvhost::TShape& body, double z)
{
    int inside = 0;
    for (int k = 0; k < 72; ++k) {
        const double a = k * std::numbers::pi / 36;
        const tvhost::TXyz p{19 * std::cos(a), 19 * std::sin(a), z};
        inside += tvhost::Classify(body, p, 1e-7) == tvhost::TPointPlace::ppInside;
    }
    return inside;
}

} // namespace

// Each end turn lies against its ground end: just inside either end the wire runs round the
// coil's radius alike, three quarters of a turn of end turn and the start of the working turn
// (a quarter turn stays open where the working turn climbs away). A lower end turn that
// climbed into the first working turn would leave the bottom half open.
TEST_F(TWiredSpringTest, BothEndsAreClosedAlike)
{
    const std::string file = (FFolder / "ends.qpt").string();
    TWiredSpring::dr3D_Spring(drApi::MA, file.c_str(), 40, 2, 14, 2);
    const ITervanDocument3DPtr doc = FApp->GetDocuments()->Open(tvhost::FromUtf8(file).c_str(), false, false);
    ASSERT_TRUE(doc);
    const tvhost::THostPart& top = *tvhost::HostAs<tvhost::THostPart>(doc->GetTopPart());
    ASSERT_EQ(top.LocalShapes().size(), 1u);
    for (const double depth : {0.2, 0.5}) {
        SCOPED_TRACE(depth);
        const int bottom = WireAround(top.LocalShapes()[0], depth);
        const int upper = WireAround(top.LocalShapes()[0], 14 - depth);
        EXPECT_GE(bottom, 54) << "three quarters of the turn and more";
        EXPECT_NEAR(bottom, upper, 1);
    }
    doc->Close(kdDoNotSaveChanges);
}

// The reference spring: outer diameter 40, wire 2, 50 high, 8 working turns.
TEST_F(TWiredSpringTest, ReferenceSpringOfEightTurnsIsOneValidBodyFiftyHigh)
{
    const std::string file = (FFolder / "spring8.qpt").string();
    TWiredSpring::dr3D_Spring(drApi::MA, file.c_str(), 40, 2, 50, 8);
    EXPECT_EQ(Journal().Calls("ISpiral3D::SetHeight").front().Text(), "ISpiral3D::SetHeight(48.000000)");
    EXPECT_EQ(Journal().Calls("ISpiral3D::SetTurns").front().Text(), "ISpiral3D::SetTurns(8.000000)");
    const ITervanDocument3DPtr doc = FApp->GetDocuments()->Open(tvhost::FromUtf8(file).c_str(), false, false);
    ASSERT_TRUE(doc);
    EXPECT_EQ(U(doc->GetTopPart()->GetName()), "Пружина-  40.00*   2.00");
    const tvhost::THostPart& top = *tvhost::HostAs<tvhost::THostPart>(doc->GetTopPart());
    ASSERT_EQ(top.LocalShapes().size(), 1u);
    const tvhost::TShape& body = top.LocalShapes()[0];
    EXPECT_TRUE(tvhost::IsValidShape(body));
    const auto box = tvhost::BoxOf(body);
    EXPECT_NEAR(box[5] - box[2], 50.0, 1e-3);
    EXPECT_NEAR(box[3] - box[0], 40.0, 0.5); // the outer diameter the name gives
    const double section = std::numbers::pi, turn = std::numbers::pi * 38.0;
    const double main = std::hypot(8 * turn, 48.0), ends = 2 * std::hypot(0.75 * turn, 1.0);
    const double volume = tvhost::Volume(body);
    EXPECT_GT(volume, section * main);
    EXPECT_LT(volume, section * (main + ends));
    doc->Close(kdDoNotSaveChanges);
}

// A spring is as long as asked, whatever its wire: no wire past the ends ground flat at 0 and
// at H, the wire's section just inside each, one valid body as wide as its diameter.
struct TSpringLengthCase {
    const char* Label;
    double D, d, H;
};

void PrintTo(const TSpringLengthCase& c, std::ostream* os)
{
    *os << c.Label;
}

class TSpringLengthTest : public TWiredSpringTest, public testing::WithParamInterface<TSpringLengthCase> {};

TEST_P(TSpringLengthTest, GroundFlatAtItsLength)
{
    const TSpringLengthCase& c = GetParam();
    const std::string file = (FFolder / "length.qpt").string();
    ASSERT_TRUE(
        TWiredSpring::dr3D_Spring(drApi::MA, file.c_str(), c.D, c.d, c.H, TWiredSpring::WorkingTurns));
    const ITervanDocument3DPtr doc = FApp->GetDocuments()->Open(tvhost::FromUtf8(file).c_str(), false, false);
    ASSERT_TRUE(doc);
    const tvhost::THostPart& top = *tvhost::HostAs<tvhost::THostPart>(doc->GetTopPart());
    ASSERT_EQ(top.LocalShapes().size(), 1u);
    EXPECT_TRUE(tvhost::IsValidShape(top.LocalShapes()[0]));
    const tvhost::TShape& body = top.LocalShapes()[0];
    // Nothing past either ground end, and the wire's whole section just inside each.
    const auto within = [&](double z0, double z1) {
        const tvhost::TShape slab = tvhost::MakeBox({-c.D, -c.D, z0}, 2 * c.D, 2 * c.D, z1 - z0);
        return tvhost::Volume(tvhost::Combined(tvhost::TBooleanKind::bkCommon, body, slab));
    };
    EXPECT_LT(within(-c.d, 0), 1e-3);
    EXPECT_LT(within(c.H, c.H + c.d), 1e-3);
    EXPECT_GT(within(0, 0.1), 0.1 * c.d * c.d);
    EXPECT_GT(within(c.H - 0.1, c.H), 0.1 * c.d * c.d);
    const auto box = tvhost::BoxOf(body);
    EXPECT_NEAR(box[3] - box[0], c.D, 0.5);
    doc->Close(kdDoNotSaveChanges);
}

INSTANTIATE_TEST_SUITE_P(Wires, TSpringLengthTest,
                         testing::Values(TSpringLengthCase{"Wire4Length60", 20, 4, 60},
                                         TSpringLengthCase{"Wire9_9Length200", 20, 9.9, 200}),
                         [](const testing::TestParamInfo<TSpringLengthCase>& i) {
                             return std::string(i.param.Label);
                         });
