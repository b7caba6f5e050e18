#pragma once
// The base of the nine topic windows: a child of the main window's multiple-document area with
// a client area, a retained picture surface, its own hint switch and the open/close protocol of
// the window registry. Each window overrides the form events with its own handlers.
#include <QImage>
#include <QRegion>
#include <QMdiSubWindow>
#include <QStringList>

class ClientArea;
namespace Accessibility {
class PictureElement;
}
class QLabel;
class QMenu;

class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    // slot: the window's WindowClosed slot; className: the window's class name (its objectName).
    ChildWindow(int slot, const char* className);
    ~ChildWindow() override;

    int slot() const { return m_slot; }
    // The client area, on which the controls sit and the surface is shown.
    QWidget* client() const;
    int clientWidth() const;
    int clientHeight() const;

    // The retained picture of the client area. Handlers draw on it and call refreshSurface().
    QImage& surface() { return m_surface; }
    void refreshSurface();
    // The same for the part of the client area the handler drew on (client coordinates);
    // a rectangle converts to a region.
    void refreshSurface(const QRegion& drawn);

    // Sets the window's bounds (left, top, width, height) inside the frame's area and lays out
    // the client area at once, so the client size is known right away.
    void setBounds(int left, int top, int width, int height);

    // The window's own hint switch (the global setting is copied at creation).
    bool showsHints() const;
    void setShowsHints(bool on);

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

    // The texts a copied or printed picture carries: one line per visible result label in
    // reading order (top to bottom, then left to right), the equation or inequality first, as
    // they read on the screen (π as π). The default reads the labels standing on the client area.
    virtual QStringList resultLines() const;

    // The picture's own menu, opened by a right click on it: Save picture…, Print…, Copy.
    QMenu* pictureMenu() const { return m_pictureMenu; }

protected:
    // The visible, non-empty labels of the list as lines of text: the labels side by side on a
    // row make one line, the rows from top to bottom (positions on the client area). A label set
    // in the Symbol font gives its Greek letters (p as π), and the capitals that only look Latin
    // as the Latin ones they look like (2Kπ, not 2Κπ).
    QStringList labelLines(const QList<const QLabel*>& labels) const;

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
    void closeEvent(QCloseEvent* event) override;

private:
    friend class ClientArea;
    void paintClient(QPainter& painter, const QRect& area);
    void resizeSurface(QSize size);
    void onWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState);

    int m_slot;
    ClientArea* m_client;
    Accessibility::PictureElement* m_picture;
    QMenu* m_pictureMenu;
    QImage m_surface;
    bool m_ownPaintPending = false;
    bool m_inPaint = false;
    bool m_closed = false;
    int m_formPaintCount = 0;
};
