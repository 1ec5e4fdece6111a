// Subscription of the receivers and the frame and property-manager dispatchers of a panel.

#include "cDocumentFrameEvent.h"

#include <GL/gl.h>

#include "GImage.h"
#include "Messager.h"
#include "TControlModel.h"
#include "TPopUpEdit.h"
#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

void ReportEventFailure() noexcept
{
    try {
        Messager.LiftBox(DC(TString("Неизвестная ошибка")), TMessager::toAlways);
    } catch (...) {
        // The report itself failed: the host still gets its answer.
    }
}

// ---- subscription ------------------------------------------------------------------------

void TReceiverFrameEvent::Advise(tvapi::IDocumentFrameEventsPtr E, int C)
{
    if (!E) return;
    const wchar_t* n = N.c_str();
    const auto mouse = [this](bool (TReceiverFrameEvent::*op)(tvapi::IPressedKeysPtr, int, int)) {
        return [this, op](tvapi::IPressedKeysPtr k, int x, int y) {
            return GuardEvent(false, [&] { return (this->*op)(k, x, y); });
        };
    };
    if (Selected(C, 0))
        E->AdviseBeginPaint(
            n, [this](tvapi::IPaintObjectPtr p) { return GuardEvent(false, [&] { return BeginPaint(p); }); });
    if (Selected(C, 1))
        E->AdviseClosePaint(n, [this](tvapi::IPaintObjectPtr p) { GuardEvent([&] { ClosePaint(p); }); });
    if (Selected(C, 2)) E->AdviseMouseDown(n, mouse(&TReceiverFrameEvent::_MouseDown));
    if (Selected(C, 3)) E->AdviseMouseUp(n, mouse(&TReceiverFrameEvent::_MouseUp));
    if (Selected(C, 4)) E->AdviseMouseDblClick(n, mouse(&TReceiverFrameEvent::_MouseDblClick));
    if (Selected(C, 11)) E->AdviseMouseMove(n, mouse(&TReceiverFrameEvent::_MouseMove));
    if (Selected(C, 5))
        E->AdviseBeginPaintGL(n, [this](unsigned m, tvapi::IOpenGLObjectPtr g) {
            return GuardEvent(false, [&] { return _BeginPaintGL(m, g); });
        });
    if (Selected(C, 6))
        E->AdviseClosePaintGL(
            n, [this](unsigned m, tvapi::IOpenGLObjectPtr g) { GuardEvent([&] { _ClosePaintGL(m, g); }); });
    if (Selected(C, 7))
        E->AdviseAddGabarit(n, [this](tvapi::IGabaritObjectPtr g) { GuardEvent([&] { _AddGabarit(g); }); });
    if (Selected(C, 8)) E->AdviseActivate(n, [this] { GuardEvent([&] { Activate(); }); });
    if (Selected(C, 9)) E->AdviseDeactivate(n, [this] { GuardEvent([&] { Deactivate(); }); });
    if (Selected(C, 10)) E->AdviseCloseFrame(n, [this] { GuardEvent([&] { CloseFrame(); }); });
    if (Selected(C, 12))
        E->AdviseBeginPaintTmpObjects(
            n, [this] { return GuardEvent(false, [&] { return BeginPaintTmpObjects(); }); });
    if (Selected(C, 13))
        E->AdviseClosePaintTmpObjects(n, [this] { GuardEvent([&] { ClosePaintTmpObjects(); }); });
}

void TReceiverProcess3DManipulatorsEvent::Advise(tvapi::IProcess3DManipulatorsEventsPtr E, int C)
{
    if (!E) return;
    using P = tvapi::tvManipulatorPrimitiveEnum;
    const wchar_t* n = N.c_str();
    if (Selected(C, 0))
        E->AdviseMoveManipulator(n, [this](int id, double x, double y, double z, double d, bool e) {
            return GuardEvent(false, [&] { return MoveManipulator(id, x, y, z, d, e); });
        });
    if (Selected(C, 1))
        E->AdviseRotateManipulator(n, [this](int id, double ox, double oy, double oz, double ax, double ay,
                                             double az, double a, bool e) {
            return GuardEvent(false, [&] { return RotateManipulator(id, ox, oy, oz, ax, ay, az, a, e); });
        });
    if (Selected(C, 2))
        E->AdviseClickManipulatorPrimitive(n, [this](int id, P p, bool d) {
            return GuardEvent(false, [&] { return ClickManipulatorPrimitive(id, p, d); });
        });
    if (Selected(C, 3))
        E->AdviseBeginDragManipulator(n, [this](int id, P p) {
            return GuardEvent(false, [&] { return BeginDragManipulator(id, p); });
        });
    if (Selected(C, 4))
        E->AdviseEndDragManipulator(
            n, [this](int id, P p) { return GuardEvent(false, [&] { return EndDragManipulator(id, p); }); });
    if (Selected(C, 5))
        E->AdviseCreateManipulatorEdit(n, [this](int id, P p) {
            return GuardEvent(false, [&] { return CreateManipulatorEdit(id, p); });
        });
    if (Selected(C, 6))
        E->AdviseChangeManipulatorValue(n, [this](int id, P p, double v) {
            return GuardEvent(false, [&] { return ChangeManipulatorValue(id, p, v); });
        });
    if (Selected(C, 7))
        E->AdviseDestroyManipulatorEdit(
            n, [this](int id) { return GuardEvent(false, [&] { return DestroyManipulatorEdit(id); }); });
}

void TReceiverProcess3DEvent::Advise(tvapi::IProcess3DEventsPtr E, int C)
{
    if (!E) return;
    const wchar_t* n = N.c_str();
    const auto ask = [this](bool (TReceiverProcess3DEvent::*op)()) {
        return [this, op] { return GuardEvent(false, [&] { return (this->*op)(); }); };
    };
    if (Selected(C, 0))
        E->AdvisePlacementChanged(n, [this](tvapi::ITervanAPIObjectPtr o) {
            return GuardEvent(false, [&] { return PlacementChanged(o); });
        });
    if (Selected(C, 7))
        E->AdviseFilterObjects(n, [this](tvapi::ITervanAPIObjectPtr o) {
            return GuardEvent(false, [&] { return FilterObjects(o); });
        });
    if (Selected(C, 1))
        E->AdviseExecuteCommand(
            n, [this](int c) { return GuardEvent(false, [&] { return ExecuteCommand(c); }); });
    if (Selected(C, 2)) E->AdviseRunProcess(n, ask(&TReceiverProcess3DEvent::RunProcess));
    if (Selected(C, 3)) E->AdviseStopProcess(n, ask(&TReceiverProcess3DEvent::StopProcess));
    if (Selected(C, 4)) E->AdviseActivate(n, ask(&TReceiverProcess3DEvent::Activate));
    if (Selected(C, 5)) E->AdviseDeactivate(n, ask(&TReceiverProcess3DEvent::Deactivate));
    if (Selected(C, 6)) E->AdviseEndProcess(n, ask(&TReceiverProcess3DEvent::EndProcess));
    if (Selected(C, 8))
        E->AdviseCreateTakeObject(n, [this](tvapi::IModelObjectPtr o) {
            return GuardEvent(false, [&] { return CreateTakeObject(o); });
        });
    if (Selected(C, 9))
        E->AdviseProcessingGroupObjects(n, [this](std::vector<tvapi::ITervanAPIObjectPtr> s, int t) {
            return GuardEvent(false, [&] { return ProcessingGroupObjects(std::move(s), t); });
        });
    if (Selected(C, 10)) E->AdviseAbortProcess(n, ask(&TReceiverProcess3DEvent::AbortProcess));
}

void TReceiverProcess2DEvent::Advise(tvapi::IProcess2DEventsPtr E, int C)
{
    if (!E) return;
    const wchar_t* n = N.c_str();
    if (Selected(C, 0))
        E->AdvisePlacementChanged(n, [this](double x, double y, double a, bool d) {
            return GuardEvent(false, [&] { return PlacementChanged(x, y, a, d); });
        });
    if (Selected(C, 1))
        E->AdviseExecuteCommand(
            n, [this](int c) { return GuardEvent(false, [&] { return ExecuteCommand(c); }); });
    if (Selected(C, 2)) E->AdviseRun(n, [this] { return GuardEvent(false, [&] { return Run(); }); });
    if (Selected(C, 3)) E->AdviseStop(n, [this] { return GuardEvent(false, [&] { return Stop2D(); }); });
    if (Selected(C, 4))
        E->AdviseActivate(n, [this] { return GuardEvent(false, [&] { return Activate(); }); });
}

void TReceiverPropertyManagerEvent::Advise(tvapi::IPropertiesManagerEventsPtr E, int C)
{
    using tvapi::IPropertyControlPtr;
    if (!E) return;
    const wchar_t* n = N.c_str();
    if (Selected(C, 0))
        E->AdviseButtonClick(n,
                             [this](int id) { return GuardEvent(false, [&] { return _ButtonClick(id); }); });
    if (Selected(C, 1))
        E->AdviseChangeControlValue(
            n, [this](IPropertyControlPtr c) { GuardEvent([&] { _ChangeControlValue(c); }); });
    if (Selected(C, 2))
        E->AdviseControlCommand(
            n, [this](IPropertyControlPtr c, int b) { GuardEvent([&] { _ControlCommand(c, b); }); });
    if (Selected(C, 3))
        E->AdviseButtonUpdate(n, [this](int id, bool& e, int& c) {
            return GuardEvent(false, [&] { return _ButtonUpdate(id, e, c); });
        });
    if (Selected(C, 4)) E->AdviseProcessActivate(n, [this] { GuardEvent([&] { _ProcessActivate(); }); });
    if (Selected(C, 5)) E->AdviseProcessDeactivate(n, [this] { GuardEvent([&] { _ProcessDeactivate(); }); });
    if (Selected(C, 6))
        E->AdviseSelectItem(
            n, [this](IPropertyControlPtr c, int i, bool s) { GuardEvent([&] { _SelectItem(c, i, s); }); });
    if (Selected(C, 7))
        E->AdviseCheckItem(
            n, [this](IPropertyControlPtr c, int i, bool s) { GuardEvent([&] { _CheckItem(c, i, s); }); });
    if (Selected(C, 8))
        E->AdviseSelectCell(
            n, [this](IPropertyControlPtr c, int r, int k) { GuardEvent([&] { SelectCell(c, r, k); }); });
    if (Selected(C, 9))
        E->AdviseEditFocus(n,
                           [this](IPropertyControlPtr c, bool f) { GuardEvent([&] { _EditFocus(c, f); }); });
    if (Selected(C, 10))
        E->AdviseUserMenuCommand(
            n, [this](IPropertyControlPtr c, int m) { GuardEvent([&] { _UserMenuCommand(c, m); }); });
    if (Selected(C, 12))
        E->AdviseFillContextPanel(
            n, [this](tvapi::IProcessContextPanelPtr p) { GuardEvent([&] { FillContextPanel(p); }); });
    if (Selected(C, 13))
        E->AdviseFillContextIconMenu(
            n, [this](tvapi::IProcessContextIconMenuPtr p) { GuardEvent([&] { FillContextIconMenu(p); }); });
    if (Selected(C, 14))
        E->AdviseEndEditItem(
            n, [this](IPropertyControlPtr c, int i) { GuardEvent([&] { EndEditItem(c, i); }); });
    if (Selected(C, 15))
        E->AdviseChangeTabExpanded(n, [this](int t) { GuardEvent([&] { ChangeTabExpanded(t); }); });
    if (Selected(C, 16))
        E->AdviseDoubleClickItem(
            n, [this](IPropertyControlPtr c, int i) { GuardEvent([&] { DoubleClickItem(c, i); }); });
}

void TReceiverApplicationEvent::Advise(tvapi::IApplicationEventsPtr E, int C)
{
    using tvapi::ITervanDocumentPtr;
    if (!E) return;
    const wchar_t* n = N.c_str();
    const auto key = [this](bool (TReceiverApplicationEvent::*op)(int&, int, tvapi::IPressedKeysPtr)) {
        return [this, op](int& code, int flags, tvapi::IPressedKeysPtr k) {
            return GuardEvent(false, [&] { return (this->*op)(code, flags, k); });
        };
    };
    if (Selected(C, 1))
        E->AdviseCreateDocument(n, [this](ITervanDocumentPtr d) { GuardEvent([&] { CreateDocument(d); }); });
    if (Selected(C, 2))
        E->AdviseBeginOpenDocument(n, [this](const std::wstring& f) {
            return GuardEvent(false, [&] { return BeginOpenDocument(f); });
        });
    if (Selected(C, 3))
        E->AdviseOpenDocument(n, [this](ITervanDocumentPtr d) { GuardEvent([&] { OpenDocument(d); }); });
    if (Selected(C, 4))
        E->AdviseBeginOpenFile(n, [this] { return GuardEvent(false, [&] { return BeginOpenFile(); }); });
    if (Selected(C, 5))
        E->AdviseBeginDragOpenFiles(n, [this](std::vector<std::wstring>& f, bool b) {
            return GuardEvent(false, [&] { return BeginDragOpenFiles(f, b); });
        });
    if (Selected(C, 6))
        E->AdviseBeginRequestFiles(n, [this](tvapi::tvRequestFilesTypeEnum r, std::vector<std::wstring>& f) {
            return GuardEvent(false, [&] { return BeginRequestFiles(r, f); });
        });
    if (Selected(C, 7))
        E->AdviseChangeActiveDocument(
            n, [this](ITervanDocumentPtr d) { GuardEvent([&] { ChangeActiveDocument(d); }); });
    if (Selected(C, 8)) E->AdviseApplicationDestroy(n, [this] { GuardEvent([&] { ApplicationDestroy(); }); });
    if (Selected(C, 9))
        E->AdviseBeginCloseAllDocument(
            n, [this] { return GuardEvent(false, [&] { return BeginCloseAllDocument(); }); });
    if (Selected(C, 10)) E->AdviseKeyDown(n, key(&TReceiverApplicationEvent::KeyDown));
    if (Selected(C, 11)) E->AdviseKeyUp(n, key(&TReceiverApplicationEvent::KeyUp));
    if (Selected(C, 12)) E->AdviseKeyPressed(n, key(&TReceiverApplicationEvent::KeyPressed));
    if (Selected(C, 13))
        E->AdviseBeginChoiceMaterial(n, [this](tvapi::tvMaterialPropertyTypeEnum t) {
            return GuardEvent(false, [&] { return BeginChoiceMaterial(t); });
        });
    if (Selected(C, 14))
        E->AdviseChoiceMaterial(n, [this](tvapi::tvMaterialPropertyTypeEnum t, const std::wstring& m,
                                          double d) { GuardEvent([&] { ChoiceMaterial(t, m, d); }); });
    if (Selected(C, 15))
        E->AdviseIsNeedConvertToSavePrevious(n, [this](ITervanDocumentPtr d,
                                                       tvapi::tvSaveDocumentVersionEnum v,
                                                       tvapi::ISaveToPreviousParamPtr p, bool& need) {
            return GuardEvent(false, [&] { return IsNeedConvertToSavePrevious(d, v, p, need); });
        });
    if (Selected(C, 16))
        E->AdviseBeginConvertToSavePrevious(n,
                                            [this](ITervanDocumentPtr d, tvapi::tvSaveDocumentVersionEnum v,
                                                   tvapi::ISaveToPreviousParamPtr p) {
                                                GuardEvent([&] { BeginConvertToSavePrevious(d, v, p); });
                                            });
    if (Selected(C, 17))
        E->AdviseEndConvertToSavePrevious(n, [this](ITervanDocumentPtr d, tvapi::tvSaveDocumentVersionEnum v,
                                                    tvapi::ISaveToPreviousParamPtr p) {
            GuardEvent([&] { EndConvertToSavePrevious(d, v, p); });
        });
    if (Selected(C, 18))
        E->AdviseChangeTheme(
            n, [this](tvapi::tvThemeEnum t) { return GuardEvent(false, [&] { return ChangeTheme(t); }); });
}

// ---- pick protocol of the 3D process ------------------------------------------------------

bool TReceiverProcess3DEvent::FilterObjects(tvapi::ITervanAPIObjectPtr Obj)
{
    const bool r = CanSelect(Obj);
    if (r && Obj) LastFilterObj = Obj;
    return r;
}

bool TReceiverProcess3DEvent::PlacementChanged(tvapi::ITervanAPIObjectPtr Obj)
{
    const bool r = Select(std::move(Obj));
    LastFilterObj.Reset();
    return r;
}

// ---- frame dispatch -----------------------------------------------------------------------

bool TReceiverFrameEvent::_MouseMove(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    const bool widgets = Receiver.DispatcherWnd3D.MouseMove(Keys, x, y);
    const bool panel = Receiver.MouseMove(Keys, x, y);
    if (widgets || panel) Receiver.RefreshWindow();
    return ReturnValue;
}

bool TReceiverFrameEvent::_MouseDown(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    const bool widgets = Receiver.DispatcherWnd3D.MouseDown(Keys, x, y);
    const bool panel = Receiver.MouseDown(Keys, x, y);
    if (widgets || panel) Receiver.RefreshWindow();
    return ReturnValue;
}

bool TReceiverFrameEvent::_MouseUp(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    Receiver.DispatcherWnd3D.MouseUp(Keys, x, y);
    Receiver.MouseUp(Keys, x, y);
    return ReturnValue;
}

bool TReceiverFrameEvent::_MouseDblClick(tvapi::IPressedKeysPtr Keys, int x, int y)
{
    Receiver.MouseDblClick(Keys, x, y);
    return ReturnValue;
}

bool TReceiverFrameEvent::_BeginPaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject)
{
    if (PaintGI) {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
        PaintGI->glDraw(true, false);
        glPopClientAttrib();
        glPopAttrib();
    }
    return Receiver.BeginPaintGL(drawMode, glObject);
}

void TReceiverFrameEvent::_ClosePaintGL(unsigned drawMode, tvapi::IOpenGLObjectPtr glObject)
{
    if (UpdateGI) {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
        UpdateGI->glDraw(true, true);
        glPopClientAttrib();
        glPopAttrib();
    }
    Receiver.DispatcherWnd3D.ClosePaintGL(drawMode, glObject);
    Receiver.ClosePaintGL(drawMode, glObject);
}

// Widens the box in depth so the images drawn over the model are not clipped.
void TReceiverFrameEvent::_AddGabarit(tvapi::IGabaritObjectPtr gabObj)
{
    if ((!PaintGI && !UpdateGI) || !gabObj) return;
    double x1 = 0, y1 = 0, z1 = 0, x2 = 0, y2 = 0, z2 = 0;
    if (!gabObj->GetGabarit(0, x1, y1, z1, x2, y2, z2)) return;
    z2 = 3 * z2 - z1 + 100;
    z1 = 3 * z1 - z2 - 100;
    gabObj->SetGabarit(x1, y1, z1, x2, y2, z2);
}

// ---- property-manager dispatch --------------------------------------------------------------

namespace {

constexpr int HelpButton = 8;
constexpr int HelpKind = 1001;

} // namespace

bool TReceiverPropertyManagerEvent::_ButtonClick(int buttonId)
{
    if (!Receiver.Active) return true;
    if (buttonId == HelpButton) {
        drApi::MA.OpenHelp(drApi::LibraryControlModel ? drApi::LibraryControlModel->HelpFile : TString(),
                           HelpKind, Receiver.HelpContext);
        return false;
    }
    return ButtonClick(buttonId);
}

void TReceiverPropertyManagerEvent::_ChangeControlValue(tvapi::IPropertyControlPtr control)
{
    if (!control) return;
    if (ChangeControlValue(control)) Receiver.RedrawPhantom();
}

void TReceiverPropertyManagerEvent::_ControlCommand(tvapi::IPropertyControlPtr control, int buttonId)
{
    if (ControlCommand(control, buttonId)) Receiver.RedrawPhantom();
}

bool TReceiverPropertyManagerEvent::_ButtonUpdate(int buttonId, bool& enable, int& checked)
{
    if (!Receiver.Active) {
        Receiver.Active = true;
        if (Receiver.APropertyVariable.Selected != -1)
            Receiver.APropertyVariable.SetCheckState(Receiver.APropertyVariable.Selected, true,
                                                     tvapi::tvCheckCurrent);
        ProcessActivate();
    }
    return ButtonUpdate(buttonId, enable, checked);
}

void TReceiverPropertyManagerEvent::_ProcessActivate()
{
    Receiver.Active = true;
    ProcessActivate();
}

void TReceiverPropertyManagerEvent::_ProcessDeactivate()
{
    Receiver.Active = false;
    ProcessDeactivate();
}

void TReceiverPropertyManagerEvent::_SelectItem(tvapi::IPropertyControlPtr control, int index, bool select)
{
    if (SelectItem(control, index, select)) Receiver.RedrawPhantom();
}

void TReceiverPropertyManagerEvent::_CheckItem(tvapi::IPropertyControlPtr control, int index, bool check)
{
    if (CheckItem(control, index, check)) Receiver.RedrawPhantom();
}

void TReceiverPropertyManagerEvent::_EditFocus(tvapi::IPropertyControlPtr control, bool setFocus)
{
    if (EditFocus(control, setFocus)) Receiver.RedrawPhantom();
}

void TReceiverPropertyManagerEvent::_UserMenuCommand(tvapi::IPropertyControlPtr control, int menuId)
{
    if (UserMenuCommand(control, menuId)) Receiver.RedrawPhantom();
}
