#pragma once
// The four edge labels beside the canvas show world values that grow longer
// with every zoom. Their designed boxes are too narrow for some, and a label
// that cuts a number shows a wrong value, so each one is refitted to its
// text: widened on one line, held at the side next to the canvas corner it
// stands at, and, where the window's edge stops it, with the unit wrapped
// below the whole number.

#include <QLabel>

namespace vrex::qt {

// Refits label to its current text if it is one of the main window's edge
// labels; leaves any other label as it is.
void fitEdgeLabel(QLabel& label);

} // namespace vrex::qt
