// The entry kinds of a multiplier file.
#include "scoring/multiplier_entry.h"

#include "core/text.h"

namespace tallyhawk {
namespace {

std::string Blanked(std::string_view key) { return " " + std::string(key) + " "; }

}  // namespace

MultiplierEntry CountryEntry(std::string_view key) { return {PadRight(" " + std::string(key), 6), Blanked(key)}; }

MultiplierEntry CodeEntry(std::string_view key) { return {PadRight(" " + std::string(key), 4), Blanked(key)}; }

MultiplierEntry StateEntry(std::string_view key) { return {PadRight(Blanked(key), 4), Blanked(key)}; }

MultiplierEntry PaddedEntry(std::string_view key) {
    std::string bytes = PadRight(" " + std::string(key), 6);
    return {bytes, bytes};
}

MultiplierEntry BarePrefixEntry(std::string_view key) { return {PadRight(key, 6), std::string(key)}; }

MultiplierEntry LetterEntry(char letter) { return {std::string(1, letter), std::string(1, letter)}; }

}  // namespace tallyhawk
