// The insert-model panel and its command: building, run start, picks, the direction radio and
// Enter.
#include "pmInsertModel.h"

#include "Dictionary.h"
#include "Messager.h"
#include "TFileName.h"
#include "drModelerAPI.h"
#include "tvapi/Application.h"
#include "tvapi/Measurement.h"

namespace {

constexpr int HelpInsertModel = 38;
constexpr int pbEnter = 1;
constexpr int pbEsc = 2;
constexpr int pbEndProcess = 32;     // the host's request to end the insertion
constexpr int RequestEndProcess = 1; // value of the command-bar request that ends it
constexpr int PathCharWidth = 7;     // width of the path field per character
// The construction axes: by two planes, two points, a cone's face, an edge, an operation.
constexpr int FirstAxisKind = tvapi::o3d_axis2Planes;
constexpr int LastAxisKind = tvapi::o3d_axis2Planes + 4;

void ShowMissingFile(const TString& Path)
{
    Messager.LiftBox(DC("Отсутствует файл") + TString(" : ") + Path, TMessager::toAlways);
}

bool IsAxial(const tvapi::IModelObjectPtr& Entity)
{
    const tvapi::IFaceShapePtr face(Entity);
    return face && (face->IsCylinder() || face->IsCone());
}

bool IsPlanar(const tvapi::IModelObjectPtr& Entity)
{
    const tvapi::IFacePtr face(Entity);
    const tvapi::IMathSurface3DPtr surface = face ? face->GetSurface() : tvapi::IMathSurface3DPtr();
    return surface && surface->IsPlanar();
}

tvapi::ITervanDocumentPtr ActiveDocument()
{
    tvapi::IApplication* app = drApi::MA.Application();
    return app ? app->GetActiveDocument() : tvapi::ITervanDocumentPtr();
}

} // namespace

TpmInsertModel::TpmInsertModel(const TString& DetNamePath, tvapi::IPartPtr& iEdit)
    : TBaseManager3D(DC("Вставить модель"), DC("Вставить модель"), pnEnterEscHelp, HelpInsertModel,
                     DC("Параметры")),
      NamePath(DetNamePath), Edit(iEdit)
{
    ActiveDoc = ActiveDocument();
    if (!ActiveDoc) {
        Messager.LiftBox(DC(" Нет активного Документа"), TMessager::toAlways);
        return;
    }
    tDoc = ActiveDoc->GetDocumentType();
    bDirect = AddRadioButton(DC("Направление "), DC(" "), 1, {{0, 8046, "Прямое"}, {0, 8047, "Обратное"}});
    eName = AddEditStr(DC(" Деталь"), DC("Вставляемая деталь"), DetNamePath,
                       PathCharWidth * static_cast<int>(DetNamePath.Length()));
    if (eName) eName->SetReadOnly(true);
    Active = true;
    Advise();
}

TpmInsertModel::~TpmInsertModel()
{
    Detail.Reset();
    Edit.Reset();
    ActiveDoc.Reset();
    SelPlane.Reset();
    SelAxes.Reset();
    SelPoint.Reset();
    Plane.Reset();
    Axes.Reset();
    MC.Reset();
    M2.Reset();
    M1.Reset();
    bPlace.Reset();
    tPlace.Reset();
    bDirect.Reset();
    eName.Reset();
}

void TpmInsertModel::UpdateRun()
{
    M1.Reset();
    M2.Reset();
    Direction = tvapi::tvMCAlignmentCooriented;
    SelAxes.Reset();
    SelPlane.Reset();
    SelPoint.Reset();
    [[maybe_unused]] const tvapi::IPartPtr top = drApi::MA.drGetPart(drApi::pTop_Part, tDoc);
    if (Edit) GetMateConstraint(Edit);
    GetMateConstraintBaseEntity(Phantom);
}

bool TpmInsertModel::ButtonUpdate(int, bool&, int&)
{
    if (!Activate) {
        SetStartMateConstraint();
        Activate = true;
    }
    return false;
}

bool TpmInsertModel::ECanSelect(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity) return false;
    const tvapi::tvObj3dTypeEnum t = Entity->GetObjectType();
    if (t >= FirstAxisKind && t <= LastAxisKind) return true;
    switch (t) {
    case tvapi::o3d_pointCS:
    case tvapi::o3d_vertex:
        return true;
    case tvapi::o3d_face:
        return IsPlanar(Entity) || IsAxial(Entity);
    default:
        return false;
    }
}

bool TpmInsertModel::ESelect(tvapi::IModelObjectPtr& Entity)
{
    if (!Entity) return true;
    MC = Process3D ? Process3D->GetMateConstraints() : tvapi::IMateConstraints3DPtr();
    const tvapi::tvObj3dTypeEnum t = Entity->GetObjectType();
    if (t == tvapi::o3d_vertex) {
        AddProcessMate(tvapi::mc_Coincidence, Axes, Entity, 0);
        SelPoint = Entity;
        SetMateObjects({}, {}, Entity);
    } else if (t == tvapi::o3d_face && IsPlanar(Entity)) {
        AddProcessMate(tvapi::mc_Coincidence, Plane, Entity, 1);
        SelPlane = Entity;
        SetMateObjects(Entity, {}, {});
    } else if (t == tvapi::o3d_face && IsAxial(Entity)) {
        AddProcessMate(tvapi::mc_Concentric, Axes, Entity, 1);
        SelAxes = Entity;
        SetMateObjects({}, Entity, {});
    } else {
        SetMateObjects({}, {}, {});
    }
    return true;
}

bool TpmInsertModel::ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID)
{
    if (!Control || !(Control == bDirect)) return true;
    if (!MC) return true;
    Direction = ButtonID == 1 ? tvapi::tvMCAlignmentCooriented : tvapi::tvMCAlignmentOpposite;
    return true;
}

bool TpmInsertModel::ButtonClick(int ButtonID)
{
    switch (ButtonID) {
    case pbEnter:
        Insert();
        return true;
    case pbEsc:
        return true;
    case pbEndProcess: {
        tvapi::IApplication* app = drApi::MA.Application();
        if (const tvapi::IProcessFactoryPtr factory =
                app ? tvapi::IProcessFactoryPtr(tvapi::IApplicationPtr(app)) : tvapi::IProcessFactoryPtr()) {
            tvapi::IAPIObjectPtr state(ActiveDoc);
            factory->UpdateCommandBars(RequestEndProcess, state);
        }
        ExitCode = 2;
        return true;
    }
    default:
        return false;
    }
}

// A component that cannot be made (the file gone meanwhile, or the host made none) is neither
// placed nor mated, and the assembly stays as it was.
void TpmInsertModel::Insert()
{
    tvapi::IPlacement3DPtr placement = Process3D ? Process3D->GetPlacement() : tvapi::IPlacement3DPtr();
    if (!FileExists(NamePath)) {
        ShowMissingFile(NamePath);
        return;
    }
    const tvapi::IPartPtr before = drApi::MA.GetPart();
    drApi::MA.drCreatePartFromFile(NamePath, true);
    const tvapi::IPartPtr made = drApi::MA.GetPart();
    if (!made || made == before) {
        Messager.LiftBox(DC("Не удалось вставить модель") + TString(" : ") + NamePath, TMessager::toAlways);
        return;
    }
    drApi::MA.drPartSetPlacement(placement);
    Detail = made;
    if (MakeMate) SetMateConstraint();
}

tvapi::IPartPtr cmInsertModel(const TString& DetNamePath, tvapi::IPartPtr& Edit,
                              void (*Preprocess)(TpmInsertModel&))
{
    tvapi::IPartPtr result;
    if (!drApi::MA.IsActive(tvapi::tvDocumentAssembly, tvapi::tvDocumentTechnologyAssembly)) {
        Messager.LiftBox(DC("Вставка возможна только в сборку"), TMessager::toAlways);
        return result;
    }
    if (!FileExists(DetNamePath)) {
        ShowMissingFile(DetNamePath);
        return result;
    }
    const tvapi::ITervanDocumentPtr doc = ActiveDocument();
    if (!doc) return result;
    [[maybe_unused]] const tvapi::IPartPtr made =
        drApi::MA.drGetPart(drApi::pNew_Part, doc->GetDocumentType());
    if (!drApi::MA.GetPart()) return result;
    TpmInsertModel panel(DetNamePath, Edit);
    if (Preprocess) Preprocess(panel);
    panel.SetPhantom(DetNamePath);
    panel.Run(true, false);
    if (panel.Detail) result = panel.Detail;
    return result;
}
