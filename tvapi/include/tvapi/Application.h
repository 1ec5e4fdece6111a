#pragma once
// The host application: the object a library is handed at load and the way to every
// other host service. Holds the message-suppression mode and shows message boxes.

#include "tvapi/ApplicationServices.h"
#include "tvapi/Base.h"
#include "tvapi/Dictionary.h"
#include "tvapi/Documents.h"
#include "tvapi/Libraries.h"

namespace tvapi {

// Message-suppression mode of the application. Libraries save it, switch it for the span
// of their own boxes or commands, and restore it.
enum tvHideMessageEnum : int {
    tvShowMessage = 0,         // boxes are shown
    tvHideMessageWarnings = 1, // warnings are not shown
    tvHideMessageAll = 2,      // no box is shown; questions take their default answer
};

// Icon and tone of a message box.
enum tvMessageTypeEnum : int {
    tvMessageQuestion = 0x20,
    tvMessageWarning = 0x30,
    tvMessageInformation = 0x40,
};

// Buttons a message box offers.
enum tvMessageButtonSetEnum : int {
    tvButtonSetOk = 0,
    tvButtonSetYesNo = 4,
};

// Button that closed a message box; 0 when no box could be shown.
enum tvMessageButtonEnum : int {
    tvButtonOk = 1,
    tvButtonYes = 6,
    tvButtonNo = 7,
};

class IApplication : public IAPIObject {
public:
    static constexpr char IID[] = "E8BDC990-A62D-46F6-B188-50FD9226CA61";
    using Parent = IAPIObject;

    virtual tvHideMessageEnum GetHideMessage() = 0;
    virtual void SetHideMessage(tvHideMessageEnum mode) = 0;

    // Shows a modal box with `text` under `caption` (null reads as empty) and returns the
    // button that closed it. `flags` is passed through to the host's box (0 or 1).
    virtual tvMessageButtonEnum ShowMessageBox(const wchar_t* text, const wchar_t* caption,
                                               tvMessageTypeEnum type, tvMessageButtonSetEnum buttons,
                                               int flags) = 0;

    // The host's dictionary; empty when the host has none.
    virtual ITervanDictionaryPtr GetDictionary() = 0;

    // Services, settings and state of the host; each is one object for the whole session.
    virtual IApplicationServicesPtr GetApplicationServices() = 0;
    virtual ISystemSettingsPtr GetSystemSettings() = 0;
    virtual ITervanErrorPtr GetTervanError() = 0;
    virtual ILibraryManagerPtr GetLibraryManager() = 0;
    virtual IProgressBarPtr GetProgressBar() = 0;
    // Fills the host version into the non-null arguments. False leaves them unchanged.
    virtual bool GetVersion(int* major, int* minor, int* release, int* build) = 0;

    // The open documents, and the one the user works in (empty when none is open).
    virtual IDocumentsPtr GetDocuments() = 0;
    virtual ITervanDocumentPtr GetActiveDocument() = 0;
    // The attribute-type manager for the library `libraryName` (null reads as empty).
    virtual IAttrTypeMngPtr GetAttrTypeMng(const wchar_t* libraryName) = 0;
    // The property manager of kind `kind` (1: the document properties, an IPropertyMng);
    // empty for another kind.
    virtual IAPIObjectPtr GetPropertyManager(int kind) = 0;

protected:
    ~IApplication() = default;
};

using IApplicationPtr = Ptr<IApplication>;

} // namespace tvapi
