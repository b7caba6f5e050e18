#include "shell/languages.h"

#include <QDir>
#include <QFileInfo>

#include "shell/language_file.h"
#include "shell/program_folders.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"

namespace app {

QString LanguageFileName;
QStringList LanguageLines;
SettingsRecord StoredSettings;

namespace {
QString RefusedFileName;
bool LanguageFileAccepted = true;
}  // namespace

QString refusedFileName()
{
    return RefusedFileName;
}

bool languageFileAccepted()
{
    return LanguageFileAccepted;
}

int languageForLocale(int id, int current)
{
    switch (id) {
    case 1031: case 2055: case 3079: case 4103: case 5127:
        return German;
    case 1033: case 2057: case 3081: case 4105: case 5129: case 6153: case 7177:
        return English;
    case 1034: case 2058: case 3082: case 4106: case 5130: case 6154: case 7178: case 8202: case 9226:
    case 10250: case 11274: case 12298: case 13322: case 14346: case 15370: case 16394: case 17418:
    case 18442: case 19466: case 20490:
        return Spanish;
    case 1036: case 2060: case 3084: case 4108: case 5132:
        return French;
    case 1040: case 2064:
        return Italian;
    case 1046: case 2070:
        return Portuguese;
    default:
        return current;
    }
}

void resetLanguageState()
{
    CurrentLanguage = English;
    ShowHints = true;
    LanguageFileName.clear();
    RefusedFileName.clear();
    LanguageLines.clear();
    LanguageFileAccepted = true;
    StoredSettings = SettingsRecord{};
    resetTextTables();
}

void chooseLanguageFromLocale(int localeId)
{
    CurrentLanguage = static_cast<unsigned char>(languageForLocale(localeId, CurrentLanguage));
}

void readStartSettings(const QString& settingsPath)
{
    const std::optional<SettingsRecord> record = readSettingsFile(settingsPath);
    if (!record) {
        StoredSettings = SettingsRecord{};
        StoredSettings.hints = ShowHints;
        StoredSettings.language = CurrentLanguage;
        return;
    }
    StoredSettings = *record;
    ShowHints = record->hints;
    LanguageFileName = decodeFileName(record->fileName);
    CurrentLanguage = record->language;
}

QString languageFileFolder()
{
    // The first folder that holds language files: the current one, the user's, the installed ones.
    for (const QString& folder : languageFolders()) {
        const QDir dir(folder);
        if (!dir.entryList({QStringLiteral("*.lng")}, QDir::Files).isEmpty())
            return dir.absolutePath();
    }
    return QDir::current().absolutePath();
}

QString defaultLanguageFile(int slot)
{
    switch (slot) {
    case Spanish: return QStringLiteral("lumoespañol.lng");
    case Portuguese: return QStringLiteral("lumoportuguês.lng");
    case German: return QStringLiteral("lumodeutsch.lng");
    default: return QString();
    }
}

bool loadStartLanguageFile()
{
    if (CurrentLanguage <= French)
        return false;
    if (CurrentLanguage != LoadedLanguage)
        LanguageFileName = defaultLanguageFile(CurrentLanguage);
    if (!hasLanguageExtension(LanguageFileName)) {
        CurrentLanguage = English;
        return false;
    }
    // A relative name is looked for in the current folder, the user's and the installed ones.
    LanguageFileName = findLanguageFile(LanguageFileName);
    const std::optional<QStringList> lines = readLanguageFile(LanguageFileName);
    if (!lines) {
        LanguageFileAccepted = false;
        CurrentLanguage = English;
        return false;
    }
    LanguageLines = *lines;
    fillTablesFromLanguageLines(LanguageLines);
    LanguageFileAccepted = true;
    CurrentLanguage = LoadedLanguage;
    return true;
}

bool loadChosenLanguageFile(const QString& chosen)
{
    const QString path = chosen.left(LanguageFileNameMax);
    LanguageFileAccepted = true;
    std::optional<QStringList> lines;
    if (hasLanguageExtension(path))
        lines = readLanguageFile(path);
    if (!lines) {
        LanguageFileAccepted = false;
        RefusedFileName = path;
        return false;
    }
    LanguageFileName = path;
    LanguageLines = *lines;
    CurrentLanguage = LoadedLanguage;
    fillTablesFromLanguageLines(LanguageLines);
    return true;
}

bool writeSettingsAtClose(const QString& settingsPath, bool defaultLanguageChecked)
{
    if (!defaultLanguageChecked && StoredSettings.hints == ShowHints)
        return true;
    SettingsRecord record = StoredSettings;
    record.hints = ShowHints;
    if (defaultLanguageChecked) {
        record.fileName = CurrentLanguage == LoadedLanguage ? encodeFileName(LanguageFileName).left(SettingsNameMax)
                                                            : QByteArray();
        record.language = CurrentLanguage;
    }
    // The configuration folder is made when the settings are first written there.
    QDir().mkpath(QFileInfo(settingsPath).absolutePath());
    return writeSettingsFile(settingsPath, record);
}

}  // namespace app
