#include "texts/typed_texts.h"

#include <QList>
#include <QStringList>
#include <cmath>
#include <numeric>

namespace solvers {

namespace {

int language(int slot)
{
    return slot >= 0 && slot <= 2 ? slot : 1;
}

QString pick(int slot, const char* it, const char* en, const char* fr)
{
    const int l = language(slot);
    return QString::fromUtf8(l == 0 ? it : l == 2 ? fr : en);
}

QString what(TypedRefusal r, int slot)
{
    switch (r) {
    case TypedRefusal::Empty:
        return pick(slot, "Non è stato scritto nulla", "Nothing was typed", "Rien n'a été saisi");
    case TypedRefusal::TooLong:
        return pick(slot, "Il testo è troppo lungo (al massimo %1 caratteri)",
                    "The text is too long (at most %1 characters)", "Le texte est trop long (au plus %1 caractères)")
            .arg(MaxTypedEquationLength);
    case TypedRefusal::UnknownCharacter:
        return pick(slot, "Carattere non riconosciuto", "A character that no form uses",
                    "Caractère non reconnu");
    case TypedRefusal::NoRelation:
        return pick(slot, "Manca la relazione (=, >=, <=, >, <)", "The relation (=, >=, <=, >, <) is missing",
                    "La relation (=, >=, <=, >, <) manque");
    case TypedRefusal::TwoRelations:
        return pick(slot, "C'è più di una relazione", "There is more than one relation",
                    "Il y a plus d'une relation");
    case TypedRefusal::EmptySide:
        return pick(slot, "Un membro della relazione è vuoto", "One side of the relation is empty",
                    "Un membre de la relation est vide");
    case TypedRefusal::UnbalancedBrackets:
        return pick(slot, "Parentesi senza la sua compagna", "A bracket without its partner",
                    "Parenthèse sans sa partenaire");
    case TypedRefusal::AngleNotX:
        return pick(slot, "Si risolvono solo funzioni di x, non di un altro angolo",
                    "Only functions of x itself are solved, not of another angle",
                    "Seules les fonctions de x lui-même sont résolues, pas d'un autre angle");
    case TypedRefusal::OtherVariable:
        return pick(slot, "Nome o variabile sconosciuta: la sola variabile è x",
                    "An unknown name or variable: the one variable is x",
                    "Nom ou variable inconnue : la seule variable est x");
    case TypedRefusal::PowerNotTwo:
        return pick(slot, "Si risolvono solo quadrati", "Only squares are solved", "Seuls les carrés sont résolus");
    case TypedRefusal::Product:
        return pick(slot, "Un prodotto di due termini in x", "A product of two terms in x",
                    "Un produit de deux termes en x");
    case TypedRefusal::XOutsideFunction:
        return pick(slot, "x fuori da sin, cos o tan", "x outside sin, cos or tan", "x hors de sin, cos ou tan");
    case TypedRefusal::TermNotUnderstood:
        return pick(slot, "Termine non riconosciuto", "A term that is not understood", "Terme non reconnu");
    case TypedRefusal::MixedFunctions:
        return pick(slot, "Questa combinazione di funzioni non si risolve qui",
                    "No window solves this mix of functions", "Ce mélange de fonctions n'est pas résolu ici");
    case TypedRefusal::NoFunction:
        return pick(slot, "Non c'è nessuna funzione di x", "There is no function of x",
                    "Il n'y a aucune fonction de x");
    case TypedRefusal::Coefficient:
        return pick(slot, "Coefficiente non calcolabile", "A coefficient that cannot be worked out",
                    "Coefficient impossible à calculer");
    case TypedRefusal::None:
        break;
    }
    return {};
}

}  // namespace

QString understoodForms(int slot)
{
    return pick(slot,
                "Si capiscono f(x) = v, a f(x)² + b f(x) + c = 0 e a sin x + b cos x + c = 0, con f sin, cos o tan, "
                "termini in entrambi i membri e le relazioni =, >=, <=, >, <; ad esempio: 2 sin x = 1, "
                "2sin²x − 3sinx + 1 = 0, √3 sin x − cos x > 1, sin x = cos x.",
                "Understood: f(x) = v, a f(x)² + b f(x) + c = 0 and a sin x + b cos x + c = 0, with f sin, cos or tan, "
                "terms on both sides and the relations =, >=, <=, >, <; for example: 2 sin x = 1, "
                "2sin²x − 3sinx + 1 = 0, √3 sin x − cos x > 1, sin x = cos x.",
                "Formes comprises : f(x) = v, a f(x)² + b f(x) + c = 0 et a sin x + b cos x + c = 0, avec f sin, cos "
                "ou tan, des termes dans les deux membres et les relations =, >=, <=, >, < ; par exemple : "
                "2 sin x = 1, 2sin²x − 3sinx + 1 = 0, √3 sin x − cos x > 1, sin x = cos x.");
}

QString refusalText(const TypedEquation& e, std::string_view typed, int slot)
{
    const QString text = QString::fromUtf8(typed.data(), qsizetype(typed.size()));
    // Positions count characters (code points); QString counts UTF-16 units.
    const QList<uint> codes = text.toUcs4();
    QString quoted;
    for (int i = e.position; i < e.position + e.length && i < int(codes.size()); ++i)
        quoted += QString::fromUcs4(reinterpret_cast<const char32_t*>(&codes[i]), 1);
    QString message = what(e.refusal, slot);
    if (e.refusal == TypedRefusal::Coefficient && !e.evaluatorMessage.empty())
        message += QStringLiteral(" (%1)").arg(QString::fromUtf8(e.evaluatorMessage.data(),
                                                                  qsizetype(e.evaluatorMessage.size())));
    if (e.refusal != TypedRefusal::Empty && e.refusal != TypedRefusal::TooLong) {
        message += pick(slot, " al carattere %1", " at character %1", " au caractère %1").arg(e.position + 1);
        if (!quoted.trimmed().isEmpty())
            message += pick(slot, ": «%1»", ": «%1»", " : «%1»").arg(quoted);
    }
    return message + QStringLiteral(". ") + understoodForms(slot);
}

const char* kindKey(EquationKind kind)
{
    return kind == EquationKind::Elementary ? "elementary" : kind == EquationKind::Quadratic ? "quadratic" : "linear";
}

const char* relationKey(Relation relation)
{
    return relation == Relation::Equal ? "=" : relation == Relation::GreaterOrEqual ? ">=" : "<";
}

QString kindText(const TypedEquation& e, int slot)
{
    static const char* const names[] = {"sin x", "cos x", "tan x"};
    const QString f = QString::fromLatin1(names[e.function < 0 || e.function > 2 ? 0 : e.function]);
    switch (e.kind) {
    case EquationKind::Elementary:
        return pick(slot, "elementare in %1", "elementary in %1", "élémentaire en %1").arg(f);
    case EquationKind::Quadratic:
        return pick(slot, "di secondo grado in %1", "quadratic in %1", "du second degré en %1").arg(f);
    case EquationKind::Linear:
        break;
    }
    return pick(slot, "lineare in sin x e cos x", "linear in sin x and cos x", "linéaire en sin x et cos x");
}

QString signChangeNote(int slot)
{
    return pick(slot, "Cambiati tutti i segni: −(…) ≥ 0, lo stesso che … ≤ 0",
                "Every sign changed: −(…) ≥ 0, the same as … ≤ 0",
                "Tous les signes changés : −(…) ≥ 0, la même chose que … ≤ 0");
}

QString degreesText(double degrees)
{
    if (degrees == 0)
        return QStringLiteral("0");
    return QString::number(degrees, 'g', 10);
}

QString piText(double degrees)
{
    const double whole = std::nearbyint(degrees);
    if (std::fabs(degrees - whole) > 1e-7 || std::fabs(whole) > 1e9)
        return QString::number(degrees / 180.0, 'g', 10) + QStringLiteral("π");
    const long long n = (long long)whole;
    if (n == 0)
        return QStringLiteral("0");
    const long long g = std::gcd(n < 0 ? -n : n, 180LL);
    const long long p = n / g, q = 180 / g;
    QString s = p == 1 ? QStringLiteral("π") : p == -1 ? QStringLiteral("-π") : QString::number(p) + QStringLiteral("π");
    if (q != 1)
        s += QStringLiteral("/") + QString::number(q);
    return s;
}

QString solutionText(const TypedEquation& e, const TypedSolution& s, int slot)
{
    if (s.all)
        return pick(slot, "Ogni x", "Every x", "Tout x") + (s.period == 180 && e.kind != EquationKind::Linear
                                                                 ? pick(slot, " (dove tan x esiste)", " (where tan x exists)",
                                                                        " (où tan x existe)")
                                                                 : QString());
    if (s.none)
        return pick(slot, "Nessuna x", "No x", "Aucun x");
    const QString k = pick(slot, "k intero", "k any integer", "k entier");
    const QString periodDeg = QString::number(s.period) + QStringLiteral("°");
    const QString periodPi = s.period == 180 ? QStringLiteral("kπ") : QStringLiteral("2kπ");
    QStringList lines;
    for (const double p : s.points)
        lines << QStringLiteral("x = %1° + k·%2    x = %3 + %4")
                     .arg(degreesText(p), periodDeg, piText(p), periodPi);
    for (const TypedInterval& i : s.intervals) {
        if (i.from == i.to) {
            lines << QStringLiteral("x = %1° + k·%2    x = %3 + %4")
                         .arg(degreesText(i.from), periodDeg, piText(i.from), periodPi);
            continue;
        }
        const QString open = i.fromClosed ? QStringLiteral("≤") : QStringLiteral("<");
        const QString close = i.toClosed ? QStringLiteral("≤") : QStringLiteral("<");
        lines << QStringLiteral("%1° + k·%2 %3 x %4 %5° + k·%2    %6 + %7 %3 x %4 %8 + %7")
                     .arg(degreesText(i.from), periodDeg, open, close, degreesText(i.to), piText(i.from), periodPi,
                          piText(i.to));
    }
    lines << QStringLiteral("(%1)").arg(k);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace solvers
