// ==== drApi::TModelerApi (drModelerAPI.h): its time in the host, boxes, part access =============
// The facade's own source. Construction: the first facade becomes the messenger's host and the
// dimension list's modeller, and lets both go when it ends. Start-up and end inside the host:
// the library's own file, its folders, the host's version, document, settings and error state,
// the dictionary and the library's font; every host reference given back at the end. Host
// message boxes, help, resource strings and progress: the suppression mode is switched for the
// span of a box by a scope guard, so a throwing host still gets its mode back. Part access: the
// active document, its part, tessellation manager and the application's progress bar are taken
// for a command and given back when it ends. The annexes by area are in 2D/, Sheets/, Model3D/,
// Assembly/.

#include "drModelerAPI.h"

#include "LoadOrder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "Contour.h"
#include "Dictionary.h"
#include "Dimension3D.h"
#include "Messager.h"
#include "TControlModel.h"
#include "TFileName.h"
#include "TextBase.h"
#include "drDetailPart.h"
#include "drSelectorAPI.h"
#include "tvapi/Application.h"
#include "tvapi/Dictionary.h"
#include "tvapi/Libraries.h"

namespace drApi {

// ---- Construction: the first facade is the one the messenger and the dimension list use ------

TModelerApi* TModelerApi::Last = nullptr;

namespace {

// The messenger's way to the host: the boxes of the first facade and MA's application.
class TFacadeMessageHost final : public TMessageHost {
public:
    void HostBox(const TString& M) override
    {
        if (TModelerApi::Last) TModelerApi::Last->LiftBox(M);
    }
    Boolean HostQuestion(const TString& Text) override
    {
        return TModelerApi::Last != nullptr && TModelerApi::Last->QuestionBox(Text, EmptyStr);
    }
    tvapi::IApplication* HostApplication() const override { return MA.Application(); }
};

[[gnu::init_priority(loadorder::FacadeServices)]] TFacadeMessageHost FacadeMessageHost;

// The overall sizes of the dimension layout, in the current view of the active document; M is
// the facade that lent this with itself. Both ends carry arrows, the tolerance the second text.
void OverallDimension(TModeler2D& M, Real Value, const TString& Qual, Real Dx, Real Dy, const TPoint2D& A,
                      const TPoint2D& B)
{
    static_cast<TModelerApi&>(M).drDimL7(Value, "", Dx, Dy, 0, 0, 0, 0, A.x, A.y, 1, 0, B.x, B.y, 1, 0, "",
                                         Qual, "");
}

} // namespace

// The base is built over Constraint before Constraint itself is constructed: the modeller
// only keeps the reference until the facade is complete.
TModelerApi::TModelerApi() : TModeler3D(Constraint), Constraint(*this), R3(new TRegistryApi(), true)
{
    if (Last) return;
    Last = this;
    TMessager::Instance().SetHost(&FacadeMessageHost);
    ADimension3D.M.Assign(*this); // the dimension list draws through the first facade
    ADimension3D.OverallDim = OverallDimension;
    ADimension3D.Layout3D = LayoutGeneratedDimensions;
}

TModelerApi::~TModelerApi()
{
    if (Last == this) {
        Last = nullptr;
        TMessager::Instance().SetHost(nullptr);
        if (ADimension3D.M.Ptr == this) { // borrowed: only forgotten
            ADimension3D.M.Free();
            ADimension3D.OverallDim = nullptr;
            ADimension3D.Layout3D = nullptr;
        }
    }
    R3.Free();
}

namespace {

// The element library's file, looked for in the library's own folder.
constexpr const char* ElementLibraryName = "ZelCoupling.tb";

// The resources module LoadResources keeps; it stays empty, and Done lets it go.
[[gnu::init_priority(loadorder::FacadeServices)]] tvapi::IResourcesModulePtr Resources;

// Folders the facade builds end with this separator, whatever the host's paths use.
constexpr TChar FolderSeparator = '/';
// Characters of the file-name prefix that the module name leaves out ("lib").
constexpr Integer ModulePrefixLength = 3;

// Folder as a folder: with one separator at its end. Empty stays empty.
TString AsFolder(const std::wstring& folder)
{
    TString result(folder);
    const TChar last = result.At(result.Length() - 1);
    if (!result.Empty() && last != '/' && last != '\\') result += FolderSeparator;
    return result;
}

// Splits R.PathFileName at its last separator ("\" or "/") and its last dot into the
// folder (with its separator), the file name and the module name.
void SplitLibraryPath(TRegistryApi& R)
{
    const TString& full = R.PathFileName;
    const Integer p1 = std::max(full.RFind('\\'), full.RFind('/'));
    const Integer p2 = full.RFind('.');
    R.FileName = full.SubStr(p1, p2 - p1 - 1);
    R.ModuleName = full.SubStr(p1 + ModulePrefixLength, p2 - p1 - 1 - ModulePrefixLength);
    R.Path = full.SubStr(0, p1);
}

// The state and work folders of the control model from the host's system folders. A folder
// the host does not give leaves its fields as they are: an empty folder would point at the
// root of the file system.
void SetSystemFolders(const tvapi::ISystemSettingsPtr& Settings, TControlModel& Model)
{
    const TString state = AsFolder(Settings->GetSystemPath(tvapi::tvConfigurations));
    if (!state.Empty()) {
        Model.StatePath = state;
        Model.StatePathName = state + Model.StateName;
    }
    const TString work = AsFolder(Settings->GetSystemPath(tvapi::tvTemporaryFiles));
    if (!work.Empty()) Model.Path = work;
}

// The library's entry in the host's register and its font; the user is told when the host
// does not know the library or gives it no font. Nothing while the host has no register.
void FindLibraryFont(tvapi::IApplication& App, TRegistryApi& R, const TString& iFontName)
{
    const tvapi::ILibraryManagerPtr manager = App.GetLibraryManager();
    if (!manager) return;
    const tvapi::IProceduresLibrariesPtr libraries = manager->GetProceduresLibraries();
    if (!libraries) return;
    R.Library = libraries->FindByFileName(Wide(R.PathFileName).c_str());
    R.LibFont = iFontName;
    if (!R.Library) {
        Messager.LiftBox(TString("Не подключена библиотека ") + R.FileName, TMessager::toAlways);
        return;
    }
    R.LibFont = R.Library->GetFontName();
    if (R.LibFont.Empty()) {
        R.LibFont = iFontName;
        Messager.LiftBox(TString(R.Library->GetMessageText()), TMessager::toAlways);
    }
}

// Gives back every host reference of `a`, in use or left past Count by a pop, and empties
// it; the storage stays.
template <class I> void ReleaseAll(TArrayOf<tvapi::Ptr<I>>& a)
{
    for (Integer i = 0; i < a.FSize; ++i)
        a.FArray[i].Reset();
    a.Clear();
}

// The modeller's open composite objects, groups, contour collectors and placements, as
// after loading.
void ClearModeller(TRegistryModeler2D& r2)
{
    ReleaseAll(r2.AGroup);
    r2.CurDrawingObject.Reset();
    r2.PrevDrawingObject.Reset();
    r2.APrevCommand.Clear();
    r2.AContour.Clear();
    r2.HatchContour->Clear();
    r2.ACutPoint.Clear();
    while (r2.Transf2D.AMtr.Count > 0)
        r2.Transf2D.drDeleteMtr();
}

// Every record, counted or not, drops its objects; the storage stays, First refers into it.
void ClearConstraints(TConstraint2D& c)
{
    for (Integer i = 0; i < c.FSize; ++i) {
        c.FArray[i].R1.Reset();
        c.FArray[i].R2.Reset();
    }
    c.Clear();
}

constexpr int InformationFlags = 0; // the host's final box argument for information boxes
constexpr int QuestionFlags = 1;    // and for questions and warnings

// Puts the remembered suppression mode back when the box is over, however it ends.
class TRestoreHideMessage {
public:
    TRestoreHideMessage(tvapi::IApplication& app, tvapi::tvHideMessageEnum mode) : FApp(app), FMode(mode) {}
    ~TRestoreHideMessage()
    {
        try {
            FApp.SetHideMessage(FMode);
        } catch (...) {
            // A destructor must not throw; the host keeps whatever mode it has.
        }
    }
    TRestoreHideMessage(const TRestoreHideMessage&) = delete;
    TRestoreHideMessage& operator=(const TRestoreHideMessage&) = delete;

private:
    tvapi::IApplication& FApp;
    tvapi::tvHideMessageEnum FMode;
};

tvapi::tvMessageButtonEnum ShownBox(tvapi::IApplication& app, const TString& text, const TString& caption,
                                    tvapi::tvMessageTypeEnum type, tvapi::tvMessageButtonSetEnum buttons,
                                    int flags)
{
    const tvapi::tvHideMessageEnum saved = app.GetHideMessage();
    app.SetHideMessage(tvapi::tvShowMessage);
    const TRestoreHideMessage restore(app, saved);
    const std::wstring wText = Wide(text);
    const std::wstring wCaption = Wide(caption);
    return app.ShowMessageBox(wText.c_str(), wCaption.c_str(), type, buttons, flags);
}

// The part Type_Part names in a 3D document of type t, or empty when it names none there;
// `chosen` tells whether Part is to be replaced by the result.
tvapi::IPartPtr ChoosePart(tvapi::ITervanDocument3D& doc, tvapi::DocumentTypeEnum t, Part_Type Type_Part,
                           tvapi::DocumentTypeEnum Type_Doc, bool& chosen)
{
    chosen = true;
    if (Type_Part == pEdit_Part) return tvapi::IPartPtr(doc.GetEditingObject());
    if (t == Type_Doc) return doc.GetTopPart();
    if (Type_Part == pTop_Part && Type_Doc == tvapi::tvDocumentPart && t == tvapi::tvDocumentAssembly)
        return doc.GetTopPart();
    chosen = false;
    return {};
}

} // namespace

// ---- Start-up and end in the host --------------------------------------------------------------

void TModelerApi::Init(tvapi::IApplication& app, TString const&, TString const& iFontName)
{
    TRegistryApi& r = *R3;
    r.Tervan7 = &app;
    if (const tvapi::IApplicationServicesPtr services = app.GetApplicationServices())
        r.PathFileName = services->GetModuleFileName(static_cast<tvapi::ResourceModule>(this));
    else
        r.PathFileName.Clear();
    SplitLibraryPath(r);
    if (LibraryControlModel) {
        LibraryControlModel->ExecutePath = r.Path;
        LibraryControlModel->HelpFile = r.Path + LibraryControlModel->HelpName;
    }
    app.GetVersion(&r.TervanIMajor, &r.TervanIMinor, &r.TervanIRelease, &r.TervanIBuild);
    r.IDoc = app.GetActiveDocument();
    r.SystemSettings = app.GetSystemSettings();
    r.TervanError = app.GetTervanError();
    Dictionary.Init(r.FileName, r.Path, r.Path);
    // The element library lies beside the library; it is read once per load. Without the
    // file the user hears of it only when a standard element is first asked for.
    ABaseDetail.Set(r.Path, ElementLibraryName);
    if (FileExists(ABaseDetail.Path + ABaseDetail.FileName)) ABaseDetail.Init();
    if (r.SystemSettings && LibraryControlModel) SetSystemFolders(r.SystemSettings, *LibraryControlModel);
    if (r.LibFont.Empty()) FindLibraryFont(app, r, iFontName);
}

void TModelerApi::LoadResources(tvapi::IApplication&) {}

void TModelerApi::Done()
{
    Selector->Selection7.Reset();
    Selector->Choose7.Reset();
    ClearConstraints(Constraint);
    ClearModeller(*R2);
    NewCut();
    Resources.Reset();
    LibraryControlModel = nullptr;
    // The inserted parts and the layout's 3D points hold host objects.
    for (TDetailPart& e : ADP)
        e.Part.Reset();
    ADP.Clear();
    for (TDimension3D& d : ADimension3D.APoint3D)
        d.Point.Reset();
    ADimension3D.APoint3D.Clear();
    auto fresh = std::make_unique<TRegistryApi>();
    R3.Free();
    R3.Ptr = fresh.release();
    R3.Owner = true;
}

// ---- Boxes, help, resource strings, progress ---------------------------------------------------

void TModelerApi::LiftBox(const TString& Text)
{
    if (R3->HoldBoxes) {
        R3->HeldBoxes.push_back(Text);
        return;
    }
    tvapi::IApplication* app = Application();
    if (!app) return;
    ShownBox(*app, Text, R3->FileName, tvapi::tvMessageInformation, tvapi::tvButtonSetOk, InformationFlags);
}

Boolean TModelerApi::QuestionBox(const TString& Text, const TString&)
{
    tvapi::IApplication* app = Application();
    if (!app) return false;
    return ShownBox(*app, Text, R3->FileName, tvapi::tvMessageQuestion, tvapi::tvButtonSetYesNo,
                    QuestionFlags) == tvapi::tvButtonYes;
}

void TModelerApi::WarningBox(const TString& Text, const TString&)
{
    tvapi::IApplication* app = Application();
    if (!app) return;
    const std::wstring wText = Wide(Text);
    const std::wstring wCaption = Wide(R3->FileName);
    app->ShowMessageBox(wText.c_str(), wCaption.c_str(), tvapi::tvMessageWarning, tvapi::tvButtonSetOk,
                        QuestionFlags);
}

void TModelerApi::OpenHelp(const TString&, int TypeHelp, int Id)
{
    if (R3->Library) R3->Library->ShowHelp(Id, TypeHelp);
}

std::wstring TModelerApi::LoadResourceString(tvapi::ResourceModule RM, int strId)
{
    const tvapi::IProceduresLibraryPtr& library = MA.R3->Library;
    if (!library) return {};
    const tvapi::ITervanDictionaryPtr dictionary = library->GetDictionary();
    if (!dictionary) return {};
    return dictionary->GetResourceString(RM, strId);
}

void TModelerApi::NextProgress(const TString& Message)
{
    if (TRunningProcess* panel = Messager.Process()) panel->NextProgress(Message);
}

void TModelerApi::UpdateProgress(const TString& Message)
{
    if (TRunningProcess* panel = Messager.Process()) panel->UpdateProgress(Message);
}

// ---- Part access (with TPartAccess) ------------------------------------------------------------

Boolean TModelerApi::IsActive(tvapi::DocumentTypeEnum DocumentType, tvapi::DocumentTypeEnum orDocumentType)
{
    tvapi::IApplication* app = Application();
    if (!app) return false;
    const tvapi::ITervanDocumentPtr doc = app->GetActiveDocument();
    if (!doc) return false;
    const tvapi::DocumentTypeEnum t = doc->GetDocumentType();
    return t == DocumentType || (orDocumentType != tvapi::tvDocumentUnknown && t == orDocumentType);
}

tvapi::IPartPtr TModelerApi::drGetPart(Part_Type Type_Part, tvapi::DocumentTypeEnum Type_Doc)
{
    tvapi::IApplication* app = Application();
    if (!app) return {};
    TRegistryApi& r = *R3;
    r.IDoc = app->GetActiveDocument();
    r.IDoc3D = r.IDoc;
    r.ITessellationMng = r.IDoc;
    r.ProgressBar = app->GetProgressBar();
    if (!r.IDoc || !r.IDoc3D) return {};
    const tvapi::DocumentTypeEnum t = r.IDoc->GetDocumentType();
    r.IDoc3D->IsInPlaceEditing(); // lets the host settle its editing state; the answer is not needed
    bool chosen = false;
    tvapi::IPartPtr part = ChoosePart(*r.IDoc3D, t, Type_Part, Type_Doc, chosen);
    tvapi::IPartPtr result;
    if (chosen) {
        r.Part = std::move(part);
        result = r.Part;
    }
    Selector->Begin();
    return result;
}

TPartReferences TModelerApi::drEndGetPart(bool Detach)
{
    TRegistryApi& r = *R3;
    if (Detach)
        return {std::move(r.Part), std::move(r.ProgressBar), std::move(r.IDoc),
                std::move(r.ITessellationMng)};
    if (!r.IDoc) return {};
    Selector->Selection7.Reset();
    Selector->Choose7.Reset();
    r.IDoc.Reset();
    r.ITessellationMng.Reset();
    r.Part.Reset();
    r.ProgressBar.Reset();
    return {};
}

TPartAccess::~TPartAccess()
{
    try {
        MA.drEndGetPart(false);
    } catch (...) {
        // Unwinding or not, a failing host release must not escape a destructor.
    }
}

} // namespace drApi
