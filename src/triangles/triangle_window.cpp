#include "triangles/triangle_window.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "platform/entry_box.h"
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "maths/evaluator.h"
#include "platform/bars.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/hints.h"
#include "platform/keyboard.h"
#include "platform/updown.h"
#include "shell/program_texts.h"
#include "shell/shared_state.h"
#include "triangles/result_panel.h"
#include "triangles/triangle_drawing.h"
#include "triangles/triangle_texts.h"

namespace triangles {

namespace {

using platform::EntryBox;

// An up-down's step: a tenth for a side, a degree for an angle.
double stepOf(int part) { return isSide(part) ? 0.1 : 1.0; }

// The start: two sides and an angle not between them with two triangles.
constexpr std::array<const char*, PartCount> StartTexts{"5", "7", "", "30", "", ""};

}  // namespace

TriangleWindow::TriangleWindow(const app::TopicWindow& topic) : ChildWindow(topic)
{
    QWidget* area = client();
    area->setFont(Fonts::windowDefault(true));
    const Bars::ControlBar bar = Bars::addControlBar(area, QStringLiteral("controlBar"), Colors::clSilver);
    controlBar = bar.bar;
    ToolBar1 = bar.toolBar1;

    QList<QWidget*> order;
    for (int i = 0; i < PartCount; ++i) {
        const QString name = QString::fromUtf8(PartNames[i].data(), 1);
        auto* caption = new QLabel(name + " =", ToolBar1);
        caption->setTextFormat(Qt::PlainText);
        fields[i] = new EntryBox(ToolBar1);
        fields[i]->setObjectName("part_" + name);
        fields[i]->setFixedWidth(86);
        fields[i]->setMaxLength(app::MaxExpressionLength);
        caption->setBuddy(fields[i]);
        steppers[i] = new platform::UpDown(ToolBar1);
        steppers[i]->setObjectName("step_" + name);
        steppers[i]->setRange(0, isSide(i) ? 1000000 : 180);
        steppers[i]->setBuddy(fields[i]);
        if (i == AngleA) ToolBar1->addSeparator();
        ToolBar1->addWidget(caption);
        ToolBar1->addWidget(fields[i]);
        ToolBar1->addWidget(steppers[i]);
        order << fields[i] << steppers[i];
        connect(fields[i], &QLineEdit::textEdited, this, [this] { solve(); });
        connect(steppers[i], &platform::UpDown::clicked, this, [this, i] { stepClick(i); });
    }
    ToolBar1->addSeparator();
    QToolButton* aiuto = makeHelpButton(ToolBar1);
    ToolBar1->addWidget(aiuto);
    makeHintSwitch();
    opensHintSwitch(controlBar);

    Panel1 = new ResultPanel(area);
    Panel1->setObjectName("Panel1");
    Panel1->setFont(Fonts::sansSerif(Fonts::scaled(13)));
    Bars::paintWith(Panel1, Colors::clBlack, Colors::clWhite);

    auto* rows = new QHBoxLayout;
    rows->setContentsMargins(0, 0, 0, 0);
    rows->addStretch(3);
    rows->addWidget(Panel1, 2);
    auto* areaLayout = new QVBoxLayout(area);
    areaLayout->setContentsMargins(0, 0, 0, 0);
    areaLayout->setSpacing(0);
    areaLayout->addWidget(controlBar);
    areaLayout->addLayout(rows, 1);
    order << aiuto << Panel1;
    Keyboard::chainTabOrder(order);
}

void TriangleWindow::FormCreate()
{
    // Its picture is kept only while some of it is seen: a covered window gives its memory back
    // and draws its picture anew when it comes to the front.
    setKeeping(Keeping::WhileSeen);
    setBounds(0, 0, app::windowMetrics().workAreaWidth, app::windowMetrics().workAreaHeight);
    setWindowTitle(app::programText(app::ProgramText::Triangles));
    for (int i = 0; i < PartCount; ++i) {
        Hints::setHint(fields[i], partNoun(i));
        fields[i]->setAccessibleName(partNoun(i));
        Hints::setHint(steppers[i], partNoun(i));
        fields[i]->setText(QString::fromUtf8(StartTexts[i]));
    }
    Panel1->setAccessibleName(app::programText(app::ProgramText::ResultsName));
    client()->layout()->activate();
    solve();
    fields[SideA]->setFocus();
}

void TriangleWindow::FormPaint()
{
    redraw(true);
}

void TriangleWindow::solve()
{
    Parts given = noParts();
    m_sentence.clear();
    for (int i = 0; i < PartCount; ++i) {
        const Reading reading = readPart(fields[i]->text());
        if (!reading.ok) {
            m_sentence = partNoun(i) + ": " + reading.message;
            break;
        }
        given[i] = reading.value;
        if (triangles::given(reading.value) && std::isfinite(reading.value))
            steppers[i]->setPosition(int(std::clamp(std::lround(reading.value / stepOf(i)), 0L, long(steppers[i]->maximum()))));
    }
    m_solution = m_sentence.isEmpty() ? solveTriangle(given) : Solution{};
    if (m_sentence.isEmpty() && m_solution.count == 0) m_sentence = problemSentence(m_solution);
    m_steps = stepLines(triangleSteps(m_solution));
    QStringList shown = m_sentence.isEmpty() ? triangles::resultLines(m_solution) : QStringList{m_sentence};
    if (!m_steps.isEmpty()) shown << QString() << labelText(Label::Steps) + ":" << m_steps;
    Panel1->setLines(shown);
    Panel1->setAccessibleDescription(shown.join(' '));
    describePicture(m_solution.count > 0 ? pictureWords(m_solution) : m_sentence);
    redraw(false);
}

void TriangleWindow::stepClick(int part)
{
    const double value = steppers[part]->position() * stepOf(part);
    const bool minutes = fields[part]->text().contains(QStringLiteral("°"));
    fields[part]->setText(isAngle(part) && minutes ? degreesMinutesText(value) : numberText(value));
    solve();
}

void TriangleWindow::showExercise(const Parts& given)
{
    for (int i = 0; i < PartCount; ++i)
        fields[i]->setText(triangles::given(given[i]) ? numberText(given[i]) : QString());
    solve();
}

QRect TriangleWindow::pictureAreaFor(QSize size) const
{
    const int top = controlBar->geometry().bottom() + 1;
    const int panel = Panel1->isVisible() || Panel1->width() > 0 ? Panel1->width() : size.width() * 2 / 5;
    return QRect(0, top, std::max(1, size.width() - panel), std::max(1, size.height() - top));
}

QRect TriangleWindow::pictureArea() const
{
    return pictureAreaFor(QSize(clientWidth(), clientHeight()));
}

void TriangleWindow::paint(QPainter& painter, QSize size) const
{
    const QRect area = pictureAreaFor(size);
    painter.fillRect(area, Colors::clBlack);
    drawTriangles(painter, area, m_solution, m_sentence);
}

void TriangleWindow::showSurface(QPainter& painter, const QRegion& region)
{
    const QImage& picture = heldSurface();
    const qreal ratio = picture.devicePixelRatio();
    const QRect bounds = region.boundingRect();
    painter.setClipRegion(region);
    painter.drawImage(bounds, picture, QRectF(QPointF(bounds.topLeft()) * ratio, QSizeF(bounds.size()) * ratio));
    painter.setClipping(false);
}

QStringList TriangleWindow::resultLines() const
{
    Parts given = noParts();
    for (int i = 0; i < PartCount; ++i)
        if (const Reading r = readPart(fields[i]->text()); r.ok) given[i] = r.value;
    QStringList lines{givenLine(given)};
    // The steps stay in the panel: a printed line is one line of the page.
    lines << (m_sentence.isEmpty() ? triangles::resultLines(m_solution) : QStringList{m_sentence});
    return lines;
}

void TriangleWindow::redraw(bool whole)
{
    // A surface made anew (it was given back while the window was covered) is drawn whole: the
    // tiles of the last drawing describe the old surface, not the new one.
    whole = whole || !holdsSurface();
    if (surface().isNull()) return;
    const QRect area = pictureArea();
    QPainter painter(&surface());
    QRegion shown;
    if (whole || area != m_drawnArea) {
        painter.fillRect(surface().rect(), Colors::clBlack);
        shown = area;
    } else {
        // The last drawing cleared where it touched: the rest of the area is black already.
        painter.setClipRegion(m_drawn);
        painter.fillRect(m_drawn.boundingRect(), Colors::clBlack);
        painter.setClipping(false);
        shown = m_drawn;
    }
    drawTriangles(painter, area, m_solution, m_sentence, &m_drawn);
    painter.end();
    m_drawnArea = area;
    if (!whole) shown += m_drawn;
    refreshSurface(shown & area);
}

}  // namespace triangles
