// Help opened from the places that offer it, through the real help window: F1 on a highlighted
// menu item, the help button of every topic window and the coefficient dialog's help button,
// each in the language in use.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "common/test_support.h"
#include "expr/coefficient_dialog.h"
#include "platform/help.h"
#include "platform/help_window.h"
#include "shell/child_window.h"
#include "app/main_window.h"
#include "app/topic_windows.h"

void PrintTo(const QUrl& url, std::ostream* os)
{
    *os << url.toString().toStdString();
}

namespace {

QUrl page(const char* language, int context)
{
    return QUrl(QStringLiteral("qrc:/help/%1/%2.html").arg(QLatin1String(language)).arg(context));
}

class HelpPathsTest : public ::testing::Test {
protected:
    HelpPathsTest() { Help::setViewer(Help::defaultViewer()); }
    ~HelpPathsTest() override
    {
        platform::HelpWindow::closeInstance();
        Help::setViewer(nullptr);
        processEvents();
    }
    QUrl shownPage() const { return platform::HelpWindow::instance() ? platform::HelpWindow::instance()->source() : QUrl(); }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
};

TEST_F(HelpPathsTest, F1OnAHighlightedMenuItemOpensItsTopic)
{
    const struct {
        const char* item;
        int context;
    } cases[] = {{"Funzioni1", 301}, {"Equazionilineari1", 307}, {"Disquazionidisecondogrado1", 308}};
    main->Italiano1Click();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        QAction* item = main->menuItem(QLatin1String(c.item));
        ASSERT_NE(item, nullptr);
        QMenu* menu = nullptr;
        for (QObject* owner : item->associatedObjects())
            if ((menu = qobject_cast<QMenu*>(owner)))
                break;
        ASSERT_NE(menu, nullptr);
        menu->popup(QPoint(10, 10));
        processEvents();
        menu->setActiveAction(item);
        QTest::keyClick(menu, Qt::Key_F1);
        processEvents();
        EXPECT_EQ(shownPage(), page("it", c.context));
        EXPECT_FALSE(menu->isVisible());
        // Nothing was opened by the key: F1 only asks for help.
        EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty());
    }
}

TEST_F(HelpPathsTest, EveryTopicWindowsHelpButtonOpensItsTopicInTheLanguageInUse)
{
    const struct {
        void (app::Tangolario::*command)();
        const char* language;
    } languages[] = {{&app::Tangolario::Inglese1Click, "en"}, {&app::Tangolario::Francese1Click, "fr"},
                     {&app::Tangolario::Italiano1Click, "it"}};
    for (const auto& language : languages) {
        (main.get()->*language.command)();
        for (const app::TopicWindow& topic : app::topicWindows()) {
            if (!topic.create)
                continue;
            SCOPED_TRACE(std::string(topic.menuItem) + " " + language.language);
            app::ChildWindow* window = main->openTopicWindow(topic.slot);
            ASSERT_NE(window, nullptr);
            auto* aiuto = window->findChild<QToolButton*>(QStringLiteral("aiuto"));
            ASSERT_NE(aiuto, nullptr);
            aiuto->click();
            EXPECT_EQ(shownPage(), page(language.language, topic.helpContext));
            window->close();
            processEvents();
        }
    }
}

TEST_F(HelpPathsTest, TheDialogsHelpButtonOpensDataEntryHelp)
{
    main->Inglese1Click();
    whenModalShown([](QWidget* dialog) {
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(app::runCoefficientDialog(main.get(), {}).confirmed);
    EXPECT_EQ(shownPage(), page("en", 804));
}

}  // namespace
