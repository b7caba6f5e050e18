// Feeds arbitrary bytes to the settings record reader: a record is read only from exactly 203
// bytes with a language slot of at most 6 and a name of at most 200 bytes; what is read writes
// back to the same record; the file name it holds decodes to text that encodes back to itself.
#include <QByteArray>
#include <QString>
#include <cstdint>

#include "shell/settings_file.h"
#include "fault.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // Every name the file could hold decodes to a name that survives writing and reading.
    const QString name = app::decodeFileName(bytes.left(app::SettingsNameMax));
    if (app::decodeFileName(app::encodeFileName(name)) != name)
        fault("a file name that changes when written back");

    const std::optional<app::SettingsRecord> record = app::SettingsRecord::fromBytes(bytes);
    if (!record)
        return 0;
    if (size != std::size_t(app::SettingsRecordSize) || record->language > 6 ||
        record->fileName.size() > app::SettingsNameMax)
        fault("a record read from bytes that hold none");
    const QByteArray written = record->toBytes();
    if (written.size() != app::SettingsRecordSize)
        fault("a record written at another size");
    const std::optional<app::SettingsRecord> again = app::SettingsRecord::fromBytes(written);
    if (!again || again->hints != record->hints || again->language != record->language ||
        again->fileName != record->fileName)
        fault("a record that reads back differently");
    return 0;
}
