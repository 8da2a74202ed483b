// The window's language: Qt's translators installed and removed.
#include "app/qt/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "core/work_folder.h"

namespace tallyhawk {
namespace {

QString& ChosenTranslationsFolder() {
    static QString folder;
    return folder;
}

// The translators belong to the application object and end with it.
QTranslator& Translator(QPointer<QTranslator>& translator) {
    if (!translator) translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

QTranslator& ProgramTranslator() {
    static QPointer<QTranslator> translator;
    return Translator(translator);
}

QTranslator& QtTranslator() {
    static QPointer<QTranslator> translator;
    return Translator(translator);
}

bool InstallTranslators(bool russian) {
    QCoreApplication::removeTranslator(&ProgramTranslator());
    QCoreApplication::removeTranslator(&QtTranslator());
    if (!russian) return true;
    // Qt's own translation is a nicety (the colour chooser); without it Qt's few texts stay English.
    if (QtTranslator().load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&QtTranslator());
    if (!ProgramTranslator().load(QStringLiteral("tallyhawk_ru"), TranslationsFolder())) return false;
    return QCoreApplication::installTranslator(&ProgramTranslator());
}

}  // namespace

void SetTranslationsFolder(const QString& folder) { ChosenTranslationsFolder() = folder; }

QString TranslationsFolder() {
    if (!ChosenTranslationsFolder().isEmpty()) return ChosenTranslationsFolder();
    const auto shipped = ShippedDataFolder(QCoreApplication::applicationFilePath().toStdString());
    return QString::fromStdString((shipped / "translations").string());
}

bool ApplyLanguage(bool russian) {
    const bool installed = InstallTranslators(russian);
    // The change reaches the widgets as posted events: the application's, then each window's. Both are
    // delivered here, so the texts have changed when this returns (and the dialog that asked for it
    // closes onto the new language).
    for (int round = 0; round < 2; ++round)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return installed;
}

}  // namespace tallyhawk
