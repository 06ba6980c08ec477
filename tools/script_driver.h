#pragma once
// Reads a script of user actions, plays it on the real windows through real
// Qt events, and prints what a user would see.

#include <iosfwd>

namespace vrex::tools {

// Returns the process exit code: 0 when the script ran (or the program
// ended), 2 on a bad script line.
int runScript(std::istream& script, std::ostream& out, std::ostream& err);

} // namespace vrex::tools
