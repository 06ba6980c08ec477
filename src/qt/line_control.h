#pragma once
// A line control: one straight segment between two points of its window,
// drawn by a widget that just covers the segment and its pen.

#include <QPoint>
#include <QWidget>

namespace vrex::qt {

class LineControl : public QWidget {
    Q_OBJECT

public:
    // from and to in the parent's pixels.
    LineControl(QPoint from, QPoint to, int lineWidth, QWidget* parent = nullptr);

    QPoint from() const { return from_; }
    QPoint to() const { return to_; }
    int lineWidth() const { return lineWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    int lineWidth_;
};

} // namespace vrex::qt
