#pragma once
// Language files (".lng"): exactly 171 lines of 8-bit text that fill slot 3 of the text tables.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace app {

inline constexpr int LanguageFileLines = 171;
inline constexpr int LanguageCheckLine = 82;
// No real language file comes near this size; larger files are refused without being read.
inline constexpr qint64 LanguageFileMaxBytes = 1024 * 1024;

// True when the file name's extension (from its last "." on) is exactly ".lng".
bool hasLanguageExtension(const QString& path);
// Splits text into lines ending at CR LF, LF or CR; a final line break adds no empty line.
QStringList splitLines(const QString& text);
// True when the lines are a language file: exactly 171 lines and line 82 with "m" as 5th character.
bool isLanguageFile(const QStringList& lines);
// Reads a file's lines when it is a language file; nothing when it cannot be read, is not a
// regular file or is refused.
// (The extension is not looked at here.)
std::optional<QStringList> readLanguageFile(const QString& path);
// The same for a file's bytes (Windows-1252 text).
std::optional<QStringList> parseLanguageFile(const QByteArray& bytes);
// Fills slot 3 of the tables (and MenuTexts row 31, all four slots) from a language file's lines.
void fillTablesFromLanguageLines(const QStringList& lines);
// The text a language file line carries: the line without its first 3 characters.
QString languageLineText(const QString& line);
// The path of the flag picture of a language file: the same path with the extension ".bmp".
QString flagPicturePath(const QString& languageFile);
// Flag pictures are shown at 16 x 16; larger than 256 x 256 they are refused before decoding.
inline constexpr int FlagSide = 16;
inline constexpr int FlagPictureMaxSide = 256;
// Reads a flag picture (a bitmap) and makes it 16 x 16, keeping its proportions; a null image
// when it cannot be read, is not a regular file or is larger than 256 x 256.
QImage readFlagPicture(const QString& path);

}  // namespace app
