#include "shell/settings_file.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/file_access.h"
#include "platform/safe_file.h"
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
    return bool(SafeFile::write(path, record.toBytes()));
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
