#include "practice/practice_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPainter>

#include "platform/entry_box.h"
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include "history/history_texts.h"
#include "history/store.h"
#include "platform/bars.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/safe_file.h"
#include "practice/answer.h"
#include "practice/practice_texts.h"
#include "practice/worksheet.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "solvers/frame/solver_window.h"
#include "texts/angle_notation.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"

namespace practice {

namespace {

using app::ProgramText;

std::function<app::ChildWindow*(Family, bool)>& solverOpener()
{
    static std::function<app::ChildWindow*(Family, bool)> opener;
    return opener;
}


QComboBox* makeChoice(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setCurrentIndex(int(items.size()) - 1);  // mixed
    return box;
}

QStringList kindItems()
{
    return {app::programText(ProgramText::PracticeElementary), app::programText(ProgramText::PracticeQuadratic),
            app::programText(ProgramText::PracticeLinear), app::programText(ProgramText::Triangles),
            app::programText(ProgramText::PracticeMixed)};
}

QStringList relationItems()
{
    return {app::programText(ProgramText::PracticeEquation), app::programText(ProgramText::PracticeInequality),
            app::programText(ProgramText::PracticeMixed)};
}

QStringList functionItems()
{
    return {solvers::functionName(solvers::Sine), solvers::functionName(solvers::Cosine),
            solvers::functionName(solvers::Tangent), app::programText(ProgramText::PracticeMixed)};
}

QStringList levelItems()
{
    return {levelName(1), levelName(2), levelName(3), levelName(0)};
}

// The request of four choices, each at its last item for "mixed".
Request requestOf(const QComboBox* kind, const QComboBox* relation, const QComboBox* function, const QComboBox* level)
{
    Request r;
    if (kind->currentIndex() < 4)
        r.family = Family(kind->currentIndex());
    if (relation->currentIndex() < 2)
        r.inequality = relation->currentIndex() == 1;
    if (function->currentIndex() < 3)
        r.function = function->currentIndex();
    if (level->currentIndex() < 3)
        r.level = level->currentIndex() + 1;
    return r;
}

std::function<app::ChildWindow*()>& progressOpener()
{
    static std::function<app::ChildWindow*()> opener;
    return opener;
}

std::function<app::ChildWindow*(const triangles::Parts&)>& triangleOpener()
{
    static std::function<app::ChildWindow*(const triangles::Parts&)> opener;
    return opener;
}

history::Skill skillOf(const Exercise& e)
{
    return {int(e.family), int(e.relation), e.function, e.level};
}

std::uint32_t newSeed()
{
    return QRandomGenerator::global()->bounded(1000000u);
}

using platform::EntryBox;

// The picture's text sizes in pixels.
constexpr int ExercisePixels = 26;
constexpr int TextPixels = 15;

}  // namespace

void setSolverOpener(std::function<app::ChildWindow*(Family family, bool inequality)> opener)
{
    solverOpener() = std::move(opener);
}

void setProgressOpener(std::function<app::ChildWindow*()> opener)
{
    progressOpener() = std::move(opener);
}

void setTriangleOpener(std::function<app::ChildWindow*(const triangles::Parts& given)> opener)
{
    triangleOpener() = std::move(opener);
}

PracticeWindow::PracticeWindow(const app::TopicWindow& topic) : app::ChildWindow(topic), m_history(history::sharedStore())
{
    QWidget* area = client();
    area->setFont(Fonts::windowDefault(true));

    const Bars::ControlBar bar = Bars::addControlBar(area, QStringLiteral("controlBar"), Colors::clSilver);
    controlBar = bar.bar;
    ToolBar1 = bar.toolBar1;

    kind = makeChoice(ToolBar1, "kind", kindItems());
    relation = makeChoice(ToolBar1, "relation", relationItems());
    function = makeChoice(ToolBar1, "function", functionItems());
    level = makeChoice(ToolBar1, "level", levelItems());
    newExercise = new QPushButton(app::programText(ProgramText::PracticeNewExercise), ToolBar1);
    newExercise->setObjectName("newExercise");
    seed = new EntryBox(ToolBar1);
    seed->setObjectName("seed");
    seed->setFixedWidth(70);
    seed->setMaxLength(10);
    review = new QPushButton(history::text(history::Text::Review), ToolBar1);
    review->setObjectName("review");
    worksheet = new QPushButton(app::programText(ProgramText::PracticeWorksheet), ToolBar1);
    worksheet->setObjectName("worksheet");
    progress = new QPushButton(history::text(history::Text::ProgressButton), ToolBar1);
    progress->setObjectName("progress");
    QToolButton* aiuto = makeHelpButton(ToolBar1);
    auto* seedLabel = new QLabel(app::programText(ProgramText::PracticeSeed).arg(QString()).trimmed(), ToolBar1);
    seedLabel->setTextFormat(Qt::PlainText);
    for (QWidget* w : {static_cast<QWidget*>(kind), static_cast<QWidget*>(relation), static_cast<QWidget*>(function),
                       static_cast<QWidget*>(level)})
        ToolBar1->addWidget(w);
    ToolBar1->addWidget(newExercise);
    ToolBar1->addWidget(review);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(seedLabel);
    ToolBar1->addWidget(seed);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(worksheet);
    ToolBar1->addWidget(progress);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(aiuto);

    answerBar = new QWidget(area);
    answerBar->setObjectName("answerBar");
    Bars::paintWith(answerBar, Colors::clSilver, Colors::clBlack);
    auto* answerLayout = new QHBoxLayout(answerBar);
    answerLayout->setContentsMargins(6, 4, 6, 4);
    auto* answerLabel = new QLabel(app::programText(ProgramText::PracticeTheAnswer), answerBar);
    answerLabel->setTextFormat(Qt::PlainText);
    answer = new EntryBox(answerBar);
    answer->setObjectName("answer");
    answer->setFont(Fonts::sansSerif(TextPixels, true));
    Bars::paintWith(answer, Colors::clBlack, Colors::clWhite);
    answerLabel->setBuddy(answer);
    check = new QPushButton(app::programText(ProgramText::PracticeCheck), answerBar);
    check->setObjectName("check");
    showMe = new QPushButton(app::programText(ProgramText::PracticeShowMe), answerBar);
    showMe->setObjectName("showMe");
    answerLayout->addWidget(answerLabel);
    answerLayout->addWidget(answer, 1);
    answerLayout->addWidget(check);
    answerLayout->addWidget(showMe);
    howToSolve = new QPushButton(solvers::stepWords("Come si risolve", "How to solve it", "Comment le résoudre"), answerBar);
    howToSolve->setObjectName("howToSolve");
    howToSolve->setEnabled(false);
    answerLayout->addWidget(howToSolve);

    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(controlBar);
    areaLayout->addStretch(1);
    areaLayout->addWidget(answerBar);

    connect(newExercise, &QPushButton::clicked, this, [this] { newExerciseClick(); });
    connect(seed, &QLineEdit::returnPressed, this, [this] { seedEntered(); });
    connect(worksheet, &QPushButton::clicked, this, [this] { worksheetClick(); });
    connect(review, &QPushButton::clicked, this, [this] { reviewClick(); });
    connect(progress, &QPushButton::clicked, this, [this] { progressClick(); });
    connect(answer, &QLineEdit::returnPressed, this, [this] { checkClick(); });
    connect(check, &QPushButton::clicked, this, [this] { checkClick(); });
    connect(showMe, &QPushButton::clicked, this, [this] { showMeClick(); });
    connect(howToSolve, &QPushButton::clicked, this, [this] { howToSolveClick(); });
    for (QComboBox* box : {kind, relation, function, level})
        Keyboard::appliesWithEnter(box, newExercise);
    for (QPushButton* button : {newExercise, review, worksheet, progress, check, showMe, howToSolve})
        button->setAutoDefault(false);
    Keyboard::chainTabOrder({kind, relation, function, level, newExercise, review, seed, worksheet, progress, aiuto,
                             answer, check, showMe, howToSolve});

    chooseWorksheetFile = [this] {
        return QFileDialog::getSaveFileName(this, app::programText(ProgramText::PracticeSavePdf),
                                            QDir::homePath() + QStringLiteral("/worksheet.pdf"),
                                            QStringLiteral("PDF (*.pdf)"));
    };
}

void PracticeWindow::FormCreate()
{
    // Its picture is kept only while some of it is seen: a covered window gives its memory back
    // and draws its picture anew when it comes to the front.
    setKeeping(Keeping::WhileSeen);
    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    setWindowTitle(app::programText(ProgramText::Practice));
    // The four lists say what they choose, for the hints and for screen readers.
    const QString relationName =
        app::programText(ProgramText::PracticeEquation) + QStringLiteral(" / ") + app::programText(ProgramText::PracticeInequality);
    const std::pair<QComboBox*, QString> lists[] = {{kind, app::programText(ProgramText::PracticeKind)},
                                                    {relation, relationName},
                                                    {function, app::programText(ProgramText::PracticeFunction)},
                                                    {level, app::programText(ProgramText::PracticeLevelChoice)}};
    for (const auto& [list, name] : lists) {
        Hints::setHint(list, name);
        list->setAccessibleName(name);
    }
    seed->setAccessibleName(app::programText(ProgramText::PracticeSeed).arg(QString()).trimmed());
    answer->setAccessibleName(app::programText(ProgramText::PracticeTheAnswer));
    client()->layout()->activate();
    m_note = history::notice(*m_history);
    setExercise(makeExercise(request(), newSeed()));
    answer->setFocus();
}

void PracticeWindow::FormPaint()
{
    redraw();
}

Request PracticeWindow::request() const
{
    return requestOf(kind, relation, function, level);
}

QString PracticeWindow::scoreText() const
{
    return app::programText(ProgramText::PracticeScore).arg(m_rightFirst).arg(m_rightAfterHints).arg(m_exercises);
}

void PracticeWindow::setExercise(const Exercise& exercise)
{
    m_exercise = exercise;
    m_verdict.clear();
    m_right = false;
    m_checked = false;
    m_triedWrong = false;
    m_counted = false;
    m_scoredRight = false;
    m_offered = false;
    m_shown.start();
    m_slip = {};
    m_showsSteps = false;
    howToSolve->setEnabled(false);
    seed->setText(QString::number(exercise.seed));
    answer->clear();
    redraw();
}

void PracticeWindow::newExerciseClick()
{
    // Ten tries today at the skill just practised and not mastered: first its worked solution.
    if (!m_offered && m_history->state(skillOf(m_exercise)).offersSolutionOn(m_history->today())) {
        m_offered = true;
        m_note = history::text(history::Text::OfferSolution);
        redraw();
        showMe->setFocus();
        return;
    }
    m_note = history::notice(*m_history);
    setExercise(makeExercise(request(), newSeed()));
    answer->setFocus();
}

void PracticeWindow::seedEntered()
{
    bool ok = false;
    const uint value = seed->text().trimmed().toUInt(&ok);
    if (!ok) {
        seed->setText(QString::number(m_exercise.seed));
        return;
    }
    setExercise(makeExercise(request(), value));
    answer->setFocus();
}

void PracticeWindow::checkClick()
{
    if (m_exercise.family == Family::Triangles) {
        const TriangleVerdict v = checkTriangleAnswer(m_exercise.triangle, answer->text());
        m_verdict = v.lines;
        if (!v.read) {
            m_right = m_checked = false;
            redraw();
            return;
        }
        score(v.right);
        return;
    }
    const Reading reading = readAnswer(answer->text(), m_exercise.isInequality(), m_exercise.period());
    if (!reading.ok()) {
        // Nothing was read: no verdict, and no try counted.
        m_verdict = {readingMessage(reading)};
        m_right = false;
        m_checked = false;
        // Radians, or a tangent's families stepped by 360°, are read as the slip they are.
        m_slip = findSlip(m_exercise, answer->text());
        if (m_slip.slip != Slip::None)
            m_verdict << slipText(m_slip.slip);
        howToSolve->setEnabled(howToSolve->isEnabled() || m_slip.slip != Slip::None);
        redraw();
        return;
    }
    const Verdict v = practice::check(solverAnswer(m_exercise), reading.set, m_exercise.isInequality(), m_exercise.period());
    m_verdict = verdictLines(v);
    m_slip = findSlip(m_exercise, answer->text());
    if (m_slip.slip != Slip::None)
        m_verdict << slipText(m_slip.slip);
    score(v.right);
}

void PracticeWindow::score(bool right)
{
    m_right = right;
    m_checked = true;
    howToSolve->setEnabled(true);
    history::Attempt attempt;
    attempt.skill = skillOf(m_exercise);
    attempt.seed = m_exercise.seed;
    attempt.exercise = m_exercise.text();
    attempt.answer = answer->text();
    attempt.right = right;
    attempt.slip = slipKey(m_slip.slip);
    attempt.first = !m_counted;
    attempt.seconds = double(m_shown.elapsed()) / 1000.0;
    m_history->record(attempt);
    m_note = history::notice(*m_history);
    if (!m_counted) {
        m_counted = true;
        ++m_exercises;
    }
    if (right) {
        if (!m_scoredRight)
            ++(m_triedWrong ? m_rightAfterHints : m_rightFirst);
        m_scoredRight = true;
    } else {
        m_triedWrong = true;
    }
    redraw();
}

app::ChildWindow* PracticeWindow::showMeClick()
{
    if (m_exercise.family == Family::Triangles)
        return triangleOpener() ? triangleOpener()(m_exercise.triangle.given) : nullptr;
    if (!solverOpener())
        return nullptr;
    app::ChildWindow* window = solverOpener()(m_exercise.family, m_exercise.isInequality());
    if (auto* solver = qobject_cast<solvers::SolverWindow*>(window))
        solver->showExercise(m_exercise.function, m_exercise.values(), m_exercise.alphaDeg);
    return window;
}

void PracticeWindow::reviewClick()
{
    const std::optional<history::Skill> skill = history::nextReview(m_history->dueSkills(), int(m_exercise.family));
    if (!skill) {
        m_note = history::text(history::Text::NothingDue);
        redraw();
        return;
    }
    Request r;
    r.family = Family(skill->family);
    r.inequality = skill->relation != int(Relation::Equal);
    r.function = skill->function;
    r.level = skill->level;
    // The request leaves ≥ or < to the seed: the first seed that gives the skill's relation.
    std::uint32_t s = newSeed();
    Exercise e = makeExercise(r, s);
    for (int tries = 0; tries < 256 && skillOf(e) != *skill; ++tries)
        e = makeExercise(r, ++s);
    m_note = history::notice(*m_history);
    setExercise(e);
    answer->setFocus();
}

app::ChildWindow* PracticeWindow::progressClick()
{
    return progressOpener() ? progressOpener()() : nullptr;
}

void PracticeWindow::howToSolveClick()
{
    m_showsSteps = !m_showsSteps && howToSolve->isEnabled();
    redraw();
}

QStringList PracticeWindow::stepLines() const
{
    QStringList lines = solvers::workedSolutionLines(exerciseSteps(m_exercise));
    for (int i = 0; i < lines.size(); ++i)
        lines[i] = (i == m_slip.step ? QStringLiteral("▶ ") : QStringLiteral("   ")) + lines[i];
    return lines;
}

void PracticeWindow::worksheetClick()
{
    QDialog dialog(this);
    dialog.setObjectName("WorksheetDialog");
    dialog.setWindowTitle(app::programText(ProgramText::PracticeWorksheet).remove(QStringLiteral("…")));
    auto* form = new QFormLayout(&dialog);
    // The title and the date at the top of every sheet; without the date the sheet keeps the
    // blank for the student to fill in.
    auto* title = new QLineEdit(app::programText(ProgramText::PracticeSheetTitle), &dialog);
    title->setObjectName("sheetTitle");
    title->setMaxLength(MaxWorksheetTitle);
    title->setMinimumWidth(title->fontMetrics().averageCharWidth() * 36);
    auto* dated = new QCheckBox(sheetText(SheetText::Date), &dialog);
    dated->setObjectName("sheetDated");
    dated->setChecked(true);
    auto* date = new QDateEdit(QDate::currentDate(), &dialog);
    date->setObjectName("sheetDate");
    date->setLocale(sheetLocale());
    date->setAccessibleName(sheetText(SheetText::Date));  // its label is the check box beside it
    date->setCalendarPopup(true);
    connect(dated, &QCheckBox::toggled, date, &QWidget::setEnabled);
    auto* count = new QSpinBox(&dialog);
    count->setObjectName("count");
    count->setRange(1, MaxWorksheetExercises);
    count->setValue(20);
    QComboBox* sheetKind = makeChoice(&dialog, "sheetKind", kindItems());
    QComboBox* sheetRelation = makeChoice(&dialog, "sheetRelation", relationItems());
    QComboBox* sheetFunction = makeChoice(&dialog, "sheetFunction", functionItems());
    QComboBox* sheetLevel = makeChoice(&dialog, "sheetLevel", levelItems());
    sheetKind->setCurrentIndex(kind->currentIndex());
    sheetRelation->setCurrentIndex(relation->currentIndex());
    sheetFunction->setCurrentIndex(function->currentIndex());
    sheetLevel->setCurrentIndex(level->currentIndex());
    auto* sheetSeed = new QSpinBox(&dialog);
    sheetSeed->setObjectName("sheetSeed");
    sheetSeed->setRange(0, 999999);
    sheetSeed->setValue(int(newSeed()));
    auto* versions = new QSpinBox(&dialog);
    versions->setObjectName("sheetVersions");
    versions->setRange(1, MaxWorksheetVersions);
    form->addRow(sheetText(SheetText::Title), title);
    form->addRow(dated, date);
    form->addRow(app::programText(ProgramText::PracticeCount), count);
    form->addRow(app::programText(ProgramText::PracticeKind), sheetKind);
    form->addRow(QString(), sheetRelation);
    form->addRow(app::programText(ProgramText::PracticeFunction), sheetFunction);
    form->addRow(app::programText(ProgramText::PracticeLevelChoice), sheetLevel);
    form->addRow(app::programText(ProgramText::PracticeSeed).arg(QString()).trimmed(), sheetSeed);
    form->addRow(sheetText(SheetText::Versions), versions);
    // The worked key comes after the answer key, and goes with it.
    auto* key = new QCheckBox(sheetText(SheetText::IncludeKey), &dialog);
    key->setObjectName("sheetKey");
    key->setChecked(true);
    auto* workedKey = new QCheckBox(workedKeyTitle(), &dialog);
    workedKey->setObjectName("workedKey");
    connect(key, &QCheckBox::toggled, workedKey, &QWidget::setEnabled);
    form->addRow(QString(), key);
    form->addRow(QString(), workedKey);
    // Said before the sheet is made: choices with fewer distinct exercises than asked for.
    auto* note = new QLabel(&dialog);
    note->setObjectName("sheetNote");
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    form->addRow(note);
    const auto updateNote = [=] {
        note->setText(fewExercisesNote(requestOf(sheetKind, sheetRelation, sheetFunction, sheetLevel), count->value()));
        note->setVisible(!note->text().isEmpty());
    };
    updateNote();
    connect(count, &QSpinBox::valueChanged, &dialog, updateNote);
    for (QComboBox* box : {sheetKind, sheetRelation, sheetFunction, sheetLevel})
        connect(box, &QComboBox::currentIndexChanged, &dialog, updateNote);
    // OK saves the sheet as PDF; Print… sends it to a printer through the print dialog.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* print = buttons->addButton(app::programText(ProgramText::PrintPicture), QDialogButtonBox::ActionRole);
    print->setObjectName("printSheet");
    bool toPrinter = false;
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    connect(print, &QPushButton::clicked, &dialog, [&] {
        toPrinter = true;
        dialog.accept();
    });
    if (dialog.exec() != QDialog::Accepted)
        return;
    WorksheetSettings settings;
    settings.request = requestOf(sheetKind, sheetRelation, sheetFunction, sheetLevel);
    settings.count = count->value();
    settings.seed = std::uint32_t(sheetSeed->value());
    settings.versions = versions->value();
    settings.key = key->isChecked();
    settings.workedKey = key->isChecked() && workedKey->isChecked();
    settings.title = title->text();
    settings.date = dated->isChecked() ? date->date() : QDate();
    const auto warn = [this](const QString& text) {
        QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
    if (toPrinter) {
        // A sheet printed into a PDF file is written by the safe writer, as the one saved with OK.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QPrintDialog choice(&printer, this);
        if (!SafeFile::execPrintDialog(choice))
            return;
        const SafeFile::Result printed = SafeFile::print(printer, worksheetDrawer(settings));
        if (!printed)
            warn(SafeFile::printsToFile(printer)
                     ? app::notWrittenMessage(ProgramText::PracticeSheetNotSaved, printer.outputFileName(), printed)
                     : app::programText(ProgramText::PageNotPrinted));
        return;
    }
    const QString path = chooseWorksheetFile ? chooseWorksheetFile() : QString();
    if (path.isEmpty())
        return;
    if (const SafeFile::Result written = writeWorksheet(path, settings); !written)
        warn(app::notWrittenMessage(ProgramText::PracticeSheetNotSaved, path, written));
}

void PracticeWindow::redraw()
{
    if (surface().isNull())
        return;
    QPainter painter(&surface());
    painter.fillRect(surface().rect(), Colors::clBlack);
    paint(painter, QSize(clientWidth(), clientHeight()));
    painter.end();
    refreshSurface();
}

void PracticeWindow::paint(QPainter& painter, QSize size) const
{
    painter.fillRect(QRect(QPoint(0, 0), size), Colors::clBlack);
    const int left = 24;
    const int width = size.width() - 2 * left;
    int y = controlBar->height() + 30;
    // Lines broken and placed by the screen's font metrics, each drawn at its baseline, so that
    // a printer or a recorded picture lays the text out as the window does.
    const auto text = [&](const QString& paragraph, const QFont& font, const QColor& colour, int after) {
        painter.setFont(font);
        painter.setPen(colour);
        const QFontMetrics metrics(font);
        QString line;
        const auto drawLine = [&] {
            painter.drawText(QPoint(left, y + metrics.ascent()), line);
            y += metrics.lineSpacing();
            line.clear();
        };
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width)
                drawLine();
            line = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        }
        drawLine();
        y += after;
    };
    text(m_exercise.text(), Fonts::sansSerif(ExercisePixels, true), Colors::clWhite, 12);
    text(m_exercise.family == Family::Triangles ? triangleAnswerHint(m_exercise.triangle)
                                                : answerHint(m_exercise.isInequality(), m_exercise.period()),
         Fonts::sansSerif(TextPixels), Colors::clSilver, 4);
    text(app::programText(ProgramText::PracticeSeed).arg(m_exercise.seed) + QStringLiteral(" · ") + levelName(m_exercise.level),
         Fonts::sansSerif(TextPixels), Colors::clGray, 24);
    const QColor verdictColour = m_right ? Colors::clLime : m_checked ? Colors::clYellow : Colors::clRed;
    for (const QString& line : m_verdict)
        text(line, Fonts::sansSerif(TextPixels + 3, true), verdictColour, 6);
    for (const QString& line : m_note.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        text(line, Fonts::sansSerif(TextPixels), Colors::clFuchsia, 4);
    if (m_showsSteps) {
        y += 12;
        const QStringList steps = stepLines();
        for (int i = 0; i < steps.size(); ++i) {
            // The substeps' indent kept: blanks that do not break.
            QString line = steps[i];
            for (int j = 0; j < line.size() && line[j] == QLatin1Char(' '); ++j)
                line[j] = QChar(0x00A0);
            text(line, Fonts::sansSerif(TextPixels, i == m_slip.step), i == m_slip.step ? Colors::clYellow : Colors::clWhite, 2);
        }
    }
    y = std::max(y + 18, size.height() - answerBar->height() - 40);
    text(scoreText(), Fonts::sansSerif(TextPixels), Colors::clAqua, 0);
}

QStringList PracticeWindow::resultLines() const
{
    QStringList lines = {m_exercise.text(), app::programText(ProgramText::PracticeSeed).arg(m_exercise.seed) +
                                                QStringLiteral(" · ") + levelName(m_exercise.level)};
    if (m_checked && !answer->text().trimmed().isEmpty())
        lines << app::programText(ProgramText::PracticeTheAnswer) + QLatin1Char(' ') + answer->text().trimmed();
    lines << m_verdict;
    if (!m_note.isEmpty())
        lines << m_note.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (m_showsSteps)
        lines << stepLines();
    return lines;
}

}  // namespace practice
