#pragma once
// TMessager: routes a message to the user - the running panel's status bar or a host
// message box - by its destination, and asks yes/no questions through the host. One
// instance, reached through the global Messager. Callers translate their texts with DC.

#include "DString.h"
#include "Dictionary.h"

class TMessager {
public:
    // Destination of LiftBox; any other value behaves as toAlways.
    enum TOut : Integer {
        toProcess = 1, // the running panel's status bar only; dropped without a panel
        toApi = 2,     // a host message box only, even while a panel runs
        toAlways = 4,  // the status bar, or a host message box when no panel runs
    };

    static constexpr Integer LiftDelay = 12000;   // ms a LiftBox line stays in the status bar
    static constexpr Integer WarningDelay = 8000; // ms of DebugBox and WarningBox lines

    static TMessager& Instance();

    // The message goes where Out says; with no destination it is dropped silently. A host
    // that throws while showing a box loses the message, never the caller's operation.
    void LiftBox(const TString& M, const TOut Out) const;
    // LiftBox of the translation of M (DC).
    void DLiftBox(const TString& M, const TOut Out) const { LiftBox(DC(M), Out); }
    // A new status-bar line for WarningDelay ms, or a host box without a panel.
    void DebugBox(const TString& M) const;
    // The status bar's first line becomes M for WarningDelay ms, or a host box without a panel.
    void WarningBox(const TString& M) const;
    // The status bar's first line becomes Text for Delay ms; nothing without a panel.
    void StatusBox(const TString& Text, const Integer Delay);
    // A host box, never the status bar.
    void BreakLiftBox(const TString& M) const;
    // Question false: false, nothing shown. Without the host facade: true. Otherwise the host's
    // yes/no box; true only for yes (a host that fails or throws counts as no).
    Boolean QuestionBox(const TString& Text, const Boolean Question) const;

private:
    TMessager() = default;
    ~TMessager() = default;
    TMessager(const TMessager&) = delete;
    TMessager& operator=(const TMessager&) = delete;
};

// The messenger, alive from load to unload.
extern TMessager& Messager;
