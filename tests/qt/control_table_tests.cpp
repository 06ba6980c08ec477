// The core's one table of controls on the real windows: every row finds its
// widget, shows its part of the control state and runs its click handler.

#include "started_front.h"

#include "export/cad_export.h"
#include "qt/bound_control.h"
#include "qt/front.h"
#include "shell/control_table.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace vrex::qt {
namespace {

std::string nameOf(const ControlBinding& row) { return std::string(row.window) + "/" + std::string(row.control); }

// A started front whose drawing can be brought to a state by real clicks.
struct StartedFront : testing::StartedFront {
    QAbstractButton* buttonOf(const ControlBinding& row) { return bindControl(front->window(row.window), row).button; }
};

TEST(ControlTable, AWindowLackingARowsControlIsAFault)
{
    const ControlBinding buttonRow{
        .window = MainWindowName, .control = "Button1_NewRenameLeft_8cbn", .button = &ControlState::Button1};
    const ControlBinding labelRow{
        .window = MainWindowName, .control = "UserMustSee8lbl", .text = &ControlState::UserMustSee};
    QWidget window;
    EXPECT_THROW(bindControl(&window, buttonRow), std::logic_error);
    EXPECT_THROW(bindControl(nullptr, buttonRow), std::logic_error);

    // A widget of the other kind under the name is no better than none.
    auto* label = new QLabel(&window);
    label->setObjectName("Button1_NewRenameLeft_8cbn");
    try {
        bindControl(&window, buttonRow);
        ADD_FAILURE() << "a label was taken for a button";
    } catch (const std::logic_error& fault) {
        EXPECT_STREQ(fault.what(), "CAD8frm has no Button1_NewRenameLeft_8cbn button");
    }
    auto* button = new QPushButton(&window);
    button->setObjectName("UserMustSee8lbl");
    EXPECT_THROW(bindControl(&window, labelRow), std::logic_error);
}

TEST(ControlTable, EveryStateRowShowsItsPartOfTheControlState)
{
    StartedFront started;
    ControlState& controls = started.front->editor().controls;
    int probe = 0;
    for (const ControlBinding& row : controlTable()) {
        if (row.button) {
            ButtonState& state = controls.*(row.button);
            state = {"probe " + std::to_string(++probe), !state.Enabled};
        } else if (row.text) {
            controls.*(row.text) = "probe " + std::to_string(++probe);
        }
    }
    // A click that changes nothing still copies the control state onto the widgets.
    started.click("ZoomOut_8cbn");

    for (const ControlBinding& row : controlTable()) {
        SCOPED_TRACE(nameOf(row));
        const BoundControl bound = bindControl(started.front->window(row.window), row);
        if (row.button) {
            const ButtonState& state = controls.*(row.button);
            EXPECT_EQ(bound.button->text().toStdString(), state.Caption);
            EXPECT_EQ(bound.button->isEnabled(), state.Enabled);
        } else if (row.text) {
            EXPECT_EQ(bound.label->text().toStdString(), controls.*(row.text));
        }
    }
}

//  line 1: (100,100)-----(200,150)-----(300,120); (150,130) lies in its box.
void idleWithALine(StartedFront& s)
{
    s.click("Button1_NewRenameLeft_8cbn");
    s.tapCanvas(100, 100);
    s.tapCanvas(200, 150);
    s.tapCanvas(300, 120);
    s.click("Button3_EditDone_8cbn");
}
void addingALine(StartedFront& s)
{
    idleWithALine(s);
    s.click("Button1_NewRenameLeft_8cbn");
    s.tapCanvas(40, 300);
}
void editOrDelete(StartedFront& s)
{
    idleWithALine(s);
    s.click("Button2_SelectAssignUnassignYes_8cbn");
    s.tapCanvas(150, 130);
    s.click("Button2_SelectAssignUnassignYes_8cbn");
}

// A click on each row's enabled widget leaves the core as a direct call of the
// row's handler does, from states in which the handlers differ.
TEST(ControlTable, EveryClickRowRunsItsHandler)
{
    const std::pair<const char*, std::function<void(StartedFront&)>> states[] = {
        {"idle with a line", idleWithALine}, {"adding a line", addingALine}, {"edit or delete", editOrDelete}};
    for (const ControlBinding& row : controlTable()) {
        if (!row.click)
            continue;
        int clicked = 0;
        for (const auto& [stateName, reach] : states) {
            SCOPED_TRACE(nameOf(row) + " in " + stateName);
            StartedFront byClick;
            StartedFront byCall;
            reach(byClick);
            reach(byCall);
            QAbstractButton* button = byClick.buttonOf(row);
            if (!button->isEnabled())
                continue; // a disabled control ignores the click
            ++clicked;
            QTest::mouseClick(button, Qt::LeftButton);
            row.click(byCall.front->editor());

            const Editor& a = byClick.front->editor();
            const Editor& b = byCall.front->editor();
            EXPECT_EQ(a.controls, b.controls);
            EXPECT_EQ(a.modes, b.modes);
            EXPECT_EQ(a.zoom, b.zoom);
            EXPECT_EQ(buildCadExportText(a.store), buildCadExportText(b.store));
            EXPECT_EQ(byClick.ends, byCall.ends);
        }
        EXPECT_GT(clicked, 0) << nameOf(row) << " was never enabled";
    }
}

} // namespace
} // namespace vrex::qt
