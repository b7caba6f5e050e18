#include "platform/safe_file.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

namespace SafeFile {

namespace {

// Where a file is written: the path with its folder resolved by the system (links and "..",
// as the system would follow them), so that what is checked is exactly what is then replaced.
struct Place {
    QString path;
    Problem problem = Problem::None;
    int error = 0;  // the system's error for Failed
};

Place placeOf(const QString& path)
{
    Place place;
    if (path.isEmpty()) {
        place.problem = Problem::Failed;
        place.error = ENOENT;
        return place;
    }
    const QByteArray given = QFile::encodeName(path);
    const qsizetype slash = given.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : given.left(slash);
    const QByteArray name = given.mid(slash + 1);
    if (name.isEmpty() || name == "." || name == "..") {
        place.problem = Problem::Folder;
        return place;
    }
    char* real = ::realpath(folder.constData(), nullptr);
    if (!real) {
        place.problem = Problem::Failed;
        place.error = errno;
        return place;
    }
    QByteArray resolved(real);
    std::free(real);
    if (!resolved.endsWith('/'))
        resolved += '/';
    resolved += name;
    place.path = QFile::decodeName(resolved);
    struct stat info {};
    if (::lstat(resolved.constData(), &info) != 0) {
        if (errno != ENOENT) {
            place.problem = Problem::Failed;
            place.error = errno;
        }
        return place;
    }
    if (S_ISLNK(info.st_mode))
        place.problem = Problem::SymbolicLink;
    else if (S_ISFIFO(info.st_mode))
        place.problem = Problem::Fifo;
    else if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        place.problem = Problem::Device;
    else if (S_ISDIR(info.st_mode))
        place.problem = Problem::Folder;
    else if (!S_ISREG(info.st_mode))
        place.problem = Problem::NotRegularFile;
    return place;
}

Result failed(const QString& reason)
{
    return {Problem::Failed, reason};
}

Result resultOf(const Place& place)
{
    return {place.problem, place.error ? qt_error_string(place.error) : QString()};
}

bool drawPages(QPagedPaintDevice& device, const PageDrawer& draw)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    draw(painter, device);
    return painter.end();
}

}  // namespace

Problem refusalAt(const QString& path)
{
    const Problem problem = placeOf(path).problem;
    return problem == Problem::Failed ? Problem::None : problem;
}

Result write(const QString& path, const QByteArray& bytes)
{
    const Place place = placeOf(path);
    if (place.problem != Problem::None)
        return resultOf(place);
    // Unbuffered, so that a failing write (a full disk) is seen here: a block left in the buffer
    // would fail inside commit(), which would then put the cut file in place of the old one.
    QSaveFile file(place.path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    for (qint64 done = 0; done < bytes.size();) {
        // A write cut short by the disk filling up is followed by one that fails and says why.
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();  // the temporary file goes with `file`
            return failed(reason);
        }
        done += written;
    }
    // On the disk before it replaces the old file; a file system that cannot sync says so by
    // EINVAL or EROFS, which is no failure of this file.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString reason = qt_error_string(errno);
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {};
}

Result write(const QString& path, const std::function<bool(QIODevice& device)>& produce)
{
    // Refused before anything is made for it.
    const Place place = placeOf(path);
    if (place.problem != Problem::None)
        return resultOf(place);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !produce(buffer))
        return {Problem::NotMade, QString()};
    buffer.close();
    return write(path, bytes);
}

Result writePdf(const QString& path, const PdfSetup& setup, const PageDrawer& draw)
{
    return write(path, [&](QIODevice& device) {
        QPdfWriter writer(&device);
        writer.setResolution(setup.resolution);
        writer.setTitle(setup.title);
        writer.setCreator(setup.creator);
        if (setup.layout.isValid() && !writer.setPageLayout(setup.layout))
            return false;
        return drawPages(writer, draw);
    });
}

bool printsToFile(const QPrinter& printer)
{
    return !printer.outputFileName().isEmpty();
}

Result print(QPrinter& printer, const PageDrawer& draw)
{
    if (printsToFile(printer))
        return writePdf(printer.outputFileName(),
                        {printer.pageLayout(), printer.resolution(), printer.docName(), printer.creator()}, draw);
    if (!drawPages(printer, draw) || printer.printerState() == QPrinter::Error)
        return {Problem::NotMade, QString()};
    return {};
}

void offerPdfFile(QPrinter& printer, const QString& path)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

bool execPrintDialog(QPrintDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (buttons && name && dialog.metaObject()->indexOfMethod("_q_checkFields()") >= 0) {
        QObject::disconnect(buttons, &QDialogButtonBox::accepted, &dialog, nullptr);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, name] {
            // The dialog checks a relative name in the current folder and prints into it in the
            // home folder: both are looked at.
            const QString typed = name->text();
            const QString inHome = QDir::isRelativePath(typed) ? QDir::home().filePath(typed) : typed;
            const bool refused = name->isEnabled() && !typed.isEmpty() &&
                                 (refusalAt(typed) != Problem::None || refusalAt(inHome) != Problem::None);
            if (refused)
                dialog.accept();
            else
                QMetaObject::invokeMethod(&dialog, "_q_checkFields");
        });
    }
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace SafeFile
