#pragma once
// Taking and freeing the pool's vertex slots, and the store's invariants.

#include "state/polyline_store.h"

#include <string>

namespace vrex {

// Hands out the lowest free slot (growing the high-water mark only when no
// lower slot is free). Returns false, and changes nothing, when all 55 are taken.
bool AllocatePoint(PolylineStore& store, Integer& slot);

// Frees a slot unless more than one vertex refers to it.
void ReleasePoint(PolylineStore& store, Integer slot);

// The store's six invariants; returns an empty string when they hold, else
// what is broken. Used by tests and the random event sequences.
std::string checkStoreInvariants(const PolylineStore& store);

} // namespace vrex
