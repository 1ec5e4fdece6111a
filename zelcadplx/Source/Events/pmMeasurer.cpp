// The measure panel and its command.
#include "pmMeasurer.h"

#include "Dictionary.h"
#include "drModelerAPI.h"
#include "drSelectorAPI.h"
#include "tvapi/Topology.h"

namespace {

constexpr int HelpMeasurer = 38;
constexpr int pbEnter = 1;
constexpr int pbEsc = 2;
constexpr int ThreadDecimals = 2;
constexpr int ThreadWidth = 7;

void UnChooseAll()
{
    if (drApi::Selector && drApi::Selector->Choose7) drApi::Selector->Choose7->UnChooseAll();
}

void Choose(const tvapi::IModelObjectPtr& Object)
{
    if (drApi::Selector) drApi::Selector->Choose(tvapi::ITervanAPIObjectPtr(Object));
}

// An edge whose curve is a circle, whole or a piece.
bool IsCircularEdge(const tvapi::IEdgePtr& Edge)
{
    const tvapi::IMathCurve3DPtr curve = Edge ? Edge->GetCurve3D() : tvapi::IMathCurve3DPtr();
    return curve && (curve->IsCircle() || curve->IsArc());
}

// A face that turns about an axis.
bool IsCircularFace(const tvapi::IFaceShapePtr& Face)
{
    return Face && (Face->IsCylinder() || Face->IsCone());
}

// The first measurement of List, or a new one when it has none; empty without a list.
template <class TList> auto FirstOrNew(const TList& List) -> decltype(List->Add())
{
    if (!List) return {};
    auto m = List->GetItem(0);
    return m ? m : List->Add();
}

bool IsPlanarFace(const tvapi::IFacePtr& Face)
{
    const tvapi::IMathSurface3DPtr surface = Face ? Face->GetSurface() : tvapi::IMathSurface3DPtr();
    return surface && surface->IsPlanar();
}

} // namespace

TpmMeasurer::TpmMeasurer(int typeMeasurer)
    : TBaseManager3D(DC("Измерить"), DC("Укажите объект"), pnEnterEscHelp, HelpMeasurer, DC("Параметры"))
{
    if (drApi::MA.R3.Exist()) Measurer = tvapi::IMeasurementContainerPtr(drApi::MA.GetPart());
    RBtyp = AddRadioButton(DC("Тип измерения"), DC(" "), 1,
                           {{0, 8041, "Длина"},
                            {0, 8042, "Растояние"},
                            {0, 8043, "Диаметер"},
                            {0, 8044, "Угол"},
                            {0, 8045, "Резьба"}});
    EVal = AddEditStr(DC(""), DC("Результат измерений"), "", 0);
    typMeasurer = typeMeasurer;
    Advise();
}

TpmMeasurer::~TpmMeasurer()
{
    cSelect2.Reset();
    cSelect.Reset();
    Measurer.Reset();
    aFace.Reset();
    aEdge.Reset();
    EVal.Reset();
    RBtyp.Reset();
}

bool TpmMeasurer::ButtonClick(int ButtonID)
{
    switch (ButtonID) {
    case pbEsc:
        if (EVal) EVal->SetText(L" ");
        return true;
    case pbEnter:
        return true;
    default:
        return false;
    }
}

bool TpmMeasurer::ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID)
{
    if (Control && Control == RBtyp) {
        typMeasurer = ButtonID;
        cSelect.Reset();
        UnChooseAll();
    }
    return true;
}

bool TpmMeasurer::ECanSelect(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity || typMeasurer < tmLength || typMeasurer > tmThread) return false;
    const tvapi::tvObj3dTypeEnum t = Entity->GetObjectType();
    switch (typMeasurer) {
    case tmLength:
        return t == tvapi::o3d_edge;
    case tmDistance:
        return t == tvapi::o3d_face || t == tvapi::o3d_edge || t == tvapi::o3d_vertex;
    case tmDiameter:
        if (t == tvapi::o3d_edge) return IsCircularEdge(tvapi::IEdgePtr(Entity));
        if (t == tvapi::o3d_face) return IsCircularFace(tvapi::IFaceShapePtr(Entity));
        return false;
    case tmAngle:
        if (t == tvapi::o3d_edge) {
            const tvapi::IEdgePtr edge(Entity);
            return edge && edge->IsStraight();
        }
        return t == tvapi::o3d_face && IsPlanarFace(tvapi::IFacePtr(Entity));
    default:
        return t == tvapi::o3d_thread;
    }
}

bool TpmMeasurer::ESelect(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity) return false;
    cSelect2 = cSelect;
    cSelect = Entity;
    const tvapi::tvObj3dTypeEnum t = Entity->GetObjectType();
    UnChooseAll();
    switch (typMeasurer) {
    case tmLength:
        Choose(Entity);
        if (const tvapi::IEdgePtr edge{Entity}; edge && EVal) EVal->SetRealValue(edge->GetLength(1));
        break;
    case tmDistance:
        MeasureDistance(Entity);
        break;
    case tmDiameter:
        MeasureDiameter(Entity, t);
        break;
    case tmAngle:
        MeasureAngle(Entity);
        break;
    case tmThread:
        MeasureThread(Entity);
        break;
    default:
        break;
    }
    return false;
}

void TpmMeasurer::MeasureDistance(const tvapi::IModelObjectPtr& Entity)
{
    Choose(Entity);
    Choose(cSelect2);
    const tvapi::IDistanceMeasurementPtr m =
        FirstOrNew(Measurer ? Measurer->GetDistanceMeasurements() : tvapi::IDistanceMeasurementsPtr());
    if (!m) return;
    m->SetObjects({Entity});
    if (EVal) EVal->SetRealValue(m->GetValue());
}

void TpmMeasurer::MeasureDiameter(const tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum t)
{
    Choose(Entity);
    if (!EVal) return;
    if (t == tvapi::o3d_edge) {
        const tvapi::IEdgePtr edge(Entity);
        const tvapi::IMathCurve3DShapePtr curve(edge ? edge->GetCurve3D() : tvapi::IMathCurve3DPtr());
        if (curve && curve->GetCurveType() == tvapi::tvArc3D) EVal->SetRealValue(2 * curve->GetRadius());
    } else if (t == tvapi::o3d_face) {
        const tvapi::IFaceShapePtr face(Entity);
        if (IsCircularFace(face)) EVal->SetRealValue(2 * face->GetRadius());
    }
}

void TpmMeasurer::MeasureAngle(const tvapi::IModelObjectPtr& Entity)
{
    Choose(Entity);
    Choose(cSelect2);
    const tvapi::IAngleMeasurementPtr m =
        FirstOrNew(Measurer ? Measurer->GetAngleMeasurements() : tvapi::IAngleMeasurementsPtr());
    if (!m) return;
    m->SetObject1(Entity);
    m->SetObject2(cSelect2);
    if (EVal) EVal->SetRealValue(m->GetValue());
}

void TpmMeasurer::MeasureThread(const tvapi::IModelObjectPtr& Entity)
{
    const tvapi::IThreadPtr thread(Entity);
    const tvapi::IThreadsParametersPtr params(thread);
    if (!thread || !params || !EVal) return;
    const TString text = TString("M") +
                         TString(params->GetNominalDiameter(), ThreadDecimals, true, ThreadWidth) + "*" +
                         TString(thread->GetPitch(), ThreadDecimals, true, ThreadWidth);
    EVal->SetText(Wide(text).c_str());
}

TString cmMeasurer(int typeMeasurer)
{
    TString result;
    const bool hasPart =
        static_cast<bool>(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentAssembly)) ||
        static_cast<bool>(drApi::MA.drGetPart(drApi::pTop_Part, tvapi::tvDocumentPart));
    if (!hasPart) return result;
    TpmMeasurer panel(typeMeasurer);
    panel.Run(true, false);
    if (panel.EVal) result = TString(panel.EVal->GetText());
    return result;
}
