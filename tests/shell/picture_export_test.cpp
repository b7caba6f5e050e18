// Saving, printing and copying a topic window's picture and result lines.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/mount.h>
#include <unistd.h>

#include "app/main_window.h"
#include "app/topic_windows.h"
#include "common/test_support.h"
#include "graphs/tftrigon.h"
#include "platform/safe_file.h"
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
    app::PictureExport::setFileChooser([&](app::ChildWindow*, const QString&, FileType& chosen, app::PictureExport::Look&) { return chosen = type, path; });
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

// The SVG as on screen is a drawing (no embedded bitmap) that, rendered at its size, shows the
// rays, level lines, arcs and markers where the window's picture shows them.
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
        ASSERT_EQ(app::PictureExport::saveFile(*window, path, FileType::Svg, app::PictureExport::Look::Screen), QString());
        EXPECT_TRUE(fileBytes(path).contains("<text") && !fileBytes(path).contains("<image"));
        QSvgRenderer renderer(path);
        ASSERT_TRUE(renderer.isValid());
        const QImage shown = app::PictureExport::pictureImage(*window).convertToFormat(QImage::Format_RGB32);
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
        EXPECT_EQ(QImage(base + ".png").size(), app::PictureExport::pictureSize(*window));
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
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), app::PictureExport::pictureSize(*window));
    EXPECT_EQ(data->text(), QStringLiteral("(sin x)^2 − 1.5 sin x + 0.5 = 0\n"
                                           "sin x1 = 1.00000\nx1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "x1 = 90° + k 360°\nx1 = π/2 + 2Kπ\n"
                                           "sin x2 = 0.50000\nx2 = 30° + k 360°\nx2 = π/6 + 2Kπ\n"
                                           "x2 = 150° + k 360°\nx2 = 5π/6 + 2Kπ"));
    QApplication::clipboard()->clear();
    window->pictureMenu()->findChild<QAction*>("copyPicture")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->text().startsWith(QStringLiteral("(sin x)^2 − 1.5")));

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
    EXPECT_EQ(QImage(scratch.file("twice.jpg.png")).size(), app::PictureExport::pictureSize(*window) * 2);
}

namespace {

struct SolverCase {
    const char* item;
    int slot;
    int function;
    std::array<long double, 3> coefficients;
    int angle;
    const char* statement;
};

// The six solver windows, each with an equation or inequality of its own.
const SolverCase solverCases[] = {
    {"Equazionielementari1", 6, solvers::Sine, {}, 25, "sin x = 0.42262, α = 25°"},
    {"Disequazionielementari1", 9, solvers::Cosine, {}, 60, "cos x ≥ 0.5, α = 60°"},
    {"Equazionidi2secondogrado1", 28, solvers::Sine, {2, -3, 1}, 0, "2 (sin x)^2 − 3 sin x + 1 = 0"},
    {"Disquazionidisecondogrado1", 29, solvers::Sine, {2, -3, 1}, 0, "2 (sin x)^2 − 3 sin x + 1 ≥ 0"},
    {"Equazionilineari1", 30, solvers::Sine, {1, -1, 0.5}, 0, "sin x − cos x + 0.5 = 0"},
    {"Disequazionilineari1", 31, solvers::Sine, {1.5, 1, -0.25}, 0, "1.5 sin x + cos x − 0.25 ≥ 0"},
};

// The share of a page's pixels that are not white (any channel below 250), read from the page
// rendered at 50 dpi; negative when it cannot be rendered.
double inkShare(const QString& pdf)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), pdf, pdf});
    if (!render.waitForFinished() || render.exitCode() != 0)
        return -1;
    const QImage page = QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    if (page.isNull())
        return -1;
    qint64 ink = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y);
            ink += std::min({qRed(c), qGreen(c), qBlue(c)}) < 250;
        }
    return double(ink) / (qint64(page.width()) * page.height());
}

}  // namespace

// Every solver window's printed page for paper: its title carries the equation with its values,
// the text holds every result line, and at most an eighth of the page takes ink. The SVG's title
// and the copy's first line carry the same equation.
TEST(PictureExport, EachSolverWindowPrintsForPaper)
{
    const bool canRead = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
                         !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty();
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    for (const SolverCase& c : solverCases) {
        SCOPED_TRACE(c.item);
        auto* window = openSolver(*main, c.item, c.slot);
        ASSERT_NE(window, nullptr);
        window->showExercise(c.function, c.coefficients, c.angle);
        const QString statement = QString::fromUtf8(c.statement);
        EXPECT_EQ(window->statement(), statement);
        app::PictureExport::copyToClipboard(*window);
        EXPECT_EQ(QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0), statement);
        const QString base = scratch.file(window->objectName());
        ASSERT_EQ(app::PictureExport::saveFile(*window, base + ".svg", FileType::Svg), QString());
        EXPECT_TRUE(fileBytes(base + ".svg").contains("<title>" + (window->windowTitle() + ": " + statement).toUtf8()));
        // Printed to a PDF file, as the print dialog's file does.
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFileName(base + ".pdf");
        ASSERT_TRUE(SafeFile::print(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
            const int dpi = device.logicalDpiY();
            app::PictureExport::paintPage(painter, *window, QRectF(QPointF(0, 0), device.pageLayout().paintRectPixels(dpi).size()));
        }));
        if (!canRead)
            continue;
        const QString page = pdfText(base + ".pdf").simplified();
        EXPECT_TRUE(page.contains(window->windowTitle() + ": " + statement)) << page.toStdString();
        for (const QString& line : window->resultLines())
            EXPECT_TRUE(page.contains(line.simplified())) << line.toStdString();
        const double ink = inkShare(base + ".pdf");
        RecordProperty(window->objectName().toStdString(), QString::number(100 * ink, 'f', 1).toStdString());
        EXPECT_GE(ink, 0.005);
        EXPECT_LE(ink, 0.12);
        window->close();
        processEvents();
    }
    if (!canRead)
        GTEST_SKIP() << "pdftotext and pdftoppm (poppler-utils) are not installed";
}

// In grey, the two solution sets of the quadratic inequality for paper differ by more than a
// quarter of the scale: the ≥ band (t ≤ 0.5, here at t = 0.25) and the < band (0.5 < t < 1).
TEST(PictureExport, TheSetsStayApartInGrey)
{
    auto main = makeMainWindow();
    auto* window = openSolver(*main, "Disquazionidisecondogrado1", 29);
    ASSERT_NE(window, nullptr);
    window->showExercise(solvers::Sine, {2, -3, 1}, 0);
    const QImage paper = app::PictureExport::pictureImage(*window, 1, app::PictureExport::Look::Paper)
                             .convertToFormat(QImage::Format_RGB32);
    const QImage screen = app::PictureExport::pictureImage(*window).convertToFormat(QImage::Format_RGB32);
    const QList<QRect> parts = window->pictureParts();
    ASSERT_EQ(parts.size(), 2);
    const qreal ratio = paper.devicePixelRatio();
    const int height = app::PictureExport::pictureSize(*window).height();
    // The most frequent grey along a row of the graph: the band's.
    auto bandGrey = [&](const QImage& image, long double t) {
        const QRect graph = parts[1];
        const int y = int((window->geometry().graphY(t) - graph.top() + (height - graph.height()) / 2) * ratio);
        std::map<int, int> count;
        for (int x = int((parts[0].width() + 12) * ratio); x < image.width(); ++x)
            ++count[qGray(image.pixel(x, y))];
        return std::max_element(count.begin(), count.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    };
    const int greater = bandGrey(paper, 0.25L), less = bandGrey(paper, 0.75L);
    EXPECT_GE(std::abs(greater - less), 64) << greater << " " << less;
    // Paper has a white ground where the screen's is black.
    EXPECT_EQ(paper.pixel(2, 2), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(2, 2), qRgb(0, 0, 0));
}

// A copy's first line writes coefficients typed in the dialog as typed where that is shorter
// or exact, and stepped ones as decimals.
TEST(PictureExport, TheCopyStatesTypedAndSteppedCoefficients)
{
    auto main = makeMainWindow();
    const struct {
        const char* item;
        int slot;
        std::array<const char*, 3> typed;
        std::array<long double, 3> values;
        const char* first;
    } cases[] = {
        {"Disequazionilineari1", 31, {"SQRT(3)", "-1", "1"}, {std::sqrt(3.0L), -1, 1}, "√3 sin x − cos x + 1 ≥ 0"},
        {"Disequazionilineari1", 31, {"sqrt(3)", "-(SQRT(3)+SQRT(2))", "3/2"}, {std::sqrt(3.0L), -(std::sqrt(3.0L) + std::sqrt(2.0L)), 1.5},
         "√3 sin x − (√3 + √2) cos x + 1.5 ≥ 0"},
        {"Equazionidi2secondogrado1", 28, {"4", "-2*(SQRT(3)+SQRT(2))", "SQRT(6)"},
         {4, -2 * (std::sqrt(3.0L) + std::sqrt(2.0L)), std::sqrt(6.0L)}, "4 (sin x)^2 − 2(√3 + √2) sin x + √6 = 0"},
        // Typed texts that no longer give the values: the values as stepped.
        {"Equazionidi2secondogrado1", 28, {"SQRT(2)", "1", "1"}, {2, -1.25, 0}, "2 (sin x)^2 − 1.25 sin x = 0"},
        {"Equazionilineari1", 30, {"1/3", "0", "-1/2"}, {1.0L / 3, 0, -0.5}, "1/3 sin x − 0.5 = 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        auto* window = openSolver(*main, c.item, c.slot);
        ASSERT_NE(window, nullptr);
        window->formactivate();
        window->coefficients()->setExpressions({c.typed[0], c.typed[1], c.typed[2]});
        window->setCoefficients(c.values);
        app::PictureExport::copyToClipboard(*window);
        EXPECT_EQ(QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0), QString::fromUtf8(c.first));
    }
}

// The save dialog offers the look below the file type: as on screen for PNG, for paper once SVG
// is chosen; Cancel saves nothing.
TEST(PictureExport, TheSaveDialogOffersTheLook)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    auto* window = openSolver(*main, "Equazionielementari1", 6);
    ASSERT_NE(window, nullptr);
    QStringList seen;
    whenModalShown([&](QWidget* shown) {
        auto* dialog = qobject_cast<QFileDialog*>(shown);
        auto* look = shown->findChild<QComboBox*>("pictureLook");
        ASSERT_TRUE(dialog && look);
        seen << look->currentText();
        dialog->selectNameFilter(dialog->nameFilters().value(2));
        emit dialog->filterSelected(dialog->nameFilters().value(2));
        seen << look->currentText();
        dialog->reject();
    });
    app::PictureExport::savePictureCommand(window);
    EXPECT_EQ(seen, QStringList({"as on screen", "for paper"}));
}
