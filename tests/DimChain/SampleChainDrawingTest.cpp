// The sample drawing of the dimension chains: a stepped shaft with a collinear chain of
// horizontal dimensions (A 40 ±0.1, B 10 +0.05/0, closing C 30, and the overall L 80 with
// M 40, a second path to C), an inclined chain of aligned dimensions with its aligned closing
// dimension, an end view with a diametral and a radial dimension, and an angular dimension.
// The files it writes must equal those under samples/, so the committed sample never goes stale.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "DrawingLinks.h"
#include "HostDocumentFile.h"
#include "HostSvg.h"

namespace {

namespace fs = std::filesystem;

constexpr int Normal = tvapi::tvCSNormal;
constexpr int Axial = tvapi::tvCSAxial;

std::string Bytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shaft along X: radius 15 up to x = 30, 20 up to 40, 12 up to the end face at 80.
void DrawShaft(drApi::TModelerApi& m)
{
    for (const double s : {1.0, -1.0}) {
        m.drLine(0, s * 15, 30, s * 15, Normal);
        m.drLine(30, s * 20, 40, s * 20, Normal);
        m.drLine(40, s * 12, 80, s * 12, Normal);
    }
    m.drLine(0, -15, 0, 15, Normal);
    m.drLine(30, -20, 30, 20, Normal);
    m.drLine(40, -20, 40, 20, Normal);
    m.drLine(80, -12, 80, 12, Normal);
    m.drLine(-5, 0, 85, 0, Axial);
    // The end view: the step of diameter 40 with a centre hole of radius 5.
    m.drLine(105, 0, 155, 0, Axial);
    m.drLine(130, -25, 130, 25, Axial);
    m.drCircle(130, 0, 20, Normal);
    m.drCircle(130, 0, 5, Normal);
    // The inclined edge of a plate, slope 3 in 4, from (150, -40).
    m.drLine(150, -40, 182, -16, Normal);
    m.drLine(150, -40, 190, -40, Normal);
    m.drText(0, -45, 0, 5, 1, 0, "Вал ступенчатый");
}

} // namespace

class TSampleChainDrawingTest : public TDrawingLinksFixture {
protected:
    // A dimension measured at `angle` whose dimension line passes through (x3, y3).
    tvapi::IDrawingObjectPtr Dim(double angle, double x1, double y1, double x2, double y2, double x3,
                                 double y3, double hi = 0.0, double lo = 0.0)
    {
        const tvapi::IDrawingObjectPtr d = LinearAt(angle, x1, y1, x2, y2, hi, lo);
        const tvapi::ILineDimensionPtr line(d);
        line->SetX3(x3);
        line->SetY3(y3);
        d->Update();
        return d;
    }
    void DrawDimensions()
    {
        Dim(0, 0, 15, 40, 20, 20, 44, 0.1, -0.1);    // A
        Dim(0, 30, 20, 40, 20, 35, 34, 0.05, 0.0);   // B
        Dim(0, 0, 15, 30, 20, 15, 28);               // C, closing A - B
        Dim(0, 0, -15, 80, -12, 40, -28, 0.2, -0.2); // L
        Dim(0, 40, 20, 80, 12, 60, 28, 0.1, -0.1);   // M
        // The inclined chain along (0.8, 0.6), its dimension lines 8 and 18 off the edge.
        const double slope = std::atan2(3.0, 4.0);
        Dim(slope, 150, -40, 166, -28, 145.2, -33.6, 0.05, -0.05);
        Dim(slope, 166, -28, 178, -19, 161.2, -21.6, 0.1, 0.0);
        Dim(slope, 150, -40, 178, -19, 139.2, -25.6);
        const tvapi::IDiametralDimensionPtr dia(Circle(true, 130, 0, 20, 0.1, 0.0));
        dia->SetAngle(45);
        tvapi::IDrawingObjectPtr(dia)->Update();
        const tvapi::IRadialDimensionPtr rad(Circle(false, 130, 0, 5, 0.05, -0.05));
        rad->SetAngle(200);
        tvapi::IDrawingObjectPtr(rad)->Update();
        const tvapi::IAngleDimensionPtr angle(Angle(0, 36.87, 0.5, -0.5));
        angle->SetXc(150);
        angle->SetYc(-40);
        angle->SetDistance(25);
        angle->SetX1(190);
        angle->SetY1(-40);
        angle->SetX2(182);
        angle->SetY2(-16);
        tvapi::IDrawingObjectPtr(angle)->Update();
    }
};

TEST_F(TSampleChainDrawingTest, ShaftWithChainsIsSavedReopenedAndPictured)
{
    DrawShaft(drApi::MA);
    DrawDimensions();
    const fs::path dir = fs::path(DC_BINARY_DIR) / "samples";
    fs::create_directories(dir);
    const fs::path file = dir / "chain.qdr", copy = dir / "chain-reopened.qdr", svg = dir / "chain.svg";
    ASSERT_TRUE(R().IDoc->SaveAs(file.wstring().c_str()));

    const tvapi::ITervanDocumentPtr reopened = Host().App().Documents().OpenFile(file.wstring());
    ASSERT_TRUE(reopened);
    ASSERT_TRUE(reopened->SaveAs(copy.wstring().c_str()));
    EXPECT_EQ(Bytes(copy), Bytes(file));

    // The host measures the dimensions again from their points.
    tvapi::ITervanDocument2DPtr doc(reopened);
    const tvapi::IDrawingContainerPtr view(drApi::GetSymbols2DContainer(doc));
    std::vector<double> measured;
    for (const auto kind : {tvapi::tvDrLDimension, tvapi::tvDrDDimension, tvapi::tvDrRDimension})
        for (const tvapi::IDrawingObjectPtr& object : view->GetObjects(kind))
            measured.push_back(std::round(tvapi::IDimensionTextPtr(object)->GetNominalValue() * 1000) / 1000);
    EXPECT_EQ(measured, (std::vector<double>{40, 10, 30, 80, 40, 20, 15, 35, 40, 5}));

    std::string error;
    ASSERT_TRUE(tvhost::WriteSvgFile(dynamic_cast<tvhost::TDocumentCore&>(*reopened), svg.wstring(), error))
        << error;

    // Copy the files above over the committed sample when the drawing changes on purpose.
    const fs::path committed = fs::path(DC_SOURCE_DIR) / "samples";
    for (const char* name : {"chain.qdr", "chain.svg"}) {
        ASSERT_TRUE(fs::exists(committed / name)) << name;
        EXPECT_TRUE(Bytes(committed / name) == Bytes(dir / name)) << name;
    }
}
