// The panel base: registration as the running panel and its status line.

#include "cPropertyMenagerEvent.h"

namespace {

constexpr Integer StatusBarDX = 20;  // offset of the status line in the view, pixels
constexpr Integer StatusBarDY = 20;

} // namespace

TBaseManager* TBaseManager::CurrentProcessManager = nullptr;

TBaseManager::TBaseManager() : StatusBar(*new TStatusBarOGL(this, StatusBarDX, StatusBarDY))
{
    CurrentProcessManager = this;
}

TBaseManager::~TBaseManager()
{
    // A panel destroyed while another one runs leaves the running one registered.
    if (CurrentProcessManager == this)
        CurrentProcessManager = nullptr;
    delete &StatusBar;
}
