// The six HF bands and their written forms.
#include "core/band.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

struct BandForms {
    Band band;
    std::string_view listText;
    std::string_view shortCode;
    std::string_view frequencyText;
    std::string_view logKey;
    Hertz lowest;  // the band's edges in all three regions together, both included
    Hertz highest;
};

constexpr std::array<BandForms, 6> kBandForms = {{
    {Band::M10, "10 m", "10", "28000 ", "28", 28'000'000, 29'700'000},
    {Band::M15, "15 m", "15", "21000 ", "21", 21'000'000, 21'450'000},
    {Band::M20, "20 m", "20", "14000 ", "14", 14'000'000, 14'350'000},
    {Band::M40, "40 m", "40", " 7000 ", " 7", 7'000'000, 7'300'000},
    {Band::M80, "80 m", "80", " 3500 ", " 3", 3'500'000, 4'000'000},
    {Band::M160, "160 m", "160", " 1900 ", " 1", 1'800'000, 2'000'000},
}};

const BandForms& FormsOf(Band band) { return kBandForms[static_cast<std::size_t>(band)]; }

template <typename Field>
std::optional<Band> FindBand(Field field, std::string_view text) {
    for (const auto& forms : kBandForms) {
        if (forms.*field == text) return forms.band;
    }
    return std::nullopt;
}

}  // namespace

std::string_view BandListText(Band band) { return FormsOf(band).listText; }
std::string_view BandShortCode(Band band) { return FormsOf(band).shortCode; }
std::string_view BandFrequencyText(Band band) { return FormsOf(band).frequencyText; }
std::string_view BandLogKey(Band band) { return FormsOf(band).logKey; }
int BandIndex(Band band) { return static_cast<int>(band); }

std::optional<Band> BandFromShortCode(std::string_view code) { return FindBand(&BandForms::shortCode, code); }
std::optional<Band> BandFromListText(std::string_view text) { return FindBand(&BandForms::listText, text); }
std::optional<Band> BandFromLogKey(std::string_view key) { return FindBand(&BandForms::logKey, key); }

std::optional<Band> BandOfFrequency(Hertz frequency) {
    for (const auto& forms : kBandForms) {
        if (frequency >= forms.lowest && frequency <= forms.highest) return forms.band;
    }
    return std::nullopt;
}

bool FrequencyIsInBand(Hertz frequency, std::string_view code) {
    const auto band = BandOfFrequency(frequency);
    return band && BandShortCode(*band) == code;
}

std::string_view FrequencyTextForShortCode(std::string_view code) {
    const auto band = BandFromShortCode(code);
    return band ? BandFrequencyText(*band) : kUnknownFrequencyText;
}

std::string_view ShortCodeForLogKey(std::string_view key) {
    const auto band = BandFromLogKey(key);
    return band ? BandShortCode(*band) : kUnknownBandKey;
}

std::string ShortCodeFromListText(std::string_view text) {
    return std::string(TrimTrailingBlanks(text.substr(0, 3)));
}

}  // namespace tallyhawk
