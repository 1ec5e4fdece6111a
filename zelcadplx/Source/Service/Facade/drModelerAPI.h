#pragma once
// drApi::TModelerApi: the host facade, the library's only way to the host. Every subsystem
// reaches the host through the global drApi::MA; the messenger shows its boxes through
// drApi::TModelerApi::Last.

#include "DString.h"
#include "TArray.h"
#include "drTervan.h"

namespace drApi {

class TModelerApi {
public:
    // The facade registry; owned.
    TReferenceOf<TRegistryApi> R3;

    // The first facade constructed, null again when it is destroyed. Message boxes go
    // through it; null means the library has no facade to show them with.
    static TModelerApi* Last;

    TModelerApi();
    virtual ~TModelerApi();
    TModelerApi(const TModelerApi&) = delete;
    TModelerApi& operator=(const TModelerApi&) = delete;

    // The host application from the registry, or null without a host.
    tvapi::IApplication* Application() const { return R3.Exist() ? R3->Tervan7 : nullptr; }

    // Information box with one OK button, captioned with the library's file name. The host's
    // message-suppression mode is switched to "show" for the box and restored afterwards,
    // also when the host call throws (the exception then passes on). Nothing without a host.
    void LiftBox(const TString& Text);
    // Yes/no question, captioned with the library's file name whatever Title holds; the
    // suppression mode is handled as in LiftBox. True only when the answer is yes; false
    // without a host, without asking.
    Boolean QuestionBox(const TString& Text, const TString& Title);
};

// The facade of the library, alive from load to unload.
extern TModelerApi MA;

} // namespace drApi
