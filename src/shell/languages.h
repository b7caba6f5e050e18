#pragma once
// Choosing the language: from the system locale, the settings file and the language files;
// remembering it in the settings file when the program closes.
#include <QString>
#include <QStringList>

#include "shell/settings_file.h"

namespace app {

// Language slots; 4 to 6 exist only during start-up, before their language file is loaded.
enum LanguageSlot : unsigned char {
    Italian = 0, English = 1, French = 2, LoadedLanguage = 3, Spanish = 4, Portuguese = 5, German = 6
};

extern QString LanguageFileName;   // path of the loaded language file (up to 250 characters)
extern QStringList LanguageLines;  // the lines of the language file in use
// The record as read at start (or made from the locale when there was no settings file).
extern SettingsRecord StoredSettings;

inline constexpr int LanguageFileNameMax = 250;

// The path of the last file refused from the menu (empty at start).
QString refusedFileName();
// Whether the last language file read was accepted (true at start).
bool languageFileAccepted();

// The language a locale number asks for, or `current` for a locale the program does not know.
int languageForLocale(int localeId, int current);
// The start values, as before the main window is created.
void resetLanguageState();

// Start-up, in this order: the locale, the settings file, the language file (slots above 2).
void chooseLanguageFromLocale(int localeId);
void readStartSettings(const QString& settingsPath);
// Loads the language file for slots 3 to 6, found as findLanguageFile finds it; returns true when a file was accepted (the
// language is then 3), false when the language fell back to English (or no file was needed).
bool loadStartLanguageFile();
// Where the language file chooser opens: the first of the current folder, the user's language
// folder and the installed ones that holds language files; otherwise the current folder.
QString languageFileFolder();
// The default file of the Spanish, Portuguese and German locales.
QString defaultLanguageFile(int slot);

// Reads a language file chosen by the user: true and the tables filled when it is accepted
// (the language is then 3); false when refused, with nothing changed but refusedFileName().
bool loadChosenLanguageFile(const QString& path);

// Writes the settings when the program closes, if anything is to be remembered, making the
// file's folder when it is missing. Returns true when nothing needed writing or the file was
// written; false when it could not be (the previous file, if any, is then left whole).
bool writeSettingsAtClose(const QString& settingsPath, bool defaultLanguageChecked);

}  // namespace app
