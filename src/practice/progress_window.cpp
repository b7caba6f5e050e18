#include "practice/progress_window.h"

#include "practice/slips.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <set>

#include "history/history_texts.h"
#include "history/store.h"
#include "platform/bars.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/safe_file.h"
#include "practice/exercise.h"
#include "practice/practice_texts.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace practice {

namespace {

using history::Status;
using history::Text;

constexpr int TextPixels = 14;
const char* const RelationSigns[] = {"= 0", "≥ 0", "< 0"};

QColor statusColour(Status status)
{
    switch (status) {
    case Status::Mastered: return Colors::clLime;
    case Status::Learning: return Colors::clAqua;
    case Status::Due: return Colors::clYellow;
    case Status::NotStarted: break;
    }
    return Colors::clGray;
}

QString familyName(int family)
{
    using app::ProgramText;
    return app::programText(family == int(Family::Elementary)  ? ProgramText::PracticeElementary
                            : family == int(Family::Quadratic) ? ProgramText::PracticeQuadratic
                            : family == int(Family::Linear)    ? ProgramText::PracticeLinear
                                                               : ProgramText::Triangles);
}

// A grid row: a family and a relation; the triangles, which have no relation, one row of their own.
QString rowName(int family, int relation)
{
    if (family == int(Family::Triangles))
        return familyName(family);
    return familyName(family) + QLatin1Char(' ') + QString::fromUtf8(RelationSigns[relation]);
}

// The grid's rows: the three relations of each family of equations, then the triangles.
std::vector<std::pair<int, int>> gridRows()
{
    std::vector<std::pair<int, int>> rows;
    for (int f = 0; f < 3; ++f)
        for (int r = 0; r < 3; ++r)
            rows.emplace_back(f, r);
    rows.emplace_back(int(Family::Triangles), int(Relation::Equal));
    return rows;
}

QString skillName(const history::Skill& s)
{
    QStringList parts = {rowName(s.family, s.relation)};
    if (s.family != int(Family::Linear) && s.family != int(Family::Triangles))
        parts << solvers::functionName(s.function);
    parts << levelName(s.level);
    return parts.join(QStringLiteral(" · "));
}

int percent(const history::DayShare& d)
{
    return d.firstTries > 0 ? (200 * d.rightFirst + d.firstTries) / (2 * d.firstTries) : 0;
}

}  // namespace

std::vector<history::Skill> practisedSkills()
{
    std::set<history::Skill> skills;
    // Mixed requests leave the triangles out: they are asked for by name.
    Request triangles;
    triangles.family = Family::Triangles;
    for (const Request& request : {Request{}, triangles})
        for (const Pool& p : poolsOf(request))
            skills.insert({int(p.family), int(p.relation), p.function, p.level});
    return {skills.begin(), skills.end()};
}

ProgressWindow::ProgressWindow(const app::TopicWindow& topic) : app::ChildWindow(topic), m_store(history::sharedStore())
{
    QWidget* area = client();
    area->setFont(Fonts::windowDefault(true));
    const Bars::ControlBar bar = Bars::addControlBar(area, QStringLiteral("controlBar"), Colors::clSilver);
    controlBar = bar.bar;
    ToolBar1 = bar.toolBar1;
    exportAttempts = new QPushButton(history::text(Text::ExportAttempts), ToolBar1);
    exportAttempts->setObjectName("exportAttempts");
    forget = new QPushButton(history::text(Text::ForgetHistory), ToolBar1);
    forget->setObjectName("forget");
    QToolButton* aiuto = makeHelpButton(ToolBar1);
    ToolBar1->addWidget(exportAttempts);
    ToolBar1->addWidget(forget);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(aiuto);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(controlBar);
    layout->addStretch(1);
    for (QPushButton* button : {exportAttempts, forget})
        button->setAutoDefault(false);
    connect(exportAttempts, &QPushButton::clicked, this, [this] { exportClick(); });
    connect(forget, &QPushButton::clicked, this, [this] { forgetClick(); });
    chooseCsvFile = [this] {
        return QFileDialog::getSaveFileName(this, history::text(Text::ExportAttempts).remove(QStringLiteral("…")),
                                            QDir::homePath() + QStringLiteral("/attempts.csv"), QStringLiteral("CSV (*.csv)"));
    };
    confirmForget = [this] {
        QMessageBox box(QMessageBox::Question, history::text(Text::ForgetHistory).remove(QStringLiteral("…")),
                        history::text(Text::ForgetQuestion), QMessageBox::Yes | QMessageBox::No, this);
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
}

void ProgressWindow::FormCreate()
{
    // Its picture is kept only while some of it is seen: a covered window gives its memory back
    // and draws its picture anew when it comes to the front.
    setKeeping(Keeping::WhileSeen);
    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    setWindowTitle(history::text(Text::Progress));
    client()->layout()->activate();
    redraw();
}

void ProgressWindow::FormPaint()
{
    redraw();
}

void ProgressWindow::FormActivate()
{
    redraw();  // answers checked since it was last shown
}

void ProgressWindow::warn(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ProgressWindow::exportClick()
{
    const QString path = chooseCsvFile ? chooseCsvFile() : QString();
    if (path.isEmpty())
        return;
    const SafeFile::Result written = SafeFile::write(path, history::attemptsCsv(m_store->attempts()));
    if (!written)
        warn(history::text(Text::NotExported) + QLatin1Char('\n') + QDir::toNativeSeparators(path) +
             QStringLiteral("\n\n") + app::notWrittenReason(written));
}

void ProgressWindow::forgetClick()
{
    if (!confirmForget || !confirmForget())
        return;
    if (!m_store->forget())
        warn(history::notice(*m_store));
    redraw();
}

void ProgressWindow::redraw()
{
    describePicture(resultLines().join(QLatin1Char('\n')));
    if (surface().isNull())
        return;
    QPainter painter(&surface());
    paint(painter, QSize(clientWidth(), clientHeight()));
    painter.end();
    refreshSurface();
}

QStringList ProgressWindow::resultLines() const
{
    const history::Store& store = *m_store;
    const QDate today = store.today();
    int counts[4] = {};
    QStringList grid;
    for (const history::Skill& s : practisedSkills()) {
        const Status status = store.status(s);
        ++counts[int(status)];
        if (status != Status::NotStarted)
            grid << skillName(s) + QStringLiteral(": ") + history::statusWord(status);
    }
    QStringList lines = {history::text(Text::Summary)
                             .arg(store.attemptCount())
                             .arg(counts[int(Status::Mastered)] + counts[int(Status::Due)])
                             .arg(counts[int(Status::Due)])};
    lines << grid;
    lines << history::text(Text::ChartTitle);
    const QLocale locale(app::CurrentLanguage == 0 ? QLocale::Italian : app::CurrentLanguage == 2 ? QLocale::French : QLocale::English);
    bool any = false;
    for (const history::DayShare& d : store.days())
        if (d.day > today.addDays(-ChartDays)) {
            any = true;
            lines << history::text(Text::DayFigure)
                         .arg(locale.toString(d.day, QLocale::LongFormat))
                         .arg(d.rightFirst)
                         .arg(d.firstTries)
                         .arg(percent(d));
        }
    if (!any)
        lines << history::text(Text::NoDays);
    lines << history::text(Text::SlipsTitle);
    const auto slips = store.slips(5);
    for (const auto& [slip, count] : slips)
        lines << history::text(Text::SlipFigure).arg(slipName(slip)).arg(count);
    if (slips.empty())
        lines << history::text(Text::NoSlips);
    if (const QString note = history::notice(store); !note.isEmpty())
        lines << note.split(QLatin1Char('\n'));
    return lines;
}

void ProgressWindow::paint(QPainter& painter, QSize size) const
{
    const history::Store& store = *m_store;
    const QDate today = store.today();
    painter.fillRect(QRect(QPoint(0, 0), size), Colors::clBlack);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont font = Fonts::sansSerif(TextPixels);
    const QFont bold = Fonts::sansSerif(TextPixels, true);
    const QFontMetrics metrics(font);
    const int line = metrics.lineSpacing();
    const int left = 20;
    int y = controlBar->height() + 16;
    const auto write = [&](int x, int baseline, const QString& s, const QColor& colour, const QFont& f) {
        painter.setFont(f);
        painter.setPen(colour);
        painter.drawText(QPoint(x, baseline), s);
    };
    const QStringList lines = resultLines();
    write(left, y + metrics.ascent(), lines.front(), Colors::clWhite, bold);
    y += 2 * line;

    // The grid: a row per family and relation, a column per function and level.
    const std::vector<history::Skill> skills = practisedSkills();
    const std::set<history::Skill> offered(skills.begin(), skills.end());
    int nameWidth = 0;
    for (const auto& [f, r] : gridRows())
        nameWidth = std::max(nameWidth, metrics.horizontalAdvance(rowName(f, r)));
    const int cell = std::max(18, std::min(28, (size.width() / 2 - nameWidth - 2 * left) / 10));
    const int gridLeft = left + nameWidth + 12;
    for (int fn = 0; fn < 3; ++fn) {
        const int x = gridLeft + fn * (3 * cell + cell / 2);
        write(x, y + metrics.ascent(), solvers::functionName(fn), Colors::clSilver, bold);
        for (int level = 1; level <= 3; ++level)
            write(x + (level - 1) * cell + cell / 3, y + line + metrics.ascent(), QString::number(level), Colors::clGray, font);
    }
    y += 2 * line + 2;
    for (const auto& [f, r] : gridRows()) {
        write(left, y + (cell + metrics.ascent() - metrics.descent()) / 2, rowName(f, r), Colors::clWhite, font);
        for (int fn = 0; fn < 3; ++fn)
            for (int level = 1; level <= 3; ++level) {
                const history::Skill s{f, r, fn, level};
                if (!offered.count(s))
                    continue;
                const QRect box(gridLeft + fn * (3 * cell + cell / 2) + (level - 1) * cell, y, cell - 3, cell - 3);
                const Status status = store.status(s);
                painter.setPen(statusColour(status));
                painter.setBrush(status == Status::NotStarted ? QBrush(Colors::clBlack) : QBrush(statusColour(status)));
                painter.drawRect(box.adjusted(0, 0, -1, -1));
            }
        y += cell;
    }
    y += line / 2;
    // The legend.
    int x = left;
    for (Status status : {Status::Mastered, Status::Due, Status::Learning, Status::NotStarted}) {
        painter.setPen(statusColour(status));
        painter.setBrush(status == Status::NotStarted ? QBrush(Colors::clBlack) : QBrush(statusColour(status)));
        painter.drawRect(QRect(x, y + 2, metrics.ascent() - 2, metrics.ascent() - 2));
        x += metrics.ascent() + 4;
        write(x, y + metrics.ascent(), history::statusWord(status), Colors::clSilver, font);
        x += metrics.horizontalAdvance(history::statusWord(status)) + 16;
    }
    const int gridBottom = y + 2 * line;

    // The chart: the share of right first-time answers on each of the last days.
    const int chartLeft = std::max(gridLeft + 10 * cell + 40, size.width() / 2 + 20);
    const int chartRight = size.width() - left;
    const int chartTop = controlBar->height() + 16 + 2 * line;
    const int chartBottom = std::max(chartTop + 120, gridBottom - 3 * line);
    write(chartLeft, chartTop + metrics.ascent(), history::text(Text::ChartTitle), Colors::clWhite, bold);
    const int plotTop = chartTop + 2 * line;
    const int plotLeft = chartLeft + metrics.horizontalAdvance(QStringLiteral("100%")) + 8;
    painter.setBrush(Qt::NoBrush);
    for (int share : {0, 50, 100}) {
        const int yy = chartBottom - (chartBottom - plotTop) * share / 100;
        painter.setPen(QPen(Colors::clGray, 1, share == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(plotLeft, yy, chartRight, yy);
        write(chartLeft, yy + metrics.ascent() / 2 - 1, QStringLiteral("%1%").arg(share), Colors::clGray, font);
    }
    const double slot = double(chartRight - plotLeft) / ChartDays;
    for (const history::DayShare& d : store.days()) {
        const qint64 back = d.day.daysTo(today);
        if (back < 0 || back >= ChartDays)
            continue;
        const int bx = plotLeft + int((ChartDays - 1 - back) * slot) + 1;
        const int top = chartBottom - (chartBottom - plotTop) * percent(d) / 100;
        painter.fillRect(QRect(bx, top, std::max(2, int(slot) - 2), chartBottom - top), Colors::clAqua);
    }
    const QLocale locale(app::CurrentLanguage == 0 ? QLocale::Italian : app::CurrentLanguage == 2 ? QLocale::French : QLocale::English);
    const QString first = locale.toString(today.addDays(1 - ChartDays), QStringLiteral("d MMM"));
    const QString last = locale.toString(today, QStringLiteral("d MMM"));
    write(plotLeft, chartBottom + line, first, Colors::clSilver, font);
    write(chartRight - metrics.horizontalAdvance(last), chartBottom + line, last, Colors::clSilver, font);

    // The slips named most, and what the history says of its file.
    y = std::max(gridBottom, chartBottom + 2 * line);
    const int slipsAt = int(lines.indexOf(history::text(Text::SlipsTitle)));
    write(left, y + metrics.ascent(), lines[slipsAt], Colors::clWhite, bold);
    y += line + 4;
    const int slipLines = std::max(1, int(store.slips(5).size()));
    for (int i = slipsAt + 1; i < lines.size(); ++i) {
        write(left + 12, y + metrics.ascent(), lines[i], i <= slipsAt + slipLines ? Colors::clYellow : Colors::clFuchsia, font);
        y += line;
    }
}

}  // namespace practice
