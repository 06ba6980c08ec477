#include "qt/form_builder.h"

#include "qt/layout_color.h"
#include "qt/line_control.h"
#include "qt/turned_caption.h"
#include "qt/wrapping_push_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace vrex::qt {

namespace {

using vrex::ControlKind;
using vrex::ControlLayout;
using vrex::WindowLayout;

constexpr vrex::LayoutColor ButtonFace = 0x8000000Fu;

int pixels(int twips) { return twips / vrex::TwipsPerPixel; }

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

Qt::Alignment horizontal(vrex::Alignment alignment)
{
    switch (alignment) {
    case vrex::Alignment::Right: return Qt::AlignRight;
    case vrex::Alignment::Center: return Qt::AlignHCenter;
    case vrex::Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

// The forms were laid out for this face and size; where it is missing, the
// nearest metric match keeps the captions inside their controls.
constexpr std::string_view DesignFontName = "MS Sans Serif";
constexpr double DesignFontSize = 8.25;

// A family as the font system lists it, without the " [foundry]" it adds
// when more than one foundry makes a face of that name.
QString bareFamily(const QString& listed)
{
    const qsizetype bracket = listed.indexOf(QStringLiteral(" ["));
    return bracket >= 0 && listed.endsWith(QLatin1Char(']')) ? listed.left(bracket) : listed;
}

// Of the designed face and its metric look-alikes, those installed, in that
// order, each asked for as the font system lists it (with its foundry, where
// it names one). A face that is missing sends the font system through its
// fallbacks again for every size and weight asked for; with none installed,
// the platform's sans serif serves.
QStringList installedFamilies(std::string_view family)
{
    static QHash<QString, QStringList> resolved;
    const QString name = qs(family);
    auto it = resolved.constFind(name);
    if (it == resolved.constEnd()) {
        const QStringList installed = QFontDatabase::families();
        QStringList found;
        for (const QString& candidate : {name, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                         QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")})
            for (const QString& listed : installed)
                if (bareFamily(listed).compare(candidate, Qt::CaseInsensitive) == 0 && !found.contains(listed))
                    found << listed;
        it = resolved.insert(name, found);
    }
    return *it;
}

QFont designFont(std::string_view family, double size, bool bold)
{
    QFont font;
    if (const QStringList families = installedFamilies(family); !families.isEmpty())
        font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

void setColor(QWidget* widget, QPalette::ColorRole role, vrex::LayoutColor value)
{
    QPalette palette = widget->palette();
    palette.setColor(role, layoutColor(value, QApplication::palette()));
    widget->setPalette(palette);
}

// Labels, check boxes and option buttons paint their own background: the
// given colour, else the control face, never the window's colour.
void makeOpaque(QWidget* widget, const ControlLayout& c)
{
    widget->setAutoFillBackground(true);
    setColor(widget, QPalette::Window, c.backColor != vrex::DefaultColor ? c.backColor : ButtonFace);
}

QWidget* makeLabel(const ControlLayout& c, QWidget* window)
{
    auto* label = new QLabel(labelText(c.caption), window);
    label->setWordWrap(true);
    label->setAlignment(horizontal(c.alignment) | Qt::AlignTop);
    makeOpaque(label, c);
    return label;
}

QWidget* makeComboBox(const ControlLayout& c, QWidget* window)
{
    auto* combo = new QComboBox(window);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view item : c.items)
        combo->addItem(qs(item));
    combo->setCurrentIndex(-1);
    combo->setEditText(qs(c.caption));
    return combo;
}

QWidget* makeImage(const ControlLayout& c, QWidget* window)
{
    auto* image = new QLabel(window);
    image->setPixmap(turnedCaption(qs(c.turnedText), QSize(pixels(c.width), pixels(c.height)), image->font()));
    return image;
}

QWidget* makeFrame(QFrame::Shape shape, QFrame::Shadow shadow, int lineWidth, QWidget* window)
{
    auto* frame = new QFrame(window);
    frame->setFrameShape(shape);
    frame->setFrameShadow(shadow);
    frame->setLineWidth(lineWidth);
    return frame;
}

// Each control is made inside its window, so that it is laid out once, in
// the font it inherits, instead of again when it moves into the window.
QWidget* makeControl(const ControlLayout& c, QWidget* window)
{
    switch (c.kind) {
    case ControlKind::CommandButton: return new WrappingPushButton(qs(c.caption), window);
    case ControlKind::Label: return makeLabel(c, window);
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(qs(c.caption), window);
        edit->setAlignment(horizontal(c.alignment) | Qt::AlignVCenter);
        edit->setCursorPosition(0);
        return edit;
    }
    case ControlKind::ComboBox: return makeComboBox(c, window);
    // Nothing puts items in a list box, so the view keeps its empty model
    // (single selection is the view's own default).
    case ControlKind::ListBox: return new QListView(window);
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(qs(c.caption), window);
        if (c.boxAtRight)
            box->setLayoutDirection(Qt::RightToLeft);
        makeOpaque(box, c);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(qs(c.caption), window);
        makeOpaque(option, c);
        return option;
    }
    case ControlKind::Image: return makeImage(c, window);
    case ControlKind::Shape: {
        QWidget* shape = makeFrame(QFrame::Box, QFrame::Plain, 1, window);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        return shape;
    }
    case ControlKind::Line:
        return new LineControl(QPoint(pixels(c.left), pixels(c.top)), QPoint(pixels(c.width), pixels(c.height)),
                               c.lineWidth, window);
    case ControlKind::PictureBox: return makeFrame(QFrame::Panel, QFrame::Sunken, 2, window);
    }
    return new QWidget(window);
}

// Labels, images, shapes and lines belong to the window's own surface, so
// every windowed control lies above them.
bool drawnOnSurface(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Shape ||
           kind == ControlKind::Line;
}

void applyCommon(QWidget* widget, const ControlLayout& c)
{
    widget->setObjectName(qs(c.name));
    if (c.kind != ControlKind::Line)
        widget->setGeometry(pixels(c.left), pixels(c.top), pixels(c.width), pixels(c.height));
    if (!c.fontName.empty()) {
        const QFont font = designFont(c.fontName, c.fontSize, c.bold);
        if (font != widget->font()) // most ask for the window's own font
            widget->setFont(font);
    }
    if (c.foreColor != vrex::DefaultColor) {
        setColor(widget, QPalette::WindowText, c.foreColor);
        setColor(widget, QPalette::ButtonText, c.foreColor);
        setColor(widget, QPalette::Text, c.foreColor);
    }
    if (!c.tag.empty())
        widget->setProperty("tag", qs(c.tag));
    widget->setEnabled(c.enabled);
}

Qt::WindowFlags windowFlags(vrex::WindowBorder border)
{
    switch (border) {
    case vrex::WindowBorder::FixedNoControlBox: return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    case vrex::WindowBorder::SizableCloseOnly:
        return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
               Qt::WindowCloseButtonHint;
    case vrex::WindowBorder::Sizable: break;
    }
    return Qt::Window;
}

} // namespace

QString labelText(std::string_view caption) { return qs(caption).replace(QStringLiteral("&&"), QStringLiteral("&")); }

QWidget* buildWindow(const WindowLayout& layout, QWidget* canvasWidget)
{
    auto* window = new QWidget(nullptr, windowFlags(layout.border));
    window->setObjectName(qs(layout.name));
    window->setWindowTitle(qs(layout.caption));
    window->setFont(designFont(DesignFontName, DesignFontSize, false));
    // The window's fore colour only colours what is printed on the bare
    // surface, which nothing does; the controls keep their own.
    if (layout.backColor != vrex::DefaultColor) {
        window->setAutoFillBackground(true);
        setColor(window, QPalette::Window, layout.backColor);
    }

    std::vector<QWidget*> surface;
    for (const ControlLayout& c : layout.controls) {
        QWidget* widget = nullptr;
        if (c.kind == ControlKind::PictureBox && canvasWidget) {
            widget = canvasWidget;
            canvasWidget = nullptr;
            widget->setParent(window);
        } else {
            widget = makeControl(c, window);
        }
        applyCommon(widget, c);
        if (drawnOnSurface(c.kind))
            surface.push_back(widget);
    }
    // Lowered last to first, they keep their table order among themselves.
    for (auto it = surface.rbegin(); it != surface.rend(); ++it)
        (*it)->lower();

    window->setGeometry(pixels(layout.left), pixels(layout.top), pixels(layout.width), pixels(layout.height));
    if (layout.border == vrex::WindowBorder::FixedNoControlBox)
        window->setFixedSize(pixels(layout.width), pixels(layout.height));
    return window;
}

QWidget* findControl(QWidget* window, const QString& name)
{
    if (!window)
        return nullptr;
    return window->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

} // namespace vrex::qt
