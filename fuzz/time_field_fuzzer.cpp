// Whatever is typed into the time field, its repair gives five characters that save as four.
#include <cstdlib>

#include "app/session/time_field.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string repaired = tallyhawk::RepairTimeText(tallyhawk::FuzzText(data, size));
    if (repaired.size() < 5) std::abort();
    (void)tallyhawk::SavedTimeText(repaired);
    return 0;
}
