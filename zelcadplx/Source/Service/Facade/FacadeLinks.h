#pragma once
// FacadeLinks: the few facade and element-library operations that the control model and the
// title-block parameters call, reached through one table of functions so that those modules
// do not depend on the facade's host code. An empty entry answers as a facade without a host
// would: a model file weighs 0.0, no element library is loaded, the title block gets nothing.

#include "BaseTypes.h"
#include "DString.h"
#include "TBaseDetail.h"

struct TFacadeLinks {
    // The mass of the model stored in the file FName; 0.0 when it cannot be read.
    Real (*GetMassFile)(const TString& FName) = nullptr;
    // Selects cell N (a host title-block cell number) of the open title block.
    void (*drColumnShtamp)(Integer N) = nullptr;
    // Writes S into the selected title-block cell.
    void (*drStringObj)(const TString& S) = nullptr;
    // True while an element library is loaded and active.
    Boolean (*ElementsActive)() = nullptr;
    // The display name of the standard element DC; empty when the library lacks it.
    TString (*ElementName)(const TBaseDetail& DC) = nullptr;
};

// Installed by the facade and the element library when the library is loaded.
extern TFacadeLinks FacadeLinks;

// The same operations with the empty-entry answers applied.
Real LinkedMassFile(const TString& FName);
void LinkedColumnShtamp(Integer N);
void LinkedStringObj(const TString& S);
Boolean LinkedElementsActive();
TString LinkedElementName(const TBaseDetail& DC);
