// The six HF bands and their written forms: setup list text, short code, log frequency and log reader key.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyhawk {

using Hertz = std::int64_t;

enum class Band { M10, M15, M20, M40, M80, M160 };

// The order of the setup list, the band counters and every per-band table.
inline constexpr std::array<Band, 6> kBands = {Band::M10, Band::M15, Band::M20,
                                               Band::M40, Band::M80, Band::M160};

inline constexpr std::string_view kUnknownFrequencyText = "***** ";
inline constexpr std::string_view kUnknownBandKey = "**";

std::string_view BandListText(Band band);       // "10 m"
std::string_view BandShortCode(Band band);      // "10"
std::string_view BandFrequencyText(Band band);  // "28000 "
std::string_view BandLogKey(Band band);         // "28"
int BandIndex(Band band);                       // 0 for 10 m .. 5 for 160 m

std::optional<Band> BandFromShortCode(std::string_view code);
std::optional<Band> BandFromListText(std::string_view text);
std::optional<Band> BandFromLogKey(std::string_view key);

// The contest band a frequency lies in; nothing outside the six bands (the WARC bands included).
std::optional<Band> BandOfFrequency(Hertz frequency);
// Whether `frequency` lies in the band of short code `code` ("20").
bool FrequencyIsInBand(Hertz frequency, std::string_view code);

// Short code to the 6-character log frequency; any unknown code gives "***** ".
std::string_view FrequencyTextForShortCode(std::string_view code);

// Columns 6-7 of a QSO: line to the short code; anything else reads as "**".
std::string_view ShortCodeForLogKey(std::string_view key);

// The band part of a setup list text ("160 m" -> "160"): first three characters, trailing blanks removed.
std::string ShortCodeFromListText(std::string_view text);

}  // namespace tallyhawk
