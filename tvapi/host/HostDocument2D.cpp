// The 2D operations of stand-in drawings and fragments, and saving a document.
#include "HostDocuments.h"

#include "HostProcess.h"
#include "HostSearch2D.h"

namespace tvhost {

tvapi::IViewsAndLayersManagerPtr THostDocument2D::GetViewsAndLayersManager()
{
    if (!Enter("ITervanDocument2D::GetViewsAndLayersManager")) return {};
    return MakeViewsAndLayersManager(FDrawing,
                                     tvapi::IAPIObjectPtr(static_cast<tvapi::ITervanDocument2D*>(this)));
}

tvapi::IDrawingGroupsPtr THostDocument2D::GetDrawingGroups()
{
    if (!Enter("ITervanDocument2D::GetDrawingGroups")) return {};
    return MakeDrawingGroups(FDrawing, tvapi::IAPIObjectPtr(static_cast<tvapi::ITervanDocument2D*>(this)));
}

tvapi::Ptr<tvapi::IProcess2D> THostDocument2D::CreateProcess2D(tvapi::tvProcess2DTypeEnum type)
{
    if (!Enter("ITervanDocument2D::CreateProcess2D", {std::to_string(type)})) return {};
    return tvapi::IProcess2DPtr(New<THostProcess2D>(tvapi::IProcessParamPtr(), type));
}

namespace {

// Reach of a pick in sheet millimetres, about what a cursor box covers.
constexpr double SearchTolerance = 1.0;

// What a document's object search is told; it holds nothing the stand-in reads.
class THostFindParameters final : public THostObjectOf<tvapi::ITervanAPIObject> {};

} // namespace

tvapi::ITervanAPIObjectPtr THostDocument2D::GetFindObjectParameters()
{
    if (!Enter("ITervanDocument2D::GetFindObjectParameters")) return {};
    if (!FFindParameters) FFindParameters = tvapi::ITervanAPIObjectPtr(New<THostFindParameters>());
    return FFindParameters;
}

double THostDocument2D::GetSearchTolerance()
{
    return Enter("ITervanDocument2D::GetSearchTolerance") ? SearchTolerance : 0.0;
}

tvapi::IDrawingObjectPtr THostDocument2D::FindObject(double x, double y, double tolerance,
                                                     tvapi::ITervanAPIObjectPtr)
{
    if (!Enter("ITervanDocument2D::FindObject", {NumberArg(x), NumberArg(y), NumberArg(tolerance)}))
        return {};
    TDrawingCore* found = FindAt(FDrawing, {x, y}, tolerance);
    return found ? tvapi::IDrawingObjectPtr(found->DrawingObject()) : tvapi::IDrawingObjectPtr();
}

tvapi::IDrawingGroupPtr THostDocument2D::GetOpenGroup()
{
    if (!Enter("ITervanDocument2D::GetOpenGroup")) return {};
    return tvapi::IDrawingGroupPtr(FDrawing.OpenGroup());
}

bool THostDocument2D::PushLocalPlacement(double x, double y, double angle, double scaleX, double scaleY)
{
    if (!Enter("ITervanDocument2D::PushLocalPlacement",
               {NumberArg(x), NumberArg(y), NumberArg(angle), NumberArg(scaleX), NumberArg(scaleY)}))
        return false;
    FDrawing.PushPlacement({x, y, angle, scaleX, scaleY});
    return true;
}

bool THostDocument2D::PopLocalPlacement()
{
    if (!Enter("ITervanDocument2D::PopLocalPlacement")) return false;
    return FDrawing.PopPlacement();
}

bool TDocumentCore::SaveTo(std::wstring_view fileName)
{
    FSaveError.clear();
    if (!IsOpen() || fileName.empty()) {
        FSaveError = IsOpen() ? "no file name" : "the document is closed";
        return false;
    }
    if (!WriteDocumentFile(*this, fileName, FSaveError)) return false;
    FFileName = std::wstring(fileName);
    return true;
}

} // namespace tvhost
