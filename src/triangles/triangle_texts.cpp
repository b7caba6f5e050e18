#include "triangles/triangle_texts.h"

#include <QRegularExpression>
#include <cmath>
#include <map>

#include "maths/evaluator.h"
#include "texts/text_tables.h"

namespace triangles {

namespace {

using Row = std::array<const char*, 3>;  // Italian, English, French

QString pick(const Row& row) { return QString::fromUtf8(row[textLanguage()]); }

// A template's tokens {nK}, {vK} and {dK}: the name, the number and the angle of value K.
QString fill(QString text, const std::vector<solvers::StepValue>& values)
{
    for (int k = int(values.size()) - 1; k >= 0; --k) {
        const QString n = QString::number(k);
        text.replace("{n" + n + "}", QString::fromUtf8(values[k].name.data(), qsizetype(values[k].name.size())));
        text.replace("{v" + n + "}", numberText(values[k].value));
        text.replace("{d" + n + "}", decimalDegreesText(values[k].value));
    }
    return text;
}

const std::map<std::string_view, Row>& stepTemplates()
{
    static const std::map<std::string_view, Row> table{
        {"triangle.ssa.compare",
         {"Due lati e un angolo non compreso: si confronta {n0} = {v0} con l'altezza {n2} sen {n1} = {v2} · sen {d1} = "
          "{v3} e con {n2} = {v2}.",
          "Two sides and an angle not between them: compare {n0} = {v0} with the height {n2} sin {n1} = {v2} · sin {d1} "
          "= {v3} and with {n2} = {v2}.",
          "Deux côtés et un angle non compris : on compare {n0} = {v0} à la hauteur {n2} sin {n1} = {v2} · sin {d1} = "
          "{v3} et à {n2} = {v2}."}},
        {"triangle.ssa.none_short",
         {"{n0} = {v0} è più corto dell'altezza {v1}: nessun triangolo.",
          "{n0} = {v0} is shorter than the height {v1}: no triangle.",
          "{n0} = {v0} est plus court que la hauteur {v1} : aucun triangle."}},
        {"triangle.ssa.none_obtuse",
         {"L'angolo opposto a {n0} non è acuto e {n0} = {v0} non è più lungo di {n2} = {v2}: nessun triangolo.",
          "The angle facing {n0} is not acute and {n0} = {v0} is not longer than {n2} = {v2}: no triangle.",
          "L'angle opposé à {n0} n'est pas aigu et {n0} = {v0} n'est pas plus long que {n2} = {v2} : aucun triangle."}},
        {"triangle.ssa.right",
         {"{n0} = {v0} è uguale all'altezza: un solo triangolo, rettangolo.",
          "{n0} = {v0} equals the height: one right triangle.",
          "{n0} = {v0} est égal à la hauteur : un seul triangle, rectangle."}},
        {"triangle.ssa.two",
         {"L'altezza {v1} < {n0} = {v0} < {n2} = {v2}: due triangoli (l'arco di raggio {n0} taglia due volte il terzo "
          "lato).",
          "The height {v1} < {n0} = {v0} < {n2} = {v2}: two triangles (the arc of radius {n0} meets the third side "
          "twice).",
          "La hauteur {v1} < {n0} = {v0} < {n2} = {v2} : deux triangles (l'arc de rayon {n0} coupe deux fois le "
          "troisième côté)."}},
        {"triangle.ssa.one",
         {"{n0} = {v0} non è più corto di {n2} = {v2}: un solo triangolo.",
          "{n0} = {v0} is at least {n2} = {v2}: one triangle.",
          "{n0} = {v0} n'est pas plus court que {n2} = {v2} : un seul triangle."}},
        {"triangle.first", {"Primo triangolo:", "First triangle:", "Premier triangle :"}},
        {"triangle.second", {"Secondo triangolo:", "Second triangle:", "Second triangle :"}},
        {"triangle.angle_sum",
         {"Somma degli angoli: {n2} = 180° − {n0} − {n1} = 180° − {d0} − {d1} = {d2}.",
          "Angle sum: {n2} = 180° − {n0} − {n1} = 180° − {d0} − {d1} = {d2}.",
          "Somme des angles : {n2} = 180° − {n0} − {n1} = 180° − {d0} − {d1} = {d2}."}},
        {"triangle.cosines_side",
         {"Teorema del coseno: {n3}² = {n0}² + {n1}² − 2{n0}{n1} cos {n2} = {v0}² + {v1}² − 2 · {v0} · {v1} · cos {d2}, "
          "{n3} = {v3}.",
          "Law of cosines: {n3}² = {n0}² + {n1}² − 2{n0}{n1} cos {n2} = {v0}² + {v1}² − 2 · {v0} · {v1} · cos {d2}, "
          "{n3} = {v3}.",
          "Loi des cosinus : {n3}² = {n0}² + {n1}² − 2{n0}{n1} cos {n2} = {v0}² + {v1}² − 2 · {v0} · {v1} · cos {d2}, "
          "{n3} = {v3}."}},
        {"triangle.cosines_angle",
         {"Teorema del coseno: cos {n3} = ({n0}² + {n1}² − {n2}²) / (2{n0}{n1}) = ({v0}² + {v1}² − {v2}²) / "
          "(2 · {v0} · {v1}), {n3} = {d3}.",
          "Law of cosines: cos {n3} = ({n0}² + {n1}² − {n2}²) / (2{n0}{n1}) = ({v0}² + {v1}² − {v2}²) / "
          "(2 · {v0} · {v1}), {n3} = {d3}.",
          "Loi des cosinus : cos {n3} = ({n0}² + {n1}² − {n2}²) / (2{n0}{n1}) = ({v0}² + {v1}² − {v2}²) / "
          "(2 · {v0} · {v1}), {n3} = {d3}."}},
        {"triangle.sines_side",
         {"Teorema dei seni: {n3} = {n0} sen {n2} / sen {n1} = {v0} · sen {d2} / sen {d1} = {v3}.",
          "Law of sines: {n3} = {n0} sin {n2} / sin {n1} = {v0} · sin {d2} / sin {d1} = {v3}.",
          "Loi des sinus : {n3} = {n0} sin {n2} / sin {n1} = {v0} · sin {d2} / sin {d1} = {v3}."}},
        {"triangle.sines_angle",
         {"Teorema dei seni: sen {n3} = {n0} sen {n1} / {n2} = {v0} · sen {d1} / {v2}, {n3} = {d3}.",
          "Law of sines: sin {n3} = {n0} sin {n1} / {n2} = {v0} · sin {d1} / {v2}, {n3} = {d3}.",
          "Loi des sinus : sin {n3} = {n0} sin {n1} / {n2} = {v0} · sin {d1} / {v2}, {n3} = {d3}."}},
        {"triangle.supplement",
         {"L'altro angolo con lo stesso seno: {n1} = 180° − {d0} = {d1}.",
          "The other angle with the same sine: {n1} = 180° − {d0} = {d1}.",
          "L'autre angle de même sinus : {n1} = 180° − {d0} = {d1}."}},
        {"triangle.area",
         {"Area: S = ½ {n0}{n1} sen {n2} = ½ · {v0} · {v1} · sen {d2} = {v3}.",
          "Area: S = ½ {n0}{n1} sin {n2} = ½ · {v0} · {v1} · sin {d2} = {v3}.",
          "Aire : S = ½ {n0}{n1} sin {n2} = ½ · {v0} · {v1} · sin {d2} = {v3}."}},
        {"triangle.perimeter",
         {"Perimetro: p = a + b + c = {v0} + {v1} + {v2} = {v3}.",
          "Perimeter: p = a + b + c = {v0} + {v1} + {v2} = {v3}.",
          "Périmètre : p = a + b + c = {v0} + {v1} + {v2} = {v3}."}},
        {"triangle.circumradius",
         {"Raggio della circonferenza circoscritta: R = abc / (4S) = {v0} · {v1} · {v2} / (4 · {v3}) = {v4}.",
          "Circumradius: R = abc / (4S) = {v0} · {v1} · {v2} / (4 · {v3}) = {v4}.",
          "Rayon du cercle circonscrit : R = abc / (4S) = {v0} · {v1} · {v2} / (4 · {v3}) = {v4}."}},
        {"triangle.inradius",
         {"Raggio della circonferenza inscritta: r = S / s = {v0} / {v1} = {v2}, con s = p / 2.",
          "Inradius: r = S / s = {v0} / {v1} = {v2}, with s = p / 2.",
          "Rayon du cercle inscrit : r = S / s = {v0} / {v1} = {v2}, avec s = p / 2."}},
    };
    return table;
}

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

QString numberText(double value)
{
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");
    if (std::fabs(value) < 1e6 && std::fabs(value) >= 1e-4) {
        const int decimals = std::max(0, 5 - int(std::floor(std::log10(std::fabs(value)))));
        QString text = QString::number(value, 'f', decimals);
        if (text.contains('.')) {
            while (text.endsWith('0'))
                text.chop(1);
            if (text.endsWith('.')) text.chop(1);
        }
        return text == "-0" ? QStringLiteral("0") : text;
    }
    return QString::number(value, 'g', 6);
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
        const auto row = stepTemplates().find(step.key);
        lines << (row == stepTemplates().end() ? QString() : fill(pick(row->second), step.values));
        for (const QString& line : stepLines(step.substeps))
            lines << "  " + line;
    }
    return lines;
}

}  // namespace triangles
