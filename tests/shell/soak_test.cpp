// Long use and extreme input, bounded in steps rather than time: the ten topic windows opened
// and closed again and again with language changes between, every angle and coefficient
// up-down held through its whole range, the function graphs run to the end at full speed, and
// typed extreme coefficients. Run in the sanitizer build too, where leaks and undefined
// behaviour fail the test.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <random>

#include "common/test_support.h"
#include "graphs/tftrigon.h"
#include "platform/updown.h"
#include "shell/child_window.h"
#include "app/main_window.h"
#include "app/topic_windows.h"
#include "shell/window_registry.h"
#include "solvers/frame/coefficient_controls.h"

namespace {

std::vector<int> existingSlots()
{
    std::vector<int> topicSlots;
    for (const app::TopicWindow& topic : app::topicWindows())
        if (topic.create)
            topicSlots.push_back(topic.slot);
    return topicSlots;
}

// Texts that show a floating-point failure: "nan", "inf" or "-inf" in any case, other than the
// program's own " inf" (a value where the function is undefined) and "tan = inf".
bool showsNumberFault(QString text)
{
    static const QRegularExpression nan(QStringLiteral("(^|[^a-z])nan([^a-z]|$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression inf(QStringLiteral("(^|[^a-z])inf([^a-z]|$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression own(QStringLiteral("(tan|=) +inf$"));
    if (nan.match(text).hasMatch() || text.contains(QLatin1String("-inf"), Qt::CaseInsensitive))
        return true;
    text.remove(QLatin1String("tan = inf"));
    text.remove(own);
    return inf.match(text).hasMatch();
}

// Every label and box text under a widget that shows a floating-point failure.
QStringList numberFaults(const QWidget* root)
{
    QStringList faults;
    for (const QLabel* label : root->findChildren<QLabel*>())
        if (showsNumberFault(label->text()))
            faults << label->objectName() + QStringLiteral(": ") + label->text();
    for (const QLineEdit* box : root->findChildren<QLineEdit*>())
        if (showsNumberFault(box->text()))
            faults << box->objectName() + QStringLiteral(": ") + box->text();
    return faults;
}

TEST(NumberFaultTexts, TellTheProgramsOwnInfFromFailures)
{
    for (const char* fine : {"tan x = inf", "cot x = inf", "tan = inf", "1.00000", "x1 = k 360°", "Infinito", "fine", "canna"})
        EXPECT_FALSE(showsNumberFault(QString::fromUtf8(fine))) << fine;
    for (const char* fault : {"nan", "-nan", "inf", "-inf", "x = inf°", "NaN", "1.0inf", "-INF"})
        EXPECT_TRUE(showsNumberFault(QString::fromUtf8(fault))) << fault;
}

class SoakTest : public ::testing::Test {
protected:
    // The registry, the open windows and the background picture agree.
    void expectConsistent(const char* when)
    {
        SCOPED_TRACE(when);
        const QList<QMdiSubWindow*> open = main->mdiArea()->subWindowList();
        for (const app::TopicWindow& topic : app::topicWindows()) {
            app::ChildWindow* window = app::openChildWindow(topic.slot);
            EXPECT_EQ(app::windowClosed(topic.slot), window == nullptr) << topic.menuItem;
            if (window)
                EXPECT_TRUE(open.contains(window)) << topic.menuItem;
        }
        EXPECT_EQ(app::allChildWindowsClosed(), open.isEmpty());
        EXPECT_EQ(main->backgroundPicture()->isVisible(), open.isEmpty());
    }

    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
};

TEST_F(SoakTest, NineWindowsOpenedAndClosedAHundredTimesWithLanguageChanges)
{
    main->show();
    processEvents();
    std::vector<int> topicSlots = existingSlots();
    ASSERT_FALSE(topicSlots.empty());
    std::mt19937 random(20261208);
    void (app::Tangolario::*languages[])() = {&app::Tangolario::Inglese1Click, &app::Tangolario::Francese1Click,
                                         &app::Tangolario::Italiano1Click};
    for (int round = 0; round < 100; ++round) {
        std::shuffle(topicSlots.begin(), topicSlots.end(), random);
        // Some windows are opened twice: the second time brings the open one to the front.
        for (int slot : topicSlots) {
            app::ChildWindow* window = main->openTopicWindow(slot);
            ASSERT_NE(window, nullptr);
            ASSERT_EQ(main->openTopicWindow(slot), window);
        }
        processEvents();
        expectConsistent("all open");
        if (HasFailure())
            return;
        (main.get()->*languages[round % 3])();
        processEvents();
        if (round % 10 == 9) {
            main->Chiudetutte1Click();
        } else {
            std::shuffle(topicSlots.begin(), topicSlots.end(), random);
            for (int slot : topicSlots) {
                if (app::ChildWindow* window = app::openChildWindow(slot))
                    window->close();
                if (random() % 4 == 0)
                    processEvents();
            }
        }
        processEvents();
        expectConsistent("all closed");
        if (HasFailure())
            return;
    }
}

// Holds an up-down's arrow until the position stops moving (at most `limit` steps), then lets
// go over it. Returns the number of steps.
int hold(platform::UpDown* upDown, bool up, int limit = 20000)
{
    int steps = 0;
    for (int last = upDown->position() + 1; steps < limit && upDown->position() != last; ++steps) {
        last = upDown->position();
        up ? upDown->stepUp() : upDown->stepDown();
    }
    upDown->release();
    return steps;
}

TEST_F(SoakTest, EveryAngleAndCoefficientHeldThroughItsRange)
{
    int coefficientWindows = 0;
    for (int slot : existingSlots()) {
        app::ChildWindow* window = main->openTopicWindow(slot);
        ASSERT_NE(window, nullptr);
        processEvents();
        SCOPED_TRACE(window->objectName().toStdString());
        bool coefficients = false;
        for (platform::UpDown* upDown : window->findChildren<platform::UpDown*>()) {
            const QString name = upDown->objectName();
            if (name != QLatin1String("sposta") && name != QLatin1String("pa") && name != QLatin1String("pb") &&
                name != QLatin1String("pc") && name != QLatin1String("pangolo") && name != QLatin1String("pa1"))
                continue;
            SCOPED_TRACE(name.toStdString());
            if (upDown->wrap()) {
                // A wrapping angle goes round once in each direction.
                const int start = upDown->position();
                const int span = upDown->maximum() - upDown->minimum() + 1;
                for (int i = 0; i < span; ++i)
                    upDown->stepUp();
                EXPECT_EQ(upDown->position(), start);
                for (int i = 0; i < span; ++i)
                    upDown->stepDown();
                EXPECT_EQ(upDown->position(), start);
                continue;
            }
            hold(upDown, true);
            EXPECT_EQ(upDown->position(), upDown->maximum());
            hold(upDown, false);
            EXPECT_EQ(upDown->position(), upDown->minimum());
            EXPECT_EQ(upDown->increment(), 1);  // released
            if (name.startsWith(QLatin1Char('p')) && name.size() == 2) {
                coefficients = true;
                auto* box = window->findChild<QLineEdit*>(name.mid(1));
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->text(), solvers::CoefficientBoxText(upDown->position() / 100.0L));
            }
            EXPECT_EQ(numberFaults(window), QStringList());
        }
        coefficientWindows += coefficients;
        window->close();
        processEvents();
    }
    expectConsistent("after the up-downs");
}

TEST_F(SoakTest, FunctionGraphsRunToTheEndAtFullSpeed)
{
    auto* graphs = qobject_cast<Tftrigon*>(main->openTopicWindow(topicSlot("Tftrigon")));
    ASSERT_NE(graphs, nullptr);
    processEvents();
    auto* veloci = graphs->findChild<QSlider*>(QStringLiteral("veloci"));
    ASSERT_NE(veloci, nullptr);
    veloci->setValue(veloci->maximum());
    auto* first = graphs->findChild<QComboBox*>(QStringLiteral("tipofunz1"));
    auto* second = graphs->findChild<QComboBox*>(QStringLiteral("tipofunz2"));
    auto* count = graphs->findChild<platform::UpDown*>(QStringLiteral("pnumfunz"));
    for (int pair = 0; pair < 12; ++pair) {
        SCOPED_TRACE(pair);
        if (pair == 6)
            count->stepUp();  // two functions from here on
        first->setCurrentIndex(pair % 6);
        second->setCurrentIndex((pair * 5 + 1) % 6);
        graphs->findChild<QToolButton*>(QStringLiteral("aggiorna"))->click();
        for (int tick = 0; tick < 162; ++tick)
            graphs->cadenzaTimer();
        EXPECT_EQ(graphs->state().AnimationStep, 161);
        EXPECT_EQ(graphs->functionCount(), pair < 6 ? 1 : 2);
        EXPECT_TRUE(graphs->findChild<QToolButton*>(QStringLiteral("aggiorna"))->isEnabled());
        EXPECT_EQ(numberFaults(graphs), QStringList());
    }
}

TEST_F(SoakTest, TypedExtremeCoefficients)
{
    const QStringList extremes = {QStringLiteral("ì"),   QStringLiteral("ì^19"), QStringLiteral("-ì"),
                                  QStringLiteral("1/ì"), QStringLiteral("0"),    QStringLiteral("1e-30"),
                                  QStringLiteral("-1/ì^10"), QStringLiteral("0.001")};
    int windows = 0;
    int accepted = 0;
    for (int slot : existingSlots()) {
        app::ChildWindow* window = main->openTopicWindow(slot);
        processEvents();
        auto* dati = window->findChild<QToolButton*>(QStringLiteral("dati"));
        if (!dati) {
            window->close();
            processEvents();
            continue;
        }
        ++windows;
        SCOPED_TRACE(window->objectName().toStdString());
        auto* funzt = window->findChild<QComboBox*>(QStringLiteral("funzt"));
        auto* aggiorna = window->findChild<QToolButton*>(QStringLiteral("aggiorna"));
        for (int function = 0; function < (funzt ? 3 : 1); ++function) {
            if (funzt) {
                funzt->setCurrentIndex(function);
                aggiorna->click();
            }
            for (int i = 0; i < extremes.size() * extremes.size(); ++i) {
                const QString a = extremes[i % extremes.size()];
                const QString b = extremes[(i / extremes.size()) % extremes.size()];
                const QString c = extremes[(i * 3 + 1) % extremes.size()];
                SCOPED_TRACE((a + QStringLiteral(" | ") + b + QStringLiteral(" | ") + c).toStdString());
                QString refused;
                whenModalShown([&](QWidget* dialog) {
                    const char* fields[] = {"espra", "esprb", "esprc"};
                    const QString values[] = {a, b, c};
                    for (int f = 0; f < 3; ++f)
                        dialog->findChild<QLineEdit*>(QLatin1String(fields[f]))->setText(values[f]);
                    dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
                    // Some extremes are beyond the evaluator (an overflow): cancelled, they change nothing.
                    if (dialog->isVisible()) {
                        refused = dialog->findChild<QLabel*>(QStringLiteral("Label1"))->text();
                        dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
                    }
                });
                dati->click();
                accepted += refused.isEmpty();
                window->update();
                processEvents();
                const QStringList faults = numberFaults(window);
                EXPECT_EQ(faults, QStringList());
                if (!faults.isEmpty())
                    return;
            }
        }
        window->close();
        processEvents();
    }
    expectConsistent("after the typed extremes");
    EXPECT_GE(accepted, windows * 15);
}

}  // namespace
