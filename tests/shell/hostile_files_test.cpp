// Files and disks that work against the program: rich text in a language file, a full disk,
// FIFOs, symbolic links and other things in place of the settings file, huge flag pictures.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QToolTip>
#include <QtEndian>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/test_support.h"
#include "expr/calculator.h"
#include "expr/coefficient_dialog.h"
#include "language_samples.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "shell/image_list.h"
#include "shell/languages.h"
#include "shell/main_window.h"
#include "shell/notice_window.h"
#include "shell/settings_file.h"
#include "shell/shared_state.h"
#include "shell/text_tables.h"
#include "shell/topic_windows.h"

using namespace app;

namespace {

QByteArray record(bool hints, int language, const QByteArray& name = {})
{
    SettingsRecord r;
    r.hints = hints;
    r.language = static_cast<unsigned char>(language);
    r.fileName = name;
    return r.toBytes();
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// ----- text from outside is plain text -----

// True when what a widget shows as `shown` reads exactly `text`.
bool showsExactly(const QString& shown, const QString& text)
{
    if (!Qt::mightBeRichText(shown))
        return shown == text;
    QTextDocument document;
    document.setHtml(shown);
    return document.toPlainText() == text;
}

void expectPlainText(QWidget* window, const char* where)
{
    for (QLabel* label : window->findChildren<QLabel*>())
        if (label->pixmap().isNull())
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << where << " " << label->objectName().toStdString();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->toolTip().isEmpty())
            continue;
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(control, &help);
        EXPECT_TRUE(showsExactly(QToolTip::text(), control->toolTip()))
            << where << " " << control->objectName().toStdString() << ": " << QToolTip::text().toStdString();
    }
    QToolTip::hideText();
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
    ASSERT_TRUE(writeBytes(scratch.file("Angolario.cfg"), record(true, LoadedLanguage, "rich.lng")));
    {
        Tangolario splash;
        ASSERT_EQ(splash.findChild<QLabel*>("Label1")->text(), QStringLiteral("<b>t154</b>"));
        expectPlainText(&splash, "splash");
    }
    resetProgramState();
    auto main = makeMainWindow();
    ASSERT_EQ(CurrentLanguage, LoadedLanguage);
    for (const TopicWindow& topic : topicWindows()) {
        ChildWindow* window = main->openTopicWindow(topic.slot);
        ASSERT_TRUE(window) << topic.menuItem;
        processEvents();
        expectPlainText(window, topic.menuItem);
        main->Chiudetutte1Click();
        processEvents();
    }
    Tinfo about(main.get());
    expectPlainText(&about, "about window");
    TCalcola calculator(main.get());
    expectPlainText(&calculator, "calculator");
    Timmettedati dialog(main.get());
    expectPlainText(&dialog, "coefficient entry");
    RefusedFileName = scratch.file("<img src=none>.lng");
    Tversione notice(main.get());
    EXPECT_EQ(notice.findChild<QLabel*>("Label2")->text(), QStringLiteral("<img src=none>.lng"));
    expectPlainText(&notice, "notice window");
}

// ----- a full disk -----

TEST(HostileFiles, AFullDiskLeavesTheSettingsFileWhole)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a small full filesystem needs root";
    ScratchDirectory scratch;
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("disk")));
    const QByteArray disk = QFile::encodeName(scratch.file("disk"));
    if (::mount("tmpfs", disk.constData(), "tmpfs", MS_NOSUID | MS_NODEV | MS_NOEXEC, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Unmount {
        QByteArray path;
        ~Unmount() { ::umount2(path.constData(), MNT_DETACH); }
    } unmount{disk};

    const QString settings = scratch.file("disk/Angolario.cfg");
    const QByteArray previous = record(false, French);
    ASSERT_TRUE(writeBytes(settings, previous));
    QFile filler(scratch.file("disk/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    while (filler.write("x", 1) == 1) {
    }
    readStartSettings(settings);
    ShowHints = true;
    CurrentLanguage = Italian;
    EXPECT_FALSE(writeSettingsAtClose(settings, true));
    EXPECT_EQ(fileBytes(settings), previous);
    // With room again, the same write goes through.
    filler.remove();
    EXPECT_TRUE(writeSettingsAtClose(settings, true));
    EXPECT_EQ(fileBytes(settings), record(true, Italian));
}

// ----- FIFOs -----

// Watches FIFOs from another thread: whenever the program has one open for reading (and would
// wait for a writer for ever), it is let go with an empty write end, and that is recorded.
// (A path that has meanwhile become a regular file does not count.)
class FifoWatch {
public:
    explicit FifoWatch(const QStringList& paths)
    {
        for (const QString& path : paths)
            m_paths.push_back(QFile::encodeName(path));
        m_thread = std::thread([this] { run(); });
    }
    ~FifoWatch()
    {
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool openedByTheProgram() const { return m_opened; }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        while (!m_wake.wait_for(lock, std::chrono::milliseconds(20), [this] { return m_done; }))
            for (const QByteArray& path : m_paths) {
                // Opening the write end without waiting succeeds only while a reader has it open.
                const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                struct stat info {};
                if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISFIFO(info.st_mode))
                    m_opened = true;
                if (fd >= 0)
                    ::close(fd);
            }
    }

    std::vector<QByteArray> m_paths;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_opened{false};
};

TEST(HostileFiles, AFifoIsTreatedAsAMissingFile)
{
    ScratchDirectory scratch;
    const QString settings = scratch.file("Angolario.cfg");
    const QString fifoLanguage = scratch.file("fifo.lng");
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifoLanguage).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(scratch.file("mine.bmp")).constData(), 0600), 0);
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    FifoWatch watch({settings, fifoLanguage, scratch.file("mine.bmp")});

    // The settings file is a FIFO: no settings, the locale's language (English here).
    CurrentLanguage = French;
    readStartSettings(QStringLiteral("Angolario.cfg"));
    EXPECT_EQ(CurrentLanguage, French);
    EXPECT_TRUE(ShowHints);
    // The settings name a FIFO as the language file: English, as for a missing file.
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(writeBytes(settings, record(true, LoadedLanguage, "fifo.lng")));
    resetProgramState();
    auto main = makeMainWindow();
    EXPECT_EQ(CurrentLanguage, English);
    EXPECT_FALSE(main->menuItem("altra")->isVisible());
    // Chosen from the menu: the notice window names it and the language stays.
    main->setLanguageFileChooser([&] { return fifoLanguage; });
    QString named;
    whenModalShown([&](QWidget* dialog) {
        named = dialog->findChild<QLabel*>("Label2")->text();
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(named, QStringLiteral("fifo.lng"));
    EXPECT_EQ(CurrentLanguage, English);
    // A language file whose flag picture is a FIFO is loaded without a flag.
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    main->Caricaunaltraversione1Click();
    EXPECT_EQ(CurrentLanguage, LoadedLanguage);
    EXPECT_TRUE(main->menuItem("altra")->icon().isNull());
    EXPECT_FALSE(watch.openedByTheProgram());
}

// ----- the settings are written only to a regular file -----

TEST(HostileFiles, SettingsAreWrittenOnlyToARegularFileOrANewOne)
{
    ScratchDirectory scratch;
    const QString settings = scratch.file("Angolario.cfg");
    const QByteArray previous = record(false, French);
    ASSERT_TRUE(writeBytes(scratch.file("target.cfg"), previous));
    ASSERT_EQ(::link(QFile::encodeName(scratch.file("target.cfg")).constData(),
                     QFile::encodeName(scratch.file("second.cfg")).constData()), 0);
    ASSERT_TRUE(QFile::setPermissions(scratch.file("target.cfg"), QFile::ReadOwner));
    ASSERT_TRUE(QFile::link(QStringLiteral("target.cfg"), settings));
    {
        // The link is read, but the program does not write through it, and goes on.
        auto main = makeMainWindow();
        EXPECT_EQ(CurrentLanguage, French);
        main->Italiano1Click();
        main->menuItem("Linguapredefinita1")->trigger();
        main->close();
    }
    EXPECT_TRUE(QFileInfo(settings).isSymLink());
    EXPECT_EQ(fileBytes(scratch.file("target.cfg")), previous);
    EXPECT_FALSE(QFileInfo(scratch.file("target.cfg")).permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
    struct stat target {}, second {};
    ASSERT_EQ(::stat(QFile::encodeName(scratch.file("target.cfg")).constData(), &target), 0);
    ASSERT_EQ(::stat(QFile::encodeName(scratch.file("second.cfg")).constData(), &second), 0);
    EXPECT_EQ(target.st_ino, second.st_ino);

    // A FIFO, a dangling link and a folder are left as they are.
    ShowHints = true;
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    EXPECT_FALSE(writeSettingsAtClose(settings, true));
    struct stat fifo {};
    ASSERT_EQ(::lstat(QFile::encodeName(settings).constData(), &fifo), 0);
    EXPECT_TRUE(S_ISFIFO(fifo.st_mode));
    ASSERT_TRUE(QFile::remove(settings));
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere.cfg"), settings));
    EXPECT_FALSE(writeSettingsAtClose(settings, true));
    EXPECT_FALSE(QFileInfo::exists(scratch.file("nowhere.cfg")));

    // A regular file is replaced, and a new one made.
    ASSERT_TRUE(QFile::remove(settings));
    EXPECT_TRUE(writeSettingsAtClose(settings, true));
    EXPECT_EQ(fileBytes(settings), record(true, Italian));
    EXPECT_TRUE(writeSettingsAtClose(settings, true));
}

// ----- flag pictures -----

// A run-length-encoded 8-bit bitmap of 1,080 bytes whose header claims width x height pixels.
QByteArray rleBitmap(int width, int height)
{
    QByteArray bytes(1080, '\0');
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, 1080);
    put32(10, 1078);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 8);
    put32(30, 1);  // RLE8
    put32(34, 2);
    put32(46, 256);
    bytes[1079] = 1;  // end of bitmap
    return bytes;
}

TEST(HostileFiles, FlagPicturesAreSmallAndEachLanguageKeepsOne)
{
    ScratchDirectory scratch;
    auto main = makeMainWindow();
    ASSERT_TRUE(writeBytes(scratch.file("mine.lng"), languageFileBytes(sampleLanguageLines())));
    main->setLanguageFileChooser([&] { return scratch.file("mine.lng"); });
    const int images = ImageList::mainList().count();
    struct Case {
        QSize size;
        bool accepted;
    };
    for (const Case& c : {Case{{64, 48}, true}, Case{{256, 256}, true}, Case{{16, 16}, true}, Case{{257, 16}, false},
                          Case{{16, 257}, false}, Case{{64, 48}, true}}) {
        QImage flag(c.size, QImage::Format_RGB32);
        flag.fill(Qt::red);
        ASSERT_TRUE(flag.save(scratch.file("mine.bmp"), "BMP"));
        main->Caricaunaltraversione1Click();
        const QIcon icon = main->menuItem("altra")->icon();
        EXPECT_EQ(icon.isNull(), !c.accepted) << c.size.width() << "x" << c.size.height();
        if (c.accepted) {
            EXPECT_EQ(icon.availableSizes(), QList<QSize>({QSize(16, 16)})) << c.size.width();
            EXPECT_EQ(main->loadedLanguageImage(), images);
        }
        EXPECT_EQ(ImageList::mainList().count(), images + 1);
    }
    // A picture whose header claims 5700 x 5700 pixels is refused before it is decoded.
    ASSERT_TRUE(writeBytes(scratch.file("mine.bmp"), rleBitmap(5700, 5700)));
    main->Caricaunaltraversione1Click();
    EXPECT_TRUE(main->menuItem("altra")->icon().isNull());
    EXPECT_EQ(main->loadedLanguageImage(), -1);
    EXPECT_EQ(ImageList::mainList().count(), images + 1);
}

// ----- a screen of no size -----

// Also run by ctest with QT_SCALE_FACTOR=0 and QT_SCALE_FACTOR=nan (HostileScreen.*), where the
// screen reports an empty or absurd geometry.
TEST(HostileScreen, TheWindowGeometryStaysDrawable)
{
    ScratchDirectory scratch;
    const auto drawable = [](int value) { return value >= 0 && value <= 1 << 16; };
    Tangolario main;
    EXPECT_TRUE(drawable(main.x() + main.width()) && drawable(main.y() + main.height())) << main.x() << "," << main.y();
    main.show();
    main.finishSplash();
    processEvents();
    const QRect bounds = main.workingBounds();
    EXPECT_TRUE(!bounds.isEmpty() && drawable(bounds.right()) && drawable(bounds.bottom()))
        << bounds.x() << "," << bounds.y() << " " << bounds.width() << "x" << bounds.height();
    EXPECT_TRUE(drawable(WorkAreaWidth) && drawable(WorkAreaHeight)) << WorkAreaWidth << "x" << WorkAreaHeight;
    for (const TopicWindow& topic : topicWindows()) {
        EXPECT_TRUE(main.openTopicWindow(topic.slot)) << topic.menuItem;
        processEvents();
    }
    main.Chiudetutte1Click();
    processEvents();
}

}  // namespace
