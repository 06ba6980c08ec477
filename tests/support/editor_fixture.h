#pragma once
// A started editor on a recording canvas with a fake clock, plus the user's
// gestures in core terms.

#include "drawing_builder.h"
#include "recording_canvas.h"

#include "shell/command_buttons.h"
#include "shell/editor.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vrex::testing {

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        editor.services.timeOfDay = [this] { return clock; };
        StartUpSequence(editor);
    }

    // A press and release at (x, y); the clock moves on so nothing is paced away.
    void tap(double x, double y, int button = 1)
    {
        CAD8pic_mousedown(editor, static_cast<Integer>(button), 0, static_cast<Single>(x), static_cast<Single>(y));
        CAD8pic_mouseup(editor, static_cast<Integer>(button), 0, static_cast<Single>(x), static_cast<Single>(y));
    }

    void move(double x, double y, int buttons = 0)
    {
        CAD8pic_mousemove(editor, static_cast<Integer>(buttons), 0, static_cast<Single>(x), static_cast<Single>(y));
    }

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

} // namespace vrex::testing
