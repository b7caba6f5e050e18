#pragma once
// The main window: the splash, then the maximised multiple-document frame with its menus and
// background picture. It opens the topic windows, keeps the shared geometry, changes the
// language and writes the settings when it closes.
#include <QMainWindow>
#include <QMap>
#include <QRect>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;

namespace app {

class ChildWindow;

// A picture shown centred at the top of its area, taking no mouse input.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

class Tangolario : public QMainWindow {
    Q_OBJECT
public:
    Tangolario();
    ~Tangolario() override;
    static Tangolario* instance();

    // Runs the remaining splash ticks at once (for a start without waiting).
    void finishSplash();
    bool splashFinished() const { return m_splashFinished; }
    // The bounds given to the working window before it was maximised.
    QRect workingBounds() const { return m_workingBounds; }

    // Opens the topic window of a slot, or brings the open one to the front.
    ChildWindow* openTopicWindow(int slot);
    QMdiArea* mdiArea() const { return m_mdi; }
    QAction* menuItem(const QString& name) const { return m_items.value(name); }
    QMenu* menu(const QString& name) const { return m_menus.value(name); }
    PictureBox* backgroundPicture() const { return Immatem; }
    // The image index of Lingua1 and altra.
    int languageImage() const { return m_languageImage; }
    int loadedLanguageImage() const { return m_altraImage; }

    // Where the language file chooser comes from (the file-open dialog by default).
    void setLanguageFileChooser(std::function<QString()> chooser) { m_chooseLanguageFile = std::move(chooser); }
    // The settings file read at start and written back at close (app::settingsFileToUse).
    QString settingsPath() const { return m_settingsPath; }
    // Ticks counted by the splash timers.
    int splashTicks() const { return m_splashTicks; }

    // Menu handlers.
    void Calcolatrice1Click();
    void Mostrasuggerimenti1Click();
    void Francese1Click();
    void Inglese1Click();
    void Italiano1Click();
    void altraClick();
    void Caricaunaltraversione1Click();
    void Linguapredefinita1Click();
    void Uscita1Click();
    void Precedente1Click();
    void Successiva1Click();
    void Chiudetutte1Click();
    void Guida1Click();
    void eMail1Click();
    void Sito1Click();
    void Informazioni1Click();
    // Save picture…, Print… and Copy of the File menu, on the active topic window.
    void savePictureClick();
    void printClick();
    void copyClick();
    // The active topic window, or null.
    ChildWindow* activeTopicWindow() const;

    void Timer3Timer();
    void Timer1Timer();

    // Sets the captions of the main window and its menus in the language in use.
    void ApplyLanguageTexts();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void buildMenu();
    QAction* addItem(QMenu* menu, const char* name, int helpContext, int image = -1);
    QMenu* addMenu(QMenu* parent, const char* name);
    void changeLanguage(int slot, int image);
    void closeAllChildWindows();
    void loadFlagPicture();
    void rebuildWindowList();
    void endSplash();
    // The picture commands are greyed while no topic window is open.
    void enablePictureCommands();

    QMdiArea* m_mdi;
    PictureBox* Immatem;
    QWidget* Imatem;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QTimer* Timer3;
    QTimer* Timer1;
    QMap<QString, QAction*> m_items;
    QMap<QString, QMenu*> m_menus;
    QList<QAction*> m_windowListActions;
    int m_languageImage = -1;
    int m_altraImage = -1;
    bool m_splashFinished = false;
    QRect m_workingBounds;
    std::function<QString()> m_chooseLanguageFile;
    QString m_settingsPath;
    unsigned char m_splashTicks = 0;
};

}  // namespace app
