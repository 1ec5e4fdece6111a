// The recorded image: element storage, the recorders and the image state.
#include "GImage.h"

#include "LoadOrder.h"

#include <GL/gl.h>

#include <memory>
#include <utility>

[[gnu::init_priority(loadorder::Images)]] TGImage GI(nullptr, nullptr);
TGImage* PaintGI = nullptr;
TGImage* UpdateGI = nullptr;

TGImage::TGImage(THWnd iHandle, void* iOwner) : Handle(iHandle), Owner(iOwner)
{
    Font.ListBase = ListBase;
}

TGImage::~TGImage()
{
    ReleaseTexts();
}

void TGImage::ReleaseTexts()
{
    for (Integer i = 0; i < CountLElement; ++i) {
        TGElement& e = LElements.FArray[i];
        if (e.TE == eTextOut) e.S = nullptr;
    }
    Texts.clear();
}

// The next free slot with its kind set, or null when the image is full.
TGImage::TGElement* TGImage::Next(TypesGIElements kind)
{
    if (CountLElement >= MaxCountLElements || CountLElement >= LElements.Size()) return nullptr;
    TGElement* e = &LElements.FArray[CountLElement++];
    e->TE = kind;
    return e;
}

void TGImage::drLineWidth(const Real& W)
{
    if (TGElement* e = Next(eLineWidth)) e->W = W;
}

void TGImage::drPointSize(const Real& Size)
{
    if (TGElement* e = Next(ePointSize)) e->W = Size;
}

void TGImage::drStyle(const TPenStyles& St)
{
    if (TGElement* e = Next(eSetStyle)) {
        e->cR = e->cG = e->cB = 0;
        e->St = St;
    }
}

void TGImage::drColor(const Byte& red, const Byte& green, const Byte& blue)
{
    if (TGElement* e = Next(eColor)) {
        e->cR = red, e->cG = green, e->cB = blue;
        e->St = psUnknown;
    }
}

void TGImage::drColorStyle(const TColor& cColor, const TPenStyles& St)
{
    if (TGElement* e = Next(eColorStyle)) {
        e->cR = cColor.Red(), e->cG = cColor.Green(), e->cB = cColor.Blue();
        e->St = St;
    }
}

void TGImage::drMtr(const Real& x, const Real& y, const Real& A, const Real& S)
{
    if (TGElement* e = Next(eMtr)) e->X = x, e->Y = y, e->Sc = S, e->A = A;
}

void TGImage::drMtr3D(const Real& x, const Real& y, const Real& z, const Real& S)
{
    if (TGElement* e = Next(eMtr3D)) e->X = x, e->Y = y, e->Sc = S, e->A = z;
}

void TGImage::drDeleteMtr()
{
    Next(eDeleteMtr);
}

void TGImage::drPoint(const Real& x1, const Real& y1)
{
    if (TGElement* e = Next(ePoint)) e->x1 = x1, e->y1 = y1, e->x2 = e->y2 = e->z1 = e->z2 = 0.0;
}

void TGImage::drPoint3D(const Real& x1, const Real& y1, const Real& z1)
{
    if (TGElement* e = Next(ePoint3D)) e->vX = x1, e->vY = y1, e->vZ = z1;
}

void TGImage::drLine(const Real& x1, const Real& y1, const Real& x2, const Real& y2)
{
    if (TGElement* e = Next(eLine)) e->x1 = x1, e->y1 = y1, e->x2 = x2, e->y2 = y2, e->z1 = e->z2 = 0.0;
}

void TGImage::drLine3D(const Real& x1, const Real& y1, const Real& z1, const Real& x2, const Real& y2,
                       const Real& z2)
{
    if (TGElement* e = Next(eLine3D)) e->x1 = x1, e->y1 = y1, e->x2 = x2, e->y2 = y2, e->z1 = z1, e->z2 = z2;
}

void TGImage::drAxle()
{
    Next(eAxle);
}

void TGImage::drCircle(const Real& x, const Real& y, const Real& R)
{
    if (R == 0.0) return;
    if (TGElement* e = Next(eCircle)) e->xc = x, e->yc = y, e->R = R, e->Sa = e->Ea = 0.0;
}

void TGImage::drArc(const Real& x, const Real& y, const Real& R, const Real& Sa, const Real& Ea)
{
    if (R == 0.0) return;
    TGElement* e = Next(eArc);
    if (e == nullptr) return;
    e->xc = x, e->yc = y, e->R = R, e->Sa = Sa, e->Ea = Ea;
    if (R < 0.0) {
        e->R = -R;
        std::swap(e->Sa, e->Ea);
    }
}

void TGImage::drRectAngle(const Real& x1, const Real& y1, const Real& x2, const Real& y2)
{
    if (x1 == x2 || y1 == y2) return;
    if (TGElement* e = Next(eRectAngle)) e->x1 = x1, e->y1 = y1, e->x2 = x2, e->y2 = y2, e->z1 = e->z2 = 0.0;
}

void TGImage::drText(const Real& x, const Real& y, const Real& Angle, const Real& h, const TString& S)
{
    if (S.Empty()) return;
    if (TGElement* e = Next(eTextOut)) {
        e->xt = x, e->yt = y, e->Angle = Angle, e->ht = h;
        e->S = nullptr; // until the copy exists
        Texts.push_back(std::make_unique<TString>(S));
        e->S = Texts.back().get();
    }
}

void TGImage::drBegin(const UInteger& Code)
{
    if (TGElement* e = Next(eBegin)) e->Tcode = Code;
}

void TGImage::drEnd()
{
    Next(eEnd);
}

void TGImage::drVertex(const Real& x, const Real& y, const Real& z)
{
    if (TGElement* e = Next(eVertex)) e->vX = x, e->vY = y, e->vZ = z;
}

void TGImage::drVertexPointer(Integer size, UInteger atype, Integer stride, const void* data)
{
    if (TGElement* e = Next(eVertexPointer))
        e->size = size, e->atype = atype, e->stride = stride, e->data = data;
}

void TGImage::drNormalPointer(UInteger atype, Integer stride, const void* data)
{
    if (TGElement* e = Next(eNormalPointer))
        e->size = 3, e->atype = atype, e->stride = stride, e->data = data;
}

void TGImage::drIndexPointer(Integer size, UInteger atype, Integer stride, const void* data)
{
    if (TGElement* e = Next(eIndexPointer))
        e->size = size, e->atype = atype, e->stride = stride, e->data = data;
}

void TGImage::drColorPointer(Integer size, UInteger atype, Integer stride, const void* data)
{
    if (TGElement* e = Next(eColorPointer))
        e->size = size, e->atype = atype, e->stride = stride, e->data = data;
}

void TGImage::drEdgeFlagPointer(Integer stride, const void* data)
{
    if (TGElement* e = Next(eEdgeFlagPointer)) e->size = 1, e->atype = 0, e->stride = stride, e->data = data;
}

void TGImage::drDrawArrays(UInteger mode, Integer first, Integer count)
{
    if (TGElement* e = Next(eDrawArrays)) e->mode = mode, e->first = first, e->count = count;
}

void TGImage::drDrawElements(UInteger md, Integer cnt, UInteger typ, const void* data)
{
    if (TGElement* e = Next(eDrawElements))
        e->md = md, e->cnt = cnt, e->finish = 0, e->typ = typ, e->Dat = data;
}

void TGImage::drEnableClientState(UInteger aarray)
{
    if (TGElement* e = Next(eEnableClientState)) e->aarray = aarray;
}

void TGImage::drDisableClientState(UInteger aarray)
{
    if (TGElement* e = Next(eDisableClientState)) e->aarray = aarray;
}

void TGImage::drEnable(UInteger aarray)
{
    if (TGElement* e = Next(eEnable)) e->aarray = aarray;
}

void TGImage::drDisable(UInteger aarray)
{
    if (TGElement* e = Next(eDisable)) e->aarray = aarray;
}

void TGImage::drPolygonMode(UInteger face, UInteger mode)
{
    if (TGElement* e = Next(ePolygonMode)) e->face = face, e->fmode = mode;
}

void TGImage::drBlendFunc(UInteger SrcFactor, UInteger DstFactor)
{
    if (TGElement* e = Next(eBlendFunc)) e->face = SrcFactor, e->fmode = DstFactor;
}

void TGImage::drPushState(const Boolean& LoadIdentity)
{
    if (TGElement* e = Next(ePushState)) e->LoadIdentity = LoadIdentity;
}

void TGImage::drPopState()
{
    Next(ePopState);
}

void TGImage::drSetScreenPlane(Real left, Real right, Real bottom, Real top, Real zNear, Real zFar)
{
    if (TGElement* e = Next(eSetScreenPlane))
        e->left = left, e->right = right, e->bottom = bottom, e->top = top, e->zNear = zNear, e->zFar = zFar;
}

void TGImage::drClear()
{
    ReleaseTexts();
    CountLElement = 0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glGetDoublev(GL_PROJECTION_MATRIX, viewMatrix.V);
}

void TGImage::drClearColor(const Real& R, const Real& G, const Real& B, const Real& Alpha)
{
    ClearRed = R, ClearGreen = G, ClearBlue = B, ClearAlpha = Alpha;
}

void TGImage::Set3D(const Boolean& V, const Real& R, const Real& G, const Real& B, const Real& A)
{
    V3D = V;
    XRot = V ? 30.0 : 0.0;
    YRot = V ? -20.0 : 0.0;
    drClearColor(R, G, B, A);
}

void TGImage::InitFont(const TString&, const Real&)
{
    if (Font.Init) return;
    Font.Load(FontGlifData, FontGlifDataSize);
    if (Font.Init) Font.MakeListOGL();
}
