#include "random_events.h"

#include <iomanip>
#include <ostream>
#include <sstream>

namespace vrex::testing {

namespace gen = rc::gen;
using rc::Gen;

Step move(double x, double y, int buttons) { return {Kind::CanvasMove, buttons, x, y}; }
Step down(int buttons, double x, double y) { return {Kind::CanvasDown, buttons, x, y}; }
Step up(int buttons, double x, double y) { return {Kind::CanvasUp, buttons, x, y}; }
Step formMove(double x, double y, int buttons) { return {Kind::FormMove, buttons, x, y}; }
Step click(Control control) { return {Kind::Click, 0, 0, 0, control}; }
Step advance(double seconds) { return {Kind::Clock, 0, 0, 0, Control::Button1, seconds}; }

const char* controlName(Control c)
{
    switch (c) {
    case Control::Button1: return "Button1";
    case Control::Button2: return "Button2";
    case Control::Button3: return "Button3";
    case Control::Button4: return "Button4";
    case Control::Cancel: return "Cancel";
    case Control::ZoomIn: return "ZoomIn";
    case Control::WriteAndEnd: return "WriteAndEnd";
    case Control::Undo: return "Undo";
    case Control::Redo: return "Redo";
    }
    return "?";
}

const char* gestureName(Gesture g)
{
    switch (g) {
    case Gesture::CanvasMove: return "move";
    case Gesture::CanvasDown: return "down";
    case Gesture::CanvasUp: return "up";
    case Gesture::FormMove: return "formMove";
    case Gesture::Tap: return "tap";
    case Gesture::Taps: return "taps";
    case Gesture::DrawLine: return "drawLine";
    case Gesture::Click: return "click";
    case Gesture::ClickEnabled: return "clickEnabled";
    case Gesture::Clock: return "clock";
    case Gesture::Key: return "key";
    }
    return "?";
}

// Quarters, hundredths and whole seconds all print exactly at this precision.
namespace {

std::ostream& exact(std::ostream& os) { return os << std::setprecision(10); }

} // namespace

// As RapidCheck shows a counterexample, e.g. "tap b1 @vertex#7+(0.5,-1)".
std::ostream& operator<<(std::ostream& os, const Event& e)
{
    exact(os) << gestureName(e.gesture);
    switch (e.gesture) {
    case Gesture::Click: return os << " " << controlName(e.control);
    case Gesture::ClickEnabled: return os << " #" << e.pick;
    case Gesture::Clock: return os << " " << (e.centis >= 0 ? "+" : "") << e.centis / 100.0 << "s";
    case Gesture::Key: return os << " #" << e.pick;
    default: break;
    }
    if (e.gesture == Gesture::DrawLine && e.repeat != 1)
        os << " x" << e.repeat;
    if (e.gesture == Gesture::Taps || e.gesture == Gesture::DrawLine)
        os << " " << e.count << " by (" << e.strideX << "," << e.strideY << ")";
    os << " b" << e.buttons << " @";
    switch (e.anchor) {
    case Anchor::Absolute: return os << "(" << e.a << "," << e.b << ")";
    case Anchor::LastPointer: return os << "last+(" << e.a << "," << e.b << ")";
    case Anchor::Vertex: return os << "vertex#" << e.pick << "+(" << e.a << "," << e.b << ")";
    case Anchor::Segment: return os << "segment#" << e.pick << "+(" << e.a << "," << e.b << ")";
    case Anchor::LineBox: return os << "box#" << e.pick << "@(" << e.a << "," << e.b << ")";
    }
    return os;
}

// As C++, so that a failing run's steps paste straight into a regression case.
std::ostream& operator<<(std::ostream& os, const Step& s)
{
    exact(os);
    const std::string held = s.buttons ? ", " + std::to_string(s.buttons) : "";
    switch (s.kind) {
    case Kind::CanvasMove: return os << "move(" << s.x << ", " << s.y << held << ")";
    case Kind::FormMove: return os << "formMove(" << s.x << ", " << s.y << held << ")";
    case Kind::CanvasDown: return os << "down(" << s.buttons << ", " << s.x << ", " << s.y << ")";
    case Kind::CanvasUp: return os << "up(" << s.buttons << ", " << s.x << ", " << s.y << ")";
    case Kind::Click: return os << "click(Control::" << controlName(s.control) << ")";
    case Kind::Clock: return os << "advance(" << s.seconds << ")";
    }
    return os;
}

std::string listSteps(const std::vector<Step>& steps)
{
    std::ostringstream os;
    for (const Step& s : steps)
        os << "        " << s << ",\n";
    return os.str();
}

// ------------------------------------------------------------ generators

namespace {

Gen<double> quarters(int lo, int hi)
{
    return gen::map(gen::inRange(lo * 4, hi * 4 + 1), [](int q) { return q / 4.0; });
}

// Mostly on the spot, sometimes a pixel or two off, now and then further.
Gen<double> nearby(int reach)
{
    return gen::weightedOneOf<double>({{3, gen::just(0.0)}, {3, quarters(-2, 2)}, {2, quarters(-reach, reach)}});
}

// A press: left, right and middle alone, no button, and chords.
Gen<int> pressedButtons()
{
    return gen::weightedElement<int>({{8, 1}, {5, 2}, {2, 4}, {1, 0}, {1, 3}, {1, 5}, {1, 6}, {1, 7}});
}

// Buttons held during a move or given with a release.
Gen<int> heldButtons()
{
    return gen::weightedElement<int>({{10, 0}, {3, 1}, {2, 2}, {1, 4}, {1, 3}, {1, 5}, {1, 6}, {1, 7}});
}

Gen<Event> pointerGesture(Gesture gesture, const Gen<int>& buttons)
{
    const auto make = [gesture](Anchor anchor) {
        return [gesture, anchor](const std::tuple<int, int, double, double>& t) {
            Event e;
            e.gesture = gesture;
            e.anchor = anchor;
            e.buttons = std::get<0>(t);
            e.pick = std::get<1>(t);
            e.a = std::get<2>(t);
            e.b = std::get<3>(t);
            return e;
        };
    };
    const auto fraction = gen::map(gen::inRange(0, 101), [](int p) { return p / 100.0; });
    // The canvas is 785 x 442: well outside it on every side.
    const auto absolute =
        gen::map(gen::tuple(buttons, gen::just(0), quarters(-200, 1100), quarters(-200, 700)), make(Anchor::Absolute));
    return gen::weightedOneOf<Event>({
        {3, absolute},
        {4, gen::map(gen::tuple(buttons, gen::inRange(0, 55), nearby(8), nearby(8)), make(Anchor::Vertex))},
        {4, gen::map(gen::tuple(buttons, gen::inRange(0, 55), nearby(4), nearby(4)), make(Anchor::Segment))},
        {4, gen::map(gen::tuple(buttons, gen::inRange(0, 43), fraction, fraction), make(Anchor::LineBox))},
        {3, gen::map(gen::tuple(buttons, gen::just(0), nearby(6), nearby(6)), make(Anchor::LastPointer))},
    });
}

// Up to 25 taps, so that a run can pass the 20 vertices of a line; short
// runs as often, so that drawn lines can also reach the 43 of the table.
Gen<Event> tapRun(Gesture gesture)
{
    const auto count = gen::weightedOneOf<int>({{1, gen::inRange(0, 4)}, {1, gen::inRange(1, 26)}});
    return gen::map(gen::tuple(pointerGesture(gesture, pressedButtons()), count, quarters(-60, 60), quarters(-40, 40)),
                    [](const std::tuple<Event, int, double, double>& t) {
                        Event e = std::get<0>(t);
                        e.count = std::get<1>(t);
                        e.strideX = std::get<2>(t);
                        e.strideY = std::get<3>(t);
                        return e;
                    });
}

// Many short lines at once: the line table fills within one sequence.
Gen<Event> drawnLines()
{
    return gen::map(gen::tuple(tapRun(Gesture::DrawLine), gen::inRange(2, 46)), [](const std::tuple<Event, int>& t) {
        Event e = std::get<0>(t);
        e.count = std::min(e.count, 3);
        e.repeat = std::get<1>(t);
        return e;
    });
}

// A gesture that picks one of what there is when it comes, modulo their number.
Gen<Event> picking(Gesture gesture, int picks)
{
    return gen::map(gen::inRange(0, picks), [gesture](int pick) {
        Event e;
        e.gesture = gesture;
        e.pick = pick;
        return e;
    });
}

} // namespace

Gen<Event> anyEvent()
{
    const auto clickOn = gen::map(gen::weightedElement<Control>({{4, Control::Button1},
                                                                 {4, Control::Button2},
                                                                 {4, Control::Button3},
                                                                 {2, Control::Button4},
                                                                 {2, Control::Cancel},
                                                                 {1, Control::ZoomIn},
                                                                 {1, Control::WriteAndEnd},
                                                                 {2, Control::Undo},
                                                                 {1, Control::Redo}}),
                                  [](Control c) {
                                      Event e;
                                      e.gesture = Gesture::Click;
                                      e.control = c;
                                      return e;
                                  });
    // Without these the workflow seldom gets past choosing a line: most
    // clicks would meet disabled buttons or lose the race to a canvas press.
    const auto clickEnabled = picking(Gesture::ClickEnabled, 4);
    // Hundredths of a second: mostly 0 to 0.3 forward, now and then back a
    // little, or back by hours (past midnight).
    const auto clock =
        gen::map(gen::weightedOneOf<int>(
                     {{12, gen::inRange(0, 31)}, {1, gen::inRange(-30, 0)}, {1, gen::inRange(-4000000, -30)}}),
                 [](int centis) {
                     Event e;
                     e.gesture = Gesture::Clock;
                     e.centis = centis;
                     return e;
                 });
    const auto key = picking(Gesture::Key, 100);
    return gen::weightedOneOf<Event>({
        {22, pointerGesture(Gesture::CanvasMove, heldButtons())},
        {8, pointerGesture(Gesture::CanvasDown, pressedButtons())},
        {7, pointerGesture(Gesture::CanvasUp, heldButtons())},
        {14, pointerGesture(Gesture::Tap, pressedButtons())},
        {4, pointerGesture(Gesture::FormMove, heldButtons())},
        {2, tapRun(Gesture::Taps)},
        {6, tapRun(Gesture::DrawLine)},
        {1, drawnLines()},
        {8, clickOn},
        {12, clickEnabled},
        {12, clock},
        {6, key},
    });
}

Gen<std::vector<Event>> eventSequence()
{
    return gen::resize(MaxEvents, gen::container<std::vector<Event>>(gen::resize(rc::kNominalSize, anyEvent())));
}

} // namespace vrex::testing
