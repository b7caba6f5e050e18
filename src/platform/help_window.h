#pragma once
// The window that shows the help pages: one instance, non-modal, brought to the front when asked
// again. It shows the page of a context number in the language of the help file name, with a
// contents button and back and forward through the pages seen.
#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QUrl;

namespace platform {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the page for a help file name and a context number (0 = contents), creating the
    // window when there is none.
    static void showRequest(const QString& fileName, int context);
    // The window while it exists, else null.
    static HelpWindow* instance();
    // Closes and destroys the window, if there is one.
    static void closeInstance();

    QString fileName() const { return m_fileName; }
    int context() const { return m_context; }
    QString language() const { return m_language; }
    // The page shown now.
    QUrl source() const;
    QTextBrowser* browser() const { return m_browser; }

    void showContentsPage();
    void goBack();
    void goForward();

private:
    HelpWindow();
    void showPage(const QString& fileName, int context);
    void retitle();
    void updateButtons();
    void placeBesideTheProgram();
    void followModalWindow();

    QToolButton* m_contents;
    QToolButton* m_back;
    QToolButton* m_forward;
    QTextBrowser* m_browser;
    QString m_fileName;
    QString m_language;
    int m_context = 0;
    bool m_placed = false;
    QMetaObject::Connection m_ownerHidden;
};

}  // namespace platform
