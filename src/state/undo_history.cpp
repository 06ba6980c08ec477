#include "state/undo_history.h"

#include <utility>

namespace vrex {

DrawingSnapshot takeSnapshot(const PolylineStore& store)
{
    DrawingSnapshot s;
    s.lines.reserve(static_cast<std::size_t>(store.CadLineCount));
    for (int i = 1; i <= store.CadLineCount; ++i)
        s.lines.push_back(store.CadLines[i]);
    s.points.reserve(static_cast<std::size_t>(store.CadPointHighWater));
    for (int slot = 1; slot <= store.CadPointHighWater; ++slot)
        s.points.push_back(store.CadPoints[slot]);
    s.SelectedLine = store.SelectedLine;
    s.SelectedPoint = store.SelectedPoint;
    s.FoundLine = store.FoundLine;
    s.FoundPoint = store.FoundPoint;
    return s;
}

void restoreSnapshot(PolylineStore& store, const DrawingSnapshot& snapshot)
{
    const int lines = static_cast<int>(snapshot.lines.size());
    const int highWater = static_cast<int>(snapshot.points.size());
    for (int i = 1; i <= lines; ++i)
        store.CadLines[i] = snapshot.lines[static_cast<std::size_t>(i - 1)];
    store.CadLineCount = checkedInteger(lines);
    for (int slot = 1; slot <= highWater; ++slot)
        store.CadPoints[slot] = snapshot.points[static_cast<std::size_t>(slot - 1)];
    // Slots above the snapshot's high-water mark had never been handed out then.
    for (int slot = highWater + 1; slot <= MaxPoolPoints; ++slot)
        store.CadPoints[slot].InUse = false;
    store.CadPointHighWater = checkedInteger(highWater);
    store.SelectedLine = snapshot.SelectedLine;
    store.SelectedPoint = snapshot.SelectedPoint;
    store.FoundLine = snapshot.FoundLine;
    store.FoundPoint = snapshot.FoundPoint;
}

bool sameDrawing(const DrawingSnapshot& snapshot, const PolylineStore& store)
{
    if (static_cast<int>(snapshot.lines.size()) != store.CadLineCount)
        return false;
    for (int i = 1; i <= store.CadLineCount; ++i) {
        const CadLine& was = snapshot.lines[static_cast<std::size_t>(i - 1)];
        const CadLine& now = store.CadLines[i];
        if (was.PointCount != now.PointCount)
            return false;
        for (int j = 1; j <= now.PointCount; ++j) {
            const int wasSlot = was.PointIds[j];
            if (wasSlot < 1 || wasSlot > static_cast<int>(snapshot.points.size()))
                return false;
            const CadPoint& a = snapshot.points[static_cast<std::size_t>(wasSlot - 1)];
            const CadPoint& b = store.CadPoints[now.PointIds[j]];
            if (a.X != b.X || a.Y != b.Y)
                return false;
        }
    }
    return true;
}

UndoHistory::UndoHistory(std::size_t capacity) : capacity_(capacity < 1 ? 1 : capacity) {}

bool UndoHistory::record(DrawingSnapshot before, const PolylineStore& after)
{
    if (sameDrawing(before, after))
        return false;
    if (undo_.size() >= capacity_)
        undo_.pop_front();
    undo_.push_back(std::move(before));
    redo_.clear();
    return true;
}

void UndoHistory::openChange(DrawingSnapshot before) { open_ = std::move(before); }

bool UndoHistory::closeChange(const PolylineStore& now)
{
    if (!open_)
        return false;
    DrawingSnapshot before = std::move(*open_);
    open_.reset();
    return record(std::move(before), now);
}

bool UndoHistory::undo(PolylineStore& store)
{
    if (undo_.empty())
        return false;
    redo_.push_back(takeSnapshot(store));
    restoreSnapshot(store, undo_.back());
    undo_.pop_back();
    return true;
}

bool UndoHistory::redo(PolylineStore& store)
{
    if (redo_.empty())
        return false;
    undo_.push_back(takeSnapshot(store));
    restoreSnapshot(store, redo_.back());
    redo_.pop_back();
    return true;
}

std::optional<CadPoint> UndoHistory::popUndoneVertex()
{
    if (undoneVertices_.empty())
        return std::nullopt;
    const CadPoint vertex = undoneVertices_.back();
    undoneVertices_.pop_back();
    return vertex;
}

} // namespace vrex
