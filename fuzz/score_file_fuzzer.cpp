// The score file sits in statistics/ where an editor may change it: any text reads as numbers.
#include "fuzz/fuzz_input.h"
#include "scoring/score_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)tallyhawk::ParseScoreFile(tallyhawk::FuzzText(data, size));
    return 0;
}
