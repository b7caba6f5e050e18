// The steps of the elementary equations and inequalities, in Italian, English and French.
#include <cmath>

#include "maths/elementary.h"
#include "texts/angle_notation.h"
#include "texts/steps_texts.h"

namespace solvers {

namespace {

QString rangeText(int function)
{
    if (function == Tangent)
        return stepWords("tan x assume ogni valore reale.", "tan x takes every real value.",
                         "tan x prend toutes les valeurs réelles.");
    return stepWords("%1 assume i valori da -1 a 1.", "%1 takes the values from -1 to 1.",
                     "%1 prend les valeurs de -1 à 1.")
        .arg(functionName(function));
}

QString endsText(const Step& s)
{
    QString xs = QStringLiteral("x = %1°").arg(s.value("x1"));
    if (s.has("x2"))
        xs += stepWords(" e x = %1°", " and x = %1°", " et x = %1°").arg(s.value("x2"));
    return xs;
}

QString arcText(int function, const QString& v, const QString& from, const QString& to)
{
    if (function == Tangent)
        return stepWords("tan x ≥ %1 da %2 fino a 90°: %2 è incluso (≥ ammette l'uguaglianza), 90° no (lì tan x non ha "
                         "valore). tan x < %1 da -90° a %2, estremi esclusi.",
                         "tan x ≥ %1 from %2 up to 90°: %2 is in (≥ allows equality), 90° is out (tan x has no "
                         "value there). tan x < %1 from -90° to %2, both ends out.",
                         "tan x ≥ %1 de %2 jusqu'à 90° : %2 est inclus (≥ admet l'égalité), 90° non (tan x n'y a "
                         "pas de valeur). tan x < %1 de -90° à %2, bornes exclues.")
            .arg(v, from);
    const QString where = function == Sine
                              ? stepWords("sopra la retta y = %1 o su di essa", "at or above the line y = %1",
                                          "sur la droite y = %1 ou au-dessus")
                              : stepWords("a destra della retta x = %1 o su di essa", "at or right of the line x = %1",
                                          "sur la droite x = %1 ou à sa droite");
    return stepWords("Sulla circonferenza, %1 ≥ %2 sull'arco da %3 a %4, %5; i suoi estremi sono inclusi, perché ≥ "
                     "ammette l'uguaglianza. %1 < %2 sul resto della circonferenza, estremi esclusi, perché < è stretta.",
                     "On the unit circle, %1 ≥ %2 on the arc from %3 to %4, %5; its ends are in, since ≥ allows "
                     "equality. %1 < %2 on the rest of the circle, ends out, since < is strict.",
                     "Sur le cercle, %1 ≥ %2 sur l'arc de %3 à %4, %5 ; ses bornes sont incluses, car ≥ admet "
                     "l'égalité. %1 < %2 sur le reste du cercle, bornes exclues, car < est stricte.")
        .arg(functionName(function), v, from, to, where.arg(v));
}

}  // namespace

QString elementaryStepText(const Step& s)
{
    const int function = int(s.value("function"));
    const QString f = functionName(function);
    const QString v = stepValueText(s.value("v"));
    const std::string_view key = s.key;
    if (key == "elementary.equation")
        return stepWords("Risolvi %1 = %2. %3", "Solve %1 = %2. %3", "Résous %1 = %2. %3").arg(f, v, rangeText(function));
    if (key == "elementary.inequality")
        return stepWords("Risolvi %1 ≥ %2 e %1 < %2. %3", "Solve %1 ≥ %2 and %1 < %2. %3", "Résous %1 ≥ %2 et %1 < %2. %3")
            .arg(f, v, rangeText(function));
    if (key == "elementary.out_of_range")
        return stepWords("%1 è fuori da [-1, 1]: %2 non assume mai questo valore, quindi nessuna x risolve l'equazione.",
                         "%1 is beyond [-1, 1]: %2 never takes it, so no x solves the equation.",
                         "%1 est hors de [-1, 1] : %2 ne prend jamais cette valeur, donc aucun x ne résout l'équation.")
            .arg(v, f);
    if (key == "elementary.no_value")
        return stepWords("tan %1 non ha valore (cos %1 = 0): l'equazione chiede l'angolo del raggio verticale, %1.",
                         "tan %1 has no value (cos %1 = 0): the equation asks for the angle of the vertical ray, %1.",
                         "tan %1 n'a pas de valeur (cos %1 = 0) : l'équation demande l'angle du rayon vertical, %1.")
            .arg(stepAngleText(s.value("alpha")));
    if (key == "elementary.reference")
        return stepWords("L'angolo di riferimento: α = %1(%2) = %3.", "The reference angle: α = %1(%2) = %3.",
                         "L'angle de référence : α = %1(%2) = %3.")
            .arg(inverseName(function), v, stepAngleText(s.value("alpha")));
    if (key == "elementary.symmetric") {
        const QString beta = stepAngleText(s.value("beta"));
        if (function == Sine)
            return stepWords("Per la simmetria del seno rispetto all'asse y, sin(180° - α) = sin α: la seconda soluzione è "
                             "180° - α = %1.",
                             "By the symmetry of the sine about the y axis, sin(180° - α) = sin α: the second solution is "
                             "180° - α = %1.",
                             "Par la symétrie du sinus par rapport à l'axe y, sin(180° - α) = sin α : la deuxième solution "
                             "est 180° - α = %1.")
                .arg(beta);
        return stepWords("Per la simmetria del coseno rispetto all'asse x, cos(-α) = cos α: la seconda soluzione è -α = %1.",
                         "By the symmetry of the cosine about the x axis, cos(-α) = cos α: the second solution is -α = %1.",
                         "Par la symétrie du cosinus par rapport à l'axe x, cos(-α) = cos α : la deuxième solution est "
                         "-α = %1.")
            .arg(beta);
    }
    if (key == "elementary.one_point")
        return stepWords("L'angolo simmetrico (%1) coincide con α: una sola soluzione per giro.",
                         "The symmetric angle (%1) falls on α itself: one solution per turn.",
                         "L'angle symétrique (%1) tombe sur α lui-même : une seule solution par tour.")
            .arg(function == Sine ? QStringLiteral("180° - α") : QStringLiteral("-α"));
    if (key == "elementary.tangent_period" && s.value("period") == 360)
        return stepWords("tan x si ripete ogni 180°: in un giro la seconda soluzione è α + 180°.",
                         "tan x repeats every 180°: over one turn the second solution is α + 180°.",
                         "tan x se répète tous les 180° : sur un tour la deuxième solution est α + 180°.");
    if (key == "elementary.tangent_period")
        return stepWords("tan x si ripete ogni 180° e assume ogni valore una volta per periodo: nessuna seconda soluzione.",
                         "tan x repeats every 180° and takes each value once in a period: no second solution.",
                         "tan x se répète tous les 180° et prend chaque valeur une fois par période : pas de deuxième "
                         "solution.");
    if (key == "elementary.families") {
        if (s.set && s.set->kind == SolutionSet::Kind::Points)
            return stepWords("Le soluzioni: %1, k intero.", "The solutions: %1, k an integer.", "Les solutions : %1, k entier.")
                .arg(stepSetText(*s.set));
        return stepWords("Nessuna soluzione.", "No solution.", "Aucune solution.");
    }
    if (key == "elementary.ends") {
        if (function == Tangent)
            return stepWords("Gli estremi: tan x = %1 per %2, e tan x non ha valore a 90°.",
                             "The ends: tan x = %1 at %2, and tan x has no value at 90°.",
                             "Les bornes : tan x = %1 pour %2, et tan x n'a pas de valeur à 90°.")
                .arg(v, endsText(s));
        return stepWords("Gli estremi: %1 = %2 per %3.", "The ends: %1 = %2 at %3.", "Les bornes : %1 = %2 pour %3.")
            .arg(f, v, endsText(s));
    }
    if (key == "elementary.arc")
        return arcText(function, v, QStringLiteral("%1°").arg(s.value("from")), QStringLiteral("%1°").arg(s.value("to")));
    if (key == "elementary.arc_all")
        return stepWords("%1 è il valore minimo di %2: %2 ≥ %1 per ogni x, %2 < %1 per nessuna.",
                         "%1 is the least value of %2: %2 ≥ %1 for every x, and %2 < %1 for none.",
                         "%1 est la plus petite valeur de %2 : %2 ≥ %1 pour tout x, et %2 < %1 pour aucun.")
            .arg(v, f);
    if (key == "elementary.arc_top")
        return stepWords("%1 è il valore massimo di %2, raggiunto solo per x = %3°: %2 ≥ %1 vale solo lì, %2 < %1 altrove.",
                         "%1 is the greatest value of %2, reached only at x = %3°: %2 ≥ %1 holds there alone, %2 < %1 "
                         "everywhere else.",
                         "%1 est la plus grande valeur de %2, atteinte seulement en x = %3° : %2 ≥ %1 n'est vraie "
                         "qu'en ce point, %2 < %1 partout ailleurs.")
            .arg(v, f)
            .arg(s.value("x1"));
    if (key == "elementary.greater" && s.set)
        return stepWords("Dove vale ≥: %1.", "Where ≥ holds: %1.", "Là où ≥ est vraie : %1.").arg(stepSetText(*s.set));
    if (key == "elementary.less" && s.set)
        return stepWords("Dove vale < (il resto): %1.", "Where < holds (the rest): %1.", "Là où < est vraie (le reste) : %1.")
            .arg(stepSetText(*s.set));
    return QString();
}

}  // namespace solvers
