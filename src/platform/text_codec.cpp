#include "platform/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextCodec {

bool windows1252Available()
{
    QStringDecoder decoder("windows-1252");
    return decoder.isValid();
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);  // nearest built-in codec; differs only in 0x80-0x9F
    QString text = decoder.decode(bytes);
    return text;
}

QByteArray encodeWindows1252(const QString& text, bool* ok)
{
    QStringEncoder encoder("windows-1252", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid()) {
        bool latin = true;
        for (QChar ch : text)
            latin = latin && ch.unicode() < 256;
        if (ok)
            *ok = latin;
        return text.toLatin1();
    }
    QByteArray bytes = encoder.encode(text);
    if (ok)
        *ok = !encoder.hasError();
    return bytes;
}

}  // namespace TextCodec
