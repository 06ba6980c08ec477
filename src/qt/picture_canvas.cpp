#include "qt/picture_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vrex::qt {

namespace {

// The stored pixel of an opaque colour on the RGB32 image.
QRgb opaquePixel(Long color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

QColor fromRgbLong(Long color) { return QColor::fromRgb(opaquePixel(color)); }

// Qt's AVX2 solid fill (every fillRect and every span of a line) returns with
// the upper halves of the vector registers dirty. Until something clears them,
// each SSE instruction after it, ours and the core's, runs several times
// slower: without this a pass of the full scene takes over a tenth longer.
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
__attribute__((target("avx"))) void clearUpperVectorHalves() { __builtin_ia32_vzeroupper(); }

void settleVectorUnit()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        clearUpperVectorHalves();
}
#else
void settleVectorUnit() {}
#endif

// Points and lines far off the image go to the painter, which clips them
// without any risk of overflow.
constexpr int DirectReach = 1 << 14;

bool nearImage(QPoint p)
{
    return -DirectReach <= p.x() && p.x() <= DirectReach && -DirectReach <= p.y() && p.y() <= DirectReach;
}

// Rounding for the small values of pixel geometry, without a library call.
int floorToInt(double value)
{
    const auto truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

int ceilToInt(double value) { return -floorToInt(-value); }

} // namespace

PictureCanvas::PictureCanvas(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setMouseTracking(true);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template <typename Draw>
void PictureCanvas::paint(Draw&& draw)
{
    if (passPainter_) {
        draw(*passPainter_);
        settleVectorUnit();
        return;
    }
    fitImage();
    QPainter painter(&image_);
    draw(painter);
    painter.end();
    settleVectorUnit();
    update(drawingArea());
}

void PictureCanvas::BeginPass()
{
    fitImage();
    passPainter_.emplace(&image_);
    // The painter has detached the image; these are the bits it paints.
    passBits_ = reinterpret_cast<QRgb*>(image_.bits());
    passStride_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    passWidth_ = image_.width();
    passHeight_ = image_.height();
}

void PictureCanvas::EndPass()
{
    passBits_ = nullptr;
    passPainter_.reset();
    update(drawingArea()); // one repaint per pass
}

const QPen& PictureCanvas::penFor(Long color)
{
    if (penWidth_ != drawWidth_ || penColor_ != color) {
        pen_ = QPen(fromRgbLong(color));
        pen_.setWidth(drawWidth_ <= 1 ? 0 : drawWidth_);
        pen_.setCapStyle(Qt::SquareCap);
        pen_.setJoinStyle(Qt::MiterJoin);
        penColor_ = color;
        penWidth_ = drawWidth_;
    }
    return pen_;
}

// A point is what the painter's square fill of the pen width gives: the
// opaque fore colour, cut at the image edges.
bool PictureCanvas::plotDirect(int x, int y)
{
    if (!passBits_ || !nearImage(QPoint(x, y)) || drawWidth_ > DirectReach)
        return false;
    fillLine(QPoint(x, y), QPoint(x, y), ForePixel);
    return true;
}

// Lines along a row or a column, and wide lines at any slope, are written
// directly; slanted one-pixel lines and zero-length lines go to the painter.
bool PictureCanvas::lineDirect(QPoint from, QPoint to, Long color)
{
    if (!passBits_ || from == to || !nearImage(from) || !nearImage(to) || drawWidth_ > DirectReach)
        return false;
    if (drawWidth_ <= 1 && from.x() != to.x() && from.y() != to.y())
        return false;
    fillLine(from, to, opaquePixel(color));
    return true;
}

// A line of the pen width with square caps, as the painter draws it: the
// pixels whose centres lie in the rectangle half a pen width either side of
// the line and half a pen width beyond each end, with the line's points at
// pixel corners (pixel i's centre lies at i + 0.5).
// Along a row or a column that is one rectangle. The rectangle is convex, so
// a slanted line is one span on each pixel line across its longer axis.
void PictureCanvas::fillLine(QPoint from, QPoint to, QRgb pixel)
{
    const int size = std::max(drawWidth_, 1);
    if (from.x() == to.x() || from.y() == to.y()) {
        const int lead = size / 2; // the pen's square starts this far before its point
        fillDirect(std::min(from.x(), to.x()) - lead, std::min(from.y(), to.y()) - lead,
                   std::max(from.x(), to.x()) - lead + size, std::max(from.y(), to.y()) - lead + size, pixel);
        return;
    }

    // The spans run along the major axis, one per pixel line of the minor axis.
    const bool alongRows = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const int major0 = alongRows ? from.x() : from.y();
    const int minor0 = alongRows ? from.y() : from.x();
    const int majorSpan = (alongRows ? to.x() : to.y()) - major0;
    const int minorSpan = (alongRows ? to.y() : to.x()) - minor0;
    const double length = std::sqrt(double(majorSpan) * majorSpan + double(minorSpan) * minorSpan);
    const double u = majorSpan / length; // the line's direction; neither part is 0
    const double v = minorSpan / length;
    const double perU = 1 / u;
    const double perV = 1 / v;
    const double half = size / 2.0;

    // For a pixel centre at minor offset n = k + 0.5 from the start, the major
    // offsets inside: at most half from the line, (n u -+ half) / v, and from
    // -half to length + half along it, (-half - n v) / u and (length + half - n v) / u.
    // Each bound is linear in k, and which one is the lower is fixed by the signs.
    struct Bound {
        double at0;
        double perK;
    };
    const auto bound = [](double atHalf, double perN) { return Bound{atHalf + 0.5 * perN, perN}; };
    Bound nearSide = bound(-half * perV, u * perV);
    Bound farSide = bound(half * perV, u * perV);
    if (v < 0)
        std::swap(nearSide, farSide);
    Bound start = bound(-half * perU, -v * perU);
    Bound end = bound((length + half) * perU, -v * perU);
    if (u < 0)
        std::swap(start, end);

    const int minorLow = std::min(0, minorSpan) - size;
    const int minorHigh = std::max(0, minorSpan) + size;
    for (int k = minorLow; k <= minorHigh; ++k) {
        const double low = std::max(nearSide.at0 + k * nearSide.perK, start.at0 + k * start.perK);
        const double high = std::min(farSide.at0 + k * farSide.perK, end.at0 + k * end.perK);
        // Pixel i's centre lies at major offset i + 0.5.
        const int first = major0 + ceilToInt(low - 0.5);
        const int last = major0 + floorToInt(high - 0.5);
        if (first > last)
            continue;
        const int minor = minor0 + k;
        if (alongRows)
            fillDirect(first, minor, last + 1, minor + 1, pixel);
        else
            fillDirect(minor, first, minor + 1, last + 1, pixel);
    }
}

// Fills [left, right) x [top, bottom), cut at the image edges.
void PictureCanvas::fillDirect(int left, int top, int right, int bottom, QRgb pixel)
{
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, passWidth_);
    bottom = std::min(bottom, passHeight_);
    if (left >= right)
        return;
    const int width = right - left;
    QRgb* start = passBits_ + top * passStride_ + left;
    // Short runs, the common case, without a vectorised loop's set-up.
    if (width <= 4) {
        for (int row = top; row < bottom; ++row, start += passStride_)
            for (int i = 0; i < width; ++i)
                start[i] = pixel;
        return;
    }
    for (int row = top; row < bottom; ++row, start += passStride_)
        std::fill(start, start + width, pixel);
}

void PictureCanvas::Cls()
{
    paint([this](QPainter& p) { p.fillRect(image_.rect(), palette().color(QPalette::Base)); });
    current_ = QPoint(0, 0);
}

void PictureCanvas::PSet(int x, int y)
{
    current_ = QPoint(x, y);
    if (plotDirect(x, y))
        return;
    paint([&](QPainter& p) {
        if (drawWidth_ <= 1)
            p.fillRect(x, y, 1, 1, QColor::fromRgb(ForePixel));
        else
            p.fillRect(x - drawWidth_ / 2, y - drawWidth_ / 2, drawWidth_, drawWidth_, QColor::fromRgb(ForePixel));
    });
}

void PictureCanvas::LineTo(int x, int y, Long color)
{
    const QPoint from = current_;
    const QPoint to(x, y);
    current_ = to;
    if (lineDirect(from, to, color))
        return;
    paint([&](QPainter& p) {
        p.setPen(penFor(color));
        p.drawLine(from, to);
    });
}

void PictureCanvas::paintEvent(QPaintEvent* event)
{
    const QRect area = drawingArea();
    // A pass repaints the drawing area only, where the border would be clipped away.
    if (!area.contains(event->rect()))
        QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect dirty = event->rect().intersected(area);
    painter.drawImage(dirty, image_, dirty.translated(-area.topLeft()));
}

void PictureCanvas::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitImage();
}

// A hidden widget gets its resize event only when shown, so drawing on it
// before then sizes the image here.
void PictureCanvas::fitImage()
{
    const QSize size = drawingArea().size();
    if (image_.size() == size || passPainter_) // a pass's painter holds the image; the next pass fits it
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(palette().color(QPalette::Base));
    QPainter(&resized).drawImage(0, 0, image_);
    image_ = resized;
}

void PictureCanvas::deliver(PointerEvent::Kind kind, int button, const QMouseEvent* event)
{
    if (!onPointer)
        return;
    const QPointF at = event->position() - QPointF(drawingArea().topLeft());
    onPointer(PointerEvent{kind, button, at.x(), at.y()});
}

void PictureCanvas::mousePressEvent(QMouseEvent* event)
{
    deliver(PointerEvent::Kind::Down, static_cast<int>(event->button()), event);
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event)
{
    deliver(PointerEvent::Kind::Move,
            static_cast<int>(event->buttons() & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton)), event);
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    deliver(PointerEvent::Kind::Up, static_cast<int>(event->button()), event);
}

} // namespace vrex::qt
