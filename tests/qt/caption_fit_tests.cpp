// Every caption on the four shown windows reads whole in the face its widget
// really uses, whichever faces the machine has: a label's text wrapped inside
// its box, a button's caption inside its bevel, a check box's or option
// button's indicator, spacing and caption side by side. Captions the program
// gives the main window later are walked through the real widgets too.

#include "started_front.h"

#include "qt/front.h"
#include "qt/wrapping_push_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace vrex::qt {
namespace {

// Boxes too small for their caption in any face with the look-alikes'
// widths (the designed face is narrower), so no installed face mends them.
const std::map<QString, const char*> CutByDesign = {
    {"CAD8frm/UserMustSee8lbl", "the prompt line runs past the window's right edge by design"},
    {"XSpick8frm/Label5", "one line high, 79 px wide; \"bottom boundary\" needs 82"},
    {"XSpick8frm/Check15", "100 px wide; the indicator, spacing and \"Test Slip surface\" need 101"},
    {"CADmap8frm/Label13", "runs past the map window's right edge; the 164 px inside are short of the caption's 169"},
    {"CADmap8frm/Check2", "166 px wide; the indicator, spacing and \"lock projected CPT to sections\" need 169"},
};

QString describe(const QRect& r)
{
    return QString("%1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// Why control's caption does not show whole, or an empty string. Rectangles
// are in the window's coordinates; only the part inside the window shows.
QString whyCut(QWidget* control)
{
    QWidget* window = control->parentWidget();
    const QRect shown = control->geometry().intersected(window->rect());
    const QFontMetrics metrics(control->font());
    const auto notInside = [&](const QRect& area, int flags, const QString& text) -> QString {
        const QRect needed = metrics.boundingRect(area, flags, text);
        if (shown.intersected(area).contains(needed))
            return {};
        return QString("\"%1\" needs %2, shows in %3").arg(text, describe(needed), describe(shown.intersected(area)));
    };

    if (auto* button = dynamic_cast<WrappingPushButton*>(control)) {
        if (button->text().isEmpty())
            return {};
        return notInside(button->captionRect().translated(button->pos()), button->captionFlags(), button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(control); label && label->pixmap().isNull()) {
        if (label->text().isEmpty())
            return {};
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return notInside(label->contentsRect().translated(label->pos()), flags, label->text());
    }
    if (auto* box = qobject_cast<QAbstractButton*>(control);
        box && (qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box))) {
        const bool option = qobject_cast<QRadioButton*>(box) != nullptr;
        QStyleOption style;
        style.initFrom(box);
        const auto metric = [&](QStyle::PixelMetric m) { return box->style()->pixelMetric(m, &style, box); };
        const int indicator = metric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth);
        const int spacing = metric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
        // The caption runs beside the indicator on one line; the indicator
        // is the style's and may be a pixel taller than a designed box.
        const QSize caption = metrics.size(Qt::TextShowMnemonic, box->text());
        const QSize needed(indicator + spacing + caption.width(), caption.height());
        if (needed.width() <= shown.width() && needed.height() <= shown.height())
            return {};
        return QString("\"%1\" needs %2x%3, shows in %4")
            .arg(box->text())
            .arg(needed.width())
            .arg(needed.height())
            .arg(describe(shown));
    }
    return {}; // edit fields, lists and pictures carry no caption to cut
}

// Every cut caption of the window's controls that lie in its client area,
// but those cut by design.
QStringList cutCaptions(QWidget* window)
{
    QStringList cuts;
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control->isHidden() || !control->geometry().intersects(window->rect()))
            continue;
        const QString name = window->objectName() + "/" + control->objectName();
        if (CutByDesign.count(name))
            continue;
        if (const QString why = whyCut(control); !why.isEmpty())
            cuts << name + ": " + why;
    }
    return cuts;
}

class CaptionFit : public ::testing::Test, protected testing::StartedFront {};

TEST_F(CaptionFit, EveryCaptionOfTheShownWindowsShowsWholeAtStartUp)
{
    ASSERT_EQ(front->shownWindows().size(), 4u);
    for (const auto& window : front->shownWindows()) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QStringList cuts = cutCaptions(window);
        EXPECT_TRUE(cuts.isEmpty()) << cuts.size() << " cut:\n" << cuts.join("\n").toStdString();
    }
}

TEST_F(CaptionFit, EveryCaptionTheMainWindowTakesWhileEditingShowsWhole)
{
    QWidget* main = front->window("CAD8frm");
    const auto expectWhole = [&](const char* state) {
        SCOPED_TRACE(state);
        const QStringList cuts = cutCaptions(main);
        EXPECT_TRUE(cuts.isEmpty()) << cuts.size() << " cut:\n" << cuts.join("\n").toStdString();
    };
    click("Button1_NewRenameLeft_8cbn");
    expectWhole("adding a line");
    tapCanvas(100, 100);
    tapCanvas(300, 200);
    click("Button3_EditDone_8cbn");
    expectWhole("a line added");
    click("Button2_SelectAssignUnassignYes_8cbn");
    expectWhole("choosing a line");
    tapCanvas(200, 150);
    expectWhole("a line found");
    click("Button2_SelectAssignUnassignYes_8cbn");
    expectWhole("a line chosen");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(front->findControl("Button4_DeleteRightNo_8cbn"))->text(),
              "Delete this Line");
    click("Button3_EditDone_8cbn");
    expectWhole("editing its points");
    EXPECT_EQ(qobject_cast<QAbstractButton*>(front->findControl("Button3_EditDone_8cbn"))->text(),
              "Done point editing");
}

} // namespace
} // namespace vrex::qt
