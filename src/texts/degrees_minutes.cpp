#include "texts/degrees_minutes.h"

#include <QRegularExpression>
#include <cmath>

#include "maths/evaluator.h"
#include "texts/text_tables.h"

namespace triangles {

QString numberText(double value)
{
    if (!std::isfinite(value)) return QString::number(value);
    if (value == 0) return QStringLiteral("0");
    if (std::fabs(value) < 1e6 && std::fabs(value) >= 1e-4) {
        const int decimals = std::max(0, 5 - int(std::floor(std::log10(std::fabs(value)))));
        QString text = QString::number(value, 'f', decimals);
        if (text.contains('.')) {
            while (text.endsWith('0'))
                text.chop(1);
            if (text.endsWith('.')) text.chop(1);
        }
        return text == "-0" ? QStringLiteral("0") : text;
    }
    return QString::number(value, 'g', 6);
}

QString decimalDegreesText(double degrees)
{
    QString text = QString::number(degrees, 'f', 4);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    if (text == "-0") text = "0";
    return text + QStringLiteral("°");
}

QString degreesMinutesText(double degrees)
{
    const long long minutes = std::llround(std::fabs(degrees) * 60);
    return QString(degrees < 0 && minutes ? "-" : "") + QString::number(minutes / 60) + QStringLiteral("°") +
           QString::number(minutes % 60) + QStringLiteral("′");
}

QString angleText(double degrees)
{
    return decimalDegreesText(degrees) + " (" + degreesMinutesText(degrees) + ")";
}

Reading readPart(const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty()) return {true, std::nan(""), {}};
    static const QRegularExpression dm(
        QStringLiteral(R"(^([+-]?)\s*(\d{1,9}(?:\.\d{1,9})?)\s*°\s*(?:(\d{1,9}(?:\.\d{1,9})?)\s*['′])?$)"));
    const QRegularExpressionMatch m = dm.match(text);
    if (m.hasMatch()) {
        const double minutes = m.captured(3).isEmpty() ? 0 : m.captured(3).toDouble();
        if (minutes >= 60)
        {
            static const char* const message[] = {"I minuti vanno da 0 a 59.", "Minutes go from 0 to 59.",
                                                  "Les minutes vont de 0 à 59."};
            return {false, 0, QString::fromUtf8(message[app::CurrentLanguage <= 2 ? app::CurrentLanguage : 1])};
        }
        const double value = m.captured(2).toDouble() + minutes / 60;
        return {true, m.captured(1) == "-" ? -value : value, {}};
    }
    // Degrees whatever unit the calculator is set to: the triangle's angles are in degrees.
    const app::Evaluation e = app::EvaluateExpression(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())),
        app::DegreesAngleFactor);
    if (!e.ok) return {false, 0, QString::fromLatin1(e.message.data(), qsizetype(e.message.size()))};
    return {true, double(e.value), {}};
}

}  // namespace triangles
