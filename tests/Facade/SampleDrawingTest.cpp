// The sample drawing: a stepped shaft drawn through the facade (outline with chamfer, fillet
// and cone, axis, a hatched section, three linear dimensions, a diametral and an angular
// one, texts), saved, opened again with the same content, and pictured as SVG. The files it
// writes must equal those under samples/, so the committed sample never goes stale.

#include "drModelerAPI.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "FacadeFixture.h"
#include "HostText.h"
#include "SampleFiles.h"

namespace {

constexpr int Normal = tvapi::tvCSNormal;
constexpr int Thin = tvapi::tvCSThin;
constexpr int Axial = tvapi::tvCSAxial;
constexpr int Arrow = 1;

// The shaft along X: diameter 27 with a 1.5 chamfer, 40 from x = 40 to 90, 26 after a fillet
// R2, and a cone of 15 degrees (a drop of 2.68 over 10) from x = 120 to the end face at 130.
// No sine or tangent goes into the file, so it reads the same whatever the maths library.
// The section of the diameter 40 stands at (175, 0).
constexpr double Length = 130.0;
constexpr double ConeStart = 120.0;
constexpr double ConeDrop = 2.68;
constexpr double ConeAngle = 15.0;
constexpr double EndRadius = 13.0 - ConeDrop;
constexpr double SectionX = 175.0;

void DrawHalf(drApi::TModelerApi& m, double s)
{
    m.drLine(0, s * 13.5, 1.5, s * 15, Normal);
    m.drLine(1.5, s * 15, 40, s * 15, Normal);
    m.drLine(40, s * 20, 90, s * 20, Normal);
    m.drArc(92, s * 15, 2, 90, s * 15, 92, s * 13, s > 0 ? 1 : -1, Normal);
    m.drLine(92, s * 13, ConeStart, s * 13, Normal);
    m.drLine(ConeStart, s * 13, Length, s * EndRadius, Normal);
}

void DrawShaft(drApi::TModelerApi& m)
{
    DrawHalf(m, 1.0);
    DrawHalf(m, -1.0);
    m.drLine(0, -13.5, 0, 13.5, Normal);
    m.drLine(1.5, -15, 1.5, 15, Normal);
    m.drLine(40, -20, 40, 20, Normal);
    m.drLine(90, -20, 90, 20, Normal);
    m.drLine(ConeStart, -13, ConeStart, 13, Normal);
    m.drLine(Length, -EndRadius, Length, EndRadius, Normal);
    m.drLine(-5, 0, Length + 5, 0, Axial);

    m.drLine(SectionX - 25, 0, SectionX + 25, 0, Axial);
    m.drLine(SectionX, -25, SectionX, 25, Axial);
    m.drHatch(0, 45.0, 2.0);
    m.drCircle(SectionX, 0, 20, Normal);
    m.drEndObj();
    m.drText(SectionX - 8, 26, 0, 5, 1, 0, "А-А");
    m.drText(0, -50, 0, 5, 1, 0, "Вал ступенчатый");

    // Overall length below, the chain 40 + 50 above, the section's diameter, the cone angle.
    m.drDimL7(Length, "", 0, -22, 0, 0, 0, -Length / 2, 0, -13.5, 0, 0, Length, -EndRadius, 0, 0, "", "", "");
    m.drDimL7(50, "", 0, 8, 0, 0, 0, -38, 40, 20, 0, 0, 90, 20, 0, 0, "", "", "");
    m.drLine(0, 13.5, 0, 30, Thin);
    m.drDimL(40, "", 0, 8, 0, 0, 0, 0, 0, 13.5, Arrow, 1, 40, 20, Arrow, 1, "", "", "");
    m.drDimD(40, "", 0, 0, 0, SectionX, 0, 0, "", "", "");
    const double r = 25.0, run = Length - ConeStart, slope = std::sqrt(run * run + ConeDrop * ConeDrop);
    m.drDimA(ConeAngle, -1, 0, r, 0, 0, 0, 0, ConeStart + r, 13, Arrow, 1, ConeStart + r * run / slope,
             13 - r * ConeDrop / slope, Arrow, 1, "", ConeStart, 13);
}

} // namespace

using TSampleDrawingTest = TDrawingFacadeFixture;

TEST_F(TSampleDrawingTest, ShaftIsSavedReopenedAndPictured)
{
    DrawShaft(drApi::MA);
    ASSERT_TRUE(R().IDoc->SaveAs((sample::Dir() / "shaft.qdr").wstring().c_str()));
    std::string picture;
    const tvapi::ITervanDocumentPtr reopened =
        sample::ReopenAndPicture(Host().App().Documents(), "shaft", R().IDoc, picture);
    ASSERT_TRUE(reopened);

    // What was drawn, by kind, in the reopened drawing; the host measures the dimensions again.
    tvapi::ITervanDocument2DPtr doc(reopened);
    const tvapi::IDrawingContainerPtr view(drApi::GetSymbols2DContainer(doc));
    const std::map<tvapi::DrawingObjectTypeEnum, std::size_t> kinds = {
        {tvapi::tvDrLineSeg, 2 * 5 + 6 + 1 + 2 + 1},
        {tvapi::tvDrArc, 2},
        {tvapi::tvDrCircle, 1},
        {tvapi::tvDrHatch, 1},
        {tvapi::tvDrDrawingText, 2},
        {tvapi::tvDrLDimension, 3},
        {tvapi::tvDrDDimension, 1},
        {tvapi::tvDrADimension, 1}};
    std::vector<double> measured;
    for (const auto& [kind, count] : kinds) {
        EXPECT_EQ(view->GetObjects(kind).size(), count) << kind;
        for (const tvapi::IDrawingObjectPtr& object : view->GetObjects(kind))
            if (const tvapi::IDimensionTextPtr dim{object}) measured.push_back(dim->GetNominalValue());
    }
    EXPECT_EQ(measured, (std::vector<double>{Length, 50.0, 40.0, ConeAngle, 40.0}));

    EXPECT_NE(picture.find("class=\"hatch\""), std::string::npos);
    sample::ExpectCommitted("shaft");
}
