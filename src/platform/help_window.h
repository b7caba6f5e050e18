#pragma once
// The window that shows the help: one instance, non-modal, brought to the front when asked again.
#include <QWidget>

class QLabel;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the page for a help file name and a context number (0 = contents).
    static void showRequest(const QString& fileName, int context);
    static HelpWindow* instance();

    QString fileName() const { return m_fileName; }
    int context() const { return m_context; }

private:
    HelpWindow();
    void showPage(const QString& fileName, int context);
    QLabel* m_text;
    QString m_fileName;
    int m_context = 0;
};
