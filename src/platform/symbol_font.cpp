#include "platform/symbol_font.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace platform {

namespace {

QChar symbolFor(QChar latin)
{
    // Letters as the Symbol font draws them; everything else is unchanged but the minus sign.
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    const char16_t c = latin.unicode();
    if (c >= u'a' && c <= u'z')
        return QChar(lower[c - u'a']);
    if (c >= u'A' && c <= u'Z')
        return QChar(upper[c - u'A']);
    if (c == u'-')
        return QChar(u'\u2212');
    return latin;
}

}  // namespace

QString symbolFontText(const QString& latin)
{
    QString greek = latin;
    for (QChar& ch : greek)
        ch = symbolFor(ch);
    return greek;
}

QString symbolFontReading(const QString& latin)
{
    static const QString greek = QStringLiteral("ΑΒΕΖΗΙΚΜΝΟΡΤΥΧο");
    static const QString lookAlike = QStringLiteral("ABEZHIKMNOPTYXo");
    QString text = symbolFontText(latin);
    for (QChar& c : text)
        if (const qsizetype i = greek.indexOf(c); i >= 0)
            c = lookAlike.at(i);
    return text;
}

SymbolLabel::SymbolLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

QSize SymbolLabel::sizeHint() const
{
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(symbolFontText(text())) + 2 * margin() + 2, fm.height() + 2 * margin());
}

QSize SymbolLabel::minimumSizeHint() const
{
    return sizeHint();
}

void SymbolLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (autoFillBackground())
        painter.fillRect(rect(), palette().brush(backgroundRole()));
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    painter.drawText(area, int(alignment()) | Qt::TextSingleLine, symbolFontText(text()));
}

}  // namespace platform
