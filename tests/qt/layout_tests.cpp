// The form builder on real widgets: every window of every layout table comes
// out with its controls named, placed, captioned and coloured as designed.

#include "qt/form_builder.h"
#include "qt/layout_color.h"
#include "qt/line_control.h"
#include "qt/picture_canvas.h"
#include "windows/layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace vrex::qt {
namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

std::unique_ptr<QWidget> build(const WindowLayout& layout, PictureCanvas* canvas = nullptr)
{
    return std::unique_ptr<QWidget>(buildWindow(layout, canvas));
}

// The widget class that stands for each kind.
bool isOfKind(QWidget* w, ControlKind kind)
{
    switch (kind) {
    case ControlKind::CommandButton: return qobject_cast<QPushButton*>(w);
    case ControlKind::Label: {
        auto* label = qobject_cast<QLabel*>(w);
        return label && label->pixmap().isNull();
    }
    case ControlKind::TextBox: return qobject_cast<QLineEdit*>(w);
    case ControlKind::ComboBox: {
        auto* combo = qobject_cast<QComboBox*>(w);
        return combo && combo->isEditable();
    }
    case ControlKind::ListBox: {
        auto* list = qobject_cast<QListView*>(w);
        return list && (!list->model() || list->model()->rowCount() == 0) &&
               list->selectionMode() == QAbstractItemView::SingleSelection;
    }
    case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(w);
    case ControlKind::OptionButton: return qobject_cast<QRadioButton*>(w);
    case ControlKind::Image: {
        auto* label = qobject_cast<QLabel*>(w);
        return label && !label->pixmap().isNull();
    }
    case ControlKind::Shape: {
        auto* frame = qobject_cast<QFrame*>(w);
        return frame && !qobject_cast<QLabel*>(w) && frame->frameShape() == QFrame::Box && frame->lineWidth() == 1 &&
               !frame->autoFillBackground();
    }
    case ControlKind::Line: return dynamic_cast<LineControl*>(w);
    case ControlKind::PictureBox: {
        auto* frame = qobject_cast<QFrame*>(w);
        return frame && frame->frameShadow() == QFrame::Sunken;
    }
    }
    return false;
}

QString shownText(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    return QString();
}

QString expectedText(const ControlLayout& c)
{
    QString text = qs(c.caption);
    // QLabel has no mnemonics, so it must hold the caption as displayed;
    // buttons keep "&&" and Qt shows one "&".
    if (c.kind == ControlKind::Label)
        text.replace("&&", "&");
    return text;
}

// A family without the " [foundry]" the font system adds where several
// foundries make a face of that name.
QString bareFamily(const QString& family) { return family.section(" [", 0, 0); }

// The face a control asking for the designed face gets: the first installed
// of it and its metric look-alikes, whatever foundry each is listed with,
// else the platform's sans serif.
QString expectedFace(const QString& designed, double size, bool bold)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& face : {designed, QString("Microsoft Sans Serif"), QString("Arial"), QString("Liberation Sans"),
                                QString("Nimbus Sans")})
        for (const QString& listed : installed)
            if (bareFamily(listed).compare(face, Qt::CaseInsensitive) == 0)
                return bareFamily(listed);
    QFont fallback;
    fallback.setStyleHint(QFont::SansSerif);
    fallback.setPointSizeF(size);
    fallback.setBold(bold);
    return bareFamily(QFontInfo(fallback).family());
}

TEST(FormBuilder, EveryWindowHoldsEveryControlOfItsTableAsDesigned)
{
    for (const WindowLayout* layout : allWindowLayouts()) {
        SCOPED_TRACE(std::string(layout->name));
        auto canvas = layout->name == "CAD8frm" ? new PictureCanvas : nullptr;
        auto window = build(*layout, canvas);

        EXPECT_EQ(window->objectName(), qs(layout->name));
        EXPECT_EQ(window->windowTitle(), qs(layout->caption));
        EXPECT_TRUE(window->isWindow());
        EXPECT_EQ(window->geometry(), pixelRect(layout->left, layout->top, layout->width, layout->height));
        const Qt::WindowFlags flags = window->windowFlags();
        switch (layout->border) {
        case WindowBorder::FixedNoControlBox:
            EXPECT_EQ(window->minimumSize(), window->size());
            EXPECT_EQ(window->maximumSize(), window->size());
            EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
            EXPECT_TRUE(flags & Qt::WindowTitleHint);
            EXPECT_FALSE(flags & (Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
            break;
        case WindowBorder::Sizable:
            EXPECT_NE(window->minimumSize(), window->maximumSize());
            EXPECT_FALSE(flags & Qt::CustomizeWindowHint); // the full set of title-bar buttons
            break;
        case WindowBorder::SizableCloseOnly:
            EXPECT_NE(window->minimumSize(), window->maximumSize());
            EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
            EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
            EXPECT_FALSE(flags & Qt::WindowMinMaxButtonsHint);
            break;
        }
        if (layout->backColor != DefaultColor) {
            EXPECT_TRUE(window->autoFillBackground());
            EXPECT_EQ(window->palette().color(QPalette::Window), layoutColor(layout->backColor, QPalette()));
        }

        // Nothing more than the table: every direct child is one of its controls.
        EXPECT_EQ(window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
                  qsizetype(layout->controls.size()));

        for (const ControlLayout& c : layout->controls) {
            SCOPED_TRACE(std::string(c.name));
            QWidget* w = findControl(window.get(), qs(c.name));
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->parentWidget(), window.get());
            EXPECT_TRUE(isOfKind(w, c.kind));
            EXPECT_EQ(shownText(w), expectedText(c));
            if (c.kind == ControlKind::Line) {
                auto* line = dynamic_cast<LineControl*>(w);
                ASSERT_NE(line, nullptr);
                const QPoint from(c.left / 15, c.top / 15), to(c.width / 15, c.height / 15);
                EXPECT_EQ(line->from(), from);
                EXPECT_EQ(line->to(), to);
                EXPECT_EQ(line->lineWidth(), c.lineWidth);
                EXPECT_TRUE(w->geometry().contains(from) && w->geometry().contains(to));
            } else {
                EXPECT_EQ(w->geometry(), pixelRect(c.left, c.top, c.width, c.height));
            }
            EXPECT_EQ(w->isEnabled(), c.enabled);
            EXPECT_EQ(w->property("tag").toString(), qs(c.tag));
            if (c.kind == ControlKind::Label && c.backColor != DefaultColor) {
                EXPECT_TRUE(w->autoFillBackground());
                EXPECT_EQ(w->palette().color(QPalette::Window), layoutColor(c.backColor, QPalette()));
            }
            if (c.kind == ControlKind::CheckBox) {
                EXPECT_EQ(w->layoutDirection(), c.boxAtRight ? Qt::RightToLeft : Qt::LeftToRight);
            }
            if (!c.fontName.empty()) {
                EXPECT_DOUBLE_EQ(w->font().pointSizeF(), c.fontSize);
                EXPECT_EQ(w->font().bold(), c.bold);
                EXPECT_EQ(bareFamily(QFontInfo(w->font()).family()).toLower(),
                          expectedFace(qs(c.fontName), c.fontSize, c.bold).toLower());
            }
        }
        if (canvas) {
            EXPECT_EQ(findControl(window.get(), "CAD8pic"), canvas);
        }
    }
}

// The text as painted when mnemonics are processed, the way buttons draw it.
QImage painted(const QString& text, int flags)
{
    QImage image(200, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), flags, text);
    return image;
}

TEST(FormBuilder, DoubledAmpersandShowsAsOneAndMakesNoAccessKey)
{
    auto panel = build(crossSectionLayout());
    auto* end = qobject_cast<QPushButton*>(findControl(panel.get(), "End8cbn"));
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end->text(), "Write && End");
    EXPECT_TRUE(QKeySequence::mnemonic(end->text()).isEmpty());
    EXPECT_EQ(painted(end->text(), Qt::TextShowMnemonic), painted("Write & End", 0));

    auto* label = qobject_cast<QLabel*>(findControl(panel.get(), "Label10"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), nullptr); // so QLabel draws its text literally
    EXPECT_EQ(label->text(), "Calculate & Plotting");
}

TEST(FormBuilder, UnitCombosOfferTheFiveUnitsWithNoneChosenAndShowTheirText)
{
    auto map = build(mapLayout());
    const QStringList units{"feet", "meters", "lat/long", "estimated feet from lat/long",
                            "estimated meters from lat/long"};
    for (const auto& [name, text] : {std::pair{"Combo1", "pick units"}, std::pair{"Combo2", "cross sections"}}) {
        SCOPED_TRACE(name);
        auto* combo = qobject_cast<QComboBox*>(findControl(map.get(), name));
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        EXPECT_EQ(items, units);
        EXPECT_EQ(combo->currentIndex(), -1);
        EXPECT_EQ(combo->currentText(), text);
    }
}

TEST(FormBuilder, AxisCaptionImagesShowDarkTurnedTextOnThePanelColourAtTheControlsSize)
{
    struct Case {
        const WindowLayout& layout;
        const char* name;
        QSize size;
    };
    const Case cases[] = {
        {mainWindowLayout(), "Image2", QSize(19, 91)},
        {mapLayout(), "Image1", QSize(19, 89)},
        {mapLayout(), "Image2", QSize(18, 69)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto window = build(c.layout);
        auto* label = qobject_cast<QLabel*>(findControl(window.get(), c.name));
        ASSERT_NE(label, nullptr);
        const QImage image = label->pixmap().toImage();
        EXPECT_EQ(image.size(), c.size);

        const QColor panel = layoutColor(PanelColor, QPalette());
        EXPECT_EQ(image.pixelColor(0, 0), panel);
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 96)
                    ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isNull()) << "no dark text";
        // Turned text runs along the height.
        EXPECT_GT(ink.height(), 3 * ink.width());
        EXPECT_GT(ink.height(), image.height() / 2);
        // The whole caption fits: no ink at either end of its run.
        EXPECT_GT(ink.top(), 0);
        EXPECT_LT(ink.bottom(), image.height() - 1);
    }
}

} // namespace
} // namespace vrex::qt
