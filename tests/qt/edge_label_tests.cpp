// The edge labels never cut their numbers: at start-up and after zooms, on
// the real main window, and where the window's edge stops a label.

#include "started_front.h"

#include "qt/edge_label.h"
#include "qt/form_builder.h"
#include "qt/front.h"
#include "windows/layout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vrex::qt {
namespace {

enum class Kept { Left, Right };
struct EdgeCase {
    const char* name;
    std::string ControlState::*text;
    Kept kept;
};
const EdgeCase EdgeLabels[] = {
    {"CADleft8lbl", &ControlState::CADleft, Kept::Left},
    {"CADright8lbl", &ControlState::CADright, Kept::Right},
    {"CADtop8lbl", &ControlState::CADtop, Kept::Right},
    {"CADbotton8lbl", &ControlState::CADbotton, Kept::Right},
};

// The designed box, the part inside the window only (one starts left of it).
QRect designed(const char* name, const QWidget* window)
{
    for (const ControlLayout& c : mainWindowLayout().controls)
        if (c.name == name)
            return QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15).intersected(window->rect());
    return {};
}

int layoutFlags(const QLabel& label) { return int(label.alignment()) | Qt::TextWordWrap; }

// How tall the label lays text out at its present width.
int laidOutHeight(const QLabel& label, const QString& text)
{
    return label.fontMetrics()
        .boundingRect(QRect(0, 0, label.contentsRect().width(), 1000), layoutFlags(label), text)
        .height();
}

// The whole text shows, its number on one line, the label inside the window.
void expectWholeNumber(const QLabel& label)
{
    SCOPED_TRACE(label.objectName().toStdString() + " \"" + label.text().toStdString() + "\"");
    const QString text = label.text();
    const QRect area = label.contentsRect();
    EXPECT_TRUE(area.contains(label.fontMetrics().boundingRect(area, layoutFlags(label), text)))
        << "text needs more than " << area.width() << "x" << area.height();
    const QString number = text.section(' ', 0, 0);
    EXPECT_EQ(laidOutHeight(label, number), laidOutHeight(label, "0")) << "the number breaks";
    EXPECT_LE(label.fontMetrics().horizontalAdvance(number), area.width()) << "the number is cut";
    EXPECT_TRUE(label.parentWidget()->rect().contains(label.geometry()));
}

void expectKeptSide(const QLabel& label, Kept kept)
{
    const QRect home = designed(label.objectName().toUtf8().constData(), label.parentWidget());
    if (kept == Kept::Left)
        EXPECT_EQ(label.geometry().left(), home.left()) << label.objectName().toStdString();
    else
        EXPECT_EQ(label.geometry().right(), home.right()) << label.objectName().toStdString();
}

class EdgeLabelsOnTheMainWindow : public ::testing::Test, protected testing::StartedFront {
protected:
    QLabel& label(const char* name) { return *qobject_cast<QLabel*>(front->findControl(name)); }

    void zoomAt(int x, int y)
    {
        QTest::mouseClick(front->findControl("zoomInBox_8cbn"), Qt::LeftButton);
        const QPoint at = QPoint(x, y) + front->canvas().drawingArea().topLeft();
        QTest::mouseClick(&front->canvas(), Qt::LeftButton, Qt::NoModifier, at);
    }

    void expectEveryEdgeLabelWhole()
    {
        for (const EdgeCase& e : EdgeLabels) {
            const QLabel& shown = label(e.name);
            // The text is the core's, unchanged; only the box fits it.
            EXPECT_EQ(shown.text().toStdString(), front->editor().controls.*(e.text));
            expectWholeNumber(shown);
            expectKeptSide(shown, e.kept);
        }
    }
};

TEST_F(EdgeLabelsOnTheMainWindow, ShowTheirWholeNumbersAtStartUpAndAfterEachZoom)
{
    expectEveryEdgeLabelWhole();
    const QString before = label("CADright8lbl").text();
    for (const int at : {10, 40, 60, 80}) {
        SCOPED_TRACE("zoomed at " + std::to_string(at));
        zoomAt(at, at);
        expectEveryEdgeLabelWhole();
    }
    // The zooms took and made the numbers longer.
    EXPECT_GT(label("CADright8lbl").text().size(), before.size());
}

class EdgeLabelAtTheWindowsEdge : public ::testing::Test {
protected:
    EdgeLabelAtTheWindowsEdge() : window(buildWindow(mainWindowLayout()))
    {
        top = qobject_cast<QLabel*>(findControl(window.get(), "CADtop8lbl"));
    }

    // The largest font in which number still fits between the window's left
    // edge and the top label's kept right side.
    QFont largestFittingBeside(const QString& number) const
    {
        const int room = designed("CADtop8lbl", window.get()).right() + 1;
        QFont font = top->font();
        int pixels = 8;
        for (;; ++pixels) {
            font.setPixelSize(pixels + 1);
            if (QFontMetrics(font).horizontalAdvance(number) + 2 > room)
                break;
        }
        font.setPixelSize(pixels);
        return font;
    }

    std::unique_ptr<QWidget> window;
    QLabel* top = nullptr;
};

TEST_F(EdgeLabelAtTheWindowsEdge, WrapsTheUnitBelowTheWholeNumberAndGrowsToShowIt)
{
    top->setFont(largestFittingBeside("126.604"));
    top->setText("126.604 ft");
    fitEdgeLabel(*top);
    expectWholeNumber(*top);
    expectKeptSide(*top, Kept::Right);
    EXPECT_EQ(top->geometry().left(), 0);
    EXPECT_GT(laidOutHeight(*top, top->text()), laidOutHeight(*top, "0")) << "the unit should wrap below";
    EXPECT_GE(top->height(), laidOutHeight(*top, top->text()));

    // A shorter text takes the designed box again.
    top->setText("1 ft");
    fitEdgeLabel(*top);
    EXPECT_EQ(top->geometry(), designed("CADtop8lbl", window.get()));
}

TEST_F(EdgeLabelAtTheWindowsEdge, KeepsANumberWiderThanTheRoomWholeInsideTheWindow)
{
    QFont huge = top->font();
    huge.setPixelSize(40);
    top->setFont(huge);
    top->setText("-12345.678 ft");
    fitEdgeLabel(*top);
    expectWholeNumber(*top);
    EXPECT_EQ(top->geometry().left(), 0);
}

TEST_F(EdgeLabelAtTheWindowsEdge, LeavesOtherLabelsAsDesigned)
{
    auto* prompt = qobject_cast<QLabel*>(findControl(window.get(), "ConcludingInfoToUser8lbl"));
    ASSERT_NE(prompt, nullptr);
    const QRect before = prompt->geometry();
    prompt->setText(QString(200, 'x'));
    fitEdgeLabel(*prompt);
    EXPECT_EQ(prompt->geometry(), before);
}

} // namespace
} // namespace vrex::qt
