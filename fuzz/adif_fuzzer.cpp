// ADIF files come from other programs: the file check and both line readers take any bytes.
#include "convert/adif_import.h"
#include "convert/adif_to_cabrillo.h"
#include "convert/log_file_check.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    (void)tallyhawk::IsValidAdifText(text);
    (void)tallyhawk::LogbookLineFromAdif(text);
    (void)tallyhawk::CabrilloLineFromAdif(text, "UA1AAA       ");
    return 0;
}
