// The steps of the linear equations and inequalities, in Italian, English and French.
#include <cmath>

#include "texts/steps_texts.h"

namespace solvers {

namespace {

QString sumText(const Step& s)
{
    QString text;
    const struct {
        const char* name;
        const char* what;
    } terms[] = {{"a", "sin x"}, {"b", "cos x"}, {"c", ""}};
    for (const auto& term : terms) {
        const long double k = s.value(term.name);
        if (k != 0 || (text.isEmpty() && term.name[0] == 'c'))
            text += stepTermText(k, QString::fromUtf8(term.what), text.isEmpty());
    }
    return text;
}

QString v(const Step& s, const char* name)
{
    return stepValueText(s.value(name));
}

}  // namespace

QString linearStepText(const Step& s, bool inequality)
{
    const std::string_view key = s.key;
    if (key == "linear.equation")
        return stepWords("Risolvi %1 = 0.", "Solve %1 = 0.", "Résous %1 = 0.").arg(sumText(s));
    if (key == "linear.inequality")
        return stepWords("Risolvi %1 ≥ 0 e %1 < 0.", "Solve %1 ≥ 0 and %1 < 0.", "Résous %1 ≥ 0 et %1 < 0.").arg(sumText(s));
    if (key == "linear.constant")
        return stepWords("a = b = 0: il primo membro è la costante c = %1.", "a = b = 0: the left side is the constant c = %1.",
                         "a = b = 0 : le premier membre est la constante c = %1.")
            .arg(v(s, "c"));
    if (key == "linear.cosine_only")
        return stepWords("a = 0: resta b cos x + c = 0, cioè cos x = -c/b = %1.", "a = 0: what is left is b cos x + c = 0, that is cos x = -c/b = %1.",
                         "a = 0 : il reste b cos x + c = 0, soit cos x = -c/b = %1.")
            .arg(v(s, "v"));
    if (key == "linear.sine_only")
        return stepWords("b = 0: resta a sin x + c = 0, cioè sin x = -c/a = %1.", "b = 0: what is left is a sin x + c = 0, that is sin x = -c/a = %1.",
                         "b = 0 : il reste a sin x + c = 0, soit sin x = -c/a = %1.")
            .arg(v(s, "v"));
    if (key == "linear.tangent_form")
        return stepWords("c = 0: a sin x = -b cos x. Dove cos x = 0 si ha sin x = ±1 e l'equazione non vale, quindi si divide "
                         "per a cos x: tan x = -b/a = %1; in un giro tan x ripete ogni valore dopo 180°.",
                         "c = 0: a sin x = -b cos x. Where cos x = 0, sin x = ±1 and the equation fails, so divide by "
                         "a cos x: tan x = -b/a = %1; in one turn tan x takes each value again 180° later.",
                         "c = 0 : a sin x = -b cos x. Là où cos x = 0, sin x = ±1 et l'équation est fausse, donc on divise "
                         "par a cos x : tan x = -b/a = %1 ; sur un tour, tan x reprend chaque valeur 180° plus loin.")
            .arg(v(s, "v"));
    if (key == "linear.auxiliary")
        return stepWords("L'angolo aggiunto: R = √(a² + b²) = %1 e φ con cos φ = a/R, sin φ = b/R, φ = %2; "
                         "allora a sin x + b cos x = R sin(x + φ).",
                         "The auxiliary angle: R = √(a² + b²) = %1 and φ with cos φ = a/R, sin φ = b/R, φ = %2; "
                         "then a sin x + b cos x = R sin(x + φ).",
                         "L'angle auxiliaire : R = √(a² + b²) = %1 et φ avec cos φ = a/R, sin φ = b/R, φ = %2 ; "
                         "alors a sin x + b cos x = R sin(x + φ).")
            .arg(v(s, "R"), stepAngleText(s.value("phi")));
    if (key == "linear.reduced")
        return (inequality ? stepWords("R sin(x + φ) + c ≥ 0 equivale a sin(x + φ) ≥ -c/R = %1.",
                                       "R sin(x + φ) + c ≥ 0 is sin(x + φ) ≥ -c/R = %1.",
                                       "R sin(x + φ) + c ≥ 0 équivaut à sin(x + φ) ≥ -c/R = %1.")
                           : stepWords("R sin(x + φ) + c = 0 equivale a sin(x + φ) = -c/R = %1.",
                                       "R sin(x + φ) + c = 0 is sin(x + φ) = -c/R = %1.",
                                       "R sin(x + φ) + c = 0 équivaut à sin(x + φ) = -c/R = %1."))
            .arg(v(s, "v"));
    if (key == "linear.picture_cuts")
        return stepWords("Nella figura: la retta b X + a Y + c = 0 dista |c|/R = %1 dal centro, meno del raggio 1: taglia "
                         "la circonferenza in due punti, le soluzioni.",
                         "On the picture: the line b X + a Y + c = 0 lies at the distance |c|/R = %1 from the centre, "
                         "less than the radius 1: it cuts the circle in two points, the solutions.",
                         "Sur la figure : la droite b X + a Y + c = 0 est à la distance |c|/R = %1 du centre, moins que "
                         "le rayon 1 : elle coupe le cercle en deux points, les solutions.")
            .arg(v(s, "distance"));
    if (key == "linear.picture_touches")
        return stepWords("Nella figura: la retta b X + a Y + c = 0 dista |c|/R = 1 dal centro: tocca la circonferenza in un "
                         "punto, l'unica soluzione.",
                         "On the picture: the line b X + a Y + c = 0 lies at the distance |c|/R = 1 from the centre: it "
                         "touches the circle in one point, the one solution.",
                         "Sur la figure : la droite b X + a Y + c = 0 est à la distance |c|/R = 1 du centre : elle "
                         "touche le cercle en un point, la seule solution.");
    if (key == "linear.picture_misses")
        return stepWords("Nella figura: la retta b X + a Y + c = 0 dista |c|/R = %1 dal centro, più del raggio 1: non "
                         "incontra la circonferenza, perché |c| > R.",
                         "On the picture: the line b X + a Y + c = 0 lies at the distance |c|/R = %1 from the centre, "
                         "more than the radius 1: it misses the circle, since |c| > R.",
                         "Sur la figure : la droite b X + a Y + c = 0 est à la distance |c|/R = %1 du centre, plus que "
                         "le rayon 1 : elle ne rencontre pas le cercle, car |c| > R.")
            .arg(v(s, "distance"));
    if (key == "linear.shifted") {
        QString xs = stepAngleText(s.value("x1"));
        if (s.has("x2"))
            xs += stepWords(" e ", " and ", " et ") + stepAngleText(s.value("x2"));
        return stepWords("Con y = x + φ si risolve sin y = %1, poi si torna indietro di φ: x = y - φ = %2.",
                         "With y = x + φ solve sin y = %1, then shift back by φ: x = y - φ = %2.",
                         "Avec y = x + φ on résout sin y = %1, puis on revient de φ : x = y - φ = %2.")
            .arg(v(s, "v"), xs);
    }
    if (key == "linear.solutions" && s.set)
        return stepWords("Le soluzioni: %1, k intero.", "The solutions: %1, k an integer.", "Les solutions : %1, k entier.")
            .arg(stepSetText(*s.set));
    if (key == "linear.arc")
        return stepWords("Girando sulla circonferenza da x = %1° a x = %2°, sin(x + φ) ≥ -c/R: lì il primo membro è ≥ 0, "
                         "estremi inclusi (vi vale 0); sul resto è < 0, estremi esclusi.",
                         "Going round the circle from x = %1° to x = %2°, sin(x + φ) ≥ -c/R: there the left side is "
                         "≥ 0, ends in (it is 0 there); on the rest it is < 0, ends out.",
                         "En parcourant le cercle de x = %1° à x = %2°, sin(x + φ) ≥ -c/R : là le premier membre est "
                         "≥ 0, bornes incluses (il y vaut 0) ; sur le reste il est < 0, bornes exclues.")
            .arg(s.value("from"))
            .arg(s.value("to"));
    if (key == "linear.arc_point")
        return stepWords("La retta tocca la circonferenza in x = %1° e c < 0: il primo membro vale 0 lì e è negativo altrove.",
                         "The line touches the circle at x = %1° and c < 0: the left side is 0 there and negative "
                         "everywhere else.",
                         "La droite touche le cercle en x = %1° et c < 0 : le premier membre y vaut 0 et il est négatif "
                         "partout ailleurs.")
            .arg(s.value("x1"));
    if (key == "linear.arc_sign")
        return stepWords("Il primo membro non cambia segno: ha il segno di c = %1.",
                         "The left side never changes sign: it keeps the sign of c = %1.",
                         "Le premier membre ne change pas de signe : il garde le signe de c = %1.")
            .arg(v(s, "c"));
    if (key == "linear.greater" && s.set)
        return stepWords("Dove il primo membro è ≥ 0: %1.", "Where the left side is ≥ 0: %1.", "Là où le premier membre est ≥ 0 : %1.")
            .arg(stepSetText(*s.set));
    if (key == "linear.less" && s.set)
        return stepWords("Dove è < 0: %1.", "Where it is < 0: %1.", "Là où il est < 0 : %1.").arg(stepSetText(*s.set));
    return QString();
}

}  // namespace solvers
