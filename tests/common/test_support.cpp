#include "common/test_support.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include <csignal>

#include "platform/qt_translations.h"
#include "shell/child_window.h"
#include "shell/image_list.h"
#include "shell/languages.h"
#include "app/main_window.h"
#include "app/topic_windows.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"

namespace {
// The user's configuration, data and system data folders, each a subfolder of the scratch one.
const char* const kUserFolderVariables[3] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"};
const char* const kUserFolderNames[3] = {"config", "data", "system"};
}  // namespace

ScratchDirectory::ScratchDirectory() : m_previous(QDir::currentPath())
{
    for (int i = 0; i < 3; ++i) {
        m_previousEnvironment[i] = qgetenv(kUserFolderVariables[i]);
        qputenv(kUserFolderVariables[i], QFile::encodeName(m_user.filePath(QString::fromLatin1(kUserFolderNames[i]))));
    }
    QDir::setCurrent(m_dir.path());
    resetProgramState();
}

ScratchDirectory::~ScratchDirectory()
{
    QDir::setCurrent(m_previous);
    for (int i = 0; i < 3; ++i)
        qputenv(kUserFolderVariables[i], m_previousEnvironment[i]);
    resetProgramState();
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Past the limit a write fails with EFBIG instead of ending the program with SIGXFSZ.
    m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_previous);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_previousHandler);
}

void resetProgramState()
{
    app::resetLanguageState();
    app::resetWindowSlots();
    app::ImageList::mainList().reset();
    QtTranslations::use(QString());
}

std::unique_ptr<app::Tangolario> makeMainWindow()
{
    auto window = std::make_unique<app::Tangolario>();
    window->show();
    window->finishSplash();
    processEvents();
    return window;
}

int topicSlot(const char* className)
{
    const app::TopicWindow* topic = app::topicForClass(className);
    return topic ? topic->slot : 0;
}

void whenModalShown(std::function<void(QWidget*)> answer)
{
    auto* timer = new QTimer(qApp);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, clock, answer] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            answer(modal);
        } else if (clock->elapsed() > 5000) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            ADD_FAILURE() << "no modal dialog was shown";
        }
    });
    timer->start();
}

void processEvents()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

QColor pixelAt(const QImage& image, int x, int y)
{
    const qreal ratio = image.devicePixelRatio();
    return QColor(image.pixel(int(x * ratio), int(y * ratio)));
}

QString pdfText(const QString& path)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return text.waitForFinished() ? QString::fromUtf8(text.readAllStandardOutput()) : QString();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

bool colourNear(const QImage& image, int x, int y, const QColor& colour, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= image.width() / image.devicePixelRatio() ||
                py >= image.height() / image.devicePixelRatio())
                continue;
            if (pixelAt(image, px, py) == colour)
                return true;
        }
    return false;
}

QImage recordedPicture(const app::ChildWindow& window, QSize size)
{
    QPicture picture;
    {
        QPainter painter(&picture);
        window.paint(painter, size);
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    return image;
}
