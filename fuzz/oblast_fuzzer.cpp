// dxcc/obl.dat may be edited by hand: any text and any key.
#include "callsign/oblast_table.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = tallyhawk::FuzzText(data, size);
    const tallyhawk::OblastTable table{std::string(input.substr(std::min<std::size_t>(2, input.size())))};
    (void)table.OblastName(input.substr(0, 2));
    (void)table.OblastName("3A");
    return 0;
}
