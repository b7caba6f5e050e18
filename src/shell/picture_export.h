#pragma once
// Saving, printing and copying what a topic window shows: its picture, drawn anew by the
// window's paint() on the device at hand (an image, an SVG drawing, a PDF page, a printer), and
// its result lines. Files are written through the safe writer (platform/safe_file), so a failed
// write leaves nothing new and any earlier file whole.
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPainter;
class QRectF;
class QWidget;

namespace app {
class ChildWindow;
}

namespace app::PictureExport {

// What a saved file holds: the picture at the window's device resolution or at twice it, the
// picture as an SVG drawing, or the printed page as PDF.
enum class FileType { Png, PngTwice, Svg, Pdf };

// The picture on a black ground at the window's device pixel ratio times `factor`.
QImage pictureImage(const ChildWindow& window, qreal factor = 1);
// The printed page inside `page` (device coordinates): the window's title, the picture scaled to
// the page's width, and the result lines below it as text.
void paintPage(QPainter& painter, const ChildWindow& window, const QRectF& page);

// The file type a name asks for by its extension: .svg, .pdf, and for .png `chosen` when it is
// one of the two PNG types, Png otherwise. None for any other extension.
std::optional<FileType> fileTypeFor(const QString& path, FileType chosen);
// Writes the file. Returns the message to show, empty when the file was written.
QString saveFile(const ChildWindow& window, const QString& path, FileType type);
// The picture and the result lines on the clipboard, as an image and as plain text.
void copyToClipboard(const ChildWindow& window);

// The commands of the main window's File menu and of the picture's menu, with their dialogs
// and messages. A cancelled dialog does nothing.
void savePictureCommand(ChildWindow* window);
void printCommand(ChildWindow* window);
void copyCommand(ChildWindow* window);

// Where the save dialog comes from: it is given the window, the proposed path and file type, and
// returns the chosen path (empty when cancelled), setting the chosen type.
using FileChooser = std::function<QString(ChildWindow* window, const QString& proposed, FileType& type)>;
void setFileChooser(FileChooser chooser);

}  // namespace app::PictureExport
