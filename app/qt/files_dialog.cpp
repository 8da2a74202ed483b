// CFilesDialog: the buttons, the chosen file and the status line.
#include "app/qt/files_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <memory>

#include "app/qt/qt_conversions.h"
#include "app/qt/small_dialogs.h"

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

}  // namespace

CFilesDialog::CFilesDialog(LoggerSession& session, QWidget* parent)
    : CSkinDialog(parent), chooseFile(OpenFile), m_session(session), m_state(session) {
    setWindowTitle(tr("Files"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->setSpacing(8);
    layout->addWidget(Caption(this, tr("Convert a log between ADIF and Cabrillo")));
    auto* conversion = new QHBoxLayout;
    conversion->addWidget(AddButton("adifSource", tr("ADIF source..."), &CFilesDialog::ChooseAdifSource));
    conversion->addWidget(AddButton("cabrilloSource", tr("Cabrillo source..."), &CFilesDialog::ChooseCabrilloSource));
    m_convert = AddButton("convert", tr("Convert"), &CFilesDialog::Convert);
    conversion->addWidget(m_convert);
    conversion->addStretch(1);
    layout->addLayout(conversion);
    layout->addSpacing(6);
    layout->addWidget(Caption(this, tr("Fill the logbook (call history) from an ADIF file")));
    auto* logbook = new QHBoxLayout;
    logbook->addWidget(AddButton("importFile", tr("ADIF file..."), &CFilesDialog::ChooseImportFile));
    logbook->addWidget(AddButton("import", tr("Import"), &CFilesDialog::Import));
    logbook->addStretch(1);
    layout->addLayout(logbook);
    layout->addSpacing(6);
    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setWordWrap(true);
    layout->addWidget(m_path);
    m_status = StatusLine(this);
    layout->addWidget(m_status);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    ShowState();
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
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConversionResult result = m_state.Convert(DrawStatus());
    QApplication::restoreOverrideCursor();
    ShowState();
    ShowError(result.message);
}

void CFilesDialog::Import() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportResult result = m_state.Import(DrawStatus());
    QApplication::restoreOverrideCursor();
    ShowState();
    ShowError(result.message);
}

}  // namespace tallyhawk
