// CQsoEditDialog: one logged contact in a row of fields like the entry row, to correct it (OK), put the
// logged values back (Reset) or delete it after a question. The checks and the file patches are the
// session's; the dialog leaves the outcome in Result().
#pragma once

#include <QLineEdit>
#include <array>
#include <optional>

#include "app/qt/skin.h"
#include "app/session/logger_session.h"

namespace tallyhawk {

class CQsoEditDialog : public CSkinDialog {
    Q_OBJECT
public:
    CQsoEditDialog(LoggerSession& session, EditTransfer opened, QWidget* parent = nullptr);

    // Set once OK saved the contact or Delete was answered; the dialog then closed with Accepted.
    const std::optional<ContactEditResult>& Result() const { return m_result; }

    enum class Column { Call, Date, Time, Band, Mode, Sent, Received };
    QLineEdit* Edit(Column column) const { return m_edits[static_cast<std::size_t>(column)]; }

private:
    void BuildFields();
    void Fill(const EditTransfer& transfer);
    EditTransfer Typed() const;
    void OnTimeEdited(const QString& text);
    void Save();
    void Reset();
    void Delete();
    void Finish(ContactEditResult result);

    LoggerSession& m_session;
    EditTransfer m_opened;
    std::array<QLineEdit*, 7> m_edits{};
    std::string m_previousTime;
    std::optional<ContactEditResult> m_result;
};

}  // namespace tallyhawk
