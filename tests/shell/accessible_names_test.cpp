// What screen readers read: every control of every topic window named in the language in use,
// each picture an image described in words that follow the window's findings, the results in
// reading order; and the colours kept apart from their grounds under high contrast.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>

#include "app/main_window.h"
#include "common/test_support.h"
#include "expr/calculator.h"
#include "expr/coefficient_dialog.h"
#include "platform/accessibility.h"
#include "platform/colors.h"
#include "platform/updown.h"
#include "shell/child_window.h"
#include "shell/program_texts.h"
#include "solvers/frame/solver_window.h"

// Texts in failure messages as text.
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const char* const kWindows[] = {"Equazionielementari1", "Disequazionielementari1", "Equazionidi2secondogrado1",
                                "Disquazionidisecondogrado1", "Equazionilineari1", "Disequazionilineari1",
                                "Riduzionequadrante1", "Archiassociati1", "Funzioni1"};

QString accessibleText(QObject* object, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

class AccessibleNames : public ::testing::Test {
protected:
    app::ChildWindow* open(const char* menuItem)
    {
        main->menuItem(QString::fromLatin1(menuItem))->trigger();
        processEvents();
        return qobject_cast<app::ChildWindow*>(main->mdiArea()->activeSubWindow());
    }
    ScratchDirectory scratch;
    std::unique_ptr<app::Tangolario> main = makeMainWindow();
};

TEST_F(AccessibleNames, EveryControlOfEveryWindowIsNamedInTheLanguageInUse)
{
    QStringList helpNames;
    for (const char* language : {"Inglese1", "Italiano1"}) {
        main->menuItem(QString::fromLatin1(language))->trigger();
        processEvents();
        for (const char* item : kWindows) {
            app::ChildWindow* window = open(item);
            ASSERT_NE(window, nullptr) << item;
            EXPECT_EQ(accessibleText(window, QAccessible::Name), window->windowTitle()) << item;
            EXPECT_EQ(accessibleText(window, QAccessible::Description),
                      app::programText(app::ProgramText::WindowKeys)) << item;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                const bool tabbed = (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
                if ((tabbed || qobject_cast<QAbstractButton*>(control)) && control->isVisibleTo(window))
                    EXPECT_FALSE(accessibleText(control, QAccessible::Name).trimmed().isEmpty())
                        << language << " " << item << " " << control->objectName().toStdString();
            }
            for (platform::UpDown* upDown : window->findChildren<platform::UpDown*>())
                EXPECT_EQ(QAccessible::queryAccessibleInterface(upDown)->role(), QAccessible::SpinBox);
            QWidget* picture = window->findChild<QWidget*>(QStringLiteral("picture"));
            ASSERT_NE(picture, nullptr) << item;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);
            EXPECT_EQ(accessibleText(picture, QAccessible::Name), app::programText(app::ProgramText::PictureName));
            EXPECT_FALSE(accessibleText(picture, QAccessible::Description).isEmpty()) << item;
            helpNames.append(accessibleText(window->findChild<QObject*>(QStringLiteral("aiuto")), QAccessible::Name));
            window->close();
            processEvents();
        }
    }
    EXPECT_NE(helpNames.first(), helpNames.last());
    // The calculator and the coefficient dialog.
    app::TCalcola calculator(main.get());
    app::Timmettedati dialog(main.get(), {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    for (QWidget* window : {static_cast<QWidget*>(&calculator), static_cast<QWidget*>(&dialog)})
        for (QWidget* control : window->findChildren<QWidget*>())
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control))
                EXPECT_FALSE(accessibleText(control, QAccessible::Name).trimmed().isEmpty())
                    << control->objectName().toStdString();
    EXPECT_EQ(accessibleText(dialog.findChild<QLineEdit*>(QStringLiteral("esprb")), QAccessible::Name), "b =");
}

TEST_F(AccessibleNames, SolverPicturesSayWhatTheFindingsAre)
{
    main->menuItem(QStringLiteral("Inglese1"))->trigger();
    const struct {
        const char* item;
        std::array<long double, 3> coefficients;  // the quadratic and linear windows
        const char* words;
    } cases[] = {
        {"Disequazionielementari1", {},
         "Unit circle and graph of sin x with the line y = 0.4226; sin x ≥ 0.4226 for 25° ≤ x ≤ 155°; "
         "sin x < 0.4226 for 155° < x < 385°; in each period of 360°"},
        {"Equazionidi2secondogrado1", {2, -1, -1},
         "Unit circle: rays at 90°, 330° and 210°; graph of sin x with the line y = 1 and the line y = -0.5 "
         "meeting it at 90°, 330° and 210° in each period of 360°"},
        {"Equazionidi2secondogrado1", {1, 0, 4}, "Unit circle; graph of sin x; solutions: no x"},
        {"Disquazionidisecondogrado1", {1, -1.5, 0.5},
         "Unit circle and graph of sin x with the line y = 1 and the line y = 0.5; a (sin x)^2 + b sin x + c ≥ 0 "
         "for x = 90° and -210° ≤ x ≤ 30°; a (sin x)^2 + b sin x + c < 0 for 30° < x < 90° and 90° < x < 150°; "
         "in each period of 360°"},
        {"Equazionilineari1", {1, 1, -1},
         "Unit circle: rays at 0° and 90°; graph of 1 sin x + 1 cos x - 1 with the line y = 0 meeting it at 0° and "
         "90° in each period of 360°"},
        {"Disequazionilineari1", {0, 0, 2},
         "Unit circle and graph of 0 sin x + 0 cos x + 2 with the line y = 0; 0 sin x + 0 cos x + 2 ≥ 0 for every x; "
         "0 sin x + 0 cos x + 2 < 0 for no x; in each period of 360°"},
    };
    for (const auto& c : cases) {
        auto* window = qobject_cast<solvers::SolverWindow*>(open(c.item));
        ASSERT_NE(window, nullptr) << c.item;
        window->setCoefficients(c.coefficients);
        EXPECT_EQ(window->pictureDescription(), QString::fromUtf8(c.words)) << c.item;
        // The results panel reads its labels top to bottom, left to right, as resultTexts().
        QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(window->findChild<QFrame*>("Panel1"));
        QStringList read;
        for (int i = 0; i < panel->childCount(); ++i)
            if (auto* label = qobject_cast<QLabel*>(panel->child(i)->object()); !label->text().isEmpty())
                read.append(panel->child(i)->text(QAccessible::Name));
        EXPECT_EQ(read, window->resultTexts().replaceInStrings(QString(QChar(0x039A)), "K")) << c.item;
        window->close();
        processEvents();
    }
}

TEST(HighContrast, TextsStandSevenToOneFromTheirGroundsUnderAHighContrastTheme)
{
    const QByteArray previous = qgetenv("GTK_THEME");
    const std::pair<QColor, QColor> pairs[] = {{Colors::clRed, Colors::clWhite},  {Colors::clFuchsia, Colors::clWhite},
                                               {Colors::clGray, Colors::clBlack}, {Colors::clBlue, Colors::clBlack},
                                               {Colors::clAqua, Colors::clBlack}, {Colors::clWhite, Colors::clBlue}};
    qputenv("GTK_THEME", "HighContrast");
    for (const auto& [text, ground] : pairs) {
        EXPECT_GE(Accessibility::contrastRatio(Accessibility::readable(text, ground), ground), 7.0) << text.name().toStdString();
        if (Accessibility::contrastRatio(text, ground) >= 7.0)
            EXPECT_EQ(Accessibility::readable(text, ground), text);
    }
    qputenv("GTK_THEME", previous);
}

}  // namespace
