#include "shell/settings_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include "platform/file_access.h"
#include "platform/text_codec.h"

namespace app {

QByteArray SettingsRecord::toBytes() const
{
    QByteArray bytes(SettingsRecordSize, '\0');
    const QByteArray name = fileName.left(SettingsNameMax);
    bytes[0] = hints ? 1 : 0;
    bytes[1] = char(language);
    bytes[2] = char(name.size());
    for (int i = 0; i < name.size(); ++i)
        bytes[3 + i] = name[i];
    return bytes;
}

std::optional<SettingsRecord> SettingsRecord::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() != SettingsRecordSize)
        return std::nullopt;
    const auto language = static_cast<unsigned char>(bytes[1]);
    const auto length = static_cast<unsigned char>(bytes[2]);
    if (language > 6 || length > SettingsNameMax)
        return std::nullopt;
    SettingsRecord record;
    record.hints = bytes[0] != 0;
    record.language = language;
    record.fileName = bytes.mid(3, length);
    return record;
}

std::optional<SettingsRecord> readSettingsFile(const QString& path)
{
    QFile file;
    if (!FileAccess::openRegularFile(file, path))
        return std::nullopt;
    // A file of several records is read by its first one; a shorter file holds none.
    const QByteArray bytes = file.read(SettingsRecordSize);
    return SettingsRecord::fromBytes(bytes);
}

bool writeSettingsFile(const QString& path, const SettingsRecord& record)
{
    // Only a regular file or a new one is written: never through a symbolic link (which would
    // replace what it points at), nor over a FIFO, a device or anything else.
    if (!FileAccess::mayReplace(path))
        return false;
    // Unbuffered, so that a failing write (a full disk) is seen here, before the new file
    // replaces the old one; a buffered write could fail only at the commit, unnoticed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray bytes = record.toBytes();
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray encodeFileName(const QString& name)
{
    // Windows-1252 unless the name would then read back as something else (a 1252 name that
    // happens to be valid UTF-8, such as "Ã©"); UTF-8 otherwise.
    bool ok = false;
    QByteArray bytes = TextCodec::encodeWindows1252(name, &ok);
    return ok && decodeFileName(bytes) == name ? bytes : name.toUtf8();
}

QString decodeFileName(const QByteArray& bytes)
{
    // A name with multi-byte UTF-8 sequences that decode cleanly was written as UTF-8.
    bool ascii = true;
    for (char c : bytes)
        ascii = ascii && (static_cast<unsigned char>(c) < 0x80);
    if (!ascii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
    }
    return TextCodec::decodeWindows1252(bytes);
}

}  // namespace app
