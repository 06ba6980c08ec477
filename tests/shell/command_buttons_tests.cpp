// Every transition of the edit modes, with the prompt and the five buttons
// the user then sees.

#include "editor_fixture.h"

#include <cctype>
#include <functional>
#include <string>

namespace vrex {
namespace {

using testing::EditorTest;
using testing::StartedEditor;

// The modes overlap in their flags; the more specific one names the state.
std::string modeOf(const Editor& e)
{
    const ModeFlags& m = e.modes;
    if (m.EditOrDeletePending)
        return "Edit-or-delete";
    if (m.DraggingPoint && !m.PointEditing)
        return "Dragging";
    if (m.PointEditing)
        return "Point editing";
    if (m.AddingLine)
        return "Adding";
    if (m.SelectingLine)
        return m.LineChosen && e.controls.Button2.Enabled ? "Selecting, line on offer" : "Selecting";
    if (m.ReadyForCommand)
        return "Idle";
    return "?";
}

std::string buttonsOf(const ControlState& c)
{
    std::string out;
    for (const ButtonState* b : {&c.Button1, &c.Button2, &c.Button3, &c.Button4, &c.Cancel})
        out += (out.empty() ? "" : " | ") + std::string(b->Enabled ? "on " : "off ") + b->Caption;
    return out;
}

//  line 1:  (100,100)-----(200,150)-----(300,120); a click at (150,130) is
//  inside its box and nearest the middle of its first segment.
struct Transition {
    const char* name;
    std::function<void(StartedEditor&)> reach; // from the started editor to the mode under test
    std::function<void(StartedEditor&)> event;
    const char* mode;
    const char* prompt;
    const char* buttons;
};

const char* const Idle1 =
    "on Add a new line | on Modify a Line | off Done adding Line | off 4)  Delete_Right_No | off Cancel ";

void withLine(StartedEditor& t) { t.addLine({{100, 100}, {200, 150}, {300, 120}}); }
void selecting(StartedEditor& t)
{
    withLine(t);
    Button2Pressed(t.editor);
}
void onOffer(StartedEditor& t)
{
    selecting(t);
    t.tap(150, 130);
}
void editOrDelete(StartedEditor& t)
{
    onOffer(t);
    Button2Pressed(t.editor);
}
void pointEditing(StartedEditor& t)
{
    editOrDelete(t);
    Button3Pressed(t.editor);
}
void dragging(StartedEditor& t)
{
    pointEditing(t);
    t.tap(150, 130);
}
void press(void (*button)(Editor&), StartedEditor& t) { button(t.editor); }

const Transition Transitions[] = {
    {"idle, button 1 starts adding", [](StartedEditor&) {}, [](StartedEditor& t) { press(Button1Pressed, t); },
     "Adding", "Generating a new Line - click to add line points --> To finalize push 'Done adding Line`",
     "off Add a new line | off 2) Select_Un/Assign_Yes | on Done adding Line | off 4)  Delete_Right_No | on Cancel "},
    {"idle, button 2 starts selecting", withLine, [](StartedEditor& t) { press(Button2Pressed, t); }, "Selecting",
     "Click repeatedly in line area to find Line --> to finalize push `Select This line` button",
     "off Add a new line | off Select This Line | off Done adding Line | off 4)  Delete_Right_No | on Cancel "},
    {"adding, a click appends and stays", [](StartedEditor& t) { press(Button1Pressed, t); },
     [](StartedEditor& t) { t.tap(10, 10, 4); }, "Adding",
     "Generating a new Line - click to add line points --> To finalize push 'Done adding Line`",
     "off Add a new line | off 2) Select_Un/Assign_Yes | on Done adding Line | off 4)  Delete_Right_No | on Cancel "},
    {"adding, button 3 finishes", [](StartedEditor& t) { press(Button1Pressed, t); },
     [](StartedEditor& t) { press(Button3Pressed, t); }, "Idle", "waiting for your next activity",
     "on Add a new line | on Modify a Line | off Done adding Line | off 4)  Delete_Right_No | off Cancel "},
    {"adding, cancel discards", [](StartedEditor& t) { press(Button1Pressed, t); },
     [](StartedEditor& t) { press(CancelPressed, t); }, "Idle", "waiting for your next activity",
     "on Add a new line | off 2) Select_Un/Assign_Yes | off Done adding Line | off 4)  Delete_Right_No | off Cancel "},
    {"selecting, a click inside a line offers it", selecting, [](StartedEditor& t) { t.tap(150, 130); },
     "Selecting, line on offer",
     "Click repeatedly in line area to find Line --> to finalize push `Select This line` button",
     "off Add a new line | on Select this Line | off Done adding Line | off 4)  Delete_Right_No | on Cancel "},
    {"selecting, a click outside every line finds none", selecting, [](StartedEditor& t) { t.tap(500, 400); },
     "Selecting", "Click repeatedly in line area to find Line --> to finalize push `Select This line` button",
     "off Add a new line | off  -- --- -- | off Done adding Line | off 4)  Delete_Right_No | on Cancel "},
    {"line on offer, button 2 offers edit or delete", onOffer, [](StartedEditor& t) { press(Button2Pressed, t); },
     "Edit-or-delete", "Push `Edit a Point` button   OR  `Delete this Line` button",
     "off Add a new line | off Select this Line | on Edit a line point | on Delete this Line | on Cancel "},
    {"edit or delete, button 3 starts point editing", editOrDelete, [](StartedEditor& t) { press(Button3Pressed, t); },
     "Point editing",
     "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- Delete Pt: RIGHT_CLICK "
     "----- and  `done`",
     "off Add a new line | off Select this Line | on Done point editing | off Delete this Line | on Cancel "},
    {"edit or delete, button 4 deletes the line", editOrDelete, [](StartedEditor& t) { press(Button4Pressed, t); },
     "Idle", "Done Deleting a Line",
     "on Add a new line | off Select this Line | off Edit a line point | off Delete this Line | off Cancel "},
    {"edit or delete, a click withdraws the choice", editOrDelete, [](StartedEditor& t) { t.tap(150, 130); },
     "Selecting, line on offer", "Push `Edit a Point` button   OR  `Delete this Line` button",
     "off Add a new line | on Select this Line | on Edit a line point | on Delete this Line | on Cancel "},
    {"point editing, a left click picks a vertex up", pointEditing, [](StartedEditor& t) { t.tap(150, 130); },
     "Dragging",
     "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- Delete Pt: RIGHT_CLICK "
     "----- and  `done`",
     "off Add a new line | on Select this Line | on Done point editing | off Delete this Line | on Cancel "},
    {"point editing, button 3 ends it", pointEditing, [](StartedEditor& t) { press(Button3Pressed, t); }, "Idle",
     "Done with Pointing Editing",
     "on Add a new line | on Modify a Line | off Done point editing | off Delete this Line | off Cancel "},
    {"point editing, a click outside the line ends it", pointEditing, [](StartedEditor& t) { t.tap(500, 400); },
     "Selecting",
     "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- Delete Pt: RIGHT_CLICK "
     "----- and  `done`",
     "off Add a new line | off  -- --- -- | off Done point editing | off Delete this Line | on Cancel "},
    {"point editing, button 2 offers the line found by the last click",
     [](StartedEditor& t) {
         pointEditing(t);
         t.tap(150, 130, 2);
     },
     [](StartedEditor& t) { press(Button2Pressed, t); }, "Edit-or-delete",
     "Push `Edit a Point` button   OR  `Delete this Line` button",
     "off Add a new line | off Select this Line | on Edit a line point | on Delete this Line | on Cancel "},
    {"dragging, a click drops the vertex", dragging, [](StartedEditor& t) { t.tap(160, 130); }, "Point editing",
     "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- Delete Pt: RIGHT_CLICK "
     "----- and  `done`",
     "off Add a new line | on Select this Line | on Done point editing | off Delete this Line | on Cancel "},
    {"dragging, button 3 does nothing", dragging, [](StartedEditor& t) { press(Button3Pressed, t); }, "Dragging",
     "Move Pt: LEFT_CLICK, release, move, reclick ---- New Pt: LEFT_CLICK Between pts ---- Delete Pt: RIGHT_CLICK "
     "----- and  `done`",
     "off Add a new line | on Select this Line | on Done point editing | off Delete this Line | on Cancel "},
    {"selecting, cancel returns to idle", selecting, [](StartedEditor& t) { press(CancelPressed, t); }, "Idle",
     "waiting for your next activity", Idle1},
    {"edit or delete, cancel returns to idle", editOrDelete, [](StartedEditor& t) { press(CancelPressed, t); }, "Idle",
     "waiting for your next activity",
     "on Add a new line | on Modify a Line | off Edit a line point | off Delete this Line | off Cancel "},
    {"dragging, cancel returns to idle and ends the drag", dragging, [](StartedEditor& t) { press(CancelPressed, t); },
     "Idle", "waiting for your next activity",
     "on Add a new line | on Modify a Line | off Done point editing | off Delete this Line | off Cancel "},
};

// A failing row names itself rather than printing its bytes.
void PrintTo(const Transition& row, std::ostream* os) { *os << row.name; }

class EditModes : public ::testing::TestWithParam<Transition> {};

TEST_P(EditModes, TransitionShowsItsPromptAndButtons)
{
    const Transition& row = GetParam();
    StartedEditor t;
    row.reach(t);
    row.event(t);
    EXPECT_EQ(modeOf(t.editor), row.mode);
    EXPECT_EQ(t.editor.controls.UserMustSee, row.prompt);
    EXPECT_EQ(buttonsOf(t.editor.controls), row.buttons);
}

// "idle, button 1 starts adding" runs as EditModes/IdleButton1StartsAdding.
std::string rowName(const ::testing::TestParamInfo<Transition>& info)
{
    std::string name;
    bool capital = true;
    for (const char* c = info.param.name; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) {
            name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
            capital = false;
        } else {
            capital = true;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(, EditModes, ::testing::ValuesIn(Transitions), rowName);

class CommandButtons : public EditorTest {};

TEST_F(CommandButtons, StartUpLeavesTheDesignedCaptionsOfTheIdleButtons)
{
    EXPECT_EQ(buttonsOf(editor.controls),
              "on Add a new line | off 2) Select_Un/Assign_Yes | off 3)    Edit_Done | off 4)  Delete_Right_No | "
              "off Cancel ");
    EXPECT_EQ(editor.controls.UserMustSee, "waiting for your next activity");
    EXPECT_EQ(editor.controls.ConcludingInfo, "Concluding info  for user...");
    EXPECT_EQ(editor.controls.Label21, "Label21");
    EXPECT_EQ(editor.drawing.MarkerUnitY, editor.drawing.MarkerUnitX);
}

TEST_F(CommandButtons, FinishingALineReportsItInTheStatusLine)
{
    addLine({});
    EXPECT_EQ(editor.controls.ConcludingInfo, "Action completed... Done with creating a new Line");
    EXPECT_EQ(editor.store.CadLineCount, 1); // a line without vertices stays
}

TEST_F(CommandButtons, ReturnToIdleEndsPointEditingSoLaterClicksEditNothing)
{
    addLine({{100, 100}, {200, 150}, {300, 120}});
    Button2Pressed(editor);
    tap(150, 130);
    Button2Pressed(editor);
    Button3Pressed(editor);
    CancelPressed(editor);
    Button1Pressed(editor);
    tap(210, 140, 2); // a right click would have deleted a vertex of line 1
    EXPECT_EQ(lineVertices(1), (std::vector<std::pair<int, int>>{{100, 100}, {200, 150}, {300, 120}}));
    EXPECT_EQ(lineVertices(2), (std::vector<std::pair<int, int>>{{210, 140}}));
}

} // namespace
} // namespace vrex
