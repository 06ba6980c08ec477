#pragma once
// The axis-caption pictures: a caption drawn a quarter turn, reading from
// bottom to top, in dark text on the panel colour.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace vrex::qt {

QPixmap turnedCaption(const QString& text, QSize size);

} // namespace vrex::qt
