#include "language_samples.h"

#include <QFile>

#include "platform/text_codec.h"
#include "shell/settings_file.h"

QStringList sampleLanguageLines()
{
    QStringList lines;
    for (int n = 0; n < 171; ++n) {
        const QString prefix = QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
        if (n == 82)
            lines.append(QStringLiteral("82= menu check"));
        else if (n >= 153)
            lines.append(prefix + QStringLiteral(" t%1").arg(n));
        else
            lines.append(prefix + QStringLiteral("t%1").arg(n));
    }
    lines[83] = QStringLiteral("083Spagnolo");
    lines[84] = QStringLiteral("084Spanish");
    lines[85] = QStringLiteral("085Espagnol");
    lines[86] = QStringLiteral("086Español");
    return lines;
}

QByteArray languageFileBytes(const QStringList& lines, const char* lineBreak)
{
    return TextCodec::encodeWindows1252(lines.join(QString::fromLatin1(lineBreak)));
}

QByteArray settingsRecord(bool hints, int language, const QByteArray& fileName)
{
    return app::SettingsRecord{hints, static_cast<unsigned char>(language), fileName}.toBytes();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
