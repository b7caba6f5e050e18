#pragma once
// The help layer: the application's help file name and the requests to open it at its
// contents or at a context number. Every help command, help button and F1 goes through here.
#include <QString>
#include <QUrl>
#include <functional>
#include <vector>

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
// The program's own viewer: the help window.
Viewer defaultViewer();
// The last request made, for whoever needs to know what help was asked for.
Request lastRequest();
int requestCount();

// The help context of a control, menu item or window (a property read by F1 and the help buttons).
void setHelpContext(QObject* object, int context);
int helpContext(const QObject* object);

// The context numbers of the program's own pages: the menu items (4, 101, 102, 103, 105) and
// the coefficient entry (804). Each topic window's page is in its record (app/topic_windows).
const std::vector<int>& contextNumbers();

// The language of the pages for a help file name, by its base name without regard to case:
// "it" for Angolario, "fr" for Angulaire, "en" for Anglebook and for any other name (a language
// loaded from a file has no pages of its own).
QString pageLanguage(const QString& fileName);
// The page of a language for a context (0 = contents); the contents when the context has no page.
QUrl pageUrl(const QString& language, int context);
// The page of a help file name for a context.
QUrl pageUrlForFile(const QString& fileName, int context);
// Whether a language has a page of its own for a context (0 = contents).
bool hasPage(const QString& language, int context);

// F1 opens the context of the highlighted menu item, else of the focused control or its window.
void installF1Handler(QApplication* application);

}  // namespace Help
