// Callbook answers come from outside libraries: any bytes must read without harm. The first line is the
// call asked for, the rest the library's answer.
#include "callsign/callbook.h"
#include "callsign/callbook_result.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = tallyhawk::FuzzText(data, size);
    const auto newline = text.find('\n');
    const std::string_view typed = text.substr(0, newline);
    const std::string_view answer = newline == std::string_view::npos ? "" : text.substr(newline + 1);
    const std::string_view call = tallyhawk::CallbookCall(typed);
    (void)tallyhawk::ReadRacResult(answer, call);
    (void)tallyhawk::ReadQrzResult(answer, call);
    // The answer read for the call it names, so that the branches after the match are reached too.
    if (answer.starts_with('\x01'))
        (void)tallyhawk::ReadRacResult(answer, answer.substr(1, answer.find('\x02') - 1));
    const std::string_view first = answer.substr(0, answer.find_first_of("\r\n"));
    const auto comma = first.find(", ");
    if (comma != std::string_view::npos) (void)tallyhawk::ReadQrzResult(answer, first.substr(comma + 2));
    return 0;
}
