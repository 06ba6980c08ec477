#include "qt/picture_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>

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
    if (!passBits_ || foreColor_.alpha() != 255)
        return false;
    const QRgb pixel = foreColor_.rgb();
    const int size = drawWidth_ <= 1 ? 1 : drawWidth_;
    const int left = drawWidth_ <= 1 ? x : x - drawWidth_ / 2;
    const int top = drawWidth_ <= 1 ? y : y - drawWidth_ / 2;
    const int x1 = std::max(left, 0);
    const int x2 = std::min(left + size, image_.width());
    const int y1 = std::max(top, 0);
    const int y2 = std::min(top + size, image_.height());
    for (int row = y1; row < y2; ++row)
        for (int column = x1; column < x2; ++column)
            passBits_[row * passStride_ + column] = pixel;
    return true;
}

// A one-pixel line along a row or a column is what the painter's cosmetic
// square-capped pen gives: both end pixels included, cut at the image edges.
// Slanted and zero-length lines go to the painter.
bool PictureCanvas::lineDirect(QPoint from, QPoint to, Long color)
{
    if (!passBits_ || drawWidth_ > 1 || from == to || (from.x() != to.x() && from.y() != to.y()))
        return false;
    const int w = image_.width();
    const int h = image_.height();
    const QRgb pixel = opaquePixel(color);
    if (from.y() == to.y()) {
        const int y = from.y();
        if (y < 0 || y >= h)
            return true;
        const int x1 = std::max(std::min(from.x(), to.x()), 0);
        const int x2 = std::min(std::max(from.x(), to.x()), w - 1);
        QRgb* row = passBits_ + y * passStride_;
        for (int x = x1; x <= x2; ++x)
            row[x] = pixel;
    } else {
        const int x = from.x();
        if (x < 0 || x >= w)
            return true;
        const int y1 = std::max(std::min(from.y(), to.y()), 0);
        const int y2 = std::min(std::max(from.y(), to.y()), h - 1);
        for (int y = y1; y <= y2; ++y)
            passBits_[y * passStride_ + x] = pixel;
    }
    return true;
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
            p.fillRect(x, y, 1, 1, foreColor_);
        else
            p.fillRect(x - drawWidth_ / 2, y - drawWidth_ / 2, drawWidth_, drawWidth_, foreColor_);
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
