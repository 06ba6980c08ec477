#pragma once
// The scene every drawing benchmark draws: a full pool of 55 vertices on 11
// lines of 5, spread over the whole 785 x 442 drawing area.

namespace vrex {

struct Editor;

inline constexpr int BenchLines = 11;
inline constexpr int BenchPointsPerLine = 5;

// Adds the lines as a user would (add a line, click its vertices, done) on a
// started editor. Returns false when the store did not end up full.
bool addBenchScene(Editor& editor);

} // namespace vrex
