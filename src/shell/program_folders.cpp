#include "shell/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "shell/command_line.h"
#include "shell/settings_file.h"

namespace app {

namespace {
const char* const LanguagesSubfolder = "/languages";
const char* const InstalledLanguagesFolder = "/trigtutor/languages";
}  // namespace

void setProgramNames()
{
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QString::fromLatin1(CommandName));
}

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString settingsFileToUse()
{
    const QString name = QString::fromLatin1(SettingsFileName);
    // A file kept in the current folder by older versions goes on being used there. Anything
    // but a regular file (a FIFO, a folder, a link to nowhere) counts as no file.
    if (QFileInfo(name).isFile())
        return QDir::current().absoluteFilePath(name);
    const QString folder = configFolder();
    return folder.isEmpty() ? QDir::current().absoluteFilePath(name) : QDir(folder).filePath(name);
}

QString userLanguageFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QLatin1String(LanguagesSubfolder);
}

QStringList installedLanguageFolders()
{
    // Beside the program's own prefix (bin/../share), so any install prefix works; then the
    // system's data folders, leaving out the user's own.
    QStringList folders{QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share") +
                                        QLatin1String(InstalledLanguagesFolder))};
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString folder = QDir::cleanPath(data + QLatin1String(InstalledLanguagesFolder));
        if (data != userData && !folders.contains(folder))
            folders.append(folder);
    }
    return folders;
}

QStringList languageFolders()
{
    QStringList folders{QDir::currentPath()};
    if (const QString user = userLanguageFolder(); !user.isEmpty())
        folders.append(user);
    return folders + installedLanguageFolders();
}

QString findLanguageFile(const QString& name)
{
    if (name.isEmpty() || QDir::isAbsolutePath(name) || QFileInfo(name).isFile())
        return name;
    QStringList folders = languageFolders();
    folders.removeFirst();  // the current folder, tried above
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo(path).isFile())
            return path;
    }
    return name;
}

}  // namespace app
