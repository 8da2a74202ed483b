// The Cabrillo contest log: header and QSO: line writer.
#include "log/contest_log_writer.h"

#include "core/text.h"
#include "log/qso_line.h"

namespace tallyhawk {

std::array<std::string, 4> SplitAddress(std::string_view address) {
    std::array<std::string, 4> lines;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto star = address.find('*');
        if (star == std::string_view::npos) break;
        lines[i] = address.substr(0, star);
        address.remove_prefix(star + 1);
    }
    lines[3] = address;
    return lines;
}

std::string FormatLogHeader(std::string_view contest, const StationProfile& station) {
    std::string header;
    const auto line = [&header](std::string_view text) { header.append(text).append(kLineEnd); };
    line("START-OF-LOG: 2.0");
    line("ARRL-SECTION:");
    line("CONTEST: " + std::string(contest));
    line("CALLSIGN: " + station.callsign);
    line("CATEGORY:");
    line("CLAIMED-SCORE:");
    line("OPERATORS:");
    line("CLUB: " + ToUpperAscii(station.club));
    line("NAME: " + ToUpperAscii(station.name));
    for (const auto& addressLine : SplitAddress(station.address)) line("ADDRESS: " + ToUpperAscii(addressLine));
    line("SOAP BOX:");
    return header;
}

bool ContestLogWriter(const ContestLogWrite& target, const QsoRecord& qso, std::int64_t position) {
    const auto path = target.folder.ContestLogPath(target.station.callsign);
    const std::string line = FormatQsoLine(qso, target.station.callsign, target.transmitterId) + std::string(kLineEnd);
    if (position >= 0 && FileExists(path)) {
        return WriteAtOffset(path, static_cast<std::uint64_t>(position), line, target.durability);
    }
    return CreateOrAppend(path, FormatLogHeader(target.contest, target.station), line, target.durability);
}

Message LogNotWrittenMessage(std::string_view fileName) {
    const std::string name(fileName);
    return Message{
        .titleEnglish = "ERROR",
        .textEnglish = "Cannot write the contest log " + name + "!\nThe QSO is not saved.",
        .titleRussian = "ОШИБКА",
        .textRussian = "Невозможно записать файл " + name + "!\nQSO не сохранено.",
    };
}

}  // namespace tallyhawk
