// The steps of solving a triangle (maths/triangle's triangleSteps), in Italian, English and French:
// one template per key, whose tokens {nK}, {vK} and {dK} take the name, the number and the angle
// of the step's value K. The Triangles window, its command line and the practice exercises share them.
#include <array>
#include <map>

#include "texts/degrees_minutes.h"
#include "texts/steps_texts.h"
#include "texts/text_tables.h"

namespace solvers {

namespace {

using triangles::decimalDegreesText;
using triangles::numberText;
using Row = std::array<const char*, 3>;  // Italian, English, French

QString fill(const QString& text, const std::vector<StepValue>& values)
{
    // One pass over the template, each token written where it stands.
    QString out;
    out.reserve(text.size() + 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'{' && i + 3 < text.size() && text[i + 3] == u'}' && text[i + 2].isDigit()) {
            const std::size_t k = std::size_t(text[i + 2].digitValue());
            const QChar kind = text[i + 1];
            if (k < values.size() && (kind == u'n' || kind == u'v' || kind == u'd')) {
                if (kind == u'n')
                    out += QString::fromUtf8(values[k].name.data(), qsizetype(values[k].name.size()));
                else
                    out += kind == u'v' ? numberText(values[k].value) : decimalDegreesText(values[k].value);
                i += 3;
                continue;
            }
        }
        out += c;
    }
    return out;
}

const std::map<std::string_view, Row>& templates()
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

}  // namespace

QString triangleStepText(const Step& step)
{
    const auto row = templates().find(step.key);
    if (row == templates().end()) return QString();
    return fill(QString::fromUtf8(row->second[app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1]), step.values);
}

}  // namespace solvers
