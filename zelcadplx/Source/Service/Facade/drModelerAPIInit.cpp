// ==== drApi::TModelerApi (drModelerAPI.h), part: start-up and end in the host ===================
// Start-up and end of the facade inside the host: the library's own file, its folders, the
// host's version, document, settings and error state, the dictionary and the library's font;
// every host reference given back at the end; and the bridges to the host's transfer service.

#include "drModelerAPI.h"

#include "LoadOrder.h"

#include <algorithm>
#include <memory>
#include <string>

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
#include "tvapi/TransferService.h"

namespace drApi {

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

} // namespace

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

tvapi::IAPIObjectPtr Transfer(tvapi::IAPIObjectPtr Obj, long, long)
{
    return Obj;
}

tvapi::IAPIObjectPtr Transfer(int Obj, int Doc)
{
    if (Obj == 0) return {};
    const tvapi::ITransferServicePtr service = GetTransferService();
    return service ? service->GetAPIObject(Obj, Doc) : tvapi::IAPIObjectPtr();
}

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

} // namespace drApi
