#include "qt/picture_canvas.h"

#include "plotting/span_raster.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include <cstdint>

namespace vrex::qt {

namespace {

// The core's buttons are 1 left, 2 right, 4 middle: Qt's own flag values,
// passed through as they are.
static_assert(Qt::LeftButton == 1 && Qt::RightButton == 2 && Qt::MiddleButton == 4);
static_assert(sizeof(QRgb) == sizeof(std::uint32_t));

// The stored pixel of an opaque colour on the RGB32 image.
QRgb opaquePixel(Long color) { return qRgb(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

QColor fromRgbLong(Long color) { return QColor::fromRgb(opaquePixel(color)); }

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
    pass_.bits = reinterpret_cast<std::uint32_t*>(image_.bits());
    pass_.stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    pass_.width = image_.width();
    pass_.height = image_.height();
}

void PictureCanvas::EndPass()
{
    pass_ = {};
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

void PictureCanvas::Cls()
{
    paint([this](QPainter& p) { p.fillRect(image_.rect(), palette().color(QPalette::Base)); });
    current_ = QPoint(0, 0);
}

void PictureCanvas::PSet(int x, int y)
{
    current_ = QPoint(x, y);
    // Within a pass the painter paints the same memory, so pixels may go there directly.
    if (pass_.bits && plotPoint(pass_, x, y, drawWidth_, ForePixel))
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
    if (pass_.bits && plotLine(pass_, from.x(), from.y(), x, y, drawWidth_, opaquePixel(color)))
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
