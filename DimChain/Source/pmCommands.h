#pragma once
// The dimension-chain command: DimensionChain() chooses by the active document what runs -
// the drawing panel, the assembly command or a message - and pmDimensionChain2D publishes
// the drawing panel while it runs.

#include "BaseTypes.h"

class TpmDimensionChain2D;

// The drawing panel now running; null when none runs.
extern TpmDimensionChain2D* pmDimensionChain2D;

// Runs the command once on the host's active document (or the document the facade still
// holds when the host reports none). True only when a drawing panel was made and run;
// false after a message, and after handing over to DimensionChain3D().
Boolean DimensionChain();

// The assembly command: true only when the assembly panel was made and run. Silent while a
// panel runs or without an active document; any other document than an assembly or a
// technology assembly gets a message.
Boolean DimensionChain3D();
