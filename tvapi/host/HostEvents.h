#pragma once
// The stand-in host's event sources: one object per events interface, keeping per event the
// callbacks registered under each name. Registering again under a name replaces that name's
// callback; Unadvise of an unknown name does nothing. Firing walks a copy of the subscriber
// list and skips callbacks removed meanwhile, so a handler may stop or delete its panel.

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "HostObject.h"
#include "HostText.h"
#include "tvapi/Events.h"

namespace tvhost {

// The callbacks of one event, in registration order.
template <class F> class TEventSlot {
public:
    using Result = typename F::result_type;

    void Add(const std::wstring& name, F f)
    {
        for (auto& s : FSubs)
            if (s.Name == name) {
                s.Callback = std::move(f);
                s.Serial = ++FSerial;
                return;
            }
        FSubs.push_back({name, std::move(f), ++FSerial});
    }
    void Remove(const std::wstring& name)
    {
        std::erase_if(FSubs, [&](const TSub& s) { return s.Name == name; });
    }
    bool Has(const std::wstring& name) const
    {
        for (const auto& s : FSubs)
            if (s.Name == name) return true;
        return false;
    }
    std::size_t Count() const noexcept { return FSubs.size(); }

    // Calls every callback; for events with a result the last callback's answer, false
    // (or the default value) when none is registered.
    template <class... A> Result Fire(A&&... args)
    {
        const std::vector<TSub> copy = FSubs;
        if constexpr (std::is_void_v<Result>) {
            for (const auto& s : copy)
                if (Alive(s.Serial)) s.Callback(args...);
        } else {
            Result r{};
            for (const auto& s : copy)
                if (Alive(s.Serial)) r = s.Callback(args...);
            return r;
        }
    }

private:
    struct TSub {
        std::wstring Name;
        F Callback;
        std::uint64_t Serial = 0;
    };
    bool Alive(std::uint64_t serial) const
    {
        for (const auto& s : FSubs)
            if (s.Serial == serial) return true;
        return false;
    }
    std::vector<TSub> FSubs;
    std::uint64_t FSerial = 0;
};

// An events object of interface I whose events 0, 1, ... take callbacks of types Fs....
// Operations are journaled as "<Interface>::<operation>" with the name as argument.
template <class I, class... Fs> class THostEventSource : public THostObjectOf<I> {
public:
    static constexpr std::size_t EventCount = sizeof...(Fs);

    explicit THostEventSource(const char* interfaceName) : FInterface(interfaceName) {}

    void Unadvise(const wchar_t* name) override
    {
        const std::wstring n = name ? name : L"";
        if (!THostObject::Enter(FInterface + "::Unadvise", {ToUtf8(n)})) return;
        std::apply([&](auto&... slot) { (slot.Remove(n), ...); }, FSlots);
    }

    // Test side, not journaled.
    template <std::size_t E, class... A> auto Fire(A&&... args)
    {
        return std::get<E>(FSlots).Fire(std::forward<A>(args)...);
    }
    // Numbers of the events holding a callback under `name`, ascending.
    std::vector<int> EventsOf(const std::wstring& name) const
    {
        std::vector<int> out;
        int e = 0;
        std::apply([&](const auto&... slot) { ((slot.Has(name) ? out.push_back(e++) : void(e++)), ...); },
                   FSlots);
        return out;
    }
    // Callbacks registered, over all events and names.
    std::size_t Subscriptions() const
    {
        std::size_t n = 0;
        std::apply([&](const auto&... slot) { ((n += slot.Count()), ...); }, FSlots);
        return n;
    }
    template <std::size_t E> std::size_t Subscribers() const { return std::get<E>(FSlots).Count(); }

protected:
    template <std::size_t E>
    void Register(const char* op, const wchar_t* name, std::tuple_element_t<E, std::tuple<Fs...>> f)
    {
        const std::wstring n = name ? name : L"";
        if (!THostObject::Enter(FInterface + "::" + op, {ToUtf8(n)})) return;
        if (!f) return;
        std::get<E>(FSlots).Add(n, std::move(f));
    }

private:
    std::string FInterface;
    std::tuple<TEventSlot<Fs>...> FSlots;
};

namespace fe = tvapi::frame_events;
class THostFrameEvents final
    : public THostEventSource<tvapi::IDocumentFrameEvents, fe::BeginPaint, fe::ClosePaint, fe::Mouse,
                              fe::Mouse, fe::Mouse, fe::BeginPaintGL, fe::ClosePaintGL, fe::AddGabarit,
                              fe::Notify, fe::Notify, fe::Notify, fe::Mouse, fe::Ask, fe::Notify> {
public:
    enum : std::size_t {
        eBeginPaint,
        eClosePaint,
        eMouseDown,
        eMouseUp,
        eMouseDblClick,
        eBeginPaintGL,
        eClosePaintGL,
        eAddGabarit,
        eActivate,
        eDeactivate,
        eCloseFrame,
        eMouseMove,
        eBeginPaintTmpObjects,
        eClosePaintTmpObjects
    };
    THostFrameEvents() : THostEventSource("IDocumentFrameEvents") {}
    void AdviseBeginPaint(const wchar_t* n, fe::BeginPaint f) override
    {
        Register<0>("AdviseBeginPaint", n, f);
    }
    void AdviseClosePaint(const wchar_t* n, fe::ClosePaint f) override
    {
        Register<1>("AdviseClosePaint", n, f);
    }
    void AdviseMouseDown(const wchar_t* n, fe::Mouse f) override { Register<2>("AdviseMouseDown", n, f); }
    void AdviseMouseUp(const wchar_t* n, fe::Mouse f) override { Register<3>("AdviseMouseUp", n, f); }
    void AdviseMouseDblClick(const wchar_t* n, fe::Mouse f) override
    {
        Register<4>("AdviseMouseDblClick", n, f);
    }
    void AdviseBeginPaintGL(const wchar_t* n, fe::BeginPaintGL f) override
    {
        Register<5>("AdviseBeginPaintGL", n, f);
    }
    void AdviseClosePaintGL(const wchar_t* n, fe::ClosePaintGL f) override
    {
        Register<6>("AdviseClosePaintGL", n, f);
    }
    void AdviseAddGabarit(const wchar_t* n, fe::AddGabarit f) override
    {
        Register<7>("AdviseAddGabarit", n, f);
    }
    void AdviseActivate(const wchar_t* n, fe::Notify f) override { Register<8>("AdviseActivate", n, f); }
    void AdviseDeactivate(const wchar_t* n, fe::Notify f) override { Register<9>("AdviseDeactivate", n, f); }
    void AdviseCloseFrame(const wchar_t* n, fe::Notify f) override { Register<10>("AdviseCloseFrame", n, f); }
    void AdviseMouseMove(const wchar_t* n, fe::Mouse f) override { Register<11>("AdviseMouseMove", n, f); }
    void AdviseBeginPaintTmpObjects(const wchar_t* n, fe::Ask f) override
    {
        Register<12>("AdviseBeginPaintTmpObjects", n, f);
    }
    void AdviseClosePaintTmpObjects(const wchar_t* n, fe::Notify f) override
    {
        Register<13>("AdviseClosePaintTmpObjects", n, f);
    }

    // Fire helpers for tests.
    bool MouseMove(tvapi::IPressedKeysPtr k, int x, int y) { return Fire<eMouseMove>(k, x, y); }
    bool MouseDown(tvapi::IPressedKeysPtr k, int x, int y) { return Fire<eMouseDown>(k, x, y); }
    bool MouseUp(tvapi::IPressedKeysPtr k, int x, int y) { return Fire<eMouseUp>(k, x, y); }
    bool MouseDblClick(tvapi::IPressedKeysPtr k, int x, int y) { return Fire<eMouseDblClick>(k, x, y); }
    bool BeginPaint() { return Fire<eBeginPaint>(tvapi::IPaintObjectPtr()); }
    bool BeginPaintGL(unsigned mode) { return Fire<eBeginPaintGL>(mode, tvapi::IOpenGLObjectPtr()); }
    void ClosePaintGL(unsigned mode) { Fire<eClosePaintGL>(mode, tvapi::IOpenGLObjectPtr()); }
    void AddGabarit(tvapi::IGabaritObjectPtr g) { Fire<eAddGabarit>(g); }
};

namespace me = tvapi::manipulator_events;
class THostManipulatorsEvents final
    : public THostEventSource<tvapi::IProcess3DManipulatorsEvents, me::Move, me::Rotate, me::Click,
                              me::Primitive, me::Primitive, me::Primitive, me::Value, me::Id> {
public:
    THostManipulatorsEvents() : THostEventSource("IProcess3DManipulatorsEvents") {}
    void AdviseMoveManipulator(const wchar_t* n, me::Move f) override
    {
        Register<0>("AdviseMoveManipulator", n, f);
    }
    void AdviseRotateManipulator(const wchar_t* n, me::Rotate f) override
    {
        Register<1>("AdviseRotateManipulator", n, f);
    }
    void AdviseClickManipulatorPrimitive(const wchar_t* n, me::Click f) override
    {
        Register<2>("AdviseClickManipulatorPrimitive", n, f);
    }
    void AdviseBeginDragManipulator(const wchar_t* n, me::Primitive f) override
    {
        Register<3>("AdviseBeginDragManipulator", n, f);
    }
    void AdviseEndDragManipulator(const wchar_t* n, me::Primitive f) override
    {
        Register<4>("AdviseEndDragManipulator", n, f);
    }
    void AdviseCreateManipulatorEdit(const wchar_t* n, me::Primitive f) override
    {
        Register<5>("AdviseCreateManipulatorEdit", n, f);
    }
    void AdviseChangeManipulatorValue(const wchar_t* n, me::Value f) override
    {
        Register<6>("AdviseChangeManipulatorValue", n, f);
    }
    void AdviseDestroyManipulatorEdit(const wchar_t* n, me::Id f) override
    {
        Register<7>("AdviseDestroyManipulatorEdit", n, f);
    }

    bool MoveManipulator(int id, double vx, double vy, double vz, double delta, bool fromEdit)
    {
        return Fire<0>(id, vx, vy, vz, delta, fromEdit);
    }
    bool RotateManipulator(int id, double ox, double oy, double oz, double ax, double ay, double az,
                           double angle, bool fromEdit)
    {
        return Fire<1>(id, ox, oy, oz, ax, ay, az, angle, fromEdit);
    }
    bool BeginDragManipulator(int id, tvapi::tvManipulatorPrimitiveEnum p) { return Fire<3>(id, p); }
    bool EndDragManipulator(int id, tvapi::tvManipulatorPrimitiveEnum p) { return Fire<4>(id, p); }
};

namespace p3 = tvapi::process3d_events;
class THostProcess3DEvents final
    : public THostEventSource<tvapi::IProcess3DEvents, p3::Object, p3::Command, p3::Ask, p3::Ask, p3::Ask,
                              p3::Ask, p3::Ask, p3::Object, p3::Take, p3::Group, p3::Ask> {
public:
    THostProcess3DEvents() : THostEventSource("IProcess3DEvents") {}
    void AdvisePlacementChanged(const wchar_t* n, p3::Object f) override
    {
        Register<0>("AdvisePlacementChanged", n, f);
    }
    void AdviseExecuteCommand(const wchar_t* n, p3::Command f) override
    {
        Register<1>("AdviseExecuteCommand", n, f);
    }
    void AdviseRunProcess(const wchar_t* n, p3::Ask f) override { Register<2>("AdviseRunProcess", n, f); }
    void AdviseStopProcess(const wchar_t* n, p3::Ask f) override { Register<3>("AdviseStopProcess", n, f); }
    void AdviseActivate(const wchar_t* n, p3::Ask f) override { Register<4>("AdviseActivate", n, f); }
    void AdviseDeactivate(const wchar_t* n, p3::Ask f) override { Register<5>("AdviseDeactivate", n, f); }
    void AdviseEndProcess(const wchar_t* n, p3::Ask f) override { Register<6>("AdviseEndProcess", n, f); }
    void AdviseFilterObjects(const wchar_t* n, p3::Object f) override
    {
        Register<7>("AdviseFilterObjects", n, f);
    }
    void AdviseCreateTakeObject(const wchar_t* n, p3::Take f) override
    {
        Register<8>("AdviseCreateTakeObject", n, f);
    }
    void AdviseProcessingGroupObjects(const wchar_t* n, p3::Group f) override
    {
        Register<9>("AdviseProcessingGroupObjects", n, f);
    }
    void AdviseAbortProcess(const wchar_t* n, p3::Ask f) override
    {
        Register<10>("AdviseAbortProcess", n, f);
    }

    bool PlacementChanged(tvapi::ITervanAPIObjectPtr o) { return Fire<0>(o); }
    bool ExecuteCommand(int command) { return Fire<1>(command); }
    bool FilterObjects(tvapi::ITervanAPIObjectPtr o) { return Fire<7>(o); }
    bool CreateTakeObject(tvapi::IModelObjectPtr o) { return Fire<8>(o); }
};

namespace p2 = tvapi::process2d_events;
class THostProcess2DEvents final : public THostEventSource<tvapi::IProcess2DEvents, p2::Placement,
                                                           p2::Command, p2::Ask, p2::Ask, p2::Ask> {
public:
    THostProcess2DEvents() : THostEventSource("IProcess2DEvents") {}
    void AdvisePlacementChanged(const wchar_t* n, p2::Placement f) override
    {
        Register<0>("AdvisePlacementChanged", n, f);
    }
    void AdviseExecuteCommand(const wchar_t* n, p2::Command f) override
    {
        Register<1>("AdviseExecuteCommand", n, f);
    }
    void AdviseRun(const wchar_t* n, p2::Ask f) override { Register<2>("AdviseRun", n, f); }
    void AdviseStop(const wchar_t* n, p2::Ask f) override { Register<3>("AdviseStop", n, f); }
    void AdviseActivate(const wchar_t* n, p2::Ask f) override { Register<4>("AdviseActivate", n, f); }

    bool PlacementChanged(double x, double y, double angle, bool dynamic)
    {
        return Fire<0>(x, y, angle, dynamic);
    }
    bool ExecuteCommand(int command) { return Fire<1>(command); }
};

namespace pe = tvapi::property_events;
class THostPropertiesManagerEvents final
    : public THostEventSource<tvapi::IPropertiesManagerEvents, pe::Button, pe::Control, pe::ControlInt,
                              pe::ButtonUpdate, pe::Notify, pe::Notify, pe::Item, pe::Item, pe::Cell,
                              pe::Focus, pe::ControlInt, pe::Control, pe::ContextPanel, pe::ContextIconMenu,
                              pe::ControlInt, pe::Tab, pe::ControlInt> {
public:
    THostPropertiesManagerEvents() : THostEventSource("IPropertiesManagerEvents") {}
    void AdviseButtonClick(const wchar_t* n, pe::Button f) override
    {
        Register<0>("AdviseButtonClick", n, f);
    }
    void AdviseChangeControlValue(const wchar_t* n, pe::Control f) override
    {
        Register<1>("AdviseChangeControlValue", n, f);
    }
    void AdviseControlCommand(const wchar_t* n, pe::ControlInt f) override
    {
        Register<2>("AdviseControlCommand", n, f);
    }
    void AdviseButtonUpdate(const wchar_t* n, pe::ButtonUpdate f) override
    {
        Register<3>("AdviseButtonUpdate", n, f);
    }
    void AdviseProcessActivate(const wchar_t* n, pe::Notify f) override
    {
        Register<4>("AdviseProcessActivate", n, f);
    }
    void AdviseProcessDeactivate(const wchar_t* n, pe::Notify f) override
    {
        Register<5>("AdviseProcessDeactivate", n, f);
    }
    void AdviseSelectItem(const wchar_t* n, pe::Item f) override { Register<6>("AdviseSelectItem", n, f); }
    void AdviseCheckItem(const wchar_t* n, pe::Item f) override { Register<7>("AdviseCheckItem", n, f); }
    void AdviseSelectCell(const wchar_t* n, pe::Cell f) override { Register<8>("AdviseSelectCell", n, f); }
    void AdviseEditFocus(const wchar_t* n, pe::Focus f) override { Register<9>("AdviseEditFocus", n, f); }
    void AdviseUserMenuCommand(const wchar_t* n, pe::ControlInt f) override
    {
        Register<10>("AdviseUserMenuCommand", n, f);
    }
    void AdviseLayoutChanged(const wchar_t* n, pe::Control f) override
    {
        Register<11>("AdviseLayoutChanged", n, f);
    }
    void AdviseFillContextPanel(const wchar_t* n, pe::ContextPanel f) override
    {
        Register<12>("AdviseFillContextPanel", n, f);
    }
    void AdviseFillContextIconMenu(const wchar_t* n, pe::ContextIconMenu f) override
    {
        Register<13>("AdviseFillContextIconMenu", n, f);
    }
    void AdviseEndEditItem(const wchar_t* n, pe::ControlInt f) override
    {
        Register<14>("AdviseEndEditItem", n, f);
    }
    void AdviseChangeTabExpanded(const wchar_t* n, pe::Tab f) override
    {
        Register<15>("AdviseChangeTabExpanded", n, f);
    }
    void AdviseDoubleClickItem(const wchar_t* n, pe::ControlInt f) override
    {
        Register<16>("AdviseDoubleClickItem", n, f);
    }

    bool ButtonClick(int id) { return Fire<0>(id); }
    void ChangeControlValue(tvapi::IPropertyControlPtr c) { Fire<1>(c); }
    void ControlCommand(tvapi::IPropertyControlPtr c, int button) { Fire<2>(c, button); }
    bool ButtonUpdate(int id, bool& enable, int& checked) { return Fire<3>(id, enable, checked); }
    void ProcessActivate() { Fire<4>(); }
    void ProcessDeactivate() { Fire<5>(); }
    void SelectItem(tvapi::IPropertyControlPtr c, int index, bool select) { Fire<6>(c, index, select); }
    void CheckItem(tvapi::IPropertyControlPtr c, int index, bool check) { Fire<7>(c, index, check); }
    void SelectCell(tvapi::IPropertyControlPtr c, int row, int column) { Fire<8>(c, row, column); }
    void EditFocus(tvapi::IPropertyControlPtr c, bool focus) { Fire<9>(c, focus); }
    void UserMenuCommand(tvapi::IPropertyControlPtr c, int menu) { Fire<10>(c, menu); }
    void EndEditItem(tvapi::IPropertyControlPtr c, int item) { Fire<14>(c, item); }
    void ChangeTabExpanded(int tab) { Fire<15>(tab); }
    void DoubleClickItem(tvapi::IPropertyControlPtr c, int item) { Fire<16>(c, item); }
};

namespace ae = tvapi::application_events;
class THostApplicationEvents final
    : public THostEventSource<tvapi::IApplicationEvents, ae::DocumentType, ae::Document, ae::FileName,
                              ae::Document, ae::Ask, ae::DragFiles, ae::RequestFiles, ae::Document,
                              ae::Notify, ae::Ask, ae::Key, ae::Key, ae::Key, ae::Material,
                              ae::ChoiceMaterial, ae::NeedConvert, ae::Convert, ae::Convert, ae::Theme> {
public:
    THostApplicationEvents() : THostEventSource("IApplicationEvents") {}
    void AdviseBeginCreate(const wchar_t* n, ae::DocumentType f) override
    {
        Register<0>("AdviseBeginCreate", n, f);
    }
    void AdviseCreateDocument(const wchar_t* n, ae::Document f) override
    {
        Register<1>("AdviseCreateDocument", n, f);
    }
    void AdviseBeginOpenDocument(const wchar_t* n, ae::FileName f) override
    {
        Register<2>("AdviseBeginOpenDocument", n, f);
    }
    void AdviseOpenDocument(const wchar_t* n, ae::Document f) override
    {
        Register<3>("AdviseOpenDocument", n, f);
    }
    void AdviseBeginOpenFile(const wchar_t* n, ae::Ask f) override
    {
        Register<4>("AdviseBeginOpenFile", n, f);
    }
    void AdviseBeginDragOpenFiles(const wchar_t* n, ae::DragFiles f) override
    {
        Register<5>("AdviseBeginDragOpenFiles", n, f);
    }
    void AdviseBeginRequestFiles(const wchar_t* n, ae::RequestFiles f) override
    {
        Register<6>("AdviseBeginRequestFiles", n, f);
    }
    void AdviseChangeActiveDocument(const wchar_t* n, ae::Document f) override
    {
        Register<7>("AdviseChangeActiveDocument", n, f);
    }
    void AdviseApplicationDestroy(const wchar_t* n, ae::Notify f) override
    {
        Register<8>("AdviseApplicationDestroy", n, f);
    }
    void AdviseBeginCloseAllDocument(const wchar_t* n, ae::Ask f) override
    {
        Register<9>("AdviseBeginCloseAllDocument", n, f);
    }
    void AdviseKeyDown(const wchar_t* n, ae::Key f) override { Register<10>("AdviseKeyDown", n, f); }
    void AdviseKeyUp(const wchar_t* n, ae::Key f) override { Register<11>("AdviseKeyUp", n, f); }
    void AdviseKeyPressed(const wchar_t* n, ae::Key f) override { Register<12>("AdviseKeyPressed", n, f); }
    void AdviseBeginChoiceMaterial(const wchar_t* n, ae::Material f) override
    {
        Register<13>("AdviseBeginChoiceMaterial", n, f);
    }
    void AdviseChoiceMaterial(const wchar_t* n, ae::ChoiceMaterial f) override
    {
        Register<14>("AdviseChoiceMaterial", n, f);
    }
    void AdviseIsNeedConvertToSavePrevious(const wchar_t* n, ae::NeedConvert f) override
    {
        Register<15>("AdviseIsNeedConvertToSavePrevious", n, f);
    }
    void AdviseBeginConvertToSavePrevious(const wchar_t* n, ae::Convert f) override
    {
        Register<16>("AdviseBeginConvertToSavePrevious", n, f);
    }
    void AdviseEndConvertToSavePrevious(const wchar_t* n, ae::Convert f) override
    {
        Register<17>("AdviseEndConvertToSavePrevious", n, f);
    }
    void AdviseChangeTheme(const wchar_t* n, ae::Theme f) override
    {
        Register<18>("AdviseChangeTheme", n, f);
    }

    bool KeyDown(int& keyCode, int keyFlags, tvapi::IPressedKeysPtr k)
    {
        return Fire<10>(keyCode, keyFlags, k);
    }
    bool BeginOpenFile() { return Fire<4>(); }
    bool ChangeTheme(tvapi::tvThemeEnum t) { return Fire<18>(t); }
};

} // namespace tvhost
