#include "angles/angle_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "angles/symbol_combo_box.h"
#include "maths/angles.h"
#include "platform/accessibility.h"
#include "platform/bars.h"
#include "platform/colors.h"
#include "platform/cursors.h"
#include "platform/desktop.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/symbol_font.h"
#include "platform/updown.h"
#include "shell/image_list.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "texts/text_tables.h"

namespace angles {

namespace {

// The two bevels on the right half, wide enough for the longest identity.
constexpr int BevelWidth = 330;
constexpr int BevelHeight = 126;
// Labels start this far right of their bevel's left edge.
constexpr int LabelIndent = 10;
constexpr int LabelPixelSize = 15;

const QColor& windowColour()
{
    return Colors::clSilver;
}


QToolButton* makeToolButton(QWidget* parent, const char* name, int image)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(app::ImageList::mainList().icon(image));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    Keyboard::makeReachable(button);
    return button;
}

int screenWidth()
{
    return Desktop::screenGeometry(nullptr).width();
}

}  // namespace

AngleWindow::AngleWindow(const app::TopicWindow& topic, const AngleWindowDesign& design)
    : app::ChildWindow(topic), m_design(design)
{
    // The two-press drawings build the picture step by step: kept while the window is seen.
    setKeeping(Keeping::WhileSeen);
    QWidget* area = client();
    area->setFont(Fonts::windowDefault(true));

    const Bars::ControlBar bar = Bars::addControlBar(area, QString::fromLatin1(design.controlBarName), windowColour());
    controlBar = bar.bar;
    ToolBar1 = bar.toolBar1;

    if (design.symbolFont) {
        quadrante = new SymbolComboBox(ToolBar1);
        quadrante->setFont(Fonts::symbol(Fonts::windowDefault().pixelSize(), true));
    } else {
        quadrante = new QComboBox(ToolBar1);
        quadrante->setFont(Fonts::windowDefault(true));
    }
    quadrante->setObjectName("quadrante");
    quadrante->setFixedWidth(design.quadranteWidth);
    Bars::paintWith(quadrante, Colors::clBlack, Colors::clWhite);

    angolo = new QLineEdit(ToolBar1);
    angolo->setObjectName("angolo");
    angolo->setReadOnly(true);
    angolo->setFixedWidth(design.angoloWidth);
    angolo->setFont(Fonts::windowDefault(true));
    angolo->setText(QString::number(design.position));
    Bars::paintWith(angolo, Colors::clBlack, Colors::clWhite);

    pangolo = new platform::UpDown(ToolBar1);
    pangolo->setObjectName("pangolo");
    pangolo->setRange(design.minimum, design.maximum);
    pangolo->setPosition(design.position);
    pangolo->setWrap(true);
    pangolo->setFixedSize(pangolo->sizeHint().width(), angolo->sizeHint().height());
    pangolo->setBuddy(angolo);
    // The up-down shows its position in angolo.
    connect(pangolo, &platform::UpDown::clicked, this, [this] { angolo->setText(QString::number(pangolo->position())); });

    traccia = makeToolButton(ToolBar1, "traccia", app::ImageList::Draw);
    connect(traccia, &QToolButton::clicked, this, [this] { tracciaClick(); });
    QToolButton* aiuto = makeHelpButton(ToolBar1);

    ToolBar1->addWidget(quadrante);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(angolo);
    ToolBar1->addWidget(pangolo);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(traccia);
    ToolBar1->addSeparator();
    ToolBar1->addWidget(aiuto);

    makeHintSwitch(design.mostraCaption);
    opensHintSwitch(controlBar);

    sotto = new QFrame(area);
    sotto->setObjectName("sotto");
    sotto->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bars::paintWith(sotto, windowColour(), Colors::clBlack);

    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(controlBar);
    areaLayout->addStretch(1);
    areaLayout->addWidget(sotto);

    for (QFrame** bevel : {&Bevel1, &Bevel2}) {
        *bevel = new QFrame(area);
        (*bevel)->setFrameStyle(QFrame::Box | QFrame::Sunken);
        (*bevel)->resize(BevelWidth, BevelHeight);
    }
    Bevel1->setObjectName("Bevel1");
    Bevel2->setObjectName("Bevel2");
    Label1 = makeBevel1Label("Label1");
    Label2 = makeBevel1Label("Label2");
    Label4 = makeLabel(Bevel2, "Label4", false);
    Label5 = makeLabel(Bevel2, "Label5", false);
    Label6 = makeLabel(Bevel2, "Label6", false);
}

QLabel* AngleWindow::makeBevel1Label(const char* name)
{
    return makeLabel(Bevel1, name, m_design.symbolFont);
}

QLabel* AngleWindow::makeLabel(QFrame* bevel, const char* name, bool symbol)
{
    QLabel* label = symbol ? new platform::SymbolLabel(client()) : new QLabel(client());
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(symbol ? Fonts::symbol(LabelPixelSize, true) : Fonts::sansSerif(LabelPixelSize, true));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    Bars::paintWith(label, windowColour(), Colors::clBlack);
    label->resize(bevel->width() - 2 * LabelIndent, label->fontMetrics().height() + 2);
    label->raise();
    return label;
}

void AngleWindow::placeInBevel1(QLabel* label, int numerator, int denominator)
{
    label->move(Bevel1->x() + LabelIndent, Bevel1->y() + numerator * Bevel1->height() / denominator);
}

void AngleWindow::createLayout(int label2Numerator, int label2Denominator)
{
    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    for (QWidget* control : {static_cast<QWidget*>(helpButton()), static_cast<QWidget*>(pangolo),
                             static_cast<QWidget*>(quadrante), static_cast<QWidget*>(traccia)})
        control->setCursor(ScreenCursors::cursor(ScreenCursors::PointingHand));
    sotto->setFixedHeight(std::max(app::windowMetrics().bottomBarHeight, 0));
    client()->layout()->activate();

    const int w = clientWidth();
    const int h = clientHeight();
    Bevel1->move(3 * w / 4 - Bevel1->width() / 2, h / 2 - 5 * Bevel1->height() / 4);
    Bevel2->move(Bevel1->x(), h / 2 + Bevel1->height() / 4);
    placeInBevel1(Label1, 1, 5);
    placeInBevel1(Label2, label2Numerator, label2Denominator);
    const int left = Bevel1->x() + LabelIndent;
    Label4->move(left, Bevel2->y() + Bevel2->height() / 7);
    Label5->move(left, Bevel2->y() + 3 * Bevel2->height() / 7);
    Label6->move(left, Bevel2->y() + 5 * Bevel2->height() / 7);

    AngleRadius = screenWidth() / 5;
    quadrante->setCurrentIndex(0);

    setWindowTitle(app::titleText(m_design.titleRow));
    Hints::setHint(angolo, app::commonText(app::Common::Angle));
    Hints::setHint(pangolo, app::commonText(app::Common::Angle));
    Hints::setHint(traccia, app::commonText(app::Common::Draw));
}

QString AngleWindow::sineName()
{
    return app::commonText(app::Common::SineName);
}

AnglePicture AngleWindow::picture() const
{
    return {clientWidth(), clientHeight(), AngleRadius, m_design.axisDivisor};
}

void AngleWindow::drawBackground()
{
    m_strokes.clear();
    QPainter painter(&surface());
    drawAngleBackground(painter, picture(), windowColour(), client()->font());
    painter.end();
    refreshSurface();
    describeAngles();
}

void AngleWindow::redrawCircle()
{
    m_strokes.push_back({true, 0, {}});
    QPainter painter(&surface());
    wipeCircle(painter, picture());
    painter.end();
    refreshSurface();
    describeAngles();
}

void AngleWindow::drawAngles(std::initializer_list<std::pair<int, AngleStyle>> angles)
{
    QPainter painter(&surface());
    const AnglePicture where = picture();
    for (const auto& [degrees, style] : angles) {
        m_strokes.push_back({false, degrees, style});
        drawAngle(painter, where, degrees, style);
    }
    painter.end();
    refreshSurface();
    describeAngles();
}

void AngleWindow::describeAngles()
{
    QStringList angles;
    for (const Stroke& stroke : m_strokes) {
        if (stroke.wipe)
            angles.clear();
        else if (const QString degrees = QString::number(stroke.degrees) + QChar(0x00B0); !angles.contains(degrees))
            angles.append(degrees);
    }
    describePicture(angles.isEmpty() ? app::programText(app::ProgramText::UnitCircle)
                                     : app::programText(app::ProgramText::AnglePicture).arg(app::listWords(angles)));
}

QRect AngleWindow::pictureArea() const
{
    return QRect(0, 0, clientWidth() / 2, clientHeight());
}

QList<QRect> AngleWindow::pictureParts() const
{
    const AnglePicture p = picture();
    // The names "x" and "y" stand past the axes' ends.
    const QRect axes(QPoint(p.axisLeft() - 8, p.axisTop() - 24), QPoint(p.axisRight() + 30, p.axisBottom() + 8));
    return {axes.intersected(pictureArea())};
}

void AngleWindow::paint(QPainter& painter, QSize size) const
{
    AnglePicture where = picture();
    if (size != QSize(where.width, where.height) && where.width > 0 && where.height > 0) {
        // Another size: the circle scaled alike.
        const long double scale = std::min<long double>(static_cast<long double>(size.width()) / where.width,
                                                        static_cast<long double>(size.height()) / where.height);
        where = {size.width(), size.height(), nearest(where.radius * scale), where.axisDivisor};
    }
    drawAngleBackground(painter, where, windowColour(), client()->font());
    for (const Stroke& stroke : m_strokes) {
        if (stroke.wipe)
            wipeCircle(painter, where);
        else
            drawAngle(painter, where, stroke.degrees, stroke.style);
    }
}

}  // namespace angles
