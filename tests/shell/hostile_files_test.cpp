// Files, disks and screens that work against the program: rich text in a language file, a full
// disk, FIFOs and links in place of its files, huge flag pictures, a screen of no size.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDataStream>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/test_support.h"
#include "expr/calculator.h"
#include "expr/coefficient_dialog.h"
#include "language_samples.h"
#include "practice/practice_window.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "shell/image_list.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "shell/notice_window.h"
#include "shell/picture_export.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "app/topic_windows.h"

using namespace app;
using app::PictureExport::FileType;

namespace {

// Every label of a window is plain text, and every tool-tip shows exactly its hint.
void expectPlainText(QWidget* window, const char* where)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->pixmap().isNull())
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << where << " " << label->objectName().toStdString();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->toolTip().isEmpty())
            continue;
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(control, &help);
        QTextDocument shown;
        shown.setHtml(QToolTip::text());
        EXPECT_EQ(Qt::mightBeRichText(QToolTip::text()) ? shown.toPlainText() : QToolTip::text(), control->toolTip())
            << where << " " << control->objectName().toStdString();
        QToolTip::hideText();
    }
}

TEST(HostileFiles, TextFromALanguageFileOrAFileNameIsShownAsPlainText)
{
    ScratchDirectory scratch;
    QStringList lines = sampleLanguageLines();
    for (int n = 83; n < 171; ++n) {
        const int skip = n >= 153 ? 4 : 3;
        lines[n] = lines[n].left(skip) + QStringLiteral("<b>") + lines[n].mid(skip) + QStringLiteral("</b>");
    }
    ASSERT_TRUE(writeBytes(scratch.file("rich.lng"), languageFileBytes(lines)));
    ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), settingsRecord(true, LoadedLanguage, "rich.lng")));
    {
        app::Tangolario splash;
        ASSERT_EQ(splash.findChild<QLabel*>("Label1")->text(), QStringLiteral("<b>t154</b>"));
        expectPlainText(&splash, "splash");
    }
    resetProgramState();
    auto main = makeMainWindow();
    ASSERT_EQ(CurrentLanguage, LoadedLanguage);
    for (const app::TopicWindow& topic : app::topicWindows()) {
        expectPlainText(main->openTopicWindow(topic.slot), topic.menuItem);
        main->Chiudetutte1Click();
        processEvents();
    }
    app::Tinfo about(main.get());
    app::TCalcola calculator(main.get());
    app::Timmettedati dialog(main.get(), {});
    app::Tversione notice(main.get(), scratch.file("<img src=none>.lng"));
    EXPECT_EQ(notice.findChild<QLabel*>("Label2")->text(), QStringLiteral("<img src=none>.lng"));
    for (QWidget* window : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&calculator),
                            static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&notice)})
        expectPlainText(window, window->objectName().toLatin1().constData());
}

// A 64 KiB tmpfs mounted on a new folder, for as long as it lives; root only.
struct SmallDisk {
    QByteArray where;
    std::string unavailable;  // why there is none

    explicit SmallDisk(const QString& folder) : where(QFile::encodeName(folder))
    {
        if (::geteuid() != 0)
            unavailable = "mounting a small full filesystem needs root";
        else if (!QDir().mkpath(folder) ||
                 ::mount("tmpfs", where.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=64k") != 0)
            unavailable = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (unavailable.empty())
            ::umount2(where.constData(), MNT_DETACH);
    }
    // Fills it with the file "filler" until not one more byte fits.
    void fill() const
    {
        QFile filler(QFile::decodeName(where) + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096 || filler.write("x", 1) == 1) {
        }
    }
};

TEST(HostileFiles, AFullDiskLeavesTheSettingsFileWhole)
{
    ScratchDirectory scratch;
    const SmallDisk disk(scratch.file("disk"));
    if (!disk.unavailable.empty())
        GTEST_SKIP() << disk.unavailable;
    const QString settings = scratch.file("disk/Angolario.cfg");
    ASSERT_TRUE(writeBytes(settings, settingsRecord(false, French)));
    disk.fill();
    readStartSettings(settings);
    ShowHints = true;
    CurrentLanguage = Italian;
    EXPECT_FALSE(writeSettingsAtClose(settings, true));
    EXPECT_EQ(fileBytes(settings), settingsRecord(false, French));
    ASSERT_TRUE(QFile::remove(scratch.file("disk/filler")));
    EXPECT_TRUE(writeSettingsAtClose(settings, true));
    EXPECT_EQ(fileBytes(settings), settingsRecord(true, Italian));
}

// Lets go of any FIFO the program opens for reading (it would wait for a writer for ever) by
// opening and closing its write end, and records that it had to.
struct FifoWatch {
    std::vector<QByteArray> paths;
    std::atomic<bool> opened{false};
    std::jthread thread{[this](std::stop_token stop) {
        while (!stop.stop_requested()) {
            for (const QByteArray& path : paths) {
                // Succeeds only while a reader has it open (or once it has become a regular file).
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                struct stat info {};
                if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode))
                    opened = true;
                if (fd >= 0)
                    ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }};
};

TEST(HostileFiles, AFifoIsTreatedAsAMissingFile)
{
    ScratchDirectory scratch;
    for (const char* name : {"Angolario.cfg", "fifo.lng", "mine.bmp"})
        ASSERT_EQ(::mkfifo(name, 0600), 0);
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    FifoWatch watch{{"Angolario.cfg", "fifo.lng", "mine.bmp"}};

    // No settings: the language stays as the locale chose it.
    CurrentLanguage = French;
    readStartSettings(QStringLiteral("Angolario.cfg"));
    EXPECT_EQ(CurrentLanguage, French);
    // Named by the settings: English, as for a missing language file.
    ASSERT_TRUE(QFile::remove(scratch.file("Angolario.cfg")));
    ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), settingsRecord(true, LoadedLanguage, "fifo.lng")));
    resetProgramState();
    auto main = makeMainWindow();
    EXPECT_EQ(CurrentLanguage, English);
    // Chosen from the menu: the notice window names it.
    main->setLanguageFileChooser([&] { return scratch.file("fifo.lng"); });
    QString named;
    whenModalShown([&](QWidget* dialog) {
        named = dialog->findChild<QLabel*>("Label2")->text();
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(named, QStringLiteral("fifo.lng"));
    // A FIFO flag picture: the language comes without a flag.
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_TRUE(main->menuItem("altra")->icon().isNull());
    EXPECT_FALSE(watch.opened);
}

TEST(HostileFiles, SettingsAreWrittenOnlyToARegularFileOrANewOne)
{
    ScratchDirectory scratch;
    // A link to a read-only file that has a second name.
    ASSERT_TRUE(writeBytes(scratch.file("target.cfg"), settingsRecord(false, French)));
    ASSERT_EQ(::link("target.cfg", "second.cfg"), 0);
    ASSERT_TRUE(QFile::setPermissions(scratch.file("target.cfg"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::link(QStringLiteral("target.cfg"), scratch.file("Angolario.cfg")));
    {
        auto main = makeMainWindow();
        EXPECT_EQ(CurrentLanguage, French);
        main->Italiano1Click();
        main->menuItem("Linguapredefinita1")->trigger();
        QString message;
        whenModalShown([&](QWidget* notice) {
            message = notice->findChild<QLabel*>("Label1")->text();
            notice->findChild<QPushButton*>("BitBtn1")->click();
        });
        main->close();
        EXPECT_EQ(message, QStringLiteral("Impossibile salvare le impostazioni in"));
    }
    EXPECT_TRUE(QFileInfo(scratch.file("Angolario.cfg")).isSymLink());
    EXPECT_EQ(fileBytes(scratch.file("second.cfg")), settingsRecord(false, French));
    EXPECT_EQ(fileBytes(scratch.file("target.cfg")), settingsRecord(false, French));
    struct stat target {}, second {};
    ASSERT_EQ(::stat("target.cfg", &target) | ::stat("second.cfg", &second), 0);
    EXPECT_EQ(target.st_ino, second.st_ino);
    EXPECT_EQ(target.st_mode & 0777, 0400u);
    // A FIFO stays a FIFO; a link to nowhere makes nothing.
    ASSERT_TRUE(QFile::remove(scratch.file("Angolario.cfg")));
    ASSERT_EQ(::mkfifo("Angolario.cfg", 0600), 0);
    EXPECT_FALSE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true));
    EXPECT_EQ(QFileInfo(scratch.file("Angolario.cfg")).size(), 0);
    ASSERT_TRUE(QFile::remove(scratch.file("Angolario.cfg")));
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere.cfg"), scratch.file("Angolario.cfg")));
    EXPECT_FALSE(writeSettingsAtClose(QStringLiteral("Angolario.cfg"), true));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("nowhere.cfg")));
}

// Holds both ends of a FIFO open, so that nothing opening it can block, and counts the opens of
// it by anyone else.
struct FifoOpens {
    const QByteArray path;
    const int ends[3] = {::open(path.constData(), O_RDONLY | O_NONBLOCK),
                         ::open(path.constData(), O_WRONLY | O_NONBLOCK), ::inotify_init1(IN_NONBLOCK)};
    const int watch = ::inotify_add_watch(ends[2], path.constData(), IN_OPEN);
    ~FifoOpens() { std::for_each(std::begin(ends), std::end(ends), ::close); }
    int count() const
    {
        alignas(inotify_event) char events[4096];
        return int(std::max<ssize_t>(0, ::read(ends[2], events, sizeof events)) / sizeof(inotify_event));
    }
};

// Runs a command answering its dialogs as a user would: the worksheet dialog with OK or Print…,
// the print dialog with `path` as its PDF file, Qt's question whether to replace a file with Yes.
// Returns the message shown, if any. Buttons are clicked after this timer's slot has returned, so
// that it answers the dialogs they open too.
QString runAnswering(const std::function<void()>& command, const QString& path, bool print = false)
{
    QString message;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->property("answered").toBool())
            return;
        modal->setProperty("answered", true);
        QAbstractButton* button = nullptr;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            button = box->button(QMessageBox::Yes) ? box->button(QMessageBox::Yes) : box->button(QMessageBox::Ok);
            message = box->button(QMessageBox::Yes) ? message : box->text();
        } else if (print && modal->objectName() == QLatin1String("WorksheetDialog")) {
            button = modal->findChild<QPushButton*>("printSheet");
        } else {
            if (qobject_cast<QPrintDialog*>(modal))
                modal->findChild<QLineEdit*>("filename")->setText(path);
            button = modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        }
        QTimer::singleShot(0, button, &QAbstractButton::click);
    });
    watch.start(5);
    command();
    return message;
}

// The six ways a user writes a file of their naming: the worksheet's OK and its Print… into a PDF
// file, and Save picture as PNG, PNG at twice the resolution, SVG and PDF. Where a symbolic link
// to a file, a link to nowhere, a FIFO, or an old file on a full disk stands at the name, a message
// names the file and what stands there (the system's reason for the full disk), that stays as it
// was, nothing new is left and nothing opens the FIFO. On free ground each writes its file whole.
TEST(HostileFiles, EveryWriterRefusesLinksAndFifosAndSurvivesAFullDisk)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    auto* practice = qobject_cast<practice::PracticeWindow*>(main->openTopicWindow(topicSlot("PracticeWindow")));
    app::ChildWindow* solver = main->openTopicWindow(6);
    ASSERT_TRUE(practice && solver);
    const auto save = [&](FileType type) {
        return [&, type](const QString& path) {
            app::PictureExport::setFileChooser([&](app::ChildWindow*, const QString&, FileType& chosen, app::PictureExport::Look&) {
                return chosen = type, path;
            });
            return runAnswering([&] { app::PictureExport::savePictureCommand(solver); }, path);
        };
    };
    const auto sheet = [&](bool print) {
        return [&, print](const QString& path) {
            practice->chooseWorksheetFile = [path] { return path; };
            return runAnswering([&] { practice->worksheetClick(); }, path, print);
        };
    };
    const QString picture = "The picture could not be saved in\n", worksheet = "The worksheet could not be saved in\n";
    const struct {
        const char* name;
        QString heading;
        std::function<QString(const QString&)> write;
    } writers[] = {{"sheet.pdf", worksheet, sheet(false)},   {"printed.pdf", worksheet, sheet(true)},
                   {"once.png", picture, save(FileType::Png)}, {"twice.png", picture, save(FileType::PngTwice)},
                   {"drawing.svg", picture, save(FileType::Svg)}, {"page.pdf", picture, save(FileType::Pdf)}};
    const QString link = "It is a symbolic link: nothing is written through a link.";
    const QString fifo = "It is a FIFO (named pipe): nothing is written into a FIFO.";
    const auto listing = [](const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const SmallDisk disk(scratch.file("disk"));
    for (const auto& writer : writers) {
        SCOPED_TRACE(writer.name);
        const QString folder = scratch.file(QString::fromLatin1(writer.name).section('.', 0, 0));
        const QString name = QString::fromLatin1(writer.name), path = folder + '/' + name;
        ASSERT_TRUE(QDir().mkpath(folder) && writeBytes(folder + "/notes.txt", "notes"));
        ASSERT_TRUE(QFile::link("notes.txt", path));
        EXPECT_EQ(writer.write(path), writer.heading + path + "\n\n" + link);
        EXPECT_TRUE(fileBytes(folder + "/notes.txt") == "notes" && QFileInfo(path).isSymLink());
        ASSERT_TRUE(QFile::remove(folder + "/notes.txt"));
        EXPECT_EQ(writer.write(path), writer.heading + path + "\n\n" + link);
        EXPECT_TRUE(listing(folder) == QStringList(name) && QFileInfo(path).isSymLink());
        ASSERT_TRUE(QFile::remove(path) && ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        {
            const FifoOpens opens{QFile::encodeName(path)};
            EXPECT_EQ(writer.write(path), writer.heading + path + "\n\n" + fifo);
            EXPECT_EQ(opens.count(), 0);
        }
        EXPECT_TRUE(listing(folder) == QStringList(name) && !QFileInfo(path).isFile());
        // Free ground: the file whole.
        ASSERT_TRUE(QFile::remove(path));
        EXPECT_EQ(writer.write(path), QString());
        EXPECT_EQ(listing(folder), QStringList(name));
        const QByteArray bytes = fileBytes(path);
        if (name.endsWith(".png"))
            EXPECT_FALSE(QImage::fromData(bytes, "PNG").isNull());
        else if (name.endsWith(".svg"))
            EXPECT_TRUE(bytes.trimmed().endsWith("</svg>"));
        else
            EXPECT_TRUE(pdfText(path).contains(writer.heading == worksheet ? "Answer key" : solver->windowTitle()));
        // An old file on a full disk.
        if (!disk.unavailable.empty())
            continue;
        const QString old = scratch.file("disk/") + name;
        ASSERT_TRUE(writeBytes(old, "an earlier file"));
        disk.fill();
        EXPECT_EQ(writer.write(old), writer.heading + old + "\n\n" + QString::fromLocal8Bit(std::strerror(ENOSPC)));
        EXPECT_EQ(fileBytes(old), QByteArray("an earlier file"));
        EXPECT_EQ(listing(scratch.file("disk")).size(), 2);  // the old file and the filler
        ASSERT_TRUE(QFile::remove(scratch.file("disk/filler")) && QFile::remove(old));
    }
    app::PictureExport::setFileChooser(nullptr);
    if (!disk.unavailable.empty())
        GTEST_SKIP() << "no full disk: " << disk.unavailable;
}

TEST(HostileFiles, FlagPicturesAreSmallAndEachLanguageKeepsOne)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    const int images = app::ImageList::mainList().count();
    for (const QSize size : {QSize(64, 48), QSize(256, 256), QSize(257, 16), QSize(16, 257), QSize(16, 16)}) {
        QImage flag(size, QImage::Format_RGB32);
        flag.fill(Qt::red);
        ASSERT_TRUE(flag.save(scratch.file("mine.bmp"), "BMP"));
        main->Caricaunaltraversione1Click();
        const bool accepted = size.width() <= 256 && size.height() <= 256;
        EXPECT_EQ(main->menuItem("altra")->icon().availableSizes(),
                  accepted ? QList<QSize>({QSize(16, 16)}) : QList<QSize>()) << size.width() << "x" << size.height();
        EXPECT_EQ(main->loadedLanguageImage(), accepted ? images : -1);
        EXPECT_EQ(app::ImageList::mainList().count(), images + 1);
    }
    // 1,080 bytes of run-length-encoded bitmap whose header claims 5700 x 5700 pixels.
    QByteArray bomb;
    QDataStream out(&bomb, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4D42) << quint32(1080) << quint32(0) << quint32(1078) << quint32(40) << qint32(5700)
        << qint32(5700) << quint16(1) << quint16(8) << quint32(1) << quint32(2) << quint64(0) << quint32(256)
        << quint32(0);
    bomb.append(QByteArray(1024, '\0')).append("\0\1", 2);
    ASSERT_EQ(bomb.size(), 1080);
    ASSERT_TRUE(writeBytes(scratch.file("mine.bmp"), bomb));
    main->Caricaunaltraversione1Click();
    EXPECT_TRUE(main->menuItem("altra")->icon().isNull());
    EXPECT_EQ(app::ImageList::mainList().count(), images + 1);
}

// Also run by ctest with QT_SCALE_FACTOR=0 and QT_SCALE_FACTOR=nan (HostileScreen.*), where the
// screen reports an empty or absurd geometry.
TEST(HostileScreen, TheWindowGeometryStaysDrawable)
{
    ScratchDirectory scratch;
    const auto drawable = [](int value) { return value >= 0 && value <= 1 << 16; };
    app::Tangolario main;
    EXPECT_TRUE(drawable(main.x() + main.width()) && drawable(main.y() + main.height())) << main.x() << "," << main.y();
    main.show();
    main.finishSplash();
    processEvents();
    const QRect bounds = main.workingBounds();
    EXPECT_TRUE(!bounds.isEmpty() && drawable(bounds.right()) && drawable(bounds.bottom()))
        << bounds.width() << "x" << bounds.height();
    EXPECT_TRUE(drawable(windowMetrics().workAreaWidth) && drawable(windowMetrics().workAreaHeight)) << windowMetrics().workAreaWidth << "x" << windowMetrics().workAreaHeight;
    for (const app::TopicWindow& topic : app::topicWindows())
        EXPECT_TRUE(main.openTopicWindow(topic.slot)) << topic.menuItem;
    processEvents();
}

}  // namespace
