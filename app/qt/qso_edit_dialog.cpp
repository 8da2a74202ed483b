// CQsoEditDialog: the fields, the four buttons and what each asks of the session.
#include "app/qt/qso_edit_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "app/qt/qt_conversions.h"
#include "app/session/time_field.h"

namespace tallyhawk {
namespace {

struct ColumnLook {
    const char* name;
    const char* caption;
    int width;
    int maxLength;
};

constexpr std::array<ColumnLook, 7> kColumns = {{
    {"Call", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Call"), 110, 14},
    {"Date", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Date"), 90, 10},
    {"UTC", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "UTC"), 60, 5},
    {"Band", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Band"), 45, 3},
    {"Mode", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Mode"), 45, 2},
    {"Sent", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Sent"), 70, 6},
    {"Rcvd", QT_TRANSLATE_NOOP("tallyhawk::CQsoEditDialog", "Rcvd"), 70, 6},
}};

}  // namespace

CQsoEditDialog::CQsoEditDialog(LoggerSession& session, EditTransfer opened, QWidget* parent)
    : CSkinDialog(parent), m_session(session), m_opened(std::move(opened)) {
    setWindowTitle(tr("Edit QSO"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 10);
    BuildFields();
    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);
    QPushButton* remove = buttons->addButton(tr("Delete"), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("delete"));
    for (QAbstractButton* button : buttons->buttons())
        qobject_cast<QPushButton*>(button)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CQsoEditDialog::Save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, &CQsoEditDialog::Reset);
    connect(remove, &QPushButton::clicked, this, &CQsoEditDialog::Delete);
    layout->addWidget(buttons);
    Fill(m_opened);
}

void CQsoEditDialog::BuildFields() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    const bool letters = m_session.EditorExchange().takesLetters;
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kColumns[column].name));
        edit->setFixedWidth(kColumns[column].width);
        edit->setMaxLength(kColumns[column].maxLength);
        edit->setAlignment(column == 0 ? Qt::AlignLeft : Qt::AlignCenter);
        const auto which = static_cast<Column>(column);
        if ((which == Column::Sent || which == Column::Received) && !letters)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit));
        if (which == Column::Time) {
            connect(edit, &QLineEdit::textEdited, this, &CQsoEditDialog::OnTimeEdited);
        } else {
            connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
                const int caret = edit->cursorPosition();
                edit->setText(text.toUpper());
                edit->setCursorPosition(caret);
            });
        }
        grid->addWidget(new QLabel(tr(kColumns[column].caption), this), 0, static_cast<int>(column));
        grid->addWidget(edit, 1, static_cast<int>(column));
        m_edits[column] = edit;
    }
    qobject_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void CQsoEditDialog::OnTimeEdited(const QString& text) {
    QLineEdit* time = Edit(Column::Time);
    const TimeFieldEdit typed =
        TypedTimeText(ToStdString(text), static_cast<std::size_t>(time->cursorPosition()), m_previousTime);
    m_previousTime = typed.text;
    time->setText(ToQString(typed.text));
    time->setCursorPosition(static_cast<int>(typed.caret));
}

void CQsoEditDialog::Fill(const EditTransfer& transfer) {
    const std::array<const std::string*, 7> values = {&transfer.call, &transfer.date, &transfer.utc,
                                                      &transfer.band, &transfer.mode, &transfer.sent,
                                                      &transfer.rcvd};
    for (std::size_t column = 0; column < values.size(); ++column)
        m_edits[column]->setText(ToQString(*values[column]));
    m_previousTime = transfer.utc;
}

EditTransfer CQsoEditDialog::Typed() const {
    const auto text = [this](Column column) { return ToStdString(Edit(column)->text()); };
    return EditTransfer{text(Column::Call), text(Column::Date), text(Column::Time),     text(Column::Band),
                        text(Column::Mode), text(Column::Sent), text(Column::Received), m_opened.number};
}

// Fields the checks refuse are put back as logged, and the dialog stays open.
void CQsoEditDialog::Save() {
    ContactEditResult result = m_session.SaveEditedContact(Typed());
    if (result.outcome != ContactEditOutcome::Done) return Reset();
    Finish(std::move(result));
}

void CQsoEditDialog::Reset() { Fill(m_session.EditorFields().value_or(m_opened)); }

void CQsoEditDialog::Delete() {
    const Message question = DeleteConfirmationMessage(m_opened.call);
    const bool russian = m_session.Russian();
    QMessageBox box(QMessageBox::Warning, ToQString(MessageTitle(question, russian)),
                    ToQString(MessageText(question, russian)), QMessageBox::Ok | QMessageBox::Cancel, this);
    if (box.exec() != QMessageBox::Ok) return Finish(m_session.DeleteDeclined());
    Finish(m_session.DeleteContact(TransferContactNumber(m_opened)));
}

void CQsoEditDialog::Finish(ContactEditResult result) {
    m_result = std::move(result);
    accept();
}

}  // namespace tallyhawk
