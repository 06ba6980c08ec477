#include "recording_canvas.h"

namespace vrex::testing {

void RecordingCanvas::Cls()
{
    calls.push_back("Cls");
    currentX = static_cast<int>(left_);
    currentY = static_cast<int>(top_);
}

void RecordingCanvas::PSet(int x, int y)
{
    calls.push_back("PSet " + std::to_string(x) + "," + std::to_string(y) + " w" + std::to_string(drawWidth_));
    currentX = x;
    currentY = y;
}

void RecordingCanvas::LineTo(int x, int y, Long color)
{
    calls.push_back("Line " + std::to_string(currentX) + "," + std::to_string(currentY) + "-" + std::to_string(x) +
                    "," + std::to_string(y) + " c" + std::to_string(color) + " w" + std::to_string(drawWidth_));
    currentX = x;
    currentY = y;
}

void RecordingCanvas::SetDrawWidth(int width)
{
    calls.push_back("DrawWidth " + std::to_string(width));
    drawWidth_ = width;
}

} // namespace vrex::testing
