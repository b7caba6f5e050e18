#include "shell/child_window.h"

#include <QAction>
#include <QBackingStore>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "platform/accessibility.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/updown.h"
#include "platform/symbol_font.h"
#include "shell/image_list.h"
#include "shell/picture_export.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "shell/window_registry.h"
#include "texts/text_tables.h"

namespace app {

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
        m_owner->paintClient(painter, event->region());
    }
    void resizeEvent(QResizeEvent* event) override
    {
        m_owner->resizeSurface(event->size());
        m_owner->m_picture->setGeometry(rect());
        QWidget::resizeEvent(event);
    }
    // A right click on the picture, or on a label or panel over it, opens the picture's menu.
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        m_owner->m_pictureMenu->popup(event->globalPos());
        event->accept();
    }

private:
    ChildWindow* m_owner;
};

ChildWindow::ChildWindow(const TopicWindow& topic)
    : m_topic(topic), m_client(new ClientArea(this)), m_pictureMenu(new QMenu(this))
{
    Accessibility::installInterfaces();
    // The picture for screen readers lies under every control of the client area.
    m_picture = new Accessibility::PictureElement(m_client);
    m_picture->setObjectName("picture");
    m_picture->lower();
    setObjectName(QString::fromLatin1(topic.className));
    Help::setHelpContext(this, topic.helpContext);
    setAttribute(Qt::WA_DeleteOnClose);
    // Only a close box in the title bar.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(Fonts::windowDefault());
    setWidget(m_client);
    Hints::setWindowHints(this, app::ShowHints);
    if (slot() >= 1 && slot() <= app::WindowSlotCount) {
        app::setWindowClosed(slot(), false);
        app::setOpenChildWindow(slot(), this);
    }
    connect(this, &QMdiSubWindow::windowStateChanged, this, &ChildWindow::onWindowStateChanged);

    // The shortcuts shown are those of the main window's File menu, which carries the same commands.
    m_pictureMenu->setObjectName(QStringLiteral("pictureMenu"));
    const struct {
        const char* name;
        app::ProgramText text;
        QKeySequence::StandardKey keys;
        void (*command)(ChildWindow*);
    } items[] = {{"savePicture", app::ProgramText::SavePicture, QKeySequence::Save, PictureExport::savePictureCommand},
                 {"printPicture", app::ProgramText::PrintPicture, QKeySequence::Print, PictureExport::printCommand},
                 {"copyPicture", app::ProgramText::CopyPicture, QKeySequence::Copy, PictureExport::copyCommand}};
    for (const auto& item : items) {
        QAction* action = m_pictureMenu->addAction(app::programText(item.text));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(QKeySequence(item.keys));
        connect(action, &QAction::triggered, this, [this, command = item.command] { command(this); });
    }
}

ChildWindow::~ChildWindow()
{
    // The frame reports a last change of state while it is destroyed; by then the form events
    // of this window no longer exist.
    disconnect(this, &QMdiSubWindow::windowStateChanged, this, &ChildWindow::onWindowStateChanged);
    // A window destroyed without closing (the main window going away) still frees its slot.
    if (!m_closed && slot() >= 1 && slot() <= app::WindowSlotCount) {
        app::setWindowClosed(slot(), true);
        app::setOpenChildWindow(slot(), nullptr);
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
    if (mostra)
        mostra->setChecked(on);
}

void ChildWindow::mostraClick()
{
    setShowsHints(!showsHints());
}

void ChildWindow::aiutoClick()
{
    Help::showContext(helpContext());
}

QToolButton* ChildWindow::makeHelpButton(QWidget* parent)
{
    m_aiuto = new QToolButton(parent);
    m_aiuto->setObjectName(QStringLiteral("aiuto"));
    m_aiuto->setIcon(ImageList::mainList().icon(ImageList::ToolHelp));
    m_aiuto->setIconSize(QSize(16, 16));
    m_aiuto->setAutoRaise(true);
    Keyboard::makeReachable(m_aiuto);
    Help::setHelpContext(m_aiuto, helpContext());
    Hints::setHint(m_aiuto, app::commonText(app::Common::Help));
    connect(m_aiuto, &QToolButton::clicked, this, [this] { aiutoClick(); });
    return m_aiuto;
}

void ChildWindow::makeHintSwitch(const char* caption)
{
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    mostra = PopupMenu1->addAction(QString::fromUtf8(caption));
    mostra->setObjectName(QStringLiteral("mostra"));
    mostra->setCheckable(true);
    mostra->setChecked(showsHints());
    connect(mostra, &QAction::triggered, this, [this] { mostraClick(); });
}

void ChildWindow::opensHintSwitch(QWidget* bar)
{
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QWidget::customContextMenuRequested, this,
            [this, bar](QPoint at) { PopupMenu1->popup(bar->mapToGlobal(at)); });
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
    for (platform::UpDown* upDown : findChildren<platform::UpDown*>()) {
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

void ChildWindow::setKeeping(Keeping keeping)
{
    m_keeping = keeping;
    if (keeping == Keeping::None)
        m_surface = QImage();
}

QImage ChildWindow::newSurface() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(m_client->size()) * ratio).toSize().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    return image;
}

QImage& ChildWindow::heldSurface()
{
    if (m_keeping == Keeping::None || (m_surface.isNull() && m_keeping == Keeping::WhileSeen)) {
        m_surface = newSurface();
        if (hasPicture()) {
            QPainter painter(&m_surface);
            paint(painter, m_client->size());
        }
    }
    return m_surface;
}

QImage& ChildWindow::surface()
{
    heldSurface();
    if (m_keeping != Keeping::None)
        completeSurface(m_surface);
    return m_surface;
}

void ChildWindow::plainPainter(QPainter& painter)
{
    painter.setPen(QPen());
    painter.setBrush(QBrush());
    painter.setFont(QFont());
}

void ChildWindow::showSurface(QPainter& painter, const QRegion& region)
{
    // Rectangle by rectangle: a copy clipped to one rectangle is a plain copy of rows.
    const qreal ratio = m_surface.devicePixelRatio();
    for (const QRect& rect : region) {
        painter.setClipRect(rect);
        painter.drawImage(rect, m_surface, QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
    }
}

bool ChildWindow::isSeen() const
{
    if (m_closed || !isVisible() || isMinimized())
        return false;
    const QMdiArea* area = mdiArea();
    if (!area)
        return true;
    QRegion uncovered = QRegion(geometry()) & area->viewport()->rect();
    const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::StackingOrder);
    for (qsizetype i = windows.indexOf(const_cast<ChildWindow*>(this)) + 1; i < windows.size(); ++i)
        if (windows[i]->isVisible() && !windows[i]->isMinimized())
            uncovered -= windows[i]->geometry();
    return !uncovered.isEmpty();
}

void ChildWindow::review()
{
    if (m_closed)
        return;
    if (!isSeen()) {
        if (m_keeping != Keeping::Always)
            m_surface = QImage();
        if (m_cachesHeld) {
            releaseCaches();
            m_cachesHeld = false;
        }
    } else if (!m_cachesHeld) {
        restoreCaches();
        m_cachesHeld = true;
    }
}

void ChildWindow::reviewSeenWindows(QWidget* area)
{
    if (auto* frameArea = qobject_cast<QMdiArea*>(area))
        for (QMdiSubWindow* window : frameArea->subWindowList())
            if (auto* child = qobject_cast<ChildWindow*>(window))
                child->review();
}

void ChildWindow::scheduleReview()
{
    QMdiArea* area = mdiArea();
    static const char* const pending = "reviewPending";
    if (!area || area->property(pending).toBool())
        return;
    area->setProperty(pending, true);
    QTimer::singleShot(0, area, [area] {
        area->setProperty(pending, false);
        reviewSeenWindows(area);
    });
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
    scheduleReview();
    if (m_keeping == Keeping::None) {
        m_surface = QImage();
        return;
    }
    if (m_keeping == Keeping::WhileSeen && m_surface.isNull())
        return;
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

void ChildWindow::paintClient(QPainter& painter, const QRegion& region)
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
    if (m_keeping == Keeping::None) {
        // Drawn straight: the painter as a fresh one on an image, the picture over black.
        // Rectangle by rectangle: fills and copies clipped to one rectangle take rows whole.
        plainPainter(painter);
        const QRegion black = hasPicture() ? region - groundedArea() : region;
        for (const QRect& rect : region) {
            painter.setClipRect(rect);
            for (const QRect& ground : black & rect)
                painter.fillRect(ground, Qt::black);
            if (hasPicture())
                paint(painter, m_client->size());
        }
        return;
    }
    heldSurface();  // made again when it was released
    showSurface(painter, region);
}

void ChildWindow::paint(QPainter& painter, QSize size) const
{
    painter.drawImage(QRect(QPoint(0, 0), size), m_surface);
}

QRect ChildWindow::pictureArea() const
{
    return m_client->rect();
}

QStringList ChildWindow::resultLines() const
{
    const QList<QLabel*> labels = m_client->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    return labelLines(QList<const QLabel*>(labels.begin(), labels.end()));
}

QStringList ChildWindow::labelLines(const QList<const QLabel*>& labels) const
{
    struct Piece {
        QRect at;
        QString text;
    };
    std::vector<Piece> pieces;
    for (const QLabel* label : labels) {
        if (!label || !label->isVisibleTo(m_client) || label->text().trimmed().isEmpty())
            continue;
        QString text = label->text();
        if (qobject_cast<const platform::SymbolLabel*>(label))
            text = platform::symbolFontReading(text);
        pieces.push_back({QRect(label->mapTo(m_client, QPoint(0, 0)), label->size()), text.trimmed()});
    }
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) {
        return std::pair(a.at.top(), a.at.left()) < std::pair(b.at.top(), b.at.left());
    });
    QStringList lines;
    for (std::size_t first = 0; first < pieces.size();) {
        // The row: the labels whose middle lies within the height of its first label.
        std::size_t end = first + 1;
        while (end < pieces.size() && pieces[end].at.center().y() <= pieces[first].at.bottom())
            ++end;
        std::stable_sort(pieces.begin() + std::ptrdiff_t(first), pieces.begin() + std::ptrdiff_t(end),
                         [](const Piece& a, const Piece& b) { return a.at.left() < b.at.left(); });
        QStringList row;
        for (std::size_t i = first; i < end; ++i)
            row.append(pieces[i].text);
        lines.append(row.join(QLatin1Char(' ')));
        first = end;
    }
    return lines;
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
    scheduleReview();
}

void ChildWindow::hideEvent(QHideEvent* event)
{
    QMdiSubWindow::hideEvent(event);
    scheduleReview();
}

void ChildWindow::moveEvent(QMoveEvent* event)
{
    QMdiSubWindow::moveEvent(event);
    scheduleReview();
}

void ChildWindow::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    FormClose();
    m_closed = true;
    if (slot() >= 1 && slot() <= app::WindowSlotCount) {
        app::setWindowClosed(slot(), true);
        app::setOpenChildWindow(slot(), nullptr);
    }
    scheduleReview();
    QMdiSubWindow::closeEvent(event);  // with WA_DeleteOnClose the window is destroyed after the close
    app::ChildWindowClosed();
}

void ChildWindow::onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    if (m_closed)
        return;
    scheduleReview();
    const bool wasActive = oldState.testFlag(Qt::WindowActive);
    const bool isActive = newState.testFlag(Qt::WindowActive);
    if (!wasActive && isActive)
        FormActivate();
    else if (wasActive && !isActive)
        FormDeactivate();
}

}  // namespace app
