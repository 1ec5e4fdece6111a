#pragma once
// A panel for the tests of the panel base: it builds a 2D and a 3D process in the stand-in
// host, subscribes every receiver as the 2D and 3D panels do, and records what reaches its
// overridables. TPanelFixture is the host with the facade holding its application.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "HostProcess.h"
#include "PluginFixture.h"
#include "cPropertyMenagerEvent.h"

class TTestPanel : public TBaseManager {
public:
    std::vector<std::string> Calls;
    tvapi::IProcess2DPtr Process2D;
    tvapi::IProcess3DPtr Process3D;
    std::function<bool(int)> OnButton; // answer of ButtonClick; records only when empty

    TTestPanel()
    {
        const tvapi::IProcessFactoryPtr factory(tvapi::IApplicationPtr(drApi::MA.R3->Tervan7));
        if (factory && ProcessParam) {
            Process2D = factory->CreateProcess2D(ProcessParam);
            Process3D = factory->CreateProcess3D(ProcessParam);
            Process = tvapi::IProcessPtr(Process2D);
            Manipulators = Process3D->GetManipulators();
            PropertyTabs = ProcessParam->GetPropertyTabs();
        }
    }
    ~TTestPanel() override { UnAdvise(); }

    // The 2D and 3D panels' subscriptions after the base's.
    using TBaseManager::Advise;
    void Advise() override
    {
        if (IsAdvise) return;
        TBaseManager::Advise();
        if (Frame) TReceiverFrameEvent::Advise(Frame->GetEvents(), -1);
        if (Manipulators) TReceiverProcess3DManipulatorsEvent::Advise(Manipulators->GetEvents(), -1);
        if (Process3D) TReceiverProcess3DEvent::Advise(Process3D->GetEvents3D(), -1);
        if (Process2D) TReceiverProcess2DEvent::Advise(Process2D->GetEvents2D(), -1);
    }
    void UnAdvise() override
    {
        if (!IsAdvise) return;
        if (Process3D) TReceiverProcess3DEvent::UnAdvie(Process3D->GetEvents3D());
        if (Process2D) TReceiverProcess2DEvent::UnAdvie(Process2D->GetEvents2D());
        TBaseManager::UnAdvise();
    }

    bool ButtonClick(int id) override
    {
        Calls.push_back("button " + std::to_string(id));
        return OnButton ? OnButton(id) : false;
    }
    bool MouseMove(tvapi::IPressedKeysPtr, int x, int y) override
    {
        Calls.push_back("move " + std::to_string(x) + " " + std::to_string(y));
        return MoveAnswer;
    }
    bool ChangeValue(void*, int Sender) override
    {
        Calls.push_back("changed " + std::to_string(Sender));
        return false;
    }
    bool ButtonUpdate(int id, bool&, int&) override
    {
        Calls.push_back("update " + std::to_string(id) + (Active ? " active" : ""));
        return true;
    }
    void ProcessActivate() override { Calls.push_back("activate"); }
    void RedrawPhantom() override
    {
        Calls.push_back("redraw");
        TBaseManager::RedrawPhantom();
    }

    bool MoveAnswer = false;
};

class TPanelFixture : public TPluginFixture {
protected:
    void SetUp() override
    {
        TPluginFixture::SetUp();
        drApi::MA.R3->Tervan7 = &Host().App();
    }
    void TearDown() override
    {
        drApi::MA.R3->IDoc.Reset();
        drApi::MA.R3->IDoc2D.Reset();
        drApi::MA.R3->IDoc3D.Reset();
        drApi::MA.R3->ITessellationMng.Reset();
        TPluginFixture::TearDown();
    }
    tvapi::ITervanDocumentPtr NewDrawing()
    {
        return Application()->GetDocuments()->Add(tvapi::tvDocumentDrawing, true);
    }
    tvhost::THostProcessParam& Param(TBaseManager& p)
    {
        return *dynamic_cast<tvhost::THostProcessParam*>(p.ProcessParam.Get());
    }
    tvhost::THostApplicationEvents& AppEvents() { return Host().App().Panels().Events(); }
    tvhost::THostFrame& FrameOf(TBaseManager& p) { return *dynamic_cast<tvhost::THostFrame*>(p.Frame.Get()); }
    // The stand-in object behind a host interface.
    template <class T, class P> static T& As(const P& p) { return *dynamic_cast<T*>(p.Get()); }
    template <class P> static tvhost::THostPropertyControl& HostOf(const P& p)
    {
        return As<tvhost::THostPropertyControl>(p);
    }
};

// A running test panel with one tab, for the builders and the bindings.
class TTabPanelFixture : public TPanelFixture {
protected:
    void SetUp() override
    {
        TPanelFixture::SetUp();
        Panel = std::make_unique<TTestPanel>();
        Panel->AddTab("Параметры");
    }
    void TearDown() override
    {
        Panel.reset();
        drApi::MA.R3->LibFont.Clear();
        TPanelFixture::TearDown();
    }
    std::unique_ptr<TTestPanel> Panel;
};
