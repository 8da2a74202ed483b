// The reload check of the contest log.
#include "log/contest_log_validator.h"

#include <fstream>
#include <string>

#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {
namespace {

constexpr std::string_view kOrganiserAddress = "https://www.arrl.org/cabrillo-format-tools";

}  // namespace

bool ValidContestLogLine(std::string_view line) {
    if (line.size() > kLongestFreeLine && line.size() != kQsoLineLength) return false;
    if (!line.starts_with(kQsoMark)) return true;
    // Compared as unsigned bytes: letters and code-page characters are all above "9".
    if (static_cast<unsigned char>(line.back()) > '9') return false;
    for (std::size_t column : kCheckedBlankColumns) {
        if (column > line.size() || line[column - 1] != ' ') return false;
    }
    return true;
}

LogCheckResult ContestLogValidator(const std::filesystem::path& logFile) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(logFile, error)) return {};
    std::ifstream in(logFile, std::ios::binary);
    if (!in) return {};
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!ValidContestLogLine(line)) return {false, number};
    }
    return {true, std::nullopt};
}

Message LogNotValidMessage(std::string_view fileName) {
    const std::string name(fileName);
    const std::string address(kOrganiserAddress);
    return Message{
        .titleEnglish = "WARNING!",
        .textEnglish = "Error occurs when loading " + name + ".\nSome entries are not correct Cabrillo ARRL format.\n"
                       "Please see ARRL templates (" + address + ").",
        .titleRussian = "ОШИБКА:",
        .textRussian = "Ошибка при загрузке " + name + ".\nНекоторые строки не соответствуют ARRL Cabrillo формату.\n"
                       "Проверьте правильность формата в любом текстовом редакторе.\n"
                       "Для информации обращайтесь на сайт ARRL (" + address + ").",
    };
}

Message LogNotCreatedMessage(std::string_view fileName) {
    const std::string name(fileName);
    return Message{
        .titleEnglish = "WARNING!",
        .textEnglish = "Cabrillo file " + name + " not created yet for reloading\n",
        .titleRussian = "ОШИБКА:",
        .textRussian = "Cabrillo файл " + name + " еще не создан, введите первое QSO.\n",
    };
}

}  // namespace tallyhawk
