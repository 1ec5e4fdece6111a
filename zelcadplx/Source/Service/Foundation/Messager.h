#pragma once
// TMessager: routes a message to the user - the running panel's status bar or a host
// message box - by its destination, and asks yes/no questions through the host. One
// instance, reached through the global Messager. Callers translate their texts with DC.

#include "DString.h"
#include "Dictionary.h"

namespace tvapi {
class IApplication;
}

// What the messenger needs of the host: its boxes, and the application through which DC
// translates. The facade lends one while it is loaded; without it boxes are dropped and
// texts stay untranslated.
class TMessageHost {
public:
    // An information box. May throw: the message is then lost, never the caller's operation.
    virtual void HostBox(const TString& M) = 0;
    // A yes/no box; true only for yes. May throw, which counts as no.
    virtual Boolean HostQuestion(const TString& Text) = 0;
    // The host application; null while the host is not reached.
    virtual tvapi::IApplication* HostApplication() const = 0;

protected:
    ~TMessageHost() = default;
};

// The lines of a status bar, each kept for its own delay in milliseconds.
class TStatusLines {
public:
    // Appends T as a new line.
    virtual void LiftBox(const TString& T, Integer Delay) = 0;
    // Replaces the first line by T.
    virtual void StatusBox(const TString& T, Integer Delay) = 0;

protected:
    ~TStatusLines() = default;
};

// What the messenger and the facade need of the panel that runs: its status bar and the
// progress of a long command. A panel lends itself while it runs.
class TRunningProcess {
public:
    virtual TStatusLines& StatusLines() = 0;
    // One step of the running progress, with its text; nothing while no progress runs.
    virtual void NextProgress(const TString& Message) = 0;
    // As NextProgress, keeping the current text.
    virtual void UpdateProgress(const TString& Message) = 0;

protected:
    ~TRunningProcess() = default;
};

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

    static constexpr TMessager& Instance() noexcept { return FInstance; }

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
    // Question false: false, nothing shown. Without a host: true. Otherwise the host's
    // yes/no box; true only for yes (a host that fails or throws counts as no).
    Boolean QuestionBox(const TString& Text, const Boolean Question) const;

    // The host lent by the facade; null takes it back.
    void SetHost(TMessageHost* Host) { FHost = Host; }
    TMessageHost* Host() const { return FHost; }
    // The panel that runs; null when none does.
    void SetProcess(TRunningProcess* Process) { FProcess = Process; }
    TRunningProcess* Process() const { return FProcess; }

private:
    static TMessager FInstance;
    TMessageHost* FHost = nullptr;
    TRunningProcess* FProcess = nullptr;

    constexpr TMessager() = default;
    ~TMessager() = default;
    TMessager(const TMessager&) = delete;
    TMessager& operator=(const TMessager&) = delete;
};

// The messenger, alive from load to unload.
extern TMessager& Messager;
