#pragma once
// Every event enters the core through here, so that a fault (an overflow, an
// index out of range) never ends the program or loses the drawing: it is
// shown in the prompt line instead.

#include "state/editor.h"
#include "state/numbers.h"

namespace vrex {

template <typename Handler>
bool handleEvent(Editor& editor, Handler&& handler)
{
    try {
        handler();
        return true;
    } catch (const RuntimeFault& fault) {
        editor.controls.UserMustSee = std::string("Run-time error: ") + fault.what();
        return false;
    }
}

} // namespace vrex
