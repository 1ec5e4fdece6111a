// Tabs, separators, lists, grids, slide boxes, file-name and colour fields and buttons of a
// panel. None of them binds a variable.

#include <string>
#include <vector>

#include "cPropertyMenagerEvent.h"
#include "drModelerAPI.h"

namespace {

constexpr int ListWidth = 6;
constexpr int GridRowHeight = 20;
constexpr int AppendButton = -1; // position of a new button: after the others

// The library's own image source, or empty.
std::wstring LibraryImages()
{
    return drApi::MA.R3.Exist() ? Wide(drApi::MA.R3->LibFont) : std::wstring();
}

int Abs(int v)
{
    return v < 0 ? -v : v;
}

} // namespace

template <class I> tvapi::Ptr<I> TBaseManager::NewControl(tvapi::ControlTypeEnum type)
{
    if (!PropertyControls) return {};
    return tvapi::Ptr<I>(PropertyControls->Add(type));
}

// Explicit forms for the builders of the other source file.
template tvapi::IPropertyEditPtr TBaseManager::NewControl<tvapi::IPropertyEdit>(tvapi::ControlTypeEnum);
template tvapi::IPropertyCheckBoxPtr
    TBaseManager::NewControl<tvapi::IPropertyCheckBox>(tvapi::ControlTypeEnum);
template tvapi::IPropertySpinEditPtr
    TBaseManager::NewControl<tvapi::IPropertySpinEdit>(tvapi::ControlTypeEnum);
template tvapi::IPropertyPoint3DPtr TBaseManager::NewControl<tvapi::IPropertyPoint3D>(tvapi::ControlTypeEnum);
template tvapi::IPropertyEditListPtr
    TBaseManager::NewControl<tvapi::IPropertyEditList>(tvapi::ControlTypeEnum);

tvapi::IPropertyTabPtr TBaseManager::AddTab(const TString& Name, bool Visible)
{
    // Without a tab set there is no tab; the builders that follow then add nothing.
    if (!PropertyTabs) {
        PropertyTab.Reset();
        PropertyControls.Reset();
        return {};
    }
    PropertyTab = PropertyTabs->Add(Wide(Name).c_str());
    PropertyControls.Reset();
    if (!PropertyTab) return {};
    PropertyTab->SetVisible(Visible);
    PropertyTab->SetExpanded(false);
    PropertyControls = PropertyTab->GetControls();
    return PropertyTab;
}

tvapi::IPropertyTabPtr TBaseManager::Tab(int I)
{
    return PropertyTabs ? PropertyTabs->GetItem(I) : tvapi::IPropertyTabPtr();
}

tvapi::IPropertySeparatorPtr TBaseManager::AddSeparator(const wchar_t* pName, tvapi::SeparatorTypeEnum)
{
    auto c = NewControl<tvapi::IPropertySeparator>(tvapi::tvControlSeparator);
    if (c && pName) c->SetCaption(pName);
    return c;
}

tvapi::IPropertyFileNamePtr TBaseManager::AddFileNameStr(const TString& Name, const TString&, TString& Value)
{
    auto c = NewControl<tvapi::IPropertyFileName>(tvapi::tvControlFileName);
    if (!c) return c;
    c->SetFileName(Wide(Value).c_str());
    c->SetCaption(Wide(Name).c_str());
    return c;
}

tvapi::IPropertyColorPtr TBaseManager::AddControlColor(const TString& Name, const TString&)
{
    auto c = NewControl<tvapi::IPropertyColor>(tvapi::tvControlColor);
    if (c) c->SetCaption(Wide(Name).c_str());
    return c;
}

tvapi::IPropertyGridPtr TBaseManager::AddGrid(const TString& Name, const TString&, int Column, int Row,
                                              bool iReadOnly, int FColumn, int FRow)
{
    auto c = NewControl<tvapi::IPropertyGrid>(tvapi::tvControlGrid);
    if (!c) return c;
    c->SetColumnCount(Column);
    c->SetFixedColumnCount(FColumn);
    c->SetRowCount(Row);
    c->SetFixedRowCount(FRow);
    c->SetCaption(Wide(Name).c_str());
    c->SetReadOnly(iReadOnly);
    c->SetGridHeight(Row * GridRowHeight);
    return c;
}

tvapi::IPropertySlideBoxPtr TBaseManager::AddSlideBox(const TString& Name, const TString&,
                                                      tvapi::SlideTypeEnum, tvapi::IDrawingGroupPtr Object)
{
    auto c = NewControl<tvapi::IPropertySlideBox>(tvapi::tvControlSlideBox);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    c->SetDrawingGroup(Object);
    c->SetFitToWidth(false);
    return c;
}

tvapi::IPropertyListPtr TBaseManager::AddListInt(const TString& Name, const TString&, int Current,
                                                 const TArrayOf<int>& P)
{
    auto c = NewControl<tvapi::IPropertyList>(tvapi::tvControlListInt);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    if (P.Count > 0) c->SetIntItems(std::vector<int>(P.begin(), P.end()));
    c->SetCurrentIndex(Current);
    c->SetReadOnly(true);
    return c;
}

tvapi::IPropertyListPtr TBaseManager::AddListReal(const TString& Name, const TString&, int Current,
                                                  const TArrayOf<double>& P)
{
    auto c = NewControl<tvapi::IPropertyList>(tvapi::tvControlListReal);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    if (P.Count > 0) c->SetRealItems(std::vector<double>(P.begin(), P.end()));
    c->SetCurrentIndex(Current);
    c->SetReadOnly(true);
    return c;
}

tvapi::IPropertyListPtr TBaseManager::AddListStr(const TString& Name, const TString&,
                                                 const TArrayOf<TString>& AS)
{
    auto c = NewControl<tvapi::IPropertyList>(tvapi::tvControlListStr);
    if (!c) return c;
    c->SetCaption(Wide(Name).c_str());
    c->SetSorted(false);
    if (AS.Count == 0) {
        c->SetVisible(false);
        return c;
    }
    std::vector<std::wstring> items;
    for (const TString& s : AS)
        items.push_back(Wide(s));
    c->SetTextItems(items);
    c->SetCurrentIndex(AS.Current > 0 ? AS.Current : 0);
    c->SetReadOnly(true);
    c->SetWidth(ListWidth);
    return c;
}

bool TBaseManager::SetValue(tvapi::IPropertyListPtr List, const TString& Value)
{
    if (!List) return false;
    const int index = List->FindItem(Wide(DC(Value)).c_str());
    List->SetCurrentIndex(index == -1 ? 0 : index);
    return index != -1;
}

void TBaseManager::Reset(tvapi::IPropertyListPtr List, const TArrayOf<TString>& A, int Current,
                         const TString& Name)
{
    if (!List || A.Count == 0) return;
    if (Name.Length() > 0) List->SetCaption(Wide(DC(Name)).c_str());
    List->ClearItems();
    std::vector<std::wstring> items;
    for (const TString& s : A)
        items.push_back(Wide(s));
    List->SetTextItems(items);
    List->SetCurrentIndex(Current);
    List->SetVisible(true);
}

tvapi::IPropertyMultiButtonPtr TBaseManager::AddRadioButton(const TString& Name, const TString&, int Checked,
                                                            std::initializer_list<TButtonData> L)
{
    auto c = NewControl<tvapi::IPropertyMultiButton>(tvapi::tvControlMultiButton);
    if (!c) return c;
    c->SetCaption(Wide(DC(Name)).c_str());
    c->SetButtonType(tvapi::tvRadioButton);
    int n = 0;
    for (const TButtonData& b : L) {
        c->AddButtonItem(++n, b.Icon, AppendButton);
        c->SetButtonEnabled(n, true);
        c->SetButtonTip(n, Wide(DC(b.Tips)).c_str());
    }
    c->SetCheckedButton(Checked, true);
    return c;
}

tvapi::IPropertyMultiButtonPtr TBaseManager::AddPushButton(const TString& Name, int,
                                                           std::initializer_list<TButtonData> L)
{
    auto c = NewControl<tvapi::IPropertyMultiButton>(tvapi::tvControlMultiButton);
    if (!c) return c;
    c->SetCaption(Wide(DC(Name)).c_str());
    c->SetButtonType(tvapi::tvPushButton);
    c->SetEnabled(true);
    c->SetVisible(true);
    const std::wstring images = LibraryImages();
    int n = 0;
    for (const TButtonData& b : L) {
        c->AddButtonItem(++n, Abs(b.Icon), AppendButton);
        c->SetButtonEnabled(n, true);
        c->SetCheckedButton(n, false);
        c->SetButtonTip(n, Wide(DC(b.Tips)).c_str());
        if (!images.empty() && b.Icon < 0) c->SetButtonImageSource(n, images.c_str());
    }
    return c;
}

void TBaseManager::AddPushButtonTo(tvapi::IPropertyToolBarPtr ToolBar, int,
                                   std::initializer_list<TButtonData> L)
{
    if (!ToolBar || L.size() == 0) return;
    const std::wstring images = LibraryImages();
    int n = 0;
    for (const TButtonData& b : L) {
        ToolBar->AddButton(++n, Abs(b.Icon), AppendButton);
        ToolBar->SetButtonEnabled(n, true);
        ToolBar->SetButtonChecked(n, false);
        ToolBar->SetButtonTip(n, Wide(DC(b.Tips)).c_str());
        if (!images.empty() && b.Icon < 0) ToolBar->SetButtonImageSource(n, images.c_str());
    }
}

void TBaseManager::AddButtonTo(tvapi::IPropertyControlPtr TC, int IdButton, int IdBmp, const TString& Hint,
                               bool HyperLinkNameStyle)
{
    if (!TC) return;
    const std::wstring source = IdBmp < 0 ? LibraryImages() : std::wstring();
    TC->AddButton(IdButton, Abs(IdBmp), Wide(Hint).c_str(), source.c_str());
    TC->SetHyperLinkNameStyle(HyperLinkNameStyle);
}

void TBaseManager::AddCheckButtonTo(tvapi::IPropertyControlPtr TC, int IdButton, int IdBmpChecked,
                                    int IdBmpUnChecked, const TString& Hint, bool HyperLinkNameStyle)
{
    if (!TC) return;
    const std::wstring source = IdBmpChecked < 0 ? LibraryImages() : std::wstring();
    TC->AddCheckButton(Abs(IdButton), IdBmpChecked, IdBmpUnChecked, Wide(Hint).c_str(), source.c_str());
    TC->SetHyperLinkNameStyle(HyperLinkNameStyle);
    TC->SetButtonChecked(Abs(IdButton), IdButton > 0);
}
