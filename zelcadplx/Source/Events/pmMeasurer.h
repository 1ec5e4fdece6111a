#pragma once
// The measure panel: the user picks model objects of the active part or assembly and reads
// the length of an edge, a distance, a diameter, an angle or a thread's designation in the
// panel's result field. cmMeasurer runs it modally and gives back the field's text.

#include "cPropertyMenagerEvent.h"
#include "tvapi/Measurement.h"

class TpmMeasurer : public TBaseManager3D {
public:
    // Kinds of measurement, as the radio items are numbered.
    enum TKind : Integer { tmLength = 1, tmDistance = 2, tmDiameter = 3, tmAngle = 4, tmThread = 5 };

    tvapi::IPropertyMultiButtonPtr RBtyp; // "Тип измерения"
    tvapi::IPropertyEditPtr EVal;         // the result
    Integer typMeasurer = 0;
    tvapi::IEdgePtr aEdge;
    tvapi::IFacePtr aFace;
    tvapi::IMeasurementContainerPtr Measurer; // of the current part; may be empty
    tvapi::IModelObjectPtr cSelect;           // the latest pick
    tvapi::IModelObjectPtr cSelect2;          // the pick before it

    // The panel starts measuring by typeMeasurer whatever item the radio shows checked.
    explicit TpmMeasurer(int typeMeasurer);
    ~TpmMeasurer() override;

    // Esc (2) leaves " " as the result and Enter (1) the last one; both answer true, any
    // other button false.
    bool ButtonClick(int ButtonID) override;
    // The radio sets the kind, forgets the latest pick and unchooses all; true for any control.
    bool ControlCommand(tvapi::IPropertyControlPtr Control, int ButtonID) override;
    // Only objects the kind can measure.
    bool ECanSelect(tvapi::IModelObjectPtr& Entity) override;
    // Measures Entity (with the pick before it for distances and angles); always false.
    bool ESelect(tvapi::IModelObjectPtr& Entity) override;

private:
    void MeasureDistance(const tvapi::IModelObjectPtr& Entity);
    void MeasureDiameter(const tvapi::IModelObjectPtr& Entity, tvapi::tvObj3dTypeEnum t);
    void MeasureAngle(const tvapi::IModelObjectPtr& Entity);
    void MeasureThread(const tvapi::IModelObjectPtr& Entity);
};

// Runs the measure panel on the active assembly or part, starting with kind typeMeasurer;
// the result field's text when the panel closes, empty without such a document.
TString cmMeasurer(int typeMeasurer);
