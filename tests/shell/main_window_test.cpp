#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <map>

#include "common/test_support.h"
#include "language_samples.h"
#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "shell/image_list.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "shell/notice_window.h"
#include "shell/program_folders.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "app/topic_windows.h"
#include "shell/window_registry.h"
#include "solvers/frame/solver_window.h"

using namespace app;

namespace {

// A child window standing in for a topic window.
class StandIn : public app::ChildWindow {
public:
    explicit StandIn(int slot) : app::ChildWindow(app::TopicWindow{.slot = slot, .className = "StandIn"})
    {
        setWindowTitle(QStringLiteral("stand-in %1").arg(slot));
    }
};

StandIn* openStandIn(app::Tangolario& main, int slot)
{
    auto* window = new StandIn(slot);
    main.mdiArea()->addSubWindow(window);
    window->create();
    window->show();
    return window;
}

// Replaces the desktop opener for one test.
struct CapturedUrls {
    CapturedUrls()
    {
        previous = Desktop::setOpener([this](const QString& url) { urls.append(url); });
    }
    ~CapturedUrls() { Desktop::setOpener(previous); }
    QStringList urls;
    Desktop::Opener previous;
};

TEST(Splash, ShowsCreditsAfter41TicksAndEndsAfter25More)
{
    ScratchDirectory scratch;
    app::Tangolario main;
    main.show();
    auto* label2 = main.findChild<QLabel*>("Label2");
    ASSERT_TRUE(label2);
    EXPECT_EQ(main.findChild<QLabel*>("Label1")->text(), QStringLiteral("ANGLEBOOK"));
    EXPECT_EQ(main.size(), QSize(445, 280));
    for (int i = 0; i < 40; ++i)
        main.Timer3Timer();
    EXPECT_FALSE(label2->isVisible());
    main.Timer3Timer();
    EXPECT_TRUE(label2->isVisible());
    EXPECT_TRUE(main.findChild<QLabel*>("Label3")->isVisible());
    EXPECT_EQ(main.splashTicks(), 41);
    for (int i = 0; i < 24; ++i)
        main.Timer1Timer();
    EXPECT_FALSE(main.splashFinished());
    EXPECT_FALSE(main.menuBar()->isVisible());
    main.Timer1Timer();
    EXPECT_TRUE(main.splashFinished());
    EXPECT_TRUE(main.menuBar()->isVisible());
    EXPECT_FALSE(main.findChild<QLabel*>("Label1"));
    EXPECT_TRUE(main.backgroundPicture()->isVisible());
}

TEST(Splash, WorkingWindowGeometryValues)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    const QRect screen = main->screen()->geometry();
    EXPECT_EQ(main->workingBounds(), QRect(0, 0, screen.width(), screen.height() - 28));
    const int textHeight = QFontMetrics(main->font()).height();
    EXPECT_EQ(windowMetrics().bottomBarHeight, 2 * textHeight);
    EXPECT_EQ(windowMetrics().barPanelHeight, textHeight + 4);
    EXPECT_EQ(windowMetrics().barPanelTop, (windowMetrics().bottomBarHeight - windowMetrics().barPanelHeight) / 2);
    const QSize client = main->mdiArea()->viewport()->size();
    EXPECT_EQ(windowMetrics().workAreaWidth, client.width() - 4);
    EXPECT_EQ(windowMetrics().workAreaHeight, client.height() - 4);
    EXPECT_EQ(main->backgroundPicture()->size(), QSize(windowMetrics().workAreaWidth, windowMetrics().workAreaHeight + 3));
    EXPECT_FALSE(main->backgroundPicture()->picture().isNull());
}

TEST(Splash, WorkingBoundsOnA1024By768Screen)
{
    if (QGuiApplication::primaryScreen()->geometry().size() != QSize(1024, 768)) {
        ASSERT_NE(qgetenv("TRIG_EXPECT_SCREEN"), QByteArray("1024x768")) << "the screen configuration was not applied";
        GTEST_SKIP() << "runs on a 1024 x 768 screen";
    }
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    EXPECT_EQ(main->workingBounds(), QRect(0, 0, 1024, 740));
}

TEST(MainMenu, EveryItemHasItsNameHelpContextAndPicture)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    const std::vector<std::pair<const char*, int>> items = {
        {"Calcolatrice1", 101}, {"Mostrasuggerimenti1", 103}, {"Lingua1", 4}, {"Francese1", 4}, {"Inglese1", 4},
        {"Italiano1", 4}, {"altra", 4}, {"Caricaunaltraversione1", 4}, {"Linguapredefinita1", 4}, {"Uscita1", 102},
        {"Funzioni1", 301}, {"Riduzionequadrante1", 302}, {"Archiassociati1", 303}, {"Equazionielementari1", 305},
        {"Equazionidi2secondogrado1", 306}, {"Equazionilineari1", 307}, {"Disequazionielementari1", 304},
        {"Disquazionidisecondogrado1", 308}, {"Disequazionilineari1", 309}, {"Practice1", 320}, {"Triangles1", 321}, {"Progress1", 322}, {"Precedente1", 0}, {"Successiva1", 0},
        {"Chiudetutte1", 0}, {"Guida1", 0}, {"eMail1", 0}, {"Sito1", 0}, {"Informazioni1", 0}, {"Ambiente1", 0},
        {"Angolario1", 0}, {"Equazioni1", 0}, {"Disequazioni1", 0}, {"Finestre1", 0}, {"N1", 0}};
    for (const auto& [name, context] : items) {
        QAction* item = main->menuItem(QString::fromLatin1(name));
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(item->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(Help::helpContext(item), context) << name;
    }
    for (const char* name : {"Guida1", "Precedente1", "Successiva1", "Francese1", "Inglese1", "Italiano1", "Lingua1"})
        EXPECT_FALSE(main->menuItem(QString::fromLatin1(name))->icon().isNull()) << name;
    EXPECT_TRUE(main->menuItem("Linguapredefinita1")->icon().isNull());
    EXPECT_FALSE(main->menuItem("altra")->isVisible());
    EXPECT_TRUE(main->menuItem("Mostrasuggerimenti1")->isChecked());
    EXPECT_FALSE(main->menuItem("Linguapredefinita1")->isChecked());
}

TEST(MainMenu, SeparatorsStandWhereTheyBelong)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    auto layout = [&](const char* menu) {
        QStringList names;
        for (QAction* a : main->menu(QString::fromLatin1(menu))->actions())
            names.append(a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return names.join(QLatin1Char(' '));
    };
    EXPECT_EQ(layout("Ambiente1"),
              "SavePictureItem PrintItem CopyItem - Calcolatrice1 SolveItem - Mostrasuggerimenti1 - Lingua1 "
              "Caricaunaltraversione1 Linguapredefinita1 - Uscita1");
    EXPECT_EQ(layout("Angolario1"), "Funzioni1 - Riduzionequadrante1 Archiassociati1 Triangles1 - Practice1 Progress1");
    EXPECT_EQ(layout("Equazioni1"), "Equazionielementari1 Equazionidi2secondogrado1 Equazionilineari1");
    EXPECT_EQ(layout("Disequazioni1"), "Disequazionielementari1 Disquazionidisecondogrado1 Disequazionilineari1");
    EXPECT_EQ(layout("N1"), "Guida1 - eMail1 - Sito1 - Informazioni1");
    EXPECT_EQ(layout("Lingua1"), "Francese1 Inglese1 Italiano1 altra");
}

TEST(MainMenu, LanguageCommandsRetitleTheMenusAndCloseChildWindows)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    struct Case {
        void (app::Tangolario::*command)();
        int language;
        int image;
        const char* file;
        const char* help;
        const char* title;
    };
    const Case cases[] = {
        {&app::Tangolario::Italiano1Click, Italian, app::ImageList::ItalianFlag, "&Archivio", "Angolario.hlp", "Angolario"},
        {&app::Tangolario::Francese1Click, French, app::ImageList::FrenchFlag, "&Fichier", "Angulaire.hlp", "Angulaire"},
        {&app::Tangolario::Inglese1Click, English, app::ImageList::EnglishFlag, "&File", "Anglebook.hlp", "Anglebook"},
    };
    for (const Case& c : cases) {
        StandIn* child = openStandIn(*main, 6);
        processEvents();
        EXPECT_FALSE(main->backgroundPicture()->isVisible());
        (main.get()->*c.command)();
        processEvents();
        EXPECT_EQ(CurrentLanguage, c.language);
        EXPECT_EQ(main->languageImage(), c.image);
        EXPECT_TRUE(windowClosed(6));
        EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
        EXPECT_TRUE(main->backgroundPicture()->isVisible());
        EXPECT_EQ(main->menuItem("Ambiente1")->text(), QString::fromUtf8(c.file));
        EXPECT_EQ(main->windowTitle(), QString::fromLatin1(c.title));
        EXPECT_EQ(Help::applicationHelpFile(), QString::fromLatin1(c.help));
        (void)child;
    }
    main->Francese1Click();
    EXPECT_EQ(main->menuItem("Disquazionidisecondogrado1")->text(), QStringLiteral("&Inéquations du &second degré"));
    EXPECT_EQ(main->menuItem("N1")->text(), QStringLiteral("   ?   "));
}

TEST(ChildWindows, BackgroundPictureShowsExactlyWhenNoChildIsOpen)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    QWidget* background = main->backgroundPicture();
    StandIn* first = openStandIn(*main, 6);
    StandIn* second = openStandIn(*main, 9);
    processEvents();
    EXPECT_FALSE(background->isVisible());
    EXPECT_FALSE(windowClosed(6));
    EXPECT_EQ(openChildWindow(6), first);
    first->close();
    processEvents();
    EXPECT_TRUE(windowClosed(6));
    EXPECT_FALSE(background->isVisible());
    second->close();
    processEvents();
    EXPECT_TRUE(background->isVisible());
    EXPECT_TRUE(allChildWindowsClosed());
    // Closing all with nothing open only re-evaluates the background.
    main->Chiudetutte1Click();
    EXPECT_TRUE(background->isVisible());
}

TEST(ChildWindows, CloseAllClosesEveryChild)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (int slot : {3, 6, 9, 13})
        openStandIn(*main, slot);
    processEvents();
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 4);
    main->Chiudetutte1Click();
    processEvents();
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(allChildWindowsClosed());
    EXPECT_TRUE(main->backgroundPicture()->isVisible());
}

TEST(ChildWindows, WindowListNamesTheOpenWindows)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    openStandIn(*main, 6);
    StandIn* second = openStandIn(*main, 9);
    main->mdiArea()->setActiveSubWindow(second);
    processEvents();
    QMenu* finestre = main->menu("Finestre1");
    emit finestre->aboutToShow();
    QStringList listed;
    for (QAction* a : finestre->actions())
        if (a->isCheckable())
            listed.append(a->text() + (a->isChecked() ? QStringLiteral(" *") : QString()));
    EXPECT_EQ(listed, QStringList({"&1 stand-in 6", "&2 stand-in 9 *"}));
    main->Chiudetutte1Click();
}

TEST(ChildWindows, PreviousAndNextFollowTheWindowListCycling)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    StandIn* windows[] = {openStandIn(*main, 6), openStandIn(*main, 9), openStandIn(*main, 13)};
    main->mdiArea()->setActiveSubWindow(windows[2]);
    const struct {
        const char* item;
        int expected[3];  // the active window after each of three presses
    } cases[] = {{"Precedente1", {1, 0, 2}}, {"Successiva1", {0, 1, 2}}};
    for (const auto& c : cases) {
        for (int expected : c.expected) {
            main->menuItem(QString::fromLatin1(c.item))->trigger();
            processEvents();
            EXPECT_EQ(main->mdiArea()->activeSubWindow(), windows[expected]) << c.item;
        }
    }
    emit main->menu("Finestre1")->aboutToShow();
    EXPECT_EQ(main->menu("Finestre1")->actions().last()->text(), QStringLiteral("&3 stand-in 13"));
    main->Chiudetutte1Click();
}

TEST(ChildWindows, EveryTopicCommandKeepsOneInstance)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    int topics = 0;
    for (const app::TopicWindow& topic : app::topicWindows()) {
        if (!topic.create)
            continue;
        ++topics;
        main->menuItem(QString::fromLatin1(topic.menuItem))->trigger();
        processEvents();
        app::ChildWindow* first = openChildWindow(topic.slot);
        ASSERT_TRUE(first) << topic.menuItem;
        EXPECT_FALSE(windowClosed(topic.slot));
        EXPECT_FALSE(main->backgroundPicture()->isVisible());
        main->menuItem(QString::fromLatin1(topic.menuItem))->trigger();
        processEvents();
        EXPECT_EQ(openChildWindow(topic.slot), first);
        EXPECT_EQ(main->mdiArea()->activeSubWindow(), first);
        int instances = 0;
        for (QMdiSubWindow* w : main->mdiArea()->subWindowList())
            instances += w == first ? 1 : 0;
        EXPECT_EQ(instances, 1);
    }
    main->Chiudetutte1Click();
    processEvents();
    EXPECT_TRUE(allChildWindowsClosed());
    if (topics == 0)
        GTEST_SKIP() << "no topic window exists yet";
}

TEST(ChildWindows, EachRecordMakesItsWindowCaptionsItsItemAndShowsItsExercises)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->Inglese1Click();
    // The items' captions in English, in the order of their menus.
    const std::map<app::TopicMenu, QStringList> captions = {
        {app::TopicMenu::Topics, {"&Functions", "&Corresponding acute angle", "&Associate angles", "Triangles…", "Practice…", "Progress…"}},
        {app::TopicMenu::Equations, {"&Base equations", "&Quadratic equations", "&Linear equations"}},
        {app::TopicMenu::Inequalities, {"&Base inequalities", "&Quadratic inequalities", "L&inear inequalities"}}};
    std::map<app::TopicMenu, QStringList> shown;
    QSet<int> takenSlots;
    QSet<QString> names;
    for (const app::TopicWindow& topic : app::topicWindows()) {
        SCOPED_TRACE(topic.className);
        EXPECT_FALSE(takenSlots.contains(topic.slot));
        EXPECT_FALSE(names.contains(QLatin1String(topic.className)));
        takenSlots.insert(topic.slot);
        names.insert(QLatin1String(topic.className));
        EXPECT_EQ(app::topicForClass(topic.className), &topic);
        shown[topic.menu].append(main->menuItem(QString::fromLatin1(topic.menuItem))->text());
        app::ChildWindow* window = main->openTopicWindow(topic.slot);
        ASSERT_TRUE(window);
        EXPECT_EQ(window->objectName(), QLatin1String(topic.className));
        EXPECT_EQ(window->slot(), topic.slot);
        EXPECT_EQ(window->helpContext(), topic.helpContext);
        main->Chiudetutte1Click();
        processEvents();
    }
    EXPECT_EQ(shown, captions);
    // Each kind of practice exercise, equation or inequality, has its one solver window.
    for (int family = 0; family < 3; ++family)
        for (bool inequalities : {false, true}) {
            const app::TopicWindow* topic = app::topicForExercises(family, inequalities);
            ASSERT_TRUE(topic) << family << inequalities;
            EXPECT_TRUE(qobject_cast<solvers::SolverWindow*>(main->openTopicWindow(topic->slot))) << topic->className;
        }
    // The triangle exercises have the Triangles window, and no inequalities.
    ASSERT_TRUE(app::topicForExercises(3, false));
    EXPECT_STREQ(app::topicForExercises(3, false)->className, "TriangleWindow");
    EXPECT_EQ(app::topicForExercises(3, true), nullptr);
    main->Chiudetutte1Click();
}

TEST(Hints, TheOptionFollowsItsCheckMarkAndLeavesOpenWindowsAlone)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    StandIn* before = openStandIn(*main, 6);
    EXPECT_TRUE(before->showsHints());
    main->menuItem("Mostrasuggerimenti1")->trigger();
    EXPECT_FALSE(main->menuItem("Mostrasuggerimenti1")->isChecked());
    EXPECT_FALSE(ShowHints);
    EXPECT_TRUE(before->showsHints());
    StandIn* after = openStandIn(*main, 9);
    EXPECT_FALSE(after->showsHints());
    main->menuItem("Mostrasuggerimenti1")->trigger();
    EXPECT_TRUE(ShowHints);
    main->Chiudetutte1Click();
}

TEST(Help, F1OnAHighlightedMenuItemOpensItsContext)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    const struct {
        const char* menu;
        const char* item;
        int context;
    } cases[] = {
        {"Equazioni1", "Equazionilineari1", 307},
        {"Ambiente1", "Lingua1", 4},          // its submenu opens, nothing in it highlighted
        {"Ambiente1", "Calcolatrice1", 101},
        {"Finestre1", "Precedente1", 0},      // no page of its own: the contents
    };
    for (const auto& c : cases) {
        QMenu* menu = main->menu(c.menu);
        menu->popup(QPoint(10, 10));
        processEvents();
        menu->setActiveAction(main->menuItem(c.item));
        processEvents();
        const int before = Help::requestCount();
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_F1);
        processEvents();
        EXPECT_EQ(Help::requestCount(), before + 1) << c.item;
        EXPECT_EQ(Help::lastRequest().context, c.context) << c.item;
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << c.item;
    }
    EXPECT_EQ(Help::lastRequest().fileName, QStringLiteral("Anglebook.hlp"));
    main->Guida1Click();
    EXPECT_EQ(Help::lastRequest().context, 0);
}

TEST(Shell, MailAndSiteOpenTheMakersAddressesAndMinimise)
{
    ScratchDirectory scratch;
    CapturedUrls captured;
    auto main = makeMainWindow();
    main->eMail1Click();
    processEvents();
    EXPECT_TRUE(main->isMinimized());
    main->showMaximized();
    main->Sito1Click();
    EXPECT_EQ(captured.urls, QStringList({QString::fromLatin1(MakerMail), QString::fromLatin1(MakerSite)}));
    EXPECT_TRUE(captured.urls[0].startsWith(QStringLiteral("mailto:")));
}

// ----- languages from the menu -----

TEST(LoadLanguage, AnAcceptedFileBecomesTheLanguageWithItsFlag)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    QImage flag(16, 16, QImage::Format_RGB32);
    flag.fill(Qt::red);
    ASSERT_TRUE(flag.save(scratch.file("mine.bmp"), "BMP"));
    openStandIn(*main, 6);
    const int images = app::ImageList::mainList().count();
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    main->Caricaunaltraversione1Click();
    processEvents();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_TRUE(main->menuItem("altra")->isVisible());
    EXPECT_EQ(main->menuItem("altra")->text(), QStringLiteral("Español"));
    EXPECT_EQ(main->menuItem("Ambiente1")->text(), QStringLiteral("t87"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral("t153"));
    EXPECT_EQ(Help::applicationHelpFile(), QStringLiteral("t170.hlp"));
    EXPECT_EQ(app::ImageList::mainList().count(), images + 1);
    EXPECT_EQ(main->loadedLanguageImage(), images);
    EXPECT_EQ(main->languageImage(), images);
    EXPECT_TRUE(windowClosed(6));
    // Back to Italian, then to the loaded language again.
    main->Italiano1Click();
    EXPECT_EQ(main->menuItem("Ambiente1")->text(), QStringLiteral("&Archivio"));
    main->menuItem("altra")->trigger();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(main->menuItem("Ambiente1")->text(), QStringLiteral("t87"));
}

TEST(LoadLanguage, ANameTypedWithoutExtensionOpensTheLngFile)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    whenModalShown([](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), QStringLiteral("OpenDialog1"));
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("mine"));
        // A "file not found" complaint is closed, and the dialog with it.
        QTimer::singleShot(200, dialog, [dialog] {
            if (QWidget* complaint = QApplication::activeModalWidget(); complaint && complaint != dialog) {
                ADD_FAILURE() << "the name without extension was not found";
                complaint->close();
            }
            QMetaObject::invokeMethod(dialog, "reject");
        });
        QMetaObject::invokeMethod(dialog, "accept");
    });
    main->Caricaunaltraversione1Click();
    processEvents();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(main->menuItem("altra")->text(), QStringLiteral("Español"));
}

TEST(LoadLanguage, AFileWithoutFlagHasNoImage)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_EQ(main->loadedLanguageImage(), -1);
    EXPECT_TRUE(main->menuItem("altra")->icon().isNull());
}

TEST(LoadLanguage, CancellingTheDialogChangesNothing)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->Francese1Click();
    main->setLanguageFileChooser([] { return QString(); });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(CurrentLanguage, French);
    EXPECT_FALSE(main->menuItem("altra")->isVisible());
}

TEST(LoadLanguage, ARefusedFileShowsTheNoticeAndKeepsTheLanguage)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->Italiano1Click();
    QStringList lines = sampleLanguageLines();
    lines.append(QStringLiteral("one too many"));
    QDir(scratch.path()).mkdir(QStringLiteral("Lingue"));
    const QString refused = scratch.file("Lingue/prova.lng");
    ASSERT_TRUE(writeBytes(refused, languageFileBytes(lines)));
    main->setLanguageFileChooser([&] { return refused; });
    QString caption, message, name;
    whenModalShown([&](QWidget* dialog) {
        caption = dialog->windowTitle();
        message = dialog->findChild<QLabel*>("Label1")->text();
        name = dialog->findChild<QLabel*>("Label2")->text();
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(caption, QStringLiteral("Angolario"));
    EXPECT_EQ(message, QStringLiteral("Il programma non può aprire il file"));
    EXPECT_EQ(name, QStringLiteral("prova.lng"));
    EXPECT_EQ(CurrentLanguage, Italian);
    EXPECT_EQ(main->menuItem("Ambiente1")->text(), QStringLiteral("&Archivio"));
    EXPECT_FALSE(main->menuItem("altra")->isVisible());
    EXPECT_EQ(refusedFileName(), refused);
}

TEST(NoticeWindow, NamesOnlyTheFileWhateverTheSeparator)
{
    ScratchDirectory scratch;
    for (const char* path : {"C:\\Lingue\\prova.lng", "/home/a/prova.lng", "prova.lng"}) {
        app::Tversione notice(nullptr, QString::fromLatin1(path));
        EXPECT_EQ(notice.findChild<QLabel*>("Label2")->text(), QStringLiteral("prova.lng"));
        EXPECT_EQ(notice.size(), QSize(309, 134));
    }
}

// ----- settings across starts -----

TEST(SettingsAcrossStarts, DefaultLanguageIsHonouredAtTheNextStart)
{
    ScratchDirectory scratch;
    {
        auto main = makeMainWindow();
        main->Francese1Click();
        main->menuItem("Linguapredefinita1")->trigger();
        main->menuItem("Mostrasuggerimenti1")->trigger();
        main->close();
    }
    // No settings file was there: it goes to the configuration folder, never the current one.
    ASSERT_EQ(QFileInfo(QDir(configFolder()).filePath("Angolario.cfg")).size(), 203);
    EXPECT_FALSE(QFileInfo::exists(scratch.file("Angolario.cfg")));
    resetProgramState();
    auto next = makeMainWindow();
    EXPECT_EQ(CurrentLanguage, French);
    EXPECT_FALSE(ShowHints);
    EXPECT_FALSE(next->menuItem("Mostrasuggerimenti1")->isChecked());
    EXPECT_EQ(next->menuItem("Ambiente1")->text(), QStringLiteral("&Fichier"));
}

TEST(SettingsAcrossStarts, ALoadedLanguageIsLoadedAgainWithItsFlag)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    QImage flag(16, 16, QImage::Format_RGB32);
    flag.fill(Qt::yellow);
    ASSERT_TRUE(flag.save(scratch.file("mine.bmp"), "BMP"));
    {
        auto main = makeMainWindow();
        main->setLanguageFileChooser([] { return QStringLiteral("mine.lng"); });
        main->Caricaunaltraversione1Click();
        main->menuItem("Linguapredefinita1")->trigger();
        main->close();
    }
    resetProgramState();
    auto next = makeMainWindow();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_TRUE(next->menuItem("altra")->isVisible());
    EXPECT_FALSE(next->menuItem("altra")->icon().isNull());
    EXPECT_EQ(next->languageImage(), next->loadedLanguageImage());
    EXPECT_EQ(next->menuItem("Ambiente1")->text(), QStringLiteral("t87"));
}

TEST(SettingsAcrossStarts, NothingIsWrittenWhenNothingIsToBeRemembered)
{
    ScratchDirectory scratch;
    {
        auto main = makeMainWindow();
        main->Italiano1Click();
        main->close();
    }
    EXPECT_FALSE(QFileInfo::exists(scratch.file("Angolario.cfg")));
    EXPECT_FALSE(QFileInfo::exists(configFolder()));
}

// ----- about window -----

TEST(AboutWindow, ShowsTheTextsOfTheLanguageInUse)
{
    ScratchDirectory scratch;
    for (unsigned char language : {0, 1, 2}) {
        CurrentLanguage = language;
        app::Tinfo about(nullptr);
        EXPECT_EQ(about.size(), QSize(413, 318));
        EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), TitleTexts.text(2, language));
        EXPECT_EQ(about.findChild<QLabel*>("Label1")->text(), TitleTexts.text(14, language));
        EXPECT_EQ(about.findChild<QLabel*>("Label2")->text(), CommonTexts.text(31, language));
        EXPECT_EQ(about.findChild<QLabel*>("Label3")->text(), TitleTexts.text(15, language));
        EXPECT_EQ(about.findChild<QLabel*>("Label4")->text(), TitleTexts.text(16, language));
        const QStringList memo = about.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split(QLatin1Char('\n'));
        ASSERT_EQ(memo.size(), 83);
        for (int row = 0; row < 83; ++row)
            EXPECT_EQ(memo[row], AboutTexts.text(row, language)) << row;
        for (const char* name : {"ProductName", "Version", "Label2"}) {
            auto* label = about.findChild<QLabel*>(name);
            EXPECT_EQ(label->x(), (about.findChild<QWidget*>("Panel1")->width() - label->width()) / 2) << name;
        }
    }
}

TEST(AboutWindow, ALoadedLanguageShowsTheFilesLines)
{
    ScratchDirectory scratch;
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    ASSERT_TRUE(loadChosenLanguageFile(scratch.file("mine.lng")));
    app::Tinfo about(nullptr);
    const QStringList memo = about.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(memo.size(), 83);
    EXPECT_EQ(memo[0], QStringLiteral("t0"));
    EXPECT_EQ(memo[80], QStringLiteral("t80"));
    EXPECT_EQ(memo[82], AboutTexts.text(82, Italian));
    EXPECT_EQ(about.findChild<QLabel*>("ProductName")->text(), QStringLiteral("t155"));
}

TEST(AboutWindow, LinkHoverBeepsAndClick)
{
    ScratchDirectory scratch;
    CapturedUrls captured;
    auto main = makeMainWindow();
    app::Tinfo about(main.get());
    about.show();
    auto* link = about.findChild<QLabel*>("Label3");
    auto moveOver = [](QWidget* widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(link);
    EXPECT_TRUE(link->font().underline());
    moveOver(about.findChild<QWidget*>("Panel2"));
    EXPECT_FALSE(link->font().underline());
    EXPECT_TRUE(link->font().bold());
    const int beeps = Desktop::beepCount();
    QTest::mouseClick(about.findChild<QWidget*>("Panel1"), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(Desktop::beepCount(), beeps + 2);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(about.result(), 1);
    EXPECT_EQ(captured.urls, QStringList({QString::fromLatin1(MakerSite)}));
    EXPECT_TRUE(main->isMinimized());
}

TEST(AboutWindow, OpensModallyFromTheMenu)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    QString name;
    whenModalShown([&](QWidget* dialog) {
        name = dialog->objectName();
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    main->menuItem("Informazioni1")->trigger();
    EXPECT_EQ(name, QStringLiteral("Tinfo"));
}

}  // namespace
