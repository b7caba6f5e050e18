#include "practice/worksheet.h"

#include <QPagedPaintDevice>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <algorithm>
#include <random>

#include "platform/fonts.h"
#include "practice/practice_texts.h"
#include "practice/slips.h"
#include "shell/program_texts.h"
#include "texts/steps_texts.h"

namespace practice {

namespace {

using app::ProgramText;

// The page in points (1/72 inch): A4 with margins of 2 cm.
constexpr double Margin = 57;

class SheetWriter {
public:
    SheetWriter(QPagedPaintDevice& writer, QPainter& painter, const WorksheetSettings& settings, const QString& version)
        : m_writer(writer), m_painter(painter), m_settings(settings), m_version(version)
    {
        const QRectF page = writer.pageLayout().paintRectPoints();
        m_width = page.width() * scale();
        m_height = page.height() * scale();
    }

    // Device units per point.
    double scale() const { return m_writer.logicalDpiY() / 72.0; }

    // The heading of a version's sheet or key: its text on the left, wrapping short of a column
    // on the right that holds the version's letter (bold) and the date, each when there is one.
    void heading(const QString& text)
    {
        const double right = m_width - Margin * scale();
        const double top = m_y;
        double columnWidth = 0;
        double columnBottom = top;
        const auto aside = [&](const QString& line, double pointSize, bool bold) {
            if (line.isEmpty())
                return;
            QFont font = Fonts::sansSerif(1, bold);
            font.setPointSizeF(pointSize);
            const QFontMetricsF metrics(font, &m_writer);
            const double width = metrics.horizontalAdvance(line) + 1;
            m_painter.setFont(font);
            // The first line's baseline near the heading's.
            const double y = columnBottom == top ? top + 4 * scale() : columnBottom;
            m_painter.drawText(QRectF(right - width, y, width, metrics.height()), Qt::AlignRight | Qt::AlignTop, line);
            columnWidth = std::max(columnWidth, width);
            columnBottom = y + metrics.height();
        };
        aside(m_version, 13, true);
        aside(m_settings.date.isValid() ? sheetDateText(m_settings.date) : QString(), 11, false);
        write(text, 16, true, 0, 0, columnWidth > 0 ? columnWidth + 18 * scale() : 0);
        m_y = std::max(m_y, columnBottom) + 10 * scale();
    }

    void write(const QString& text, double pointSize, bool bold = false, double spaceAfter = 4, double indent = 0,
               double rightRoom = 0)
    {
        QFont font = Fonts::sansSerif(1, bold);
        font.setPointSizeF(pointSize);
        m_painter.setFont(font);
        const QFontMetricsF metrics(font, &m_writer);
        const QRectF box(Margin * scale() + indent * scale(), 0,
                         m_width - 2 * Margin * scale() - indent * scale() - rightRoom, 1e6);
        const QRectF needed = metrics.boundingRect(box, Qt::TextWordWrap, text);
        if (m_y + needed.height() > m_height - 2 * Margin * scale())
            newPage();
        m_painter.drawText(QRectF(box.left(), m_y, box.width(), needed.height()), Qt::TextWordWrap, text);
        m_y += needed.height() + spaceAfter * scale();
    }

    void space(double points) { m_y += points * scale(); }

    void start()
    {
        m_y = Margin * scale();
    }

    void newPage()
    {
        footer();
        m_writer.newPage();
        ++m_page;
        start();
    }

    void footer()
    {
        QFont font = Fonts::sansSerif(1);
        font.setPointSizeF(9);
        m_painter.setFont(font);
        QString text =
            app::programText(ProgramText::PracticeFooter).arg(m_settings.seed).arg(requestText(m_settings.request)).arg(m_page);
        if (!m_version.isEmpty())
            text = m_version + QStringLiteral(" · ") + text;
        m_painter.drawText(QRectF(Margin * scale(), m_height - Margin * scale(), m_width - 2 * Margin * scale(), 14 * scale()),
                           Qt::AlignHCenter | Qt::AlignTop, text);
    }

private:
    QPagedPaintDevice& m_writer;
    QPainter& m_painter;
    const WorksheetSettings& m_settings;
    QString m_version;
    double m_width = 0;
    double m_height = 0;
    double m_y = 0;
    int m_page = 1;
};

}  // namespace

std::vector<Exercise> worksheetExercises(const WorksheetSettings& settings)
{
    // Each exercise draws its pool as the practice window does, then one of the pool's exercises
    // not yet on the sheet; a pool whose exercises are all on it gives way to the next one that
    // has some left, and only when every exercise of the request is on the sheet does a new
    // round begin.
    const std::vector<Pool> pools = poolsOf(settings.request);
    std::vector<int> sizes;
    long long total = 0;
    for (const Pool& p : pools) {
        sizes.push_back(poolSize(p));
        total += sizes.back();
    }
    std::vector<std::vector<int>> taken(pools.size());  // the indices on the sheet, in order
    long long takenCount = 0;
    std::mt19937 engine(settings.seed);
    std::vector<Exercise> exercises;
    const int count = std::clamp(settings.count, 1, MaxWorksheetExercises);
    for (int i = 0; i < count && total > 0; ++i) {
        if (takenCount == total) {
            for (std::vector<int>& t : taken)
                t.clear();
            takenCount = 0;
        }
        const Pool drawn = choosePool(settings.request, std::uint32_t(engine()));
        std::size_t at = std::size_t(std::find(pools.begin(), pools.end(), drawn) - pools.begin());
        if (at == pools.size())
            at = 0;
        while (int(taken[at].size()) == sizes[at])
            at = (at + 1) % pools.size();
        // The r-th index not yet taken.
        std::vector<int>& t = taken[at];
        int index = int(engine() % std::uint32_t(sizes[at] - int(t.size())));
        for (int used : t)
            if (used <= index)
                ++index;
        t.insert(std::upper_bound(t.begin(), t.end(), index), index);
        ++takenCount;
        exercises.push_back(exerciseOf(pools[at], index));
        exercises.back().seed = settings.seed;
    }
    return exercises;
}

std::uint32_t versionSeed(std::uint32_t seed, int version)
{
    if (version <= 0)
        return seed;
    // SplitMix-style mixing of the seed and the version number.
    std::uint64_t z = (std::uint64_t(seed) << 8 | std::uint64_t(version)) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return std::uint32_t(z ^ (z >> 31));
}

QString workedKeyTitle()
{
    return solvers::stepWords("Soluzioni svolte", "Worked key", "Corrigé détaillé");
}

QStringList workedKeyLines(const Exercise& e, int number)
{
    QStringList lines = solvers::workedSolutionLines(exerciseSteps(e));
    // The steps write the minus sign as "-", as the screen does; on paper it is the true minus
    // sign, except for a hyphen between two letters (demi-droite).
    for (QString& line : lines)
        for (qsizetype i = 0; i < line.size(); ++i)
            if (line[i] == u'-' && !(i > 0 && i + 1 < line.size() && line[i - 1].isLetter() && line[i + 1].isLetter()))
                line[i] = QChar(0x2212);
    return QStringList{QStringLiteral("%1.  %2").arg(number).arg(e.paperText())} + lines;
}

QString worksheetTitle(const WorksheetSettings& settings)
{
    // Control characters go (a line break becomes a space): the title is one line of plain text.
    QString title;
    for (const QChar c : settings.title)
        if (c.isPrint() || c.isSpace())
            title += c;
    title = title.simplified().left(MaxWorksheetTitle);
    return title.isEmpty() ? app::programText(ProgramText::PracticeSheetTitle) : title;
}

SafeFile::Result writeWorksheet(const QString& path, const WorksheetSettings& settings)
{
    const SafeFile::PdfSetup sheet{QPageLayout(), 300, worksheetTitle(settings), QStringLiteral("Anglebook")};
    return SafeFile::writePdf(path, sheet, worksheetDrawer(settings));
}

SafeFile::PageDrawer worksheetDrawer(const WorksheetSettings& settings)
{
    return [settings](QPainter& painter, QPagedPaintDevice& device) {
        const int versions = std::clamp(settings.versions, 1, MaxWorksheetVersions);
        const QString title = worksheetTitle(settings);
        for (int v = 0; v < versions; ++v) {
            WorksheetSettings version = settings;
            version.seed = versionSeed(settings.seed, v);
            const QString letter = versions > 1
                                       ? app::programText(ProgramText::WorksheetVersion).arg(QChar(u'A' + v))
                                       : QString();
            // The title; the keys "Answer key — Title" (the letter beside them).
            const auto keyHeading = [&](const QString& key) { return key + QStringLiteral(" — ") + title; };
            const std::vector<Exercise> exercises = worksheetExercises(version);
            SheetWriter sheet(device, painter, version, letter);
            sheet.start();
            sheet.heading(title);
            sheet.write(settings.date.isValid() ? sheetText(SheetText::NameLine)
                                                : app::programText(ProgramText::PracticeNameAndDate),
                        11, false, 8);
            sheet.write(app::programText(ProgramText::PracticeSheetInstruction), 11, false, 12);
            int number = 1;
            for (const Exercise& e : exercises) {
                sheet.write(QStringLiteral("%1.  %2").arg(number++).arg(e.paperText()), 13, false, 4);
                sheet.space(e.isInequality() ? 34 : 26);  // room to write the answer
            }
            if (settings.key) {
                sheet.newPage();
                sheet.heading(keyHeading(app::programText(ProgramText::PracticeAnswerKey)));
                number = 1;
                for (const Exercise& e : exercises) {
                    sheet.write(QStringLiteral("%1.  %2").arg(number++).arg(e.paperText()), 11, true, 1);
                    if (e.family == Family::Triangles) {
                        sheet.write(triangleAnswerText(e.triangle), 11, false, 8, 18);
                        continue;
                    }
                    const SolutionSet answer = solverAnswer(e);
                    sheet.write(answerText(answer, e.period(), false), 11, false, 1, 18);
                    sheet.write(answerText(answer, e.period(), true), 11, false, 8, 18);
                }
            }
            if (settings.key && settings.workedKey) {
                sheet.newPage();
                sheet.heading(keyHeading(workedKeyTitle()));
                number = 1;
                for (const Exercise& e : exercises) {
                    const QStringList lines = workedKeyLines(e, number++);
                    for (int i = 0; i < lines.size(); ++i)
                        sheet.write(i == 0 ? lines[i] : lines[i].trimmed(), i == 0 ? 11 : 10, i == 0,
                                    i + 1 == lines.size() ? 8 : 1,
                                    i == 0 ? 0 : lines[i].startsWith(QLatin1Char(' ')) ? 36 : 18);
                }
            }
            if (v + 1 < versions)
                sheet.newPage();  // the footer of the last page, then the next version's first
            else
                sheet.footer();
        }
    };
}

}  // namespace practice
