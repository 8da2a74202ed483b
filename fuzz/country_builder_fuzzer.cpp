// The country file builder plans every key of up to four characters, so each input is slow: the
// quick pass runs it for a few inputs only (country_builder.runs).
#include "callsign/country_file_builder.h"
#include "callsign/country_file_source.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tallyhawk::BuildCountryFiles(tallyhawk::ParseCountrySource(tallyhawk::FuzzText(data, size)));
    return 0;
}
