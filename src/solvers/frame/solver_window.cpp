#include "solvers/frame/solver_window.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPaintEngine>
#include <QRegularExpression>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "maths/angles.h"
#include "platform/accessibility.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/symbol_font.h"
#include "shell/image_list.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "solvers/frame/steps_panel.h"
#include "texts/sum_text.h"
#include "texts/text_tables.h"

namespace solvers {

namespace {

void paintGround(QWidget* widget, const QColor& ground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The hourglass over the whole screen while the first picture is drawn, restored however the
// drawing ends.
class HourglassCursor {
public:
    HourglassCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~HourglassCursor() { QApplication::restoreOverrideCursor(); }
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

}  // namespace

SolverWindow::SolverWindow(const app::TopicWindow& topic, const SolverFrame& frame) : app::ChildWindow(topic), m_frame(frame)
{
    setKeeping(Keeping::None);
    QWidget* area = client();
    area->installEventFilter(this);
    Help::setHelpContext(this, SolverWindowHelpContext);
    // F1 on a control of the window opens the window's own page, the one aiuto opens.
    Help::setHelpContext(area, helpContext());

    sotto = new QFrame(area);
    sotto->setObjectName("sotto");
    sotto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sotto->setAutoFillBackground(true);
    Bevel1 = new QFrame(sotto);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::VLine | QFrame::Raised);
    if (frame.equationPanelWidth > 0) {
        Panel2 = new QLabel(sotto);
        Panel2->setObjectName("Panel2");
        Panel2->setTextFormat(Qt::PlainText);
        Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        Panel2->setAlignment(Qt::AlignCenter);
        Panel2->setFont(Fonts::sansSerif(11, true));
        paintGround(Panel2, Colors::clBlue);
        QPalette palette = Panel2->palette();
        palette.setColor(QPalette::WindowText, Colors::clWhite);
        Panel2->setPalette(palette);
        Panel2->setGeometry(20, 5, frame.equationPanelWidth, 25);
    }

    barrasotto = new QFrame(area);
    barrasotto->setObjectName("barrasotto");
    barrasotto->setAutoFillBackground(true);
    m_barLayout = new QHBoxLayout(barrasotto);
    m_barLayout->setContentsMargins(0, 0, 0, 0);
    m_barLayout->setSpacing(2);
    ToolBar1 = new QToolBar(barrasotto);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->hide();
    m_barLayout->addWidget(ToolBar1);
    m_barLayout->addStretch(1);

    makeHintSwitch();
    opensHintSwitch(barrasotto);
    opensHintSwitch(ToolBar1);

    makeHelpButton();

    Panel3 = new QFrame(area);
    Panel3->setObjectName("Panel3");
    Panel3->setAutoFillBackground(true);
    Panel3->resize(393, 25);

    Panel1 = new QFrame(area);
    Panel1->setObjectName("Panel1");
    Accessibility::readInReadingOrder(Panel1);
    Panel1->setAutoFillBackground(true);

    // The "Steps" command: a tool button, Ctrl+E in the window, an item of the picture's menu.
    m_stepsAction = new QAction(stepsCommandText(), this);
    m_stepsAction->setObjectName(QStringLiteral("stepsAction"));
    m_stepsAction->setCheckable(true);
    m_stepsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    m_stepsAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(m_stepsAction);
    pictureMenu()->addAction(m_stepsAction);
    connect(m_stepsAction, &QAction::toggled, this, [this](bool shown) { setShowsSteps(shown); });
    passi = new QToolButton();
    passi->setObjectName(QStringLiteral("passi"));
    passi->setDefaultAction(m_stepsAction);
    passi->setToolButtonStyle(Qt::ToolButtonTextOnly);
    passi->setAutoRaise(true);
    Keyboard::makeReachable(passi);
}

bool SolverWindow::showsSteps() const
{
    return m_stepsAction->isChecked();
}

void SolverWindow::setShowsSteps(bool shown)
{
    m_stepsAction->setChecked(shown);
    if (!m_stepsPanel && !shown)
        return;
    // Made at its first opening, so that a window opens with the focus where it always had it.
    if (!m_stepsPanel)
        m_stepsPanel = new StepsPanel(client());
    if (shown) {
        placeStepsPanel();
        m_stepsPanel->showSolution(workedSolution());
    }
    m_stepsPanel->setVisible(shown);
}

void SolverWindow::placeStepsPanel()
{
    const int top = Panel3->y() + Panel3->height();
    const QRect quarter(m_geometry.W / 2, top, m_geometry.W - m_geometry.W / 2, std::max(m_geometry.H / 2 - top, 40));
    m_stepsPanel->setGeometry(quarter);
}

SolverWindow::~SolverWindow() = default;

void SolverWindow::addCoefficientControls(const CoefficientSetup& setup)
{
    m_coefficients = new CoefficientControls(this, setup);
    addLeadingToolBar(m_coefficients->ToolBar3);
    connect(m_coefficients, &CoefficientControls::changed, this, [this] { redraw(); });
}

void SolverWindow::setCoefficients(const std::array<long double, 3>& values)
{
    if (!m_coefficients)
        return;
    m_coefficients->setValues(values);
    redraw();
}

void SolverWindow::showExercise(int function, const std::array<long double, 3>& coefficients, int /*angleDeg*/)
{
    // The opening picture first, so that it does not take the exercise's state back.
    formactivate();
    if (funzt && funzt->currentIndex() != function) {
        funzt->setCurrentIndex(function);
        aggiornaClick();
    }
    setCoefficients(coefficients);
}

void SolverWindow::showNote(const QString& note)
{
    const QString title = app::titleText(m_frame.captionRow);
    setWindowTitle(note.isEmpty() ? title : title + QStringLiteral(" — ") + note);
}

void SolverWindow::createFunctionChoice()
{
    funzt = new QComboBox();
    funzt->setObjectName("funzt");
    funzt->addItems({QStringLiteral("sin x"), QStringLiteral("cos x"), QStringLiteral("tan x")});
    funzt->setFixedWidth(57);
    funzt->setFont(Fonts::sansSerif(11, true));
    QPalette palette = funzt->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, Colors::clBlack);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, Colors::clWhite);
    funzt->setPalette(palette);

    aggiorna = makeToolButton("aggiorna", app::ImageList::NewFunction);
    connect(aggiorna, &QToolButton::clicked, this, [this] { aggiornaClick(); });
    // Enter on the closed list applies the function chosen in it.
    Keyboard::appliesWithEnter(funzt, aggiorna);
}

QToolButton* SolverWindow::makeToolButton(const char* name, int image)
{
    auto* button = new QToolButton();
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(app::ImageList::mainList().icon(image));
    button->setAutoRaise(true);
    Keyboard::makeReachable(button);
    return button;
}

void SolverWindow::addLeadingToolBar(QToolBar* bar)
{
    bar->setParent(barrasotto);
    opensHintSwitch(bar);
    m_barLayout->insertWidget(0, bar);
}

QLabel* SolverWindow::makeResultLabel(const char* name, int x, int y, int width, const QColor& colour,
                                      const QColor& ground, bool symbol, Qt::Alignment alignment)
{
    QLabel* label = symbol ? new platform::SymbolLabel(Panel1) : new QLabel(Panel1);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(symbol ? Fonts::symbol(13, true) : Fonts::sansSerif(13, true));
    label->setGeometry(x, y, width, 16);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    paintGround(label, ground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Accessibility::readable(colour, ground));
    label->setPalette(palette);
    return label;
}

void SolverWindow::giveToolCursor(QWidget* control)
{
    if (control)
        control->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
}

void SolverWindow::SolverFrameLayout()
{
    // The steps command and the help button close the tool bar, after the window's own controls.
    ToolBar1->addWidget(passi);
    Hints::setHint(passi, stepsCommandHint());
    ToolBar1->addWidget(helpButton());
    // Tab goes through the tool bars' controls left to right.
    QList<QToolBar*> bars;
    for (int i = 0; i < m_barLayout->count(); ++i)
        if (auto* bar = qobject_cast<QToolBar*>(m_barLayout->itemAt(i)->widget()))
            bars.append(bar);
    Keyboard::chainTabOrder(Keyboard::toolBarControls(bars));
    int barHeight = ToolBar1->sizeHint().height();
    for (QToolBar* bar : barrasotto->findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly))
        barHeight = std::max(barHeight, bar->sizeHint().height());
    barrasotto->setFixedHeight(barHeight);

    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    const int W = clientWidth();
    const int H = clientHeight();

    for (QAction* action : ToolBar1->actions())
        giveToolCursor(ToolBar1->widgetForAction(action));

    sotto->resize(W, app::windowMetrics().bottomBarHeight);
    Bevel1->setGeometry(100, 0, 2, app::windowMetrics().bottomBarHeight);
    Panel1->resize(W / 2 + 2, H / 2);
    if (Panel2) {
        Panel2->resize(Panel2->width(), app::windowMetrics().barPanelHeight);
        Panel2->move(Panel2->x(), app::windowMetrics().barPanelTop);
    }
    placeBars();
    Panel3->move(0, barrasotto->y() + barrasotto->height());
    Panel1->move(W - Panel1->width(), H - sotto->height() - Panel1->height());

    growResultLabels();

    setShowsHints(app::ShowHints);

    m_geometry.W = W;
    m_geometry.H = H;
    allocateSolverBitmap();

    if (funzt) {
        funzt->setCurrentIndex(0);
        FunctionIndex = 0;
    }
    ScaleUnit = Desktop::screenGeometry(this).width() / 8;
    m_geometry.U = ScaleUnit;

    setWindowTitle(app::titleText(m_frame.captionRow));
    if (funzt)
        Hints::setHint(funzt, app::commonText(app::Common::Function));
    if (aggiorna)
        Hints::setHint(aggiorna, app::commonText(app::Common::New));
    if (m_coefficients)
        m_coefficients->start();
}

void SolverWindow::growResultLabels()
{
    const QList<QLabel*> labels = Panel1->findChildren<QLabel*>();
    QRect extent;
    for (const QLabel* label : labels)
        extent |= label->geometry();
    if (extent.isEmpty())
        return;
    const qreal scale = std::min({Fonts::textScale(), Panel1->width() / qreal(extent.right() + 1),
                                  Panel1->height() / qreal(extent.bottom() + 1)});
    if (scale <= 1)
        return;
    for (QLabel* label : labels) {
        const QRect r = label->geometry();
        label->setGeometry(QRectF(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale).toRect());
        QFont font = label->font();
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
        label->setFont(font);
    }
}

void SolverWindow::placeBars()
{
    const QWidget* area = client();
    barrasotto->setGeometry(0, 0, area->width(), barrasotto->height());
    sotto->setGeometry(0, area->height() - sotto->height(), area->width(), sotto->height());
}

bool SolverWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == client() && event->type() == QEvent::Resize)
        placeBars();
    return app::ChildWindow::eventFilter(watched, event);
}

QRegion SolverWindow::groundedArea() const
{
    const SolverGeometry& g = m_geometry;
    return QRegion(0, 0, g.W / 2 - 2, g.H) + graphQuarter(g);
}

void SolverWindow::allocateSolverBitmap()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = m_geometry.bitmapSize(m_frame.bitmapHalves).expandedTo(QSize(1, 1));
    SolverBitmap = QImage(size * ratio, QImage::Format_RGB32);
    SolverBitmap.setDevicePixelRatio(ratio);
    SolverBitmap.fill(Qt::black);
}

void SolverWindow::releaseCaches()
{
    SolverBitmap = QImage();
}

void SolverWindow::restoreCaches()
{
    allocateSolverBitmap();
    if (!BackdropPending)
        rebuildGraph();
}

void SolverWindow::drawBackdrop(const BackdropStyle& style)
{
    if (SolverBitmap.isNull())
        allocateSolverBitmap();
    SolverBackdrop(SolverBitmap, m_geometry, style);
}

QRegion SolverWindow::changingArea() const
{
    const SolverGeometry& g = m_geometry;
    return QRegion(0, 0, g.W / 2, g.H) + QRegion(g.W / 2, 0, g.W - g.W / 2, g.H / 2);
}

void SolverWindow::refreshPicture()
{
    refreshSurface(m_openingPicture ? SolverWindow::changingArea() : changingArea());
}

void SolverWindow::tellFindings()
{
    for (auto* label : Panel1->findChildren<platform::SymbolLabel*>())
        Accessibility::setTexts(label, platform::symbolFontReading(label->text()),
                                label->accessibleDescription());
    Accessibility::setTexts(Panel1, app::programText(app::ProgramText::ResultsName),
                            resultTexts().join(QStringLiteral("; ")));
    describePicture(pictureWords());
    if (showsSteps())
        m_stepsPanel->showSolution(workedSolution());
}

void SolverWindow::redraw()
{
    solve();
    tellFindings();
    // Before the first activation there is no picture yet; the labels follow at once.
    if (BackdropPending)
        return;
    refreshPicture();
    m_openingPicture = false;
}

bool SolverWindow::paintsWithCaches(const QPainter& painter, QSize size) const
{
    const QPaintDevice* device = painter.device();
    const QPaintEngine* engine = painter.paintEngine();
    return device && engine && device->devType() == QInternal::Image && engine->type() == QPaintEngine::Raster &&
           size == QSize(m_geometry.W, m_geometry.H) && !SolverBitmap.isNull() &&
           device->devicePixelRatioF() == SolverBitmap.devicePixelRatio();
}

bool SolverWindow::copiesGraphBitmap(const QPainter& painter, QSize size) const
{
    if (paintsWithCaches(painter, size))
        return true;
    const QPaintEngine* engine = painter.paintEngine();
    return painter.device() == client() && engine && engine->type() == QPaintEngine::Raster &&
           size == QSize(m_geometry.W, m_geometry.H) && !SolverBitmap.isNull() &&
           client()->devicePixelRatioF() == SolverBitmap.devicePixelRatio();
}

SolverGeometry SolverWindow::geometryFor(QSize size) const
{
    if (size == QSize(m_geometry.W, m_geometry.H) || m_geometry.W <= 0 || m_geometry.H <= 0)
        return m_geometry;
    const long double scale = std::min<long double>(static_cast<long double>(size.width()) / m_geometry.W,
                                                    static_cast<long double>(size.height()) / m_geometry.H);
    return {size.width(), size.height(), nearest(m_geometry.U * scale)};
}

QStringList SolverWindow::resultTexts() const
{
    QList<QLabel*> labels;
    for (QLabel* label : Panel1->findChildren<QLabel*>())
        if (label->isVisibleTo(Panel1) && !label->text().isEmpty())
            labels.append(label);
    std::stable_sort(labels.begin(), labels.end(), [](const QLabel* a, const QLabel* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    QStringList texts;
    for (const QLabel* label : labels)
        texts.append(qobject_cast<const platform::SymbolLabel*>(label) ? platform::symbolFontText(label->text()) : label->text());
    return texts;
}

QList<QRect> SolverWindow::pictureParts() const
{
    const SolverGeometry& g = m_geometry;
    // The rays reach 1.5 U, the ring U + 10; a margin beyond them.
    const int reach = std::max(nearest(1.5L * g.U), g.U + 10) + 12;
    const QRect circle = QRect(g.centre() - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1))
                             .intersected(QRect(0, 0, g.W / 2 - 2, g.H));
    // The graph from a little left of its curve (which spans 5π/2 = 157 pixels either side of its
    // vertical axis, the labels beyond it) to the "x" after its axis, from the title above it
    // (H div 10 - 16) to the foot of its vertical axis (9H div 20).
    const int left = g.W / 2 + std::max(g.W / 20 - 14, g.W / 4 - 200);
    const QRect graph = QRect(QPoint(left, std::max(0, g.H / 10 - 30)),
                              QPoint(std::min(g.W - 1, g.W / 2 + 9 * g.W / 20 + 40), std::min(g.H / 2 - 1, 9 * g.H / 20 + 12)));
    return {circle, graph};
}

QString SolverWindow::valuedSum(const std::array<QString, 3>& functions) const
{
    if (!m_coefficients)
        return {};
    std::vector<app::SumTerm> terms;
    for (int i = 0; i < 3; ++i) {
        app::SumTerm term = m_coefficients->term(i);
        term.function = functions[std::size_t(i)];
        terms.push_back(term);
    }
    return app::sumText(terms);
}

QStringList SolverWindow::resultLines() const
{
    QStringList lines;
    // The equation or inequality with its values; where a window states none, Panel2's
    // equation (it holds the equation in some windows and only the function in others).
    if (const QString stated = statement(); !stated.isEmpty())
        lines.append(stated);
    else if (Panel2 && Panel2->isVisibleTo(this) &&
             Panel2->text().contains(QRegularExpression(QStringLiteral("[=<>]"))))
        lines.append(Panel2->text().trimmed());
    const QList<QLabel*> labels = Panel1->findChildren<QLabel*>();
    const auto [generic, valued] = leftSides();
    for (QString line : labelLines(QList<const QLabel*>(labels.begin(), labels.end()))) {
        // The inequality a label states in letters, as the title states it: with its values.
        if (!generic.isEmpty() && line.startsWith(generic))
            line = valued + line.mid(generic.size()).replace(QStringLiteral(">="), QStringLiteral("≥"));
        lines.append(line);
    }
    if (showsSteps())
        lines += QStringList{stepsCommandText()} + m_stepsPanel->lines();
    return lines;
}

void SolverWindow::formactivate()
{
    if (!BackdropPending)
        return;
    if (m_frame.movesPointer)
        Desktop::movePointer(QPoint(m_geometry.W / 2, m_geometry.H / 10));
    BackdropPending = false;
    {
        HourglassCursor hourglass;
        prepareOpeningPicture();
        solve();
        tellFindings();
        m_openingPicture = true;
        refreshSurface();
        ToolBar1->setVisible(true);
    }
    paintGround(Panel3, Colors::clBlack);
}

void SolverWindow::SolverClose()
{
    SolverBitmap = QImage();
}

void SolverWindow::FormActivate()
{
    formactivate();
}

void SolverWindow::FormPaint()
{
    if (!BackdropPending)
        redraw();
}

void SolverWindow::FormClose()
{
    SolverClose();
}

}  // namespace solvers
