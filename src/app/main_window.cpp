#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <map>

#include "expr/calculator.h"
#include "platform/accessibility.h"
#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/qt_translations.h"
#include "platform/system_locale.h"
#include "practice/practice_window.h"
#include "shell/about_window.h"
#include "shell/child_window.h"
#include "shell/image_list.h"
#include "shell/language_file.h"
#include "shell/languages.h"
#include "shell/notice_window.h"
#include "shell/picture_export.h"
#include "shell/program_folders.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"
#include "triangles/triangle_window.h"
#include "app/solve_dialog.h"
#include "app/topic_windows.h"
#include "shell/window_registry.h"

namespace app {

namespace {
QPointer<Tangolario>& theMainWindow()
{
    static QPointer<Tangolario> window;
    return window;
}

// Menu items in the order of the MenuTexts rows 0 to 31; the rows 16 to 24, the captions of the
// topic windows' items, are named by their records.
const char* const kMenuRows[32] = {
    "Ambiente1", "Mostrasuggerimenti1", "Calcolatrice1", "Lingua1", "Francese1", "Inglese1", "Italiano1",
    "Uscita1", "Finestre1", "Precedente1", "Successiva1", "Chiudetutte1", "N1", "Guida1", "Informazioni1",
    "Angolario1", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    "eMail1", "Sito1", "Equazioni1", "Disequazioni1", "Caricaunaltraversione1", "Linguapredefinita1", "altra"};
}  // namespace

// ---------------------------------------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    const QSizeF size = QSizeF(m_picture.size()) / m_picture.devicePixelRatio();
    painter.drawImage(QPointF((width() - size.width()) / 2.0, 0), m_picture);
}

// ---------------------------------------------------------------------------------------------

Tangolario::Tangolario()
    : m_mdi(new QMdiArea(this)),
      Immatem(new PictureBox(m_mdi->viewport())),
      Imatem(new QWidget(this)),
      Label1(new QLabel(this)),
      Label2(new QLabel(this)),
      Label3(new QLabel(this)),
      Timer3(new QTimer(this)),
      Timer1(new QTimer(this))
{
    theMainWindow() = this;
    setObjectName("Tangolario");
    m_mdi->setObjectName("MdiArea");
    m_mdi->setFrameShape(QFrame::NoFrame);
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_mdi->setBackground(QColor(0, 0, 255));
    setCentralWidget(m_mdi);
    Immatem->setObjectName("Immatem");
    Immatem->setPicture(QImage(QStringLiteral(":/pictures/background.jpg")));
    Immatem->hide();
    Imatem->setObjectName("Imatem");
    Label1->setObjectName("Label1");
    Label2->setObjectName("Label2");
    Label3->setObjectName("Label3");
    Timer3->setObjectName("Timer3");
    Timer1->setObjectName("Timer1");
    app::setBackgroundPicture(Immatem);

    // The splash: borderless and blue, no menu.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFont(Fonts::windowDefault());
    QPalette blue = palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    setPalette(blue);
    setAutoFillBackground(true);

    QFont title = Fonts::sansSerif(48);
    Label1->setFont(title);
    QFont credits = Fonts::sansSerif(16, true, true);
    Label2->setFont(credits);
    Label3->setFont(credits);
    for (QLabel* label : {Label1, Label2, Label3}) {
        // The title may come from a language file: never read as rich text.
        label->setTextFormat(Qt::PlainText);
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, label == Label1 ? QColor(255, 255, 255) : QColor(0, 255, 255));
        label->setPalette(p);
    }
    Label2->setText(tr("Trigonometry for secondary school"));
    Label3->setText(tr("a free program for students and teachers"));
    Label2->hide();
    Label3->hide();

    buildMenu();
    menuBar()->hide();
    practice::setSolverOpener([window = QPointer<Tangolario>(this)](practice::Family family, bool inequality) {
        const TopicWindow* topic = topicForExercises(int(family), inequality);
        return window && topic ? window->openTopicWindow(topic->slot) : nullptr;
    });
    practice::setTriangleOpener([window = QPointer<Tangolario>(this)](const triangles::Parts& given) {
        const TopicWindow* topic = topicForExercises(int(practice::Family::Triangles), false);
        ChildWindow* opened = window && topic ? window->openTopicWindow(topic->slot) : nullptr;
        if (auto* triangle = qobject_cast<triangles::TriangleWindow*>(opened))
            triangle->showExercise(given);
        return opened;
    });
    practice::setProgressOpener([window = QPointer<Tangolario>(this)] {
        const TopicWindow* topic = topicForClass("ProgressWindow");
        return window && topic ? window->openTopicWindow(topic->slot) : nullptr;
    });

    Timer3->setInterval(1);
    Timer1->setInterval(35);
    connect(Timer3, &QTimer::timeout, this, &Tangolario::Timer3Timer);
    connect(Timer1, &QTimer::timeout, this, &Tangolario::Timer1Timer);
    m_chooseLanguageFile = [this] {
        // A name typed without extension stands for name.lng.
        QFileDialog dialog(this, QString(), app::languageFileFolder(), QStringLiteral("Textfile (*.lng)"));
        dialog.setObjectName(QStringLiteral("OpenDialog1"));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("lng"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };

    FormCreate();
    Timer3->start();
}

Tangolario::~Tangolario()
{
    // The frame reports its windows going away while the menus are already destroyed.
    disconnect(m_mdi, nullptr, this, nullptr);
    app::setBackgroundPicture(nullptr);
}

Tangolario* Tangolario::instance()
{
    return theMainWindow();
}

QMenu* Tangolario::addMenu(QMenu* parent, const char* name)
{
    QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    m_menus.insert(QString::fromLatin1(name), menu);
    m_items.insert(QString::fromLatin1(name), menu->menuAction());
    return menu;
}

QAction* Tangolario::addItem(QMenu* menu, const char* name, int helpContext, int image)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    if (helpContext > 0)
        Help::setHelpContext(action, helpContext);
    if (image >= 0)
        action->setIcon(ImageList::mainList().icon(image));
    m_items.insert(QString::fromLatin1(name), action);
    return action;
}

void Tangolario::buildMenu()
{
    QMenu* ambiente = addMenu(nullptr, "Ambiente1");
    // The picture commands, on the active topic window; the topic windows' own picture menu
    // carries them too. Their help page is 105.
    const struct {
        const char* name;
        QKeySequence::StandardKey keys;
        void (Tangolario::*handler)();
    } pictureItems[] = {{"SavePictureItem", QKeySequence::Save, &Tangolario::savePictureClick},
                        {"PrintItem", QKeySequence::Print, &Tangolario::printClick},
                        {"CopyItem", QKeySequence::Copy, &Tangolario::copyClick}};
    for (const auto& item : pictureItems) {
        QAction* action = addItem(ambiente, item.name, 105);
        action->setShortcuts(item.keys);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, item.handler);
    }
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &Tangolario::enablePictureCommands);
    connect(ambiente, &QMenu::aboutToShow, this, &Tangolario::enablePictureCommands);
    ambiente->addSeparator();
    connect(addItem(ambiente, "Calcolatrice1", 101, ImageList::Calculator), &QAction::triggered, this,
            &Tangolario::Calcolatrice1Click);
    QAction* solve = addItem(ambiente, "SolveItem", app::SolveHelpContext);
    solve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(solve, &QAction::triggered, this, &Tangolario::solveClick);
    ambiente->addSeparator();
    QAction* hints = addItem(ambiente, "Mostrasuggerimenti1", 103);
    hints->setCheckable(true);
    hints->setChecked(true);
    connect(hints, &QAction::triggered, this, &Tangolario::Mostrasuggerimenti1Click);
    ambiente->addSeparator();
    QMenu* lingua = addMenu(ambiente, "Lingua1");
    Help::setHelpContext(lingua->menuAction(), 4);
    connect(addItem(lingua, "Francese1", 4, ImageList::FrenchFlag), &QAction::triggered, this,
            &Tangolario::Francese1Click);
    connect(addItem(lingua, "Inglese1", 4, ImageList::EnglishFlag), &QAction::triggered, this,
            &Tangolario::Inglese1Click);
    connect(addItem(lingua, "Italiano1", 4, ImageList::ItalianFlag), &QAction::triggered, this,
            &Tangolario::Italiano1Click);
    QAction* altra = addItem(lingua, "altra", 4);
    altra->setVisible(false);
    connect(altra, &QAction::triggered, this, &Tangolario::altraClick);
    connect(addItem(ambiente, "Caricaunaltraversione1", 4), &QAction::triggered, this,
            &Tangolario::Caricaunaltraversione1Click);
    QAction* predefinita = addItem(ambiente, "Linguapredefinita1", 4);
    predefinita->setCheckable(true);
    predefinita->setChecked(false);
    connect(predefinita, &QAction::triggered, this, &Tangolario::Linguapredefinita1Click);
    ambiente->addSeparator();
    QAction* uscita = addItem(ambiente, "Uscita1", 102, ImageList::Exit);
    uscita->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(uscita, &QAction::triggered, this, &Tangolario::Uscita1Click);

    // The topic windows' items, each in its menu as its record says.
    const std::map<TopicMenu, QMenu*> topicMenus = {{TopicMenu::Topics, addMenu(nullptr, "Angolario1")},
                                                    {TopicMenu::Equations, addMenu(nullptr, "Equazioni1")},
                                                    {TopicMenu::Inequalities, addMenu(nullptr, "Disequazioni1")}};
    for (const TopicWindow& topic : topicWindows()) {
        QMenu* parent = topicMenus.at(topic.menu);
        if (topic.lineBefore)
            parent->addSeparator();
        QAction* item = addItem(parent, topic.menuItem, topic.helpContext);
        const int slot = topic.slot;
        connect(item, &QAction::triggered, this, [this, slot] { openTopicWindow(slot); });
    }

    QMenu* finestre = addMenu(nullptr, "Finestre1");
    QAction* precedente = addItem(finestre, "Precedente1", 0, ImageList::PreviousWindow);
    precedente->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)});
    connect(precedente, &QAction::triggered, this, &Tangolario::Precedente1Click);
    QAction* successiva = addItem(finestre, "Successiva1", 0, ImageList::NextWindow);
    successiva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(successiva, &QAction::triggered, this, &Tangolario::Successiva1Click);
    connect(addItem(finestre, "Chiudetutte1", 0), &QAction::triggered, this, &Tangolario::Chiudetutte1Click);
    connect(finestre, &QMenu::aboutToShow, this, &Tangolario::rebuildWindowList);

    QMenu* help = addMenu(nullptr, "N1");
    connect(addItem(help, "Guida1", 0, ImageList::Help), &QAction::triggered, this, &Tangolario::Guida1Click);
    help->addSeparator();
    connect(addItem(help, "eMail1", 0, ImageList::Mail), &QAction::triggered, this, &Tangolario::eMail1Click);
    help->addSeparator();
    connect(addItem(help, "Sito1", 0, ImageList::WebSite), &QAction::triggered, this, &Tangolario::Sito1Click);
    help->addSeparator();
    connect(addItem(help, "Informazioni1", 0, ImageList::About), &QAction::triggered, this,
            &Tangolario::Informazioni1Click);
}

void Tangolario::rebuildWindowList()
{
    // The frame's window list: the open child windows after the fixed items, the active one checked.
    QMenu* finestre = m_menus.value("Finestre1");
    for (QAction* action : m_windowListActions) {
        finestre->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    m_windowListActions.append(finestre->addSeparator());
    int number = 1;
    for (QMdiSubWindow* window : windows) {
        QAction* action = finestre->addAction(QStringLiteral("&%1 %2").arg(number++).arg(window->windowTitle()));
        action->setCheckable(true);
        action->setChecked(window == m_mdi->activeSubWindow());
        QPointer<QMdiSubWindow> target = window;
        connect(action, &QAction::triggered, this, [this, target] {
            if (target)
                m_mdi->setActiveSubWindow(target);
        });
        m_windowListActions.append(action);
    }
}

void Tangolario::FormCreate()
{
    m_splashTicks = 0;
    resize(445, 280);
    const QRect screen = Desktop::screenGeometry(this);
    move((screen.width() - width()) / 2, (screen.height() - height()) * 5 / 12);

    // The language: the locale, then the settings file, then the language file.
    app::LanguageLines.clear();
    app::chooseLanguageFromLocale(SystemLocale::systemLocaleId());
    m_settingsPath = app::settingsFileToUse();
    app::readStartSettings(m_settingsPath);
    if (app::CurrentLanguage > app::French) {
        if (app::loadStartLanguageFile()) {
            QAction* altra = m_items.value("altra");
            altra->setVisible(true);
            loadFlagPicture();
        }
    }
    m_items.value("Linguapredefinita1")->setIcon(QIcon());

    m_items.value("Mostrasuggerimenti1")->setChecked(app::ShowHints);
    switch (app::CurrentLanguage) {
    case app::Italian: m_languageImage = ImageList::ItalianFlag; break;
    case app::English: m_languageImage = ImageList::EnglishFlag; break;
    case app::French: m_languageImage = ImageList::FrenchFlag; break;
    default: m_languageImage = m_altraImage; break;
    }
    m_items.value("Lingua1")->setIcon(ImageList::mainList().icon(m_languageImage));
    ApplyLanguageTexts();

    app::WindowMetrics sizes = app::windowMetrics();
    sizes.workAreaHeight = height();
    sizes.workAreaWidth = width();
    app::setWindowMetrics(sizes);
    ScreenCursors::registerPointingHand();

    Imatem->setCursor(Qt::BlankCursor);
    Imatem->setGeometry(0, 0, width(), height());
    Imatem->raise();
    Label1->setText(app::titleText(app::Title::ProgramUpper));
    for (QLabel* label : {Label1, Label2, Label3}) {
        label->adjustSize();
        label->raise();
    }
    Label1->move((width() - Label1->width()) / 2, (height() - Label1->height()) / 2 - 10);
    Label2->move((width() - Label2->width()) / 2, 15);
    Label3->move((width() - Label3->width()) / 2, height() - Label3->height() - 15);
}

void Tangolario::loadFlagPicture()
{
    const QImage flag = app::readFlagPicture(app::flagPicturePath(app::LanguageFileName));
    QAction* altra = m_items.value("altra");
    if (flag.isNull()) {
        m_altraImage = -1;
        altra->setIcon(QIcon());
        return;
    }
    m_altraImage = ImageList::mainList().setLanguageFlag(QIcon(QPixmap::fromImage(flag)));
    altra->setIcon(ImageList::mainList().icon(m_altraImage));
}

void Tangolario::ApplyLanguageTexts()
{
    const int language = app::CurrentLanguage;
    const QString title = app::TitleTexts.text(app::Title::Program, language);
    setWindowTitle(title);
    Accessibility::setTexts(this, title, app::programText(app::ProgramText::MainWindowKeys));
    Help::setApplicationHelpFile(
        (app::TitleTexts.text(app::Title::HelpBaseName, language) + QStringLiteral(".hlp")).left(64));
    for (int row = 0; row < 32; ++row)
        if (QAction* item = kMenuRows[row] ? m_items.value(QString::fromLatin1(kMenuRows[row])) : nullptr)
            item->setText(app::MenuTexts.text(row, language));
    for (const TopicWindow& topic : topicWindows())
        m_items.value(QString::fromLatin1(topic.menuItem))
            ->setText(topic.menuRow >= 0 ? app::MenuTexts.text(topic.menuRow, language)
                                         : app::programText(topic.menuText) + QStringLiteral("…"));
    m_items.value("SolveItem")->setText(app::programText(app::ProgramText::SolveMenu));
    m_items.value("SavePictureItem")->setText(app::programText(app::ProgramText::SavePicture));
    m_items.value("PrintItem")->setText(app::programText(app::ProgramText::PrintPicture));
    m_items.value("CopyItem")->setText(app::programText(app::ProgramText::CopyPicture));
    // Qt's own dialogs follow; a loaded language is known by the names the file gives it.
    QtTranslations::use(QtTranslations::localeNameFor(language, app::MenuTexts.text(31, app::English),
                                                      app::MenuTexts.text(31, app::LoadedLanguage)));
}

// ---------------------------------------------------------------------------------------------
// The splash

void Tangolario::Timer3Timer()
{
    if (m_splashFinished || !Timer3)
        return;
    ++m_splashTicks;
    if (m_splashTicks > 40) {
        Label2->show();
        Label3->show();
        Timer3->stop();
        Timer3->deleteLater();
        Timer3 = nullptr;
        Timer1->start();
    }
}

void Tangolario::Timer1Timer()
{
    if (m_splashFinished || !Timer1)
        return;
    ++m_splashTicks;
    if (m_splashTicks > 65)
        endSplash();
}

void Tangolario::finishSplash()
{
    while (!m_splashFinished && Timer3)
        Timer3Timer();
    while (!m_splashFinished && Timer1)
        Timer1Timer();
}

void Tangolario::endSplash()
{
    m_splashFinished = true;
    hide();
    delete Imatem;
    Imatem = nullptr;
    delete Label1;
    delete Label2;
    delete Label3;
    Label1 = Label2 = Label3 = nullptr;

    const QRect screen = Desktop::screenGeometry(this);
    setWindowFlags(Qt::Window);
    m_workingBounds = QRect(0, 0, screen.width(), screen.height() - 28);
    setGeometry(m_workingBounds);
    // The frame's area turns black; the menus keep the desktop's colours.
    setPalette(QApplication::palette());
    setAutoFillBackground(false);
    m_mdi->setBackground(Qt::black);

    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();
    app::WindowMetrics sizes = app::windowMetrics();
    sizes.bottomBarHeight = 2 * textHeight;
    sizes.barPanelHeight = textHeight + 4;
    sizes.barPanelTop = (sizes.bottomBarHeight - sizes.barPanelHeight) / 2;

    menuBar()->show();
    showMaximized();
    // Let the window system apply the maximised size before it is measured.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (QLayout* l = layout())
        l->activate();

    // The window system may make a window larger than its screen says it is (a screen of no
    // size); the work area never exceeds the screen.
    const QSize client = m_mdi->viewport()->size().boundedTo(screen.size());
    sizes.workAreaHeight = std::max(0, client.height() - 4);
    sizes.workAreaWidth = std::max(0, client.width() - 4);
    app::setWindowMetrics(sizes);
    Immatem->setGeometry(0, 0, sizes.workAreaWidth, sizes.workAreaHeight + 3);
    Immatem->lower();

    Desktop::movePointer(mapToGlobal(QPoint(client.width() / 2, client.height() / 10)));
    if (Timer1) {
        Timer1->stop();
        Timer1->deleteLater();
        Timer1 = nullptr;
    }
    app::ChildWindowClosed();
}

void Tangolario::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}

// ---------------------------------------------------------------------------------------------
// Child windows

ChildWindow* Tangolario::openTopicWindow(int slot)
{
    const TopicWindow* topic = topicForSlot(slot);
    if (!topic || !topic->create)
        return nullptr;
    if (!app::windowClosed(slot)) {
        if (ChildWindow* open = app::openChildWindow(slot)) {
            m_mdi->setActiveSubWindow(open);
            open->raise();
            return open;
        }
        return nullptr;
    }
    ChildWindow* window = topic->create(*topic);
    m_mdi->addSubWindow(window);
    window->create();
    window->show();
    m_mdi->setActiveSubWindow(window);
    return window;
}

ChildWindow* Tangolario::activeTopicWindow() const
{
    // The current window stays current while another program has the focus.
    return qobject_cast<ChildWindow*>(m_mdi->currentSubWindow());
}

void Tangolario::enablePictureCommands()
{
    const bool open = activeTopicWindow() != nullptr;
    for (const char* name : {"SavePictureItem", "PrintItem", "CopyItem"})
        m_items.value(name)->setEnabled(open);
}

void Tangolario::savePictureClick()
{
    PictureExport::savePictureCommand(activeTopicWindow());
}

void Tangolario::printClick()
{
    PictureExport::printCommand(activeTopicWindow());
}

void Tangolario::copyClick()
{
    PictureExport::copyCommand(activeTopicWindow());
}

void Tangolario::closeAllChildWindows()
{
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    for (QMdiSubWindow* window : windows)
        window->close();
    app::ChildWindowClosed();
}

void Tangolario::Chiudetutte1Click()
{
    closeAllChildWindows();
}

// Previous and Next follow the order of the Windows menu's list (the order of creation), cycling
// at the ends.
void Tangolario::Precedente1Click()
{
    m_mdi->activatePreviousSubWindow();
}

void Tangolario::Successiva1Click()
{
    m_mdi->activateNextSubWindow();
}

// ---------------------------------------------------------------------------------------------
// Other commands

void Tangolario::solveClick()
{
    app::SolveDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    app::showTypedEquation(dialog.result(), [this](int slot) { return openTopicWindow(slot); });
}

void Tangolario::Calcolatrice1Click()
{
    TCalcola calculator(this);
    calculator.exec();
}

void Tangolario::Mostrasuggerimenti1Click()
{
    QAction* item = m_items.value("Mostrasuggerimenti1");
    app::ShowHints = item->isChecked();
}

void Tangolario::Linguapredefinita1Click()
{
    // The check mark is toggled by the item itself.
}

void Tangolario::Uscita1Click()
{
    close();
}

void Tangolario::Guida1Click()
{
    Help::showContents();
}

void Tangolario::eMail1Click()
{
    Desktop::openUrl(QString::fromLatin1(app::MakerMail));
    showMinimized();
}

void Tangolario::Sito1Click()
{
    Desktop::openUrl(QString::fromLatin1(app::MakerSite));
    showMinimized();
}

void Tangolario::Informazioni1Click()
{
    Tinfo about(this);
    about.exec();
}

// ---------------------------------------------------------------------------------------------
// Languages

void Tangolario::changeLanguage(int slot, int image)
{
    app::CurrentLanguage = static_cast<unsigned char>(slot);
    m_languageImage = image;
    m_items.value("Lingua1")->setIcon(ImageList::mainList().icon(image));
    closeAllChildWindows();
    ApplyLanguageTexts();
}

void Tangolario::Francese1Click()
{
    changeLanguage(app::French, ImageList::FrenchFlag);
}

void Tangolario::Inglese1Click()
{
    changeLanguage(app::English, ImageList::EnglishFlag);
}

void Tangolario::Italiano1Click()
{
    changeLanguage(app::Italian, ImageList::ItalianFlag);
}

void Tangolario::altraClick()
{
    // Only a language that was loaded can be chosen again.
    if (app::LanguageLines.isEmpty())
        return;
    changeLanguage(app::LoadedLanguage, m_altraImage);
}

void Tangolario::Caricaunaltraversione1Click()
{
    const QString chosen = m_chooseLanguageFile ? m_chooseLanguageFile() : QString();
    if (chosen.isEmpty())
        return;
    if (app::loadChosenLanguageFile(chosen)) {
        QAction* altra = m_items.value("altra");
        altra->setVisible(true);
        altra->setText(app::MenuTexts.text(31, app::LoadedLanguage));
        loadFlagPicture();
        altraClick();
        return;
    }
    Tversione notice(this, app::refusedFileName());
    notice.exec();
}

// ---------------------------------------------------------------------------------------------

void Tangolario::FormClose()
{
    // A settings file that cannot be written leaves the previous one whole; the notice says so.
    if (!app::writeSettingsAtClose(m_settingsPath, m_items.value("Linguapredefinita1")->isChecked())) {
        Tversione notice(this, app::programText(app::ProgramText::SettingsNotSaved), m_settingsPath);
        notice.exec();
    }
}

void Tangolario::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

}  // namespace app
