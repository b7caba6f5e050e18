#pragma once
// 8-bit text of the language and settings files: Windows-1252, through Qt's ICU-backed codec.
#include <QByteArray>
#include <QString>

namespace TextCodec {
QString decodeWindows1252(const QByteArray& bytes);
// Encodes text as Windows-1252; *ok is false when a character has no Windows-1252 code.
QByteArray encodeWindows1252(const QString& text, bool* ok = nullptr);
// True when the toolkit's codec for Windows-1252 is available.
bool windows1252Available();
}  // namespace TextCodec
