// The main window's keys on real widgets: each clicks its button once,
// whatever control has the focus, and only while the button is enabled.

#include "started_front.h"

#include "qt/front.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace vrex::qt {
namespace {

class Keys : public ::testing::Test, protected testing::StartedFront {
protected:
    QAbstractButton* button(const char* name) const { return qobject_cast<QAbstractButton*>(front->findControl(name)); }

    QString status() const { return qobject_cast<QLabel*>(front->findControl("ConcludingInfoToUser8lbl"))->text(); }

    // Types on whatever has the focus, as a user does.
    void type(const QKeySequence& keys)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keySequence(focus ? focus : main, keys);
        QApplication::processEvents();
    }

    // Line 1 chosen and offered for editing or deleting.
    void offerALine()
    {
        QTest::mouseClick(button("Button1_NewRenameLeft_8cbn"), Qt::LeftButton);
        tapCanvas(100, 100);
        tapCanvas(200, 150);
        QTest::mouseClick(button("Button3_EditDone_8cbn"), Qt::LeftButton);
        QTest::mouseClick(button("Button2_SelectAssignUnassignYes_8cbn"), Qt::LeftButton);
        tapCanvas(150, 120);
        QTest::mouseClick(button("Button2_SelectAssignUnassignYes_8cbn"), Qt::LeftButton);
        ASSERT_TRUE(front->editor().modes.EditOrDeletePending);
    }

    QWidget* main = front->window("CAD8frm");
};

// In edit-or-delete, button 3 starts point editing; a second click would end
// it again, so one click is told from two.
TEST_F(Keys, EachKeyOfButton3ClicksItOnceWhateverHasTheFocus)
{
    struct Case {
        const char* key;
        const char* focus; // a control of the main window, or none
    };
    for (const Case& c : {Case{"Return", "Button4_DeleteRightNo_8cbn"}, Case{"Enter", "Button_Cancel8cbn"},
                          Case{"3", "List1"}, Case{"Return", "List5"}, Case{"3", nullptr}}) {
        SCOPED_TRACE(std::string(c.key) + " on " + (c.focus ? c.focus : "the window"));
        front = nullptr;
        front = std::make_unique<Front>(Services{});
        front->start();
        QApplication::processEvents();
        main = front->window("CAD8frm");
        offerALine();
        QWidget* target = c.focus ? front->findControl(c.focus) : nullptr;
        if (target)
            target->setFocus();
        else if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();
        ASSERT_EQ(QApplication::focusWidget(), target);
        QSignalSpy clicks(button("Button3_EditDone_8cbn"), &QAbstractButton::clicked);
        QSignalSpy deleteClicks(button("Button4_DeleteRightNo_8cbn"), &QAbstractButton::clicked);
        QSignalSpy cancelClicks(button("Button_Cancel8cbn"), &QAbstractButton::clicked);
        type(QKeySequence(c.key));
        EXPECT_EQ(clicks.count(), 1);
        EXPECT_EQ(deleteClicks.count() + cancelClicks.count(), 0);
        EXPECT_TRUE(front->editor().modes.PointEditing);
    }
}

TEST_F(Keys, AKeyDoesNothingWhileItsButtonIsDisabled)
{
    QSignalSpy clicks(button("Button4_DeleteRightNo_8cbn"), &QAbstractButton::clicked);
    type(QKeySequence("4"));
    type(QKeySequence("Del"));
    type(QKeySequence("Esc"));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(front->editor().modes.ReadyForCommand);
    EXPECT_EQ(status(), "Concluding info  for user...");
}

TEST_F(Keys, DigitsDeleteAndEscapeClickTheirButtons)
{
    offerALine();
    button("Button_Cancel8cbn")->setFocus();
    type(QKeySequence("Del"));
    EXPECT_EQ(front->editor().store.CadLineCount, 0);
    type(QKeySequence("1"));
    EXPECT_TRUE(front->editor().modes.AddingLine);
    type(QKeySequence("Esc"));
    EXPECT_FALSE(front->editor().modes.AddingLine);
    EXPECT_TRUE(front->editor().modes.ReadyForCommand);
}

TEST_F(Keys, UndoAndRedoKeysReachTheHistory)
{
    type(QKeySequence("Ctrl+Z"));
    EXPECT_EQ(status(), "Nothing to undo");
    type(QKeySequence("1"));
    tapCanvas(30, 40);
    type(QKeySequence("Return"));
    ASSERT_EQ(front->editor().store.CadLineCount, 1);
    type(QKeySequence("Ctrl+Z"));
    EXPECT_EQ(front->editor().store.CadLineCount, 0);
    EXPECT_FALSE(button("Button2_SelectAssignUnassignYes_8cbn")->isEnabled());
    for (const char* redo : {"Ctrl+Shift+Z", "Ctrl+Y"}) {
        type(QKeySequence("Ctrl+Z"));
        type(QKeySequence(redo));
        EXPECT_EQ(status(), "Redone") << redo;
        EXPECT_EQ(front->editor().store.CadLineCount, 1) << redo;
    }
}

// The keys belong to the main window: typed on another window they do nothing.
TEST_F(Keys, KeysTypedOnAnotherWindowDoNothing)
{
    QWidget* panel = front->window("XSpick8frm");
    panel->activateWindow();
    QApplication::setActiveWindow(panel);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), panel);
    type(QKeySequence("1"));
    EXPECT_TRUE(front->editor().modes.ReadyForCommand);
    EXPECT_FALSE(front->editor().modes.AddingLine);
}

TEST_F(Keys, EachButtonsToolTipNamesItsKeys)
{
    const std::pair<const char*, const char*> tips[] = {
        {"Button1_NewRenameLeft_8cbn", "Key: 1"},
        {"Button2_SelectAssignUnassignYes_8cbn", "Key: 2"},
        {"Button3_EditDone_8cbn", "Keys: 3, Return or Enter"},
        {"Button4_DeleteRightNo_8cbn", "Keys: 4 or Delete"},
        {"Button_Cancel8cbn", "Key: Esc"},
    };
    for (const auto& [control, tip] : tips)
        EXPECT_EQ(button(control)->toolTip().toStdString(), tip) << control;
}

} // namespace
} // namespace vrex::qt
