#include "platform/help.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
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
    static Viewer v = defaultViewer();
    return v;
}

// The resource path of a page: ":/help/<language>/<context>.html", or "contents.html".
QString pagePath(const QString& language, int context)
{
    const QString page = context == 0 ? QStringLiteral("contents") : QString::number(context);
    return QStringLiteral(":/help/%1/%2.html").arg(language, page);
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

// The open menu in which `menu` is the highlighted submenu, if any.
QMenu* menuAbove(const QMenu* menu)
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets) {
        auto* above = qobject_cast<QMenu*>(widget);
        if (above && above != menu && above->isVisible() && above->activeAction() == menu->menuAction())
            return above;
    }
    return nullptr;
}

// Closes every open menu, the innermost first.
void closeMenus()
{
    for (int i = 0; i < 16; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        popup->close();
    }
}

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
        // A highlighted menu item answers first: the innermost one, which is in the menu above
        // the open submenu when the mouse has opened it without highlighting anything in it.
        // An item without a page of its own opens the contents.
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            int depth = 0;
            for (QMenu* menu = popup; menu && depth < 8; menu = menuAbove(menu), ++depth) {
                if (QAction* action = menu->activeAction()) {
                    closeMenus();
                    showContext(helpContext(action));
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

Viewer defaultViewer()
{
    return [](const Request& request) { platform::HelpWindow::showRequest(request.fileName, request.context); };
}

const std::vector<int>& contextNumbers()
{
    static const std::vector<int> numbers = {4, 101, 102, 103, 105, 804};
    return numbers;
}

QString pageLanguage(const QString& fileName)
{
    const QString base = QFileInfo(fileName.trimmed()).completeBaseName();
    if (base.compare(QLatin1String("Angolario"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("it");
    if (base.compare(QLatin1String("Angulaire"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("fr");
    return QStringLiteral("en");
}

bool hasPage(const QString& language, int context)
{
    return context >= 0 && QFile::exists(pagePath(language, context));
}

QUrl pageUrl(const QString& language, int context)
{
    if (!hasPage(language, context))
        context = 0;
    return QUrl(QStringLiteral("qrc") + pagePath(language, context));
}

QUrl pageUrlForFile(const QString& fileName, int context)
{
    return pageUrl(pageLanguage(fileName), context);
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
