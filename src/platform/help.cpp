#include "platform/help.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QVariant>

#include "platform/help_window.h"

namespace Help {
namespace {

QString& helpFile()
{
    static QString name = QStringLiteral("Angolario.HLP");
    return name;
}

Viewer& viewer()
{
    static Viewer v = [](const Request& request) { HelpWindow::showRequest(request.fileName, request.context); };
    return v;
}

Request& last()
{
    static Request request;
    return request;
}

int& count()
{
    static int n = 0;
    return n;
}

void dispatch(int context)
{
    last() = Request{helpFile(), context};
    ++count();
    if (viewer())
        viewer()(last());
}

const char* const kProperty = "helpContext";

class F1Filter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        if (auto* ke = static_cast<QKeyEvent*>(event); ke->isAutoRepeat())
            return true;
        Q_UNUSED(watched);
        // A highlighted menu item answers first.
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            if (QAction* action = menu->activeAction()) {
                const int context = helpContext(action);
                if (context > 0) {
                    menu->close();
                    showContext(context);
                    return true;
                }
            }
            return true;
        }
        for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget()) {
            const int context = helpContext(w);
            if (context > 0) {
                showContext(context);
                return true;
            }
        }
        showContents();
        return true;
    }
};

}  // namespace

void setApplicationHelpFile(const QString& fileName)
{
    helpFile() = fileName;
}

QString applicationHelpFile()
{
    return helpFile();
}

void showContents()
{
    dispatch(0);
}

void showContext(int context)
{
    dispatch(context);
}

void setViewer(Viewer v)
{
    viewer() = std::move(v);
}

Request lastRequest()
{
    return last();
}

int requestCount()
{
    return count();
}

void setHelpContext(QObject* object, int context)
{
    if (object)
        object->setProperty(kProperty, context);
}

int helpContext(const QObject* object)
{
    if (!object)
        return 0;
    const QVariant value = object->property(kProperty);
    return value.isValid() ? value.toInt() : 0;
}

void installF1Handler(QApplication* application)
{
    static F1Filter* filter = nullptr;
    if (!filter) {
        filter = new F1Filter(application);
        application->installEventFilter(filter);
    }
}

}  // namespace Help
