#pragma once
// The insert-model panel: a model file shown as the phantom of a 3D process is placed in the
// active assembly by picks of assembly vertices and faces, each mating the model's mate axis
// or mate plane; Enter makes it a component at the phantom's placement, mated the same way.
// cmInsertModel runs it modally and gives back the new component.

#include "cPropertyMenagerEvent.h"
#include "tvapi/Assembly.h"

class TpmInsertModel : public TBaseManager3D {
public:
    tvapi::IPropertyEditPtr eName;          // the model file's path, read-only
    tvapi::IPropertyMultiButtonPtr bDirect; // "Направление "
    tvapi::IPropertyTabPtr tPlace;
    tvapi::IPropertyMultiButtonPtr bPlace;
    Integer iDetailIndex = 0;
    Integer iResultIndex = 0;
    Str NamePath;
    tvapi::IMateConstraint3DPtr M1, M2;
    tvapi::IMateConstraints3DPtr MC; // of the running process
    tvapi::tvMateConstraintAlignmentEnum Direction = tvapi::tvMCAlignmentCooriented;
    tvapi::IModelObjectPtr Axes;     // the model's mate axis
    tvapi::IModelObjectPtr Plane;    // the model's mate plane
    tvapi::IModelObjectPtr SelPoint; // assembly vertex the axis passes through
    tvapi::IModelObjectPtr SelAxes;  // assembly face the axis is concentric with
    tvapi::IModelObjectPtr SelPlane; // assembly face the plane lies on
    tvapi::ITervanDocumentPtr ActiveDoc;
    tvapi::DocumentTypeEnum tDoc = tvapi::tvDocumentUnknown;
    tvapi::IPartPtr Edit;   // template part whose mates the phantom copies; may be empty
    tvapi::IPartPtr Detail; // the component Enter made
    Boolean Activate = false;
    Boolean MakeMate = true;

    TpmInsertModel(const TString& DetNamePath, tvapi::IPartPtr& iEdit);
    ~TpmInsertModel() override;

    // Run start: forgets picks and mates, reads the template part's mates, then finds the
    // mate entities on the phantom.
    void UpdateRun() override;
    // Enter inserts, places and mates the component; 32 asks the host to end; Esc nothing.
    bool ButtonClick(int ButtonID) override;
    // The direction radio sets the alignment of later mates once the process has its mates.
    bool ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID) override;
    // The first call makes the starting mates; never changes the button; false.
    bool ButtonUpdate(int buttonId, bool& enable, int& checked) override;
    // Coordinate-system points, vertices, axes, and planar or axial faces.
    bool ECanSelect(tvapi::IModelObjectPtr& Entity) override;
    // A vertex, planar face or axial face mates the phantom to it; true.
    bool ESelect(tvapi::IModelObjectPtr& Entity) override;

    // ---- mates of the inserted model (pmInsertModelMates.cpp) ----
    // Axes: "MateAxes", else "Ось базирования 1", else the default Z axis; Plane: "MatePlane",
    // else the default XZ plane after "Ось базирования 1" and the default XY plane otherwise.
    // Nothing for an empty part.
    void GetMateConstraintBaseEntity(tvapi::IPartPtr& Part);
    // SelPlane, SelPoint and SelAxes from the mates of the template part's document.
    void GetMateConstraint(tvapi::IPartPtr& Part);
    // The process mates of SelPlane and SelAxes; true.
    Boolean SetStartMateConstraint();
    // The assembly mates of the new component (the facade's current part).
    void SetMateConstraint();

private:
    // A process mate of kind MT between the model entity O1 and the assembly entity O2.
    void AddProcessMate(tvapi::MateConstraintType MT, const tvapi::IModelObjectPtr& O1,
                        const tvapi::IModelObjectPtr& O2, Integer Fixed);
    // Hands the process the mated objects: plane, axis, point.
    void SetMateObjects(const tvapi::IModelObjectPtr& plane, const tvapi::IModelObjectPtr& axis,
                        const tvapi::IModelObjectPtr& point);
    void Insert();
};

// Inserts the model file DetNamePath into the active assembly through the panel; Edit, when
// set, is the part whose mates the model takes over; Preprocess, when given, adjusts the
// built panel before its run. The new component, or empty when nothing was inserted.
tvapi::IPartPtr cmInsertModel(const TString& DetNamePath, tvapi::IPartPtr& Edit,
                              void (*Preprocess)(TpmInsertModel&));
