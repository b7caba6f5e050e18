#pragma once
// The base of the ten topic windows: a child of the main window's multiple-document area with
// a client area, a retained picture surface, its hint switch and help button and the open/close
// protocol of the window registry, made from the window's record (shell/topic_window.h). Each
// window overrides the form events with its own handlers.
#include <QImage>
#include <QRegion>
#include <QMdiSubWindow>
#include <QStringList>

#include "shell/topic_window.h"

namespace Accessibility {
class PictureElement;
}
class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace app {

class ClientArea;

class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // The window of a record: its slot, its class name as objectName, its help page.
    explicit ChildWindow(const TopicWindow& topic);
    ~ChildWindow() override;

    int slot() const { return m_topic.slot; }
    // The window's help page, which `aiuto` opens.
    int helpContext() const { return m_topic.helpContext; }
    // The client area, on which the controls sit and the surface is shown.
    QWidget* client() const;
    int clientWidth() const;
    int clientHeight() const;

    // How a window keeps its picture between paints: a surface kept always, a surface kept only
    // while the window can be seen (made again from paint() when it is seen again), or none, the
    // picture drawn by paint() straight onto the screen at every paint.
    enum class Keeping { Always, WhileSeen, None };
    Keeping keeping() const { return m_keeping; }

    // The picture of the client area as the screen shows it. Handlers of a window that keeps a
    // surface draw on it and call refreshSurface(); a released surface is made again from
    // paint(). A window that keeps none gives what paint() draws now on an image of its own.
    QImage& surface();
    // Whether the surface (and the bitmaps kept to draw fast) are held now.
    bool holdsSurface() const { return !m_surface.isNull(); }
    void refreshSurface();
    // The same for the part of the client area the handler drew on (client coordinates);
    // a rectangle converts to a region.
    void refreshSurface(const QRegion& drawn);

    // Sets the window's bounds (left, top, width, height) inside the frame's area and lays out
    // the client area at once, so the client size is known right away.
    void setBounds(int left, int top, int width, int height);

    // The window's own hint switch (the global setting is copied at creation); `mostra`, where
    // the window has it, shows its state.
    bool showsHints() const;
    void setShowsHints(bool on);

    // The handlers of the hint switch (`mostra` turns the window's hints on or off) and of the
    // help button (`aiuto` opens the window's help page).
    void mostraClick();
    void aiutoClick();

    // Runs the creation handler; the main window calls it once, right after construction.
    void create();

    // Number of times the form paint handler ran (a paint that was not the window's own).
    int formPaintCount() const { return m_formPaintCount; }

    // The window's picture for a client area of `size`, drawn on any paint device (an image, a
    // printer, an SVG generator) over a black ground: with the client size, what the window
    // shows on its surface; another size lays the same picture out on it. The topic windows
    // draw it anew; a window that does not shows its surface scaled to the size.
    virtual void paint(QPainter& painter, QSize size) const;

    // What the picture shows, in words: the description screen readers read for it.
    QString pictureDescription() const;
    // The part of the client area the picture fills (client coordinates), which a saved,
    // printed or copied picture shows: the whole client area unless a window says otherwise.
    virtual QRect pictureArea() const;
    // The parts of the client area that hold what is drawn, with a small margin (client
    // coordinates, left to right): a saved, printed or copied picture shows them side by side
    // and nothing else, so no empty or covered area leaves the screen. pictureArea() alone
    // unless a window says otherwise.
    virtual QList<QRect> pictureParts() const { return {pictureArea()}; }

    // The texts a copied or printed picture carries: one line per visible result label in
    // reading order (top to bottom, then left to right), the equation or inequality first, as
    // they read on the screen (π as π). The default reads the labels standing on the client area.
    virtual QStringList resultLines() const;
    // The equation or inequality the picture shows, with its values, as the practice window
    // writes exercises ("2 (sin x)^2 − 3 sin x + 1 ≥ 0"): the printed page's and the SVG's title
    // carry it, and a copy's first line. Empty for a window that states none.
    virtual QString statement() const { return {}; }

    // The picture's own menu, opened by a right click on it: Save picture…, Print…, Copy.
    QMenu* pictureMenu() const { return m_pictureMenu; }

    // Whether the window can be seen: shown, not minimised and not wholly covered by the windows
    // in front of it in the frame's area.
    bool isSeen() const;
    // Releases the surface and the bitmaps of every window of the frame's area that cannot be
    // seen, and gives back their bitmaps to those seen again; run after the windows change
    // (opened, brought forward, moved, minimised, closed).
    static void reviewSeenWindows(QWidget* area);

protected:
    // The visible, non-empty labels of the list as lines of text: the labels side by side on a
    // row make one line, the rows from top to bottom (positions on the client area). A label set
    // in the Symbol font gives its Greek letters (p as π), and the capitals that only look Latin
    // as the Latin ones they look like (2Kπ, not 2Κπ).
    QStringList labelLines(const QList<const QLabel*>& labels) const;

    void setKeeping(Keeping keeping);

    // The help button `aiuto` on `parent`: the help icon, raised under the mouse, reached with
    // Tab, with its hint; a click opens the window's help page.
    QToolButton* makeHelpButton(QWidget* parent = nullptr);
    QToolButton* helpButton() const { return m_aiuto; }
    // The hint switch: the menu `PopupMenu1` with its item `mostra` (the caption of the window's
    // form), checked while the window shows hints. A right click on a bar given to
    // opensHintSwitch() opens it.
    void makeHintSwitch(const char* caption = "&mostra suggerimenti");
    void opensHintSwitch(QWidget* bar);
    // Whether the window has a picture to show yet; without one a window that keeps no surface
    // shows black.
    virtual bool hasPicture() const { return true; }
    // The part of the client that paint() grounds itself (fills or copies whole), which the
    // screen's paint need not make black first.
    virtual QRegion groundedArea() const { return {}; }
    // The bitmaps a window keeps only to draw fast while it is seen: freed when it cannot be
    // seen, made again when it is seen again.
    virtual void releaseCaches() {}
    virtual void restoreCaches() {}
    // The kept surface, made again when it was released, without completeSurface().
    QImage& heldSurface();
    // Shows the part `region` of the kept surface on the screen, rectangle by rectangle; a
    // window may draw a part of it straight on the screen instead, and then brings the surface
    // up to date in completeSurface() before it is read.
    virtual void showSurface(QPainter& painter, const QRegion& region);
    virtual void completeSurface(QImage& /*surface*/) {}
    // The painter of the screen as a fresh painter on an image is: default pen, brush and font.
    static void plainPainter(QPainter& painter);

    // Form events. FormCreate lays the window out; FormShow calls ChildWindowShown();
    // FormActivate/FormDeactivate follow the window's activation; FormPaint runs when the
    // window must be painted again for a reason of its own (shown, uncovered, resized);
    // FormClose frees what the window owns (the base then sets the slot, schedules the
    // destruction and calls ChildWindowClosed()).
    virtual void FormCreate() {}
    virtual void FormShow();
    virtual void FormActivate() {}
    virtual void FormDeactivate() {}
    virtual void FormPaint() {}
    virtual void FormClose() {}

    // Gives the picture its description, told to the reader when it changes.
    void describePicture(const QString& description);
    // The names screen readers read: the window's title (with the keys that work in it as its
    // description), the picture, the arrows of every up-down. Runs after FormCreate.
    void nameControls();

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    friend class ClientArea;
    void paintClient(QPainter& painter, const QRegion& region);
    void resizeSurface(QSize size);
    void onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);
    // Asks for a review of the windows of the area once the events in hand are handled.
    void scheduleReview();
    // Releases or gives back what the window keeps as it is seen or not.
    void review();
    QImage newSurface() const;

    TopicWindow m_topic;
    ClientArea* m_client;
    Accessibility::PictureElement* m_picture;
    QMenu* m_pictureMenu;
    QToolButton* m_aiuto = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* mostra = nullptr;
    QImage m_surface;
    Keeping m_keeping = Keeping::Always;
    bool m_cachesHeld = true;
    bool m_ownPaintPending = false;
    bool m_inPaint = false;
    bool m_closed = false;
    int m_formPaintCount = 0;
};

}  // namespace app
