#pragma once
// The program started on real widgets, with a clock the test moves, and the
// user's gestures on it: what every Qt-layer fixture stands on.

#include "qt/front.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

namespace vrex::qt::testing {

struct StartedFront {
    explicit StartedFront(Services services = {})
    {
        services.timeOfDay = [this] { return clock; };
        front = std::make_unique<Front>(std::move(services));
        front->onEnd = [this] { ++ends; };
        front->start();
        QApplication::processEvents();
    }
    StartedFront(const StartedFront&) = delete;
    StartedFront& operator=(const StartedFront&) = delete;

    // A left click on a control by name, as a user clicks it.
    void click(const char* control) { QTest::mouseClick(front->findControl(control), Qt::LeftButton); }

    // A left click at a drawing-area pixel of the canvas.
    void tapCanvas(int x, int y)
    {
        const QPoint at = QPoint(x, y) + front->canvas().drawingArea().topLeft();
        QTest::mouseClick(&front->canvas(), Qt::LeftButton, Qt::NoModifier, at);
    }

    // What a button or label shows.
    QString text(const char* control) const
    {
        QWidget* w = front->findControl(control);
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        return "(missing)";
    }

    double clock = 36000;
    int ends = 0;
    std::unique_ptr<Front> front;
};

} // namespace vrex::qt::testing
