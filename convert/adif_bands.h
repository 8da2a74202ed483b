// The ADIF band names and their frequency ranges, for records that give a frequency but no band.
#pragma once

#include <optional>
#include <string_view>

namespace tallyhawk {

// The ADIF band ("20M", "70CM") holding a frequency in MHz, or nothing outside every band.
std::optional<std::string_view> AdifBandForMegahertz(double megahertz);

// A FREQ value in MHz. Some programs write kHz ("14035.86"): a value above 1000 that gives no band in
// MHz is read as kHz. Nothing when the text is no number.
std::optional<double> AdifFrequencyMegahertz(std::string_view text);

}  // namespace tallyhawk
