#pragma once
// Fixture for dimensions and attributes made through the facade: the drawing fixture with
// the drawing also the current document, and a linear dimension over two fixed points.

#include <string>

#include "Drawing2DFacadeFixture.h"
#include "tvapi/Dimensions.h"

class TDimFacadeFixture : public TDrawing2DFacadeFixture {
protected:
    void SetUp() override {
        TDrawing2DFacadeFixture::SetUp();
        R().IDoc = R().IDoc2D;
    }

    static tvapi::IDrawingObjectPtr Current() { return drApi::MA.R2->CurDrawingObject; }
    static std::wstring TextOf(tvhost::TDrawingCore& core, const char* name) { return core.Text(name).Str(); }
    // drDimL over (10, 0) and (40, 20): text position 1, shelf 6 at 30 degrees, terminator 2
    // drawn at the first end and 3, not drawn, at the second.
    static void DimL(double Dx, double Dy, int Pt, const char* S1 = "", const char* S2 = "") {
        drApi::MA.drDimL(0.0, "", Dx, Dy, Pt, 1, 30.0, 6.0, 10.0, 0.0, 2, 5, 40.0, 20.0, 3, 0, S1, S2, "");
    }
};
