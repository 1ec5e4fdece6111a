#pragma once
// Processes of the stand-in host: document frames with their events and repaints, the 3D
// manipulators, 2D and 3D processes whose Run plays the session's script (HostScript.h), and
// the gabarit box a frame hands to its painters. THostPanels keeps what the application's
// property-manager side made: its events object and one frame per document. A 3D process's
// mates in HostProcessMates.cpp, a script's pick of a model's dimension in
// HostProcessDimensions.cpp.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HostAssembly.h"
#include "HostEvents.h"
#include "HostObject.h"
#include "HostPlacement.h"
#include "HostPropertyManager.h"
#include "tvapi/PropertyManager.h"

namespace tvhost {

class THostFrame final : public THostObjectOf<tvapi::IDocumentFrame> {
public:
    THostFrame();
    // Journaled as "IDocumentFrame::<operation>".
    tvapi::IDocumentFrameEventsPtr GetEvents() override;
    void Invalidate() override;
    void RefreshView() override;
    // Also printed where the script's "show" prints, as "status: <text>".
    void SetStatusText(const wchar_t* text) override;
    bool GetFrameRect(int& left, int& top, int& right, int& bottom) override;
    // A view from the front: the model's x to the right, its y up, z not shown; `Scale` pixels
    // a millimetre, the model's origin at the window's (CentreX, CentreY).
    bool ModelToWindow(double x, double y, double z, double& windowX, double& windowY) override;

    THostFrameEvents& Events() noexcept { return *FEvents; }
    const std::wstring& StatusText() const noexcept { return FStatus; }
    // The painters draw once more (not nested: a repaint asked for while painting is dropped).
    void Paint();
    bool PaintOnRefresh = false; // RefreshView paints, as the session's view does
    // Repaints done (RefreshView calls).
    int Repaints() const noexcept { return FRepaints; }

    // Test side: the window and its view.
    int Rect[4] = {0, 0, 800, 600}; // left, top, right, bottom
    double Scale = 1.0;
    double CentreX = 400.0;
    double CentreY = 300.0;

private:
    tvapi::Ptr<THostFrameEvents> FEvents;
    int FRepaints = 0;
    bool FPainting = false;
    std::wstring FStatus;
};
using THostFramePtr = tvapi::Ptr<THostFrame>;

// A placement: 16 reals in row order, the identity when new.
// A manipulator of either kind: the base settings, a placement, and per kind the shown and
// highlighted primitives (placement) or the value (edit). It answers only its kind's interface.
class THostManipulatorCore {
public:
    int Id = -1;
    bool Visible = false;
    bool Draggable = false;
    bool ValueField = false;
    int Updates = 0;
    tvapi::tvManipulatorTypeEnum Kind;
    THostPlacementPtr Placement;
    std::array<bool, 14> Shown{};       // by primitive number
    std::array<bool, 14> Highlighted{}; // by primitive number
    double Value = 0.0;

    explicit THostManipulatorCore(tvapi::tvManipulatorTypeEnum kind);
    virtual ~THostManipulatorCore() = default;
};

template <class IKind>
class THostManipulatorOf final : public THostObjectOf<tvapi::IBaseManipulator, IKind>,
                                 public THostManipulatorCore {
public:
    explicit THostManipulatorOf(tvapi::tvManipulatorTypeEnum kind) : THostManipulatorCore(kind) {}
    // Journaled as "IBaseManipulator::<operation>" and by kind.
    void SetId(int id) override;
    void SetVisible(bool visible) override;
    tvapi::IPlacement3DPtr GetPlacement() override;
    void Update(bool redraw) override;
    void SetDraggable(bool draggable) override;
    void ShowValueField() override;
    void ShowPrimitive(tvapi::tvManipulatorPrimitiveEnum primitive, bool show);
    void HighlightPrimitive(tvapi::tvManipulatorPrimitiveEnum primitive, bool highlight);
    void SetValue(double value);
    double GetValue();
};

class THostManipulators final : public THostObjectOf<tvapi::IManipulators> {
public:
    THostManipulators();
    tvapi::IProcess3DManipulatorsEventsPtr GetEvents() override;
    // Journaled as "IManipulators::Add".
    tvapi::IBaseManipulatorPtr Add(tvapi::tvManipulatorTypeEnum type) override;
    THostManipulatorsEvents& Events() noexcept { return *FEvents; }
    // The manipulators made, in order.
    const std::vector<tvapi::IBaseManipulatorPtr>& Items() const noexcept { return FItems; }
    // The state of manipulator `index`.
    THostManipulatorCore& Item(std::size_t index) const;

private:
    tvapi::Ptr<THostManipulatorsEvents> FEvents;
    std::vector<tvapi::IBaseManipulatorPtr> FItems;
};

class THostGabarit final : public THostObjectOf<tvapi::IGabaritObject> {
public:
    THostGabarit(double x1, double y1, double z1, double x2, double y2, double z2) noexcept
        : FBox{x1, y1, z1, x2, y2, z2}
    {
    }
    // Box 0 only.
    bool GetGabarit(int index, double& x1, double& y1, double& z1, double& x2, double& y2,
                    double& z2) override;
    bool SetGabarit(double x1, double y1, double z1, double x2, double y2, double z2) override;
    const double* Box() const noexcept { return FBox; }

private:
    double FBox[6];
};

// What processes of both kinds share: parameters, prompt and hint, the stop state and the
// scripted run.
class TProcessCore {
public:
    explicit TProcessCore(tvapi::IProcessParamPtr param);
    virtual ~TProcessCore() = default;

    THostProcessParam* Param() const noexcept;
    void AttachParam(tvapi::IProcessParamPtr param) { FParam = std::move(param); }
    const std::wstring& Prompt() const noexcept { return FPrompt; }
    const std::wstring& Hint() const noexcept { return FHint; }
    bool Running() const noexcept { return FRunning; }
    bool Stopped() const noexcept { return FStopped; }

protected:
    int PlayScript();
    // A move or click at (x, y), dynamic for a move.
    virtual void Place(double x, double y, bool dynamic) = 0;
    // Offers the object shown with id `id` and picks it; false when the process shows none.
    virtual bool PickShown(int) { return false; }
    // Offers the entity of `kind` numbered `n` (from 1) and picks it; false without one.
    virtual bool PickEntity(const std::wstring&, int) { return false; }

    tvapi::IProcessParamPtr FParam;
    std::wstring FPrompt;
    std::wstring FHint;
    bool FRunning = false;
    bool FStopped = false;

private:
    // One action; true when it ends the run, with `ok` telling how.
    bool Play(const struct TScriptAction& a, bool& ok);
};

// The preview of a 2D process: its kind, its drawing group and how often it was shown.
class THostPhantom2D final : public THostObjectOf<tvapi::IPhantom2D> {
public:
    // Journaled as "IPhantom2D::<operation>".
    void SetType(tvapi::tvPhantomTypeEnum type) override;
    void SetDrawingGroup(tvapi::IDrawingGroupPtr group) override;
    void Update() override;

    tvapi::tvPhantomTypeEnum Type() const noexcept { return FType; }
    const tvapi::IDrawingGroupPtr& Group() const noexcept { return FGroup; }
    int Updates() const noexcept { return FUpdates; }

private:
    tvapi::tvPhantomTypeEnum FType = tvapi::tvUnknownPhantom;
    tvapi::IDrawingGroupPtr FGroup;
    int FUpdates = 0;
};

class THostProcess2D final : public THostObjectOf<tvapi::IProcess2D>, public TProcessCore {
public:
    explicit THostProcess2D(tvapi::IProcessParamPtr param,
                            tvapi::tvProcess2DTypeEnum type = tvapi::tvProcess2DCursor);
    // Journaled as "IProcess::<operation>".
    tvapi::IProcessParamPtr GetProcessParam() override;
    void SetProcessParam(tvapi::IProcessParamPtr param) override;
    void SetPrompt(const wchar_t* prompt) override;
    void SetHint(const wchar_t* hint) override;
    int Run(bool modal, bool postMessage) override;
    void Stop() override;
    void EndProcess() override;
    // Journaled as "IProcess2D::<operation>".
    tvapi::IProcess2DEventsPtr GetEvents2D() override;
    tvapi::IPhantom2DPtr GetPhantom() override;
    void SetDynamicPlacement(bool on) override;

    THostProcess2DEvents& Events() noexcept { return *FEvents; }
    THostPhantom2D& Phantom() noexcept { return *FPhantom; }
    tvapi::tvProcess2DTypeEnum Type() const noexcept { return FType; }
    bool DynamicPlacement() const noexcept { return FDynamic; }

private:
    // A move is reported only while dynamic placement is on.
    void Place(double x, double y, bool dynamic) override;
    tvapi::Ptr<THostProcess2DEvents> FEvents;
    tvapi::Ptr<THostPhantom2D> FPhantom;
    tvapi::tvProcess2DTypeEnum FType;
    bool FDynamic = true;
};

class THostProcess3D final : public THostObjectOf<tvapi::IProcess3D>, public TProcessCore {
public:
    explicit THostProcess3D(tvapi::IProcessParamPtr param);
    tvapi::IProcessParamPtr GetProcessParam() override;
    void SetProcessParam(tvapi::IProcessParamPtr param) override;
    void SetPrompt(const wchar_t* prompt) override;
    void SetHint(const wchar_t* hint) override;
    int Run(bool modal, bool postMessage) override;
    void Stop() override;
    void EndProcess() override;
    tvapi::IProcess3DEventsPtr GetEvents3D() override;
    tvapi::IManipulatorsPtr GetManipulators() override;
    // Journaled as "IProcess3D::<operation>"; LoadPhantom reads the part file as the
    // host's document reader does (HostDocumentFile.h) and keeps the part.
    void SetPhantomObject(tvapi::IModelObjectPtr object) override;
    tvapi::IModelObjectPtr LoadPhantom(const wchar_t* fileName) override;
    tvapi::IModelObjectPtr GetPhantomObject() override;
    // Mates, placement and mated objects of the phantom (HostProcessMates.cpp).
    tvapi::IMateConstraints3DPtr GetMateConstraints() override;
    tvapi::IPlacement3DPtr GetPlacement() override;
    void SetMateObjects(const std::vector<tvapi::IModelObjectPtr>& objects) override;
    void UpdateProcess() override;

    THostProcess3DEvents& Events() noexcept { return *FEvents; }
    // Test side, not journaled.
    const TMateList& Mates() const noexcept { return *FMates; }
    const std::vector<tvapi::IModelObjectPtr>& MateObjects() const noexcept { return FMateObjects; }
    int Updates() const noexcept { return FUpdates; }
    // The phantom's frame, as the user left it.
    TFrame& PhantomFrame() noexcept { return FPhantomFrame; }
    // Why the last LoadPhantom failed; empty after one that succeeded.
    const std::string& PhantomError() const noexcept { return FPhantomError; }

private:
    // The scripted pointer works in the active document's frame.
    void Place(double x, double y, bool dynamic) override;
    // The active 3D document's tessellation object `id`: filtered, then picked when accepted.
    bool PickShown(int id) override;
    // In the kernel's order over the active 3D document's top-part bodies, threads in the order
    // they were made (HostProcessMates.cpp).
    bool PickEntity(const std::wstring& kind, int n) override;
    // The N-th 3D line dimension of the active document's parts offered and picked.
    bool PickDimension(int n);
    tvapi::Ptr<THostProcess3DEvents> FEvents;
    tvapi::Ptr<THostManipulators> FManipulators;
    tvapi::IModelObjectPtr FPhantom;
    std::string FPhantomError;
    std::shared_ptr<TMateList> FMates = std::make_shared<TMateList>();
    std::vector<tvapi::IModelObjectPtr> FMateObjects;
    TFrame FPhantomFrame;
    int FUpdates = 0;
};

class THostPanels {
public:
    THostPanels();
    THostApplicationEvents& Events() noexcept { return *FEvents; }
    tvapi::IApplicationEventsPtr EventsPtr() const { return tvapi::IApplicationEventsPtr(FEvents); }
    // The frame of the document with host id `document`, made when first asked for.
    THostFramePtr Frame(std::uint64_t document);
    // Forgets the frames (the session ends).
    void Clear() noexcept { FFrames.clear(); }
    int CommandBarUpdates = 0;
    bool PaintFrames = false; // frames made from now on paint when refreshed (THostFrame::PaintOnRefresh)

private:
    tvapi::Ptr<THostApplicationEvents> FEvents;
    std::map<std::uint64_t, THostFramePtr> FFrames;
};

// The frame of `document` as the host shows it; empty for an empty document.
THostFramePtr FrameOf(const tvapi::ITervanDocumentPtr& document);

} // namespace tvhost
