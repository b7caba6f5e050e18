#pragma once
// The one way the program writes a file on the user's disk. Whatever it writes (settings,
// pictures, pages, worksheets) is made in memory first and handed over here as bytes, or as a
// drawing made on a memory device; the file is then written whole or not at all:
// - only a regular file or a new name is written: a symbolic link (even one pointing nowhere),
//   a FIFO, a device, a socket or a folder at the name is refused, and nothing is opened there,
//   so nothing can block;
// - through a temporary file beside it, unbuffered, every write checked, so a full disk is seen
//   before the new file replaces the old one; on any failure the old file stays whole and no
//   temporary file is left.
#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPrintDialog;
class QPrinter;

namespace SafeFile {

// Why a file was not written.
enum class Problem {
    None,
    SymbolicLink,    // what stands at the name, refused
    Fifo,
    Device,
    Folder,
    NotRegularFile,  // a socket or anything else but a regular file
    NotMade,         // the content could not be made (the drawing or the encoder failed)
    Failed,          // the system refused or failed: `systemReason` says why (a full disk, ...)
};

struct Result {
    Problem problem = Problem::None;
    QString systemReason;  // the system's words for Failed, e.g. "No space left on device"

    explicit operator bool() const { return problem == Problem::None; }
};

// What stands at `path` that is refused (checked without following a link); None when nothing or
// a regular file is there.
Problem refusalAt(const QString& path);

// Writes `bytes` as the whole file at `path`.
Result write(const QString& path, const QByteArray& bytes);
// Writes what `produce` makes on a memory device; nothing is written when it returns false.
Result write(const QString& path, const std::function<bool(QIODevice& device)>& produce);

// Draws pages: the painter is active on the device (a PDF writer or a printer), whose page layout
// and resolution are set; newPage() on the device starts the next page.
using PageDrawer = std::function<void(QPainter& painter, QPagedPaintDevice& device)>;

struct PdfSetup {
    QPageLayout layout;  // the PDF writer's own (A4) when not valid
    int resolution = 96;
    QString title;
    QString creator;
};

// Writes a PDF document of the pages `draw` draws.
Result writePdf(const QString& path, const PdfSetup& setup, const PageDrawer& draw);

// Prints the pages on `printer` as its print dialog left it. A printer whose output is a file
// writes nothing itself: the pages go through writePdf to that file. NotMade when a real printer
// could not print them.
Result print(QPrinter& printer, const PageDrawer& draw);
// True when `printer` prints into a file (print() then writes it).
bool printsToFile(const QPrinter& printer);
// Makes the print dialog of `printer` propose printing into the PDF file at `path`.
void offerPdfFile(QPrinter& printer, const QString& path);
// Runs a print dialog (instead of exec()); true when accepted. Qt's own check of the file name
// opens the file for appending, which waits for ever on a FIFO and makes the file a dangling link
// points to: a name refused here skips that check, and print() then says why it is refused.
bool execPrintDialog(QPrintDialog& dialog);

}  // namespace SafeFile
