#pragma once
// A started editor on a recording canvas with a fake clock, plus the user's
// gestures in core terms.

#include "drawing_builder.h"
#include "gestures.h"
#include "recording_canvas.h"

#include "shell/command_buttons.h"
#include "shell/startup.h"
#include "state/editor.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vrex::testing {

// Usable on its own where a test needs several started editors.
class StartedEditor {
public:
    StartedEditor()
    {
        editor.services.timeOfDay = [this] { return clock; };
        StartUpSequence(editor);
    }
    // The editor points at this canvas and clock.
    StartedEditor(const StartedEditor&) = delete;
    StartedEditor& operator=(const StartedEditor&) = delete;

    void tap(double x, double y, int button = 1) { testing::tap(editor, x, y, button); }
    void move(double x, double y, int buttons = 0) { testing::move(editor, x, y, buttons); }

    // Digitises one finished line.
    void addLine(const Points& points)
    {
        Button1Pressed(editor);
        for (auto [x, y] : points)
            tap(x, y);
        Button3Pressed(editor);
    }

    Points lineVertices(int line) const { return vertices(editor, line); }

    double clock = 36000;
    RecordingCanvas canvas;
    Editor editor{canvas};
};

class EditorTest : public ::testing::Test, public StartedEditor {};

} // namespace vrex::testing
