#include "model/polyline_store.h"

#include <array>

namespace vrex {

bool AllocatePoint(PolylineStore& store, Integer& slot)
{
    // Reuse the lowest free slot before growing the high-water mark.
    for (int s = 1; s <= store.CadPointHighWater; ++s) {
        if (!store.CadPoints[s].InUse) {
            store.CadPoints[s].InUse = true;
            slot = static_cast<Integer>(s);
            return true;
        }
    }
    if (store.CadPointHighWater >= MaxPoolPoints)
        return false;
    store.CadPointHighWater = addInteger(store.CadPointHighWater, 1);
    store.CadPoints[store.CadPointHighWater].InUse = true;
    slot = store.CadPointHighWater;
    return true;
}

void ReleasePoint(PolylineStore& store, Integer slot)
{
    // The line whose vertices are being released is still in the table and
    // counts as the one reference.
    int references = 0;
    for (int i = 1; i <= store.CadLineCount; ++i) {
        const CadLine& line = store.CadLines[i];
        for (int j = 1; j <= line.PointCount; ++j) {
            if (line.PointIds[j] == slot)
                ++references;
        }
    }
    if (references > 1)
        return;
    store.CadPoints[slot].InUse = false;
}

std::string checkStoreInvariants(const PolylineStore& store)
{
    const auto count = [](int n) { return std::to_string(n); };

    if (store.CadLineCount < 0 || store.CadLineCount > MaxLines)
        return "invariant 1: CadLineCount " + count(store.CadLineCount) + " outside 0..43";
    if (store.CadPointHighWater < 0 || store.CadPointHighWater > MaxPoolPoints)
        return "invariant 5: CadPointHighWater " + count(store.CadPointHighWater) + " outside 0..55";

    for (int i = 1; i <= store.CadLineCount; ++i) {
        const int n = store.CadLines[i].PointCount;
        if (n < 0 || n > MaxLinePoints)
            return "invariant 2: line " + count(i) + " has " + count(n) + " vertices";
    }

    std::array<int, MaxPoolPoints + 1> owners{};
    int vertices = 0;
    for (int i = 1; i <= store.CadLineCount; ++i) {
        const CadLine& line = store.CadLines[i];
        for (int j = 1; j <= line.PointCount; ++j) {
            const int slot = line.PointIds[j];
            const std::string where = "line " + count(i) + " vertex " + count(j);
            if (slot < 1 || slot > store.CadPointHighWater)
                return "invariant 3: " + where + " names slot " + count(slot) + " outside 1.." +
                       count(store.CadPointHighWater);
            if (!store.CadPoints[slot].InUse)
                return "invariant 3: " + where + " names free slot " + count(slot);
            if (++owners[static_cast<std::size_t>(slot)] > 1)
                return "invariant 4: slot " + count(slot) + " shared, again by " + where;
            ++vertices;
        }
    }

    for (int s = store.CadPointHighWater + 1; s <= MaxPoolPoints; ++s) {
        if (store.CadPoints[s].InUse)
            return "invariant 5: slot " + count(s) + " in use above the high-water mark " +
                   count(store.CadPointHighWater);
    }

    if (vertices > MaxPoolPoints)
        return "invariant 6: " + count(vertices) + " vertices in all";
    // Every taken slot is some vertex: a slot taken by no vertex is lost to the drawing.
    for (int s = 1; s <= store.CadPointHighWater; ++s) {
        if (store.CadPoints[s].InUse && owners[static_cast<std::size_t>(s)] == 0)
            return "invariant 6: slot " + count(s) + " taken but no vertex uses it";
    }
    return {};
}

} // namespace vrex
