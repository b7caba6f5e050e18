#pragma once
// The help layer: the application's help file name and the requests to open it at its
// contents or at a context number. Every help command, help button and F1 goes through here.
#include <QString>
#include <functional>

class QObject;
class QApplication;
class QWidget;

namespace Help {

// The help file the application names ("Angolario.HLP" at start, then the language's own).
void setApplicationHelpFile(const QString& fileName);
QString applicationHelpFile();

// Opens the application's help file at its contents page.
void showContents();
// Opens the application's help file at a context number.
void showContext(int context);

// A help request as the viewer receives it: the file name and the context (0 = contents).
struct Request {
    QString fileName;
    int context = 0;
};
// The viewer that shows a request; the default one is the program's help window.
using Viewer = std::function<void(const Request&)>;
void setViewer(Viewer viewer);
// The last request made, for whoever needs to know what help was asked for.
Request lastRequest();
int requestCount();

// The help context of a control, menu item or window (a property read by F1 and the help buttons).
void setHelpContext(QObject* object, int context);
int helpContext(const QObject* object);

// F1 opens the context of the highlighted menu item, else of the focused control or its window.
void installF1Handler(QApplication* application);

}  // namespace Help
