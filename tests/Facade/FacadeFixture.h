#pragma once
// Fixture for the facade against the stand-in host: drApi::MA is given the host's
// application and the caption "libDimChain"; at the end every host reference the facade
// and its selector keep is given back before the live-object count is checked.

#include "HostArgs.h"
#include "HostFixture.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"

class TFacadeFixture : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        FApp = Application();
        R().Tervan7 = FApp.Get();
        R().FileName = "libDimChain";
    }
    void TearDown() override {
        drApi::TRegistryApi& r = R();
        drApi::Selector->Selection7.Reset();
        drApi::Selector->Choose7.Reset();
        r.Library.Reset();
        r.ProgressBar.Reset();
        r.IDoc.Reset();
        r.ITessellationMng.Reset();
        r.IDoc3D.Reset();
        r.IDoc2D.Reset();
        r.Part.Reset();
        r.Tervan7 = nullptr;
        r.FileName.Clear();
        FApp.Reset();
        HostFixture::TearDown();
    }

    static drApi::TRegistryApi& R() { return *drApi::MA.R3; }
    // Opens a new document of type t and makes it active; the host keeps it.
    tvapi::ITervanDocumentPtr Open(tvapi::DocumentTypeEnum t) {
        return Host().App().Documents().AddDocument(t, L"doc");
    }

    tvapi::IApplicationPtr FApp;
};
