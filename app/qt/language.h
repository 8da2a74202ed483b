// The language of the window's texts, switched with Qt's translators: the program's own translation
// (translations/tallyhawk_ru.qm of the shipped data) and Qt's for its standard buttons and dialogs.
// Installing or removing them sends every widget a LanguageChange event, on which it sets its texts
// again, so a change of the Language setting shows at once.
#pragma once

#include <QString>

namespace tallyhawk {

// The folder of tallyhawk_ru.qm: translations/ in the data shipped beside the program, unless set here.
void SetTranslationsFolder(const QString& folder);
QString TranslationsFolder();

// Russian or English texts from now on. False when the Russian translation cannot be loaded; the
// texts then stay English.
bool ApplyLanguage(bool russian);

}  // namespace tallyhawk
