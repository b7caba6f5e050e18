#pragma once
// Helpers shared by the tests: a scratch current directory, the main window after its splash,
// answering modal dialogs, reading pixels.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class ChildWindow;
class Tangolario;
class QWidget;

// Runs a test in a fresh empty current directory and restores the program-wide state.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Resets the languages, tables, hints and window registry to their start values.
void resetProgramState();

// A main window past its splash (created in the current directory).
std::unique_ptr<Tangolario> makeMainWindow();

// Calls `answer` with the next modal dialog as soon as it is shown (then the caller's
// exec() returns once the dialog is done). Fails the test after 5 s without a dialog.
void whenModalShown(std::function<void(QWidget*)> answer);

// Pumps the event loop so pending paints and deferred deletions happen.
void processEvents();

// The colour of one pixel of an image, in logical coordinates.
QColor pixelAt(const QImage& image, int x, int y);

// Writes bytes to a file; true on success.
bool writeBytes(const QString& path, const QByteArray& bytes);

// A topic window's picture for `size` recorded in a QPicture (a device that takes no cached
// bitmaps and no bitwise-OR copies, as a printer or an SVG generator) and played back on a
// black image of that size.
QImage recordedPicture(const ChildWindow& window, QSize size);

// True when a pixel of the colour lies within `radius` pixels of (x, y) (logical coordinates).
bool colourNear(const QImage& image, int x, int y, const QColor& colour, int radius = 1);
