#include "maths/typed_equation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "maths/angles.h"
#include "maths/elementary.h"
#include "maths/linear.h"
#include "maths/quadratic.h"

namespace solvers {

namespace {

// ---- Tokens ------------------------------------------------------------------------------------

enum class Tok {
    Number,    // digits and points
    Word,      // a function name or a constant of the evaluator (text holds it in lower case)
    X,         // the variable
    Op,        // + - * / ^
    Open,
    Close,
    Degree,    // °
    Relation,  // text holds "=", ">=", "<=", "<", ">"
    FunctionOfX,  // sin x and its notations, after matching: `function`, `power`
};

struct Token {
    Tok kind;
    std::string text;
    int position;  // first character (code points from 0)
    int length;    // characters covered
    int function = 0;
    int power = 1;
};

struct Failure {
    TypedRefusal refusal;
    int position;
    int length;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The words read, longest first where one begins another.
constexpr std::string_view Words[] = {"arccos", "arcsin", "arctan", "sqrt", "sin", "sen", "cos", "tan",
                                      "abs", "exp", "rad", "log", "ln", "pi", "x", "e"};

// Decodes one UTF-8 code point at `i`; 0xFFFD for a malformed sequence. Advances `i`.
char32_t decode(std::string_view s, size_t& i)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + size_t(extra) >= s.size() + (extra == 0 ? 1 : 0)) {
        ++i;
        return 0xFFFD;
    }
    char32_t code = extra == 0 ? c : c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const unsigned char d = byte(i + size_t(k));
        if ((d >> 6) != 2) {
            ++i;
            return 0xFFFD;
        }
        code = (code << 6) | (d & 0x3F);
    }
    i += size_t(extra) + 1;
    return code;
}

// Splits the text into tokens; a character no form uses stops it.
bool tokenize(std::string_view text, std::vector<Token>& out, Failure& failure)
{
    // Code points first, each ASCII stand-in with the character it came from.
    struct Unit {
        std::string_view ascii;  // a static stand-in text
        int position;
    };
    std::vector<Unit> units;
    int position = 0;
    for (size_t i = 0; i < text.size(); ++position) {
        const char32_t c = decode(text, i);
        // One static text per character read: the character itself for ASCII, a stand-in marked
        // by \x01 for a non-ASCII sign.
        static const std::string ascii = [] {
            std::string all(256, ' ');
            for (int k = 0; k < 256; ++k)
                all[size_t(k)] = char(k);
            return all;
        }();
        std::string_view a;
        const auto same = [&](char ch) { return std::string_view(ascii).substr(static_cast<unsigned char>(ch), 1); };
        if (c < 0x80) {
            const char ch = char(c);
            if (isLetter(ch))
                a = same(char(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch));
            else if ((ch >= '0' && ch <= '9') || std::string_view("+-*/^().=<>").find(ch) != std::string_view::npos)
                a = same(ch);
            else if (ch == ',')
                a = ".";  // the decimal comma: an equation has no lists
            else if (ch == '[' || ch == '{')
                a = "(";
            else if (ch == ']' || ch == '}')
                a = ")";
            else if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r')
                a = " ";
        } else {
            switch (c) {
            case 0x2212: case 0x2013: case 0x2012: a = "\x01-"; break;
            case 0x00B7: case 0x22C5: case 0x00D7: case 0x2219: case 0x2022: a = "\x01*"; break;
            case 0x00F7: case 0x2215: a = "\x01/"; break;
            case 0x221A: a = "\x01r"; break;          // √, read as sqrt
            case 0x03C0: a = "\x01p"; break;          // π
            case 0x00B2: a = "\x01" "2"; break;          // ²
            case 0x00B3: a = "\x01" "3"; break;          // ³
            case 0x00B0: a = "\x01o"; break;          // °
            case 0x2265: case 0x2A7E: a = "\x01G"; break;  // ≥
            case 0x2264: case 0x2A7D: a = "\x01L"; break;  // ≤
            case 0x00A0: case 0x2009: case 0x202F: a = " "; break;
            default: break;
            }
        }
        if (a.empty()) {
            failure = {TypedRefusal::UnknownCharacter, position, 1};
            return false;
        }
        units.push_back({a, position});
    }

    const auto add = [&](Tok kind, std::string t, int from, int to) {
        out.push_back({kind, std::move(t), from, to - from});
    };
    for (size_t u = 0; u < units.size();) {
        const std::string_view a = units[u].ascii;
        const int at = units[u].position;
        if (a[0] == '\x01') {
            switch (a[1]) {
            case '-': case '*': case '/': add(Tok::Op, std::string(a.substr(1)), at, at + 1); break;
            case 'r': add(Tok::Word, "sqrt", at, at + 1); break;
            case 'p': add(Tok::Word, "pi", at, at + 1); break;
            case '2': case '3':
                add(Tok::Op, "^", at, at);
                add(Tok::Number, std::string(a.substr(1)), at, at + 1);
                break;
            case 'o': add(Tok::Degree, "", at, at + 1); break;
            case 'G': add(Tok::Relation, ">=", at, at + 1); break;
            case 'L': add(Tok::Relation, "<=", at, at + 1); break;
            default: break;  // a blank
            }
            ++u;
            continue;
        }
        const char c = a[0];
        if (c == ' ') {
            ++u;
        } else if ((c >= '0' && c <= '9') || c == '.') {
            std::string n;
            size_t v = u;
            while (v < units.size() && units[v].ascii.size() == 1
                   && ((units[v].ascii[0] >= '0' && units[v].ascii[0] <= '9') || units[v].ascii[0] == '.'))
                n += units[v++].ascii[0];
            add(Tok::Number, n, at, units[v - 1].position + 1);
            u = v;
        } else if (isLetter(c)) {
            std::string w;
            size_t v = u;
            while (v < units.size() && units[v].ascii.size() == 1 && isLetter(units[v].ascii[0]))
                w += units[v++].ascii[0];
            // The run of letters split into known words, each the longest that fits.
            size_t k = 0;
            while (k < w.size()) {
                std::string_view found;
                for (const std::string_view word : Words)
                    if (std::string_view(w).substr(k, word.size()) == word) {
                        found = word;
                        break;
                    }
                const int from = units[u + k].position;
                if (found.empty()) {
                    failure = {TypedRefusal::OtherVariable, from, int(w.size() - k)};
                    return false;
                }
                add(found == "x" ? Tok::X : Tok::Word, found == "sen" ? "sin" : std::string(found), from,
                    from + int(found.size()));
                k += found.size();
            }
            u = v;
        } else if (c == '=' || c == '<' || c == '>') {
            std::string r(1, c);
            if (u + 1 < units.size() && units[u + 1].ascii.size() == 1) {
                const char d = units[u + 1].ascii[0];
                if ((c != '=' && d == '=') || (c == '=' && (d == '<' || d == '>')))
                    r += d;
            }
            if (r == "=<") r = "<=";
            if (r == "=>") r = ">=";
            add(Tok::Relation, r, at, at + int(r.size()));
            u += r.size();
        } else if (c == '(') {
            add(Tok::Open, "(", at, at + 1);
            ++u;
        } else if (c == ')') {
            add(Tok::Close, ")", at, at + 1);
            ++u;
        } else {
            add(Tok::Op, std::string(1, c), at, at + 1);
            ++u;
        }
    }
    return true;
}

int functionIndex(const std::string& word)
{
    return word == "sin" ? Sine : word == "cos" ? Cosine : word == "tan" ? Tangent : -1;
}

bool isSquare(const std::vector<Token>& t, size_t i)
{
    return i + 1 < t.size() && t[i].kind == Tok::Op && t[i].text == "^" && t[i + 1].kind == Tok::Number;
}

// The index past the argument of a function word at `i` (the bracket or the run up to an
// operator), for telling sin 30° from sin 2x.
size_t argumentEnd(const std::vector<Token>& t, size_t i)
{
    if (i < t.size() && t[i].kind == Tok::Open) {
        int depth = 0;
        for (size_t k = i; k < t.size(); ++k) {
            depth += t[k].kind == Tok::Open ? 1 : t[k].kind == Tok::Close ? -1 : 0;
            if (depth == 0)
                return k + 1;
        }
        return t.size();
    }
    size_t k = i;
    while (k < t.size() && (t[k].kind == Tok::Number || t[k].kind == Tok::X || t[k].kind == Tok::Degree
                            || (t[k].kind == Tok::Word && functionIndex(t[k].text) < 0)))
        ++k;
    return k;
}

// Replaces every function of x (sin x, sinx, sin(x), sin^2 x, sin²x, sin^2(x), sin(x)^2,
// (sin x)^2, (sin(x))^2) with one FunctionOfX token.
bool matchFunctions(std::vector<Token>& t, Failure& failure)
{
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].kind != Tok::Word || functionIndex(t[i].text) < 0)
            continue;
        size_t k = i + 1;
        int power = 1;
        if (isSquare(t, k)) {
            if (t[k + 1].text != "2") {
                failure = {TypedRefusal::PowerNotTwo, t[i].position, t[k + 1].position + t[k + 1].length - t[i].position};
                return false;
            }
            power = 2;
            k += 2;
        }
        size_t end = 0;
        if (k < t.size() && t[k].kind == Tok::X)
            end = k + 1;
        else if (k + 2 < t.size() && t[k].kind == Tok::Open && t[k + 1].kind == Tok::X && t[k + 2].kind == Tok::Close)
            end = k + 3;
        if (end == 0) {
            const size_t argEnd = argumentEnd(t, k);
            for (size_t a = k; a < argEnd; ++a)
                if (t[a].kind == Tok::X) {
                    const size_t last = std::min(argEnd, t.size()) - 1;
                    failure = {TypedRefusal::AngleNotX, t[i].position, t[last].position + t[last].length - t[i].position};
                    return false;
                }
            continue;  // a function of a number, read with the coefficient
        }
        // A square after the argument: sin(x)^2, and (sin x)^2 when brackets surround it.
        size_t from = i;
        if (power == 1 && end < t.size() && t[end].kind == Tok::Close && i > 0 && t[i - 1].kind == Tok::Open
            && isSquare(t, end + 1)) {
            from = i - 1;
            if (t[end + 2].text != "2") {
                failure = {TypedRefusal::PowerNotTwo, t[from].position, t[end + 2].position + 1 - t[from].position};
                return false;
            }
            power = 2;
            end += 3;
        } else if (power == 1 && end == k + 3 && isSquare(t, end)) {
            if (t[end + 1].text != "2") {
                failure = {TypedRefusal::PowerNotTwo, t[i].position, t[end + 1].position + 1 - t[i].position};
                return false;
            }
            power = 2;
            end += 2;
        } else if (end < t.size() && t[end].kind == Tok::Op && t[end].text == "^") {
            failure = {TypedRefusal::PowerNotTwo, t[i].position, t[end].position + 1 - t[i].position};
            return false;
        }
        Token f{Tok::FunctionOfX, "", t[from].position, t[end - 1].position + t[end - 1].length - t[from].position,
                functionIndex(t[i].text), power};
        t.erase(t.begin() + std::ptrdiff_t(from), t.begin() + std::ptrdiff_t(end));
        t.insert(t.begin() + std::ptrdiff_t(from), f);
        i = from;
    }
    return true;
}

std::string joined(const std::vector<Token>& t, size_t from, size_t to, bool& degrees)
{
    std::string s;
    for (size_t k = from; k < to; ++k) {
        if (t[k].kind == Tok::Degree) {
            degrees = true;
            continue;
        }
        if (t[k].kind == Tok::Word && !s.empty() && isLetter(s.back()))
            s += ' ';
        s += t[k].text;
    }
    return s;
}

// One term's contribution: its coefficient text and, when it holds one, its function of x.
struct Term {
    std::string coefficient;  // an expression for the evaluator
    bool degrees = false;
    int function = -1;        // -1: a constant term
    int power = 0;
    int position = 0;
    int length = 0;
};

// Reads one side (tokens [from, to)) into terms.
bool readSide(const std::vector<Token>& t, size_t from, size_t to, std::vector<Term>& terms, Failure& failure)
{
    const auto spanOf = [&](size_t a, size_t b) {
        return Failure{TypedRefusal::TermNotUnderstood, t[a].position, t[b - 1].position + t[b - 1].length - t[a].position};
    };
    size_t start = from;
    int depth = 0;
    for (size_t k = from; k <= to; ++k) {
        if (k < to) {
            depth += t[k].kind == Tok::Open ? 1 : t[k].kind == Tok::Close ? -1 : 0;
            const bool split = depth == 0 && k > start && t[k].kind == Tok::Op && (t[k].text == "+" || t[k].text == "-")
                               && (t[k - 1].kind == Tok::Number || t[k - 1].kind == Tok::Close || t[k - 1].kind == Tok::X
                                   || t[k - 1].kind == Tok::FunctionOfX || t[k - 1].kind == Tok::Degree
                                   || (t[k - 1].kind == Tok::Word && (t[k - 1].text == "pi" || t[k - 1].text == "e")));
            if (!split)
                continue;
        }
        // The term [start, k).
        Term term;
        term.position = t[start].position;
        term.length = t[k - 1].position + t[k - 1].length - term.position;
        size_t at = k;
        int d = 0;
        for (size_t m = start; m < k; ++m) {
            if (t[m].kind == Tok::X) {
                failure = {TypedRefusal::XOutsideFunction, t[m].position, 1};
                return false;
            }
            if (m > start && t[m].kind == Tok::Number && t[m - 1].kind == Tok::Number) {
                failure = spanOf(m - 1, m + 1);
                return false;
            }
            d += t[m].kind == Tok::Open ? 1 : t[m].kind == Tok::Close ? -1 : 0;
            if (t[m].kind != Tok::FunctionOfX)
                continue;
            if (at != k) {
                failure = {TypedRefusal::Product, term.position, term.length};
                return false;
            }
            if (d != 0) {
                failure = spanOf(start, k);
                return false;
            }
            at = m;
        }
        if (at == k) {
            term.coefficient = joined(t, start, k, term.degrees);
        } else {
            term.function = t[at].function;
            term.power = t[at].power;
            std::string prefix = joined(t, start, at, term.degrees);
            std::string suffix = joined(t, at + 1, k, term.degrees);
            if (!prefix.empty() && prefix.back() == '*')
                prefix.pop_back();
            if (!prefix.empty() && (prefix.back() == '/' || prefix.back() == '^'
                                    || (isLetter(prefix.back()) && !prefix.ends_with("pi") && !prefix.ends_with("e")))) {
                failure = spanOf(start, k);
                return false;
            }
            if (!suffix.empty() && suffix[0] != '*' && suffix[0] != '/') {
                failure = spanOf(start, k);
                return false;
            }
            if (prefix.empty() || prefix == "+")
                prefix = "1";
            else if (prefix == "-")
                prefix = "-1";
            term.coefficient = suffix.empty() ? prefix : "(" + prefix + ")*1" + suffix;
        }
        terms.push_back(std::move(term));
        start = k;
    }
    return true;
}

std::string numberText(long double v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.12Lg", v);
    std::string s = buffer;
    // The evaluator reads e as the constant: an exponent is written as a power of ten.
    const size_t e = s.find('e');
    if (e != std::string::npos)
        s = s.substr(0, e) + "*10^" + std::to_string(std::stoi(s.substr(e + 1)));
    return s == "-0" ? "0" : s;
}

}  // namespace

TypedEquation readTypedEquation(std::string_view text, float angleFactor)
{
    TypedEquation e;
    const auto refuse = [&](const Failure& f) {
        e.refusal = f.refusal;
        e.position = f.position;
        e.length = std::max(f.length, 1);
        return e;
    };
    if (text.size() > size_t(MaxTypedEquationLength))
        return refuse({TypedRefusal::TooLong, MaxTypedEquationLength, 1});

    std::vector<Token> t;
    Failure failure{};
    if (!tokenize(text, t, failure))
        return refuse(failure);
    if (t.empty())
        return refuse({TypedRefusal::Empty, 0, 1});

    // 1e-3 is not read as 1·e − 3: scientific notation is refused where it is typed.
    for (size_t k = 0; k + 2 < t.size(); ++k)
        if (t[k].kind == Tok::Number && t[k + 1].kind == Tok::Word && t[k + 1].text == "e"
            && t[k + 1].position == t[k].position + t[k].length
            && (t[k + 2].kind == Tok::Number || (t[k + 2].kind == Tok::Op && (t[k + 2].text == "-" || t[k + 2].text == "+"))))
            return refuse({TypedRefusal::TermNotUnderstood, t[k].position, t[k + 2].position + t[k + 2].length - t[k].position});

    // Brackets in pairs.
    std::vector<size_t> open;
    for (size_t k = 0; k < t.size(); ++k) {
        if (t[k].kind == Tok::Open)
            open.push_back(k);
        else if (t[k].kind == Tok::Close) {
            if (open.empty())
                return refuse({TypedRefusal::UnbalancedBrackets, t[k].position, 1});
            open.pop_back();
        }
    }
    if (!open.empty())
        return refuse({TypedRefusal::UnbalancedBrackets, t[open.back()].position, 1});

    // One relation.
    size_t relation = t.size();
    for (size_t k = 0; k < t.size(); ++k)
        if (t[k].kind == Tok::Relation) {
            if (relation != t.size())
                return refuse({TypedRefusal::TwoRelations, t[k].position, t[k].length});
            relation = k;
        }
    if (relation == t.size())
        return refuse({TypedRefusal::NoRelation, t.back().position + t.back().length, 1});
    if (relation == 0 || relation + 1 == t.size())
        return refuse({TypedRefusal::EmptySide, t[relation].position, t[relation].length});
    const std::string rel = t[relation].text;

    if (!matchFunctions(t, failure))
        return refuse(failure);
    relation = 0;
    while (t[relation].kind != Tok::Relation)
        ++relation;

    std::vector<Term> left, right;
    if (!readSide(t, 0, relation, left, failure) || !readSide(t, relation + 1, t.size(), right, failure))
        return refuse(failure);

    // Sums per function and power, right-hand terms moved to the left.
    const bool change = rel == "<=" || rel == ">";
    e.signChanged = change;
    e.relation = rel == "=" ? Relation::Equal : (rel == ">=" || rel == "<=") ? Relation::GreaterOrEqual : Relation::Less;
    long double sums[3][3] = {};  // [function][power]
    bool seen[3][3] = {};
    std::string texts[3][3];
    long double constant = 0;
    std::string constantText;
    int firstFunction = -1;
    const Term* mixed = nullptr;
    bool degreesForced = false;
    bool anySquare = false;
    for (int side = 0; side < 2; ++side)
        for (const Term& term : side == 0 ? left : right) {
            const app::Evaluation v = app::EvaluateExpression(std::string_view(term.coefficient),
                                                         term.degrees ? app::DegreesAngleFactor : angleFactor);
            if (!v.ok || !std::isfinite(v.value) || std::fabs(v.value) > 1e15L) {
                e.evaluatorMessage = v.ok ? app::EvaluatorMessages::Overflow : v.message;
                return refuse({TypedRefusal::Coefficient, term.position, term.length});
            }
            degreesForced = degreesForced || (term.degrees && angleFactor != app::DegreesAngleFactor);
            const bool negative = (side == 1) != change;
            const long double value = negative ? -v.value : v.value;
            std::string& s = term.function < 0 ? constantText : texts[term.function][term.power];
            const std::string piece = "(" + term.coefficient + ")";
            s += (negative ? "-" : s.empty() ? "" : "+") + piece;
            if (term.function < 0) {
                constant += value;
                continue;
            }
            sums[term.function][term.power] += value;
            seen[term.function][term.power] = true;
            anySquare = anySquare || term.power == 2;
            if (firstFunction < 0)
                firstFunction = term.function;
            else if (term.function != firstFunction && !mixed)
                mixed = &term;
        }
    if (firstFunction < 0)
        return refuse({TypedRefusal::NoFunction, 0, int(text.size())});
    const bool linear = !seen[Tangent][1] && !seen[Tangent][2] && !anySquare && seen[Sine][1] && seen[Cosine][1];
    if (mixed && !linear)
        return refuse({TypedRefusal::MixedFunctions, mixed->position, mixed->length});
    for (const auto& row : sums)
        for (const long double s : row)
            if (!std::isfinite(s) || std::fabs(s) > 1e15L || !std::isfinite(constant) || std::fabs(constant) > 1e15L)
            {
                e.evaluatorMessage = app::EvaluatorMessages::Overflow;
                return refuse({TypedRefusal::Coefficient, 0, int(text.size())});
            }

    // Rounding noise (cos 90° in the single-precision degree factor is about 1e-20) counts as 0
    // beside the equation's other coefficients; an equation whose every coefficient is that
    // small is refused rather than taken as 0 = 0.
    long double largest = std::fabs(constant);
    for (const auto& row : sums)
        for (const long double v : row)
            largest = std::max(largest, std::fabs(v));
    if (largest > 0 && largest < 1e-12L) {
        e.evaluatorMessage = {};
        return refuse({TypedRefusal::Coefficient, 0, int(text.size())});
    }
    const auto noise = [&](long double& v) {
        if (std::fabs(v) < 1e-15L * std::max(largest, 1.0L))
            v = 0;
    };
    for (auto& row : sums)
        for (long double& v : row)
            noise(v);
    noise(constant);

    if (linear) {
        e.kind = EquationKind::Linear;
        e.function = Sine;
        e.coefficients = {sums[Sine][1], sums[Cosine][1], constant};
        e.expressions = {texts[Sine][1], texts[Cosine][1], constantText};
    } else {
        const int f = firstFunction;
        e.kind = anySquare ? EquationKind::Quadratic : EquationKind::Elementary;
        e.function = f;
        e.coefficients = {sums[f][2], sums[f][1], constant};
        e.expressions = {texts[f][2], texts[f][1], constantText};
    }
    // An equation keeps its solutions when every sign changes: its leading coefficient is made
    // positive, so that "√3/2 = sin x" is sin x - √3/2 = 0.
    const long double lead = e.coefficients[0] != 0 ? e.coefficients[0] : e.coefficients[1];
    if (e.relation == Relation::Equal && e.kind != EquationKind::Linear && lead < 0)
        for (size_t i = 0; i < 3; ++i) {
            e.coefficients[i] = -e.coefficients[i];
            if (!e.expressions[i].empty())
                e.expressions[i] = "-(" + e.expressions[i] + ")";
        }
    for (std::string& s : e.expressions) {
        if (s.empty())
            s = "0";
        // A single term keeps its own text; past the evaluator's limit the value stands in.
        if (s.size() > 2 && s.front() == '(' && s.back() == ')' && s.find('(', 1) == std::string::npos)
            s = s.substr(1, s.size() - 2);
    }
    // Each piece was read, so the sum reads too unless it runs past the evaluator's length, or a
    // degree sign made a piece degrees whatever the factor: then the value stands in.
    for (size_t i = 0; i < 3; ++i)
        if (e.expressions[i].size() > size_t(app::MaxExpressionLength) || degreesForced)
            e.expressions[i] = numberText(e.coefficients[i]);
    return e;
}

std::string equationText(const TypedEquation& e)
{
    static const char* const names[] = {"sin", "cos", "tan"};
    std::string s;
    // A term that defines the kind is written even when its coefficient is 0.
    const auto term = [&](long double k, const std::string& what, bool always = false) {
        if (k == 0 && !always)
            return;
        const bool negative = k < 0;
        const long double m = std::fabs(k);
        s += s.empty() ? (negative ? "-" : "") : (negative ? " - " : " + ");
        if (what.empty())
            s += numberText(m);
        else
            s += (m == 1 ? std::string() : numberText(m) + (m == 0 ? " * " : " ")) + what;
    };
    const std::string f = names[std::clamp(e.function, 0, 2)];
    if (e.kind == EquationKind::Linear) {
        term(e.coefficients[0], "sin x", true);
        term(e.coefficients[1], "cos x", true);
    } else {
        term(e.coefficients[0], f + "\xC2\xB2x", e.kind == EquationKind::Quadratic);
        term(e.coefficients[1], f + " x", e.kind == EquationKind::Elementary);
    }
    term(e.coefficients[2], "");
    if (s.empty())
        s = "0";
    s += e.relation == Relation::Equal ? " = 0" : e.relation == Relation::GreaterOrEqual ? " >= 0" : " < 0";
    return s;
}

// ---- Solving ------------------------------------------------------------------------------------

long double typedValue(const TypedEquation& e, long double degrees)
{
    const long double x = radians(degrees);
    const auto& k = e.coefficients;
    if (e.kind == EquationKind::Linear)
        return k[0] * std::sin(x) + k[1] * std::cos(x) + k[2];
    long double t = 0;
    switch (e.function) {
    case Sine: t = std::sin(x); break;
    case Cosine: t = std::cos(x); break;
    default:
        if (std::fabs(std::cos(x)) < 1e-15L)
            return std::nanl("");
        t = std::tan(x);
    }
    return (k[0] * t + k[1]) * t + k[2];
}

namespace {

bool holds(Relation r, long double v)
{
    if (std::isnan(v))
        return false;
    return r == Relation::Equal ? v == 0 : r == Relation::GreaterOrEqual ? v >= 0 : v < 0;
}

long double toPeriod(long double degrees, int period)
{
    long double d = std::fmod(degrees, static_cast<long double>(period));
    if (d < 0)
        d += period;
    if (d >= period - 1e-9L)
        d = 0;
    return d;
}

}  // namespace

TypedSolution solveTyped(const TypedEquation& e)
{
    TypedSolution s;
    const bool tangent = e.kind != EquationKind::Linear && e.function == Tangent;
    s.period = tangent ? 180 : 360;
    const auto& k = e.coefficients;
    std::vector<long double> roots;
    bool constant = false;
    if (e.kind == EquationKind::Linear) {
        if (k[0] == 0 && k[1] == 0) {
            constant = true;
        } else {
            const LinearSolution l = solveLinear({k[0], k[1], k[2]}, AngleSpan::OneTurn);
            if (l.tangent)
                roots = {l.x1 * 180 / Pi};
            else if (l.ratio > 0)
                roots = {l.x1 * 180 / Pi, l.x2 * 180 / Pi};
        }
    } else {
        const QuadraticRoots q = solveQuadratic(k[0], k[1], k[2]);
        if (q.kind == RootKind::Degenerate)
            constant = true;
        std::vector<long double> ts;
        if (q.hasRoot())
            ts.push_back(q.t1);
        if (q.kind == RootKind::Two)
            ts.push_back(q.t2);
        for (const long double t : ts) {
            if (!rootInRange(e.function, t))
                continue;
            const long double theta = principalAngle(e.function, t) * 180 / Pi;
            roots.push_back(theta);
            if (e.function == Sine)
                roots.push_back(180 - theta);
            else if (e.function == Cosine)
                roots.push_back(-theta);
        }
    }
    if (constant) {
        const bool yes = holds(e.relation, k[2]);
        s.all = yes;
        s.none = !yes;
        return s;
    }
    for (long double& r : roots)
        r = toPeriod(r, s.period);
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end(), [](long double a, long double b) { return b - a < 1e-9L; }),
                roots.end());
    if (roots.size() > 1 && roots.front() + s.period - roots.back() < 1e-9L)
        roots.pop_back();

    if (e.relation == Relation::Equal) {
        for (const long double r : roots)
            s.points.push_back(double(r));
        s.none = roots.empty();
        return s;
    }

    // Inequalities: the circle cut at the roots (and at 90° for the tangent), each arc and each
    // cut point in the set or not.
    struct Cut {
        long double at;
        bool root;
    };
    std::vector<Cut> cuts;
    for (const long double r : roots)
        cuts.push_back({r, true});
    if (tangent) {
        cuts.push_back({90, false});
        std::sort(cuts.begin(), cuts.end(), [](const Cut& a, const Cut& b) { return a.at < b.at; });
    }
    if (cuts.empty()) {
        const bool yes = holds(e.relation, typedValue(e, 1.2345L));
        s.all = yes;
        s.none = !yes;
        return s;
    }
    const size_t n = cuts.size();
    // Elements around the circle: cut 0, arc 0, cut 1, arc 1, ...; arc i runs to cut i + 1.
    std::vector<bool> in(2 * n);
    for (size_t i = 0; i < n; ++i) {
        in[2 * i] = cuts[i].root && e.relation == Relation::GreaterOrEqual;
        const long double from = cuts[i].at;
        const long double to = i + 1 < n ? cuts[i + 1].at : cuts[0].at + s.period;
        in[2 * i + 1] = holds(e.relation, typedValue(e, (from + to) / 2));
    }
    const size_t gap = size_t(std::find(in.begin(), in.end(), false) - in.begin());
    if (gap == in.size()) {
        s.all = true;
        return s;
    }
    const auto place = [&](size_t element, bool end) {
        // Where an element starts (or ends), unwrapped past the period.
        const size_t turn = element / (2 * n);
        const size_t m = element % (2 * n);
        const size_t cut = m / 2 + ((m % 2 == 1 && end) ? 1 : 0);
        return cuts[cut % n].at + s.period * static_cast<long double>(turn + cut / n);
    };
    for (size_t j = gap + 1; j <= gap + 2 * n; ++j) {
        if (!in[j % (2 * n)])
            continue;
        const size_t first = j;
        while (j + 1 <= gap + 2 * n && in[(j + 1) % (2 * n)])
            ++j;
        TypedInterval interval;
        long double from = place(first, false);
        long double to = place(j, true);
        interval.fromClosed = first % 2 == 0;
        interval.toClosed = j % 2 == 0;
        while (from >= s.period) {
            from -= s.period;
            to -= s.period;
        }
        if (to > s.period) {
            from -= s.period;
            to -= s.period;
        }
        interval.from = double(from);
        interval.to = double(to);
        s.intervals.push_back(interval);
    }
    std::sort(s.intervals.begin(), s.intervals.end(),
              [](const TypedInterval& a, const TypedInterval& b) { return a.from < b.from; });
    s.none = s.intervals.empty();
    return s;
}

bool elementaryAngle(const TypedEquation& e, int& alphaDeg)
{
    const auto& k = e.coefficients;
    if (e.kind != EquationKind::Elementary || k[0] != 0 || !(k[1] > 0))
        return false;
    const long double v = -k[2] / k[1];
    long double alpha = 0;
    if (e.function == Tangent)
        alpha = std::atan(v) * 180 / Pi;
    else if (std::fabs(v) <= 1)
        alpha = (e.function == Sine ? std::asin(v) : std::acos(v)) * 180 / Pi;
    else
        return false;
    const int n = nearest(alpha);
    if (std::fabs(alpha - n) > 1e-6L)
        return false;
    const AngleRange range = e.relation == Relation::Equal ? equationAngleRange(e.function)
                                                           : inequalityAngleRange(e.function);
    if (n < range.minimum || n > range.maximum)
        return false;
    alphaDeg = n;
    return true;
}

}  // namespace solvers
