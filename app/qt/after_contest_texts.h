// AfterContestTexts: what an after-contest step did, as lines for the operator: the file written and the
// contest-log lines left out of it, the check's findings, the logbook filled from any logger's ADIF, or
// the message that stopped the step. The "After the contest" dialog and the Files dialog both show them.
#pragma once

#include <QCoreApplication>
#include <QStringList>

#include "app/session/logger_session.h"

namespace tallyhawk {

class AfterContestTexts {
    Q_DECLARE_TR_FUNCTIONS(AfterContestTexts)
public:
    static QString OfMessage(const Message& message, bool russian);
    static QStringList OfWrite(const SubmissionWrite& written, bool russian);
    static QStringList OfCheck(const SubmissionCheck& check, bool russian);
    static QStringList OfAnyImport(const AnyImportResult& result, bool russian);
};

}  // namespace tallyhawk
