#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "common/test_support.h"
#include "language_samples.h"
#include "shell/language_file.h"
#include "shell/languages.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"

using namespace app;

namespace {

// ----- locale -----

TEST(LocaleLanguage, EveryListedLocaleNumberPicksItsLanguage)
{
    const std::vector<std::pair<std::vector<int>, int>> table = {
        {{1031, 2055, 3079, 4103, 5127}, German},
        {{1033, 2057, 3081, 4105, 5129, 6153, 7177}, English},
        {{1034, 2058, 3082, 4106, 5130, 6154, 7178, 8202, 9226, 10250, 11274, 12298, 13322, 14346, 15370, 16394,
          17418, 18442, 19466, 20490},
         Spanish},
        {{1036, 2060, 3084, 4108, 5132}, French},
        {{1040, 2064}, Italian},
        {{1046, 2070}, Portuguese},
    };
    for (const auto& [ids, language] : table)
        for (int id : ids) {
            EXPECT_EQ(languageForLocale(id, English), language) << id;
            EXPECT_EQ(languageForLocale(id, Italian), language) << id;
        }
}

TEST(LocaleLanguage, OtherLocalesLeaveTheLanguageAlone)
{
    for (int id : {1041, 1049, 2052, 8201, 21514, 0, -1, 65535})
        EXPECT_EQ(languageForLocale(id, English), English) << id;
}

// ----- settings record -----

TEST(SettingsRecord, IsWrittenByteForByte)
{
    SettingsRecord record;
    record.hints = false;
    record.language = 3;
    record.fileName = QByteArray("C:\\Lingue\\esp\xF1ol.lng");
    const QByteArray bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), 203);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 3);
    EXPECT_EQ(static_cast<unsigned char>(bytes[2]), record.fileName.size());
    EXPECT_EQ(bytes.mid(3, record.fileName.size()), record.fileName);
    EXPECT_EQ(bytes.mid(3 + record.fileName.size()), QByteArray(200 - record.fileName.size(), '\0'));
    const auto back = SettingsRecord::fromBytes(bytes);
    ASSERT_TRUE(back);
    EXPECT_FALSE(back->hints);
    EXPECT_EQ(back->language, 3);
    EXPECT_EQ(back->fileName, record.fileName);
}

TEST(SettingsRecord, RefusesRecordsThatWouldPointPastTheTables)
{
    QByteArray good = SettingsRecord{}.toBytes();
    EXPECT_TRUE(SettingsRecord::fromBytes(good));
    for (int language : {7, 8, 100, 255}) {
        QByteArray bad = good;
        bad[1] = char(language);
        EXPECT_FALSE(SettingsRecord::fromBytes(bad)) << language;
    }
    for (int length : {201, 202, 255}) {
        QByteArray bad = good;
        bad[2] = char(length);
        EXPECT_FALSE(SettingsRecord::fromBytes(bad)) << length;
    }
    QByteArray full = good;
    full[2] = char(200);
    EXPECT_TRUE(SettingsRecord::fromBytes(full));
    EXPECT_FALSE(SettingsRecord::fromBytes(good.left(202)));
    EXPECT_FALSE(SettingsRecord::fromBytes(QByteArray()));
}

TEST(SettingsRecord, FileNamesOutsideWindows1252SurviveTheRoundTrip)
{
    for (const QString& name : {QStringLiteral("lumoespañol.lng"), QStringLiteral("/tmp/язык.lng"),
                                QStringLiteral("plain.lng"), QStringLiteral("Ünïcødé €.lng"),
                                // Windows-1252 text whose bytes happen to be valid UTF-8.
                                QStringLiteral("Ã©tude.lng"), QStringLiteral("Ã±Ã¡.lng")})
        EXPECT_EQ(decodeFileName(encodeFileName(name)), name);
    EXPECT_EQ(encodeFileName(QStringLiteral("lumoespañol.lng")), QByteArray("lumoespa\xF1ol.lng"));
}

// ----- start-up -----

struct StartCase {
    const char* name;
    int locale;
    QByteArray settings;  // empty: no settings file
    int language;
    bool hints;
};

QByteArray record(bool hints, int language, const QByteArray& name = {})
{
    SettingsRecord r;
    r.hints = hints;
    r.language = static_cast<unsigned char>(language);
    r.fileName = name;
    return r.toBytes();
}

QByteArray withByte(QByteArray bytes, int index, int value)
{
    bytes[index] = char(value);
    return bytes;
}

class StartLanguage : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartLanguage, FollowsSettingsThenLocaleThenEnglish)
{
    ScratchDirectory scratch;
    const StartCase& c = GetParam();
    if (!c.settings.isEmpty())
        ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), c.settings));
    chooseLanguageFromLocale(c.locale);
    readStartSettings(QStringLiteral("Angolario.cfg"));
    loadStartLanguageFile();
    EXPECT_EQ(CurrentLanguage, c.language) << c.name;
    EXPECT_EQ(ShowHints, c.hints) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartLanguage,
    ::testing::Values(
        StartCase{"italian locale", 1040, {}, Italian, true},
        StartCase{"french canadian locale", 3084, {}, French, true},
        StartCase{"japanese locale", 1041, {}, English, true},
        StartCase{"spanish locale without its file", 3082, {}, English, true},
        StartCase{"german locale without its file", 1031, {}, English, true},
        StartCase{"settings override the locale", 1040, record(false, French), French, false},
        StartCase{"settings language 3 with an empty name", 1040, record(true, 3), English, true},
        StartCase{"settings language 3 with a missing file", 1040, record(true, 3, "nowhere.lng"), English, true},
        StartCase{"settings language 3 with a wrong extension", 1040, record(true, 3, "x.txt"), English, true},
        StartCase{"settings language 9 is no settings", 1040, withByte(record(false, 0), 1, 9), Italian, true},
        StartCase{"settings language 255 is no settings", 1036, withByte(record(false, 0), 1, 255), French, true},
        StartCase{"name length 201 is no settings", 1036, withByte(record(false, 0), 2, 201), French, true},
        StartCase{"short settings file is no settings", 1040, record(false, 2).left(100), Italian, true},
        StartCase{"longer settings file: its first record", 1040, record(false, 2) + QByteArray(50, 'x'), French,
                  false}),
    [](const ::testing::TestParamInfo<StartCase>& info) {
        QString name = QString::fromLatin1(info.param.name);
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        return name.replace(QLatin1Char(':'), QLatin1Char('_')).toStdString();
    });

TEST(StartLanguage, SpanishLocaleLoadsItsDefaultFile)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file(QStringLiteral("lumoespañol.lng")), languageFileBytes(sampleLanguageLines())));
    chooseLanguageFromLocale(11274);
    readStartSettings(QStringLiteral("Angolario.cfg"));
    EXPECT_TRUE(loadStartLanguageFile());
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(LanguageFileName, QStringLiteral("lumoespañol.lng"));
    EXPECT_EQ(MenuTexts.text(31, 3), QStringLiteral("Español"));
    EXPECT_EQ(StoredSettings.language, Spanish);  // no settings file: the locale's slot
}

TEST(StartLanguage, StoredLanguageFileIsLoaded)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), record(true, 3, "mine.lng")));
    chooseLanguageFromLocale(1040);
    readStartSettings(QStringLiteral("Angolario.cfg"));
    EXPECT_TRUE(loadStartLanguageFile());
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(CommonTexts.text(0), QStringLiteral("t119"));
}

// ----- language files -----

TEST(LanguageFile, LinesEndAtCrLfLfOrCrAndAFinalBreakAddsNothing)
{
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n")), QStringList({"a"}));
    EXPECT_EQ(splitLines(QStringLiteral("a\n\n")), QStringList({"a", ""}));
    EXPECT_EQ(splitLines(QStringLiteral("\r\r\n")), QStringList({"", ""}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
}

TEST(LanguageFile, ExtensionMustBeExactlyLng)
{
    EXPECT_TRUE(hasLanguageExtension(QStringLiteral("a.lng")));
    EXPECT_TRUE(hasLanguageExtension(QStringLiteral("/x/y.z/a.b.lng")));
    EXPECT_TRUE(hasLanguageExtension(QStringLiteral(".lng")));
    EXPECT_FALSE(hasLanguageExtension(QStringLiteral("a.LNG")));
    EXPECT_FALSE(hasLanguageExtension(QStringLiteral("a.lng.txt")));
    EXPECT_FALSE(hasLanguageExtension(QStringLiteral("a")));
    EXPECT_FALSE(hasLanguageExtension(QStringLiteral("dir.lng/a")));
    EXPECT_FALSE(hasLanguageExtension(QString()));
}

struct FileCase {
    const char* name;
    std::function<QByteArray()> bytes;
    bool accepted;
};

class LanguageFileContents : public ::testing::TestWithParam<FileCase> {};

TEST_P(LanguageFileContents, AreAcceptedOrRefused)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file("x.lng"), GetParam().bytes()));
    EXPECT_EQ(readLanguageFile(scratch.file("x.lng")).has_value(), GetParam().accepted) << GetParam().name;
}

QByteArray linesWith(std::function<void(QStringList&)> change, const char* lineBreak = "\r\n")
{
    QStringList lines = sampleLanguageLines();
    change(lines);
    return languageFileBytes(lines, lineBreak);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageFileContents,
    ::testing::Values(
        FileCase{"valid", [] { return linesWith([](QStringList&) {}); }, true},
        FileCase{"valid with LF", [] { return linesWith([](QStringList&) {}, "\n"); }, true},
        FileCase{"valid with CR", [] { return linesWith([](QStringList&) {}, "\r"); }, true},
        FileCase{"final break", [] { return linesWith([](QStringList&) {}) + "\r\n"; }, true},
        FileCase{"170 lines", [] { return linesWith([](QStringList& l) { l.removeLast(); }); }, false},
        FileCase{"172 lines", [] { return linesWith([](QStringList& l) { l.append("x"); }); }, false},
        FileCase{"two final breaks", [] { return linesWith([](QStringList&) {}) + "\r\n\r\n"; }, false},
        FileCase{"upper-case M", [] { return linesWith([](QStringList& l) { l[82] = "82= Menu"; }); }, false},
        FileCase{"check line of 4", [] { return linesWith([](QStringList& l) { l[82] = "82= "; }); }, false},
        FileCase{"empty check line", [] { return linesWith([](QStringList& l) { l[82] = ""; }); }, false},
        FileCase{"empty file", [] { return QByteArray(); }, false},
        FileCase{"binary garbage",
                 [] {
                     QByteArray b;
                     for (int i = 0; i < 5000; ++i)
                         b.append(char((i * 7919) % 256));
                     return b;
                 },
                 false},
        FileCase{"nul bytes and 171 lines",
                 [] {
                     QByteArray b;
                     for (int i = 0; i < 171; ++i)
                         b.append(i == 82 ? QByteArray("82= m") : QByteArray("\0\0\0\xff", 4)).append("\n");
                     return b;
                 },
                 true}),
    [](const ::testing::TestParamInfo<FileCase>& info) {
        QString name = QString::fromLatin1(info.param.name);
        return name.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
    });

TEST(LanguageFile, AHugeFileIsRefusedWithoutBeingRead)
{
    ScratchDirectory scratch;
    QFile file(scratch.file("huge.lng"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(50LL * 1024 * 1024));  // sparse: 50 MB of zeros
    file.close();
    EXPECT_FALSE(readLanguageFile(scratch.file("huge.lng")));
    EXPECT_FALSE(loadChosenLanguageFile(scratch.file("huge.lng")));
}

TEST(LanguageFile, MissingOrUnreadableFilesAreRefused)
{
    ScratchDirectory scratch;
    EXPECT_FALSE(readLanguageFile(scratch.file("none.lng")));
    EXPECT_FALSE(readLanguageFile(scratch.path()));  // a folder
}

TEST(LanguageFile, FillsSlotThreeOfEveryTable)
{
    ScratchDirectory scratch;
    QStringList lines = sampleLanguageLines();
    lines[87] = QStringLiteral("087") + QString(60, QLatin1Char('m'));     // menu: cut to 46
    lines[119] = QStringLiteral("119") + QString(100, QLatin1Char('c'));   // common: cut to 80
    lines[153] = QStringLiteral("153 ") + QString(70, QLatin1Char('t'));   // title: cut to 60, then one less
    lines[120] = QStringLiteral("12");                                     // shorter than 4: empty
    lines[154] = QStringLiteral("154 ANGULARIO");
    fillTablesFromLanguageLines(lines);
    EXPECT_EQ(MenuTexts.text(31, 0), QStringLiteral("Spagnolo"));
    EXPECT_EQ(MenuTexts.text(31, 1), QStringLiteral("Spanish"));
    EXPECT_EQ(MenuTexts.text(31, 2), QStringLiteral("Espagnol"));
    EXPECT_EQ(MenuTexts.text(31, 3), QStringLiteral("Español"));
    EXPECT_EQ(MenuTexts.text(0, 3), QString(46, QLatin1Char('m')));
    EXPECT_EQ(MenuTexts.text(30, 3), QStringLiteral("t117"));
    EXPECT_EQ(CommonTexts.text(0, 3), QString(80, QLatin1Char('c')));
    EXPECT_EQ(CommonTexts.text(1, 3), QString());
    EXPECT_EQ(CommonTexts.text(32, 3), QStringLiteral("t151"));
    EXPECT_EQ(TitleTexts.text(0, 3), QString(59, QLatin1Char('t')));
    EXPECT_EQ(TitleTexts.text(1, 3), QStringLiteral("ANGULARIO"));
    EXPECT_EQ(TitleTexts.text(17, 3), QStringLiteral("t170"));
    // The built-in slots never change.
    EXPECT_EQ(MenuTexts.text(0, 0), QStringLiteral("&Archivio"));
    EXPECT_EQ(TitleTexts.text(0, 1), QStringLiteral("Anglebook"));
}

TEST(LanguageFile, FlagPictureSitsBesideTheFile)
{
    EXPECT_EQ(flagPicturePath(QStringLiteral("/a/b/lumoespañol.lng")), QStringLiteral("/a/b/lumoespañol.bmp"));
    EXPECT_EQ(flagPicturePath(QStringLiteral("x.y.lng")), QStringLiteral("x.y.bmp"));
}

// ----- a file chosen from the menu -----

TEST(ChosenLanguageFile, AcceptedFileBecomesTheLanguageInUse)
{
    ScratchDirectory scratch;
    CurrentLanguage = Italian;
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    EXPECT_TRUE(loadChosenLanguageFile(scratch.file("mine.lng")));
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(LanguageFileName, scratch.file("mine.lng"));
    EXPECT_EQ(LanguageLines.size(), 171);
    EXPECT_TRUE(languageFileAccepted());
}

TEST(ChosenLanguageFile, RefusalChangesNothingButTheRefusedName)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file("good.lng"), languageFileBytes(sampleLanguageLines())));
    ASSERT_TRUE(loadChosenLanguageFile(scratch.file("good.lng")));
    CurrentLanguage = French;
    QStringList other = sampleLanguageLines();
    other.removeLast();
    ASSERT_TRUE(writeBytes(scratch.file("bad.lng"), languageFileBytes(other)));
    ASSERT_TRUE(writeBytes(scratch.file("good.LNG"), languageFileBytes(sampleLanguageLines())));
    for (const QString& refused : {scratch.file("bad.lng"), scratch.file("good.LNG"), scratch.file("missing.lng")}) {
        EXPECT_FALSE(loadChosenLanguageFile(refused));
        EXPECT_FALSE(languageFileAccepted());
        EXPECT_EQ(refusedFileName(), refused);
        EXPECT_EQ(CurrentLanguage, French);
        EXPECT_EQ(LanguageFileName, scratch.file("good.lng"));
        EXPECT_EQ(LanguageLines.size(), 171);
        EXPECT_EQ(CommonTexts.text(0, 3), QStringLiteral("t119"));
    }
}

// ----- writing at close -----

TEST(SettingsAtClose, NothingIsWrittenWhenNothingChanged)
{
    ScratchDirectory scratch;
    readStartSettings(QStringLiteral("Angolario.cfg"));
    EXPECT_TRUE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), false));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("Angolario.cfg")));
}

TEST(SettingsAtClose, ChangedHintsAreWrittenWithTheStoredLanguage)
{
    ScratchDirectory scratch;
    chooseLanguageFromLocale(3082);  // Spanish locale, no file: English in use, slot 4 remembered
    readStartSettings(QStringLiteral("Angolario.cfg"));
    loadStartLanguageFile();
    CurrentLanguage = French;
    ShowHints = false;
    EXPECT_TRUE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), false));
    const auto stored = readSettingsFile(QStringLiteral("Angolario.cfg"));
    ASSERT_TRUE(stored);
    EXPECT_FALSE(stored->hints);
    EXPECT_EQ(stored->language, Spanish);
    EXPECT_TRUE(stored->fileName.isEmpty());
}

TEST(SettingsAtClose, DefaultLanguageStoresTheLanguageAndItsFile)
{
    ScratchDirectory scratch;
    readStartSettings(QStringLiteral("Angolario.cfg"));
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    ASSERT_TRUE(loadChosenLanguageFile(QStringLiteral("mine.lng")));
    EXPECT_TRUE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true));
    QFile file(scratch.file("Angolario.cfg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.size(), 203);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[1], 3);
    EXPECT_EQ(bytes[2], 8);
    EXPECT_EQ(bytes.mid(3, 8), QByteArray("mine.lng"));

    CurrentLanguage = Italian;
    EXPECT_TRUE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true));
    const auto stored = readSettingsFile(QStringLiteral("Angolario.cfg"));
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->language, Italian);
    EXPECT_TRUE(stored->fileName.isEmpty());
}

TEST(SettingsAtClose, AFailedWriteLeavesThePreviousFileWhole)
{
    ScratchDirectory scratch;
    const QByteArray previous = record(false, 2);
    ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), previous));
    readStartSettings(QStringLiteral("Angolario.cfg"));
    ShowHints = true;
    // Only the first 100 bytes of the new record can be written.
    bool written = true;
    {
        FileSizeLimit limit(100);
        written = writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true);
    }
    EXPECT_FALSE(written);
    QFile file(scratch.file("Angolario.cfg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), previous);
}

TEST(SettingsAtClose, AFolderInTheWayIsReportedNotCrashed)
{
    ScratchDirectory scratch;
    QDir(scratch.path()).mkdir(QStringLiteral("Angolario.cfg"));
    readStartSettings(QStringLiteral("Angolario.cfg"));
    ShowHints = false;
    EXPECT_FALSE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true));
}

}  // namespace

TEST(LanguageFileChooser, OpensWhereLanguageFilesAre)
{
    ScratchDirectory scratch;
    const QString installed = scratch.userFile(QStringLiteral("system/trigtutor/languages"));
    const QString user = scratch.userFile(QStringLiteral("data/trigtutor/languages"));
    ASSERT_TRUE(QDir().mkpath(installed) && QDir().mkpath(user));
    // No language file anywhere: the current folder. Then the first folder that holds one: the
    // installed folder, the user's, the current one.
    EXPECT_EQ(languageFileFolder(), QDir::current().absolutePath());
    for (const QString& folder : {installed, user, scratch.path()}) {
        ASSERT_TRUE(writeBytes(QDir(folder).filePath(QStringLiteral("mine.lng")), "x"));
        EXPECT_EQ(languageFileFolder(), QDir(folder).absolutePath());
    }
}
