// Contact points per band, slots 10, 15, 20, 40, 80, 160 m. ARRL 10 M keeps its per-mode totals in
// four of the slots.
#pragma once

#include <array>
#include <cstdint>
#include <numeric>

#include "core/band.h"

namespace tallyhawk {

class BandPointCounters {
public:
    void Add(Band band, int points) { m_points[Slot(band)] += points; }
    int Points(Band band) const { return m_points[Slot(band)]; }
    void Set(Band band, int points) { m_points[Slot(band)] = points; }
    std::int64_t Total() const { return std::accumulate(m_points.begin(), m_points.end(), std::int64_t{0}); }
    void Clear() { m_points = {}; }

private:
    static std::size_t Slot(Band band) { return static_cast<std::size_t>(BandIndex(band)); }

    std::array<int, 6> m_points{};
};

}  // namespace tallyhawk
