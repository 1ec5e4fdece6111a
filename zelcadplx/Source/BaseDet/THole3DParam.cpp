// THole3DParam: the record, its setters, reshaping and stream form, and the end lines of the
// section outline.
#include "THole3DParam.h"

#include <utility>

#include "KmfData.h"

namespace {

constexpr double DefaultTransition = 0.5; // the transitions and chamfers the setters give

} // namespace

THole3DParam::THole3DParam(TModeler3D& iM)
    : TWrapModeler(iM), Cfg("", 0, {"Отсутствует", "Простое", "Двуступенчатое", "Сложное"}), Quality("h14")
{
}

THole3DParam::THole3DParam(TModeler3D* iM, bool Owner)
    : TWrapModeler(iM, Owner), Cfg("", 0, {"Отстутствует", "Простое", "Двуступенчатое", "Сложное"}),
      Quality("h14")
{
}

THole3DParam::THole3DParam(const THole3DParam& H)
    : TWrapModeler(H.M2.Ptr, false), Cfg("", 0, {"Отсутствует", "Простое", "Двуступенчатое", "Сложное"})
{
    CopyShape(H);
}

THole3DParam& THole3DParam::operator=(const THole3DParam& H)
{
    if (&H != this) CopyShape(H);
    return *this;
}

void THole3DParam::CopyShape(const THole3DParam& H)
{
    Typ2D = H.Typ2D;
    if (Cfg.PInt && H.Cfg.PInt) *Cfg.PInt = *H.Cfg.PInt;
    lF = H.lF;
    lL = H.lL;
    lR = H.lR;
    F1 = H.F1;
    L = H.L;
    R = H.R;
    F2 = H.F2;
    rL = H.rL;
    rR = H.rR;
    rF = H.rF;
    Quality = H.Quality;
}

void THole3DParam::Set(const double& ilF, const double& ilL, const double& ilR, const double& iF1,
                       const double& iL, const double& iR, const double& iF2, const double& irL,
                       const double& irR, const double& irF)
{
    // Read every argument before writing: they may be this record's own fields in another order.
    const double v[10] = {ilF, ilL, ilR, iF1, iL, iR, iF2, irL, irR, irF};
    lF = v[0];
    lL = v[1];
    lR = v[2];
    F1 = v[3];
    L = v[4];
    R = v[5];
    F2 = v[6];
    rL = v[7];
    rR = v[8];
    rF = v[9];
    *Cfg.PInt = 3;
}

void THole3DParam::Set1C(const double& iR, const double& iL)
{
    const double r = iR, l = iL; // the arguments may be this record's own fields
    lF = lL = lR = 0.0;
    rL = rR = rF = 0.0;
    R = r;
    L = l;
    F1 = F2 = DefaultTransition;
    *Cfg.PInt = 1;
}

void THole3DParam::Set2C(const double& ilR, const double& ilL, const double& iR, const double& iL)
{
    const double stepR = ilR, stepL = ilL, r = iR, l = iL;
    lR = stepR;
    lL = stepL;
    lF = DefaultTransition;
    F1 = 0.0;
    R = r;
    L = l;
    F2 = DefaultTransition;
    rL = rR = rF = 0.0;
    *Cfg.PInt = 2;
}

void THole3DParam::Reverse()
{
    std::swap(lF, rF);
    std::swap(lL, rL);
    std::swap(lR, rR);
    std::swap(F1, F2);
}

void THole3DParam::Prepare()
{
    const int c = *Cfg.PInt;
    if (c == 3) return;
    const double k2 = c == 2 ? 1.0 : 0.0;
    const double k1 = c == 0 ? 0.0 : 1.0;
    lF *= k2;
    lL *= k2;
    lR *= k2;
    F1 *= k1;
    L *= k1;
    R *= k1;
    F2 *= k1;
    rL = rR = rF = 0.0;
}

void THole3DParam::toStream(TKmfData& stream) const
{
    Cfg.toStream(stream);
    for (const double v : {lF, lL, lR, F1, L, R, F2, rL, rR, rF})
        stream.Write(v);
}

void THole3DParam::fromStream(TKmfData& stream)
{
    if (stream.ErrorReadFromFileToBufer) return;
    const int c = stream.ReadInteger();
    double v[10];
    for (double& x : v)
        x = stream.ReadReal();
    if (stream.ErrorReadFromFileToBufer) return; // cut short: keep what the record held
    *Cfg.PInt = c;
    Cfg.ADef.Current = c;
    Set(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]);
    *Cfg.PInt = c;
}

void THole3DParam::DrawLeftRight(int Typ)
{
    if (!M2) return;
    if (Typ & DnCut) {
        drLine(lx, -lr, lx, 0.0, 1);
        drLine(rx, 0.0, rx, -rr, 1);
    }
    if (Typ & UpCut) {
        drLine(lx, 0.0, lx, lr, 1);
        drLine(rx, rr, rx, 0.0, 1);
    }
}
