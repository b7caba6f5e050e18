// The steps of the quadratic equations and inequalities, in Italian, English and French.
#include <cmath>

#include "maths/quadratic.h"
#include "texts/angle_notation.h"
#include "texts/steps_texts.h"

namespace solvers {

namespace {

QString polynomialText(const Step& s)
{
    QString text;
    const struct {
        const char* name;
        const char* what;
    } terms[] = {{"a", "t²"}, {"b", "t"}, {"c", ""}};
    for (const auto& term : terms) {
        const long double k = s.value(term.name);
        if (k != 0 || (text.isEmpty() && term.name[0] == 'c'))
            text += stepTermText(k, QString::fromUtf8(term.what), text.isEmpty());
    }
    return text;
}

QString signText(const Step& s)
{
    const QString a = stepValueText(s.value("a"));
    if (!s.has("lo"))
        return s.value("a") > 0
                   ? stepWords("D < 0 e a > 0: il primo membro è positivo per ogni t.",
                               "D < 0 and a > 0: the left side is positive for every t.",
                               "D < 0 et a > 0 : le premier membre est positif pour tout t.")
                   : stepWords("D < 0 e a < 0: il primo membro è negativo per ogni t.",
                               "D < 0 and a < 0: the left side is negative for every t.",
                               "D < 0 et a < 0 : le premier membre est négatif pour tout t.");
    const long double lo = s.value("lo"), hi = s.value("hi");
    const QString l = stepValueText(lo), h = stepValueText(hi);
    if (std::isinf(lo) || std::isinf(hi)) {
        const QString t = stepValueText(std::isinf(lo) ? hi : lo);
        return std::isinf(lo) ? stepWords("b = %1 > 0: b t + c ≥ 0 per t ≥ %2, < 0 per t < %2.",
                                          "b = %1 > 0: b t + c ≥ 0 for t ≥ %2, < 0 for t < %2.",
                                          "b = %1 > 0 : b t + c ≥ 0 pour t ≥ %2, < 0 pour t < %2.")
                                    .arg(a, t)
                              : stepWords("b = %1 < 0: b t + c ≥ 0 per t ≤ %2, < 0 per t > %2.",
                                          "b = %1 < 0: b t + c ≥ 0 for t ≤ %2, < 0 for t > %2.",
                                          "b = %1 < 0 : b t + c ≥ 0 pour t ≤ %2, < 0 pour t > %2.")
                                    .arg(a, t);
    }
    if (lo == hi)
        return s.value("outside") == 1
                   ? stepWords("a > 0: il primo membro è ≥ 0 per ogni t (è 0 per t = %1).",
                               "a > 0: the left side is ≥ 0 for every t (0 at t = %1).",
                               "a > 0 : le premier membre est ≥ 0 pour tout t (0 en t = %1).")
                         .arg(l)
                   : stepWords("a < 0: il primo membro è ≥ 0 solo per t = %1, < 0 per ogni altro t.",
                               "a < 0: the left side is ≥ 0 only at t = %1, < 0 for every other t.",
                               "a < 0 : le premier membre est ≥ 0 seulement en t = %1, < 0 pour tout autre t.")
                         .arg(l);
    return s.value("outside") == 1
               ? stepWords("a > 0, la parabola è rivolta verso l'alto: il primo membro è ≥ 0 per t ≤ %1 o t ≥ %2, e < 0 per "
                           "%1 < t < %2.",
                           "a > 0, the parabola opens upwards: the left side is ≥ 0 for t ≤ %1 or t ≥ %2, and < 0 for "
                           "%1 < t < %2.",
                           "a > 0, la parabole est tournée vers le haut : le premier membre est ≥ 0 pour t ≤ %1 ou t ≥ %2, "
                           "et < 0 pour %1 < t < %2.")
                     .arg(l, h)
               : stepWords("a < 0, la parabola è rivolta verso il basso: il primo membro è ≥ 0 per %1 ≤ t ≤ %2, e < 0 per "
                           "t < %1 o t > %2.",
                           "a < 0, the parabola opens downwards: the left side is ≥ 0 for %1 ≤ t ≤ %2, and < 0 for "
                           "t < %1 or t > %2.",
                           "a < 0, la parabole est tournée vers le bas : le premier membre est ≥ 0 pour %1 ≤ t ≤ %2, et "
                           "< 0 pour t < %1 ou t > %2.")
                     .arg(l, h);
}

QString cutText(const Step& s)
{
    const long double lo = s.value("lo"), hi = s.value("hi");
    const QString l = stepValueText(lo), h = stepValueText(hi);
    const RootLayout layout = RootLayout(int(s.value("layout")));
    // The first-degree case has one bound; the other end is infinite and is not named.
    if (layout != RootLayout::None && (std::isinf(lo) || std::isinf(hi)))
        return stepWords("Si taglia a -1 ≤ t ≤ 1: vi cade il solo limite t = %1, che delimita gli archi.",
                         "Cut to -1 ≤ t ≤ 1: the one bound t = %1 lies in it and bounds the arcs.",
                         "On coupe à -1 ≤ t ≤ 1 : la seule borne t = %1 y est et borne les arcs.")
            .arg(std::isinf(lo) ? h : l);
    switch (layout) {
    case RootLayout::Inside:
        return stepWords("Si taglia a -1 ≤ t ≤ 1: entrambi i limiti %1 e %2 vi cadono, e ogni insieme di t dà due archi.",
                         "Cut to -1 ≤ t ≤ 1: both bounds %1 and %2 lie in it, and each set of t gives two arcs.",
                         "On coupe à -1 ≤ t ≤ 1 : les deux bornes %1 et %2 y sont, et chaque ensemble de t donne deux arcs.")
            .arg(l, h);
    case RootLayout::LowBeyond:
        return stepWords("Si taglia a -1 ≤ t ≤ 1: %1 non è sopra -1, così solo t = %2 delimita gli archi.",
                         "Cut to -1 ≤ t ≤ 1: %1 is not above -1, so only t = %2 bounds the arcs.",
                         "On coupe à -1 ≤ t ≤ 1 : %1 n'est pas au-dessus de -1, donc seul t = %2 borne les arcs.")
            .arg(l, h);
    case RootLayout::HighBeyond:
        return stepWords("Si taglia a -1 ≤ t ≤ 1: %2 non è sotto 1, così solo t = %1 delimita gli archi.",
                         "Cut to -1 ≤ t ≤ 1: %2 is not below 1, so only t = %1 bounds the arcs.",
                         "On coupe à -1 ≤ t ≤ 1 : %2 n'est pas au-dessous de 1, donc seul t = %1 borne les arcs.")
            .arg(l, h);
    case RootLayout::None: break;
    }
    return stepWords("Si taglia a -1 ≤ t ≤ 1: nessun limite cade dentro (-1, 1), e il segno è lo stesso per ogni x.",
                     "Cut to -1 ≤ t ≤ 1: no bound lies inside (-1, 1), so the sign is the same for every x.",
                     "On coupe à -1 ≤ t ≤ 1 : aucune borne n'est dans ]-1, 1[, donc le signe est le même pour tout x.");
}

}  // namespace

QString quadraticStepText(const Step& s, bool inequality)
{
    const int function = int(s.value("function"));
    const QString f = functionName(function);
    const std::string_view key = s.key;
    if (key == "quadratic.substitution") {
        const QString range = function == Tangent ? stepWords("t un numero reale qualsiasi", "t any real number", "t un réel quelconque")
                                                  : QStringLiteral("-1 ≤ t ≤ 1");
        const QString relation = inequality ? stepWords("%1 ≥ 0 e %1 < 0", "%1 ≥ 0 and %1 < 0", "%1 ≥ 0 et %1 < 0")
                                            : QStringLiteral("%1 = 0");
        return stepWords("Poni t = %1: si ha %2, con %3.", "Put t = %1: this gives %2, with %3.", "Pose t = %1 : on obtient %2, avec %3.")
            .arg(f, relation.arg(polynomialText(s)), range);
    }
    if (key == "quadratic.constant")
        return stepWords("a = b = 0: il primo membro è la costante c = %1.", "a = b = 0: the left side is the constant c = %1.",
                         "a = b = 0 : le premier membre est la constante c = %1.")
            .arg(stepValueText(s.value("c")));
    if (key == "quadratic.linear")
        return stepWords("a = 0: è di primo grado, b t + c = 0, quindi t = -c/b = %1.",
                         "a = 0: it is of the first degree, b t + c = 0, so t = -c/b = %1.",
                         "a = 0 : elle est du premier degré, b t + c = 0, donc t = -c/b = %1.")
            .arg(stepValueText(s.value("t")));
    if (key == "quadratic.discriminant") {
        const long double D = s.value("D");
        const QString what = D < 0 ? stepWords("D < 0: nessun t reale.", "D < 0: no real t.", "D < 0 : aucun t réel.")
                             : D == 0 ? stepWords("D = 0: una radice doppia.", "D = 0: one double root.", "D = 0 : une racine double.")
                                      : stepWords("D > 0: due radici.", "D > 0: two roots.", "D > 0 : deux racines.");
        return stepWords("Il discriminante: D = b² - 4ac = %1. %2", "The discriminant: D = b² - 4ac = %1. %2",
                         "Le discriminant : D = b² - 4ac = %1. %2")
            .arg(stepValueText(D), what);
    }
    if (key == "quadratic.roots")
        return stepWords("Le radici: t₁ = %1, t₂ = %2.", "The roots: t₁ = %1, t₂ = %2.", "Les racines : t₁ = %1, t₂ = %2.")
            .arg(stepValueText(s.value("t1")), stepValueText(s.value("t2")));
    if (key == "quadratic.double_root")
        return stepWords("La radice doppia: t = -b/2a = %1.", "The double root: t = -b/2a = %1.", "La racine double : t = -b/2a = %1.")
            .arg(stepValueText(s.value("t")));
    if (key == "quadratic.keep")
        return stepWords("t = %1 è un valore di %2: risolvi %2 = %1.", "t = %1 is a value of %2: solve %2 = %1.",
                         "t = %1 est une valeur de %2 : résous %2 = %1.")
            .arg(stepValueText(s.value("t")), f);
    if (key == "quadratic.discard")
        return stepWords("t = %1 è fuori da [-1, 1]: %2 non lo assume mai, e non dà alcuna x.",
                         "t = %1 is beyond [-1, 1]: %2 never takes it, so it gives no x.",
                         "t = %1 est hors de [-1, 1] : %2 ne le prend jamais, il ne donne aucun x.")
            .arg(stepValueText(s.value("t")), f);
    if (key == "quadratic.union" && s.set)
        return stepWords("Le soluzioni, unendo quelle di ogni t: %1.", "The solutions, joining those of each t: %1.",
                         "Les solutions, en réunissant celles de chaque t : %1.")
            .arg(stepSetText(*s.set));
    if (key == "quadratic.sign")
        return signText(s);
    if (key == "quadratic.cut")
        return cutText(s);
    if (key == "quadratic.no_cut")
        return stepWords("tan x assume ogni valore reale: nessun t è escluso.", "tan x takes every real value: no t is left out.",
                         "tan x prend toutes les valeurs réelles : aucun t n'est exclu.");
    if (key == "quadratic.ends")
        return stepWords("Gli estremi degli archi: le x dove %1 vale ciascun limite.",
                         "The ends of the arcs: the x where %1 equals each bound.",
                         "Les bornes des arcs : les x où %1 vaut chaque borne.")
            .arg(f);
    if (key == "quadratic.greater" && s.set)
        return stepWords("Dove il primo membro è ≥ 0: %1.", "Where the left side is ≥ 0: %1.", "Là où le premier membre est ≥ 0 : %1.")
            .arg(stepSetText(*s.set));
    if (key == "quadratic.less" && s.set)
        return stepWords("Dove è < 0: %1.", "Where it is < 0: %1.", "Là où il est < 0 : %1.").arg(stepSetText(*s.set));
    return QString();
}

}  // namespace solvers
