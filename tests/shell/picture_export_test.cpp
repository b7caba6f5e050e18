// Saving, printing and copying a topic window's picture and result lines.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrinterInfo>
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
#include "common/test_support.h"
#include "graphs/tftrigon.h"
#include "shell/picture_export.h"
#include "shell/window_registry.h"
#include "solvers/frame/solver_window.h"

using app::PictureExport::FileType;

namespace {

solvers::SolverWindow* openSolver(app::Tangolario& main, const char* item, int slot)
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
QString saveAnswering(app::ChildWindow* window, const QString& path, FileType type)
{
    app::PictureExport::setFileChooser([&](app::ChildWindow*, const QString&, FileType& chosen) { return chosen = type, path; });
    QString message;  // the message box, when one comes, is read and closed
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            message = box->text(), box->accept();
    });
    watch.start(5);
    app::PictureExport::savePictureCommand(window);
    app::PictureExport::setFileChooser(nullptr);
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
        ASSERT_EQ(app::PictureExport::saveFile(*window, path, FileType::Svg), QString());
        EXPECT_TRUE(fileBytes(path).contains("<text") && !fileBytes(path).contains("<image"));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        const QImage shown = window->surface().copy(QRect(QPoint(0, 0), window->client()->size()));
        QImage drawn(shown.size(), QImage::Format_RGB32);
        drawn.fill(Qt::black);
        renderer.render(std::make_unique<QPainter>(&drawn).get());
        // The lit pixels of either picture have a pixel lit in the same colours beside them in
        // the other: the renderer smooths a line of one pixel over two.
        auto unmatched = [](const QImage& from, const QImage& to) {
            auto on = [](const QColor& c) { return std::array{c.red() >= 50, c.green() >= 50, c.blue() >= 50}; };
            int lit = 0, alone = 0;
            for (int y = 1; y < from.height() - 1; ++y)
                for (int x = 1; x < from.width() - 1; ++x) {
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
    }
}

// Every topic window, after a step of its own, saves its picture as PNG and SVG and its page as
// PDF with every result line in it; a right click on the picture opens the picture's menu.
TEST(PictureExport, EveryTopicWindowSavesPrintsAndRightClicks)
{
    const bool canRead = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (const app::TopicWindow& topic : app::topicWindows()) {
        SCOPED_TRACE(topic.menuItem);
        app::ChildWindow* window = main->openTopicWindow(topic.slot);
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
            EXPECT_EQ(app::PictureExport::saveFile(*window, base + extension, type), QString()) << extension;
        EXPECT_EQ(QImage(base + ".png").size(), window->pictureArea().size());
        EXPECT_TRUE(QSvgRenderer(base + ".svg").isValid());
        const QString page = pdfText(base + ".pdf").simplified();
        for (const QString& line : lines)
            EXPECT_TRUE(!canRead || page.contains(line.simplified())) << line.toStdString();
        // The click lands on whatever stands there, and reaches the picture through it.
        const QPoint onPicture(window->client()->width() / 4, window->client()->height() / 2);
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

// Copy (Ctrl+C, or the picture's menu) puts the picture and the lines on the clipboard; the
// commands are greyed while no topic window is open. Print, in Italian, with no printer: the
// dialog offers the PDF file at once, and its one page holds the title and every line as text.
TEST(PictureExport, CopyAndPrintCarryTheResultLines)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    main->activateWindow();
    EXPECT_FALSE(main->menuItem("SavePictureItem")->isEnabled() || main->menuItem("PrintItem")->isEnabled() ||
                 main->menuItem("CopyItem")->isEnabled());
    auto* window = openSolver(*main, "Equazionidi2secondogrado1", 28);
    ASSERT_NE(window, nullptr);
    QTest::keyClick(main.get(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), window->client()->size());
    EXPECT_EQ(data->text(), QStringLiteral("a (sin x)^2 + b sin x + c = 0\n"
                                           "sin x1 = 1.00000\nx1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "x1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "sin x2 = 0.50000\nx2 = 30° + k 360°\nx2 = π/6 + 2Kπ\n"
                                           "x2 = 150° + k 360°\nx2 = 5π/6 + 2Kπ"));
    QApplication::clipboard()->clear();
    window->pictureMenu()->findChild<QAction*>("copyPicture")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->text().startsWith(QStringLiteral("a (sin x)^2")));

    main->Italiano1Click();
    EXPECT_FALSE(main->menuItem("CopyItem")->isEnabled());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a printer is installed: the dialog would not offer the PDF file by itself";
    window = openSolver(*main, "Equazionidi2secondogrado1", 28);
    // A picture saved first makes its folder the one the print dialog proposes.
    ASSERT_EQ(saveAnswering(window, scratch.file("first.png"), FileType::Png), QString());
    whenModalShown([](QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    main->menuItem("PrintItem")->trigger();
    const QString page = pdfText(scratch.file("Equazioni di secondo grado.pdf"));
    EXPECT_EQ(page.count(QLatin1Char('\f')), 1);
    const QStringList lines = window->resultLines();
    EXPECT_EQ(lines.size(), 11);
    for (const QString& line : QStringList{QStringLiteral("Equazioni di secondo grado")} + lines)
        EXPECT_TRUE(page.simplified().contains(line.simplified())) << line.toStdString();
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
    EXPECT_TRUE(message.startsWith("The picture could not be saved in\n" + locked + "/sin.svg\n\n"));
    EXPECT_TRUE(QDir(locked).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    // A full disk: the file may not grow past 4 kB while the command runs.
    ASSERT_TRUE(writeBytes(scratch.file("old.png"), "an earlier picture"));
    message = (FileSizeLimit(4096), saveAnswering(window, scratch.file("old.png"), FileType::PngTwice));
    EXPECT_TRUE(message.startsWith(QStringLiteral("The picture could not be saved in\n"))) << qPrintable(message);
    EXPECT_EQ(fileBytes(scratch.file("old.png")), QByteArray("an earlier picture"));

    // Cancelled: no message, nothing written.
    EXPECT_EQ(saveAnswering(window, QString(), FileType::Png), QString());
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    // The extension decides the type; a name without one of ours takes the chosen type's.
    EXPECT_EQ(saveAnswering(window, scratch.file("drawing.SVG"), FileType::Png), QString());
    EXPECT_TRUE(fileBytes(scratch.file("drawing.SVG")).contains("<svg"));
    EXPECT_EQ(saveAnswering(window, scratch.file("twice.jpg"), FileType::PngTwice), QString());
    EXPECT_EQ(QImage(scratch.file("twice.jpg.png")).size(), window->client()->size() * 2);
}
