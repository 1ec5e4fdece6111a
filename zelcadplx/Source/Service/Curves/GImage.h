#pragma once
// TGImage: a recorded drawing for an OpenGL view. Recorders (dr...) append typed elements
// with no OpenGL context; the view replays them each time it paints (glDraw). The immediate
// forms (gi...) draw at once; the 3D mode, the gradient background and the mouse handlers that
// rotate, scale and move the view work on the current context's model-view matrix.

#include "GFont.h"
#include "Mathemat3d.h"
#include "PenStyles.h"
#include "TArray.h"

#include "tvapi/PressedKeys.h"

#include <memory>
#include <vector>

// A colour as 0x00BBGGRR: red in the lowest byte, the top byte read as alpha where used.
struct TColor {
    UInteger Color = 0;

    constexpr TColor() noexcept = default;
    constexpr TColor(UInteger c) noexcept : Color(c) {}
    constexpr Byte Red() const noexcept { return static_cast<Byte>(Color); }
    constexpr Byte Green() const noexcept { return static_cast<Byte>(Color >> 8); }
    constexpr Byte Blue() const noexcept { return static_cast<Byte>(Color >> 16); }
    constexpr Byte Alpha() const noexcept { return static_cast<Byte>(Color >> 24); }
};

inline constexpr TColor clBlack{0x000000}, clMaroon{0x000080}, clGreen{0x008000}, clOlive{0x008080},
    clNavy{0x800000}, clPurple{0x800080}, clTeal{0x808000}, clGray{0x808080}, clSilver{0xC0C0C0},
    clRed{0x0000FF}, clLime{0x00FF00}, clYellow{0x00FFFF}, clBlue{0xFF0000}, clFuchsia{0xFF00FF},
    clAqua{0xFFFF00}, clLtGray{0xC0C0C0}, clDkGray{0x808080}, clWhite{0xFFFFFF}, clNone{0x1FFFFFFF},
    clDefault{0x20000000};
inline constexpr TColor DnBkColor{0}, UpBkColor{0xFFFFFFFE};

class TGImage {
public:
    using THWnd = void*;

    enum GICommands : Integer { cNone = 0, cRotate = 1, cScale = 2, cMove = 3 };

    enum TypesGIElements : Integer {
        eLineWidth,
        eSetStyle,
        eColor,
        eColorStyle,
        eMtr,
        eMtr3D,
        eDeleteMtr,
        ePoint,
        eLine,
        eCircle,
        eArc,
        eRectAngle,
        eTextOut,
        eAxle,
        eBegin,
        eEnd,
        eVertex,
        ePointSize,
        eVertexPointer,
        eNormalPointer,
        eIndexPointer,
        eColorPointer,
        eEdgeFlagPointer,
        eEnableClientState,
        eDisableClientState,
        eDrawArrays,
        eDrawElements,
        eEnable,
        eDisable,
        ePolygonMode,
        eBlendFunc,
        ePoint3D,
        eLine3D,
        ePushState,
        ePopState,
        eSetScreenPlane
    };

    // One recorded element: its kind and the parameters of that kind. The pointer kinds keep
    // the caller's array address: the arrays must outlive the recording.
    struct TGElement {
        TypesGIElements TE;
        union {
            struct {
                Real W;
            };
            struct {
                Byte cR, cG, cB;
                TPenStyles St;
            };
            struct {
                Real X, Y, Sc, A;
            };
            struct {
                Real x1, y1, x2, y2, z1, z2;
            };
            struct {
                Real xc, yc, R, Sa, Ea;
            };
            struct {
                Real xt, yt, Angle, ht;
                const TString* S; // one of Texts: the image owns it
            };
            struct {
                UInteger Tcode;
            };
            struct {
                Real vX, vY, vZ;
            };
            struct {
                Integer size;
                UInteger atype;
                Integer stride;
                const void* data;
            };
            struct {
                UInteger aarray;
            };
            struct {
                UInteger mode;
                Integer first;
                Integer count;
            };
            struct {
                UInteger md;
                Integer cnt;
                Integer finish;
                UInteger typ;
                const void* Dat;
            };
            struct {
                UInteger face;
                UInteger fmode;
            };
            struct {
                Boolean LoadIdentity;
            };
            struct {
                Real left, right, bottom, top, zNear, zFar;
            };
        };
        // Storage is reserved untouched: a slot is written only when an element is recorded.
        TGElement() noexcept {}
    };

    static constexpr Integer MaxCountLElements = 524288;
    static constexpr Integer ListBase = TFontGlif::DefaultListBase;
    static constexpr Real ScaleDragPixels = 50.0;     // vertical travel that adds 1 to the scale step
    static constexpr Real MinScaleStep = 0.1;         // a scale step never shrinks the view further
    static constexpr Real ScaleDepthLimit = 100.0;    // larger depth shifts are not followed
    static constexpr Integer AxisPixels = 10;         // span of the screen axes of a rotation
    static constexpr Real MaxArcRadius = 1e6;         // larger arcs are not drawn
    static constexpr Integer MaxCurveSegments = 4096; // cap of an immediate circle or arc

    TFontGlif Font;
    THWnd Handle = nullptr;
    void* Owner = nullptr;
    TArrayOf<TGElement> LElements{MaxCountLElements, MaxCountLElements};
    Integer CountLElement = 0;
    // The texts of the recorded text elements. They live here rather than in the elements so
    // that the reserved element storage stays untouched until it is written.
    std::vector<std::unique_ptr<TString>> Texts;
    Integer CWidth = 0, CHeight = 0;
    Integer Viewport[4] = {};
    Integer prViewPort[4] = {};
    TMtr3D viewMatrix;
    TMtr3D mtrMatrix;
    Boolean V3D = true;
    GICommands Command = cNone;
    Boolean CommandWork = false;
    Integer X = 0, Y = 0;
    Real Z = 0.0;
    Real sX = 0.0, sY = 0.0, sZ = 0.0;
    Real cX = 0.0, cY = 0.0, cZ = 0.0;
    Real rX1 = 0.0, rX2 = 0.0, rY1 = 0.0, rY2 = 0.0, rZ1 = 0.0, rZ2 = 0.0;
    Real XRot = 30.0, YRot = 70.0;
    Real ClearRed = 1.0, ClearGreen = 1.0, ClearBlue = 1.0, ClearAlpha = 1.0;
    Real Tx = 0.0, Ty = 0.0, Ta = 0.0, Th = 0.0, dTx = 0.0, dTy = 0.0;

    TGImage(THWnd iHandle, void* iOwner);
    ~TGImage();
    TGImage(const TGImage&) = delete;
    TGImage& operator=(const TGImage&) = delete;

    // ---- Recorders: each appends one element; a full image (MaxCountLElements) drops it.
    void drLineWidth(const Real& W);
    void drPointSize(const Real& Size);
    void drStyle(const TPenStyles& St);
    void drColor(const Byte& red, const Byte& green, const Byte& blue);
    void drColorStyle(const TColor& cColor, const TPenStyles& St);
    void drMtr(const Real& x, const Real& y, const Real& A, const Real& S); // A in degrees
    void drMtr3D(const Real& x, const Real& y, const Real& z, const Real& S);
    void drDeleteMtr();
    void drPoint(const Real& x1, const Real& y1);
    void drPoint3D(const Real& x1, const Real& y1, const Real& z1);
    void drLine(const Real& x1, const Real& y1, const Real& x2, const Real& y2);
    void drLine3D(const Real& x1, const Real& y1, const Real& z1, const Real& x2, const Real& y2,
                  const Real& z2);
    void drAxle();
    void drCircle(const Real& x, const Real& y, const Real& R); // nothing for R = 0
    // Degrees, counter-clockwise; nothing for R = 0; a negative R is the arc Ea..Sa of -R.
    void drArc(const Real& x, const Real& y, const Real& R, const Real& Sa, const Real& Ea);
    void drRectAngle(const Real& x1, const Real& y1, const Real& x2, const Real& y2); // nothing when flat
    // Keeps its own copy of S; nothing for an empty text.
    void drText(const Real& x, const Real& y, const Real& Angle, const Real& h, const TString& S);
    void drBegin(const UInteger& Code);
    void drEnd();
    void drVertex(const Real& x, const Real& y, const Real& z);
    void drVertexPointer(Integer size, UInteger atype, Integer stride, const void* data);
    void drNormalPointer(UInteger atype, Integer stride, const void* data);
    void drIndexPointer(Integer size, UInteger atype, Integer stride, const void* data);
    void drColorPointer(Integer size, UInteger atype, Integer stride, const void* data);
    void drEdgeFlagPointer(Integer stride, const void* data);
    void drDrawArrays(UInteger mode, Integer first, Integer count);
    void drDrawElements(UInteger md, Integer cnt, UInteger typ, const void* data);
    void drEnableClientState(UInteger aarray);
    void drDisableClientState(UInteger aarray);
    void drEnable(UInteger aarray);
    void drDisable(UInteger aarray);
    void drPolygonMode(UInteger face, UInteger mode);
    void drBlendFunc(UInteger SrcFactor, UInteger DstFactor);
    void drPushState(const Boolean& LoadIdentity);
    void drPopState();
    void drSetScreenPlane(Real left, Real right, Real bottom, Real top, Real zNear, Real zFar);

    // ---- Image state
    // Frees the texts, empties the image, loads the identity projection (needs a context).
    void drClear();
    void drClearColor(const Real& R, const Real& G, const Real& B, const Real& Alpha);
    void Set3D(const Boolean& V, const Real& R, const Real& G, const Real& B, const Real& A);
    Boolean IsSet3D() const { return XRot != 0.0 || YRot != 0.0; }
    void SetHandle(THWnd) {}
    void ReSize() {}
    // Loads the built-in outline font and compiles its lists, once (needs a context).
    void InitFont(const TString& FontName, const Real& Height);
    const TGElement& Element(Integer i) const { return LElements.FArray[i]; }

    // ---- Replay and immediate drawing (GImageReplay.cpp)
    // Replays the elements in order; pushes the replay leaves open are closed at its end and
    // pops it did not push are skipped, so the caller's OpenGL stacks come back unchanged.
    void glDraw(Boolean InitSequence = false, Boolean AddImage = false);
    void DrawElements();
    void giLine(const Real& x1, const Real& y1, const Real& x2, const Real& y2);
    void giLine3D(const Real& x1, const Real& y1, const Real& z1, const Real& x2, const Real& y2,
                  const Real& z2);
    void giRectAngle(const Real& x1, const Real& y1, const Real& x2, const Real& y2);
    void giRectAngleFill(const Real& x1, const Real& y1, const Real& x2, const Real& y2, const Real& z);
    // 16 floor(R/10) + 16 segments, at most MaxCurveSegments; fewer than 3 draw nothing.
    void giCircle(const Real& x, const Real& y, const Real& R);
    // Degrees, counter-clockwise from Sa (Ea + 360 when Ea < Sa); 8 floor(R/10) + 16 segments.
    void giArc(const Real& x, const Real& y, const Real& R, const Real& Sa, const Real& Ea);
    void giMtr(const Real& x, const Real& y, const Real& A, const Real& S);
    void giMtr3D(const Real& x, const Real& y, const Real& z, const Real& S);
    void giDeleteMtr();
    void giSetStyle(const TPenStyles& St);
    // H is the height of 90 glyph units; characters narrowed to 85 per cent.
    void giTextOut(const Real& x, const Real& y, const Real& Angle, const Real& H, const TString& S);
    void giPushState(const Boolean& iLoadIdentity);
    void giPopState();
    void giSetScreenPlane(Real left, Real right, Real bottom, Real top, Real zNear, Real zFar);

    // ---- 3D mode, background and view control (GImageView.cpp)
    void Begin3D(const Real& k);
    void End3D();
    void GradientBk(const TColor& upColor, const TColor& downColor);
    void SetCommand(GICommands iCommand) { Command = iCommand; }
    void SetDXYScale(const Real& dX, const Real& dY, const Real& Sc);
    // The pointer (x, y) in window pixels, origin top left, is stored in X and Y.
    void MouseDown(const tvapi::IPressedKeysPtr& Keys, Integer x, Integer y);
    void MouseMove(const tvapi::IPressedKeysPtr& Keys, Integer x, Integer y);
    void MouseUp(const tvapi::IPressedKeysPtr& Keys, Integer x, Integer y);

private:
    Boolean FMovePushed = false; // a move drag holds a pushed model-view matrix

    TGElement* Next(TypesGIElements kind);
    void ReleaseTexts();
    void DrawElement(const TGElement& e);
    void DrawAxle();
    void ReadMatrices();
    void ReadModelView();
    void FlipY() { Y = Viewport[3] - Y - 1; }
    void ReadDepth();
    void UnProject(Real wx, Real wy, Real wz, Real& ox, Real& oy, Real& oz) const;
    Real DepthShift() const;
    void MoveDrag();
    void ScaleDrag();
    void RotateDrag();
};

// The image of the library's own drawings, built at load time.
extern TGImage GI;
// Replayed by the panel frame before (PaintGI) and after (UpdateGI) its own painting; null when unset.
extern TGImage* PaintGI;
extern TGImage* UpdateGI;
