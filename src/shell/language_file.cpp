#include "shell/language_file.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "platform/file_access.h"
#include "platform/text_codec.h"
#include "texts/text_tables.h"

namespace app {

bool hasLanguageExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 && name.mid(dot) == QLatin1String(".lng");
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    QString current;
    bool pending = false;  // text (or a break) seen since the last line was closed
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(current);
            current.clear();
            pending = false;
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else {
            current.append(c);
            pending = true;
        }
    }
    if (pending)
        lines.append(current);
    return lines;
}

bool isLanguageFile(const QStringList& lines)
{
    if (lines.size() != LanguageFileLines)
        return false;
    const QString& check = lines[LanguageCheckLine];
    return check.size() >= 5 && check[4] == QLatin1Char('m');
}

std::optional<QStringList> readLanguageFile(const QString& path)
{
    QFile file;
    if (!FileAccess::openRegularFile(file, path))
        return std::nullopt;
    if (file.size() > LanguageFileMaxBytes)
        return std::nullopt;
    return parseLanguageFile(file.read(LanguageFileMaxBytes + 1));
}

std::optional<QStringList> parseLanguageFile(const QByteArray& bytes)
{
    if (bytes.size() > LanguageFileMaxBytes)
        return std::nullopt;
    QStringList lines = splitLines(TextCodec::decodeWindows1252(bytes));
    if (!isLanguageFile(lines))
        return std::nullopt;
    return lines;
}

QString languageLineText(const QString& line)
{
    return line.mid(3);
}

void fillTablesFromLanguageLines(const QStringList& lines)
{
    if (!isLanguageFile(lines))
        return;
    for (int slot = 0; slot < LanguageSlots; ++slot)
        MenuTexts.set(31, slot, languageLineText(lines[83 + slot]));
    for (int row = 0; row <= 30; ++row)
        MenuTexts.set(row, 3, languageLineText(lines[87 + row]));
    for (int row = 0; row <= 32; ++row)
        CommonTexts.set(row, 3, languageLineText(lines[119 + row]));
    for (int row = 0; row <= 17; ++row) {
        // Title lines lose one more character after being stored.
        TitleTexts.set(row, 3, languageLineText(lines[153 + row]));
        TitleTexts.set(row, 3, TitleTexts.text(row, 3).mid(1));
    }
}

QString flagPicturePath(const QString& languageFile)
{
    const QFileInfo info(languageFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot >= 0 ? name.left(dot) : name;
    const QString folder = languageFile.left(languageFile.size() - name.size());
    return folder + base + QStringLiteral(".bmp");
}

QImage readFlagPicture(const QString& path)
{
    QFile file;
    if (!FileAccess::openRegularFile(file, path))
        return QImage();
    QImageReader reader(&file, "BMP");
    // The size in the header is checked before anything is decoded: a few bytes of run-length
    // encoded bitmap can claim millions of pixels.
    const auto fits = [](QSize size) {
        return size.isValid() && size.width() <= FlagPictureMaxSide && size.height() <= FlagPictureMaxSide;
    };
    if (!fits(reader.size()))
        return QImage();
    QImage picture;
    if (!reader.read(&picture) || !fits(picture.size()))
        return QImage();
    if (picture.size() == QSize(FlagSide, FlagSide))
        return picture;
    QImage flag(FlagSide, FlagSide, QImage::Format_ARGB32);
    flag.fill(Qt::transparent);
    const QImage scaled = picture.scaled(FlagSide, FlagSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&flag);
    painter.drawImage((FlagSide - scaled.width()) / 2, (FlagSide - scaled.height()) / 2, scaled);
    return flag;
}

}  // namespace app
