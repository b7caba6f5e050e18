#include "practice/practice_texts.h"

#include <QLocale>

#include "practice/exercise.h"
#include "shell/program_texts.h"
#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace practice {

namespace {

using app::ProgramText;

QString angles(const std::vector<int>& degrees)
{
    QStringList parts;
    for (int d : degrees)
        parts << degreeText(d);
    return parts.join(QStringLiteral(", "));
}

QString withAngles(ProgramText text, const std::vector<int>& degrees)
{
    return app::programText(text).arg(angles(degrees));
}

}  // namespace

QString readingMessage(const Reading& reading)
{
    switch (reading.problem) {
    case Reading::Problem::None: return {};
    case Reading::Problem::Empty: return app::programText(ProgramText::PracticeEmptyAnswer);
    case Reading::Problem::Unreadable: return app::programText(ProgramText::PracticeUnreadable).arg(reading.part);
    case Reading::Problem::NotWhole: return app::programText(ProgramText::PracticeNotWhole).arg(reading.part);
    case Reading::Problem::EndsOrder: return app::programText(ProgramText::PracticeEndsOrder).arg(reading.part);
    case Reading::Problem::OutOfRange: return app::programText(ProgramText::PracticeOutOfRange).arg(reading.part);
    case Reading::Problem::TooLong: return app::programText(ProgramText::PracticeTooLong).arg(MaxAnswerLength);
    }
    return {};
}

QStringList verdictLines(const Verdict& v)
{
    if (v.right)
        return {app::programText(ProgramText::PracticeRight)};
    QStringList lines;
    if (!v.missing.empty())
        lines << withAngles(ProgramText::PracticeMissing, v.missing);
    if (!v.extra.empty())
        lines << withAngles(ProgramText::PracticeExtra, v.extra);
    if (v.everyX)
        lines << app::programText(ProgramText::PracticeEveryX);
    if (!v.wrongEnds.empty())
        lines << withAngles(ProgramText::PracticeWrongEnds, v.wrongEnds);
    if (!v.missingEnds.empty())
        lines << withAngles(ProgramText::PracticeMissingEnds, v.missingEnds);
    if (!v.include.empty())
        lines << withAngles(ProgramText::PracticeInclude, v.include);
    if (!v.exclude.empty())
        lines << withAngles(ProgramText::PracticeExclude, v.exclude);
    if (v.wrongStretches)
        lines << app::programText(ProgramText::PracticeWrongStretches);
    if (v.holdsForEveryX)
        lines << app::programText(ProgramText::PracticeHoldsForEveryX);
    if (v.holdsForNoX)
        lines << app::programText(ProgramText::PracticeHoldsForNoX);
    return lines;
}

QString fewExercisesNote(const Request& request, int count)
{
    const long long distinct = distinctExercises(request);
    return distinct < count ? app::programText(ProgramText::PracticeFewExercises).arg(distinct) : QString();
}

QString answerHint(bool inequality, int period)
{
    return app::programText(inequality ? ProgramText::PracticeTypeIntervals : ProgramText::PracticeTypeSolutions).arg(period);
}

QString levelName(int level)
{
    return level >= 1 && level <= 3 ? app::programText(ProgramText::PracticeLevel).arg(level)
                                     : app::programText(ProgramText::PracticeMixed);
}

QString requestText(const Request& r)
{
    QStringList parts;
    if (r.family)
        parts << app::programText(*r.family == Family::Elementary  ? ProgramText::PracticeElementary
                                  : *r.family == Family::Quadratic ? ProgramText::PracticeQuadratic
                                  : *r.family == Family::Linear    ? ProgramText::PracticeLinear
                                                                   : ProgramText::Triangles);
    if (r.inequality && r.family != Family::Triangles)
        parts << app::programText(*r.inequality ? ProgramText::PracticeInequality : ProgramText::PracticeEquation);
    if (r.function && r.family != Family::Triangles)
        parts << solvers::functionName(*r.function);
    if (r.level)
        parts << levelName(*r.level);
    return parts.isEmpty() ? app::programText(ProgramText::PracticeMixed) : parts.join(QStringLiteral(" · "));
}

QString sheetText(SheetText text)
{
    static constexpr const char* Words[][3] = {
        {"Titolo", "Title", "Titre"},
        {"Data", "Date", "Date"},
        {"Includi le soluzioni", "Include the answer key", "Inclure le corrigé"},
        {"Versioni", "Versions", "Versions"},
        {"Nome ______________________", "Name ______________________", "Nom ______________________"},
    };
    // Italian, English, French; a loaded language file has none of them and shows the English.
    const std::size_t slot = app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1;
    return QString::fromUtf8(Words[std::size_t(text)][slot]);
}

QLocale sheetLocale()
{
    switch (app::CurrentLanguage) {
    case 0: return QLocale(QLocale::Italian, QLocale::Italy);
    case 2: return QLocale(QLocale::French, QLocale::France);
    default: return QLocale(QLocale::English, QLocale::UnitedKingdom);
    }
}

QString sheetDateText(const QDate& date)
{
    return sheetLocale().toString(date, QStringLiteral("d MMMM yyyy"));
}

}  // namespace practice
