#pragma once
// The prompts that tell the user a drawing limit refused an action.

namespace vrex {

inline constexpr const char* LineTableFullMessage = "Too many general Lines --- Max allowable is 43";
// The number is written with its sign position, hence two blanks.
inline constexpr const char* LineFullMessage = "too many Line points, maximum is  20";
inline constexpr const char* PoolFullMessage = "Too many points in the drawing --- Max allowable is 55";

} // namespace vrex
