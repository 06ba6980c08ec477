// The Qt front on real widgets: start-up shows the windows, events reach the
// core, the core's captions reach the widgets.

#include "started_front.h"

#include "qt/front.h"
#include "qt/screen_fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vrex::qt {
namespace {

class QtFront : public ::testing::Test, protected testing::StartedFront {};

TEST_F(QtFront, StartUpShowsThePanelsThenTheMainWindowInFront)
{
    std::vector<std::string> order;
    for (const auto& w : front->shownWindows())
        order.push_back(w->objectName().toStdString());
    EXPECT_EQ(order, (std::vector<std::string>{"XSpick8frm", "CADmap8frm", "CADlistof8frm", "CAD8frm"}));
    EXPECT_FALSE(front->window("CADrenameAndYouSure8frm")->isVisible());
    EXPECT_FALSE(front->window("CAD_info_8frm")->isVisible());
    EXPECT_EQ(text("UserMustSee8lbl"), "waiting for your next activity");
    EXPECT_EQ(text("Button1_NewRenameLeft_8cbn"), "Add a new line");
    EXPECT_FALSE(front->findControl("Button2_SelectAssignUnassignYes_8cbn")->isEnabled());
}

TEST_F(QtFront, TheEditorKeepsWorkingAfterTheMapAndListWindowsAreClosed)
{
    front->window("CADmap8frm")->close();
    front->window("CADlistof8frm")->close();
    click("Button1_NewRenameLeft_8cbn");
    tapCanvas(30, 40);
    click("Button3_EditDone_8cbn");
    const PolylineStore& store = front->editor().store;
    ASSERT_EQ(store.CadLineCount, 1);
    EXPECT_EQ(store.CadPoints[store.CadLines[1].PointIds[1]].X, 30);
    EXPECT_EQ(text("Button2_SelectAssignUnassignYes_8cbn"), "Modify a Line");
    EXPECT_FALSE(front->window("CADmap8frm")->isVisible());
}

TEST_F(QtFront, OnlyTheWindowsWithACloseBoxClose)
{
    const struct {
        const char* window;
        bool closes;
    } cases[] = {{"CAD8frm", false}, {"XSpick8frm", false}, {"CADmap8frm", true}, {"CADlistof8frm", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.window);
        QWidget* w = front->window(c.window);
        EXPECT_EQ(w->close(), c.closes);
        EXPECT_EQ(w->isVisible(), !c.closes);
    }
    EXPECT_FALSE(front->ended());
    click("Button1_NewRenameLeft_8cbn");
    EXPECT_EQ(text("Button3_EditDone_8cbn"), "Done adding Line");
}

// The offscreen screen is 800 x 600: the main window and the cross-section
// panel are wider, so they start at its left edge; the others fit whole.
TEST_F(QtFront, EveryShownWindowOpensWhereItFitsTheScreen)
{
    for (const auto& w : front->shownWindows()) {
        SCOPED_TRACE(w->objectName().toStdString());
        const QRect area = w->screen()->availableGeometry();
        const QRect frame = w->frameGeometry();
        EXPECT_EQ(fitShift(frame, area), QPoint(0, 0));
        if (frame.width() <= area.width() && frame.height() <= area.height()) {
            EXPECT_TRUE(area.contains(frame));
        } else {
            EXPECT_EQ(frame.left(), area.left());
        }
    }
}

TEST_F(QtFront, APositionNoPixelCanHoldIsAFaultShownInThePromptLine)
{
    const double inf = std::numeric_limits<double>::infinity();
    const QPointF positions[] = {{inf, 5}, {5, -inf}, {std::nan(""), 5}, {1e300, 5}, {5, -1e20}};
    QWidget* window = front->window("CAD8frm");
    for (const QPointF at : positions) {
        SCOPED_TRACE(std::to_string(at.x()) + "," + std::to_string(at.y()));
        for (QWidget* target : {window, static_cast<QWidget*>(&front->canvas())}) {
            QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(target, &move);
            EXPECT_EQ(text("UserMustSee8lbl"), "Run-time error: Overflow");
            front->editor().controls.UserMustSee = "cleared";
        }
    }
    click("Button1_NewRenameLeft_8cbn");
    tapCanvas(30, 40);
    EXPECT_EQ(front->editor().store.CadLines[1].PointCount, 1);
}

TEST_F(QtFront, ADisabledButtonIgnoresTheClick)
{
    click("Button4_DeleteRightNo_8cbn");
    click("Button_Cancel8cbn");
    EXPECT_EQ(text("UserMustSee8lbl"), "waiting for your next activity");
    click("END8cbn");
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(front->ended());
}

} // namespace
} // namespace vrex::qt
