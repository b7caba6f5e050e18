#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <set>
#include <string>

#include "common/test_support.h"
#include "platform/help.h"
#include "platform/help_window.h"
#include "app/main_window.h"
#include "app/topic_windows.h"

// Page addresses read as text in failure messages.
void PrintTo(const QUrl& url, std::ostream* os)
{
    *os << url.toString().toStdString();
}

namespace {

const QStringList kLanguages = {QStringLiteral("it"), QStringLiteral("en"), QStringLiteral("fr")};

QString pageText(const QString& language, int context)
{
    const QString page = context == 0 ? QStringLiteral("contents") : QString::number(context);
    QFile file(QStringLiteral(":/help/%1/%2.html").arg(language, page));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// A page as the reader sees it: the text without its markup.
QString shownText(const QString& language, int context)
{
    QTextDocument document;
    document.setHtml(pageText(language, context));
    return document.toPlainText();
}

QList<int> everyPage()
{
    QList<int> pages = {0};
    for (int context : app::helpContexts())
        pages << context;
    return pages;
}

// The pages a page links to, by context number (contents = 0); -1 for a link to anything else.
QList<int> linkedPages(const QString& html)
{
    QList<int> links;
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    for (auto match = href.globalMatch(html); match.hasNext();) {
        const QString target = match.next().captured(1);
        if (target == QLatin1String("contents.html")) {
            links << 0;
            continue;
        }
        static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\.html$"));
        const auto number = numbered.match(target);
        links << (number.hasMatch() ? number.captured(1).toInt() : -1);
    }
    return links;
}

// Numbers written with a degree sign, and decimal numbers: they must agree between languages.
std::set<std::string> numbersOf(const QString& text)
{
    std::set<std::string> numbers;
    // (The list items "1° quadrante", "1st quadrant", "1° octant"... are names, not angles.)
    static const QRegularExpression pattern(QStringLiteral("\\d+°(?! (quadrant|ottante|octant))|\\d+\\.\\d+"));
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        numbers.insert(match.next().captured(0).toStdString());
    return numbers;
}

// Puts the real help window in place for one test and takes it away afterwards.
class RealHelpWindow {
public:
    RealHelpWindow() : m_file(Help::applicationHelpFile()) { Help::setViewer(Help::defaultViewer()); }
    ~RealHelpWindow()
    {
        platform::HelpWindow::closeInstance();
        Help::setViewer(nullptr);
        Help::setApplicationHelpFile(m_file);
        processEvents();
    }

private:
    QString m_file;
};

// Clicks the link to a page in the text shown, as a reader does; false when there is none.
bool clickLink(QTextBrowser* browser, const QString& target)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (piece.charFormat().anchorHref() != target)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(piece.position() + piece.length() / 2);
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QPoint point = browser->cursorRect(cursor).center();
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
            return true;
        }
    return false;
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("HelpWindow"))
            ++count;
    return count;
}

QUrl page(const char* language, const char* name)
{
    return QUrl(QStringLiteral("qrc:/help/%1/%2.html").arg(QLatin1String(language), QLatin1String(name)));
}

// ----- the pages -----

TEST(HelpPages, EveryContextHasAPageInEachLanguage)
{
    const QList<int> expected = {4, 101, 102, 103, 105, 301, 302, 303, 304, 305, 306, 307, 308, 309, 320, 804};
    const std::vector<int> contexts = app::helpContexts();
    EXPECT_EQ(QList<int>(contexts.begin(), contexts.end()), expected);
    for (const QString& language : kLanguages) {
        for (int context : everyPage()) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(language).arg(context).toStdString());
            EXPECT_TRUE(Help::hasPage(language, context));
            const QString html = pageText(language, context);
            ASSERT_FALSE(html.isEmpty());
            EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(language)));
            EXPECT_TRUE(html.contains(QStringLiteral("<meta charset=\"utf-8\">")));
            // Self-contained pages: nothing to fetch, nothing to run.
            for (const char* banned : {"<script", "<img", "http:", "https:", "src=", "<link", "url("})
                EXPECT_FALSE(html.contains(QLatin1String(banned), Qt::CaseInsensitive)) << banned;
            // Every page but the contents leads back to it.
            if (context != 0)
                EXPECT_TRUE(linkedPages(html).contains(0));
        }
    }
}

TEST(HelpPages, EveryContextTheProgramUsesHasAPage)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    QSet<int> used;
    for (QAction* action : main->findChildren<QAction*>())
        if (Help::helpContext(action) > 0)
            used.insert(Help::helpContext(action));
    for (const app::TopicWindow& topic : app::topicWindows())
        used.insert(topic.helpContext);
    EXPECT_EQ(used, QSet<int>({4, 101, 102, 103, 105, 301, 302, 303, 304, 305, 306, 307, 308, 309, 320}));
    used.insert(804);  // the coefficient entry's help button
    const std::vector<int> contexts = app::helpContexts();
    const QSet<int> known(contexts.begin(), contexts.end());
    EXPECT_EQ(used, known);
}

TEST(HelpPages, TheContentsLinksEveryTopicAndEveryLinkLeadsToAPage)
{
    const std::vector<int> contexts = app::helpContexts();
    const QSet<int> topics(contexts.begin(), contexts.end());
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        const QList<int> contents = linkedPages(pageText(language, 0));
        EXPECT_EQ(QSet<int>(contents.begin(), contents.end()), topics);
        for (int context : everyPage())
            for (int target : linkedPages(pageText(language, context)))
                EXPECT_TRUE(target == 0 || topics.contains(target)) << context << " links to " << target;
    }
}

TEST(HelpPages, TheThreeLanguagesGiveTheSameNumbersAndLinks)
{
    for (int context : everyPage()) {
        SCOPED_TRACE(context);
        const QString english = pageText(QStringLiteral("en"), context);
        for (const QString& language : {QStringLiteral("it"), QStringLiteral("fr")}) {
            const QString other = pageText(language, context);
            EXPECT_EQ(numbersOf(shownText(language, context)), numbersOf(shownText(QStringLiteral("en"), context)))
                << language.toStdString();
            EXPECT_EQ(linkedPages(other), linkedPages(english)) << language.toStdString();
        }
    }
}

TEST(HelpPages, WorkedExamplesMatchTheWindowsStartStates)
{
    struct Case {
        int context;
        const char* text;
    };
    // The start state of each window and what it shows, written as the window writes it.
    const Case cases[] = {
        {305, "x = 25° + k 360°"}, {305, "x = 155° + k 360°"}, {305, "5π/36 + 2Kπ"}, {305, "31π/36 + 2Kπ"},
        {305, "0.42262"}, {304, "25° + k 360° <= x <= 155° + k 360°"}, {304, "0.42262"},
        {306, "x1 = 90° + k 360°"}, {306, "x2 = 30° + k 360°"}, {306, "150° + k 360°"},
        {307, "x1 = 40° + k 360°"}, {307, "x2 = 252° + k 360°"}, {307, "2π/9 + 2Kπ"}, {307, "7π/5 + 2Kπ"},
        {308, "−210° + k 360°"}, {309, "40° + k 360° ≤ x ≤ 252° + k 360°"},
        {309, "−108° + k 360° < x < 40° + k 360°"}, {302, "(150)"}, {302, "- cos (30)"},
        {303, "cos (50)"}, {301, "x = 90° = 1.57 rad"}, {804, "sqrt(6)"}, {101, "1.4142135624"},
    };
    for (const QString& language : kLanguages)
        for (const Case& c : cases)
            EXPECT_TRUE(shownText(language, c.context).contains(QString::fromUtf8(c.text)))
                << language.toStdString() << "/" << c.context << ": " << c.text;
    // The sine is "sen" in Italian, "sin" in English and French.
    EXPECT_TRUE(shownText(QStringLiteral("it"), 302).contains(QStringLiteral("sen (150)  =  sen (30)")));
    EXPECT_TRUE(shownText(QStringLiteral("en"), 302).contains(QStringLiteral("sin (150)  =  sin (30)")));
    EXPECT_TRUE(shownText(QStringLiteral("fr"), 302).contains(QStringLiteral("sin (150)  =  sin (30)")));
    EXPECT_TRUE(shownText(QStringLiteral("it"), 303).contains(QStringLiteral("sen (40)  =    cos (50)")));
    EXPECT_TRUE(shownText(QStringLiteral("en"), 804).contains(QStringLiteral("Error in:  b")));
}

// ----- help file name to pages -----

TEST(HelpPages, TheHelpFileNameChoosesTheLanguage)
{
    struct Case {
        const char* fileName;
        const char* language;
    };
    const Case cases[] = {
        {"Angolario.HLP", "it"}, {"Angolario.hlp", "it"}, {"ANGOLARIO.hlp", "it"},
        {"Anglebook.hlp", "en"}, {"anglebook.HLP", "en"}, {"Angulaire.hlp", "fr"},
        {"ANGULAIRE.HLP", "fr"}, {"help/Angulaire.hlp", "fr"}, {"Angulaire", "fr"},
        {"t170.hlp", "en"}, {"Español.hlp", "en"}, {"", "en"}, {"Angolario2.hlp", "en"},
        {"Angolario.hlp.bak", "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Help::pageLanguage(QString::fromUtf8(c.fileName)), QLatin1String(c.language)) << c.fileName;
}

TEST(HelpPages, AContextWithoutAPageShowsTheContents)
{
    EXPECT_EQ(Help::pageUrl(QStringLiteral("fr"), 307), page("fr", "307"));
    EXPECT_EQ(Help::pageUrl(QStringLiteral("fr"), 0), page("fr", "contents"));
    for (int context : {-1, 1, 300, 310, 999})
        EXPECT_EQ(Help::pageUrl(QStringLiteral("it"), context), page("it", "contents")) << context;
    EXPECT_EQ(Help::pageUrlForFile(QStringLiteral("t170.hlp"), 306), page("en", "306"));
}

// ----- the window -----

TEST(HelpWindow, OpensAtTheContextInTheLanguageOfTheHelpFile)
{
    RealHelpWindow real;
    struct Case {
        const char* fileName;
        int context;
        QUrl expected;
        const char* buttons[3];
    };
    const Case cases[] = {
        {"Angolario.HLP", 305, page("it", "305"), {"Sommario", "Indietro", "Avanti"}},
        {"Anglebook.hlp", 0, page("en", "contents"), {"Contents", "Back", "Forward"}},
        {"Angulaire.hlp", 804, page("fr", "804"), {"Sommaire", "Précédent", "Suivant"}},
        {"t170.hlp", 4, page("en", "4"), {"Contents", "Back", "Forward"}},
        {"Angolario.hlp", 777, page("it", "contents"), {"Sommario", "Indietro", "Avanti"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        platform::HelpWindow::showRequest(QString::fromUtf8(c.fileName), c.context);
        platform::HelpWindow* window = platform::HelpWindow::instance();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->source(), c.expected);
        EXPECT_EQ(window->context(), c.context);
        EXPECT_FALSE(window->browser()->toPlainText().trimmed().isEmpty());
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_EQ(window->windowTitle(), window->browser()->documentTitle());
        const char* names[3] = {"contents", "back", "forward"};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(window->findChild<QToolButton*>(QLatin1String(names[i]))->text(),
                      QString::fromUtf8(c.buttons[i]));
    }
    EXPECT_EQ(helpWindowCount(), 1);
}

TEST(HelpWindow, TheHelpCommandsOpenTheWindowInTheLanguageInUse)
{
    RealHelpWindow real;
    Help::setApplicationHelpFile(QStringLiteral("Angulaire.hlp"));
    Help::showContext(309);
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(platform::HelpWindow::instance()->source(), page("fr", "309"));
    Help::showContents();
    EXPECT_EQ(platform::HelpWindow::instance()->source(), page("fr", "contents"));
    EXPECT_EQ(Help::lastRequest().fileName, QStringLiteral("Angulaire.hlp"));
    EXPECT_EQ(helpWindowCount(), 1);
}

TEST(HelpWindow, F1OnAControlOpensItsContext)
{
    RealHelpWindow real;
    Help::setApplicationHelpFile(QStringLiteral("Angolario.hlp"));
    QWidget window;
    Help::setHelpContext(&window, 303);
    auto* button = new QToolButton(&window);
    window.show();
    button->setFocus();
    QApplication::setActiveWindow(&window);
    processEvents();
    QTest::keyClick(button, Qt::Key_F1);
    processEvents();
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(platform::HelpWindow::instance()->source(), page("it", "303"));
}

TEST(HelpWindow, IsOneWindowBroughtBackWhenAskedAgain)
{
    RealHelpWindow real;
    platform::HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 301);
    platform::HelpWindow* first = platform::HelpWindow::instance();
    ASSERT_NE(first, nullptr);
    first->showMinimized();
    processEvents();
    platform::HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 302);
    EXPECT_EQ(platform::HelpWindow::instance(), first);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->source(), page("en", "302"));
    EXPECT_EQ(helpWindowCount(), 1);
    // Closed, it goes away; the next request opens a fresh one at its page.
    first->close();
    processEvents();
    EXPECT_EQ(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(helpWindowCount(), 0);
    platform::HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 303);
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(platform::HelpWindow::instance()->source(), page("en", "303"));
    EXPECT_EQ(helpWindowCount(), 1);
}

TEST(HelpWindow, BackAndForwardGoThroughThePagesSeen)
{
    RealHelpWindow real;
    platform::HelpWindow::showRequest(QStringLiteral("Angulaire.hlp"), 305);
    platform::HelpWindow* window = platform::HelpWindow::instance();
    ASSERT_NE(window, nullptr);
    auto* contents = window->findChild<QToolButton*>(QStringLiteral("contents"));
    auto* back = window->findChild<QToolButton*>(QStringLiteral("back"));
    auto* forward = window->findChild<QToolButton*>(QStringLiteral("forward"));
    ASSERT_TRUE(contents && back && forward);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    platform::HelpWindow::showRequest(QStringLiteral("Angulaire.hlp"), 306);  // a second request
    QTest::mouseClick(contents, Qt::LeftButton);                      // the contents button
    EXPECT_EQ(window->source(), page("fr", "contents"));
    ASSERT_TRUE(clickLink(window->browser(), QStringLiteral("307.html")));  // a link followed
    EXPECT_EQ(window->source(), page("fr", "307"));

    const QUrl backwards[] = {page("fr", "contents"), page("fr", "306"), page("fr", "305")};
    for (const QUrl& expected : backwards) {
        ASSERT_TRUE(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        EXPECT_EQ(window->source(), expected);
    }
    EXPECT_FALSE(back->isEnabled());
    EXPECT_TRUE(forward->isEnabled());
    QTest::mouseClick(forward, Qt::LeftButton);
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(window->source(), page("fr", "contents"));
    // A new request after going back drops the pages ahead.
    platform::HelpWindow::showRequest(QStringLiteral("Angulaire.hlp"), 4);
    EXPECT_EQ(window->source(), page("fr", "4"));
    EXPECT_FALSE(forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(window->source(), page("fr", "contents"));
    // Asking twice for the page on show adds no step.
    platform::HelpWindow::showRequest(QStringLiteral("Angulaire.hlp"), 0);
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(window->source(), page("fr", "306"));
}

TEST(HelpWindow, CanBeReadWhileAModalWindowWaits)
{
    RealHelpWindow real;
    QDialog dialog;
    bool transientToDialog = false;
    whenModalShown([&](QWidget* modal) {
        Help::setApplicationHelpFile(QStringLiteral("Angolario.hlp"));
        Help::showContext(804);
        platform::HelpWindow* window = platform::HelpWindow::instance();
        transientToDialog = window && window->isVisible() && window->windowHandle() &&
                            window->windowHandle()->transientParent() == modal->windowHandle();
        // Its buttons answer although the dialog is modal.
        if (window) {
            QTest::mouseClick(window->findChild<QToolButton*>(QStringLiteral("contents")), Qt::LeftButton);
            transientToDialog = transientToDialog && window->source() == page("it", "contents");
        }
        static_cast<QDialog*>(modal)->accept();
    });
    dialog.exec();
    EXPECT_TRUE(transientToDialog);
    processEvents();
    // Once the dialog is closed the help window stands alone, and so it does when asked again.
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(platform::HelpWindow::instance()->windowHandle()->transientParent(), nullptr);
    EXPECT_TRUE(platform::HelpWindow::instance()->isVisible());
    Help::showContext(301);
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_EQ(platform::HelpWindow::instance()->windowHandle()->transientParent(), nullptr);
}

TEST(HelpWindow, ClosesWithTheProgram)
{
    RealHelpWindow real;
    platform::HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 102);
    ASSERT_NE(platform::HelpWindow::instance(), nullptr);
    EXPECT_FALSE(platform::HelpWindow::instance()->testAttribute(Qt::WA_QuitOnClose));
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());
    // Only the program's window and the help window are on screen.
    QList<QWidget*> hidden;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget != platform::HelpWindow::instance()) {
            widget->hide();
            hidden << widget;
        }
    auto* program = new QWidget;
    program->setAttribute(Qt::WA_DeleteOnClose);
    program->show();
    QTimer::singleShot(0, program, [program] { program->close(); });
    // Closing the program's window ends the event loop although the help window is open; the
    // guard only keeps a failing run from hanging.
    bool stillRunning = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        stillRunning = true;
        QApplication::quit();
    });
    guard.start(10000);
    QApplication::exec();
    guard.stop();
    EXPECT_FALSE(stillRunning);
    EXPECT_EQ(platform::HelpWindow::instance(), nullptr);
    for (QWidget* widget : hidden)
        widget->show();
}

}  // namespace
