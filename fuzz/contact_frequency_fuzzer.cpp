// The side file of contact frequencies lies in database/ where anything may change it, and a reload
// lines it up with a contest log edited by hand. Input: the side file, a NUL byte, the contest log.
#include <algorithm>
#include <cstdlib>

#include "fuzz/fuzz_input.h"
#include "log/contact_frequency_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tallyhawk;
    const std::string_view input = FuzzText(data, size);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const auto records = ParseFrequencyFile(input.substr(0, split));
    for (const auto& record : records) {
        const std::string line = FormatFrequencyRecord(record);
        if (line.size() != kFrequencyRecordLength) std::abort();
        // Written once, a record reads back as itself.
        const ContactFrequency written = ParseFrequencyRecord(line);
        if (ParseFrequencyRecord(FormatFrequencyRecord(written)) != written) std::abort();
    }
    const std::string_view log = split < input.size() ? input.substr(split + 1) : std::string_view{};
    (void)RealignedFrequencies(records, log);
    return 0;
}
