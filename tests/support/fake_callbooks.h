// Test support: callbook libraries with canned answers, recording what the panel sends them.
#pragma once

#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "callsign/callbook.h"

namespace tallyhawk::testing {

// A Raccd32a answer written with its marker bytes as "<01>", "<0D>", ... ("<01>W1AW<02>Name, Address").
inline std::string RacAnswer(std::string_view text) {
    std::string answer;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<' && i + 3 < text.size() && text[i + 3] == '>') {
            unsigned byte = 0;
            std::from_chars(text.data() + i + 1, text.data() + i + 3, byte, 16);
            answer += static_cast<char>(byte);
            i += 3;
        } else {
            answer += text[i];
        }
    }
    return answer;
}

class FakeCallbooks : public CallbookLibraries {
public:
    std::map<std::string, std::string, std::less<>> qrzAnswers;  // by the call as sent
    std::map<std::string, std::string, std::less<>> racAnswers;
    bool qrzLoads = true;
    bool racLoads = true;
    std::vector<std::string> sent;  // every call sent, as sent; Raccd32a calls after their drive
    int loadChecks = 0;

    bool Loads(CallbookSource source) override {
        ++loadChecks;
        return source == CallbookSource::Qrz ? qrzLoads : racLoads;
    }
    std::optional<std::string> SearchQrz(std::string_view upperCall) override {
        if (!qrzLoads) return std::nullopt;
        sent.emplace_back(upperCall);
        return AnswerFor(qrzAnswers, upperCall);
    }
    std::optional<std::string> SearchRac(std::string_view drive, std::string_view lowerCall) override {
        if (!racLoads) return std::nullopt;
        sent.push_back(std::string(drive) + std::string(lowerCall));
        return AnswerFor(racAnswers, lowerCall);
    }

private:
    static std::string AnswerFor(const std::map<std::string, std::string, std::less<>>& answers,
                                 std::string_view call) {
        const auto found = answers.find(call);
        return found == answers.end() ? "" : found->second;
    }
};

}  // namespace tallyhawk::testing
