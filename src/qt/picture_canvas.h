#pragma once
// The canvas CAD8pic: a sunken 2-pixel frame around a QImage that keeps what
// is drawn (persistent drawing); paintEvent only copies the image.

#include "plotting/canvas.h"
#include "plotting/span_raster.h"

#include <QFrame>
#include <QImage>
#include <QPainter>

#include <functional>
#include <optional>

namespace vrex::qt {

// A canvas mouse event in the core's terms: drawing-area pixels, buttons as
// 1 left, 2 right, 4 middle.
struct PointerEvent {
    enum class Kind { Down, Move, Up };
    Kind kind = Kind::Move;
    int button = 0;
    double x = 0;
    double y = 0;
};

class PictureCanvas final : public QFrame, public vrex::Canvas {
    Q_OBJECT

public:
    // The fore colour, which the program never changes.
    static constexpr QRgb ForePixel = 0xFF000000;
    static constexpr int BorderWidth = 2;

    explicit PictureCanvas(QWidget* parent = nullptr);

    std::function<void(const PointerEvent&)> onPointer;

    // Drawing area in widget coordinates.
    QRect drawingArea() const { return contentsRect(); }
    const QImage& image() const { return image_; }

    void Cls() override;
    void PSet(int x, int y) override;
    void LineTo(int x, int y, Long color) override;
    void SetDrawWidth(int width) override { drawWidth_ = width; }
    int DrawWidth() const override { return drawWidth_; }
    double ScaleLeft() const override { return 0; }
    double ScaleTop() const override { return 0; }
    // Asked for every primitive; within a pass the image has the drawing area's size.
    double ScaleWidth() const override { return passPainter_ ? pass_.width : drawingArea().width(); }
    double ScaleHeight() const override { return passPainter_ ? pass_.height : drawingArea().height(); }
    // The interface's default, but here the four calls are direct: the class is final.
    Scale ScaleArea() const override { return {ScaleLeft(), ScaleTop(), ScaleWidth(), ScaleHeight()}; }
    int Width() const override { return width(); }
    int Height() const override { return height(); }
    void BeginPass() override;
    void EndPass() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The pass's painter, or a short-lived one for a primitive outside a pass.
    template <typename Draw>
    void paint(Draw&& draw);
    // Keeps the image the size of the drawing area, the drawing kept.
    void fitImage();
    const QPen& penFor(Long color);
    void deliver(PointerEvent::Kind kind, int button, const QMouseEvent* event);

    QImage image_;
    std::optional<QPainter> passPainter_;
    // The pass's pixels, fetched once the painter holds the image; no bits outside a pass.
    vrex::PixelBuffer pass_;
    // The last line pen, kept so that a run of lines of one colour and width
    // makes no pen of its own.
    QPen pen_;
    Long penColor_ = 0;
    int penWidth_ = -1;
    QPoint current_{0, 0};
    int drawWidth_ = 1;
};

} // namespace vrex::qt
