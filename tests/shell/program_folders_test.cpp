// Where the settings and language files are found and written: the current folder, the user's
// folders and the installed one (scratch folders through the XDG variables).
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "common/test_support.h"
#include "language_samples.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "shell/program_folders.h"
#include "texts/text_tables.h"

using namespace app;

namespace {

QString configFile()
{
    return QDir(configFolder()).filePath(QStringLiteral("Angolario.cfg"));
}

TEST(SettingsPlace, ReadFromAndWrittenBackWhereTheyAre)
{
    // Settings in the current folder (French) and/or the configuration folder (Italian).
    const std::pair<bool, bool> cases[] = {{true, false}, {true, true}, {false, true}, {false, false}};
    for (const auto& [inCurrent, inConfig] : cases) {
        ScratchDirectory scratch;
        const QString current = scratch.file(QStringLiteral("Angolario.cfg"));
        ASSERT_TRUE(!inCurrent || writeBytes(current, settingsRecord(true, French)));
        ASSERT_TRUE(!inConfig || (QDir().mkpath(configFolder()) && writeBytes(configFile(), settingsRecord(true, Italian))));
        auto main = makeMainWindow();
        main->menuItem("Mostrasuggerimenti1")->trigger();
        main->close();
        const int language = inCurrent ? French : inConfig ? Italian : StoredSettings.language;
        EXPECT_EQ(fileBytes(inCurrent ? current : configFile()), settingsRecord(false, language)) << inCurrent << inConfig;
        EXPECT_EQ(fileBytes(inCurrent ? configFile() : current), inConfig && inCurrent ? settingsRecord(true, Italian) : "");
    }
}

TEST(SettingsPlace, AFailedWriteIsReportedInTheLanguageInUseAndLeavesTheOldFile)
{
    ScratchDirectory scratch;
    // The loaded language is named in the settings and found in the user's language folder.
    const QString user = scratch.userFile(QStringLiteral("data/trigtutor/languages"));
    ASSERT_TRUE(QDir().mkpath(user) && QDir().mkpath(configFolder()));
    ASSERT_TRUE(writeBytes(user + QStringLiteral("/mine.lng"), languageFileBytes(sampleLanguageLines())));
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
        QStringList shown;
        whenModalShown([&](QWidget* notice) {
            shown = {notice->findChild<QLabel*>("Label1")->text(), notice->findChild<QLabel*>("Label2")->text()};
            notice->findChild<QPushButton*>("BitBtn1")->click();
        });
        {
            FileSizeLimit limit(100);  // the new record cannot be written whole
            main->close();
        }
        ASSERT_EQ(shown.size(), 2);
        EXPECT_EQ(shown[0], message);
        EXPECT_TRUE(shown[1].endsWith(QStringLiteral("Angolario.cfg"))) << shown[1].toStdString();
        EXPECT_EQ(fileBytes(configFile()), old);
    }
    EXPECT_EQ(QDir(configFolder()).entryList(QDir::Files), QStringList({QStringLiteral("Angolario.cfg")}));
}

TEST(LanguagePlace, ASpanishLocaleFindsItsFileInTheCurrentThenTheUserThenTheInstalledFolder)
{
    // The current and the user's folders hold made-up files; the installed one the real sample.
    const std::pair<int, const char*> cases[] = {{0b111, "current"}, {0b011, "user"}, {0b001, "pausa|"}, {0, ""}};
    for (const auto& [holds, text] : cases) {
        ScratchDirectory scratch;
        const QString folders[3] = {scratch.userFile(QStringLiteral("system/trigtutor/languages")),
                                    scratch.userFile(QStringLiteral("data/trigtutor/languages")), scratch.path()};
        for (int i = 0; i < 3; ++i) {
            const QString file = folders[i] + QStringLiteral("/lumoespañol.lng");
            QStringList lines = sampleLanguageLines();
            lines[119] = QStringLiteral("119") + (i == 1 ? QStringLiteral("user") : QStringLiteral("current"));
            if (holds & (1 << i))
                ASSERT_TRUE(QDir().mkpath(folders[i]) && (i == 0 ? QFile::copy(QStringLiteral(":/languages/lumoespañol.lng"), file)
                                                                  : writeBytes(file, languageFileBytes(lines))));
        }
        chooseLanguageFromLocale(3082);
        readStartSettings(settingsFileToUse());
        EXPECT_EQ(loadStartLanguageFile(), holds != 0);
        EXPECT_EQ(CurrentLanguage, holds ? LoadedLanguage : English);
        EXPECT_EQ(CommonTexts.text(0, LoadedLanguage), QString::fromUtf8(text));
    }
}

}  // namespace
