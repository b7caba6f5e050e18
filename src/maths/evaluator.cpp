#include "maths/evaluator.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace app {

namespace {

namespace Msg = EvaluatorMessages;

constexpr unsigned char TenToTheTwenty = 0xEC;  // "ì" in Windows-1252
constexpr long double E = 2.71828182845904523536028747135266250L;
constexpr long double SineLimit = 9223372036854775808.0L;  // 2^63

// ---------------------------------------------------------------------------------------------
// Character classes.

struct CharClasses {
    std::array<bool, 256> allowed{};
    std::array<bool, 256> operatorLike{};
    std::array<bool, 256> twoOperand{};
    std::array<bool, 256> operand{};
    std::array<bool, 256> function{};
    std::array<bool, 256> digit{};
};

constexpr void mark(std::array<bool, 256>& set, const char* chars)
{
    for (; *chars; ++chars)
        set[static_cast<unsigned char>(*chars)] = true;
}

constexpr CharClasses makeClasses()
{
    CharClasses c;
    mark(c.allowed, "#()*+,-./0123456789^abcdefghiloprsxy");
    c.allowed[TenToTheTwenty] = true;
    mark(c.operatorLike, "#*+-/^abcdfghilors");
    mark(c.twoOperand, "*+-/^");
    mark(c.operand, ".0123456789epxy");
    c.operand[TenToTheTwenty] = true;
    mark(c.function, "abcdfghilors");
    mark(c.digit, "0123456789");
    return c;
}

constexpr CharClasses Classes = makeClasses();

// Characters before which the implicit-operator rules insert nothing.
constexpr std::array<bool, 256> makeSet(const char* chars, bool withFunctions, bool withDigits)
{
    std::array<bool, 256> set{};
    mark(set, chars);
    if (withFunctions)
        mark(set, "abcdfghilors");
    if (withDigits)
        mark(set, "0123456789");
    return set;
}
constexpr std::array<bool, 256> NoStarBeforeLetter = makeSet("(*+-./^#", true, false);
constexpr std::array<bool, 256> NoStarBeforeDigit = makeSet("(*+-./^#", true, true);
constexpr std::array<bool, 256> NoStarBeforeParenthesis = makeSet("(*+-/^#", true, false);
constexpr std::array<bool, 256> LettersTakingStar = makeSet("abcdefghijklmnoprsxy", false, false);

// ---------------------------------------------------------------------------------------------
// The working text: fixed storage that is never written past.

struct WorkText {
    std::array<unsigned char, MaxExpressionLength> c;
    int n = 0;
};

// One rule of implicit operators as a left-to-right pass from `from` into `out`: `insert(prev,
// cur)` tells whether `mark` goes before `cur` (or after it, for `after`). False when the text
// would grow past the storage.
template <class Rule>
bool insertionPass(const WorkText& in, WorkText& out, int from, unsigned char mark, bool after, Rule insert)
{
    int w = 0;
    for (int i = 0; i < in.n; ++i) {
        const unsigned char cur = in.c[i];
        const bool add = i >= from && insert(i, cur);
        if (add && !after) {
            if (w >= MaxExpressionLength)
                return false;
            out.c[w++] = mark;
        }
        if (w >= MaxExpressionLength)
            return false;
        out.c[w++] = cur;
        if (add && after) {
            if (w >= MaxExpressionLength)
                return false;
            out.c[w++] = mark;
        }
    }
    out.n = w;
    return true;
}

// Replaces every occurrence of `name` by `code`, left to right; the text never grows.
void replaceAll(WorkText& t, std::string_view name, unsigned char code)
{
    const int len = int(name.size());
    const unsigned char first = static_cast<unsigned char>(name[0]);
    int w = 0;
    int r = 0;
    while (r < t.n) {
        if (t.c[r] == first && r + len <= t.n && std::memcmp(&t.c[r], name.data(), size_t(len)) == 0) {
            t.c[w++] = code;
            r += len;
        } else {
            t.c[w++] = t.c[r++];
        }
    }
    t.n = w;
}

// ---------------------------------------------------------------------------------------------
// Postfix tokens.

enum class TokenKind : unsigned char { Number, BadOperand, Operator, Function };

struct Token {
    TokenKind kind;
    unsigned char code;
    long double value;
};

constexpr std::array<long double, 20> makePowersOfTen()
{
    std::array<long double, 20> p{};
    long double v = 1.0L;
    for (long double& x : p) {
        x = v;
        v *= 10.0L;
    }
    return p;
}
constexpr std::array<long double, 20> PowersOfTen = makePowersOfTen();

// Reads an operand of at most MaxOperandLength characters: digits with at most one point and
// at least one digit ("5." and ".5" too), or one of the constants e, p, ì.
bool readOperand(const unsigned char* s, int len, long double& value)
{
    if (len == 1) {
        if (s[0] == 'e') {
            value = E;
            return true;
        }
        if (s[0] == 'p') {
            value = Pi;
            return true;
        }
        if (s[0] == TenToTheTwenty) {
            value = 1.0e20L;
            return true;
        }
    }
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (int i = 0; i < len; ++i) {
        const unsigned char c = s[i];
        if (c == '.') {
            if (point)
                return false;
            point = true;
        } else if (Classes.digit[c]) {
            ++digits;
            if (point)
                ++fractionDigits;
            if (digits <= 19)
                mantissa = mantissa * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    if (digits <= 19) {
        // Both numbers are exact in extended precision: one correctly rounded division.
        value = static_cast<long double>(mantissa) / PowersOfTen[size_t(fractionDigits)];
        return true;
    }
    // Twenty digits: the C library's correctly rounded reading, in the C locale.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    char buffer[MaxOperandLength + 1];
    std::memcpy(buffer, s, size_t(len));
    buffer[len] = '\0';
    value = cLocale ? strtold_l(buffer, nullptr, cLocale) : std::strtold(buffer, nullptr);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Evaluation.

struct Evaluator {
    long double angleFactor = DegreesAngleFactor;
    const char* error = nullptr;

    bool fail(const char* message)
    {
        if (!error)
            error = message;
        return false;
    }

    // A^B, where B is the exponent tested against the limits and `exponent` the one applied
    // (they differ for the negated power A^-B).
    bool power(long double a, long double b, long double exponent, long double& result)
    {
        if (a >= 2500.1L || a <= -2800.1L || b >= 20.0L)
            return fail(Msg::Overflow);
        if (a == 0.0L) {
            if (exponent < 0.0L)
                return fail(Msg::DivisionByZero);
            result = 0.0L;
            return true;
        }
        if (a > 0.0L) {
            result = std::pow(a, exponent);
            return true;
        }
        const long double magnitude = -a;
        if (std::trunc(exponent) == exponent) {
            const long double r = std::pow(magnitude, exponent);
            result = std::fmod(exponent, 2.0L) == 0.0L ? r : -r;
            return true;
        }
        // A negative base with a fractional exponent: only odd roots (1/B an odd integer).
        const long double reciprocal = 1.0L / exponent;
        if (std::isfinite(reciprocal) && std::trunc(reciprocal) == reciprocal &&
            std::fmod(reciprocal, 2.0L) != 0.0L) {
            result = -std::pow(magnitude, exponent);
            return true;
        }
        return fail(Msg::ImaginaryValues);
    }

    bool binary(unsigned char op, long double a, long double b, long double& result)
    {
        switch (op) {
        case '+':
            result = a + b;
            return true;
        case '-':
            result = a - b;
            return true;
        case '*':
            result = a * b;
            return true;
        case '/':
            if (b == 0.0L)
                return fail(Msg::DivisionByZero);
            result = a / b;
            return true;
        case '^':
            return power(a, b, b, result);
        case '#':
            return power(a, b, -b, result);
        default:
            return fail(Msg::SyntaxError);
        }
    }

    bool function(unsigned char f, long double y, long double& result)
    {
        const long double k = angleFactor;
        switch (f) {
        case 's':
        case 'o': {
            const long double angle = y * k;
            if (!(std::fabs(angle) < SineLimit))
                result = 0.0L;
            else
                result = f == 's' ? std::sin(angle) : std::cos(angle);
            return true;
        }
        case 'a':
            if (k == 0.0L)
                return fail(Msg::DivisionByZero);
            result = std::atan(y) / k;
            return true;
        case 'b': {
            if (std::fabs(y) > 1.0L)
                return fail(Msg::ArcOutOfRange);
            if (k == 0.0L)
                return fail(Msg::DivisionByZero);
            const long double rest = 1.0L - y * y;
            if (y == 1.0L || (rest <= 0.0L && y > 0.0L))
                result = Pi / (2.0L * k);
            else if (y == -1.0L || rest <= 0.0L)
                result = -Pi / (2.0L * k);
            else
                result = std::atan(y / std::sqrt(rest)) / k;
            return true;
        }
        case 'd': {
            if (std::fabs(y) > 1.0L)
                return fail(Msg::ArcOutOfRange);
            if (k == 0.0L)
                return fail(Msg::DivisionByZero);
            if (y == 0.0L) {
                result = Pi / (2.0L * k);
            } else if (y == -1.0L) {
                result = Pi / k;
            } else {
                result = std::atan(std::sqrt(1.0L - y * y) / y) / k;
                if (result < 0.0L)
                    result += Pi / k;
            }
            return true;
        }
        case 'c':
            if (y >= 2500.1L || y <= -2800.1L)
                return fail(Msg::Overflow);
            result = std::exp(y);
            return true;
        case 'f':
            if (y <= -2500.1L || y >= 2800.1L)
                return fail(Msg::Overflow);
            result = std::exp(-y);
            return true;
        case 'l':
            if (y <= 0.0L)
                return fail(Msg::LogarithmOfNonPositive);
            result = std::log(y);
            return true;
        case 'g':
            if (y <= 0.0L)
                return fail(Msg::LogarithmOfNonPositive);
            result = std::log10(y);
            return true;
        case 'r':
            if (y < 0.0L)
                return fail(Msg::ImaginaryNumber);
            result = std::sqrt(y);
            return true;
        case 'h':
            result = std::fabs(y);
            return true;
        default:
            return fail(Msg::SyntaxError);
        }
    }
};

// ---------------------------------------------------------------------------------------------
// The stages.

// 1. The last character must be able to end an expression.
bool endAccepted(unsigned char last)
{
    if (std::strchr("(*+,-./", last) && last != '\0')
        return false;
    if (last >= 'A' && last <= 'Z')
        return last == 'E' || last == 'I' || last == 'X';
    if (last >= 'a' && last <= 'z')
        return std::strchr("eitxy", last) != nullptr;
    return true;
}

// 2. Blanks out, upper case, names to codes, no letters left, "+" after an operator dropped.
bool translate(std::string_view text, WorkText& t)
{
    t.n = 0;
    for (const char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == ' ')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        t.c[size_t(t.n++)] = c;
    }

    struct Name {
        std::string_view name;
        unsigned char code;
    };
    static constexpr Name names[] = {
        {",", '.'},   {"ABS", 'h'}, {"ARCCOS", 'd'}, {"ARCSIN", 'b'}, {"ARCTAN", 'a'}, {"COS", 'o'},
        {"EXP-", 'f'}, {"EXP", 'c'}, {"E", 'e'},      {"^-", '#'},     {"LN", 'l'},     {"LOG", 'g'},
        {"PI", 'p'},  {"SIN", 's'}, {"SQRT", 'r'},   {"RAD", 'r'},
    };
    // Which characters occur: a name whose first character is absent needs no pass.
    std::array<bool, 256> present{};
    for (int i = 0; i < t.n; ++i)
        present[t.c[size_t(i)]] = true;
    for (const Name& n : names)
        if (present[static_cast<unsigned char>(n.name[0])])
            replaceAll(t, n.name, n.code);

    int w = 0;
    for (int i = 0; i < t.n; ++i) {
        const unsigned char c = t.c[size_t(i)];
        if (c >= 'A' && c <= 'Z')
            return false;
        if (c == '+' && w > 0 && Classes.operatorLike[t.c[size_t(w - 1)]])
            continue;
        t.c[size_t(w++)] = c;
    }
    t.n = w;
    return true;
}

// 3. Only allowed characters; no operator directly followed by a two-operand operator.
bool charactersAccepted(const WorkText& t)
{
    for (int i = 0; i < t.n; ++i) {
        const unsigned char c = t.c[size_t(i)];
        if (!Classes.allowed[c])
            return false;
        if (i + 1 < t.n && Classes.operatorLike[c] && Classes.twoOperand[t.c[size_t(i + 1)]])
            return false;
    }
    return true;
}

// 4. Implicit operators, each rule its own pass. The result is left in `t`.
bool insertImplicitOperators(WorkText& t, WorkText& spare)
{
    // Rule 1: a leading sign gets a 0 in front.
    if (t.n > 0 && (t.c[0] == '+' || t.c[0] == '-')) {
        if (t.n >= MaxExpressionLength)
            return false;
        std::memmove(&t.c[1], &t.c[0], size_t(t.n));
        t.c[0] = '0';
        ++t.n;
    }
    // Rule 2: "(" followed by a sign gets a 0 after it.
    if (!insertionPass(t, spare, 0, '0', true, [&t](int i, unsigned char c) {
            return c == '(' && i + 1 < t.n && (t.c[size_t(i + 1)] == '+' || t.c[size_t(i + 1)] == '-');
        }))
        return false;
    // Rule 3: "*" before a letter.
    if (!insertionPass(spare, t, 1, '*', false, [&spare](int i, unsigned char c) {
            return LettersTakingStar[c] && !NoStarBeforeLetter[spare.c[size_t(i - 1)]];
        }))
        return false;
    // Rule 4: "*" before a digit.
    if (!insertionPass(t, spare, 1, '*', false, [&t](int i, unsigned char c) {
            return Classes.digit[c] && !NoStarBeforeDigit[t.c[size_t(i - 1)]];
        }))
        return false;
    // Rule 5: "*" before "(".
    return insertionPass(spare, t, 1, '*', false, [&spare](int i, unsigned char c) {
        return c == '(' && !NoStarBeforeParenthesis[spare.c[size_t(i - 1)]];
    });
}

bool isStackOperator(unsigned char c)
{
    return c == '^' || c == '#' || Classes.function[c];
}

// 5. Postfix order with an operator stack whose bottom is the end marker.
bool toPostfix(const WorkText& t, std::array<Token, MaxPostfixTokens>& out, int& count)
{
    constexpr unsigned char EndMarker = '\0';
    std::array<unsigned char, MaxExpressionLength + 1> stack;
    int top = 0;
    stack[0] = EndMarker;
    count = 0;

    auto output = [&out, &count](TokenKind kind, unsigned char code, long double value) {
        if (count >= MaxPostfixTokens)
            return false;
        out[size_t(count++)] = Token{kind, code, value};
        return true;
    };
    auto outputOperator = [&output](unsigned char c) {
        return output(Classes.function[c] ? TokenKind::Function : TokenKind::Operator, c, 0.0L);
    };

    int i = 0;
    while (i < t.n) {
        const unsigned char c = t.c[size_t(i)];
        if (Classes.operand[c]) {
            const int start = i;
            while (i < t.n && Classes.operand[t.c[size_t(i)]])
                ++i;
            const int len = i - start;
            if (len > MaxOperandLength)
                return false;
            long double value = 0.0L;
            const bool number = readOperand(&t.c[size_t(start)], len, value);
            if (!output(number ? TokenKind::Number : TokenKind::BadOperand, 0, value))
                return false;
            continue;
        }
        ++i;
        if (c == '(' || isStackOperator(c)) {
            stack[size_t(++top)] = c;
        } else if (c == '*' || c == '/') {
            while (isStackOperator(stack[size_t(top)]) || stack[size_t(top)] == '*' || stack[size_t(top)] == '/')
                if (!outputOperator(stack[size_t(top--)]))
                    return false;
            stack[size_t(++top)] = c;
        } else if (c == '+' || c == '-') {
            while (isStackOperator(stack[size_t(top)]) || Classes.twoOperand[stack[size_t(top)]])
                if (!outputOperator(stack[size_t(top--)]))
                    return false;
            stack[size_t(++top)] = c;
        } else if (c == ')') {
            while (stack[size_t(top)] != '(') {
                if (stack[size_t(top)] == EndMarker)
                    return false;
                if (!outputOperator(stack[size_t(top--)]))
                    return false;
            }
            --top;
        } else {
            return false;
        }
    }
    while (stack[size_t(top)] != EndMarker) {
        if (stack[size_t(top)] == '(')
            return false;
        if (!outputOperator(stack[size_t(top--)]))
            return false;
    }
    return true;
}

// 6. Operands minus two-operand operators must be 1.
bool operandCountAccepted(const std::array<Token, MaxPostfixTokens>& tokens, int count)
{
    int balance = 0;
    for (int i = 0; i < count; ++i) {
        const Token& token = tokens[size_t(i)];
        if (token.kind == TokenKind::Number)
            ++balance;
        else if (token.kind == TokenKind::Operator)
            --balance;
    }
    return balance == 1;
}

// 7. The value stack.
bool evaluatePostfix(const std::array<Token, MaxPostfixTokens>& tokens, int count, Evaluator& ev,
                     long double& result)
{
    std::array<long double, MaxPostfixTokens> stack;
    int size = 0;
    for (int i = 0; i < count; ++i) {
        const Token& token = tokens[size_t(i)];
        long double value = 0.0L;
        switch (token.kind) {
        case TokenKind::Number:
            value = token.value;
            break;
        case TokenKind::BadOperand:
            return ev.fail(Msg::SyntaxError);
        case TokenKind::Operator:
            if (size < 2)
                return ev.fail(Msg::SyntaxError);
            size -= 2;
            if (!ev.binary(token.code, stack[size_t(size)], stack[size_t(size + 1)], value))
                return false;
            break;
        case TokenKind::Function:
            if (size < 1)
                return ev.fail(Msg::SyntaxError);
            --size;
            if (!ev.function(token.code, stack[size_t(size)], value))
                return false;
            break;
        }
        // A value too large for the extended type (or no number at all) stops here.
        if (!std::isfinite(value))
            return ev.fail(Msg::Overflow);
        stack[size_t(size++)] = value;
    }
    if (size != 1)
        return ev.fail(Msg::SyntaxError);
    result = stack[0];
    return true;
}

}  // namespace

Evaluation EvaluateExpression(std::string_view text, float angleFactor)
{
    Evaluator ev;
    ev.angleFactor = angleFactor;
    WorkText t;
    WorkText spare;
    std::array<Token, MaxPostfixTokens> tokens;
    int count = 0;
    long double result = 0.0L;

    const bool ok = !text.empty() && text.size() <= size_t(MaxExpressionLength) &&
                    (endAccepted(static_cast<unsigned char>(text.back())) || ev.fail(Msg::SyntaxError)) &&
                    (translate(text, t) || ev.fail(Msg::SyntaxError)) &&
                    (charactersAccepted(t) || ev.fail(Msg::SyntaxError)) &&
                    (insertImplicitOperators(t, spare) || ev.fail(Msg::SyntaxError)) &&
                    (toPostfix(t, tokens, count) || ev.fail(Msg::SyntaxError)) &&
                    (operandCountAccepted(tokens, count) || ev.fail(Msg::SyntaxError)) &&
                    evaluatePostfix(tokens, count, ev, result);
    if (!ok)
        return {false, 0.0L, ev.error ? ev.error : Msg::SyntaxError};
    return {true, result, {}};
}

Evaluation EvaluateExpression(std::u16string_view text, float angleFactor)
{
    if (text.size() > size_t(MaxExpressionLength))
        return {false, 0.0L, Msg::SyntaxError};
    // Characters beyond the 8-bit range become one that no expression may contain.
    char bytes[MaxExpressionLength];
    for (size_t i = 0; i < text.size(); ++i)
        bytes[i] = text[i] <= 0xFF ? static_cast<char>(text[i]) : '?';
    return EvaluateExpression(std::string_view(bytes, text.size()), angleFactor);
}

}  // namespace app
