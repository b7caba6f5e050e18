#include "platform/help_window.h"

#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace {
QPointer<HelpWindow>& theWindow()
{
    static QPointer<HelpWindow> window;
    return window;
}
}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window), m_text(new QLabel(this))
{
    setObjectName("HelpWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    m_text->setObjectName("HelpText");
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    resize(480, 360);
}

HelpWindow* HelpWindow::instance()
{
    return theWindow();
}

void HelpWindow::showRequest(const QString& fileName, int context)
{
    if (!theWindow())
        theWindow() = new HelpWindow();
    theWindow()->showPage(fileName, context);
    theWindow()->show();
    theWindow()->raise();
    theWindow()->activateWindow();
}

void HelpWindow::showPage(const QString& fileName, int context)
{
    m_fileName = fileName;
    m_context = context;
    setWindowTitle(fileName);
    m_text->setText(context == 0 ? tr("%1: contents").arg(fileName) : tr("%1: topic %2").arg(fileName).arg(context));
}
