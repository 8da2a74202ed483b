// CFilesDialog: the buttons, the chosen file and the status line.
#include "app/qt/files_dialog.h"

#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <memory>

#include "app/qt/after_contest_texts.h"
#include "app/qt/qt_conversions.h"
#include "app/qt/small_dialogs.h"
#include "app/qt/wait_cursor.h"

namespace tallyhawk {
namespace {

QString OpenFile(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter, nullptr, QFileDialog::HideNameFilterDetails);
}

QLabel* Caption(QWidget* parent, const QString& text) {
    auto* caption = new QLabel(text, parent);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    return caption;
}

// The status line: light text on the skin colour in a serif face.
QLabel* StatusLine(QWidget* parent) {
    auto* status = new QLabel(parent);
    status->setObjectName(QStringLiteral("status"));
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(14);
    status->setFont(font);
    status->setMinimumWidth(260);
    return status;
}

// A long import draws its count often; the line is repainted at most this often meanwhile.
constexpr qint64 kStatusRepaintMilliseconds = 50;

// The after-contest answer shows this many lines; a longer list of findings scrolls.
constexpr int kAnswerLines = 7;

}  // namespace

CFilesDialog::CFilesDialog(LoggerSession& session, QWidget* parent)
    : CSkinDialog(parent), chooseFile(OpenFile), m_session(session), m_state(session) {
    setWindowTitle(tr("Files"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(8);
    AddConversion(*layout);
    AddLogbook(*layout);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setWordWrap(true);
    layout->addWidget(m_path);
    m_status = StatusLine(this);
    layout->addWidget(m_status);
    AddAfterContest(*layout);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    ShowState();
}

void CFilesDialog::AddConversion(QVBoxLayout& layout) {
    layout.addWidget(Caption(this, tr("Convert a log between ADIF and Cabrillo")));
    auto* conversion = new QHBoxLayout;
    conversion->addWidget(AddButton("adifSource", tr("ADIF source..."), &CFilesDialog::ChooseAdifSource));
    conversion->addWidget(AddButton("cabrilloSource", tr("Cabrillo source..."), &CFilesDialog::ChooseCabrilloSource));
    m_convert = AddButton("convert", tr("Convert"), &CFilesDialog::Convert);
    conversion->addWidget(m_convert);
    conversion->addStretch(1);
    layout.addLayout(conversion);
    layout.addSpacing(6);
}

// Import reads the file as the checked ADIF unless the operator ticks the ADIF of any logger.
void CFilesDialog::AddLogbook(QVBoxLayout& layout) {
    layout.addWidget(Caption(this, tr("Fill the logbook (call history) from an ADIF file")));
    auto* logbook = new QHBoxLayout;
    logbook->addWidget(AddButton("importFile", tr("ADIF file..."), &CFilesDialog::ChooseImportFile));
    logbook->addWidget(AddButton("import", tr("Import"), &CFilesDialog::Import));
    m_anyAdif = new QCheckBox(tr("Any logger's ADIF"), this);
    m_anyAdif->setObjectName(QStringLiteral("anyAdif"));
    logbook->addWidget(m_anyAdif);
    logbook->addStretch(1);
    layout.addLayout(logbook);
    layout.addSpacing(6);
}

// The answer box shows only once a step has something to tell.
void CFilesDialog::AddAfterContest(QVBoxLayout& layout) {
    layout.addSpacing(6);
    layout.addWidget(Caption(this, tr("After the contest")));
    auto* submission = new QHBoxLayout;
    submission->addWidget(AddButton("exportCabrillo", tr("Cabrillo 3.0 for the sponsor"), &CFilesDialog::ExportCabrillo));
    submission->addWidget(AddButton("exportAdif", tr("ADIF 3.1 export"), &CFilesDialog::ExportAdif));
    submission->addWidget(AddButton("check", tr("Check the log"), &CFilesDialog::Check));
    submission->addStretch(1);
    layout.addLayout(submission);
    m_answer = new QPlainTextEdit(this);
    m_answer->setObjectName(QStringLiteral("answer"));
    m_answer->setReadOnly(true);
    m_answer->setFixedHeight(m_answer->fontMetrics().lineSpacing() * kAnswerLines + 4 * m_answer->frameWidth());
    m_answer->hide();
    layout.addWidget(m_answer);
}

QPushButton* CFilesDialog::AddButton(const char* name, const QString& text, void (CFilesDialog::*action)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, action);
    return button;
}

std::optional<std::filesystem::path> CFilesDialog::Choose(const QString& caption, const QString& filter) {
    const QString chosen = chooseFile(this, caption, ToQString(m_state.OutputFolder().string()), filter);
    if (chosen.isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen.toStdString());
}

// The part in the last brackets is the pattern; the dialog shows only the text before it.
void CFilesDialog::ChooseAdifSource() {
    m_state.ChooseConversionSource(Choose(tr("ADIF source"), tr("Files of ADIF format (*.adi)") + " (*.ad* *.AD*)"),
                                   LogFormat::Adif);
    ShowState();
}

void CFilesDialog::ChooseCabrilloSource() {
    m_state.ChooseConversionSource(
        Choose(tr("Cabrillo source"), tr("Files of Cabrillo format (*.cbr)") + " (*.c* *.C*)"), LogFormat::Cabrillo);
    ShowState();
}

void CFilesDialog::ChooseImportFile() {
    m_state.ChooseImportFile(Choose(tr("ADIF file to import"), tr("Files of ADIF format (*.adi)") + " (*.a* *.A*)"));
    ShowState();
}

void CFilesDialog::ShowState() {
    m_convert->setVisible(m_state.ConvertShown());
    m_path->setText(m_state.Path().empty() ? tr("No file chosen.")
                                           : tr("File: %1").arg(ToQString(m_state.Path().string())));
    m_status->setText(ToQString(m_state.StatusText()));
}

// Conversion and import run on this thread; the status line is drawn at once, as the texts come.
StatusSink CFilesDialog::DrawStatus() {
    auto sinceRepaint = std::make_shared<QElapsedTimer>();
    return [this, sinceRepaint](std::string_view text) {
        m_status->setText(ToQString(text));
        if (sinceRepaint->isValid() && sinceRepaint->elapsed() < kStatusRepaintMilliseconds) return;
        m_status->repaint();
        sinceRepaint->start();
    };
}

void CFilesDialog::ShowError(const std::optional<Message>& message) {
    if (message) ShowMessage(this, *message, m_session.Russian());
}

void CFilesDialog::Convert() {
    const ConversionResult result = UnderWaitCursor([this] { return m_state.Convert(DrawStatus()); });
    ShowState();
    ShowError(result.message);
}

void CFilesDialog::Import() {
    if (m_anyAdif->isChecked()) return ImportAnyAdif();
    const ImportResult result = UnderWaitCursor([this] { return m_state.Import(DrawStatus()); });
    ShowState();
    ShowError(result.message);
}

void CFilesDialog::ImportAnyAdif() {
    const AnyImportResult result = UnderWaitCursor([this] { return m_state.ImportAnyAdif(DrawStatus()); });
    ShowState();
    ShowAnswer(AfterContestTexts::OfAnyImport(result, m_session.Russian()));
}

void CFilesDialog::ExportCabrillo() {
    ShowAnswer(AfterContestTexts::OfWrite(m_session.ExportCabrillo(), m_session.Russian()));
}

void CFilesDialog::ExportAdif() { ShowAnswer(AfterContestTexts::OfWrite(m_session.ExportAdif(), m_session.Russian())); }

void CFilesDialog::Check() { ShowAnswer(AfterContestTexts::OfCheck(m_session.CheckSubmission(), m_session.Russian())); }

void CFilesDialog::ShowAnswer(const QStringList& lines) {
    if (lines.isEmpty()) return;
    m_answer->setPlainText(lines.join(QChar('\n')));
    if (!m_answer->isHidden()) return;
    m_answer->show();
    adjustSize();
}

}  // namespace tallyhawk
