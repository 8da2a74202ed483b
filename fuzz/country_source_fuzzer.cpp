// An operator may feed any file to the country file builder: the parser and the resolution of calls
// take any bytes.
#include "callsign/country_file_source.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto source = tallyhawk::ParseCountrySource(tallyhawk::FuzzText(data, size));
    for (const char* call : {"DL1ABC", "W1AW/KH6", "", "A"}) (void)tallyhawk::ResolveCall(source, call);
    (void)tallyhawk::ResolvePrefix(source, "UA9");
    return 0;
}
