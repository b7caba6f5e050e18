// Renders the splash, the main window, every topic window that exists and the modal windows to
// PNG files, on the offscreen platform, so the program can be looked at without a display.
// Usage: trig_screenshots <output folder>
#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QAbstractButton>
#include <QComboBox>
#include <QToolButton>
#include <QLineEdit>
#include <QMdiArea>
#include <QPixmap>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "expr/calculator.h"
#include "expr/coefficient_dialog.h"
#include "graphs/tftrigon.h"
#include "platform/help.h"
#include "platform/help_window.h"
#include "platform/updown.h"
#include "platform/hints.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "solvers/frame/solver_window.h"
#include "app/main_window.h"
#include "app/topic_windows.h"
#include "shell/notice_window.h"
#include "shell/picture_export.h"
#include "shell/program_texts.h"
#include "shell/languages.h"
#include "texts/text_tables.h"
#include "triangles/triangle_window.h"
#include "solvers/elementary/elementary_window.h"
#include "solvers/linear/linear_window.h"
#include "solvers/quadratic/quadratic_window.h"
#include "history/store.h"
#include "practice/practice_window.h"
#include "practice/progress_window.h"
#include "practice/worksheet.h"

namespace {

QString outputFolder;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void save(QWidget* widget, const QString& name)
{
    settle();
    const QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void pressTraccia(app::ChildWindow* window)
{
    if (auto* traccia = window->findChild<QToolButton*>("traccia"))
        traccia->click();
}

// Extra states of topic windows worth a picture: the window's class name, the file name and
// what to do in the window before the picture is taken.
struct ExtraShot {
    const char* window;
    const char* name;
    std::function<void(app::ChildWindow*)> prepare;
};

// An elementary solver window showing a function (funzt item, then aggiorna) and, after it,
// `steps` clicks of the angle up-down (negative steps go down).
std::function<void(app::ChildWindow*)> elementaryState(int function, int steps)
{
    return [function, steps](app::ChildWindow* window) {
        auto* solver = qobject_cast<solvers::ElementarySolverWindow*>(window);
        if (!solver)
            return;
        solver->findChild<QComboBox*>("funzt")->setCurrentIndex(function);
        solver->aggiornaClick();
        auto* sposta = solver->findChild<platform::UpDown*>("sposta");
        for (int i = 0; i < steps; ++i)
            sposta->stepUp();
        for (int i = 0; i > steps; --i)
            sposta->stepDown();
    };
}

// A quadratic window showing a function (funzt item, then aggiorna) with the coefficients a, b, c.
std::function<void(app::ChildWindow*)> quadraticState(int function, long double a, long double b, long double c)
{
    return [=](app::ChildWindow* window) {
        auto* solver = qobject_cast<solvers::QuadraticSolverWindow*>(window);
        if (!solver)
            return;
        solver->findChild<QComboBox*>("funzt")->setCurrentIndex(function);
        solver->aggiornaClick();
        solver->setCoefficients({a, b, c});
    };
}

// The function graphs mid-animation: the animation ticks are run by hand, not by the timer.
void animateFunctions(app::ChildWindow* window, int first, int second, int steps)
{
    auto* graphs = qobject_cast<Tftrigon*>(window);
    if (!graphs)
        return;
    if (second >= 0) {
        graphs->findChild<platform::UpDown*>("pnumfunz")->stepUp();
        graphs->findChild<QComboBox*>("tipofunz2")->setCurrentIndex(second);
    }
    graphs->findChild<QComboBox*>("tipofunz1")->setCurrentIndex(first);
    graphs->aggiornaClick();
    graphs->findChild<QTimer*>("cadenza")->stop();
    for (int i = 0; i < steps; ++i)
        graphs->cadenzaTimer();
}

// A linear window after its coefficients were typed in the dialog.
std::function<void(app::ChildWindow*)> linearState(long double a, long double b, long double c)
{
    return [a, b, c](app::ChildWindow* window) {
        if (auto* linear = qobject_cast<solvers::LinearSolverWindow*>(window))
            linear->setCoefficients({a, b, c});
    };
}

// The practice window on the exercise of a seed (kind, relation, function and level items),
// with an answer typed and checked.
std::function<void(app::ChildWindow*)> practiceState(std::array<int, 4> choices, const char* seed, const char* answer)
{
    return [=](app::ChildWindow* window) {
        auto* practice = qobject_cast<practice::PracticeWindow*>(window);
        if (!practice)
            return;
        practice->kind->setCurrentIndex(choices[0]);
        practice->relation->setCurrentIndex(choices[1]);
        practice->function->setCurrentIndex(choices[2]);
        practice->level->setCurrentIndex(choices[3]);
        practice->seed->setText(QString::fromLatin1(seed));
        practice->seedEntered();
        practice->answer->setText(QString::fromUtf8(answer));
        practice->checkClick();
    };
}

// The triangles window with the six parts typed (empty for a part not given).
std::function<void(app::ChildWindow*)> triangleState(std::array<const char*, 6> typed)
{
    return [=](app::ChildWindow* window) {
        auto* triangle = qobject_cast<triangles::TriangleWindow*>(window);
        if (!triangle)
            return;
        for (int i = 0; i < 6; ++i)
            triangle->fields[std::size_t(i)]->setText(QString::fromUtf8(typed[std::size_t(i)]));
        triangle->solve();
    };
}

// The progress window after a month of practice: a student who practises most days, reviews what
// is due first and then the next kinds of exercise, with first tries more often right as a kind
// is practised. The same month on every run, ending on 8 December 2026.
void practisedMonth(app::ChildWindow* window)
{
    auto* progress = qobject_cast<practice::ProgressWindow*>(window);
    if (!progress)
        return;
    const std::shared_ptr<history::Store> store = history::sharedStore();
    auto clock = std::make_shared<QDateTime>(QDate(2026, 11, 8), QTime(16, 0), Qt::UTC);
    store->setClock([clock] { return *clock; });
    QRandomGenerator dice(2026);
    const std::vector<history::Skill> skills = practice::practisedSkills();
    std::map<history::Skill, int> practised;
    const auto answer = [&](const history::Skill& skill, int chance) {
        history::Attempt a;
        a.skill = skill;
        a.seed = dice.bounded(1000000u);
        a.exercise = QStringLiteral("(exercise %1)").arg(a.seed);
        a.answer = QStringLiteral("30°, 150°");
        a.right = int(dice.bounded(100)) < chance;
        a.seconds = 20 + dice.bounded(60);
        // Some wrong answers are explained by a slip, the first ones most often.
        static const char* const slips[] = {"symmetric_missed", "symmetric_missed", "ends_included",
                                            "tangent_period", "complement", "outside_range"};
        if (!a.right && dice.bounded(3) != 0)
            a.slip = QString::fromLatin1(slips[dice.bounded(quint32(std::size(slips)))]);
        store->record(a);
        a.slip.clear();
        *clock = clock->addSecs(90);
        if (!a.right) {
            a.first = false;
            a.right = true;
            store->record(a);
            *clock = clock->addSecs(60);
        }
    };
    for (int day = 1; day <= 30; ++day) {
        *clock = QDateTime(QDate(2026, 11, 8).addDays(day), QTime(16, 0), Qt::UTC);
        if (dice.bounded(6) == 0)
            continue;  // a day off
        for (const history::Skill& skill : store->dueSkills())
            answer(skill, 85);
        std::vector<history::Skill> learning;
        for (const history::Skill& skill : skills)
            if (skill.level <= 1 + day / 12 && !store->state(skill).mastered && learning.size() < 3)
                learning.push_back(skill);
        for (int n = 0, count = 8 + int(dice.bounded(8)); n < count && !learning.empty(); ++n) {
            const history::Skill& skill = learning[dice.bounded(quint32(learning.size()))];
            answer(skill, std::min(90, 45 + 8 * practised[skill]++));
        }
    }
    *clock = QDateTime(QDate(2026, 12, 8), QTime(18, 0), Qt::UTC);
    progress->redraw();
}

// The practice window after an equation answered with its first solution alone: the slip named,
// the worked solution shown with the slip's step marked.
std::function<void(app::ChildWindow*)> practiceSlipState(std::array<int, 4> choices, const char* seed)
{
    return [=](app::ChildWindow* window) {
        auto* practice = qobject_cast<practice::PracticeWindow*>(window);
        if (!practice)
            return;
        practiceState(choices, seed, "")(window);
        const practice::Exercise& e = practice->exercise();
        const std::vector<bool> right = practice::sampled(practice::solverAnswer(e), e.period());
        const int first = int(std::find(right.begin(), right.end(), true) - right.begin()) / 2;
        practice->answer->setText(QString::number(first));
        practice->checkClick();
        practice->howToSolveClick();
    };
}

const std::vector<ExtraShot>& extraShots()
{
    static const std::vector<ExtraShot> shots = {
        {"Tequa", "Tequa_sin_step", elementaryState(0, 5)},
        {"Tequa", "Tequa_cos", elementaryState(1, 0)},
        {"Tequa", "Tequa_cos_step", elementaryState(1, 95)},
        {"Tequa", "Tequa_tan", elementaryState(2, 0)},
        {"Tequa", "Tequa_tan_step", elementaryState(2, 110)},
        {"Tdisequatr", "Tdisequatr_sin_step", elementaryState(0, -55)},
        {"Tdisequatr", "Tdisequatr_cos", elementaryState(1, 0)},
        {"Tdisequatr", "Tdisequatr_cos_step", elementaryState(1, 35)},
        {"Tdisequatr", "Tdisequatr_tan", elementaryState(2, 0)},  // the first tangent picture, before any step
        {"Tdisequatr", "Tdisequatr_tan_step", elementaryState(2, -70)},
        {"Tequasecondogrado", "Tequasecondogrado_sin_symmetric", quadraticState(0, 1, 0, -0.25L)},
        {"Tequasecondogrado", "Tequasecondogrado_cos", quadraticState(1, 2, -1, -1)},
        {"Tequasecondogrado", "Tequasecondogrado_tan", quadraticState(2, 1, 0, -1)},
        {"Tdisequasecondogrado", "Tdisequasecondogrado_sin_negative", quadraticState(0, -1, 0, 0.25L)},
        {"Tdisequasecondogrado", "Tdisequasecondogrado_cos", quadraticState(1, -1, 0, 0.25L)},
        {"Tdisequasecondogrado", "Tdisequasecondogrado_tan", quadraticState(2, 1, 0, -1)},
        {"Tftrigon", "Tftrigon_one_function", [](app::ChildWindow* w) { animateFunctions(w, 0, -1, 61); }},
        {"Tftrigon", "Tftrigon_two_functions", [](app::ChildWindow* w) { animateFunctions(w, 2, 5, 101); }},
        // The angle reduction window after the first press of traccia (alfa drawn), then after
        // the second with the octant chosen for alfa = 300 (the reduction drawn over it).
        {"Triduci", "Triduci_drawn", [](app::ChildWindow* window) { pressTraccia(window); }},
        {"Triduci", "Triduci_reduced",
         [](app::ChildWindow* window) {
             pressTraccia(window);  // back to an angle to draw
             window->findChild<QComboBox*>("quadrante")->setCurrentIndex(1);
             for (int step = 150; step < 300; ++step)
                 window->findChild<platform::UpDown*>("pangolo")->stepUp();
             pressTraccia(window);
             pressTraccia(window);
         }},
        // The associated angles window after a press: a = 50 and 90° - a.
        {"Tarchi", "Tarchi_drawn", [](app::ChildWindow* window) { pressTraccia(window); }},
        // The linear windows with a line touching the circle and with a line missing it.
        {"Tequazionilineari", "Tequazionilineari_tangent", linearState(0.6L, 0.8L, -1.0L)},
        {"Tequazionilineari", "Tequazionilineari_missing", linearState(0.6L, 0.8L, 1.5L)},
        {"Tdisequazionilineari", "Tdisequazionilineari_tangent", linearState(0.6L, 0.8L, -1.0L)},
        {"Tdisequazionilineari", "Tdisequazionilineari_missing", linearState(0.6L, 0.8L, 1.5L)},
        // Large coefficients with the line close to touching: sin x = -0.99989, 269° and 271°.
        {"Tequazionilineari", "Tequazionilineari_large", linearState(90.0L, 0.0L, 89.99L)},
        // A quadratic inequality of level 1 answered with one end wrong and one left open.
        {"PracticeWindow", "PracticeWindow_checked", practiceState({1, 1, 0, 0}, "2718", "[π/6, 5π/6)")},
        // A triangle exercise of the ambiguous case, answered with one of its two triangles, and how to solve it.
        {"PracticeWindow", "PracticeWindow_triangles",
         [](app::ChildWindow* window) {
             practiceState({3, 0, 0, 2}, "29", "44.43, 105.57, 9.63")(window);
             if (auto* practice = qobject_cast<practice::PracticeWindow*>(window))
                 practice->howToSolveClick();  // its steps under the verdict
         }},
        // The triangles window opens on a = 5, b = 7, A = 30° (two triangles); sides that do not close.
        {"TriangleWindow", "TriangleWindow_impossible", triangleState({"3", "9", "5", "", "", ""})},
        {"ProgressWindow", "ProgressWindow_month", practisedMonth},
        {"PracticeWindow", "PracticeWindow_slip", practiceSlipState({0, 0, 0, 0}, "2718")},
        // 2 (sin x)^2 - sin x - 1 >= 0 with its worked solution beside the picture.
        {"Tdisequasecondogrado", "Tdisequasecondogrado_steps",
         [](app::ChildWindow* window) {
             quadraticState(0, 2, -1, -1)(window);
             if (auto* solver = qobject_cast<solvers::SolverWindow*>(window))
                 solver->setShowsSteps(true);
         }},
    };
    return shots;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    outputFolder = QDir(outputFolder).absolutePath();
    QDir().mkpath(outputFolder);
    Hints::installHintFilter(&application);
    Help::setViewer(nullptr);

    // A scratch current directory and user folders: no settings or language file of the user's
    // is read or written.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("data"))));

    app::Tangolario main;
    main.show();
    for (int i = 0; i < 41; ++i)
        main.Timer3Timer();
    save(&main, QStringLiteral("splash"));
    main.finishSplash();
    save(&main, QStringLiteral("main_window"));

    for (const app::TopicWindow& topic : app::topicWindows()) {
        if (!topic.create)
            continue;
        app::ChildWindow* window = main.openTopicWindow(topic.slot);
        if (!window)
            continue;
        const QString name = window->objectName();
        if (auto* practice = qobject_cast<practice::PracticeWindow*>(window)) {
            // The same exercise on every run.
            practice->seed->setText(QStringLiteral("31415"));
            practice->seedEntered();
        }
        save(&main, name);
        for (const ExtraShot& shot : extraShots()) {
            if (std::strcmp(shot.window, topic.className) != 0)
                continue;
            shot.prepare(window);
            save(&main, QString::fromLatin1(shot.name));
        }
        // Each solver window's page printed for paper (as PDF), and the quadratic inequality's
        // picture saved as an SVG drawing: scripts/screenshots turns them into PNG files with
        // renderers of their own.
        struct Printed {
            const char* window;
            int function;
            std::array<long double, 3> coefficients;
            int angle;
        };
        static const Printed printedPages[] = {
            {"Tequa", 0, {}, 25},
            {"Tdisequatr", 1, {}, 60},
            {"Tequasecondogrado", 0, {2, -3, 1}, 0},
            {"Tdisequasecondogrado", 0, {2, -3, 1}, 0},
            {"Tequazionilineari", 0, {1, -1, 0.5L}, 0},
            {"Tdisequazionilineari", 0, {1.5L, 1, -0.25L}, 0},
        };
        for (const Printed& page : printedPages) {
            auto* solver = qobject_cast<solvers::SolverWindow*>(window);
            if (!solver || name != QLatin1String(page.window))
                continue;
            solver->showExercise(page.function, page.coefficients, page.angle);
            using app::PictureExport::FileType;
            std::vector<std::pair<QString, FileType>> files = {{name + QStringLiteral("_printed.pdf"), FileType::Pdf}};
            if (name == QLatin1String("Tdisequasecondogrado"))
                files.emplace_back(name + QStringLiteral("_saved.svg"), FileType::Svg);
            for (const auto& [file, type] : files) {
                const QString path = QDir(outputFolder).filePath(file);
                const QString problem = app::PictureExport::saveFile(*window, path, type);
                if (!problem.isEmpty())
                    std::fprintf(stderr, "%s\n", qPrintable(problem));
                else
                    std::printf("%s\n", qPrintable(path));
            }
        }
        main.Chiudetutte1Click();
        settle();
    }

    // The first page of a worksheet as a teacher makes it (a title, a date, two versions, the
    // key), through poppler's pdftoppm at a resolution that reads on the screen.
    {
        const QString pdf = QDir(scratch.path()).filePath(QStringLiteral("worksheet.pdf"));
        practice::WorksheetSettings sheet{.count = 14, .seed = 2026, .versions = 2};
        sheet.title = QStringLiteral("Trigonometric equations and inequalities");
        sheet.date = QDate(2026, 10, 5);
        practice::writeWorksheet(pdf, sheet);
        const QString png = QDir(outputFolder).filePath(QStringLiteral("worksheet_page1"));
        if (QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("90"),
                                                           QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"),
                                                           QStringLiteral("-l"), QStringLiteral("1"), pdf, png}) == 0)
            std::printf("%s.png\n", qPrintable(png));
        else
            std::fprintf(stderr, "could not write %s.png\n", qPrintable(png));
    }

    // The help window on one topic, as F1 or a help button opens it.
    platform::HelpWindow::showRequest(QStringLiteral("Anglebook.hlp"), 305);
    if (platform::HelpWindow* help = platform::HelpWindow::instance()) {
        help->resize(600, 860);
        save(help, QStringLiteral("help_window"));
        platform::HelpWindow::closeInstance();
    }

    {
        app::Tinfo about(&main);
        about.show();
        save(&about, QStringLiteral("about_window"));
        about.close();
    }
    {
        // The calculator after an evaluation, with something in its memory.
        app::TCalcola calculator(&main);
        calculator.show();
        for (const char* key : {"Button2", "Button13", "Button19", "Button11", "Button5", "Button15", "Button33", "Button18",
                                "Button3", "Button22", "Button1", "Button17", "Button6", "Button15"})
            calculator.key(QLatin1String(key))->click();
        save(&calculator, QStringLiteral("TCalcola"));
        calculator.close();
        app::calculatorState() = app::CalculatorState();
    }
    {
        // The coefficient dialog with the quadratic example, then with two fields in error.
        app::Timmettedati dialog(&main, {QStringLiteral("4"), QStringLiteral("-2 * (sqrt(3) + sqrt(2))"),
                                    QStringLiteral("sqrt(6)")});
        dialog.show();
        save(&dialog, QStringLiteral("Timmettedati"));
        dialog.findChild<QLineEdit*>(QStringLiteral("espra"))->setText(QStringLiteral("sqrt(-1)"));
        dialog.findChild<QLineEdit*>(QStringLiteral("esprc"))->clear();
        dialog.BitBtn1Click();
        save(&dialog, QStringLiteral("Timmettedati_error"));
        dialog.close();
    }
    {
        // The notice for a settings file that cannot be written, in French (its longest message).
        const unsigned char language = app::CurrentLanguage;
        app::CurrentLanguage = app::French;
        app::Tversione notice(&main, app::programText(app::ProgramText::SettingsNotSaved),
                         QStringLiteral("/home/eleve/.config/trigtutor/Angolario.cfg"));
        notice.show();
        save(&notice, QStringLiteral("Tversione_settings"));
        notice.close();
        app::CurrentLanguage = language;
    }
    main.Chiudetutte1Click();
    settle();
    return 0;
}
