#pragma once
// The program's number rules: 16-bit Integers that fault on overflow, halves
// rounded to even, and fixed tables whose index is always checked.

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vrex {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// The one fault type: an overflow, an index outside its table, a failed
// conversion. The Qt layer catches it at the event boundary.
class RuntimeFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int IntegerMin = -32768;
inline constexpr int IntegerMax = 32767;

inline Integer checkedInteger(long long v)
{
    if (v < IntegerMin || v > IntegerMax)
        throw RuntimeFault("Overflow");
    return static_cast<Integer>(v);
}

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline Integer roundToInteger(double v)
{
    if (!std::isfinite(v))
        throw RuntimeFault("Overflow");
    const double r = std::nearbyint(v); // default rounding mode is half to even
    if (r < IntegerMin || r > IntegerMax)
        throw RuntimeFault("Overflow");
    return static_cast<Integer>(r);
}

inline Integer addInteger(Integer a, Integer b) { return checkedInteger(static_cast<long long>(a) + b); }
inline Integer subInteger(Integer a, Integer b) { return checkedInteger(static_cast<long long>(a) - b); }

// A fixed table indexed Lo..Hi, as the program's tables are (1..55, 0..9, ...).
template <typename T, int Lo, int Hi>
class FixedArray {
public:
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;

    T& operator[](int i) { return items_[offset(i)]; }
    const T& operator[](int i) const { return items_[offset(i)]; }

    static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }

private:
    static std::size_t offset(int i)
    {
        if (!contains(i))
            throw RuntimeFault("Subscript out of range");
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> items_{};
};

} // namespace vrex
