#include "qt/edge_label.h"

#include "windows/layout.h"

#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace vrex::qt {

namespace {

// The side of each label that stays where it was designed: the one next to
// the canvas corner the label marks.
enum class Keep { Left, Right };
struct EdgeLabel {
    std::string_view name;
    Keep keep;
};
constexpr EdgeLabel EdgeLabels[] = {
    {"CADleft8lbl", Keep::Left},
    {"CADright8lbl", Keep::Right},
    {"CADtop8lbl", Keep::Right},
    {"CADbotton8lbl", Keep::Right},
};

QRect designedRect(std::string_view name)
{
    for (const ControlLayout& c : mainWindowLayout().controls)
        if (c.name == name)
            return {c.left / TwipsPerPixel, c.top / TwipsPerPixel, c.width / TwipsPerPixel, c.height / TwipsPerPixel};
    return {};
}

// Room enough for any wrapped text the label may be asked to hold.
constexpr int TallEnough = 1000;

// The height text takes when the label lays it out at width.
int laidOutHeight(const QFontMetrics& metrics, int width, int flags, const QString& text)
{
    return metrics.boundingRect(QRect(0, 0, width, TallEnough), flags, text).height();
}

// The narrowest width at which the label lays text out on one line. The
// advance is fractional where the face is not hinted to whole pixels, so the
// layout itself says when the line stops breaking.
int oneLineWidth(const QFontMetrics& metrics, int flags, const QString& text)
{
    const int oneLine = laidOutHeight(metrics, TallEnough, flags, text);
    int width = static_cast<int>(std::ceil(QFontMetricsF(metrics).horizontalAdvance(text)));
    for (int tries = 0; tries < 4 && laidOutHeight(metrics, width, flags, text) > oneLine; ++tries)
        ++width;
    return width;
}

} // namespace

void fitEdgeLabel(QLabel& label)
{
    const auto* edge = std::find_if(std::begin(EdgeLabels), std::end(EdgeLabels), [&](const EdgeLabel& e) {
        return label.objectName() == QLatin1String(e.name.data(), qsizetype(e.name.size()));
    });
    const QWidget* window = label.parentWidget();
    if (edge == std::end(EdgeLabels) || !window)
        return;

    // A designed box may start past the window's edge; only its part inside counts.
    const QRect home = designedRect(edge->name).intersected(QRect(0, 0, window->width(), window->height()));
    if (home.isEmpty())
        return;
    const QString text = label.text();
    const QFontMetrics metrics = label.fontMetrics();
    const int flags = int(label.alignment()) | Qt::TextWordWrap;
    const bool keepLeft = edge->keep == Keep::Left;

    // As wide as the whole text on one line, else as wide as the window
    // lets it grow, where the unit wraps below; never narrower than the
    // number, even if that must move the kept side.
    const int room = keepLeft ? window->width() - home.left() : home.right() + 1;
    int width = std::max(home.width(), oneLineWidth(metrics, flags, text));
    if (width > room) {
        const QString number = text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        width = std::min(window->width(), std::max(room, oneLineWidth(metrics, flags, number)));
    }
    const int left = keepLeft ? std::min(home.left(), window->width() - width) : std::max(0, home.right() + 1 - width);
    const int height = std::max(home.height(), laidOutHeight(metrics, width, flags, text));
    const int top = std::max(0, std::min(home.top(), window->height() - height));
    label.setGeometry(left, top, width, height);
}

} // namespace vrex::qt
