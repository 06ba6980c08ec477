#pragma once
// The random user events the long sequences are made of: what the generator
// makes (events with anchors on the drawing), what is delivered (steps in
// pixels), their printed forms, and the generators.

#include <rapidcheck.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace vrex::testing {

// What the core receives: one handler call, or a move of the clock.
enum class Kind { CanvasMove, CanvasDown, CanvasUp, FormMove, Click, Clock };
enum class Control { Button1, Button2, Button3, Button4, Cancel, ZoomIn, WriteAndEnd, Undo, Redo };

// What the generator makes. A tap is a press and a release at one place;
// taps are a run of them, as when digitising; a drawn line is "Add a new
// line", taps, "Done adding Line".
enum class Gesture { CanvasMove, CanvasDown, CanvasUp, FormMove, Tap, Taps, DrawLine, Click, ClickEnabled, Clock, Key };

// Where a pointer gesture lands. The vertex, segment and line-box anchors are
// resolved against the drawing as it stands when the gesture comes, so that a
// sequence keeps aiming at vertices while it is being shrunk.
enum class Anchor { Absolute, LastPointer, Vertex, Segment, LineBox };

struct Event {
    Gesture gesture = Gesture::Clock;
    int buttons = 0;
    Anchor anchor = Anchor::Absolute;
    int pick = 0;   // which vertex, segment, line or enabled button, modulo how many there are
    double a = 0;   // x, an x offset, or a fraction of the line box's width
    double b = 0;   // the same for y
    int count = 0;  // taps of a run or a drawn line, each stride pixels on from the last
    int repeat = 1; // drawn lines, one after the other, each with the same taps
    double strideX = 0;
    double strideY = 0;
    Control control = Control::Button1;
    int centis = 0; // clock change in hundredths of a second
};

// One delivered call, with its anchor resolved to pixels: the form the
// regression cases are written in.
struct Step {
    Kind kind = Kind::Clock;
    int buttons = 0;
    double x = 0;
    double y = 0;
    Control control = Control::Button1;
    double seconds = 0;
};

Step move(double x, double y, int buttons = 0);
Step down(int buttons, double x, double y);
Step up(int buttons, double x, double y);
Step formMove(double x, double y, int buttons = 0);
Step click(Control control);
Step advance(double seconds);

const char* controlName(Control c);
const char* gestureName(Gesture g);
std::ostream& operator<<(std::ostream& os, const Event& e);
std::ostream& operator<<(std::ostream& os, const Step& s);
std::string listSteps(const std::vector<Step>& steps);

inline constexpr int MaxEvents = 300;
inline constexpr int MinSequences = 2000;

// One event of any gesture.
rc::Gen<Event> anyEvent();
// Lengths 0 to 300 in every run, whatever size RapidCheck has reached; the
// events themselves always use their full ranges.
rc::Gen<std::vector<Event>> eventSequence();

} // namespace vrex::testing
