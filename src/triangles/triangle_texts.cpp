#include "triangles/triangle_texts.h"

#include <QRegularExpression>
#include <cmath>

#include "maths/evaluator.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"

namespace triangles {

namespace {

using Row = std::array<const char*, 3>;  // Italian, English, French

QString pick(const Row& row) { return QString::fromUtf8(row[textLanguage()]); }

const Row& caseRow(Case kind)
{
    static const Row rows[] = {
        {"", "", ""},
        {"tre lati (LLL)", "three sides (SSS)", "trois côtés (CCC)"},
        {"due lati e l'angolo compreso (LAL)", "two sides and the angle between them (SAS)",
         "deux côtés et l'angle compris (CAC)"},
        {"un lato e i due angoli adiacenti (ALA)", "a side and the two angles on it (ASA)",
         "un côté et ses deux angles adjacents (ACA)"},
        {"due angoli e un lato non compreso (AAL)", "two angles and a side not between them (AAS)",
         "deux angles et un côté non compris (AAC)"},
        {"due lati e un angolo non compreso (LLA)", "two sides and an angle not between them (SSA)",
         "deux côtés et un angle non compris (CCA)"},
    };
    return rows[int(kind)];
}

QString partValue(int part, double value)
{
    return QString::fromUtf8(PartNames[part].data(), 1) + " = " +
           (isAngle(part) ? decimalDegreesText(value) : numberText(value));
}

}  // namespace

int textLanguage()
{
    return app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1;
}

QString caseText(Case kind) { return pick(caseRow(kind)); }

QString partNoun(int part)
{
    const QString name = QString::fromUtf8(PartNames[part].data(), 1);
    return (isSide(part) ? pick({"lato ", "side ", "côté "}) : pick({"angolo ", "angle ", "angle "})) + name;
}

QString problemSentence(const Solution& solution)
{
    const Finding& f = solution.problem;
    const Parts& g = solution.given;
    const auto name = [](int part) { return QString::fromUtf8(PartNames[part].data(), 1); };
    switch (f.kind) {
    case Problem::None: return {};
    case Problem::TooFewParts:
        return pick({"Servono tre parti, almeno una un lato: ne sono date %1.",
                     "Three parts are needed, at least one of them a side: %1 given.",
                     "Il faut trois éléments, dont au moins un côté : %1 donné(s)."})
            .arg(f.count);
    case Problem::NotFinite:
        return (isSide(f.part) ? pick({"Il lato %1 non è un numero finito.", "The side %1 is not a finite number.",
                                       "Le côté %1 n'est pas un nombre fini."})
                               : pick({"L'angolo %1 non è un numero finito.", "The angle %1 is not a finite number.",
                                       "L'angle %1 n'est pas un nombre fini."}))
            .arg(name(f.part));
    case Problem::NotPositive:
        return (isSide(f.part)
                    ? pick({"Il lato %1 non è positivo: lati e angoli devono essere maggiori di 0.",
                            "The side %1 is not positive: every side and angle must be greater than 0.",
                            "Le côté %1 n'est pas positif : côtés et angles doivent être plus grands que 0."})
                    : pick({"L'angolo %1 non è positivo: lati e angoli devono essere maggiori di 0.",
                            "The angle %1 is not positive: every side and angle must be greater than 0.",
                            "L'angle %1 n'est pas positif : côtés et angles doivent être plus grands que 0."}))
            .arg(partValue(f.part, f.value));
    case Problem::AnglesTooLarge:
        if (f.other < 0)
            return pick({"L'angolo %1 non è minore di 180°.", "The angle %1 is not less than 180°.",
                         "L'angle %1 n'est pas inférieur à 180°."})
                .arg(partValue(f.part, f.value));
        return pick({"Gli angoli %1 e %2 sommano %3, ma due angoli di un triangolo sommano meno di 180°.",
                     "The angles %1 and %2 add up to %3, but two angles of a triangle add up to less than 180°.",
                     "Les angles %1 et %2 font %3 ensemble, mais deux angles d'un triangle font moins de 180°."})
            .arg(partValue(f.part, g[f.part]), partValue(f.other, g[f.other]), decimalDegreesText(f.value));
    case Problem::AnglesOnly:
        return pick({"Tre angoli danno la forma ma non la grandezza: serve anche un lato.",
                     "Three angles give the shape but not the size: give a side as well.",
                     "Trois angles donnent la forme mais pas la taille : donne aussi un côté."});
    case Problem::TriangleInequality:
        if (f.excess > 0)
            return pick({"Il lato %1 non è più corto di %2 + %3 = %4: lo supera di %5, e i lati non si chiudono.",
                         "The side %1 is not shorter than %2 + %3 = %4: it is longer by %5, so the sides do not close.",
                         "Le côté %1 n'est pas plus court que %2 + %3 = %4 : il le dépasse de %5, et les côtés ne se "
                         "referment pas."})
                .arg(partValue(f.part, f.value), name(f.other), name(f.third), numberText(f.bound), numberText(f.excess));
        return pick({"Il lato %1 è lungo quanto %2 + %3 = %4: il triangolo sarebbe piatto.",
                     "The side %1 is as long as %2 + %3 = %4: the triangle would be flat.",
                     "Le côté %1 est aussi long que %2 + %3 = %4 : le triangle serait plat."})
            .arg(partValue(f.part, f.value), name(f.other), name(f.third), numberText(f.bound));
    case Problem::ShorterThanHeight:
        return pick({"Il lato %1 è più corto dell'altezza %2 sen %3 = %4: non arriva al terzo lato, nessun triangolo.",
                     "The side %1 is shorter than the height %2 sin %3 = %4: it cannot reach the third side, so "
                     "there is no triangle.",
                     "Le côté %1 est plus court que la hauteur %2 sin %3 = %4 : il n'atteint pas le troisième côté, "
                     "aucun triangle."})
            .arg(partValue(f.part, f.value), name(f.third), name(f.other), numberText(f.bound));
    case Problem::NotLongestOpposite:
        return pick({"L'angolo %1 non è acuto, quindi il lato opposto deve essere il più lungo; ma %2 non è più lungo "
                     "di %3: nessun triangolo.",
                     "The angle %1 is not acute, so the side facing it must be the longest; but %2 is not longer "
                     "than %3: no triangle.",
                     "L'angle %1 n'est pas aigu, donc le côté opposé doit être le plus long ; mais %2 n'est pas plus "
                     "long que %3 : aucun triangle."})
            .arg(partValue(f.other, g[f.other]), partValue(f.part, f.value),
                 partValue(f.third, f.bound));
    case Problem::Disagree:
        return pick({"Le parti oltre la terza non concordano: è dato %1, ma le altre danno %2.",
                     "The parts beyond three disagree: %1 is given, but the others make it %2.",
                     "Les éléments au-delà de trois ne concordent pas : %1 est donné, mais les autres donnent %2."})
            .arg(partValue(f.part, f.value),
                 isAngle(f.part) ? decimalDegreesText(f.bound) : numberText(f.bound));
    }
    return {};
}

QString labelText(Label label)
{
    static const Row rows[] = {
        {"Triangolo %1", "Triangle %1", "Triangle %1"},
        {"Area", "Area", "Aire"},
        {"Perimetro", "Perimeter", "Périmètre"},
        {"Raggio circoscritto", "Circumradius", "Rayon circonscrit"},
        {"Raggio inscritto", "Inradius", "Rayon inscrit"},
        {"Caso", "Case", "Cas"},
        {"Passaggi", "Steps", "Étapes"},
        {"Dati", "Given", "Données"},
    };
    return pick(rows[int(label)]);
}

QString givenLine(const Parts& given)
{
    QStringList parts;
    for (int i = 0; i < PartCount; ++i)
        if (triangles::given(given[i])) parts << partValue(i, given[i]);
    return labelText(Label::Given) + ": " + parts.join(", ");
}

QString pictureWords(const Solution& s)
{
    const auto partsOf = [](const Triangle& t) {
        QStringList list;
        for (int i = 0; i < PartCount; ++i)
            list << partValue(i, t.parts[i]);
        return list.join(", ");
    };
    if (s.count == 0) return problemSentence(s);
    if (s.count == 1)
        return pick({"Un triangolo disegnato in scala: %1.", "One triangle drawn to scale: %1.",
                     "Un triangle dessiné à l'échelle : %1."})
            .arg(partsOf(s.triangles[0]));
    const auto name = [](int part) { return QString::fromUtf8(PartNames[part].data(), 1); };
    const int x = s.used[0], z = 3 - s.used[0] - s.used[2];
    return pick({"Due triangoli in scala, il primo giallo a tratto pieno, il secondo azzurro tratteggiato; l'arco di "
                 "raggio %1 attorno al vertice %2 taglia due volte la retta del lato %3. Primo: %4. Secondo: %5.",
                 "Two triangles drawn to scale, the first yellow and solid, the second aqua and dashed; the arc of "
                 "radius %1 around the vertex %2 meets the line of the side %3 twice. First: %4. Second: %5.",
                 "Deux triangles à l'échelle, le premier jaune en trait plein, le second bleu clair en tirets ; l'arc "
                 "de rayon %1 autour du sommet %2 coupe deux fois la droite du côté %3. Premier : %4. Second : %5."})
        .arg(name(x), name(opposite(z)), name(z), partsOf(s.triangles[0]), partsOf(s.triangles[1]));
}

QStringList resultLines(const Solution& s)
{
    QStringList lines;
    if (s.kind != Case::None) lines << labelText(Label::Case) + ": " + caseText(s.kind);
    for (int k = 0; k < s.count; ++k) {
        const Triangle& t = s.triangles[k];
        QStringList sides, angles;
        for (int i = 0; i < 3; ++i) {
            sides << QString::fromUtf8(PartNames[i].data(), 1) + " = " + numberText(t.parts[i]);
            angles << QString::fromUtf8(PartNames[i + 3].data(), 1) + " = " + angleText(t.parts[i + 3]);
        }
        const QString head = s.count == 2 ? labelText(Label::Triangle).arg(k + 1) + ": " : QString();
        lines << head + sides.join(", ");
        lines << (s.count == 2 ? QString(head.size(), ' ') : QString()) + angles.join(", ");
        lines << (s.count == 2 ? QString(head.size(), ' ') : QString()) +
                     QStringList{labelText(Label::Area) + " " + numberText(t.area),
                                 labelText(Label::Perimeter) + " " + numberText(t.perimeter),
                                 labelText(Label::Circumradius) + " " + numberText(t.circumradius),
                                 labelText(Label::Inradius) + " " + numberText(t.inradius)}
                         .join(", ");
    }
    if (s.count == 0) lines << problemSentence(s);
    return lines;
}

QStringList stepLines(const solvers::WorkedSolution& steps)
{
    QStringList lines;
    for (const solvers::Step& step : steps) {
        lines << solvers::stepText(step, false);
        for (const QString& line : stepLines(step.substeps))
            lines << "  " + line;
    }
    return lines;
}

}  // namespace triangles
