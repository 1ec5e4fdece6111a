#pragma once
// TBaseManager: the base of every property panel - the command's window over the model
// with its status bar. One panel runs at a time, reached through CurrentProcessManager.

#include <memory>

#include "TPopUpEdit.h"

class TBaseManager : public TRunningProcess {
    std::unique_ptr<TStatusBarOGL> FStatusBar; // owns StatusBar; declared first so it is made first

public:
    // The panel now running, null when none: set by a panel's construction, emptied by
    // its destruction.
    static TBaseManager* CurrentProcessManager;

    static constexpr Integer DefaultProgressMax = 100;

    TStatusBarOGL& StatusBar; // the panel's status line, owned by the panel
    // Progress of a long command on the host's progress bar (the facade's ProgressBar, held
    // during part access); without that bar every progress operation does nothing.
    Boolean ProgressActive = false;
    Str ProgressMessage;        // the common text of the steps
    Str ProgressMessageCurrent; // the common text and the current step's text
    Integer ProgressMaxCount = DefaultProgressMax;
    Integer ProgressCount = 0;

    TBaseManager();
    virtual ~TBaseManager();
    TStatusLines& StatusLines() override { return StatusBar; }
    TBaseManager(const TBaseManager&) = delete;
    TBaseManager& operator=(const TBaseManager&) = delete;

    // Starts the host bar over 0..MaxCount with the common text CommonMessage.
    void StartProgress(const TString& CommonMessage, Integer MaxCount);
    // While progress runs: the current text becomes the common text, a blank and Message;
    // the count advances by one and goes to the host bar.
    void NextProgress(const TString& Message) override;
    // As NextProgress, but the current text is left as it is.
    void UpdateProgress(const TString& Message) override;
    // Stops the host bar; nothing while progress does not run.
    void StopProgress();
};
