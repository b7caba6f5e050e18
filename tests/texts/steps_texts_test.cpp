// The worked solutions as the program writes them: one canonical case per kind, in Italian,
// English and French, and the English of a loaded language file.
#include <gtest/gtest.h>

#include "maths/elementary_steps.h"
#include "maths/linear_steps.h"
#include "maths/quadratic_steps.h"
#include "maths/triangle.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"

using namespace solvers;

namespace {

// The canonical case of each kind: sin x = 1/2; cos x >= cos 60°; 2 sin² x - 3 sin x + 1 = 0;
// 2 cos² x - cos x - 1 >= 0 and < 0; sin x + cos x - 1 = 0 (√3 sin x + cos x - 1 ≥ 0 and < 0).
WorkedSolution canonical(int kind)
{
    switch (kind) {
    case 0: return elementaryEquationSteps(solveElementary(Sine, 30));
    case 1: return elementaryInequalitySteps(solveElementary(Cosine, 60));
    case 2: return quadraticEquationSteps(solveQuadraticEquation(Sine, 2, -3, 1), 2, -3, 1);
    case 3: return quadraticInequalitySteps(solveQuadraticInequality(Cosine, 2, -1, -1), 2, -1, -1);
    case 4: return linearEquationSteps(solveLinearEquation({1, 1, -1}));
    default: return linearInequalitySteps(solveLinearInequality({std::sqrt(3.0L), 1, -1}));
    }
}

// The top-level lines of each canonical case, [language][kind].
const char* const Expected[3][6] = {
    {
         "1. Risolvi sin x = 1/2. sin x assume i valori da -1 a 1.\n"
         "2. L'angolo di riferimento: α = arcsin(1/2) = 30° (π/6).\n"
         "3. Per la simmetria del seno rispetto all'asse y, sin(180° - α) = sin α: la seconda soluzione è 180° - α = 150° (5π/6).\n"
         "4. Le soluzioni: x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ), k intero.",
         "1. Risolvi cos x ≥ 1/2 e cos x < 1/2. cos x assume i valori da -1 a 1.\n"
         "2. Gli estremi: cos x = 1/2 per x = 60° e x = -60°.\n"
         "3. Sulla circonferenza, cos x ≥ 1/2 sull'arco da -60° a 60°, a destra della retta x = 1/2 o su di essa; i suoi estremi sono inclusi, perché ≥ ammette l'uguaglianza. cos x < 1/2 sul resto della circonferenza, estremi esclusi, perché < è stretta.\n"
         "4. Dove vale ≥: -60° + k 360° ≤ x ≤ 60° + k 360°.\n"
         "5. Dove vale < (il resto): 60° + k 360° < x < 300° + k 360°.",
         "1. Poni t = sin x: si ha 2 t² - 3 t + 1 = 0, con -1 ≤ t ≤ 1.\n"
         "2. Il discriminante: D = b² - 4ac = 1. D > 0: due radici.\n"
         "3. Le radici: t₁ = 1, t₂ = 1/2.\n"
         "4. t = 1 è un valore di sin x: risolvi sin x = 1.\n"
         "5. t = 1/2 è un valore di sin x: risolvi sin x = 1/2.\n"
         "6. Le soluzioni, unendo quelle di ogni t: x = 90° + k 360° (π/2 + 2kπ), x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ).",
         "1. Poni t = cos x: si ha 2 t² - t - 1 ≥ 0 e 2 t² - t - 1 < 0, con -1 ≤ t ≤ 1.\n"
         "2. Il discriminante: D = b² - 4ac = 9. D > 0: due radici.\n"
         "3. Le radici: t₁ = 1, t₂ = -1/2.\n"
         "4. a > 0, la parabola è rivolta verso l'alto: il primo membro è ≥ 0 per t ≤ -1/2 o t ≥ 1, e < 0 per -1/2 < t < 1.\n"
         "5. Si taglia a -1 ≤ t ≤ 1: entrambi i limiti -1/2 e 1 vi cadono, e ogni insieme di t dà due archi.\n"
         "6. Gli estremi degli archi: le x dove cos x vale ciascun limite.\n"
         "7. Dove il primo membro è ≥ 0: x = 0° + k 360° oppure 120° + k 360° ≤ x ≤ 240° + k 360°.\n"
         "8. Dove è < 0: 0° + k 360° < x < 120° + k 360° oppure 240° + k 360° < x < 360° + k 360°.",
         "1. Risolvi sin x + cos x - 1 = 0.\n"
         "2. L'angolo aggiunto: R = √(a² + b²) = 1.41421 e φ con cos φ = a/R, sin φ = b/R, φ = 45° (π/4); allora a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c = 0 equivale a sin(x + φ) = -c/R = √2/2.\n"
         "4. Nella figura: la retta b X + a Y + c = 0 dista |c|/R = √2/2 dal centro, meno del raggio 1: taglia la circonferenza in due punti, le soluzioni.\n"
         "5. Con y = x + φ si risolve sin y = √2/2, poi si torna indietro di φ: x = y - φ = 0° (0) e 90° (π/2).\n"
         "6. Le soluzioni: x = 0° + k 360° (2kπ), x = 90° + k 360° (π/2 + 2kπ), k intero.",
         "1. Risolvi √3 sin x + cos x - 1 ≥ 0 e √3 sin x + cos x - 1 < 0.\n"
         "2. L'angolo aggiunto: R = √(a² + b²) = 2 e φ con cos φ = a/R, sin φ = b/R, φ = 30° (π/6); allora a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c ≥ 0 equivale a sin(x + φ) ≥ -c/R = 1/2.\n"
         "4. Nella figura: la retta b X + a Y + c = 0 dista |c|/R = 1/2 dal centro, meno del raggio 1: taglia la circonferenza in due punti, le soluzioni.\n"
         "5. Con y = x + φ si risolve sin y = 1/2, poi si torna indietro di φ: x = y - φ = 0° (0) e 120° (2π/3).\n"
         "6. Girando sulla circonferenza da x = 0° a x = 120°, sin(x + φ) ≥ -c/R: lì il primo membro è ≥ 0, estremi inclusi (vi vale 0); sul resto è < 0, estremi esclusi.\n"
         "7. Dove il primo membro è ≥ 0: 0° + k 360° ≤ x ≤ 120° + k 360°.\n"
         "8. Dove è < 0: 120° + k 360° < x < 360° + k 360°.",
    },
    {
         "1. Solve sin x = 1/2. sin x takes the values from -1 to 1.\n"
         "2. The reference angle: α = arcsin(1/2) = 30° (π/6).\n"
         "3. By the symmetry of the sine about the y axis, sin(180° - α) = sin α: the second solution is 180° - α = 150° (5π/6).\n"
         "4. The solutions: x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ), k an integer.",
         "1. Solve cos x ≥ 1/2 and cos x < 1/2. cos x takes the values from -1 to 1.\n"
         "2. The ends: cos x = 1/2 at x = 60° and x = -60°.\n"
         "3. On the unit circle, cos x ≥ 1/2 on the arc from -60° to 60°, at or right of the line x = 1/2; its ends are in, since ≥ allows equality. cos x < 1/2 on the rest of the circle, ends out, since < is strict.\n"
         "4. Where ≥ holds: -60° + k 360° ≤ x ≤ 60° + k 360°.\n"
         "5. Where < holds (the rest): 60° + k 360° < x < 300° + k 360°.",
         "1. Put t = sin x: this gives 2 t² - 3 t + 1 = 0, with -1 ≤ t ≤ 1.\n"
         "2. The discriminant: D = b² - 4ac = 1. D > 0: two roots.\n"
         "3. The roots: t₁ = 1, t₂ = 1/2.\n"
         "4. t = 1 is a value of sin x: solve sin x = 1.\n"
         "5. t = 1/2 is a value of sin x: solve sin x = 1/2.\n"
         "6. The solutions, joining those of each t: x = 90° + k 360° (π/2 + 2kπ), x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ).",
         "1. Put t = cos x: this gives 2 t² - t - 1 ≥ 0 and 2 t² - t - 1 < 0, with -1 ≤ t ≤ 1.\n"
         "2. The discriminant: D = b² - 4ac = 9. D > 0: two roots.\n"
         "3. The roots: t₁ = 1, t₂ = -1/2.\n"
         "4. a > 0, the parabola opens upwards: the left side is ≥ 0 for t ≤ -1/2 or t ≥ 1, and < 0 for -1/2 < t < 1.\n"
         "5. Cut to -1 ≤ t ≤ 1: both bounds -1/2 and 1 lie in it, and each set of t gives two arcs.\n"
         "6. The ends of the arcs: the x where cos x equals each bound.\n"
         "7. Where the left side is ≥ 0: x = 0° + k 360° or 120° + k 360° ≤ x ≤ 240° + k 360°.\n"
         "8. Where it is < 0: 0° + k 360° < x < 120° + k 360° or 240° + k 360° < x < 360° + k 360°.",
         "1. Solve sin x + cos x - 1 = 0.\n"
         "2. The auxiliary angle: R = √(a² + b²) = 1.41421 and φ with cos φ = a/R, sin φ = b/R, φ = 45° (π/4); then a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c = 0 is sin(x + φ) = -c/R = √2/2.\n"
         "4. On the picture: the line b X + a Y + c = 0 lies at the distance |c|/R = √2/2 from the centre, less than the radius 1: it cuts the circle in two points, the solutions.\n"
         "5. With y = x + φ solve sin y = √2/2, then shift back by φ: x = y - φ = 0° (0) and 90° (π/2).\n"
         "6. The solutions: x = 0° + k 360° (2kπ), x = 90° + k 360° (π/2 + 2kπ), k an integer.",
         "1. Solve √3 sin x + cos x - 1 ≥ 0 and √3 sin x + cos x - 1 < 0.\n"
         "2. The auxiliary angle: R = √(a² + b²) = 2 and φ with cos φ = a/R, sin φ = b/R, φ = 30° (π/6); then a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c ≥ 0 is sin(x + φ) ≥ -c/R = 1/2.\n"
         "4. On the picture: the line b X + a Y + c = 0 lies at the distance |c|/R = 1/2 from the centre, less than the radius 1: it cuts the circle in two points, the solutions.\n"
         "5. With y = x + φ solve sin y = 1/2, then shift back by φ: x = y - φ = 0° (0) and 120° (2π/3).\n"
         "6. Going round the circle from x = 0° to x = 120°, sin(x + φ) ≥ -c/R: there the left side is ≥ 0, ends in (it is 0 there); on the rest it is < 0, ends out.\n"
         "7. Where the left side is ≥ 0: 0° + k 360° ≤ x ≤ 120° + k 360°.\n"
         "8. Where it is < 0: 120° + k 360° < x < 360° + k 360°.",
    },
    {
         "1. Résous sin x = 1/2. sin x prend les valeurs de -1 à 1.\n"
         "2. L'angle de référence : α = arcsin(1/2) = 30° (π/6).\n"
         "3. Par la symétrie du sinus par rapport à l'axe y, sin(180° - α) = sin α : la deuxième solution est 180° - α = 150° (5π/6).\n"
         "4. Les solutions : x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ), k entier.",
         "1. Résous cos x ≥ 1/2 et cos x < 1/2. cos x prend les valeurs de -1 à 1.\n"
         "2. Les bornes : cos x = 1/2 pour x = 60° et x = -60°.\n"
         "3. Sur le cercle, cos x ≥ 1/2 sur l'arc de -60° à 60°, sur la droite x = 1/2 ou à sa droite ; ses bornes sont incluses, car ≥ admet l'égalité. cos x < 1/2 sur le reste du cercle, bornes exclues, car < est stricte.\n"
         "4. Là où ≥ est vraie : -60° + k 360° ≤ x ≤ 60° + k 360°.\n"
         "5. Là où < est vraie (le reste) : 60° + k 360° < x < 300° + k 360°.",
         "1. Pose t = sin x : on obtient 2 t² - 3 t + 1 = 0, avec -1 ≤ t ≤ 1.\n"
         "2. Le discriminant : D = b² - 4ac = 1. D > 0 : deux racines.\n"
         "3. Les racines : t₁ = 1, t₂ = 1/2.\n"
         "4. t = 1 est une valeur de sin x : résous sin x = 1.\n"
         "5. t = 1/2 est une valeur de sin x : résous sin x = 1/2.\n"
         "6. Les solutions, en réunissant celles de chaque t : x = 90° + k 360° (π/2 + 2kπ), x = 30° + k 360° (π/6 + 2kπ), x = 150° + k 360° (5π/6 + 2kπ).",
         "1. Pose t = cos x : on obtient 2 t² - t - 1 ≥ 0 et 2 t² - t - 1 < 0, avec -1 ≤ t ≤ 1.\n"
         "2. Le discriminant : D = b² - 4ac = 9. D > 0 : deux racines.\n"
         "3. Les racines : t₁ = 1, t₂ = -1/2.\n"
         "4. a > 0, la parabole est tournée vers le haut : le premier membre est ≥ 0 pour t ≤ -1/2 ou t ≥ 1, et < 0 pour -1/2 < t < 1.\n"
         "5. On coupe à -1 ≤ t ≤ 1 : les deux bornes -1/2 et 1 y sont, et chaque ensemble de t donne deux arcs.\n"
         "6. Les bornes des arcs : les x où cos x vaut chaque borne.\n"
         "7. Là où le premier membre est ≥ 0 : x = 0° + k 360° ou 120° + k 360° ≤ x ≤ 240° + k 360°.\n"
         "8. Là où il est < 0 : 0° + k 360° < x < 120° + k 360° ou 240° + k 360° < x < 360° + k 360°.",
         "1. Résous sin x + cos x - 1 = 0.\n"
         "2. L'angle auxiliaire : R = √(a² + b²) = 1.41421 et φ avec cos φ = a/R, sin φ = b/R, φ = 45° (π/4) ; alors a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c = 0 équivaut à sin(x + φ) = -c/R = √2/2.\n"
         "4. Sur la figure : la droite b X + a Y + c = 0 est à la distance |c|/R = √2/2 du centre, moins que le rayon 1 : elle coupe le cercle en deux points, les solutions.\n"
         "5. Avec y = x + φ on résout sin y = √2/2, puis on revient de φ : x = y - φ = 0° (0) et 90° (π/2).\n"
         "6. Les solutions : x = 0° + k 360° (2kπ), x = 90° + k 360° (π/2 + 2kπ), k entier.",
         "1. Résous √3 sin x + cos x - 1 ≥ 0 et √3 sin x + cos x - 1 < 0.\n"
         "2. L'angle auxiliaire : R = √(a² + b²) = 2 et φ avec cos φ = a/R, sin φ = b/R, φ = 30° (π/6) ; alors a sin x + b cos x = R sin(x + φ).\n"
         "3. R sin(x + φ) + c ≥ 0 équivaut à sin(x + φ) ≥ -c/R = 1/2.\n"
         "4. Sur la figure : la droite b X + a Y + c = 0 est à la distance |c|/R = 1/2 du centre, moins que le rayon 1 : elle coupe le cercle en deux points, les solutions.\n"
         "5. Avec y = x + φ on résout sin y = 1/2, puis on revient de φ : x = y - φ = 0° (0) et 120° (2π/3).\n"
         "6. En parcourant le cercle de x = 0° à x = 120°, sin(x + φ) ≥ -c/R : là le premier membre est ≥ 0, bornes incluses (il y vaut 0) ; sur le reste il est < 0, bornes exclues.\n"
         "7. Là où le premier membre est ≥ 0 : 0° + k 360° ≤ x ≤ 120° + k 360°.\n"
         "8. Là où il est < 0 : 120° + k 360° < x < 360° + k 360°.",
    },
};

// The top-level lines of a worked solution (its substeps are the elementary steps, checked above).
QString topLevel(const WorkedSolution& steps)
{
    QStringList lines;
    for (const QString& line : workedSolutionLines(steps))
        if (!line.startsWith(QLatin1Char(' ')))
            lines << line;
    return lines.join(QLatin1Char('\n'));
}

TEST(StepsTexts, CanonicalCasesInThreeLanguages)
{
    for (unsigned char language : {0, 1, 2, 3}) {
        app::CurrentLanguage = language;
        for (int kind = 0; kind < 6; ++kind)
            EXPECT_EQ(topLevel(canonical(kind)), QString::fromUtf8(Expected[language == 3 ? 1 : language][kind]))
                << int(language) << " " << kind;
    }
    app::CurrentLanguage = 0;
    // A substep sits under its step, numbered from it.
    app::CurrentLanguage = 1;
    EXPECT_EQ(workedSolutionLines(canonical(2))[4], QStringLiteral("   4.1 Solve sin x = 1. sin x takes the values from -1 to 1."));
    // Values and angles a student knows are exact, others in the windows' decimals.
    EXPECT_EQ(stepValueText(-std::sqrt(3.0L) / 2), QStringLiteral("-√3/2"));
    EXPECT_EQ(stepValueText(0.41234567L), QStringLiteral("0.41235"));
    EXPECT_EQ(stepAngleText(-90), QStringLiteral("-90° (-π/2)"));
    EXPECT_EQ(stepAngleText(23.578L), QStringLiteral("≈ 23.58°"));
    // The auxiliary angle's substeps solve for y = x + φ and say so.
    EXPECT_EQ(workedSolutionLines(canonical(4))[8],
              QStringLiteral("   5.4 The solutions: y = 45° + k 360° (π/4 + 2kπ), y = 135° + k 360° (3π/4 + 2kπ), k an integer."));
    // The first-degree case names its one bound, not an infinite one.
    const WorkedSolution firstDegree = quadraticInequalitySteps(solveQuadraticInequality(Cosine, 0, 2, -1), 0, 2, -1);
    EXPECT_EQ(workedSolutionLines(firstDegree)[3], QStringLiteral("4. Cut to -1 ≤ t ≤ 1: the one bound t = 1/2 lies in it and bounds the arcs."));
    app::CurrentLanguage = 0;
}

// The triangles' steps, numbered as every worked solution: the ambiguous case's comparison, then
// each triangle's laws as substeps, in each language.
TEST(StepsTexts, TriangleStepsInThreeLanguages)
{
    triangles::Parts given = triangles::noParts();
    given[triangles::SideA] = 5;
    given[triangles::SideB] = 7;
    given[triangles::AngleA] = 30;
    const WorkedSolution steps = triangles::triangleSteps(triangles::solveTriangle(given));
    const char* const expected[][2] = {
        {"3. Primo triangolo:", "   3.1 Teorema dei seni: sen B = b sen A / a = 7 · sen 30° / 5, B = 44.427°."},
        {"3. First triangle:", "   3.1 Law of sines: sin B = b sin A / a = 7 · sin 30° / 5, B = 44.427°."},
        {"3. Premier triangle :", "   3.1 Loi des sinus : sin B = b sin A / a = 7 · sin 30° / 5, B = 44.427°."},
    };
    for (unsigned char language : {0, 1, 2, 3}) {
        app::CurrentLanguage = language;
        const QStringList lines = workedSolutionLines(steps);
        ASSERT_GT(lines.size(), 3);
        EXPECT_EQ(lines.mid(2, 2), (QStringList{QString::fromUtf8(expected[language == 3 ? 1 : language][0]),
                                               QString::fromUtf8(expected[language == 3 ? 1 : language][1])}))
            << int(language);
    }
    app::CurrentLanguage = 0;
}

}  // namespace
