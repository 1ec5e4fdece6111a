#pragma once
// The drawing chain panel over a drawing saved, closed and opened again between steps, drawn in
// views of scale 1:1 and 2:1: the stack, slanted, plate and sample drawings the reopening tests
// work, and the grid's commands as a user clicks them.

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Panel2DFixture.h"

class TReopenFixture : public TpmDimensionChain2DTest {
protected:
    void SetUp() override
    {
        TpmDimensionChain2DTest::SetUp();
        char pattern[] = "/tmp/chainreopenXXXXXX";
        FDir = mkdtemp(pattern) ? pattern : "/tmp";
    }
    void TearDown() override
    {
        Dims.clear();
        std::filesystem::remove_all(FDir);
        TpmDimensionChain2DTest::TearDown();
    }
    // Draws in a view of Scale:1: the drawing's coordinates are Scale times the view's, the
    // dimensions read the view's sizes.
    void InView(double ViewScale, const std::function<void()>& DrawIn)
    {
        Scale = ViewScale;
        if (ByView) {
            R().View->SetScale(Scale);
            R().View->Update();
            DrawIn();
            return;
        }
        R().IDoc2D->PushLocalPlacement(0, 0, 0, Scale, Scale);
        DrawIn();
        R().IDoc2D->PopLocalPlacement();
    }
    // A click at the view's point (x, y).
    void At(double x, double y) { Pick(Scale * x, Scale * y); }
    // A horizontal dimension of the view from x1 to x2, its line at height y3, listed in Dims.
    void Part(double x1, double x2, double y3, double hi = 0, double lo = 0)
    {
        Dims.push_back(Dim(x1, 0, x2, 0, y3, hi, lo));
    }
    // OK, the drawing saved, closed, opened again and worked on by WhileClosed, and the panel
    // opened over it; Dims lists the reopened drawing's objects in the order they were drawn.
    void OkAndReopen(const std::function<void()>& WhileClosed = {})
    {
        Panel->ButtonClick(1);
        ASSERT_EQ(Panel->ExitCode, 0);
        Panel.reset();
        Dims.clear();
        A = B = C = {};
        ReopenDrawing(FDir + "/chain.qdr");
        if (WhileClosed) {
            Dims = Drawn();
            WhileClosed();
            Dims.clear();
            ReopenDrawing(FDir + "/changed.qdr");
        }
        Dims = Drawn();
        Open();
    }
    // The row of the current chain's first link without a dimension of its own (a derived one).
    int DerivedRow()
    {
        const TDimensionChain& chain = Panel->Chain();
        for (int i = 0; i < chain.Count(); ++i)
            if (!chain.Dimensions[i].Obj) return i + 1;
        return -1;
    }
    std::string Texts(std::size_t k) { return U(Upper(Dims.at(k))) + "|" + U(Lower(Dims.at(k))); }
    // A housing A 40 +-0.1 holding D 10 +-0.05, B 25 +-0.05 and C 2 +-0.03, the gap G 3
    // closing: D, B, C, A, G in Dims, picked in that order once the panel is open.
    void DrawStack(double ViewScale)
    {
        InView(ViewScale, [this] {
            Part(0, 10, 10, 0.05, -0.05);
            Part(10, 35, 20, 0.05, -0.05);
            Part(35, 37, 30, 0.03, -0.03);
            Part(0, 40, 40, 0.1, -0.1);
            Part(37, 40, 50);
        });
    }
    void PickStack()
    {
        for (const auto& [x, y] : {std::pair{5, 10}, {22, 20}, {36, 30}, {20, 40}, {38, 50}})
            At(x, y);
    }
    void GridCommand(int Row, int Button)
    {
        const tvapi::IPropertyControlPtr grid(Panel->grListDimChain);
        Panel->SelectItem(grid, Row, true);
        Panel->ControlCommand(grid, Button);
    }

    // L 20 +-0.05 from (0, 0) to (16, 12), the horizontal P 0..16 to project it on, H 16..26
    // +-0.1, Z 0..26, the vertical V 12 +-0.05 and the horizontal W 0..16 (Dims 0 to 5), and an
    // angular dimension +0.5 degrees/Low at (200, 200) to tilt L (Dims 6 once reopened).
    void DrawSlanted(double ViewScale, double Low)
    {
        InView(ViewScale, [this] {
            Dims.push_back(Linear(0, 0, 16, 12, 0.05, -0.05));
            Part(0, 16, -50);
            Part(16, 26, -10, 0.1, -0.1);
            Part(0, 26, -30);
            Dims.push_back(Linear(16, 0, 16, 12, 0.05, -0.05));
            Part(0, 16, -70);
        });
        DrawAngle(Low);
    }
    // The angular dimension +0.5 degrees/Low at (200, 200) that PickAngle picks.
    void DrawAngle(double Low)
    {
        const tvapi::IAngleDimensionPtr angle(Angle(0, 30, 0.5, Low));
        angle->SetXc(200);
        angle->SetYc(200);
        angle->SetDistance(10);
    }
    // L (row 1) projected on P by the grid's command.
    void Project()
    {
        GridCommand(1, 2);
        At(8, -50);
    }
    void PickAngle()
    {
        const double k = ByView ? Scale : 1;
        Pick(k * (200 + 10 * std::cos(0.2618)), k * (200 + 10 * std::sin(0.2618)));
    }
    // The angle laid on L (row 1) by the grid's command.
    void Tilt()
    {
        GridCommand(1, 3);
        PickAngle();
    }
    // The chain closed: projected, by H and Z; else by V and W.
    void CloseSlanted(bool Projected) { Projected ? (At(21, -10), At(13, -30)) : (At(16, 6), At(8, -70)); }
    // L picked and given the angle (picked, then L again, or by the grid's command) and, when
    // Projected, the projection in the order given; the chain then closed.
    void LayAndClose(bool Projected, bool AngleFirst, bool Picked)
    {
        At(8, 6);
        const std::function<void()> tilt = [&] { Picked ? (PickAngle(), At(8, 6)) : Tilt(); };
        if (!Projected)
            tilt();
        else
            AngleFirst ? (tilt(), Project()) : (Project(), tilt());
        CloseSlanted(Projected);
    }

    // A plate with X 0..30 +-0.05 (Dims 0) and a hole of radius 10 centred at 30, its radius
    // 10 +-0.02 dimensioned at 60 degrees (or centred at 20, its diameter 20 +-0.04 at 90
    // degrees: Dims 1), laid along the segment Dims 2, closing on W 0..20 (or 0..10: Dims 3).
    void DrawPlate(double ViewScale, bool Diametral)
    {
        InView(ViewScale, [&] {
            Part(0, 30, -20, 0.05, -0.05);
            const double centre = Diametral ? 20 : 30, dev = Diametral ? 0.04 : 0.02;
            Dims.push_back(Circle(Diametral, centre, 0, 10, dev, -dev));
            if (Diametral)
                tvapi::IDiametralDimensionPtr(Dims.back())->SetAngle(90);
            else
                tvapi::IRadialDimensionPtr(Dims.back())->SetAngle(60);
            Dims.back()->Update();
            Dims.push_back(Segment(5, -45, 15, -45));
            Part(0, centre - 10, -30);
        });
    }
    void PickPlate(bool Diametral)
    {
        At(15, -20);
        Diametral ? At(20, 7) : At(30 + 3.5, 3.5 * std::sqrt(3.0));
        At(10, -45);
        At(Diametral ? 5 : 10, -30);
    }
    // The sample's chain A 40 +-0.1, B 10 +0.05/0 closing C 30 (Dims 0 to 2) and an aligned
    // dimension along (0.8, 0.6) (Dims 3): A's ends (0, 15) and (40, 20) span 35 along it.
    void DrawSample(double ViewScale)
    {
        InView(ViewScale, [this] {
            DrawChain();
            Dims = {A, B, C};
            const tvapi::ILineDimensionPtr d(LinearAt(std::atan2(3.0, 4.0), 150, -40, 166, -28, 0.05, -0.05));
            d->SetX3(145.2);
            d->SetY3(-33.6);
            Dims.push_back(tvapi::IDrawingObjectPtr(d));
            Dims.back()->Update();
        });
    }
    // A click on the aligned dimension's line.
    void PickAligned() { At(153.2, -27.6); }

    std::string FDir;
    double Scale = 1;
    bool ByView = false; // a view of Scale:1 rather than a local placement
    std::vector<tvapi::IDrawingObjectPtr> Dims;
};
