// Saving, printing and copying a topic window: the SVG drawing is the window's picture, the PDF
// page holds the result texts, a copy carries image and text, and a failed save loses nothing.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/mount.h>
#include <unistd.h>

#include "app/main_window.h"
#include "app/topic_windows.h"
#include "graphs/tftrigon.h"
#include "common/test_support.h"
#include "shell/child_window.h"
#include "shell/picture_export.h"
#include "shell/window_registry.h"
#include "solvers/frame/solver_window.h"
#include "texts/text_tables.h"

using PictureExport::FileType;

namespace {

solvers::SolverWindow* openSolver(Tangolario& main, const char* item, int slot)
{
    main.menuItem(QString::fromLatin1(item))->trigger();
    processEvents();
    return qobject_cast<solvers::SolverWindow*>(app::openChildWindow(slot));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves through the File menu's command with `path` as the dialog's answer; returns the message
// shown, if any.
QString saveAnswering(ChildWindow* window, const QString& path, FileType type)
{
    PictureExport::setFileChooser([&](ChildWindow*, const QString&, FileType& chosen) {
        chosen = type;
        return path;
    });
    // The message box, when there is one, is read and closed.
    QString message;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    watch.start();
    PictureExport::savePictureCommand(window);
    PictureExport::setFileChooser(nullptr);
    return message;
}

}  // namespace

// The SVG is a drawing (no embedded bitmap) that, rendered at the window's size, shows the rays,
// level lines, arcs and markers where the window shows them.
TEST(PictureExport, TheSvgOfASolverWindowIsItsPicture)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (const auto& [item, slot] : {std::pair("Equazionielementari1", 6), std::pair("Disquazionidisecondogrado1", 29),
                                     std::pair("Disequazionilineari1", 31)}) {
        SCOPED_TRACE(item);
        auto* window = openSolver(*main, item, slot);
        ASSERT_NE(window, nullptr);
        const QString path = scratch.file(QStringLiteral("%1.svg").arg(slot));
        ASSERT_EQ(PictureExport::saveFile(*window, path, FileType::Svg), QString());
        const QByteArray svg = fileBytes(path);
        EXPECT_FALSE(svg.contains("<image"));
        EXPECT_TRUE(svg.contains("<text"));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        const solvers::SolverGeometry g = window->geometry();
        QImage drawn(g.W, g.H, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QPainter painter(&drawn);
        renderer.render(&painter);
        painter.end();
        // The lit pixels of either picture (circle half and graph) have a pixel lit in the same
        // colours beside them in the other: the renderer smooths a line of one pixel over two.
        const QImage shown = window->surface().copy(0, 0, g.W, g.H);
        auto unmatched = [&](const QImage& from, const QImage& to) {
            auto on = [](const QColor& c) { return std::array{c.red() >= 50, c.green() >= 50, c.blue() >= 50}; };
            int lit = 0, alone = 0;
            for (const QRect& part : {QRect(1, 1, g.W / 2 - 4, g.H - 2), QRect(g.W / 2, 1, g.W / 2 - 1, g.H / 2)})
                for (int y = part.top(); y <= part.bottom(); ++y)
                    for (int x = part.left(); x <= part.right(); ++x) {
                        const QColor want = from.pixelColor(x, y);
                        if (std::max({want.red(), want.green(), want.blue()}) < 150)
                            continue;
                        ++lit;
                        bool near = false;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx)
                                near = near || on(to.pixelColor(x + dx, y + dy)) == on(want);
                        alone += !near;
                    }
            EXPECT_GT(lit, 1000);
            return double(alone) / std::max(lit, 1);
        };
        EXPECT_LT(unmatched(shown, drawn), 0.03);
        EXPECT_LT(unmatched(drawn, shown), 0.03);
        window->close();
        processEvents();
    }
}

// Every topic window, after a step of its own, saves its picture as PNG and SVG and its page as
// PDF with every result line in it; a right click on the picture opens the picture's menu.
TEST(PictureExport, EveryTopicWindowSavesPrintsAndRightClicks)
{
    const bool canRead = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (const TopicWindow& topic : topicWindows()) {
        SCOPED_TRACE(topic.menuItem);
        ChildWindow* window = main->openTopicWindow(topic.slot);
        ASSERT_NE(window, nullptr);
        processEvents();
        if (auto* traccia = window->findChild<QToolButton*>("traccia"))
            traccia->click();
        if (auto* graphs = qobject_cast<Tftrigon*>(window))
            for (int step = 0; step < 30; ++step)
                graphs->cadenzaTimer();
        const QStringList lines = window->resultLines();
        EXPECT_FALSE(lines.isEmpty());
        const QString base = scratch.file(window->objectName());
        for (const auto& [extension, type] : {std::pair(".png", FileType::Png), std::pair(".svg", FileType::Svg),
                                              std::pair(".pdf", FileType::Pdf)})
            EXPECT_EQ(PictureExport::saveFile(*window, base + extension, type), QString()) << extension;
        EXPECT_EQ(QImage(base + ".png").size(), window->client()->size());
        EXPECT_TRUE(QSvgRenderer(base + ".svg").isValid());
        if (canRead) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), base + ".pdf", QStringLiteral("-")});
            ASSERT_TRUE(text.waitForFinished());
            const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
            for (const QString& line : lines)
                EXPECT_TRUE(page.contains(line.simplified())) << line.toStdString() << page.toStdString();
        }
        const QPoint onPicture(window->client()->width() / 4, window->client()->height() / 2);
        // The click lands on whatever stands there, and reaches the picture through it.
        QWidget* under = window->client()->childAt(onPicture);
        under = under ? under : window->client();
        QContextMenuEvent click(QContextMenuEvent::Mouse, under->mapFrom(window->client(), onPicture),
                                window->client()->mapToGlobal(onPicture));
        QApplication::sendEvent(under, &click);
        EXPECT_TRUE(window->pictureMenu()->isVisible());
        window->pictureMenu()->hide();
        window->close();
        processEvents();
    }
}

// Printed to PDF in Italian, through the print dialog (no printer: it offers the PDF file at once),
// the page is one, with the title and every result line as text.
TEST(PictureExport, ThePrintedPdfHoldsTheResultTextsOnOnePage)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed: the dialog would not offer the PDF file by itself";
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->Italiano1Click();
    auto* window = openSolver(*main, "Equazionidi2secondogrado1", 28);
    ASSERT_NE(window, nullptr);
    // A picture saved first makes its folder the one the print dialog proposes.
    ASSERT_EQ(saveAnswering(window, scratch.file("first.png"), FileType::Png), QString());
    whenModalShown([](QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    main->menuItem("PrintItem")->trigger();
    const QString pdf = scratch.file("Equazioni di secondo grado.pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    ASSERT_TRUE(info.waitForFinished());
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\n")));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    const QStringList lines = window->resultLines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines.first(), QStringLiteral("a (sin x)^2 + b sin x + c = 0"));
    for (const QString& line : QStringList{QStringLiteral("Equazioni di secondo grado")} + lines)
        EXPECT_TRUE(page.contains(line.simplified())) << line.toStdString();
}

// Copy (Ctrl+C or the picture's menu) puts the picture and the lines on the clipboard; the
// commands are greyed while no topic window is open.
TEST(PictureExport, CopyPutsThePictureAndTheResultLinesOnTheClipboard)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->activateWindow();
    for (const char* item : {"SavePictureItem", "PrintItem", "CopyItem"})
        EXPECT_FALSE(main->menuItem(item)->isEnabled()) << item;
    auto* window = openSolver(*main, "Equazionidi2secondogrado1", 28);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(main->menuItem("CopyItem")->isEnabled());
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(main.get(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), window->client()->size());
    EXPECT_EQ(data->text(), QStringLiteral("a (sin x)^2 + b sin x + c = 0\n"
                                           "sin x1 = 1.00000\nx1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "x1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "sin x2 = 0.50000\nx2 = 30° + k 360°\nx2 = π/6 + 2Kπ\n"
                                           "x2 = 150° + k 360°\nx2 = 5π/6 + 2Kπ"))
        << data->text().toStdString();
    QGuiApplication::clipboard()->clear();
    window->pictureMenu()->findChild<QAction*>("copyPicture")->trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->text().startsWith(QStringLiteral("a (sin x)^2")));
    window->close();
    processEvents();
    EXPECT_FALSE(main->menuItem("CopyItem")->isEnabled());
}

// A folder without write permission, a full disk and a cancelled dialog: a message for the
// first two, and no file made or changed.
TEST(PictureExport, AFailedSaveReportsItAndLosesNothing)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    auto* window = openSolver(*main, "Equazionielementari1", 6);
    ASSERT_NE(window, nullptr);
    const QString locked = scratch.file("locked");
    ASSERT_TRUE(QDir().mkdir(locked));
    std::shared_ptr<void> unmount;
    if (::geteuid() == 0) {
        // Root writes anywhere a mode allows nothing: a read-only file system then.
        const QByteArray where = QFile::encodeName(locked);
        if (::mount("tmpfs", where.constData(), "tmpfs", MS_RDONLY | MS_NOSUID | MS_NODEV, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a read-only tmpfs here: " << std::strerror(errno);
        unmount.reset(static_cast<void*>(nullptr), [where](void*) { ::umount2(where.constData(), MNT_DETACH); });
    } else {
        ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    }
    QString message = saveAnswering(window, locked + QStringLiteral("/sin.svg"), FileType::Svg);
    EXPECT_TRUE(message.startsWith(QStringLiteral("The picture could not be saved in\n") + locked + "/sin.svg\n\n"))
        << message.toStdString();
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());

    const QString old = scratch.file("old.png");
    ASSERT_TRUE(writeBytes(old, "an earlier picture"));
    {
        FileSizeLimit full(4096);
        message = saveAnswering(window, old, FileType::PngTwice);
    }
    EXPECT_TRUE(message.startsWith(QStringLiteral("The picture could not be saved in\n"))) << message.toStdString();
    EXPECT_EQ(fileBytes(old), QByteArray("an earlier picture"));

    // Cancelled: no message, nothing written.
    EXPECT_EQ(saveAnswering(window, QString(), FileType::Png), QString());
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // The extension decides the type; a name without one of ours takes the chosen type's.
    EXPECT_EQ(saveAnswering(window, scratch.file("drawing.SVG"), FileType::Png), QString());
    EXPECT_TRUE(fileBytes(scratch.file("drawing.SVG")).contains("<svg"));
    EXPECT_EQ(saveAnswering(window, scratch.file("twice.jpg"), FileType::PngTwice), QString());
    EXPECT_EQ(QImage(scratch.file("twice.jpg.png")).size(), window->client()->size() * 2);
}
