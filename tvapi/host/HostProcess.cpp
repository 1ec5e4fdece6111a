// Frames, manipulators, processes and the scripted run of the stand-in host.

#include "HostProcess.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "HostApplication.h"
#include "HostArgs.h"
#include "HostDocumentFile.h"
#include "HostDocuments.h"
#include "HostDrawingObject.h"
#include "HostPart.h"
#include "HostPressedKeys.h"
#include "HostScript.h"
#include "HostSearch2D.h"
#include "HostText.h"

namespace tvhost {

THostFrame::THostFrame() : FEvents(New<THostFrameEvents>()) {}
tvapi::IDocumentFrameEventsPtr THostFrame::GetEvents()
{
    if (!Enter("IDocumentFrame::GetEvents")) return {};
    return tvapi::IDocumentFrameEventsPtr(FEvents);
}
void THostFrame::Invalidate()
{
    if (!Enter("IDocumentFrame::Invalidate")) return;
}
void THostFrame::RefreshView()
{
    if (!Enter("IDocumentFrame::RefreshView")) return;
    ++FRepaints;
    if (PaintOnRefresh) Paint();
}
void THostFrame::Paint()
{
    if (FPainting) return;
    FPainting = true;
    const tvapi::Ptr<THostFrame> keep(this); // a painter may release the last reference
    FEvents->BeginPaintGL(0);
    FEvents->ClosePaintGL(0);
    FPainting = false;
}
void THostFrame::SetStatusText(const wchar_t* text)
{
    FStatus = text ? text : L"";
    if (!Enter("IDocumentFrame::SetStatusText", {ToUtf8(FStatus)})) return;
    if (std::ostream* out = Script().Output()) *out << "status: " << ToUtf8(FStatus) << '\n';
}
bool THostFrame::GetFrameRect(int& left, int& top, int& right, int& bottom)
{
    if (!Enter("IDocumentFrame::GetFrameRect")) return false;
    left = Rect[0];
    top = Rect[1];
    right = Rect[2];
    bottom = Rect[3];
    return true;
}
bool THostFrame::ModelToWindow(double x, double y, double, double& windowX, double& windowY)
{
    if (!Enter("IDocumentFrame::ModelToWindow")) return false;
    windowX = CentreX + x * Scale;
    windowY = CentreY - y * Scale;
    return true;
}

namespace {

bool IsPrimitive(tvapi::tvManipulatorPrimitiveEnum p) noexcept
{
    return p >= tvapi::tvMPAxisX && p <= tvapi::tvMPOriginal;
}

} // namespace

THostManipulatorCore::THostManipulatorCore(tvapi::tvManipulatorTypeEnum kind)
    : Kind(kind), Placement(New<THostPlacement>())
{
}

template <class IKind> void THostManipulatorOf<IKind>::SetId(int id)
{
    if (this->Enter("IBaseManipulator::SetId", {std::to_string(id)})) Id = id;
}
template <class IKind> void THostManipulatorOf<IKind>::SetVisible(bool visible)
{
    if (this->Enter("IBaseManipulator::SetVisible", {BoolArg(visible)})) Visible = visible;
}
template <class IKind> tvapi::IPlacement3DPtr THostManipulatorOf<IKind>::GetPlacement()
{
    if (!this->Enter("IBaseManipulator::GetPlacement")) return {};
    return tvapi::IPlacement3DPtr(Placement);
}
template <class IKind> void THostManipulatorOf<IKind>::Update(bool redraw)
{
    if (this->Enter("IBaseManipulator::Update", {BoolArg(redraw)})) ++Updates;
}
template <class IKind> void THostManipulatorOf<IKind>::SetDraggable(bool draggable)
{
    if (this->Enter("IBaseManipulator::SetDraggable", {BoolArg(draggable)})) Draggable = draggable;
}
template <class IKind> void THostManipulatorOf<IKind>::ShowValueField()
{
    if (this->Enter("IBaseManipulator::ShowValueField")) ValueField = true;
}
template <class IKind>
void THostManipulatorOf<IKind>::ShowPrimitive(tvapi::tvManipulatorPrimitiveEnum primitive, bool show)
{
    if (this->Enter("IPlacement3DManipulator::ShowPrimitive", {std::to_string(primitive), BoolArg(show)}) &&
        IsPrimitive(primitive))
        Shown[static_cast<std::size_t>(primitive)] = show;
}
template <class IKind>
void THostManipulatorOf<IKind>::HighlightPrimitive(tvapi::tvManipulatorPrimitiveEnum primitive,
                                                   bool highlight)
{
    if (this->Enter("IPlacement3DManipulator::HighlightPrimitive",
                    {std::to_string(primitive), BoolArg(highlight)}) &&
        IsPrimitive(primitive))
        Highlighted[static_cast<std::size_t>(primitive)] = highlight;
}
template <class IKind> void THostManipulatorOf<IKind>::SetValue(double value)
{
    if (this->Enter("IEditDoubleManipulator::SetValue", {NumberArg(value)})) Value = value;
}
template <class IKind> double THostManipulatorOf<IKind>::GetValue()
{
    return this->Enter("IEditDoubleManipulator::GetValue") ? Value : 0.0;
}

template class THostManipulatorOf<tvapi::IPlacement3DManipulator>;
template class THostManipulatorOf<tvapi::IEditDoubleManipulator>;

THostManipulators::THostManipulators() : FEvents(New<THostManipulatorsEvents>()) {}
tvapi::IProcess3DManipulatorsEventsPtr THostManipulators::GetEvents()
{
    if (!Enter("IManipulators::GetEvents")) return {};
    return tvapi::IProcess3DManipulatorsEventsPtr(FEvents);
}
tvapi::IBaseManipulatorPtr THostManipulators::Add(tvapi::tvManipulatorTypeEnum type)
{
    if (!Enter("IManipulators::Add", {std::to_string(type)})) return {};
    tvapi::IBaseManipulatorPtr made;
    if (type == tvapi::tvPlacement3DManipulator)
        made = tvapi::IBaseManipulatorPtr(New<THostManipulatorOf<tvapi::IPlacement3DManipulator>>(type));
    else if (type == tvapi::tvEditDoubleManipulator)
        made = tvapi::IBaseManipulatorPtr(New<THostManipulatorOf<tvapi::IEditDoubleManipulator>>(type));
    if (made) FItems.push_back(made);
    return made;
}
THostManipulatorCore& THostManipulators::Item(std::size_t index) const
{
    return *dynamic_cast<THostManipulatorCore*>(FItems.at(index).Get());
}

bool THostGabarit::GetGabarit(int index, double& x1, double& y1, double& z1, double& x2, double& y2,
                              double& z2)
{
    if (!Enter("IGabaritObject::GetGabarit", {std::to_string(index)}) || index != 0) return false;
    x1 = FBox[0];
    y1 = FBox[1];
    z1 = FBox[2];
    x2 = FBox[3];
    y2 = FBox[4];
    z2 = FBox[5];
    return true;
}
bool THostGabarit::SetGabarit(double x1, double y1, double z1, double x2, double y2, double z2)
{
    if (!Enter("IGabaritObject::SetGabarit")) return false;
    const double box[6] = {x1, y1, z1, x2, y2, z2};
    std::copy(box, box + 6, FBox);
    return true;
}

// ---- scripted run --------------------------------------------------------------------------

TProcessCore::TProcessCore(tvapi::IProcessParamPtr param) : FParam(std::move(param)) {}

THostProcessParam* TProcessCore::Param() const noexcept
{
    return dynamic_cast<THostProcessParam*>(FParam.Get());
}

namespace {

// The sheet point that picks the object named `name` in the active drawing.
bool PickPointOf(const std::wstring& name, TPoint2& at)
{
    THostApplication* app = THostApplication::Current();
    auto* document = app ? dynamic_cast<THostDocument2D*>(app->Documents().Active().Get()) : nullptr;
    TDrawingCore* object = document ? FindNamed(document->Drawing(), name) : nullptr;
    return object && PickPoint(*object, at);
}

} // namespace

int TProcessCore::PlayScript()
{
    FRunning = true;
    FStopped = false;
    bool ok = false;
    while (!FStopped) {
        std::optional<TScriptAction> a = Script().Take();
        if (!a) {
            Script().Ended();
            if (FStopped) break;
            if ((a = Script().Take())) {
                if (Play(*a, ok)) break;
                continue;
            }
            // An empty queue ends the run as a cancel.
            if (THostProcessParam* p = Param()) p->Events().ButtonClick(2);
            break;
        }
        if (Play(*a, ok)) break;
    }
    FRunning = false;
    return ok ? 1 : 0;
}

namespace {

// What a line that aims at a control asks, in the words of the line.
std::string Asked(const TScriptAction& a)
{
    switch (a.Kind) {
    case TScriptAction::skCommand:
        return "press button " + std::to_string(a.N) + " of \"" + ToUtf8(a.Name) + "\"";
    case TScriptAction::skSet:
        return "set \"" + ToUtf8(a.Name) + "\"";
    case TScriptAction::skButton:
        return "press the panel's button " + std::to_string(a.N);
    default:
        return std::string(a.Kind == TScriptAction::skSelect ? "select" : "edit") + " row " +
               std::to_string(a.Row) + ", column " + std::to_string(a.Column);
    }
}

const char* Why(TReach reach)
{
    switch (reach) {
    case rhNoSuchControl:
        return "no such control";
    case rhHidden:
        return "the panel hides it";
    case rhDisabled:
        return "the panel has disabled it";
    case rhReadOnly:
        return "the panel has made it read-only";
    case rhFixedCell:
        return "it is a title in the grid's fixed rows or columns";
    case rhNoSuchButton:
        return "it has no such button";
    case rhOutsideGrid:
        return "the grid has no such cell";
    case rhReached:
        break;
    }
    return "";
}

// Refuses line `a`, which asks what no user can do: told with its line and why, and counted, so
// that the run ends with a status of its own.
void Refuse(const TScriptAction& a, TReach why)
{
    Script().NoteUnreachable();
    if (std::ostream* out = Script().Output())
        *out << "script line " << a.Line << ": no user can " << Asked(a) << ": " << Why(why) << '\n';
}

// The control line `a` aims at when a user reaches it for `action`; null, the line refused, when
// none does.
THostPropertyControl* Reached(const THostProcessParam* param, const TScriptAction& a,
                              const TUserAction& action)
{
    const TAim aim = param ? param->Aim(a.Name, action) : TAim{};
    if (aim.Reach == rhReached) return aim.Control;
    Refuse(a, aim.Reach);
    return nullptr;
}

tvapi::IPropertyControlPtr AsControl(THostPropertyControl* c)
{
    return tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyEdit*>(c));
}
tvapi::IPropertyControlPtr AsGrid(THostPropertyControl* grid)
{
    return tvapi::IPropertyControlPtr(static_cast<tvapi::IPropertyGrid*>(grid));
}

// A click on the cell of line `a`: it becomes the grid's current cell, and the panel hears of it.
void ClickCell(THostProcessParam& param, THostPropertyControl& grid, const TScriptAction& a)
{
    grid.SetCurrentCell(a.Row, a.Column);
    param.Events().SelectItem(AsGrid(&grid), a.Column * 256 + a.Row, true);
}

// A key pressed over the view, as the application's events report it.
void PressKey(int code)
{
    THostApplication* app = THostApplication::Current();
    if (!app) return;
    int key = code;
    app->Panels().Events().KeyDown(key, 0, {});
}

} // namespace

bool TProcessCore::Play(const TScriptAction& a, bool& ok)
{
    THostProcessParam* param = Param();
    std::ostream* out = Script().Output();
    switch (a.Kind) {
    case TScriptAction::skMove:
    case TScriptAction::skClick:
        Place(a.X, a.Y, a.Kind == TScriptAction::skMove);
        return false;
    case TScriptAction::skButton: {
        if (!param) return false;
        if (!param->HasButton(a.N)) {
            Refuse(a, rhNoSuchButton);
            return false;
        }
        const bool answer = param->Events().ButtonClick(a.N);
        if ((a.N == 1 || a.N == 2) && answer) {
            ok = a.N == 1;
            return true;
        }
        return false;
    }
    case TScriptAction::skCommand:
        if (THostPropertyControl* c = Reached(param, a, {TUserAction::uaPress, a.N}))
            param->Events().ControlCommand(AsControl(c), a.N);
        return false;
    case TScriptAction::skSet:
        if (THostPropertyControl* c = Reached(param, a, {TUserAction::uaSet})) {
            if (c->UserSet(a.Text))
                param->Events().ChangeControlValue(AsControl(c));
            else if (out)
                *out << "script line " << a.Line << ": cannot set \"" << ToUtf8(a.Name) << "\"\n";
        }
        return false;
    case TScriptAction::skSelect:
        if (THostPropertyControl* grid = Reached(param, a, {TUserAction::uaClick, 0, a.Row, a.Column}))
            ClickCell(*param, *grid, a);
        return false;
    case TScriptAction::skEdit: {
        // A user types into a cell only after clicking it, and the panel may lock the grid on that
        // click or open it: the typing meets the lock the click left, all else is met before it.
        const TUserAction typing{TUserAction::uaType, 0, a.Row, a.Column};
        const TAim before = param ? param->Aim(a.Name, typing) : TAim{};
        if (before.Reach != rhReached && before.Reach != rhReadOnly) {
            Refuse(a, before.Reach);
            return false;
        }
        ClickCell(*param, *before.Control, a);
        if (THostPropertyControl* grid = Reached(param, a, typing)) {
            grid->SetCellText(a.Row, a.Column, a.Text.c_str());
            param->Events().ChangeControlValue(AsGrid(grid));
        }
        return false;
    }
    case TScriptAction::skAnswer:
        if (THostApplication* app = THostApplication::Current()) app->PushAnswer(a.N);
        return false;
    case TScriptAction::skShow:
        if (out && param) param->Print(*out, FPrompt);
        return false;
    case TScriptAction::skKey:
        PressKey(a.N);
        return false;
    case TScriptAction::skType:
        for (const wchar_t c : a.Text)
            PressKey(static_cast<int>(c));
        return false;
    case TScriptAction::skMesh:
        if (!PickShown(a.N) && out)
            *out << "script line " << a.Line << ": no object shown with id " << a.N << "\n";
        return false;
    case TScriptAction::skEntity:
        if (!PickEntity(a.Name, a.N) && out)
            *out << "script line " << a.Line << ": no " << ToUtf8(a.Name) << " " << a.N << "\n";
        return false;
    case TScriptAction::skPick: {
        TPoint2 at;
        if (PickPointOf(a.Name, at))
            Place(at.X, at.Y, false);
        else if (out)
            *out << "script line " << a.Line << ": no object named \"" << ToUtf8(a.Name) << "\"\n";
        return false;
    }
    }
    return false;
}

// ---- processes -----------------------------------------------------------------------------

void THostPhantom2D::SetType(tvapi::tvPhantomTypeEnum type)
{
    if (Enter("IPhantom2D::SetType", {std::to_string(type)})) FType = type;
}
void THostPhantom2D::SetDrawingGroup(tvapi::IDrawingGroupPtr group)
{
    if (Enter("IPhantom2D::SetDrawingGroup")) FGroup = std::move(group);
}
void THostPhantom2D::Update()
{
    if (Enter("IPhantom2D::Update")) ++FUpdates;
}

THostProcess2D::THostProcess2D(tvapi::IProcessParamPtr param, tvapi::tvProcess2DTypeEnum type)
    : TProcessCore(std::move(param)), FEvents(New<THostProcess2DEvents>()), FPhantom(New<THostPhantom2D>()),
      FType(type)
{
}
tvapi::IProcessParamPtr THostProcess2D::GetProcessParam()
{
    if (!Enter("IProcess::GetProcessParam")) return {};
    return FParam;
}
void THostProcess2D::SetProcessParam(tvapi::IProcessParamPtr param)
{
    if (Enter("IProcess::SetProcessParam")) AttachParam(std::move(param));
}
void THostProcess2D::SetPrompt(const wchar_t* prompt)
{
    if (Enter("IProcess::SetPrompt", {ToUtf8(prompt)})) FPrompt = prompt ? prompt : L"";
}
void THostProcess2D::SetHint(const wchar_t* hint)
{
    if (Enter("IProcess::SetHint", {ToUtf8(hint)})) FHint = hint ? hint : L"";
}
int THostProcess2D::Run(bool modal, bool postMessage)
{
    if (!Enter("IProcess::Run", {modal ? "true" : "false", postMessage ? "true" : "false"})) return 0;
    const tvapi::Ptr<THostProcess2D> keep(this); // a handler may release the last reference
    return PlayScript();
}
void THostProcess2D::Stop()
{
    if (Enter("IProcess::Stop")) FStopped = true;
}
void THostProcess2D::EndProcess()
{
    if (Enter("IProcess::EndProcess")) FStopped = true;
}
tvapi::IProcess2DEventsPtr THostProcess2D::GetEvents2D()
{
    if (!Enter("IProcess2D::GetEvents2D")) return {};
    return tvapi::IProcess2DEventsPtr(FEvents);
}
tvapi::IPhantom2DPtr THostProcess2D::GetPhantom()
{
    if (!Enter("IProcess2D::GetPhantom")) return {};
    return tvapi::IPhantom2DPtr(FPhantom);
}
void THostProcess2D::SetDynamicPlacement(bool on)
{
    if (Enter("IProcess2D::SetDynamicPlacement", {on ? "true" : "false"})) FDynamic = on;
}
void THostProcess2D::Place(double x, double y, bool dynamic)
{
    if (dynamic && !FDynamic) return;
    FEvents->PlacementChanged(x, y, 0.0, dynamic);
}

THostProcess3D::THostProcess3D(tvapi::IProcessParamPtr param)
    : TProcessCore(std::move(param)), FEvents(New<THostProcess3DEvents>()),
      FManipulators(New<THostManipulators>())
{
}
tvapi::IProcessParamPtr THostProcess3D::GetProcessParam()
{
    if (!Enter("IProcess::GetProcessParam")) return {};
    return FParam;
}
void THostProcess3D::SetProcessParam(tvapi::IProcessParamPtr param)
{
    if (Enter("IProcess::SetProcessParam")) AttachParam(std::move(param));
}
void THostProcess3D::SetPrompt(const wchar_t* prompt)
{
    if (Enter("IProcess::SetPrompt", {ToUtf8(prompt)})) FPrompt = prompt ? prompt : L"";
}
void THostProcess3D::SetHint(const wchar_t* hint)
{
    if (Enter("IProcess::SetHint", {ToUtf8(hint)})) FHint = hint ? hint : L"";
}
int THostProcess3D::Run(bool modal, bool postMessage)
{
    if (!Enter("IProcess::Run", {modal ? "true" : "false", postMessage ? "true" : "false"})) return 0;
    const tvapi::Ptr<THostProcess3D> keep(this);
    return PlayScript();
}
void THostProcess3D::Stop()
{
    if (Enter("IProcess::Stop")) FStopped = true;
}
void THostProcess3D::EndProcess()
{
    if (Enter("IProcess::EndProcess")) FStopped = true;
}
tvapi::IProcess3DEventsPtr THostProcess3D::GetEvents3D()
{
    if (!Enter("IProcess3D::GetEvents3D")) return {};
    return tvapi::IProcess3DEventsPtr(FEvents);
}
tvapi::IManipulatorsPtr THostProcess3D::GetManipulators()
{
    if (!Enter("IProcess3D::GetManipulators")) return {};
    return tvapi::IManipulatorsPtr(FManipulators);
}
void THostProcess3D::SetPhantomObject(tvapi::IModelObjectPtr object)
{
    if (Enter("IProcess3D::SetPhantomObject", {object ? "object" : "none"})) FPhantom = std::move(object);
}
tvapi::IModelObjectPtr THostProcess3D::LoadPhantom(const wchar_t* fileName)
{
    if (!Enter("IProcess3D::LoadPhantom", {ToUtf8(fileName)})) return {};
    FPhantom.Reset();
    FPhantomError.clear();
    if (!fileName || !*fileName) {
        FPhantomError = "no file name";
        return {};
    }
    const tvapi::Ptr<THostPart> part = ReadPartFile(fileName, FPhantomError);
    FPhantom = tvapi::IModelObjectPtr(part);
    return FPhantom;
}
tvapi::IModelObjectPtr THostProcess3D::GetPhantomObject()
{
    if (!Enter("IProcess3D::GetPhantomObject")) return {};
    return FPhantom;
}
bool THostProcess3D::PickShown(int id)
{
    THostApplication* app = THostApplication::Current();
    auto* doc = app ? dynamic_cast<THostDocument3D*>(app->Documents().Active().Get()) : nullptr;
    THostTessellationObject* shown = doc ? doc->Tessellation().Mesh(id) : nullptr;
    if (!shown) return false;
    const tvapi::ITervanAPIObjectPtr object(shown);
    if (FEvents->FilterObjects(object)) FEvents->PlacementChanged(object);
    return true;
}
void THostProcess3D::Place(double x, double y, bool dynamic)
{
    THostApplication* app = THostApplication::Current();
    if (!app) return;
    const THostFramePtr frame = FrameOf(app->Documents().Active());
    if (!frame) return;
    const auto keys = New<THostPressedKeys>(dynamic ? 0u : unsigned(kbLeftButton));
    const tvapi::IPressedKeysPtr k(keys);
    // The view's pixels; a script's point is within its limit, any other is held to the ints.
    const auto pixel = [](double v) {
        if (std::isnan(v)) return 0;
        return static_cast<int>(
            std::clamp(v, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max())));
    };
    const int ix = pixel(x);
    const int iy = pixel(y);
    if (dynamic) {
        frame->Events().MouseMove(k, ix, iy);
        return;
    }
    frame->Events().MouseDown(k, ix, iy);
    frame->Events().MouseUp(k, ix, iy);
}

// ---- the application's property-manager side -----------------------------------------------

THostPanels::THostPanels() : FEvents(New<THostApplicationEvents>()) {}

THostFramePtr THostPanels::Frame(std::uint64_t document)
{
    THostFramePtr& f = FFrames[document];
    if (!f) {
        f = New<THostFrame>();
        f->PaintOnRefresh = PaintFrames;
    }
    return f;
}

THostFramePtr FrameOf(const tvapi::ITervanDocumentPtr& document)
{
    const THostObject* object = HostObjectOf(document.Get());
    THostApplication* app = THostApplication::Current();
    if (!object || !app) return {};
    return app->Panels().Frame(object->Id());
}

tvapi::IProcessParamPtr THostApplication::CreateProcessParam()
{
    if (!Enter("IProcessFactory::CreateProcessParam")) return {};
    return tvapi::IProcessParamPtr(New<THostProcessParam>());
}
tvapi::IProcess2DPtr THostApplication::CreateProcess2D(tvapi::IProcessParamPtr param)
{
    if (!Enter("IProcessFactory::CreateProcess2D")) return {};
    return tvapi::IProcess2DPtr(New<THostProcess2D>(std::move(param)));
}
tvapi::IProcess3DPtr THostApplication::CreateProcess3D(tvapi::IProcessParamPtr param)
{
    if (!Enter("IProcessFactory::CreateProcess3D")) return {};
    return tvapi::IProcess3DPtr(New<THostProcess3D>(std::move(param)));
}
tvapi::IApplicationEventsPtr THostApplication::GetApplicationEvents()
{
    if (!Enter("IProcessFactory::GetApplicationEvents")) return {};
    return Panels().EventsPtr();
}
tvapi::IDocumentFramePtr THostApplication::GetDocumentFrame(tvapi::ITervanDocumentPtr document)
{
    if (!Enter("IProcessFactory::GetDocumentFrame")) return {};
    return tvapi::IDocumentFramePtr(FrameOf(document));
}
void THostApplication::UpdateCommandBars(int mode, tvapi::IAPIObjectPtr& state)
{
    if (!Enter("IProcessFactory::UpdateCommandBars", {std::to_string(mode)})) return;
    ++Panels().CommandBarUpdates;
    state = tvapi::IAPIObjectPtr(New<THostPropertyToolBar>());
}
THostPanels& THostApplication::Panels()
{
    if (!FPanels) FPanels = std::make_unique<THostPanels>();
    return *FPanels;
}

} // namespace tvhost
