#include "texts/sum_text.h"

#include <QRegularExpression>
#include <cmath>

namespace app {

namespace {

const QString Minus = QStringLiteral("\u2212");

// Whether `text` is one factor: nothing outside a pair of parentheses or a single product,
// so that a sign in front of it needs no parentheses.
bool oneFactor(const QString& text)
{
    int depth = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('('))
            ++depth;
        else if (c == QLatin1Char(')'))
            --depth;
        else if (depth == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')) && i > 0 &&
                 text[i - 1] != QLatin1Char('E') && text[i - 1] != QLatin1Char('*') && text[i - 1] != QLatin1Char('/'))
            return false;
    }
    return true;
}

// The evaluator's text (spaces taken out, upper case) in the exercises' notation.
QString written(const QString& text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (text.mid(i, 4) == QLatin1String("SQRT")) {
            out += QStringLiteral("√");
            i += 3;
            // √3 for a plain number; √(…) otherwise.
            static const QRegularExpression number(QStringLiteral("^\\((\\d+(?:\\.\\d+)?)\\)"));
            const QRegularExpressionMatch m = number.match(text.mid(i + 1));
            if (m.hasMatch()) {
                out += m.captured(1);
                i += m.capturedLength(0);
            }
        } else if (text.mid(i, 2) == QLatin1String("PI")) {
            out += QStringLiteral("π");
            ++i;
        } else if (c == QLatin1Char('*')) {
            // 2√3, 2π; a dot between two numbers.
            const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
            if (!(next == QLatin1Char('S') || next == QLatin1Char('P') || next == QLatin1Char('(')))
                out += QStringLiteral("·");
        } else if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            const bool unary = out.isEmpty() || out.endsWith(QLatin1Char('(')) || out.endsWith(QLatin1Char('/')) ||
                               out.endsWith(QStringLiteral("·"));
            if (unary)
                out += c == QLatin1Char('-') ? Minus : QString();
            else
                out += c == QLatin1Char('-') ? QStringLiteral(" ") + Minus + QStringLiteral(" ") : QStringLiteral(" + ");
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

QString sumText(const std::vector<SumTerm>& terms)
{
    QString text;
    for (const SumTerm& t : terms) {
        if (t.magnitude.isEmpty())
            continue;
        QString body = t.magnitude;
        if (!t.function.isEmpty())
            body = body == QLatin1String("1") ? t.function : body + QLatin1Char(' ') + t.function;
        if (text.isEmpty())
            text = (t.negative ? Minus : QString()) + body;
        else
            text += (t.negative ? QStringLiteral(" ") + Minus + QStringLiteral(" ") : QStringLiteral(" + ")) + body;
    }
    return text.isEmpty() ? QStringLiteral("0") : text;
}

SumTerm typedTerm(const QString& expression)
{
    QString text = expression.toUpper();
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    static const QRegularExpression allowed(QStringLiteral("^(?:[0-9.+\\-*/()]|SQRT|PI)+$"));
    if (text.isEmpty() || !allowed.match(text).hasMatch())
        return {};
    SumTerm term;
    // A leading minus before one factor is the term's sign: -(SQRT(3)+SQRT(2)), -SQRT(3).
    if (text.startsWith(QLatin1Char('-')) && oneFactor(text.mid(1))) {
        term.negative = true;
        text.remove(0, 1);
    }
    term.magnitude = written(text);
    if (!oneFactor(text))
        term.magnitude = QLatin1Char('(') + term.magnitude + QLatin1Char(')');
    return term;
}

QString decimalMagnitude(long double value, bool* exact)
{
    const long double magnitude = std::fabs(value);
    QString text = QString::number(double(magnitude), 'f', 5);
    if (exact)
        *exact = std::fabs(text.toDouble() - double(magnitude)) <= 1e-12 * std::max(1.0, double(magnitude));
    while (text.contains(QLatin1Char('.')) && (text.endsWith(QLatin1Char('0')) || text.endsWith(QLatin1Char('.'))))
        text.chop(1);
    return text;
}

}  // namespace app
