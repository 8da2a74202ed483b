// The reload check of the contest log.
#include "log/contest_log_validator.h"

#include <string>

#include "core/file_io.h"
#include "core/text_lines.h"
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
    for (std::size_t column : qso_columns::kCheckedBlanks) {
        if (column > line.size() || line[column - 1] != ' ') return false;
    }
    return true;
}

std::optional<std::size_t> FirstInvalidContestLogLine(std::string_view text) {
    LineCursor lines(text);
    for (std::size_t number = 1; const auto line = lines.Next(); ++number) {
        if (!ValidContestLogLine(line->text)) return number;
    }
    return std::nullopt;
}

LogCheckResult ContestLogValidator(const std::filesystem::path& logFile) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(logFile, error)) return {};
    const auto text = ReadFile(logFile);
    if (!text) return {};
    const auto badLine = FirstInvalidContestLogLine(*text);
    return {!badLine, badLine};
}

Message LogNotValidMessage(std::string_view fileName) {
    const std::string name(fileName);
    const std::string address(kOrganiserAddress);
    return Message{
        .titleEnglish = "WARNING!",
        .textEnglish = "Error occurs when loading " + name +
                       ".\nSome entries are not correct Cabrillo ARRL format.\n"
                       "Please see ARRL templates (" +
                       address + ").",
        .titleRussian = "ОШИБКА:",
        .textRussian = "Ошибка при загрузке " + name +
                       ".\nНекоторые строки не соответствуют ARRL Cabrillo формату.\n"
                       "Проверьте правильность формата в любом текстовом редакторе.\n"
                       "Для информации обращайтесь на сайт ARRL (" +
                       address + ").",
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
