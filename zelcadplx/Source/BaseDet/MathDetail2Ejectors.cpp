// The spring-loaded ejector and the return pins: both drawn as the toolbox's stepped ejector
// pin, on their sheets and as revolved parts; the ejector's notch is cut as a wedge.

#include "MathDetail2.h"

#include "ContDrawing.h"
#include "Mathemat.h"
#include "TDemStr.h"

namespace {

// Where the fit differs from the working end, the shank is relieved by 0.5 (exact compare:
// the two radii come from the same table).
Real ShankRadius(Real Radius, Real FitRadius)
{
    return FitRadius != Radius ? Radius - 0.5 : Radius;
}

// An ejector's sheet, closed with the hardness, the coating of the "0,2" surface and the
// length fitted in place.
TSheetBracket EjectorSheet(TModeler3D& M, TDcDetail Id, Real x, Real y)
{
    return TSheetBracket(M, Id, x, y, TDemStr[35], TDemStr[3], TDemStr[39]);
}

const TEjectorPlug* PlugOf(const TDetail& D)
{
    return dynamic_cast<const TEjectorPlug*>(D.Complement);
}

// The ejector with a notch x9 long and y78 deep.
void DrawChannel(const TEjectorChannel& E, Real const& mx, Real const& my, Real const& ma, Real const& ms,
                 Real x9, Real const& y78, Integer tl, Boolean isSize)
{
    const Real y71 = E.Len + E.SpringLen, r69 = ShankRadius(E.Radius, E.FitRadius);
    TCommonGeometry(E.M2()).dr2D_Shtovhach_V1(mx, my, ma, ms, E.Radius, r69, E.CollarRadius, E.FitRadius,
                                              E.SpringRadius, E.Len, E.FitLen, E.CollarHeight, y71, x9, y78,
                                              tl, isSize);
}

} // namespace

// ---- Spring-loaded ejector ------------------------------------------------------------------------

void TEjectorChannel::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                              Boolean isSize) const
{
    const TEjectorPlug* plug = PlugOf(*this);
    if (!plug || !ComponentExists(Id)) return;
    DrawChannel(*this, mx, my, ma, ms, plug->ConeLen, GradeHeight, tl, isSize);
}

void TEjectorChannel::dr2D() const
{
    if (!PlugOf(*this)) return;
    const TSheetBracket sheet = EjectorSheet(M2(), Id, SpringLen - 25, -CollarHeight);
    if (!sheet) return;
    dr2D_V1(20, 0, 0, 1, 1, true);
}

void TEjectorChannel::dr3D(const Integer) const
{
    const TEjectorPlug* plug = PlugOf(*this);
    if (!plug) return;
    const TPartBracket part(M2(), Id, {2 * Radius, Len});
    if (!part) return;
    DrawChannel(*this, 0, 0, 0, 1, 0, 0, 0, false);
    part.Revolve();
    // A wedge over the plug's cone, GradeHeight deep there and running out at the end face,
    // cut through the whole pin from the plane touching it. Without the sketch the cut would
    // take an older one, and a cone of no length leaves nothing to cut.
    if (GradeHeight > 0 && Zn(plug->ConeLen) > 0) {
        M2->drPlaneEskis(tvapi::o3d_planeYOZ, Radius, 0.0, "");
        if (M2->IsEskisOpen()) {
            const Real x = Len - plug->ConeLen;
            TContDrawing C(M2());
            C.Make(x, -Radius, dP(x, GradeHeight - Radius, dP(Len, -Radius, dP(x, -Radius, nullptr))));
            C.dr2D(1);
            // The plane touches the pin where YOZ's sketches leave it: the notch is cut along
            // their normal, back across the pin (against it, it would take nothing).
            M2->drCutExtrusion(tvapi::dtNormal, tvapi::etBlind, 2 * Radius, 0.0);
        }
    }
}

// ---- Return pins ------------------------------------------------------------------------------------

void TBackEjector::dr2D_V1(Real const& mx, Real const& my, Real const& ma, Real const& ms, Integer tl,
                           Boolean isSize) const
{
    if (!ComponentExists(Id)) return;
    // No spigot (y71 = x73) and no notch; r96 only splits the collar's back face.
    const Real r69 = ShankRadius(Radius, FitRadius), r96 = 5.0;
    TCommonGeometry(M2()).dr2D_Shtovhach_V1(mx, my, ma, ms, Radius, r69, CollarRadius, FitRadius, r96, Len,
                                            FitLen, CollarHeight, Len, 0.0, 0.0, tl, isSize);
}

void TBackEjector::dr2D() const
{
    const TSheetBracket sheet = EjectorSheet(M2(), Id, Len - 20, -CollarRadius);
    if (!sheet) return;
    dr2D_V1(0, 0, 0, 1, 1, true);
}

void TBackEjector::dr3D(const Integer) const
{
    if (const TPartBracket part(M2(), Id, {2 * Radius, Len}); part) {
        dr2D_V1(0, 0, 0, 1, 0, false);
        part.Revolve();
    }
    dr3D_Opora();
}
