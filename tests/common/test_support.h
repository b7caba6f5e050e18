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

#include <sys/resource.h>

namespace app {
class ChildWindow;
class Tangolario;
}
class QWidget;

// Runs a test in a fresh empty current directory, with fresh user folders (configuration, data,
// system data: XDG_CONFIG_HOME, XDG_DATA_HOME, XDG_DATA_DIRS), and restores the program-wide
// state. The whole test program runs in one, so no test touches the user's own files.
class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // A path under the user folders: "config", "data" and "system" are the three above.
    QString userFile(const QString& name) const { return m_user.filePath(name); }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_user;
    QString m_previous;
    QByteArray m_previousEnvironment[3];
};

// Resets the languages, tables, hints and window registry to their start values.
void resetProgramState();

// While it lives, the test program can write no file beyond `bytes` bytes: a longer write fails
// as on a full disk, even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// A main window past its splash (created in the current directory).
std::unique_ptr<app::Tangolario> makeMainWindow();

// The slot of a topic window by its class name, from its record (0 for no such window).
int topicSlot(const char* className);

// Calls `answer` with the next modal dialog as soon as it is shown (then the caller's
// exec() returns once the dialog is done). Fails the test after 5 s without a dialog.
void whenModalShown(std::function<void(QWidget*)> answer);

// Pumps the event loop so pending paints and deferred deletions happen.
void processEvents();

// The colour of one pixel of an image, in logical coordinates.
QColor pixelAt(const QImage& image, int x, int y);

// The text of a PDF as pdftotext lays it out (a form feed ends each page); empty without pdftotext.
QString pdfText(const QString& path);

// Writes bytes to a file; true on success.
bool writeBytes(const QString& path, const QByteArray& bytes);

// A topic window's picture for `size` recorded in a QPicture (a device that takes no cached
// bitmaps and no bitwise-OR copies, as a printer or an SVG generator) and played back on a
// black image of that size.
QImage recordedPicture(const app::ChildWindow& window, QSize size);

// True when a pixel of the colour lies within `radius` pixels of (x, y) (logical coordinates).
bool colourNear(const QImage& image, int x, int y, const QColor& colour, int radius = 1);
