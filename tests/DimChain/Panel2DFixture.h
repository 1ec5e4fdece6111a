#pragma once
// The drawing chain panel opened over the stand-in host's drawing, as the panel tests drive it:
// horizontal dimensions drawn with their dimension lines at chosen heights, picks (a cursor
// movement, then a click), the sample's collinear chain, and what the panel shows.

#include "pmDimensionChain2D.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "DrawingLinks.h"
#include "HostPropertyManager.h"
#include "HostScript.h"
#include "PanelProbe.h"

class TpmDimensionChain2DTest : public TDrawingLinksFixture {
public: // what a case's builder picks
    void TearDown() override
    {
        Panel.reset();
        A = B = C = {};
        tvhost::Script().Clear();
        TDrawingLinksFixture::TearDown();
    }
    // A horizontal dimension whose dimension line runs at height y3.
    tvapi::IDrawingObjectPtr Dim(double x1, double y1, double x2, double y2, double y3, double hi = 0,
                                 double lo = 0)
    {
        const tvapi::IDrawingObjectPtr d = LinearAt(0, x1, y1, x2, y2, hi, lo);
        tvapi::ILineDimensionPtr(d)->SetY3(y3);
        d->Update();
        return d;
    }
    void DrawChain()
    {
        A = Dim(0, 15, 40, 20, 44, 0.1, -0.1);
        B = Dim(30, 20, 40, 20, 34, 0.05, 0.0);
        C = Dim(0, 15, 30, 20, 28);
    }
    void Open() { Panel = std::make_unique<TpmDimensionChain2D>(); }
    void Pick(double x, double y)
    {
        Panel->PlacementChanged(x, y, 0, true);
        Panel->PlacementChanged(x, y, 0, false);
    }
    void PickChain()
    {
        Pick(20, 44);
        Pick(35, 34);
        Pick(15, 28);
    }
    // An angle at (100, 100) from A1 to A2 degrees with its deviations (its upper text Upper when
    // given), picked on its arc Out from the centre, then its first ray as a segment Ray long.
    void PickAngle(double A1, double A2, double Hi, double Lo, double Ray, double Out = 10,
                   const wchar_t* Upper = nullptr)
    {
        const tvapi::IAngleDimensionPtr angle(Angle(A1, A2, Hi, Lo));
        if (Upper) {
            tvapi::IDimensionTextPtr(angle)->GetUpperDeviation()->SetStr(Upper);
            tvapi::IDrawingObjectPtr(angle)->Update();
        }
        angle->SetXc(100);
        angle->SetYc(100);
        angle->SetDistance(Out);
        const double mid = (A1 + A2) / 2 * std::numbers::pi / 180, a = A1 * std::numbers::pi / 180;
        Pick(100 + Out * std::cos(mid), 100 + Out * std::sin(mid));
        Segment(100, 100, 100 + Ray * std::cos(a), 100 + Ray * std::sin(a));
        Pick(100 + Ray / 2 * std::cos(a), 100 + Ray / 2 * std::sin(a));
    }
    static tvhost::THostPropertyControl& Host(const tvapi::IPropertyControlPtr& c) { return HostControl(c); }
    tvhost::THostPropertyControl& Grid() { return Host(tvapi::IPropertyControlPtr(Panel->grListDimChain)); }
    tvhost::THostProcessParam& Param() { return HostParam(Panel->ProcessParam); }
    std::string Prompt() { return U(dynamic_cast<tvhost::THostProcess2D&>(*Panel->Process2D).Prompt()); }
    tvhost::THostPropertyControl* Control(const char* caption)
    {
        return Param().FindControl(tvhost::FromUtf8(caption));
    }
    std::vector<std::string> Statuses() { return StatusTexts(Journal()); }
    // How often Text was shown, on the status line or in a box.
    long Said(const char* Text)
    {
        std::vector<std::string> said = Statuses();
        for (const auto& e : Journal().Calls("IApplication::ShowMessageBox"))
            said.push_back(e.Arguments.at(0));
        return std::count(said.begin(), said.end(), Text);
    }
    std::string Cell(int row, int column) { return U(Grid().Cell(row, column)); }
    // D's upper deviation a number of 320 digits, which reads as infinite.
    static void ManyDigits(const tvapi::IDrawingObjectPtr& D)
    {
        tvapi::IDimensionTextPtr(D)->GetUpperDeviation()->SetStr((L"1" + std::wstring(320, L'0')).c_str());
        D->Update();
    }
    // Text typed into a cell of the grid, as the user does.
    void Type(int row, int column, const wchar_t* text)
    {
        Grid().SetCurrentCell(row, column);
        Grid().SetCellText(row, column, text);
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(Panel->grListDimChain));
    }
    // dl/dT 12 typed for 12e-6 at dT -50 on the link of the row: its length -599 times itself.
    void HeatUndoes(int row)
    {
        Type(row, rdLdT, L"12");
        Type(row, rdT, L"-50");
    }
    // Chooses Text in the settings list Caption, as the user does.
    void Choose(const char* Caption, const wchar_t* Text)
    {
        tvhost::THostPropertyControl& list = *Control(Caption);
        ASSERT_TRUE(list.UserSet(Text));
        Panel->ChangeControlValue(tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyList*>(&list)));
    }

    std::unique_ptr<TpmDimensionChain2D> Panel;
    tvapi::IDrawingObjectPtr A, B, C;
};
