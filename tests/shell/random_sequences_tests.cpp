// Long random event sequences over the whole program. After every event the
// store keeps its invariants, no fault reaches the event boundary, the program
// is still running, the export records of the moment read back as exactly
// the lines and vertices the store holds, and no vertex moves but the one
// picked up, to the pointer.

#include "export_reader.h"
#include "random_events.h"
#include "recording_canvas.h"

#include "export/cad_export.h"
#include "model/line_edit.h"
#include "model/line_search.h"
#include "model/polyline_store.h"
#include "plotting/zoom_box.h"
#include "shell/command_buttons.h"
#include "shell/event_boundary.h"
#include "shell/limit_messages.h"
#include "shell/mouse_input.h"
#include "shell/startup.h"
#include "shell/undo_commands.h"
#include "state/editor.h"
#include "windows/key_bindings.h"

#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace vrex {
namespace {

using namespace testing;

// ------------------------------------------------------------- a session

// Paths the sequences reached (sequences that reached each), so that a
// generator which stops reaching the editing code shows up instead of
// passing quietly.
struct Reached {
    long sequences = 0;
    long pointEditing = 0;
    long dragging = 0;
    long vertexMoved = 0;
    long vertexInserted = 0;
    long vertexDeleted = 0;
    long lineDeleted = 0;
    long zoomApplied = 0;
    long writeRefused = 0;
    long vertexLimit = 0;
    long poolFull = 0;
    long lineLimit = 0;
    long undone = 0;
    long redone = 0;

    void add(const Reached& r)
    {
        sequences += r.sequences;
        pointEditing += r.pointEditing;
        dragging += r.dragging;
        vertexMoved += r.vertexMoved;
        vertexInserted += r.vertexInserted;
        vertexDeleted += r.vertexDeleted;
        lineDeleted += r.lineDeleted;
        zoomApplied += r.zoomApplied;
        writeRefused += r.writeRefused;
        vertexLimit += r.vertexLimit;
        poolFull += r.poolFull;
        lineLimit += r.lineLimit;
        undone += r.undone;
        redone += r.redone;
    }
};

std::ostream& operator<<(std::ostream& os, const Reached& r)
{
    return os << r.sequences << " sequences; reached: point editing " << r.pointEditing << ", dragging " << r.dragging
              << ", vertex moved " << r.vertexMoved << ", inserted " << r.vertexInserted << ", vertex deleted "
              << r.vertexDeleted << ", line deleted " << r.lineDeleted << ", zoom applied " << r.zoomApplied
              << ", write refused " << r.writeRefused << ", 20 vertices " << r.vertexLimit << ", pool full "
              << r.poolFull << ", 43 lines " << r.lineLimit << ", undone " << r.undone << ", redone " << r.redone;
}

// Vertices in drawing order, each with whether the next one is on the same
// line. Read defensively: anchors must work on whatever a faulty step left.
std::vector<std::pair<Vertex, bool>> drawingVertices(const PolylineStore& s)
{
    std::vector<std::pair<Vertex, bool>> out;
    for (int i = 1; i <= s.CadLineCount && i <= MaxLines; ++i) {
        const CadLine& line = s.CadLines[i];
        for (int j = 1; j <= line.PointCount && j <= MaxLinePoints; ++j) {
            const int slot = line.PointIds[j];
            if (slot < 1 || slot > MaxPoolPoints)
                continue;
            out.push_back({{s.CadPoints[slot].X, s.CadPoints[slot].Y}, j < line.PointCount});
        }
    }
    return out;
}

int totalVertices(const PolylineStore& s) { return static_cast<int>(drawingVertices(s).size()); }

// Position of every slot some vertex refers to, by slot number.
using SlotPositions = std::array<std::optional<Vertex>, MaxPoolPoints + 1>;

SlotPositions slotPositions(const PolylineStore& s)
{
    SlotPositions out;
    for (int i = 1; i <= s.CadLineCount && i <= MaxLines; ++i) {
        const CadLine& line = s.CadLines[i];
        for (int j = 1; j <= line.PointCount && j <= MaxLinePoints; ++j) {
            const int slot = line.PointIds[j];
            if (slot >= 1 && slot <= MaxPoolPoints)
                out[static_cast<std::size_t>(slot)] = Vertex{s.CadPoints[slot].X, s.CadPoints[slot].Y};
        }
    }
    return out;
}

// The slot of the vertex the drag registers name, 0 when they name none.
int namedDragSlot(const Editor& e)
{
    const PointEditState& d = e.pointEdit;
    const PolylineStore& s = e.store;
    if (d.DragLine < 1 || d.DragLine > s.CadLineCount || d.DragPoint < 1 ||
        d.DragPoint > s.CadLines[d.DragLine].PointCount)
        return 0;
    return s.CadLines[d.DragLine].PointIds[d.DragPoint];
}

// The control each key of the main window clicks, one entry per key; Undo
// and Redo stand for their commands.
std::vector<Control> keyedControls()
{
    const auto controlNamed = [](std::string_view name) {
        const std::pair<std::string_view, Control> names[] = {
            {"Button1_NewRenameLeft_8cbn", Control::Button1},
            {"Button2_SelectAssignUnassignYes_8cbn", Control::Button2},
            {"Button3_EditDone_8cbn", Control::Button3},
            {"Button4_DeleteRightNo_8cbn", Control::Button4},
            {"Button_Cancel8cbn", Control::Cancel},
        };
        for (const auto& [n, c] : names) {
            if (n == name)
                return c;
        }
        throw std::logic_error("a key for an unknown control");
    };
    std::vector<Control> out;
    for (const ButtonKeys& b : mainWindowButtonKeys())
        out.insert(out.end(), b.keys.size(), controlNamed(b.control));
    out.insert(out.end(), undoKeys().size(), Control::Undo);
    out.insert(out.end(), redoKeys().size(), Control::Redo);
    return out;
}

bool isHistoryStep(const Step& s)
{
    return s.kind == Kind::Click && (s.control == Control::Undo || s.control == Control::Redo);
}

// A started editor on a recording canvas, with a clock the steps move and a
// file writer that always fails.
class Session {
public:
    Session()
    {
        editor.services.timeOfDay = [this] { return static_cast<double>(centis_) / 100.0; };
        editor.services.environment = [](const std::string& name) -> std::optional<std::string> {
            if (name == "USERPROFILE")
                return std::string("C:\\Users\\surveyor");
            return std::nullopt;
        };
        editor.services.windowsPaths = true;
        editor.services.writeWholeFile = [this](const std::string&, const std::string& content) {
            offered_.push_back(content);
            return std::optional<std::string>("the disk is full");
        };
        editor.services.endProgram = [this] { ++endCalls_; };
        StartUpSequence(editor);
        lastExport_ = exportText();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool enabled(Control c) const
    {
        const ControlState& k = editor.controls;
        switch (c) {
        case Control::Button1: return k.Button1.Enabled;
        case Control::Button2: return k.Button2.Enabled;
        case Control::Button3: return k.Button3.Enabled;
        case Control::Button4: return k.Button4.Enabled;
        case Control::Cancel: return k.Cancel.Enabled;
        default: return true; // the zoom and the write buttons never turn off
        }
    }

    // The calls a gesture makes, against the drawing as it stands now.
    std::vector<Step> resolve(const Event& e)
    {
        switch (e.gesture) {
        case Gesture::Click: return {click(e.control)};
        case Gesture::ClickEnabled: {
            std::vector<Control> on;
            for (Control c : {Control::Button1, Control::Button2, Control::Button3, Control::Button4}) {
                if (enabled(c))
                    on.push_back(c);
            }
            if (on.empty())
                return {};
            return {click(on[static_cast<std::size_t>(e.pick) % on.size()])};
        }
        case Gesture::Clock: {
            const long long change = std::max<long long>(e.centis, -centis_); // the clock stops at midnight
            return {advance(static_cast<double>(change) / 100.0)};
        }
        case Gesture::Key: {
            // A key is a click on its button, which a disabled button ignores.
            static const std::vector<Control> keys = keyedControls();
            return {click(keys[static_cast<std::size_t>(e.pick) % keys.size()])};
        }
        default: break;
        }

        double x = 0, y = 0;
        locate(e, x, y);
        const auto at = [this](double px, double py) {
            lastX_ = std::round(px * 4) / 4; // quarters keep the printed steps exact
            lastY_ = std::round(py * 4) / 4;
        };
        at(x, y);
        switch (e.gesture) {
        case Gesture::CanvasMove: return {move(lastX_, lastY_, e.buttons)};
        case Gesture::CanvasDown: return {down(e.buttons, lastX_, lastY_)};
        case Gesture::CanvasUp: return {up(e.buttons, lastX_, lastY_)};
        case Gesture::FormMove: return {formMove(lastX_, lastY_, e.buttons)};
        case Gesture::Tap: return {down(e.buttons, lastX_, lastY_), up(e.buttons, lastX_, lastY_)};
        default: break;
        }
        std::vector<Step> steps;
        const bool drawing = e.gesture == Gesture::DrawLine;
        for (int r = 0; r < (drawing ? e.repeat : 1); ++r) {
            if (drawing)
                steps.push_back(click(Control::Button1));
            for (int k = 0; k < e.count; ++k) {
                at(x + k * e.strideX, y + k * e.strideY);
                steps.push_back(down(e.buttons, lastX_, lastY_));
                steps.push_back(up(e.buttons, lastX_, lastY_));
            }
            if (drawing)
                steps.push_back(click(Control::Button3));
        }
        return steps;
    }

    // Delivers one call through the event boundary; returns what is wrong
    // afterwards, or "".
    std::string deliver(const Step& s)
    {
        // Only a delivered call changes the store, so the last export is still current.
        const std::string exportBefore = std::move(lastExport_);
        const int linesBefore = editor.store.CadLineCount;
        const int verticesBefore = totalVertices(editor.store);
        const bool addingBefore = editor.modes.AddingLine;
        const bool zoomArmedBefore = editor.zoom.ZoomArmed;
        const std::size_t offeredBefore = offered_.size();
        const SlotPositions positionsBefore = slotPositions(editor.store);
        const bool draggingBefore = editor.modes.DraggingPoint;

        const auto i = [](int v) { return static_cast<Integer>(v); };
        const auto f = [](double v) { return static_cast<Single>(v); };
        const bool clean = handleEvent(editor, [&] {
            switch (s.kind) {
            case Kind::CanvasMove: CAD8pic_mousemove(editor, i(s.buttons), 0, f(s.x), f(s.y)); break;
            case Kind::CanvasDown: CAD8pic_mousedown(editor, i(s.buttons), 0, f(s.x), f(s.y)); break;
            case Kind::CanvasUp: CAD8pic_mouseup(editor, i(s.buttons), 0, f(s.x), f(s.y)); break;
            case Kind::FormMove: Form_MouseMove(editor, i(s.buttons), 0, f(s.x), f(s.y)); break;
            case Kind::Click: press(s.control); break;
            case Kind::Clock: centis_ = std::max(0LL, centis_ + std::llround(s.seconds * 100)); break;
            }
        });
        canvas.clearLog(); // nothing reads the log here; it only costs time

        if (!clean)
            return "a fault reached the event boundary: " + editor.controls.UserMustSee;
        if (endCalls_ != 0)
            return "the program ended although the file could not be written";
        if (std::string broken = checkStoreInvariants(editor.store); !broken.empty())
            return "store: " + broken;
        std::string text;
        try {
            text = buildCadExportText(editor.store);
        } catch (const RuntimeFault& fault) {
            return std::string("building the export faulted: ") + fault.what();
        }
        lastExport_ = text;
        ExportedDrawing file;
        if (std::string bad = readExport(text, file); !bad.empty())
            return "export unreadable: " + bad;
        if (std::string differs = compareWithStore(file, editor.store); !differs.empty())
            return differs;

        // Only the vertex picked up moves, only while it is dragged, and only
        // to the pointer. Slots never move between vertices, so a slot names
        // one vertex for as long as it stays in the drawing. Undo and Redo
        // put vertices back where they were; the properties below pin them.
        const bool historyStep = isHistoryStep(s);
        const SlotPositions positions = slotPositions(editor.store);
        for (int slot = 1; slot <= MaxPoolPoints && !historyStep; ++slot) {
            const auto& was = positionsBefore[static_cast<std::size_t>(slot)];
            const auto& now = positions[static_cast<std::size_t>(slot)];
            if (!was || !now || (was->X == now->X && was->Y == now->Y))
                continue;
            const std::string moved = "the vertex in slot " + std::to_string(slot) + " moved from " +
                                      std::to_string(was->X) + "," + std::to_string(was->Y) + " to " +
                                      std::to_string(now->X) + "," + std::to_string(now->Y);
            if (!draggingBefore || slot != dragSlot_)
                return moved + ", but the vertex picked up is " +
                       (draggingBefore && dragSlot_ ? "in slot " + std::to_string(dragSlot_) : std::string("none"));
            if (now->X != editor.mouse.MouseX || now->Y != editor.mouse.MouseY)
                return moved + ", not to the pointer";
        }
        // A click that leaves a drag going has picked up the vertex the drag
        // registers name (or kept the one it had).
        if (!editor.modes.DraggingPoint)
            dragSlot_ = 0;
        else if (s.kind == Kind::CanvasDown)
            dragSlot_ = namedDragSlot(editor);

        if (s.kind == Kind::Click && s.control == Control::WriteAndEnd) {
            if (offered_.size() != offeredBefore + 1 || offered_.back() != text)
                return "the writer was not offered the export of the drawing";
            if (text != exportBefore)
                return "a refused write changed the drawing";
            reached_.writeRefused = 1;
        }

        const ModeFlags& m = editor.modes;
        const std::string& prompt = editor.controls.UserMustSee;
        const int vertices = totalVertices(editor.store);
        reached_.undone |= historyStep && editor.controls.ConcludingInfo == UndoneMessage;
        reached_.redone |= historyStep && editor.controls.ConcludingInfo == RedoneMessage;
        if (historyStep)
            return {};
        reached_.pointEditing |= m.PointEditing;
        reached_.dragging |= m.DraggingPoint;
        reached_.vertexInserted |= s.kind == Kind::CanvasDown && !addingBefore && vertices > verticesBefore;
        reached_.vertexDeleted |= s.kind == Kind::CanvasDown && vertices < verticesBefore;
        reached_.vertexMoved |=
            vertices == verticesBefore && editor.store.CadLineCount == linesBefore && text != exportBefore;
        reached_.lineDeleted |= editor.store.CadLineCount < linesBefore;
        reached_.zoomApplied |= zoomArmedBefore && !editor.zoom.ZoomArmed && editor.mouse.MouseButton == 1;
        reached_.vertexLimit |= prompt.rfind("too many Line points", 0) == 0;
        reached_.poolFull |= prompt == PoolFullMessage;
        reached_.lineLimit |= prompt.rfind("Too many general Lines", 0) == 0;
        return {};
    }

    Reached reached() const
    {
        Reached r = reached_;
        r.sequences = 1;
        return r;
    }

    testing::RecordingCanvas canvas;
    Editor editor{canvas};

private:
    void press(Control c)
    {
        switch (c) {
        case Control::Button1: Button1Pressed(editor); break;
        case Control::Button2: Button2Pressed(editor); break;
        case Control::Button3: Button3Pressed(editor); break;
        case Control::Button4: Button4Pressed(editor); break;
        case Control::Cancel: CancelPressed(editor); break;
        case Control::ZoomIn: zoomInBox_8cbn_Click(editor); break;
        case Control::WriteAndEnd: End8cbn_Click(editor); break;
        case Control::Undo: UndoPressed(editor); break;
        case Control::Redo: RedoPressed(editor); break;
        }
    }

    std::string exportText() const
    {
        try {
            return buildCadExportText(editor.store);
        } catch (const RuntimeFault& fault) {
            return std::string("fault: ") + fault.what();
        }
    }

    void locate(const Event& e, double& x, double& y) const
    {
        const auto vs = drawingVertices(editor.store);
        switch (e.anchor) {
        case Anchor::Absolute:
            x = e.a;
            y = e.b;
            return;
        case Anchor::Vertex:
            if (!vs.empty()) {
                const Vertex v = vs[static_cast<std::size_t>(e.pick) % vs.size()].first;
                x = v.X + e.a;
                y = v.Y + e.b;
                return;
            }
            break;
        case Anchor::Segment: {
            std::vector<std::size_t> starts;
            for (std::size_t k = 0; k + 1 < vs.size(); ++k) {
                if (vs[k].second)
                    starts.push_back(k);
            }
            if (!starts.empty()) {
                const std::size_t k = starts[static_cast<std::size_t>(e.pick) % starts.size()];
                x = (vs[k].first.X + vs[k + 1].first.X) / 2.0 + e.a;
                y = (vs[k].first.Y + vs[k + 1].first.Y) / 2.0 + e.b;
                return;
            }
            break;
        }
        case Anchor::LineBox: {
            // The vertices of one line are a run of vs ending in a "last on its line" mark.
            std::vector<std::pair<std::size_t, std::size_t>> lines;
            for (std::size_t k = 0, first = 0; k < vs.size(); ++k) {
                if (!vs[k].second) {
                    lines.push_back({first, k});
                    first = k + 1;
                }
            }
            if (!lines.empty()) {
                const auto [first, last] = lines[static_cast<std::size_t>(e.pick) % lines.size()];
                int minX = vs[first].first.X, maxX = minX, minY = vs[first].first.Y, maxY = minY;
                for (std::size_t k = first; k <= last; ++k) {
                    minX = std::min<int>(minX, vs[k].first.X);
                    maxX = std::max<int>(maxX, vs[k].first.X);
                    minY = std::min<int>(minY, vs[k].first.Y);
                    maxY = std::max<int>(maxY, vs[k].first.Y);
                }
                x = minX + e.a * (maxX - minX);
                y = minY + e.b * (maxY - minY);
                return;
            }
            break;
        }
        case Anchor::LastPointer: break;
        }
        // Nothing to aim at yet: stay near the pointer.
        const bool offsets = e.anchor != Anchor::LineBox;
        x = lastX_ + (offsets ? e.a : 0);
        y = lastY_ + (offsets ? e.b : 0);
    }

    std::string lastExport_;
    int dragSlot_ = 0;           // slot of the vertex picked up, while a drag lasts
    long long centis_ = 3600000; // 10:00 in the morning
    int endCalls_ = 0;
    std::vector<std::string> offered_;
    double lastX_ = 392;
    double lastY_ = 221;
    Reached reached_;
};

// Changes undone and redone at once, by what they did to the line count.
struct ChangesChecked {
    long linesAdded = 0;
    long linesRemoved = 0;
    long linesKept = 0;
};

// With changes given, each change a step completes is undone at once, then
// redone, so that the sequence carries on with the drawing it made.
void runSequence(const std::vector<Event>& events, bool honourDisabled, Reached* reached,
                 ChangesChecked* changes = nullptr)
{
    Session session;
    std::vector<Step> delivered;
    const auto fail = [&](const std::string& problem) {
        std::ostringstream os;
        os << problem << "\nafter the steps:\n" << listSteps(delivered);
        RC_FAIL(os.str());
    };
    const auto deliver = [&](const Step& step) {
        delivered.push_back(step);
        if (const std::string problem = session.deliver(step); !problem.empty())
            fail(problem);
    };
    // The export text stands for the drawing: every line and vertex, in order.
    const auto drawing = [&] { return buildCadExportText(session.editor.store); };
    // The drawing when no change was under way: no line being added, no drag.
    std::string settled = drawing();
    for (const Event& e : events) {
        for (const Step& step : session.resolve(e)) {
            // A disabled button ignores its click.
            if (honourDisabled && step.kind == Kind::Click && !session.enabled(step.control))
                continue;
            const bool draggingBefore = session.editor.modes.DraggingPoint;
            const std::string drawingBefore = changes ? drawing() : std::string();
            deliver(step);
            if (!changes || session.editor.modes.AddingLine || session.editor.modes.DraggingPoint)
                continue;
            // "Delete this Line" during a drag (offered again by "Select this
            // Line") completes two changes: the drag cut short, then the delete.
            if (draggingBefore && step.kind == Kind::Click && step.control == Control::Button4)
                settled = drawingBefore;
            const std::string now = drawing();
            if (!isHistoryStep(step) && now != settled) {
                const int linesAfter = session.editor.store.CadLineCount;
                deliver(click(Control::Undo));
                if (drawing() != settled)
                    fail("Undo right after a change did not give back the drawing before it");
                const int linesBefore = session.editor.store.CadLineCount;
                deliver(click(Control::Redo));
                if (drawing() != now)
                    fail("Redo right after an Undo did not give back the drawing before the Undo");
                (linesAfter > linesBefore   ? changes->linesAdded
                 : linesAfter < linesBefore ? changes->linesRemoved
                                            : changes->linesKept)++;
            }
            settled = drawing();
        }
    }
    if (reached)
        reached->add(session.reached());
}

// ------------------------------------------------------------ properties

// The run count is set here rather than left to RC_PARAMS, so that CI always
// sees at least 2000 sequences; a seed given in RC_PARAMS still applies.
TEST(RandomSequences, TwoThousandSequencesKeepTheStoreSoundAndTheExportTrue)
{
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    params.maxSuccess = std::max(params.maxSuccess, MinSequences);
    params.maxSize = MaxEvents;

    rc::detail::TestMetadata metadata;
    metadata.id = "RandomSequences/TwoThousandSequencesKeepTheStoreSoundAndTheExportTrue";
    metadata.description = "event sequences, disabled buttons ignoring their clicks";

    Reached reached;
    const auto result =
        rc::detail::checkTestable([&reached] { runSequence(*eventSequence(), true, &reached); }, metadata, params);

    std::ostringstream message;
    rc::detail::printResultMessage(result, message);
    ASSERT_TRUE(result.is<rc::detail::SuccessResult>()) << message.str();
    EXPECT_GE(result.get<rc::detail::SuccessResult>().numSuccess, MinSequences);
    std::cout << reached << "\n";
    // A generator that no longer reaches the editing code would pass quietly.
    EXPECT_GT(reached.dragging, 0);
    EXPECT_GT(reached.vertexMoved, 0);
    EXPECT_GT(reached.vertexInserted, 0);
    EXPECT_GT(reached.vertexDeleted, 0);
    EXPECT_GT(reached.lineDeleted, 0);
    EXPECT_GT(reached.undone, 0);
    EXPECT_GT(reached.redone, 0);
}

// A disabled button normally swallows its click; the core must stay sound
// when a handler runs anyway.
RC_GTEST_PROP(RandomSequences, HandlersCalledWhileDisabledKeepTheStoreSound, ())
{
    runSequence(*eventSequence(), false, nullptr);
}

// Every change a step completes (a finished line, a deleted line, a drop, a
// right-click delete, a drag cut short) is undone at once and redone: Undo
// gives back the drawing before the change, Redo the drawing before the Undo.
TEST(RandomSequences, UndoAndRedoRightAfterEachChangeGiveBackTheDrawingsBeforeThem)
{
    rc::detail::TestParams params = rc::detail::configuration().testParams;
    // Edits of vertices are the rarest changes: enough runs that they come up.
    params.maxSuccess = std::max(params.maxSuccess, 400);
    params.maxSize = MaxEvents;
    rc::detail::TestMetadata metadata;
    metadata.id = "RandomSequences/UndoAndRedoRightAfterEachChangeGiveBackTheDrawingsBeforeThem";
    metadata.description = "event sequences, each change undone and redone at once";

    ChangesChecked changes;
    const auto result = rc::detail::checkTestable(
        [&changes] { runSequence(*eventSequence(), true, nullptr, &changes); }, metadata, params);

    std::ostringstream message;
    rc::detail::printResultMessage(result, message);
    ASSERT_TRUE(result.is<rc::detail::SuccessResult>()) << message.str();
    std::cout << "changes undone and redone: " << changes.linesAdded << " adding a line, " << changes.linesRemoved
              << " removing one, " << changes.linesKept << " keeping the lines\n";
    EXPECT_GT(changes.linesAdded, 0);
    EXPECT_GT(changes.linesRemoved, 0);
    EXPECT_GT(changes.linesKept, 0);
}

// ------------------------------------------------------ regression cases

// Delivers the steps of a case one by one, stopping at the first problem.
void expectSound(const std::vector<Step>& steps)
{
    Session session;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const std::string problem = session.deliver(steps[k]);
        ASSERT_EQ(problem, "") << "at step " << k + 1 << ": " << steps[k];
    }
}

//  line 1:  A(100,100)-----B(200,150)-----C(300,120)
// B is picked up; "Select this Line" and "Edit a line point" are pressed
// during the drag; a right click deletes A, and the same click drops: C, not
// B, jumps to the click.
TEST(RandomSequencesFound, DeletingAnEarlierVertexDuringADragMovesOnlyThePickedVertex)
{
    expectSound({
        click(Control::Button1), down(1, 100, 100),       up(1, 100, 100),   down(1, 200, 150),
        up(1, 200, 150),         down(1, 300, 120),       up(1, 300, 120),   click(Control::Button3),
        click(Control::Button2), down(1, 250, 130),       up(1, 250, 130), // inside the box: line 1 on offer
        click(Control::Button2), click(Control::Button3), down(1, 198, 146), up(1, 198, 146), // picks B up
        click(Control::Button2), click(Control::Button3), down(2, 110, 105), up(2, 110, 105), // deletes A, drops
    });
}

// As RapidCheck shrank it: a vertex inserted during point editing is being
// dragged (line 1, position 4); "Done point editing" does nothing during the
// drag, "Select this Line" and "Edit a line point" turn point editing on
// again, and a right click deletes vertex 2 of line 1. The drop then moves the
// vertex that slid into position 4 (212,101) instead of the one picked up.
TEST(RandomSequencesFound, RightClickDeleteDuringAnInsertDragMovesOnlyThePickedVertex)
{
    expectSound({
        click(Control::Button1), down(1, 392, 221),       up(1, 392, 221),         down(1, 332, 181),
        up(1, 332, 181),         down(1, 272, 141),       up(1, 272, 141),         down(1, 212, 101),
        up(1, 212, 101),         down(1, 152, 61),        up(1, 152, 61),          click(Control::Button3),
        click(Control::Button1), down(1, 390, 221),       up(1, 390, 221),         down(1, 330, 223.5),
        up(1, 330, 223.5),       click(Control::Button3), click(Control::Button2), down(3, 154.5, 62.5),
        click(Control::Button2), click(Control::Button3), down(1, 392, 221),       up(1, 392, 221),
        down(1, 331.25, 223),    up(1, 331.25, 223),      down(1, 271.25, 198.75), up(1, 271.25, 198.75),
        down(1, 211.25, 174.5),  up(1, 211.25, 174.5),    click(Control::Button3), click(Control::Button2),
        click(Control::Button3), down(2, 358, 199),
    });
}

// As RapidCheck shrank it, from the property that ignores enabled states (the
// one click on a disabled button, Button1, does nothing). A vertex inserted
// at (360,222) is being dragged; "Edit a line point" turns point editing on
// during the drag, and a right click nearest the middle of segment 2-3
// deletes that segment's first vertex: the dragged one itself. The drop then
// moves the vertex that slid into its position, (330,224).
TEST(RandomSequencesFound, DeletingTheDraggedVertexMovesNoOtherVertex)
{
    expectSound({
        click(Control::Button1), down(1, 390, 221),       up(1, 390, 221),         down(1, 330, 223.5),
        up(1, 330, 223.5),       click(Control::Button3), click(Control::Button2), move(390, 219.5, 3),
        down(2, 384, 221.5),     click(Control::Button2), up(0, 330, 221),         click(Control::Button3),
        down(1, 360, 221.5),     click(Control::Button2), click(Control::Button1), down(2, -200, -200),
        up(2, -200, -200),       click(Control::Button3), down(2, 341, 221.5),
    });
}

} // namespace
} // namespace vrex
