#pragma once
// The axis-caption pictures: a caption drawn a quarter turn, reading from
// bottom to top, in dark text on the panel colour, in the given font at the
// size that fits.

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace vrex::qt {

QPixmap turnedCaption(const QString& text, QSize size, const QFont& font);

} // namespace vrex::qt
