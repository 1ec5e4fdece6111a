#include "HostTessellation.h"

#include <utility>

#include "HostArgs.h"
#include "HostText.h"

namespace tvhost {

namespace {

std::string Size(std::size_t n)
{
    return std::to_string(n);
}

std::string Number(double v)
{
    return std::to_string(v);
}

} // namespace

// ---- tessellation object ----------------------------------------------------------------------

int THostTessellationObject::GetId()
{
    if (!Enter("IExternalTessellationObject::GetId")) return 0;
    return State.ObjectId;
}

tvapi::TervanAPIObjectTypeEnum THostTessellationObject::GetTervanAPIObjectType()
{
    if (!Enter("IExternalTessellationObject::GetTervanAPIObjectType")) return tvapi::tvObjectUnknown;
    return tvapi::tvObjectExternalTessellation;
}

void THostTessellationObject::SetVisible(bool visible)
{
    if (Enter("IExternalTessellationObject::SetVisible", {BoolArg(visible)})) State.Visible = visible;
}

void THostTessellationObject::SetTriangles(const std::vector<float>& points, const std::vector<int>& indices,
                                           const std::vector<float>& normals,
                                           const std::vector<unsigned>& colors)
{
    if (!Enter("IExternalTessellationObject::SetTriangles",
               {Size(points.size()), Size(indices.size()), Size(normals.size()), Size(colors.size())}))
        return;
    Points = points;
    Triangles = indices;
    Normals = normals;
    Colors = colors;
}

void THostTessellationObject::SetLines(const std::vector<float>& points, const std::vector<int>& indices,
                                       const std::vector<unsigned>& colors)
{
    if (!Enter("IExternalTessellationObject::SetLines",
               {Size(points.size()), Size(indices.size()), Size(colors.size())}))
        return;
    LinePoints = points;
    Lines = indices;
    LineColors = colors;
}

void THostTessellationObject::SetLineAttributes(const std::vector<int>& attributes)
{
    if (Enter("IExternalTessellationObject::SetLineAttributes", {Size(attributes.size())}))
        LineAttributes = attributes;
}

void THostTessellationObject::SetMaterial(int color, double ambient, double diffuse, double specularity,
                                          double shininess, double transparency, double emission)
{
    if (!Enter("IExternalTessellationObject::SetMaterial",
               {std::to_string(color), Number(ambient), Number(diffuse), Number(specularity),
                Number(shininess), Number(transparency), Number(emission)}))
        return;
    Material = {color, ambient, diffuse, specularity, shininess, transparency, emission};
}

void THostTessellationObject::SetLighting(int mode, int option)
{
    if (!Enter("IExternalTessellationObject::SetLighting", {std::to_string(mode), std::to_string(option)}))
        return;
    LightingMode = mode;
    LightingOption = option;
}

void THostTessellationObject::SetMatrix(const std::vector<double>& matrix)
{
    if (Enter("IExternalTessellationObject::SetMatrix", {Size(matrix.size())})) Matrix = matrix;
}

void THostTessellationObject::SetNonScalableFaces(bool on)
{
    if (Enter("IExternalTessellationObject::SetNonScalableFaces", {BoolArg(on)})) NonScalableFaces = on;
}

void THostTessellationObject::SetNonScalableLines(bool on)
{
    if (Enter("IExternalTessellationObject::SetNonScalableLines", {BoolArg(on)})) NonScalableLines = on;
}

void THostTessellationObject::SetNonScalableWidth(bool on)
{
    if (Enter("IExternalTessellationObject::SetNonScalableWidth", {BoolArg(on)})) NonScalableWidth = on;
}

void THostTessellationObject::SetDisableDepthTest(bool on)
{
    if (Enter("IExternalTessellationObject::SetDisableDepthTest", {BoolArg(on)})) DisableDepthTest = on;
}

void THostTessellationObject::SetNonPickable(bool on)
{
    if (Enter("IExternalTessellationObject::SetNonPickable", {BoolArg(on)})) NonPickable = on;
}

bool THostTessellationObject::Refresh()
{
    if (!Enter("IExternalTessellationObject::Refresh")) return false;
    ++Refreshes;
    return State.Visible && !State.Deleted;
}

// ---- text object ------------------------------------------------------------------------------

int THostTextObject::GetId()
{
    if (!Enter("IExternalTextObject::GetId")) return 0;
    return State.ObjectId;
}

void THostTextObject::SetVisible(bool visible)
{
    if (Enter("IExternalTextObject::SetVisible", {BoolArg(visible)})) State.Visible = visible;
}

void THostTextObject::SetText(const std::vector<std::wstring>& lines, const std::vector<double>& position,
                              const std::vector<tvapi::ITextFontPtr>& fonts, int mode)
{
    std::string text;
    for (const std::wstring& line : lines)
        text += (text.empty() ? "" : "\n") + ToUtf8(line);
    if (!Enter("IExternalTextObject::SetText",
               {text, Size(position.size()), Size(fonts.size()), std::to_string(mode)}))
        return;
    Lines = lines;
    Position = position;
    Fonts = fonts.size();
    Mode = mode;
}

void THostTextObject::SetHorizontalAlignment(int alignment)
{
    if (Enter("IExternalTextObject::SetHorizontalAlignment", {std::to_string(alignment)}))
        HorizontalAlignment = alignment;
}

void THostTextObject::SetVerticalAlignment(int alignment)
{
    if (Enter("IExternalTextObject::SetVerticalAlignment", {std::to_string(alignment)}))
        VerticalAlignment = alignment;
}

void THostTextObject::SetFrameStyle(int style)
{
    if (Enter("IExternalTextObject::SetFrameStyle", {std::to_string(style)})) FrameStyle = style;
}

// ---- the manager's state ----------------------------------------------------------------------

tvapi::IExternalTessellationObjectPtr TTessellationStore::CreateTessellationObject()
{
    if (!EnterOperation("IExternalTessellationManager::CreateTessellationObject")) return {};
    const int id = FNextId++;
    auto object = New<THostTessellationObject>(id);
    FObjects[id].Mesh = object;
    return tvapi::IExternalTessellationObjectPtr(object);
}

tvapi::IExternalTextObjectPtr TTessellationStore::CreateTextObject()
{
    if (!EnterOperation("IExternalTessellationManager::CreateTextObject")) return {};
    const int id = FNextId++;
    auto object = New<THostTextObject>(id);
    FObjects[id].Text = object;
    return tvapi::IExternalTextObjectPtr(object);
}

bool TTessellationStore::DeleteObjects(const std::vector<int>& ids)
{
    std::string list;
    for (const int id : ids)
        list += (list.empty() ? "" : ", ") + std::to_string(id);
    if (!EnterOperation("IExternalTessellationManager::DeleteObjects", {"[" + list + "]"})) return false;
    for (const int id : ids) {
        const auto it = FObjects.find(id);
        if (it == FObjects.end()) continue;
        if (it->second.Mesh) it->second.Mesh->State.Deleted = true;
        if (it->second.Text) it->second.Text->State.Deleted = true;
        FObjects.erase(it);
    }
    return true;
}

THostTessellationObject* TTessellationStore::Mesh(int id) const
{
    const auto it = FObjects.find(id);
    return it == FObjects.end() ? nullptr : it->second.Mesh.Get();
}

THostTextObject* TTessellationStore::Text(int id) const
{
    const auto it = FObjects.find(id);
    return it == FObjects.end() ? nullptr : it->second.Text.Get();
}

} // namespace tvhost
