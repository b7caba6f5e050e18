#pragma once
// The settings file: one 203-byte record (hints, language slot, language file name).
#include <QByteArray>
#include <QString>
#include <optional>

namespace app {

inline constexpr int SettingsRecordSize = 203;
inline constexpr int SettingsNameMax = 200;
inline const char* const SettingsFileName = "Angolario.cfg";

struct SettingsRecord {
    bool hints = true;
    unsigned char language = 1;
    QByteArray fileName;  // 8-bit file name, at most 200 bytes

    QByteArray toBytes() const;
    // Reads a record; nothing for a record of another size, a language above 6 or a name
    // length above 200 (such a record would point past the tables).
    static std::optional<SettingsRecord> fromBytes(const QByteArray& bytes);
};

// Reads the settings file; nothing when it cannot be opened, is not a regular file or holds no
// valid record.
std::optional<SettingsRecord> readSettingsFile(const QString& path);
// Writes the record whole or not at all (a failed write leaves the previous file), and only as a
// regular file: nothing is written where the name is a symbolic link or anything else but a
// regular file. True on success.
bool writeSettingsFile(const QString& path, const SettingsRecord& record);

// File names in the record are 8-bit text: Windows-1252 where it can hold the name, UTF-8 otherwise.
QByteArray encodeFileName(const QString& name);
QString decodeFileName(const QByteArray& bytes);

}  // namespace app
