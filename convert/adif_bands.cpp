// The ADIF band names and their frequency ranges.
#include "convert/adif_bands.h"

#include <array>
#include <charconv>

#include "core/text.h"

namespace tallyhawk {
namespace {

struct BandRange {
    std::string_view name;
    double lowest;  // MHz, inclusive
    double highest;
};

// The HF, VHF and UHF bands of the ADIF band enumeration that amateur logs hold.
constexpr std::array<BandRange, 23> kBandRanges = {{
    {"2190M", 0.1357, 0.1378}, {"630M", 0.472, 0.479},   {"560M", 0.501, 0.504},   {"160M", 1.8, 2.0},
    {"80M", 3.5, 4.0},         {"60M", 5.06, 5.45},      {"40M", 7.0, 7.3},        {"30M", 10.1, 10.15},
    {"20M", 14.0, 14.35},      {"17M", 18.068, 18.168},  {"15M", 21.0, 21.45},     {"12M", 24.890, 24.99},
    {"10M", 28.0, 29.7},       {"8M", 40.0, 45.0},       {"6M", 50.0, 54.0},       {"5M", 54.000001, 69.9},
    {"4M", 70.0, 71.0},        {"2M", 144.0, 148.0},     {"1.25M", 222.0, 225.0},  {"70CM", 420.0, 450.0},
    {"33CM", 902.0, 928.0},    {"23CM", 1240.0, 1300.0}, {"13CM", 2300.0, 2450.0},
}};

std::optional<double> ParseDecimal(std::string_view text) {
    text = TrimWhitespace(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::string_view> AdifBandForMegahertz(double megahertz) {
    for (const auto& band : kBandRanges) {
        if (megahertz >= band.lowest && megahertz <= band.highest) return band.name;
    }
    return std::nullopt;
}

std::optional<double> AdifFrequencyMegahertz(std::string_view text) {
    const auto value = ParseDecimal(text);
    if (!value || *value <= 0) return std::nullopt;
    if (*value > 1000 && !AdifBandForMegahertz(*value)) return *value / 1000;
    return value;
}

}  // namespace tallyhawk
