#pragma once
// The material table: the fixed set of materials the standard components are made of. A
// detail carries the index of its row; the title block shows the row's name and the part
// gets the name, the key in the host's material library and the density.

#include "BaseTypes.h"
#include "DString.h"
#include "TArray.h"

class TMaterial {
public:
    static constexpr Integer NameLength = 31;     // names are padded with blanks to this
    static constexpr Integer LocationLength = 42; // "Material:V" and 32 hex digits, or blanks

    Str Name;           // designation as the title block shows it, 31 characters
    Str Location;       // key in the host's material library, or 42 blanks
    Real Density = 0.0; // kg/m3, handed to the host with the material

    TMaterial() = default;
    // Name and Location are UTF-8 texts, padded here to their fixed lengths.
    TMaterial(const char* iName, const char* iLocation, Real iDensity);
};

// The rows in material-number order; built at load, never changed afterwards.
extern TArrayOf<TMaterial> AMaterial;

// Row i of AMaterial, or null for an index outside the table.
const TMaterial* MaterialRow(Integer i);
