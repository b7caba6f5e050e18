#include "solvers/frame/picture_words.h"

#include <QStringList>
#include <cmath>

#include "shell/program_texts.h"

namespace solvers {

using app::listWords;
using app::programText;
using app::ProgramText;

namespace {

QString degreeWords(int degrees)
{
    return QString::number(degrees) + QChar(0x00B0);
}

QString linesWords(const std::vector<long double>& levels)
{
    QStringList lines;
    for (long double level : levels) {
        const QString line = programText(ProgramText::LineY).arg(numberWords(level));
        if (!lines.contains(line))
            lines.append(line);
    }
    return listWords(lines);
}

}  // namespace

QString numberWords(long double value)
{
    if (!std::isfinite(value))
        return value > 0 ? QStringLiteral("+∞") : QStringLiteral("-∞");
    QString text = QString::number(double(value), 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString degreeListWords(const std::vector<int>& degrees)
{
    QStringList items;
    for (int d : degrees)
        items.append(degreeWords(d));
    return listWords(items);
}

QString setWords(const SolutionSet& set)
{
    QStringList items;
    switch (set.kind) {
    case SolutionSet::Kind::AllReals: return programText(ProgramText::EveryX);
    case SolutionSet::Kind::Empty: return programText(ProgramText::NoX);
    case SolutionSet::Kind::Points:
        for (int d : set.points)
            items.append(QStringLiteral("x = ") + degreeWords(d));
        break;
    case SolutionSet::Kind::Intervals:
        for (const DegreeInterval& i : set.intervals)
            if (i.from == i.to)  // a closed interval of one point
                items.append(QStringLiteral("x = ") + degreeWords(i.from));
            else
                items.append(degreeWords(i.from) + (i.fromClosed ? QStringLiteral(" ≤ x ") : QStringLiteral(" < x ")) +
                         (i.toClosed ? QStringLiteral("≤ ") : QStringLiteral("< ")) + degreeWords(i.to));
        break;
    }
    return listWords(items);
}

QString equationPictureWords(const QString& function, const std::vector<long double>& levels, const SolutionSet& set)
{
    if (set.kind == SolutionSet::Kind::Points && !levels.empty())
        return programText(ProgramText::EquationPicture)
            .arg(function, linesWords(levels), degreeListWords(set.points), degreeWords(set.period));
    if (set.kind == SolutionSet::Kind::Empty && !levels.empty())
        return programText(ProgramText::EquationPictureNone).arg(function, linesWords(levels));
    return programText(ProgramText::EquationPictureAll).arg(function, setWords(set));
}

QString inequalityPictureWords(const QString& function, const std::vector<long double>& levels,
                               const QString& greater, const SolutionSet& greaterSet, const QString& less,
                               const SolutionSet& lessSet)
{
    const QString lines = linesWords(levels);
    const QString graph = lines.isEmpty() ? function : programText(ProgramText::WithLines).arg(function, lines);
    return programText(ProgramText::InequalityPicture)
        .arg(graph, greater, setWords(greaterSet), less, setWords(lessSet), degreeWords(greaterSet.period));
}

}  // namespace solvers
