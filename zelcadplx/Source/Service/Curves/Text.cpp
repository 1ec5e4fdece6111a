// The text item: construction, copy and its stored record.

#include "Text.h"

#include "KmfData.h"

TText::TText(const double& InitX, const double& InitY, const double& iAngle, const double& iHeight,
             const TString& S)
    : TBasePoint(InitX, InitY), Text(std::make_unique<Str>(S)), Angle(iAngle), Height(iHeight)
{
}

TText::TText(const TText& T)
    : TBasePoint(T), Text(std::make_unique<Str>(*T.Text)), Angle(T.Angle), Height(T.Height)
{
}

void TText::Init(const double& InitX, const double& InitY, const double& TAngle, const double& THeight,
                 const TString& S)
{
    Set(InitX, InitY);
    Atr = 0;
    Angle = TAngle;
    Height = THeight;
    Text = std::make_unique<Str>(S);
}

void TText::Store(TKmfData& S) const
{
    TBasePoint::Store(S);
    S.Write(Angle);
    S.Write(Height);
    S.Write(*Text);
}

void TText::Load(TKmfData& S)
{
    TBasePoint::Load(S);
    S.Read(Angle);
    S.Read(Height);
    auto fresh = std::make_unique<Str>();
    S.Read(*fresh);
    Text = std::move(fresh);
}

TCurve2D* TText::Duplicate() const
{
    auto* T = new TText(*this);
    T->CopyHead(*this);
    return T;
}
