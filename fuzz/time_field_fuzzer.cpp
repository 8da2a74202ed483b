// Whatever is typed into the time field, its repair gives five characters that save as four, and the
// typing filter keeps the caret inside the text it returns.
#include <cstdlib>

#include "app/session/time_field.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string repaired = tallyhawk::RepairTimeText(tallyhawk::FuzzText(data, size));
    if (repaired.size() < 5) std::abort();
    (void)tallyhawk::SavedTimeText(repaired);
    const std::string_view typed = tallyhawk::FuzzText(data, size);
    const auto edit = tallyhawk::TypedTimeText(typed, size % 8, typed.substr(0, size % 5));
    if (edit.caret > edit.text.size()) std::abort();
    return 0;
}
