// Contest log lines may have been edited by hand: the reload check and the column reader take any bytes.
#include "fuzz/fuzz_input.h"
#include "log/contest_log_validator.h"
#include "log/logged_contact.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = tallyhawk::FuzzText(data, size);
    if (tallyhawk::ValidContestLogLine(line)) (void)tallyhawk::ReadLoggedContact(line);
    (void)tallyhawk::ReadLoggedContact(line);
    return 0;
}
