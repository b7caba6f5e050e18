#include "graphs/tftrigon.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "graphs/application_hint.h"
#include "graphs/function_texts.h"
#include "platform/accessibility.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/updown.h"
#include "shell/image_list.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"

using namespace graphs;

namespace {

constexpr int kSlowest = 5;
constexpr int kFastest = 195;
constexpr int kStartSpeed = 50;

QToolButton* toolButton(QWidget* parent, const char* name, bool checkable = false)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setCheckable(checkable);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Keyboard::makeReachable(button);
    return button;
}

// A black panel of the bottom bar with bold text in the given colour.
QLabel* barPanel(QWidget* parent, const char* name)
{
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setTextFormat(Qt::PlainText);
    panel->setAutoFillBackground(true);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFont(Fonts::windowDefault(true));
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, Colors::clBlack);
    colours.setColor(QPalette::WindowText, Colors::clWhite);
    panel->setPalette(colours);
    return panel;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Accessibility::readable(colour, colours.color(QPalette::Window)));
    label->setPalette(colours);
}

}  // namespace

Tftrigon::Tftrigon(const app::TopicWindow& topic) : app::ChildWindow(topic)
{
    // The animation builds its picture step by step: the window keeps it while it is seen.
    setKeeping(Keeping::WhileSeen);
    buildControls();
}

Tftrigon::~Tftrigon() = default;

void Tftrigon::buildControls()
{
    QWidget* area = client();

    // The paint box of the circle: it shows the surface underneath and takes no mouse input.
    quadro = new QWidget(area);
    quadro->setObjectName("quadro");
    quadro->setAttribute(Qt::WA_TransparentForMouseEvents);

    ToolBar1 = new QToolBar(area);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setAutoFillBackground(true);

    paus = toolButton(ToolBar1, "paus", true);
    veloci = new QSlider(Qt::Horizontal, ToolBar1);
    veloci->setObjectName("veloci");
    veloci->setRange(kSlowest, kFastest);
    veloci->setFixedWidth(110);
    nfunz = new QLineEdit(ToolBar1);
    nfunz->setObjectName("nfunz");
    nfunz->setReadOnly(true);
    nfunz->setAlignment(Qt::AlignCenter);
    nfunz->setFixedWidth(24);
    pnumfunz = new platform::UpDown(ToolBar1);
    pnumfunz->setObjectName("pnumfunz");
    pnumfunz->setRange(1, 2);
    pnumfunz->setPosition(1);
    pnumfunz->setFixedSize(pnumfunz->sizeHint());
    pnumfunz->setBuddy(nfunz);
    tipofunz1 = new QComboBox(ToolBar1);
    tipofunz1->setObjectName("tipofunz1");
    tipofunz2 = new QComboBox(ToolBar1);
    tipofunz2->setObjectName("tipofunz2");
    for (QComboBox* list : {tipofunz1, tipofunz2})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    normale = toolButton(ToolBar1, "normale", true);
    passo = toolButton(ToolBar1, "passo", true);
    modes = new QButtonGroup(this);
    modes->setExclusive(true);
    modes->addButton(normale);
    modes->addButton(passo);
    continua = toolButton(ToolBar1, "continua");
    aggiorna = toolButton(ToolBar1, "aggiorna");
    aggiorna->setToolButtonStyle(Qt::ToolButtonIconOnly);
    aggiorna->setIcon(app::ImageList::mainList().icon(app::ImageList::NewFunction));
    QToolButton* aiuto = makeHelpButton(ToolBar1);

    ToolBar1->addWidget(paus);
    ToolBar1->addWidget(veloci);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(nfunz);
    ToolBar1->addWidget(pnumfunz);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(tipofunz1);
    ToolBar1->addWidget(tipofunz2);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(normale);
    ToolBar1->addWidget(passo);
    ToolBar1->addWidget(continua);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(aiuto);

    makeHintSwitch();
    opensHintSwitch(ToolBar1);

    sotto = new QFrame(area);
    sotto->setObjectName("sotto");
    sotto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sotto->setAutoFillBackground(true);
    Panel4 = barPanel(sotto, "Panel4");
    Panel2 = barPanel(sotto, "Panel2");
    Panel3 = barPanel(sotto, "Panel3");
    Label1 = new QLabel(sotto);
    Label1->setObjectName("Label1");
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(Fonts::windowDefault(true));
    Label1->hide();

    cadenza = new QTimer(this);
    cadenza->setObjectName("cadenza");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);

    connect(paus, &QToolButton::clicked, this, [this] { pausClick(); });
    connect(veloci, &QSlider::valueChanged, this, [this] { velociChange(); });
    connect(pnumfunz, &platform::UpDown::clicked, this, [this] {
        nfunz->setText(QString::number(pnumfunz->position()));
        pnumfunzClick();
    });
    connect(normale, &QToolButton::toggled, this, [this](bool down) {
        if (down)
            normaleClick();
    });
    connect(passo, &QToolButton::toggled, this, [this](bool down) {
        if (down)
            passoClick();
    });
    connect(continua, &QToolButton::clicked, this, [this] { continuaClick(); });
    connect(aggiorna, &QToolButton::clicked, this, [this] { aggiornaClick(); });
    // Enter on a closed function list starts the animation of the functions chosen.
    Keyboard::appliesWithEnter(tipofunz1, aggiorna);
    Keyboard::appliesWithEnter(tipofunz2, aggiorna);
    connect(cadenza, &QTimer::timeout, this, [this] { cadenzaTimer(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void Tftrigon::FormCreate()
{
    // 1. Speed, cursors.
    veloci->setValue(kStartSpeed);
    const QCursor hand = ScreenCursors::cursor(ScreenCursors::PointingHand);
    for (QWidget* control : std::initializer_list<QWidget*>{paus, veloci, helpButton(), aggiorna, pnumfunz, tipofunz1,
                                                             tipofunz2, normale, passo, continua})
        control->setCursor(hand);

    // 2. Bounds and layout; timer, scale and radius.
    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    const int w = clientWidth();
    const int h = clientHeight();
    m_geometry = GraphGeometry::forClient(w, h);
    quadro->setGeometry(m_geometry.leftHalf());
    quadro->lower();
    ToolBar1->setGeometry(0, 0, w, ToolBar1->sizeHint().height());
    layOutBottomBar();
    cadenza->setInterval(200 - kStartSpeed);
    m_state.Paused = false;
    m_state.GraphScale = m_geometry.scale;
    m_state.CircleRadius = m_geometry.radius;

    // 3. Hints, texts, list items, modes.
    setShowsHints(app::ShowHints);
    applyTexts();
    tipofunz1->setCurrentIndex(0);
    tipofunz2->setCurrentIndex(0);
    nfunz->setText(QString::number(pnumfunz->position()));
    tipofunz2->setEnabled(false);
    {
        const QSignalBlocker blockNormal(normale);
        normale->setChecked(true);
    }
    continua->setEnabled(false);
    m_hintWatcher = new ApplicationHintWatcher(this);
    connect(m_hintWatcher, &ApplicationHintWatcher::hintChanged, this,
            [this](const QString& hint) { ApplicationHintChange(hint); });

    // 4. The circle bitmap, black, of the left half's size.
    allocateCircleBitmap();

    // 5. The first drawing.
    m_state.FirstDraw = true;
    aggiornaClick();
}

void Tftrigon::layOutBottomBar()
{
    const int w = clientWidth();
    const int h = clientHeight();
    const int barHeight = app::windowMetrics().bottomBarHeight;
    sotto->setGeometry(0, h - barHeight, w, barHeight);
    const int top = app::windowMetrics().barPanelTop;
    const int height = app::windowMetrics().barPanelHeight;
    Panel4->setGeometry(8, top, 170, height);
    Panel2->setGeometry(186, top, 140, height);
    Panel3->setGeometry(334, top, 140, height);
    Label1->setGeometry(490, top, std::max(0, w - 498), height);
}

void Tftrigon::applyTexts()
{
    using namespace app::Common;
    setWindowTitle(app::titleText(app::Title::Functions));
    Hints::setHint(paus, app::commonText(Pause));
    Hints::setHint(veloci, app::commonText(ExecutionSpeed));
    Hints::setHint(nfunz, app::commonText(NumberOfFunctions));
    Hints::setHint(pnumfunz, app::commonText(NumberOfFunctions));
    Hints::setHint(tipofunz1, app::commonText(FirstFunction));
    Hints::setHint(tipofunz2, app::commonText(SecondFunction));
    Hints::setHint(normale, app::commonText(Normal));
    Hints::setHint(passo, app::commonText(StepByStep));
    Hints::setHint(continua, app::commonText(Continue));
    Hints::setHint(aggiorna, app::commonText(New));
    // The mode buttons carry their names as captions too.
    paus->setText(Hints::shortHint(app::commonText(Pause)));
    normale->setText(Hints::shortHint(app::commonText(Normal)));
    passo->setText(Hints::shortHint(app::commonText(StepByStep)));
    continua->setText(Hints::shortHint(app::commonText(Continue)));
    aggiorna->setText(Hints::shortHint(app::commonText(New)));
    helpButton()->setText(Hints::shortHint(app::commonText(app::Common::Help)));
    for (QComboBox* list : {tipofunz1, tipofunz2}) {
        list->clear();
        for (int row = Sine; row <= Cotangent; ++row)
            list->addItem(app::commonText(row));
    }
}

int Tftrigon::functionCount() const
{
    return pnumfunz->position() == 2 ? 2 : 1;
}

TrigFunction Tftrigon::firstFunction() const
{
    return functionAt(tipofunz1->currentIndex());
}

TrigFunction Tftrigon::secondFunction() const
{
    return functionAt(tipofunz2->currentIndex());
}

void Tftrigon::setAnimationControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*>{tipofunz1, pnumfunz, nfunz, aggiorna, passo, normale})
        control->setEnabled(enabled);
    tipofunz2->setEnabled(enabled && functionCount() == 2);
}

void Tftrigon::allocateCircleBitmap()
{
    const qreal ratio = devicePixelRatioF();
    CircleBitmap = QImage((QSizeF(m_geometry.width / 2, m_geometry.height) * ratio).toSize().expandedTo(QSize(1, 1)),
                          QImage::Format_RGB32);
    CircleBitmap.setDevicePixelRatio(ratio);
    CircleBitmap.fill(Colors::clBlack);
}

void Tftrigon::releaseCaches()
{
    CircleBitmap = QImage();
}

void Tftrigon::restoreCaches()
{
    allocateCircleBitmap();
    drawCircleBitmap(CircleBitmap, m_geometry);
}

void Tftrigon::completeSurface(QImage& surface)
{
    if (!m_circleStep)
        return;
    QPainter painter(&surface);
    drawStepOnCircle(painter, CircleBitmap, m_geometry, *m_circleStep);
    m_circleStep.reset();
}

void Tftrigon::showSurface(QPainter& painter, const QRegion& region)
{
    if (!m_circleStep) {
        app::ChildWindow::showSurface(painter, region);
        return;
    }
    app::ChildWindow::showSurface(painter, region - m_geometry.leftHalf());
    plainPainter(painter);
    for (const QRect& rect : region & m_geometry.leftHalf()) {
        painter.setClipRect(rect);
        drawStepOnCircle(painter, CircleBitmap, m_geometry, *m_circleStep);
    }
}

void Tftrigon::copyCircleBitmap()
{
    QPainter painter(&surface());
    drawCleanCircle(painter, CircleBitmap, m_geometry);
}

void Tftrigon::drawAxes()
{
    QPainter painter(&surface());
    drawGraphAxes(painter, m_geometry);
}

void Tftrigon::aggiornaClick()
{
    // 1. The controls rest while the animation runs; the window takes the keyboard (Enter).
    // The client area holds the focus: the frame itself would hand it back to a control.
    setAnimationControlsEnabled(false);
    client()->setFocus();
    // The delayed drawing of a new window would wipe a graph that has already begun.
    Timer1->stop();

    // 2. From the start, with the functions chosen.
    m_state.AnimationStep = 0;
    m_shown = {};
    m_shown[std::size_t(firstFunction())] = true;
    if (functionCount() == 2)
        m_shown[std::size_t(secondFunction())] = true;
    m_state.PrevCosPixels = m_state.CircleRadius;
    m_state.PrevSinPixels = 0;

    // 3. The value panels in the colours of their functions, empty until the first step.
    Panel4->show();
    Panel2->show();
    Panel3->setVisible(functionCount() == 2);
    setTextColour(Panel2, functionColour(firstFunction()));
    setTextColour(Panel3, functionColour(secondFunction()));
    Panel4->clear();
    Panel2->clear();
    Panel3->clear();

    // 4-6. The circle, the graph's axes, the clean circle in the paint box.
    drawCircleBitmap(CircleBitmap, m_geometry);
    drawAxes();
    copyCircleBitmap();
    refreshSurface();
    describePicture(app::programText(app::ProgramText::UnitCircle));

    // 7. The first drawing only prepares the window; otherwise the animation starts.
    if (m_state.FirstDraw) {
        m_state.FirstDraw = false;
        setAnimationControlsEnabled(true);
        Timer1->start();
    } else {
        m_state.Animating = true;
        cadenza->start();
    }
}

void Tftrigon::Timer1Timer()
{
    drawAxes();
    copyCircleBitmap();
    refreshSurface();
    Timer1->stop();
}

void Tftrigon::cadenzaTimer()
{
    if (!m_state.Paused) {
        if (m_state.AnimationStep > LastStep)
            endAnimation();
        else
            drawStep();
    }
    // Step by step: one step per "continue".
    if (passo->isChecked())
        m_state.Paused = true;
}

void Tftrigon::drawStep()
{
    const int step = m_state.AnimationStep;
    const int r = m_state.CircleRadius;
    Panel4->setText(anglePanelText(step));

    StepPicture picture;
    picture.step = step;
    picture.current = sampleAtStep(step, r);
    picture.previous = Sample{angleAtStep(std::max(step - 1, 0)), m_state.PrevCosPixels, m_state.PrevSinPixels};
    const bool two = functionCount() == 2;
    picture.shown = m_shown;
    m_state.CosPixels = picture.current.cx;
    m_state.SinPixels = picture.current.sy;
    if (picture.shown[std::size_t(TrigFunction::Tangent)])
        m_state.TangentSide = picture.current.cx < 1 ? -1 : 1;
    if (picture.shown[std::size_t(TrigFunction::Cotangent)])
        m_state.TangentSide = picture.current.sy < 1 ? -1 : 1;

    {
        // The graph segment goes on the kept surface; the circle with the step's construction
        // is drawn straight on the screen, and on the surface only when it is read.
        QPainter painter(&heldSurface());
        drawStepOnGraph(painter, m_geometry, picture);
    }
    m_circleStep = picture;
    Panel2->setText(valueText(firstFunction(), picture.current));
    if (two)
        Panel3->setText(valueText(secondFunction(), picture.current));

    m_state.PrevCosPixels = m_state.CosPixels;
    m_state.PrevSinPixels = m_state.SinPixels;
    ++m_state.AnimationStep;
    refreshSurface(m_geometry.leftHalf());
    refreshSurface(graphStripOfStep(m_geometry, step));
    describeStep(step);
}

void Tftrigon::describeStep(int step)
{
    QStringList functions;
    QStringList values{Panel2->text()};
    functions.append(functionLabel(firstFunction()).section(QLatin1Char('='), 0, 0).trimmed());
    if (functionCount() == 2) {
        functions.append(functionLabel(secondFunction()).section(QLatin1Char('='), 0, 0).trimmed());
        values.append(Panel3->text());
    }
    const QString reached = anglePanelText(step).section(QLatin1Char('='), 1).trimmed();
    describePicture(app::programText(app::ProgramText::GraphPicture).arg(app::listWords(functions), reached) +
                    QStringLiteral("; ") + values.join(QStringLiteral("; ")).simplified());
}

QStringList Tftrigon::resultLines() const
{
    // Each panel is a result of its own, though they stand side by side.
    QStringList lines;
    for (const QLabel* panel : {Panel4, Panel2, Panel3})
        lines += labelLines({panel});
    return lines;
}

QList<QRect> Tftrigon::pictureParts() const
{
    const graphs::GraphGeometry& g = m_geometry;
    const int w = g.width, cy = g.cy();
    // Both axes reach 3w div 20 above and below the centre line; the letters stand past their ends.
    const int top = std::max(0, cy - 3 * w / 20 - 26), bottom = std::min(g.height - 1, cy + 3 * w / 20 + 12);
    const QRect circle = QRect(QPoint(w / 10 - 12, top), QPoint(2 * w / 5 + 26, bottom)).intersected(g.leftHalf());
    const QRect graph = QRect(QPoint(g.graphLeft() - 30, top), QPoint(9 * w / 10 + 26, bottom))
                            .intersected(QRect(w / 2, 0, w - w / 2, g.height));
    return {circle, graph};
}

void Tftrigon::paint(QPainter& painter, QSize size) const
{
    const bool own = size == QSize(m_geometry.width, m_geometry.height) && !CircleBitmap.isNull() &&
                     painter.device() && painter.device()->devType() == QInternal::Image &&
                     painter.device()->devicePixelRatioF() == CircleBitmap.devicePixelRatio();
    const GraphGeometry g = own ? m_geometry : GraphGeometry::forClient(size.width(), size.height());
    const QImage circle = own ? CircleBitmap : QImage();
    drawCleanCircle(painter, circle, g);
    drawGraphAxes(painter, g);
    const int drawn = std::min<int>(m_state.AnimationStep, LastStep + 1);
    for (int step = 0; step < drawn; ++step)
        drawAnimationStep(painter, circle, g, stepPicture(step, g.radius, m_shown));
    // The start of an animation and its end show the circle alone.
    if (drawn > 0 && !m_state.Animating && m_state.AnimationStep > LastStep)
        drawCleanCircle(painter, circle, g);
}

void Tftrigon::endAnimation()
{
    copyCircleBitmap();
    refreshSurface(m_geometry.leftHalf());
    cadenza->stop();
    m_state.Animating = false;
    setAnimationControlsEnabled(true);
}

void Tftrigon::pausClick()
{
    m_state.Paused = !m_state.Paused;
}

void Tftrigon::continuaClick()
{
    m_state.Paused = false;
}

void Tftrigon::FormKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    m_state.Paused = false;
    // In the normal mode Enter resumes a paused animation: the pause button comes up with it.
    if (normale->isChecked() && paus->isChecked())
        paus->setChecked(false);
}

void Tftrigon::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        FormKeyPress(event->key());
        event->accept();
        return;
    }
    app::ChildWindow::keyPressEvent(event);
}

void Tftrigon::normaleClick()
{
    continua->setEnabled(false);
    Label1->hide();
    paus->setEnabled(true);
    paus->setChecked(false);
    m_state.Paused = false;
}

void Tftrigon::passoClick()
{
    continua->setEnabled(true);
    Label1->show();
    paus->setEnabled(false);
    m_state.Paused = true;
}

void Tftrigon::pnumfunzClick()
{
    tipofunz2->setEnabled(pnumfunz->position() == 2);
}

void Tftrigon::velociChange()
{
    cadenza->setInterval(200 - veloci->value());
}

void Tftrigon::FormActivate()
{
    // Back in the window, an animation that was running goes on where it stopped.
    if (m_state.Animating && !cadenza->isActive())
        cadenza->start();
}

void Tftrigon::FormDeactivate()
{
    cadenza->stop();
}

void Tftrigon::ApplicationHintChange(const QString& hint)
{
    Label1->setText(hint);
}

void Tftrigon::FormClose()
{
    cadenza->stop();
    Timer1->stop();
    m_state.Animating = false;
    // The hint notification ends with the window.
    delete m_hintWatcher;
    m_hintWatcher = nullptr;
    CircleBitmap = QImage();
}
