#pragma once
// What the program needs from the platform, injected at start-up and faked in tests.

#include <functional>
#include <optional>
#include <string>

namespace vrex {

struct Services {
    // Time of day in seconds since local midnight.
    std::function<double()> timeOfDay = [] { return 0.0; };
    // Value of an environment variable, nothing when it is not set.
    std::function<std::optional<std::string>(const std::string&)> environment = [](const std::string&) {
        return std::optional<std::string>{};
    };
    // The user's documents folder as the desktop names it, nothing when unknown.
    std::function<std::optional<std::string>()> documentsFolder = [] { return std::optional<std::string>{}; };
    // Writes one file whole: the new content replaces the old, or nothing
    // changes. Returns the reason on failure, nothing on success.
    std::function<std::optional<std::string>(const std::string& path, const std::string& content)> writeWholeFile =
        [](const std::string&, const std::string&) { return std::optional<std::string>{"no file writer"}; };
    // Shows one top-level window by name, modeless.
    std::function<void(const std::string& windowName)> showWindow = [](const std::string&) {};
    // Ends the program at once.
    std::function<void()> endProgram = [] {};
    // Whether paths are joined with '\' (Windows) rather than '/'.
    bool windowsPaths = false;
};

} // namespace vrex
