#pragma once
// The changes the user can take back and make again. The drawing is small (at
// most 55 vertices on 43 lines), so the history keeps a whole copy of it per
// change: exact, and bounded by the number of changes kept.

#include "state/polyline_store.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

namespace vrex {

// The drawing at one moment: the lines in use, the pool up to its high-water
// mark, and the registers, which name lines and vertices of that drawing.
struct DrawingSnapshot {
    std::vector<CadLine> lines;   // lines 1..CadLineCount
    std::vector<CadPoint> points; // slots 1..CadPointHighWater
    Integer SelectedLine = 0;
    Integer SelectedPoint = 0;
    Integer FoundLine = 0;
    Integer FoundPoint = 0;
};

DrawingSnapshot takeSnapshot(const PolylineStore& store);
// Puts the drawing back exactly, slots included, so the store's invariants
// hold as they held when the snapshot was taken.
void restoreSnapshot(PolylineStore& store, const DrawingSnapshot& snapshot);
// The same lines in the same order with their vertices at the same places;
// which slots hold them does not matter.
bool sameDrawing(const DrawingSnapshot& snapshot, const PolylineStore& store);

class UndoHistory {
public:
    static constexpr std::size_t DefaultCapacity = 1000;

    explicit UndoHistory(std::size_t capacity = DefaultCapacity);

    // A change made within one event. Kept, and what could be redone
    // forgotten, only when the drawing differs from before.
    bool record(DrawingSnapshot before, const PolylineStore& after);

    // A change that spans several events (a line being added, a vertex
    // being dragged) starts from this drawing.
    void openChange(DrawingSnapshot before);
    bool changeOpen() const { return open_.has_value(); }
    // The drawing the open change started from; only while one is open.
    const DrawingSnapshot& openStart() const { return *open_; }
    // Ends the open change, kept as one change when the drawing differs.
    bool closeChange(const PolylineStore& now);
    void dropChange() { open_.reset(); }

    // Each returns false, and changes nothing, when there is nothing to do.
    bool undo(PolylineStore& store);
    bool redo(PolylineStore& store);
    void forgetRedo() { redo_.clear(); }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t redoCount() const { return redo_.size(); }

    // Vertices taken back from the line being added, the latest last.
    void pushUndoneVertex(CadPoint vertex) { undoneVertices_.push_back(vertex); }
    std::optional<CadPoint> popUndoneVertex();
    void forgetUndoneVertices() { undoneVertices_.clear(); }

private:
    std::size_t capacity_;
    std::deque<DrawingSnapshot> undo_;  // the drawing before each change, the latest last
    std::vector<DrawingSnapshot> redo_; // the drawing after each undone change, the latest last
    std::optional<DrawingSnapshot> open_;
    std::vector<CadPoint> undoneVertices_;
};

} // namespace vrex
