#pragma once
// The chains' host through the facade: what the panels, the command and the stored set hand to
// the chain model. The model itself never names it.

#include "ChainHost.h"

// The host through the facade and its selector, which exists while the library is loaded.
TChainHost& FacadeChainHost();
// Takes the active document's selection for the command about to run.
void BeginChainSelection();
