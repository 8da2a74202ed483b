// What the exchange fields of the entry row accept, per contest.
#include "app/session/exchange_rules.h"

#include <array>

namespace tallyhawk {

bool ExchangeAllowsLetters(std::string_view contest) {
    static constexpr std::array<std::string_view, 9> kLetterContests = {"A10", "ARR", "UBD", "REF", "PAC",
                                                                        "SP",  "OKM", "RUS", "UKR"};
    for (const auto code : kLetterContests) {
        if (contest == code) return true;
    }
    return contest == "IAR" || contest.starts_with("RS");
}

}  // namespace tallyhawk
