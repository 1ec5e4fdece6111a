#include "TextBase.h"

// Constant-initialised: ready before any other global of the library is built.
constinit TADTable ABaseDetail;

TString TADTable::Name(const TBaseDetail&) const
{
    // No element record is held until the library file is loaded, so no ID is found.
    return TString();
}
