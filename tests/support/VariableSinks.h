#pragma once
// Stand-ins for what program variables reach above the foundation: a running panel that
// records which variables it was asked to show, and a scope that starts and ends a test with
// an empty registry, no edits and no dependences.

#include "TDependence.h"
#include "TPointer.h"
#include "TRegistrator.h"

#include <vector>

namespace testsinks {

class TRecordingPanel final : public TVariablePanel {
public:
    TRecordingPanel() : FSaved(TVariablePanel::Running) { TVariablePanel::Running = this; }
    ~TRecordingPanel() { TVariablePanel::Running = FSaved; }
    TRecordingPanel(const TRecordingPanel&) = delete;
    TRecordingPanel& operator=(const TRecordingPanel&) = delete;

    void LetValue(void* Pointer) override { Let.push_back(Pointer); }
    void RefreshValue(void* Pointer) override { Refreshed.push_back(Pointer); }
    void RedrawPhantom() override { ++Redraws; }

    std::vector<void*> Let;       // variables set from a typed text, in order
    std::vector<void*> Refreshed; // variables changed by a dependence, in order
    int Redraws = 0;

private:
    TVariablePanel* FSaved;
};

// The global registry and dependences emptied on entry and on exit.
class TCleanVariables {
public:
    TCleanVariables() { Reset(); }
    ~TCleanVariables() { Reset(); }
    TCleanVariables(const TCleanVariables&) = delete;
    TCleanVariables& operator=(const TCleanVariables&) = delete;

private:
    static void Reset()
    {
        Registrator.Clear();
        Registrator.ClearEdit();
        Registrator.EditedStream.Free();
        Registrator.EditedStream.Size = 0;
        Dependences.Clear();
    }
};

} // namespace testsinks
