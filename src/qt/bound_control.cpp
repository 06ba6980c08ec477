#include "qt/bound_control.h"

#include <stdexcept>
#include <string>

namespace vrex::qt {

BoundControl bindControl(QWidget* window, const vrex::ControlBinding& row)
{
    const std::string where = std::string(row.window) + " has no " + std::string(row.control);
    QWidget* widget =
        window ? window->findChild<QWidget*>(QString::fromUtf8(row.control.data(), qsizetype(row.control.size())))
               : nullptr;
    if (!widget)
        throw std::logic_error(where);
    BoundControl bound{&row, nullptr, nullptr};
    if (row.button || row.click) {
        bound.button = qobject_cast<QAbstractButton*>(widget);
        if (!bound.button)
            throw std::logic_error(where + " button");
    }
    if (row.text) {
        bound.label = qobject_cast<QLabel*>(widget);
        if (!bound.label)
            throw std::logic_error(where + " label");
    }
    return bound;
}

} // namespace vrex::qt
