// Cabrillo files come from other programs: the converter's file check and its line reader take any bytes.
#include "convert/cabrillo_to_adif.h"
#include "convert/log_file_check.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    (void)tallyhawk::IsValidCabrilloText(text);
    (void)tallyhawk::AdifRecordFromCabrillo(text);
    return 0;
}
