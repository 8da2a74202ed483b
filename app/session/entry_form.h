// The entry row: the seven fields of one contact as the operator sees them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tallyhawk {

enum class Field { Call, Date, Time, Band, Mode, ExchangeSent, ExchangeReceived };

inline constexpr std::array<Field, 7> kEntryFields = {Field::Call, Field::Date, Field::Time, Field::Band,
                                                      Field::Mode, Field::ExchangeSent, Field::ExchangeReceived};

std::string_view FieldName(Field field);  // "Call", "Date", "Time", "Band", "Mode", "Exchange sent", ...

struct EntryForm {
    std::array<std::string, 7> texts;

    std::string& operator[](Field field) { return texts[static_cast<std::size_t>(field)]; }
    const std::string& operator[](Field field) const { return texts[static_cast<std::size_t>(field)]; }
};

// Length limits of the call and time fields; the exchange fields' limits depend on the contest.
inline constexpr std::size_t kCallFieldLimit = 11;
inline constexpr std::size_t kTimeFieldLimit = 5;

}  // namespace tallyhawk
