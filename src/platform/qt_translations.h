#pragma once
// Qt's own texts (the file chooser, the standard dialog buttons, the menus of text fields) in
// the program's language, from the translation catalogues installed with Qt (on Debian the
// package qt6-translations-l10n).
#include <QString>

namespace QtTranslations {

// The locale name of a language slot: "it", "en", "fr" for slots 0, 1, 2. For a language loaded
// from a file (slot 3), the language the file names: its name in English (the file's line for
// English, such as "Spanish"), else its name in itself ("Español"), matched against the
// languages Qt knows; empty when neither names one.
QString localeNameFor(int languageSlot, const QString& englishName, const QString& ownName);

// Puts Qt's texts in the language of a locale name, in place of the language used before. English,
// an empty name and a language without an installed catalogue leave Qt's own English texts.
// True when a catalogue was loaded.
bool use(const QString& localeName);

// The locale name whose catalogue is in use; empty for Qt's own English.
QString current();

}  // namespace QtTranslations
