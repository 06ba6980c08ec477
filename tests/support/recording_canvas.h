#pragma once
// A canvas that records every call, tracking the current position and pen
// width as a picture box does. Size defaults to the real drawing area.

#include "plotting/canvas.h"

#include <string>
#include <vector>

namespace vrex::testing {

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(double width = 785, double height = 442, double left = 0, double top = 0)
        : left_(left), top_(top), width_(width), height_(height)
    {
    }

    void Cls() override;
    void PSet(int x, int y) override;
    void LineTo(int x, int y, Long color) override;
    void SetDrawWidth(int width) override;
    int DrawWidth() const override { return drawWidth_; }
    double ScaleLeft() const override { return left_; }
    double ScaleTop() const override { return top_; }
    double ScaleWidth() const override { return width_; }
    double ScaleHeight() const override { return height_; }
    int Width() const override { return static_cast<int>(width_) + 4; }
    int Height() const override { return static_cast<int>(height_) + 4; }
    // Passes are not logged as calls; where they fell in the log is kept instead.
    void BeginPass() override
    {
        ++passesBegun;
        callsAtPassBegin = calls.size();
    }
    void EndPass() override
    {
        ++passesEnded;
        callsAtPassEnd = calls.size();
    }

    // One entry per call, e.g. "Cls", "PSet 10,20 w1", "Line 10,20-30,40 c255 w2", "DrawWidth 2".
    std::vector<std::string> calls;
    int currentX = 0;
    int currentY = 0;
    int passesBegun = 0;
    int passesEnded = 0;
    std::size_t callsAtPassBegin = 0;
    std::size_t callsAtPassEnd = 0;

    void clearLog() { calls.clear(); }

private:
    double left_;
    double top_;
    double width_;
    double height_;
    int drawWidth_ = 1;
};

} // namespace vrex::testing
