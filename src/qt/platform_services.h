#pragma once
// The real platform behind the core's services: local clock, environment,
// documents folder, whole-file writes that replace the old file only once the
// new one is safely on the disk.

#include "state/services.h"

namespace vrex::qt {

vrex::Services makePlatformServices();

// Writes content to path whole: the old file stays intact unless the new one
// is complete. Returns the reason on failure.
std::optional<std::string> writeWholeFile(const std::string& path, const std::string& content);

} // namespace vrex::qt
