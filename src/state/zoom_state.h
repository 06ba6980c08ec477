#pragma once
// Whether the next canvas click is a zoom click.

namespace vrex {

struct ZoomState {
    bool ZoomArmed = false;      // the next canvas click is a zoom click
    bool ZoomBoxVisible = false; // the box is never shown; nothing sets this

    bool operator==(const ZoomState&) const = default;
};

} // namespace vrex
