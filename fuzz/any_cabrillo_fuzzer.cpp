// The Cabrillo log of any program: the reader takes any bytes, and the import plans a contest log of it.
#include "convert/cabrillo_log_import.h"
#include "convert/cabrillo_reader.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    (void)tallyhawk::ReadCabrillo(text);
    (void)tallyhawk::PlanContestLogImport(text, "fuzz.log", {.callsign = "DL1XYZ"}, "0");
    return 0;
}
