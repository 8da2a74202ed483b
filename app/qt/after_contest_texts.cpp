// AfterContestTexts: the lines that tell what an after-contest step did.
#include "app/qt/after_contest_texts.h"

#include "app/qt/qt_conversions.h"
#include "log/submission_check.h"

namespace tallyhawk {

QString AfterContestTexts::OfMessage(const Message& message, bool russian) {
    return ToQString(MessageTitle(message, russian) + ": " + MessageText(message, russian));
}

QStringList AfterContestTexts::OfWrite(const SubmissionWrite& written, bool russian) {
    if (written.message) return {OfMessage(*written.message, russian)};
    QStringList lines;
    for (std::size_t line : written.unreadLines) lines << tr("line %1: cannot be read; not in the file").arg(line);
    lines << tr("%1 contacts written to %2").arg(written.contacts).arg(ToQString(written.path.string()));
    return lines;
}

QStringList AfterContestTexts::OfCheck(const SubmissionCheck& check, bool russian) {
    if (check.message) return {OfMessage(*check.message, russian)};
    QStringList lines;
    for (const auto& finding : check.findings) lines << ToQString(FindingText(finding));
    lines << tr("%1 findings, %2 contacts").arg(check.findings.size()).arg(check.contacts);
    return lines;
}

// Nothing chosen, nothing to tell.
QStringList AfterContestTexts::OfAnyImport(const AnyImportResult& result, bool russian) {
    if (result.outcome == AnyImportOutcome::NothingChosen) return {};
    if (result.message) return {OfMessage(*result.message, russian)};
    return {tr("%1 records read, %2 in the logbook, %3 without a call left out.")
                .arg(result.records).arg(result.imported).arg(result.withoutCall)};
}

}  // namespace tallyhawk
