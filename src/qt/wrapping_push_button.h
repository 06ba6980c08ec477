#pragma once
// A push button whose caption wraps at word boundaries when the button is
// tall enough for more than one line, as the forms' tall buttons expect.

#include <QPushButton>

namespace vrex::qt {

class WrappingPushButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingPushButton(const QString& text, QWidget* parent = nullptr);

    // Where the caption is drawn, unpressed, and how it is laid out there.
    QRect captionRect() const;
    int captionFlags() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vrex::qt
