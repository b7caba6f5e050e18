#include "platform/help_window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/desktop.h"
#include "platform/help.h"
#include "platform/keyboard.h"

namespace platform {

namespace {

QPointer<HelpWindow>& theWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}

// The captions of the window's own buttons, in the language of the pages.
struct ButtonTexts {
    const char* contents;
    const char* back;
    const char* forward;
};

ButtonTexts buttonTexts(const QString& language)
{
    if (language == QLatin1String("it"))
        return {"Sommario", "Indietro", "Avanti"};
    if (language == QLatin1String("fr"))
        return {"Sommaire", "Précédent", "Suivant"};
    return {"Contents", "Back", "Forward"};
}

// Shared look of the pages: the result texts are shown as the windows show them, coloured on
// black, and colour names carry a sample of their colour.
const char* const kPageStyle = R"(
h1 { font-size: 20px; color: #000080; margin-bottom: 4px; }
h2 { font-size: 15px; color: #000080; margin-top: 14px; margin-bottom: 4px; }
p { margin-top: 4px; margin-bottom: 4px; }
li { margin-bottom: 2px; }
.nav { color: #606060; }
.math { font-style: italic; }
.formula { margin-left: 24px; margin-top: 6px; margin-bottom: 6px; }
.program { font-weight: bold; background-color: #000000; color: #ffffff; }
.lime { font-weight: bold; background-color: #000000; color: #00ff00; }
.aqua { font-weight: bold; background-color: #000000; color: #00ffff; }
.yellow { font-weight: bold; background-color: #000000; color: #ffff00; }
.red { font-weight: bold; background-color: #000000; color: #ff0000; }
.fuchsia { font-weight: bold; background-color: #000000; color: #ff00ff; }
.blue { font-weight: bold; background-color: #000000; color: #4040ff; }
.silver { font-weight: bold; background-color: #000000; color: #c0c0c0; }
.gray { font-weight: bold; background-color: #000000; color: #808080; }
.white { font-weight: bold; background-color: #000000; color: #ffffff; }
.onwhite { font-weight: bold; background-color: #ffffff; color: #ff0000; }
.example { background-color: #f2f2e6; }
)";

}  // namespace

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window),
      m_contents(new QToolButton(this)),
      m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)),
      m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends when its main window closes, whether the help is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowModality(Qt::NonModal);

    m_contents->setObjectName(QStringLiteral("contents"));
    m_back->setObjectName(QStringLiteral("back"));
    m_forward->setObjectName(QStringLiteral("forward"));
    m_contents->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    m_back->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    m_forward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    for (QToolButton* button : {m_contents, m_back, m_forward}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        Keyboard::makeReachable(button);
    }

    m_browser->setObjectName(QStringLiteral("HelpText"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDefaultStyleSheet(QString::fromLatin1(kPageStyle));
    m_browser->document()->setDocumentMargin(10);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(4, 2, 4, 2);
    buttons->setSpacing(2);
    buttons->addWidget(m_contents);
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(m_contents, &QToolButton::clicked, this, &HelpWindow::showContentsPage);
    connect(m_back, &QToolButton::clicked, this, &HelpWindow::goBack);
    connect(m_forward, &QToolButton::clicked, this, &HelpWindow::goForward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::retitle);

    auto* back = new QShortcut(QKeySequence::Back, this);
    connect(back, &QShortcut::activated, this, &HelpWindow::goBack);
    auto* forward = new QShortcut(QKeySequence::Forward, this);
    connect(forward, &QShortcut::activated, this, &HelpWindow::goForward);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    updateButtons();
}

// Where help is opened while a modal window (calculator, coefficient entry) is up, the help
// window belongs to that window, so it can be read, scrolled and followed while the modal
// window waits; once that window is gone it stands alone again.
void HelpWindow::followModalWindow()
{
    QWindow* handle = windowHandle();
    if (!handle)
        return;
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->windowHandle() : nullptr;
    if (handle->transientParent() == owner)
        return;
    disconnect(m_ownerHidden);
    handle->setTransientParent(owner);
    if (owner)
        m_ownerHidden = connect(owner, &QWindow::visibleChanged, this, [this](bool visible) {
            if (!visible && windowHandle()) {
                disconnect(m_ownerHidden);
                windowHandle()->setTransientParent(nullptr);
            }
        });
}

HelpWindow* HelpWindow::instance()
{
    return theWindow();
}

void HelpWindow::closeInstance()
{
    delete theWindow().data();
}

void HelpWindow::showRequest(const QString& fileName, int context)
{
    if (!theWindow()) {
        theWindow() = new HelpWindow();
        // A help window left open when the program ends goes with it.
        static bool cleanUpAtQuit = false;
        if (!cleanUpAtQuit && qApp) {
            cleanUpAtQuit = true;
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { closeInstance(); });
        }
    }
    HelpWindow* window = theWindow();
    window->showPage(fileName, context);
    window->winId();
    window->followModalWindow();
    window->placeBesideTheProgram();
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

QUrl HelpWindow::source() const
{
    return m_browser->source();
}

void HelpWindow::showPage(const QString& fileName, int context)
{
    m_fileName = fileName;
    m_context = context;
    m_language = Help::pageLanguage(fileName);
    const ButtonTexts texts = buttonTexts(m_language);
    m_contents->setText(QString::fromUtf8(texts.contents));
    m_back->setText(QString::fromUtf8(texts.back));
    m_forward->setText(QString::fromUtf8(texts.forward));
    m_browser->setSource(Help::pageUrl(m_language, context));
    retitle();
    updateButtons();
}

void HelpWindow::showContentsPage()
{
    m_browser->setSource(Help::pageUrl(m_language, 0));
}

void HelpWindow::goBack()
{
    if (m_browser->isBackwardAvailable())
        m_browser->backward();
}

void HelpWindow::goForward()
{
    if (m_browser->isForwardAvailable())
        m_browser->forward();
}

void HelpWindow::retitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? m_fileName : title);
}

void HelpWindow::updateButtons()
{
    m_back->setEnabled(m_browser->isBackwardAvailable());
    m_forward->setEnabled(m_browser->isForwardAvailable());
}

// The first time it is shown the window takes the right-hand part of the screen, so that the
// page can be read beside the topic window; afterwards it keeps where the user put it.
void HelpWindow::placeBesideTheProgram()
{
    if (m_placed)
        return;
    m_placed = true;
    const QRect area = Desktop::screenGeometry(QApplication::activeWindow(), true);
    const int width = qBound(360, area.width() * 3 / 10, 640);
    const int height = qBound(300, area.height() * 5 / 6, 820);
    resize(qMin(width, area.width()), qMin(height, area.height()));
    move(qMax(area.left(), area.right() + 1 - this->width() - 16),
         area.top() + qMax(0, (area.height() - this->height()) / 6));
}

}  // namespace platform
