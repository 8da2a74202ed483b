// The edit transfer file lies in database/ where anything may change it between two edits.
#include "fuzz/fuzz_input.h"
#include "log/edit_transfer_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto transfer = tallyhawk::ParseEditTransfer(tallyhawk::FuzzText(data, size));
    (void)tallyhawk::ParseEditTransfer(tallyhawk::FormatEditTransfer(transfer));
    return 0;
}
