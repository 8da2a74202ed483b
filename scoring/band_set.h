// A set of bands, one bit per band in the order 10, 15, 20, 40, 80, 160 m.
#pragma once

#include "core/band.h"

namespace tallyhawk {

struct BandSet {
    unsigned bits = 0;
    constexpr bool Contains(Band band) const { return (bits >> static_cast<unsigned>(band)) & 1u; }
};

inline constexpr BandSet kAllBands{0b111111};
inline constexpr BandSet kTenToEighty{0b011111};
inline constexpr BandSet kRsgbBands{0b001011};  // 10, 15 and 40 m
inline constexpr BandSet kRsgbTwentyOneTwentyEight{0b000011};
inline constexpr BandSet kFortyOnly{0b001000};

}  // namespace tallyhawk
