#pragma once
// GMP's memory for the test binary: size-class free lists per thread over one static arena, in
// place of malloc. The oracle makes and drops GMP numbers by the billion, and under
// AddressSanitizer every malloc costs a stack trace and a trip through quarantine.

#include <cstddef>

namespace gmp_memory {

// Whether a block handed out to GMP came from the arena (and not from the malloc fallback).
bool inArena(const void* block);
// Largest request served from the arena; bigger ones go to malloc.
constexpr std::size_t kLargestBlock = 2048;

} // namespace gmp_memory
