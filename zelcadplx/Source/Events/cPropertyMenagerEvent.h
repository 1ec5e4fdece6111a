#pragma once
// TBaseManager: the base of every property panel - the command's window over the model
// with its status bar. One panel runs at a time, reached through CurrentProcessManager.

#include "TPopUpEdit.h"

class TBaseManager {
public:
    // The panel now running, null when none: set by a panel's construction, emptied by
    // its destruction.
    static TBaseManager* CurrentProcessManager;

    TStatusBarOGL& StatusBar;  // the panel's status line; made and deleted by the panel

    TBaseManager();
    virtual ~TBaseManager();
    TBaseManager(const TBaseManager&) = delete;
    TBaseManager& operator=(const TBaseManager&) = delete;
};
