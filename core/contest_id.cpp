// The twenty supported contests and their codes.
#include "core/contest_id.h"

#include "core/text.h"

namespace tallyhawk {

const std::array<ContestName, 20> kContestNames = {{
    {"AADX", "AAD"},       {"ARRL 10 M", "A10"},  {"ARRL DX", "ARR"},     {"CQ WW DX", "CQ"},
    {"CQ-M", "CQM"},       {"IARU HF", "IAR"},    {"JAPAN DX", "JA"},     {"LZ DX", "LZ"},
    {"OCEANIA DX", "OCE"}, {"OK-OM DX", "OKM"},   {"PACC DX", "PAC"},     {"REF DX", "REF"},
    {"RSGB 21/28", "RS2"}, {"RSGB 7 MHZ", "RS7"}, {"RUSSIAN DX", "RUS"},  {"SAC DX", "SAC"},
    {"SP DX", "SP"},       {"UBA DX", "UBD"},     {"UKR DX", "UKR"},      {"WPX DX", "WPX"},
}};

std::string ContestCodeFromListName(std::string_view listName) {
    static constexpr std::array<ContestName, 8> kSpecialNames = {{
        {"ARRL 10 M", "A10"},
        {"ARRL DX", "ARR"},
        {"CQ-M", "CQM"},
        {"JAPAN DX", "JA"},
        {"UBA DX", "UBD"},
        {"OK-OM DX", "OKM"},
        {"RSGB 7 MHZ", "RS7"},
        {"RSGB 21/28", "RS2"},
    }};
    for (const auto& special : kSpecialNames) {
        if (special.listName == listName) return std::string(special.code);
    }
    return std::string(TrimTrailingBlanks(listName.substr(0, 3)));
}

std::string_view ContestListNameForCode(std::string_view code) {
    for (const auto& contest : kContestNames) {
        if (contest.code == code) return contest.listName;
    }
    return {};
}

bool IsKnownContestCode(std::string_view code) { return !ContestListNameForCode(code).empty(); }

}  // namespace tallyhawk
