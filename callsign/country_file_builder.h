// Builds the program's country files (dxcc/cty.dat and the prefix lists prx2/3/4.dat) from the AD1C
// country file, so that the country lookup finds for a call the country that the AD1C file gives it.
#pragma once

#include <string>
#include <string_view>

#include "callsign/country_file_source.h"
#include "core/program_folder.h"

namespace tallyhawk {

struct CountryFiles {
    std::string countryFile;  // cty.dat: one 40-column head per country and zone, then its keys
    std::string twoList;      // prx2.dat
    std::string threeList;    // prx3.dat
    std::string fourList;     // prx4.dat
};

// The principal prefix written for a country of the AD1C file: the keys that the contest rules
// compare ("W", "RA1", "4U1/i", ...), otherwise its primary prefix cut to five characters.
std::string PrincipalPrefixFor(std::string_view primaryPrefix);

CountryFiles BuildCountryFiles(const CountrySource& source);

// Writes the four files into the folder's dxcc/, creating it when missing; false when a write fails.
[[nodiscard]] bool WriteCountryFiles(const ProgramFolder& folder, const CountryFiles& files);

}  // namespace tallyhawk
