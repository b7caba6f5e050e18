// Where the settings and the language files are found and written: the current folder, the
// user's folders (scratch ones, through XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_DATA_DIRS) and the
// installed folder.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "common/test_support.h"
#include "language_samples.h"
#include "shell/language_file.h"
#include "shell/languages.h"
#include "shell/main_window.h"
#include "shell/program_folders.h"
#include "shell/text_tables.h"

using namespace app;

namespace {

QString configFile()
{
    return QDir(configFolder()).filePath(QStringLiteral("Angolario.cfg"));
}

TEST(SettingsPlace, ReadFromAndWrittenBackWhereTheyAre)
{
    struct Case {
        const char* name;
        bool inCurrent;
        bool inConfig;
    };
    for (const Case& c : {Case{"current folder", true, false}, Case{"both", true, true},
                          Case{"configuration folder", false, true}, Case{"neither", false, false}}) {
        ScratchDirectory scratch;
        const QString current = scratch.file(QStringLiteral("Angolario.cfg"));
        if (c.inCurrent)
            ASSERT_TRUE(writeBytes(current, settingsRecord(true, French)));
        if (c.inConfig)
            ASSERT_TRUE(QDir().mkpath(configFolder()) && writeBytes(configFile(), settingsRecord(true, Italian)));
        {
            auto main = makeMainWindow();
            if (c.inCurrent || c.inConfig)
                EXPECT_EQ(CurrentLanguage, c.inCurrent ? French : Italian) << c.name;
            main->menuItem("Mostrasuggerimenti1")->trigger();
            main->close();
        }
        // Hints off, the language as it was read; the other place as it was.
        const QByteArray written = fileBytes(c.inCurrent ? current : configFile());
        ASSERT_EQ(written.size(), 203) << c.name;
        EXPECT_EQ(written[0], 0) << c.name;
        if (c.inCurrent || c.inConfig)
            EXPECT_EQ(written, settingsRecord(false, c.inCurrent ? French : Italian)) << c.name;
        if (c.inCurrent)
            EXPECT_EQ(QFileInfo::exists(configFile()), c.inConfig) << c.name;
        else
            EXPECT_FALSE(QFileInfo::exists(current)) << c.name;
        if (c.inCurrent && c.inConfig)
            EXPECT_EQ(fileBytes(configFile()), settingsRecord(true, Italian));
    }
}

TEST(SettingsPlace, AFailedWriteIsReportedInTheLanguageInUseAndLeavesTheOldFile)
{
    ScratchDirectory scratch;
    // The loaded language is named in the settings and found in the user's language folder.
    const QString user = scratch.userFile(QStringLiteral("data/trigtutor/languages"));
    ASSERT_TRUE(QDir().mkpath(user) && QDir().mkpath(configFolder()));
    ASSERT_TRUE(writeBytes(QDir(user).filePath(QStringLiteral("mine.lng")), languageFileBytes(sampleLanguageLines())));
    const std::pair<QByteArray, QString> cases[] = {
        {settingsRecord(true, Italian), QStringLiteral("Impossibile salvare le impostazioni in")},
        {settingsRecord(true, English), QStringLiteral("The settings could not be saved in")},
        {settingsRecord(true, French), QStringLiteral("Impossible d'enregistrer les réglages dans")},
        {settingsRecord(true, LoadedLanguage, "mine.lng"), QStringLiteral("The settings could not be saved in")},
    };
    for (const auto& [old, message] : cases) {
        resetProgramState();
        ASSERT_TRUE(writeBytes(configFile(), old));
        auto main = makeMainWindow();
        EXPECT_EQ(CurrentLanguage, old[1]);
        main->menuItem("Mostrasuggerimenti1")->trigger();
        QString shown, path;
        whenModalShown([&](QWidget* notice) {
            shown = notice->findChild<QLabel*>("Label1")->text();
            path = notice->findChild<QLabel*>("Label2")->text();
            notice->findChild<QPushButton*>("BitBtn1")->click();
        });
        {
            FileSizeLimit limit(100);  // the new record cannot be written whole
            main->close();
        }
        EXPECT_EQ(shown, message);
        EXPECT_TRUE(path.endsWith(QStringLiteral("Angolario.cfg"))) << path.toStdString();
        EXPECT_EQ(fileBytes(configFile()), old);
    }
    EXPECT_EQ(QDir(configFolder()).entryList(QDir::Files), QStringList({QStringLiteral("Angolario.cfg")}));
}

TEST(LanguagePlace, AStoredNameIsFoundInTheCurrentThenTheUserThenTheInstalledFolder)
{
    struct Case {
        bool holds[3];  // current, user, installed
        const char* used;
    };
    const char* const marks[3] = {"current", "user", "installed"};
    for (const Case& c : {Case{{true, true, true}, "current"}, Case{{false, true, true}, "user"},
                          Case{{false, false, true}, "installed"}, Case{{false, false, false}, ""}}) {
        ScratchDirectory scratch;
        const QString folders[3] = {scratch.path(), scratch.userFile(QStringLiteral("data/trigtutor/languages")),
                                    scratch.userFile(QStringLiteral("system/trigtutor/languages"))};
        for (int i = 0; i < 3; ++i) {
            if (!c.holds[i])
                continue;
            QStringList lines = sampleLanguageLines();
            lines[119] = QStringLiteral("119") + QString::fromLatin1(marks[i]);
            ASSERT_TRUE(QDir().mkpath(folders[i]));
            ASSERT_TRUE(writeBytes(QDir(folders[i]).filePath(QStringLiteral("mine.lng")), languageFileBytes(lines)));
        }
        ASSERT_TRUE(writeBytes(scratch.file(QStringLiteral("Angolario.cfg")), settingsRecord(true, LoadedLanguage, "mine.lng")));
        readStartSettings(QStringLiteral("Angolario.cfg"));
        EXPECT_EQ(loadStartLanguageFile(), *c.used != '\0') << c.used;
        EXPECT_EQ(CurrentLanguage, *c.used ? LoadedLanguage : English) << c.used;
        EXPECT_EQ(CommonTexts.text(0, LoadedLanguage), QString::fromLatin1(c.used));
    }
}

TEST(LanguagePlace, ASpanishLocaleFindsTheInstalledSample)
{
    ScratchDirectory scratch;
    const QString installed = scratch.userFile(QStringLiteral("system/trigtutor/languages"));
    ASSERT_TRUE(QDir().mkpath(installed));
    for (const QString name : {QStringLiteral("lumoespañol.lng"), QStringLiteral("lumoespañol.bmp")})
        ASSERT_TRUE(QFile::copy(QStringLiteral(":/languages/") + name, QDir(installed).filePath(name)));
    chooseLanguageFromLocale(3082);
    readStartSettings(settingsFileToUse());
    ASSERT_TRUE(loadStartLanguageFile());
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(LanguageFileName, QDir(installed).filePath(QStringLiteral("lumoespañol.lng")));
    EXPECT_EQ(MenuTexts.text(31, LoadedLanguage), QStringLiteral("Español"));
    EXPECT_FALSE(readFlagPicture(flagPicturePath(LanguageFileName)).isNull());
}

}  // namespace
