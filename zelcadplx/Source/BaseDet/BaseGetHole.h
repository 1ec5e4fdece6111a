#pragma once
// The hole that a fastener or pin of the base-detail library needs in the part it holds.

#include "BaseTypes.h"

class THoleData;

// True for the details that have a hole: 22, 23, 25, 26, 31, 32, 33, 34 and 35. For those and
// a hole kind (HD's configuration when called) of 3 (nominal size), 2 (clearance, 0.5 larger
// in radius) or 1 (clearance with a seat for the head), writes the hole's configuration and
// lengths into HD from the detail's sizes P (as the base-detail builder reads them), HD's DH
// and Depth. Nothing is written for empty P or HD, another kind, or details 23 and 25.
Boolean drBaseGetHole(int MakeId, const double* P, THoleData* HD);
