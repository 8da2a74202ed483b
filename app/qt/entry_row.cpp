// CEntryRow: the seven fields of the entry row, labelled, in one row.
#include "app/qt/entry_row.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>

#include "app/qt/qt_conversions.h"

namespace tallyhawk {
namespace {

struct FieldLook {
    const char* label;  // translated
    int width;
    bool typed;  // read-only fields are filled from the contest setup
};

// Call, Date, Time, Band, Mode, Exchange sent, Exchange received.
constexpr std::array<FieldLook, kEntryFields.size()> kFieldLooks = {{
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Call"), 110, true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Date"), 90, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Time"), 60, true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Band"), 45, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Mode"), 45, false},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Exchange sent"), 70, true},
    {QT_TRANSLATE_NOOP("tallyhawk::CEntryRow", "Exchange received"), 70, true},
}};

// Caret positions: the session counts bytes of UTF-8, a line edit counts UTF-16 units.
std::size_t BytePosition(const QString& text, int caret) { return text.left(caret).toUtf8().size(); }

int CharPosition(const QString& text, std::size_t bytes) {
    const QByteArray utf8 = text.toUtf8();
    return static_cast<int>(QString::fromUtf8(utf8.left(static_cast<qsizetype>(bytes))).size());
}

}  // namespace

CEntryRow::CEntryRow(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    for (const Field field : kEntryFields) {
        const auto index = static_cast<std::size_t>(field);
        const FieldLook& look = kFieldLooks[index];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(ToQString(FieldName(field)));
        edit->setFixedWidth(look.width);
        edit->setReadOnly(!look.typed);
        edit->setFocusPolicy(look.typed ? Qt::StrongFocus : Qt::NoFocus);
        edit->setAlignment(field == Field::Call ? Qt::AlignLeft : Qt::AlignCenter);
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { OnTextEdited(field, text); });
        m_labels[index] = new QLabel(this);
        layout->addWidget(m_labels[index], 0, static_cast<int>(index), Qt::AlignLeft | Qt::AlignBottom);
        layout->addWidget(edit, 1, static_cast<int>(index));
        m_edits[index] = edit;
    }
    Retranslate();
    layout->setColumnStretch(static_cast<int>(kEntryFields.size()), 1);
    setTabOrder(Edit(Field::Call), Edit(Field::Time));
    setTabOrder(Edit(Field::Time), Edit(Field::ExchangeSent));
    setTabOrder(Edit(Field::ExchangeSent), Edit(Field::ExchangeReceived));
    connect(qApp, &QApplication::focusChanged, this, &CEntryRow::OnFocusChanged);
}

void CEntryRow::Retranslate() {
    for (std::size_t index = 0; index < m_labels.size(); ++index)
        m_labels[index]->setText(tr(kFieldLooks[index].label));
}

void CEntryRow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) Retranslate();
    QWidget::changeEvent(event);
}

void CEntryRow::OnTextEdited(Field field, const QString& text) {
    emit fieldEdited(field, text, BytePosition(text, Edit(field)->cursorPosition()));
}

void CEntryRow::ShowEntry(const EntryForm& entry) {
    for (const Field field : kEntryFields) {
        const QString text = ToQString(entry[field]);
        QLineEdit* edit = Edit(field);
        if (edit->text() == text) continue;
        const int caret = edit->cursorPosition();
        const bool atEnd = caret == edit->text().size();
        edit->setText(text);
        edit->setCursorPosition(atEnd ? static_cast<int>(text.size())
                                      : std::min(caret, static_cast<int>(text.size())));
    }
}

void CEntryRow::SetMaxLengths(const EntryRules& rules) {
    constexpr int kUnlimited = 32767;  // QLineEdit's own default
    for (const Field field : kEntryFields) {
        const std::size_t limit = rules.MaxLength(field);
        Edit(field)->setMaxLength(limit > 0 ? static_cast<int>(limit) : kUnlimited);
    }
}

void CEntryRow::PlaceCaret(Field field, std::size_t caret) {
    QLineEdit* edit = Edit(field);
    edit->setCursorPosition(CharPosition(edit->text(), caret));
}

void CEntryRow::SetColors(const QColor& back, const QColor& text) {
    for (QLineEdit* edit : m_edits) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, back);
        palette.setColor(QPalette::Text, text);
        edit->setPalette(palette);
    }
}

void CEntryRow::FocusField(Field field) {
    QLineEdit* edit = Edit(field);
    if (!edit->hasFocus()) edit->setFocus(Qt::OtherFocusReason);
}

std::optional<Field> CEntryRow::FocusedField() const {
    for (const Field field : kEntryFields) {
        if (Edit(field)->hasFocus()) return field;
    }
    return std::nullopt;
}

std::optional<Field> CEntryRow::FieldOf(const QObject* object) const {
    for (const Field field : kEntryFields) {
        if (Edit(field) == object) return field;
    }
    return std::nullopt;
}

// Only moves within the window enter or leave a field: activating another window (a message box, another
// program) and coming back leave the row as it was.
void CEntryRow::OnFocusChanged(QWidget* old, QWidget* now) {
    if (!old || !now || old->window() != window() || now->window() != window()) return;
    if (const auto left = FieldOf(old)) emit fieldLeft(*left);
    if (const auto entered = FieldOf(now)) emit fieldEntered(*entered);
}

}  // namespace tallyhawk
