#pragma once
// Where the program keeps its files. The settings file is read from the current folder when one
// is there (as older versions kept it), otherwise from the user's configuration folder
// (~/.config/trigtutor/). Language files are looked for in the current folder, then in the
// user's data folder (~/.local/share/trigtutor/languages/), then in the installed folder
// (<prefix>/share/trigtutor/languages/, beside the program's own prefix).
#include <QString>
#include <QStringList>

namespace app {

// Names the program for the system's folders: the application "trigtutor", no organisation, so
// that the configuration folder is ~/.config/trigtutor/ and the data folder ~/.local/share/trigtutor/.
// Called once, before any folder is asked for.
void setProgramNames();

// The user's configuration folder (not created here).
QString configFolder();
// The settings file to read at start and to write back at close: Angolario.cfg in the current
// folder when a regular file (or a link to one) is there, otherwise in the configuration folder.
QString settingsFileToUse();

// The folders that language files are looked for in, in order: the current folder, the user's
// data folder, the installed folders (beside the program, then the system's data folders).
QString userLanguageFolder();
QStringList installedLanguageFolders();
QStringList languageFolders();
// A language file named in the settings or by a locale: an absolute path as it is; a relative
// one as it is when the current folder holds it, otherwise the first of the other folders that
// holds it (as an absolute path), otherwise as it is.
QString findLanguageFile(const QString& name);

}  // namespace app
