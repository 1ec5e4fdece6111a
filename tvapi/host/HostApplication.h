#pragma once
// The stand-in host's application object: keeps the message-suppression mode, answers
// message boxes from a queue that tests fill, and hands out the host dictionary, its
// services, the library register, the progress bar and the documents. Each service is one
// object, made when first asked for (by the library or a test), so ids stay in call order.

#include <cstddef>
#include <deque>
#include <iosfwd>
#include <memory>

#include "HostAttributes.h"
#include "HostDictionary.h"
#include "HostDocuments.h"
#include "HostLibraries.h"
#include "HostObject.h"
#include "HostProcess.h"
#include "HostServices.h"
#include "HostTransfer.h"
#include "tvapi/Application.h"
#include "tvapi/PropertyManager.h"

namespace tvhost {

class THostApplication final : public THostObjectOf<tvapi::IApplication, tvapi::IProcessFactory> {
public:
    // The answer of a box when no scripted answer is left: yes.
    static constexpr int DefaultAnswer = tvapi::tvButtonYes;

    THostApplication();
    ~THostApplication() override;

    // Journaled as "IApplication::<operation>". On a fkFail fault GetHideMessage gives
    // tvShowMessage, SetHideMessage changes nothing, ShowMessageBox gives 0 without taking
    // an answer, GetDictionary gives an empty pointer.
    tvapi::tvHideMessageEnum GetHideMessage() override;
    void SetHideMessage(tvapi::tvHideMessageEnum mode) override;
    // Journaled arguments: text, caption, type, buttons, flags, then the suppression mode
    // in force while the box is up. Printed to the box output, when there is one.
    tvapi::tvMessageButtonEnum ShowMessageBox(const wchar_t* text, const wchar_t* caption,
                                              tvapi::tvMessageTypeEnum type,
                                              tvapi::tvMessageButtonSetEnum buttons, int flags) override;
    tvapi::ITervanDictionaryPtr GetDictionary() override;
    // Journaled as "IApplication::<operation>"; each fails with an empty pointer (false
    // for GetVersion, which then writes nothing).
    tvapi::IApplicationServicesPtr GetApplicationServices() override;
    tvapi::ISystemSettingsPtr GetSystemSettings() override;
    tvapi::ITervanErrorPtr GetTervanError() override;
    tvapi::ILibraryManagerPtr GetLibraryManager() override;
    tvapi::IProgressBarPtr GetProgressBar() override;
    bool GetVersion(int* major, int* minor, int* release, int* build) override;
    tvapi::IDocumentsPtr GetDocuments() override;
    tvapi::ITervanDocumentPtr GetActiveDocument() override;
    // One manager for the session, working on the active document (HostAttributes.h).
    tvapi::IAttrTypeMngPtr GetAttrTypeMng(const wchar_t* libraryName) override;
    // Kind 1: one manager for the session, working on the active document (HostProperties.h).
    tvapi::IAPIObjectPtr GetPropertyManager(int kind) override;

    // The property-manager side, journaled as "IProcessFactory::<operation>" (HostProcess.cpp).
    tvapi::IProcessParamPtr CreateProcessParam() override;
    tvapi::IProcess2DPtr CreateProcess2D(tvapi::IProcessParamPtr param) override;
    tvapi::IProcess3DPtr CreateProcess3D(tvapi::IProcessParamPtr param) override;
    tvapi::IApplicationEventsPtr GetApplicationEvents() override;
    tvapi::IDocumentFramePtr GetDocumentFrame(tvapi::ITervanDocumentPtr document) override;
    void UpdateCommandBars(int mode, tvapi::IAPIObjectPtr& state) override;

    // Test side, not journaled.
    // Queues the answer of one future box; boxes take answers in the order queued.
    void PushAnswer(int answer);
    std::size_t PendingAnswers() const noexcept { return FAnswers.size(); }
    void ClearAnswers() noexcept { FAnswers.clear(); }
    // Where each box is printed as it is shown, `box <kind> "<caption>": <text>` and, under a
    // suppression mode, ` [hide mode <mode>]`; null (at first) prints nothing.
    void SetBoxOutput(std::ostream* out) noexcept { FBoxOut = out; }
    tvapi::tvHideMessageEnum HideMessage() const noexcept { return FHideMessage; }
    THostDictionary& Dictionary() noexcept { return *FDictionary; }
    THostApplicationServices& Services();
    THostSystemSettings& Settings();
    THostTervanError& Error();
    THostLibraryManager& LibraryManager();
    THostProceduresLibraries& Libraries() { return LibraryManager().Libraries(); }
    THostProgressBar& Progress();
    THostDocuments& Documents();
    THostTransferService& Transfer();
    // Application events and document frames.
    THostPanels& Panels();
    // The version GetVersion gives; 17.0.0.1 at first.
    void SetVersion(int major, int minor, int release, int build) noexcept;
    // Closes the documents and forgets the transfer references, so that no object the
    // session made keeps another alive through them (a reference to the application itself
    // would keep it for ever). The host calls it when the session ends.
    void EndSession() noexcept;

    // The application made last and still alive; the host's exported functions reach the
    // session through it.
    static THostApplication* Current() noexcept;

private:
    tvapi::tvHideMessageEnum FHideMessage = tvapi::tvShowMessage;
    std::deque<int> FAnswers;
    std::ostream* FBoxOut = nullptr;
    THostDictionaryPtr FDictionary;
    THostApplicationServicesPtr FServices;
    THostSystemSettingsPtr FSettings;
    THostTervanErrorPtr FError;
    THostLibraryManagerPtr FLibraryManager;
    THostProgressBarPtr FProgress;
    THostDocumentsPtr FDocuments;
    THostTransferServicePtr FTransfer;
    THostAttrTypeMngPtr FAttrTypeMng;
    THostPropertyMngPtr FPropertyMng;
    int FVersion[4] = {17, 0, 0, 1};
    std::unique_ptr<THostPanels> FPanels;
};

using THostApplicationPtr = tvapi::Ptr<THostApplication>;

} // namespace tvhost
