#include "shell/child_window.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/updown.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"

// The client area: shows the window's surface, and resizes it with itself.
class ClientArea : public QWidget {
public:
    explicit ClientArea(ChildWindow* owner) : QWidget(owner), m_owner(owner)
    {
        setObjectName("ClientArea");
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        m_owner->paintClient(painter, event->rect());
    }
    void resizeEvent(QResizeEvent* event) override
    {
        m_owner->resizeSurface(event->size());
        m_owner->m_picture->setGeometry(rect());
        QWidget::resizeEvent(event);
    }

private:
    ChildWindow* m_owner;
};

ChildWindow::ChildWindow(int slot, const char* className) : m_slot(slot), m_client(new ClientArea(this))
{
    Accessibility::installInterfaces();
    // The picture for screen readers lies under every control of the client area.
    m_picture = new Accessibility::PictureElement(m_client);
    m_picture->setObjectName("picture");
    m_picture->lower();
    setObjectName(QString::fromLatin1(className));
    setAttribute(Qt::WA_DeleteOnClose);
    // Only a close box in the title bar.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(Fonts::windowDefault());
    setWidget(m_client);
    Hints::setWindowHints(this, app::ShowHints);
    if (slot >= 1 && slot <= app::WindowSlotCount) {
        app::WindowClosed[std::size_t(slot)] = false;
        app::setOpenChildWindow(slot, this);
    }
    connect(this, &QMdiSubWindow::windowStateChanged, this, &ChildWindow::onWindowStateChanged);
}

ChildWindow::~ChildWindow()
{
    // The frame reports a last change of state while it is destroyed; by then the form events
    // of this window no longer exist.
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, &ChildWindow::onWindowStateChanged);
    // A window destroyed without closing (the main window going away) still frees its slot.
    if (!m_closed && m_slot >= 1 && m_slot <= app::WindowSlotCount) {
        app::WindowClosed[std::size_t(m_slot)] = true;
        app::setOpenChildWindow(m_slot, nullptr);
    }
}

QWidget* ChildWindow::client() const
{
    return m_client;
}

int ChildWindow::clientWidth() const
{
    return m_client->width();
}

int ChildWindow::clientHeight() const
{
    return m_client->height();
}

void ChildWindow::setBounds(int left, int top, int width, int height)
{
    ensurePolished();
    setGeometry(left, top, width, height);
    // Lay the client out now rather than at the next event, so creation can measure it.
    const QRect inner = contentsRect();
    if (m_client->geometry() != inner)
        m_client->setGeometry(inner);
    resizeSurface(m_client->size());
}

bool ChildWindow::showsHints() const
{
    return Hints::windowHints(this);
}

void ChildWindow::setShowsHints(bool on)
{
    Hints::setWindowHints(this, on);
}

void ChildWindow::create()
{
    FormCreate();
    nameControls();
}

void ChildWindow::nameControls()
{
    using app::programText;
    using app::ProgramText;
    Accessibility::setTexts(this, windowTitle(), programText(ProgramText::WindowKeys));
    Accessibility::setTexts(m_picture, programText(ProgramText::PictureName), m_picture->accessibleDescription());
    for (UpDown* upDown : findChildren<UpDown*>()) {
        // The arrows name what they do, and describe the up-down they belong to.
        const QString owner = upDown->accessibleName();
        Accessibility::setTexts(upDown->upButton(), programText(ProgramText::IncreaseArrow), owner);
        Accessibility::setTexts(upDown->downButton(), programText(ProgramText::DecreaseArrow), owner);
    }
}

void ChildWindow::describePicture(const QString& description)
{
    m_picture->describe(description);
}

QString ChildWindow::pictureDescription() const
{
    return m_picture->accessibleDescription();
}

void ChildWindow::refreshSurface()
{
    if (m_inPaint)
        return;
    m_ownPaintPending = true;
    m_client->update();
}

void ChildWindow::refreshSurface(const QRegion& drawn)
{
    if (m_inPaint)
        return;
    m_ownPaintPending = true;
    m_client->update(drawn);
}

void ChildWindow::resizeSurface(QSize size)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (!m_surface.isNull() && m_surface.size() == pixels)
        return;
    QImage next(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    next.setDevicePixelRatio(ratio);
    next.fill(Qt::black);
    if (!m_surface.isNull()) {
        QPainter painter(&next);
        painter.drawImage(0, 0, m_surface);
    }
    m_surface = next;
}

void ChildWindow::paintClient(QPainter& painter, const QRect& area)
{
    // A paint the window did not ask for redraws the picture through the paint handler first.
    // A picture taken of the window (QWidget::grab) paints elsewhere than into the screen's
    // backing store: it copies the surface as it is and is no repaint of the window's own.
    QBackingStore* store = m_client->backingStore();
    const QPaintEngine* engine = painter.paintEngine();
    const bool onScreen = !store || !engine || engine->paintDevice() == store->paintDevice();
    if (onScreen) {
        m_inPaint = true;
        if (!m_ownPaintPending && !m_closed) {
            ++m_formPaintCount;
            FormPaint();
        }
        m_ownPaintPending = false;
        m_inPaint = false;
    }
    painter.drawImage(area, m_surface, QRectF(QPointF(area.topLeft()) * m_surface.devicePixelRatio(),
                                              QSizeF(area.size()) * m_surface.devicePixelRatio()));
}

void ChildWindow::paint(QPainter& painter, QSize size) const
{
    painter.drawImage(QRect(QPoint(0, 0), size), m_surface);
}

void ChildWindow::FormShow()
{
    app::ChildWindowShown();
}

void ChildWindow::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    FormClose();
    m_closed = true;
    if (m_slot >= 1 && m_slot <= app::WindowSlotCount) {
        app::WindowClosed[std::size_t(m_slot)] = true;
        app::setOpenChildWindow(m_slot, nullptr);
    }
    QMdiSubWindow::closeEvent(event);  // with WA_DeleteOnClose the window is destroyed after the close
    app::ChildWindowClosed();
}

void ChildWindow::onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    if (m_closed)
        return;
    const bool wasActive = oldState.testFlag(Qt::WindowActive);
    const bool isActive = newState.testFlag(Qt::WindowActive);
    if (!wasActive && isActive)
        FormActivate();
    else if (wasActive && !isActive)
        FormDeactivate();
}
