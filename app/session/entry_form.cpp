// The entry row.
#include "app/session/entry_form.h"

namespace tallyhawk {

std::string_view FieldName(Field field) {
    static constexpr std::array<std::string_view, 7> kNames = {
        "Call", "Date", "Time", "Band", "Mode", "Exchange sent", "Exchange received"};
    return kNames[static_cast<std::size_t>(field)];
}

}  // namespace tallyhawk
