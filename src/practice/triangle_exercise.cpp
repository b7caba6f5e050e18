#include "practice/triangle_exercise.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>

#include "practice/answer.h"
#include "shell/program_texts.h"
#include "texts/degrees_minutes.h"
#include "texts/text_tables.h"

namespace practice {

namespace {

using namespace triangles;
using Row = std::array<const char*, 3>;  // Italian, English, French

QString pick(const Row& row) { return QString::fromUtf8(row[app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1]); }
QString name(int part) { return QString::fromUtf8(PartNames[part].data(), 1); }

TriangleTask task(std::initializer_list<std::pair<int, double>> given, std::vector<int> asked)
{
    TriangleTask t;
    for (auto [part, value] : given)
        t.given[part] = value;
    t.asked = std::move(asked);
    return t;
}

std::vector<TriangleTask> makeLevel(int level)
{
    std::vector<TriangleTask> list;
    if (level == 1) {  // right triangles, C = 90°
        for (int a = 3; a <= 12; ++a)
            for (int b = 3; b <= 12; ++b)
                list.push_back(task({{AngleC, 90}, {SideA, a}, {SideB, b}}, {SideC, AngleA, AngleB}));
        for (int a = 3; a <= 12; ++a)
            for (int c = a + 1; c <= a + 5; ++c)
                list.push_back(task({{AngleC, 90}, {SideA, a}, {SideC, c}}, {SideB, AngleA, AngleB}));
        for (int c = 5; c <= 15; ++c)
            for (int A = 20; A <= 70; A += 5) {
                list.push_back(task({{AngleC, 90}, {SideC, c}, {AngleA, A}}, {SideA, SideB, AngleB}));
                list.push_back(task({{AngleC, 90}, {SideA, c}, {AngleA, A}}, {SideB, SideC, AngleB}));
            }
    } else if (level == 2) {  // one law
        for (int a = 3; a <= 10; ++a)
            for (int b = a; b <= 10; ++b)
                for (int c = b; c <= 10 && c < a + b; ++c)
                    list.push_back(task({{SideA, a}, {SideB, b}, {SideC, c}}, {AngleA, AngleB, AngleC}));
        for (int b = 3; b <= 10; ++b)
            for (int c = b + 1; c <= 10; ++c)
                for (int A = 30; A <= 120; A += 15)
                    list.push_back(task({{SideB, b}, {SideC, c}, {AngleA, A}}, {SideA, AngleB, AngleC}));
        for (int B = 30; B <= 80; B += 10)
            for (int C = B + 10; C <= 80; C += 10)
                for (int a = 4; a <= 10; ++a) {
                    list.push_back(task({{AngleB, B}, {SideA, a}, {AngleC, C}}, {AngleA, SideB, SideC}));
                    list.push_back(task({{AngleA, B}, {AngleB, C}, {SideA, a}}, {AngleC, SideB, SideC}));
                }
    } else {  // the ambiguous case: every triangle asked for
        for (int b = 6; b <= 12; ++b)
            for (int A = 25; A <= 60; A += 5) {
                const int height = int(std::floor(b * std::sin(double(A) * M_PI / 180)));
                for (int a = std::max(2, height - 1); a <= b + 2; ++a)
                    list.push_back(task({{SideA, a}, {SideB, b}, {AngleA, A}}, {AngleB, AngleC, SideC}));
            }
    }
    return list;
}

const std::vector<TriangleTask>& level(int n)
{
    static const std::array<std::vector<TriangleTask>, 3> levels{makeLevel(1), makeLevel(2), makeLevel(3)};
    return levels[std::size_t(std::clamp(n, 1, 3) - 1)];
}

QString valueText(int part, double value)
{
    return isAngle(part) ? degreesMinutesText(value) : QString::number(value, 'f', 1);
}

QString askedNames(const TriangleTask& t)
{
    QStringList names;
    for (int part : t.asked)
        names << name(part);
    return names.join(", ");
}

bool withinTolerance(int part, double typed, double exact)
{
    return std::fabs(typed - exact) <= (isAngle(part) ? AngleTolerance : SideTolerance) + 1e-9;
}

}  // namespace

int triangleTaskCount(int n)
{
    return int(level(n).size());
}

TriangleTask triangleTask(int n, int index)
{
    const std::vector<TriangleTask>& list = level(n);
    return list[std::size_t(std::clamp(index, 0, int(list.size()) - 1))];
}

QString triangleTaskText(const TriangleTask& t)
{
    QStringList given;
    for (int part : {AngleC, SideA, SideB, SideC, AngleA, AngleB})
        if (triangles::given(t.given[part]))
            given << name(part) + " = " + QString::number(t.given[part]) + (isAngle(part) ? QStringLiteral("°") : QString());
    const bool ambiguous = solveTriangle(t.given).kind == Case::SSA;
    return pick({"%1: trova %2", "%1: find %2", "%1 : trouve %2"}).arg(given.join(", "), askedNames(t)) +
           (ambiguous ? pick({" (tutti i triangoli).", " (every triangle).", " (tous les triangles)."}) : QStringLiteral("."));
}

QString triangleAnswerHint(const TriangleTask& t)
{
    return pick({"Scrivi %1 separati da virgole: lati a 0,1, angoli a 1′ (44°26′ o 44.43). Due triangoli: separati da "
                 "un punto e virgola; «nessuno» se non ci sono triangoli.",
                 "Type %1 separated by commas: sides to 0.1, angles to 1′ (44°26′ or 44.43). Two triangles: separated "
                 "by a semicolon; \"none\" if there is no triangle.",
                 "Écris %1 séparés par des virgules : côtés à 0,1 près, angles à 1′ près (44°26′ ou 44.43). Deux "
                 "triangles : séparés par un point-virgule ; « aucun » s'il n'y a pas de triangle."})
        .arg(askedNames(t));
}

QString triangleAnswerText(const TriangleTask& t)
{
    const Solution s = solveTriangle(t.given);
    if (s.count == 0) return pick({"nessun triangolo", "no triangle", "aucun triangle"});
    QStringList triangles;
    for (int k = 0; k < s.count; ++k) {
        QStringList values;
        for (int part : t.asked)
            values << name(part) + " = " + valueText(part, s.triangles[k].parts[part]);
        triangles << values.join(", ");
    }
    return triangles.join("; ");
}

TriangleVerdict checkTriangleAnswer(const TriangleTask& t, const QString& typed)
{
    TriangleVerdict v;
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        v.lines << app::programText(app::ProgramText::PracticeEmptyAnswer);
        return v;
    }
    if (text.size() > MaxAnswerLength) {
        v.lines << app::programText(app::ProgramText::PracticeTooLong).arg(MaxAnswerLength);
        return v;
    }
    // The typed triangles, each a list of values in the order asked.
    std::vector<std::vector<double>> answer;
    static const QRegularExpression none(QStringLiteral("^(none|no triangle|nessuno|nessun triangolo|aucun|aucun "
                                                        "triangle|Ø|∅)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    if (!none.match(text).hasMatch()) {
        for (const QString& group : text.split(';', Qt::SkipEmptyParts)) {
            std::vector<double> values;
            for (QString piece : group.split(',')) {
                // "B = 44°26′" as the key writes it: the name is left aside.
                static const QRegularExpression named(QStringLiteral("^\\s*[abcABC]\\s*="));
                piece.remove(named);
                const triangles::Reading r = readPart(piece);
                if (!r.ok || !triangles::given(r.value)) {
                    v.lines << app::programText(app::ProgramText::PracticeUnreadable).arg(piece.trimmed());
                    return v;
                }
                values.push_back(r.value);
            }
            if (values.size() != t.asked.size()) {
                v.lines << pick({"Scrivi %1 numeri per ogni triangolo: %2.", "Give %1 numbers for each triangle: %2.",
                                 "Donne %1 nombres pour chaque triangle : %2."})
                               .arg(t.asked.size())
                               .arg(askedNames(t));
                return v;
            }
            answer.push_back(std::move(values));
        }
    }
    v.read = true;
    const Solution s = solveTriangle(t.given);
    if (int(answer.size()) != s.count) {
        v.lines << pick({"I dati danno %1 triangoli, la risposta %2.", "The data make %1 triangle(s), your answer %2.",
                         "Les données font %1 triangle(s), ta réponse %2."})
                       .arg(s.count)
                       .arg(answer.size());
        return v;
    }
    // The parts off in each typed triangle, matched with the found ones in the order that fits best.
    const auto offParts = [&](const std::vector<double>& values, const Triangle& found) {
        QStringList off;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (!withinTolerance(t.asked[i], values[i], found.parts[t.asked[i]])) off << name(t.asked[i]);
        return off;
    };
    std::vector<QStringList> best;
    for (bool swapped : {false, true}) {
        if (swapped && s.count < 2) break;
        std::vector<QStringList> offs;
        for (int k = 0; k < s.count; ++k)
            offs.push_back(offParts(answer[std::size_t(k)], s.triangles[swapped ? 1 - k : k]));
        const auto total = [](const std::vector<QStringList>& o) {
            qsizetype n = 0;
            for (const QStringList& l : o)
                n += l.size();
            return n;
        };
        if (best.empty() || total(offs) < total(best)) best = offs;
    }
    QStringList off;
    for (std::size_t k = 0; k < best.size(); ++k)
        for (const QString& part : best[k])
            off << (best.size() > 1 ? part + " (" + QString::number(k + 1) + ")" : part);
    v.right = off.isEmpty();
    v.lines << (v.right ? app::programText(app::ProgramText::PracticeRight)
                        : pick({"Fuori tolleranza: %1.", "Not within the tolerance: %1.", "Hors tolérance : %1."})
                              .arg(off.join(", ")));
    return v;
}

}  // namespace practice
