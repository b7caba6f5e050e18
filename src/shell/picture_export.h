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

// How the picture looks: for paper (a white ground, dark lines and texts, the colours of the
// paper palette, lines in points and texts of at least 8 pt) or as on screen. Both are the
// window's one paint(), the paper look through the paper palette (see paintPicture).
enum class Look { Paper, Screen };
// The look a file type takes unless chosen: as on screen for PNG, for paper for SVG and PDF.
Look defaultLook(FileType type);

// The picture as it leaves the screen: the parts of the window's client area that hold what is
// drawn (ChildWindow::pictureParts) side by side with a small gap between them, in picture units
// (the client's pixels). pictureSize is the size they take together.
QSize pictureSize(const ChildWindow& window);
// Draws them with the painter's top-left corner at the picture's, on the look's ground. For
// the paper look `unitsPerPoint` is how many of the painter's logical units make a point on
// the output before the painter's own transform (96/72 for an image, an SVG drawing and a page
// at 96 dpi).
void paintPicture(QPainter& painter, const ChildWindow& window, Look look, qreal unitsPerPoint = 96.0 / 72.0);

// The picture at the window's device pixel ratio times `factor`.
QImage pictureImage(const ChildWindow& window, qreal factor = 1, Look look = Look::Screen);
// The page's title line: the window's title with the equation or inequality it states.
QString pageTitle(const ChildWindow& window);
// The printed page inside `page` (device coordinates): the title line, the picture scaled to
// the page's width, and the result lines below it as text.
void paintPage(QPainter& painter, const ChildWindow& window, const QRectF& page, Look look = Look::Paper);

// The file type a name asks for by its extension: .svg, .pdf, and for .png `chosen` when it is
// one of the two PNG types, Png otherwise. None for any other extension.
std::optional<FileType> fileTypeFor(const QString& path, FileType chosen);
// Writes the file in the type's own look or in `look`. Returns the message to show, empty when
// the file was written.
QString saveFile(const ChildWindow& window, const QString& path, FileType type);
QString saveFile(const ChildWindow& window, const QString& path, FileType type, Look look);
// The picture and the result lines on the clipboard, as an image and as plain text.
void copyToClipboard(const ChildWindow& window);

// The commands of the main window's File menu and of the picture's menu, with their dialogs
// and messages. A cancelled dialog does nothing.
void savePictureCommand(ChildWindow* window);
void printCommand(ChildWindow* window);
void copyCommand(ChildWindow* window);

// Where the save dialog comes from: it is given the window, the proposed path, file type and
// look, and returns the chosen path (empty when cancelled), setting the chosen type and look.
using FileChooser =
    std::function<QString(ChildWindow* window, const QString& proposed, FileType& type, Look& look)>;
void setFileChooser(FileChooser chooser);

}  // namespace app::PictureExport
