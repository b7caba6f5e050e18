#include "solvers/elementary/elementary_window.h"

#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "platform/colors.h"
#include "platform/hints.h"
#include "platform/updown.h"
#include "solvers/elementary/elementary_drawing.h"
#include "solvers/elementary/elementary_texts.h"
#include "solvers/frame/picture_words.h"
#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace solvers {

// ---- Shared part ---------------------------------------------------------------------------------

ElementarySolverWindow::ElementarySolverWindow(const app::TopicWindow& topic, const SolverFrame& frame,
                                               const ElementaryDesign& design)
    : SolverWindow(topic, frame), m_design(design)
{
    createFunctionChoice();
    sposta = new platform::UpDown();
    sposta->setObjectName("sposta");
    sposta->setWrap(false);
    connect(sposta, &platform::UpDown::clicked, this, [this] { spostaClick(); });

    ToolBar1->addWidget(funzt);
    ToolBar1->addSeparator()->setObjectName("ToolButton1");
    ToolBar1->addWidget(sposta);
    ToolBar1->addSeparator()->setObjectName("ToolButton2");
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator()->setObjectName("ToolButton3");
}

void ElementarySolverWindow::FormCreate()
{
    SolverFrameLayout();
    sposta->setPosition(StartAngle);
    const AngleRange range = m_design.ranges[Sine];
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
    AngleDeg = sposta->position();
    if (Panel2)
        Panel2->setText(functionName(Sine));
    Hints::setHint(sposta, app::commonText(app::Common::Angle));
    solve();
    BackdropPending = true;
}

void ElementarySolverWindow::spostaClick()
{
    redraw();
}

void ElementarySolverWindow::showExercise(int function, const std::array<long double, 3>& coefficients, int angleDeg)
{
    SolverWindow::showExercise(function, coefficients, angleDeg);
    sposta->setPosition(angleDeg);
    spostaClick();
}

void ElementarySolverWindow::solveAngle()
{
    AngleDeg = sposta->position();
    Findings = solveElementary(FunctionIndex, AngleDeg);
}

QRegion ElementarySolverWindow::changingArea() const
{
    // The tangent's lines run off the circle and its values over the whole graph.
    const bool tangent = FunctionIndex == Tangent;
    return stepChanges(geometry(), tangent, tangent);
}

BackdropStyle ElementarySolverWindow::backdropStyle() const
{
    BackdropStyle style = m_design.backdrop;
    style.function = FunctionIndex;
    return style;
}

GraphSource ElementarySolverWindow::graphSource(const QPainter& painter, QSize size) const
{
    return {copiesGraphBitmap(painter, size) ? &SolverBitmap : nullptr, backdropStyle()};
}

void ElementarySolverWindow::prepareOpeningPicture()
{
    sposta->setPosition(StartAngle);
    drawBackdrop(backdropStyle());
}

void ElementarySolverWindow::rebuildGraph()
{
    drawBackdrop(backdropStyle());
}

void ElementarySolverWindow::aggiornaClick()
{
    FunctionIndex = funzt->currentIndex();
    if (Panel2)
        Panel2->setText(functionName(FunctionIndex));
    const AngleRange range = m_design.ranges[std::size_t(std::clamp(FunctionIndex, 0, 2))];
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
    BackdropPending = true;
    formactivate();
}

// ---- Equations -----------------------------------------------------------------------------------

Tequa::Tequa(const app::TopicWindow& topic)
    : ElementarySolverWindow(topic, {app::Title::ElementaryEquations},
                             {{equationAngleRange(Sine), equationAngleRange(Cosine), equationAngleRange(Tangent)},
                              equationBackdropStyle(Sine)})
{
    using namespace Colors;
    Label1 = makeResultLabel("Label1", 152, 33, 145, clLime, clBlack);
    Label2 = makeResultLabel("Label2", 152, 97, 145, clAqua, clBlack);
    Label7 = makeResultLabel("Label7", 152, 129, 25, clAqua, clBlack);
    Label8 = makeResultLabel("Label8", 176, 129, 121, clAqua, clBlack, true);
    Label5 = makeResultLabel("Label5", 152, 169, 145, clYellow, clBlack);
    Label10 = makeResultLabel("Label10", 152, 201, 25, clYellow, clBlack);
    Label9 = makeResultLabel("Label9", 176, 201, 121, clYellow, clBlack, true);
    Label7->setText(QStringLiteral(" x ="));
    Label10->setText(QStringLiteral(" x ="));
}

void Tequa::solve()
{
    solveAngle();
    WriteSolutionLabels();
}

void Tequa::paint(QPainter& painter, QSize size) const
{
    drawEquationPicture(painter, geometryFor(size), graphSource(painter, size), Findings, showsOpeningPicture());
}

QString Tequa::statement() const
{
    return elementaryStatement(Findings, false);
}

void Tequa::WriteSolutionLabels()
{
    const EquationLabels labels = elementaryEquationLabels(Findings);
    Label1->setText(labels.Label1);
    Label2->setText(labels.Label2);
    Label8->setText(labels.Label8);
    if (labels.secondFamily) {
        Label5->setText(labels.Label5);
        Label9->setText(labels.Label9);
    }
    for (QLabel* label : {Label5, Label9, Label10})
        label->setVisible(labels.secondFamily);
}

// ---- Inequalities --------------------------------------------------------------------------------

namespace {

struct LabelPlace {
    int number, x, y, width;
    bool yellow;
    bool symbol;
    bool rightAligned;
};

constexpr LabelPlace kPlaces[] = {
    {1, 40, 17, 145, false, false, false},   {2, 40, 41, 233, false, false, false},
    {6, 40, 65, 105, false, true, true},     {7, 144, 65, 57, false, false, false},
    {8, 200, 65, 105, false, true, false},   {3, 40, 113, 137, true, false, false},
    {4, 40, 137, 233, true, false, false},   {5, 40, 161, 233, true, false, false},
    {9, 40, 185, 105, true, true, true},     {10, 144, 185, 57, true, false, false},
    {11, 200, 185, 105, true, true, false},  {12, 40, 209, 57, true, true, true},
    {13, 96, 209, 57, true, false, false},   {14, 152, 209, 121, true, true, false},
};

}  // namespace

Tdisequatr::Tdisequatr(const app::TopicWindow& topic)
    : ElementarySolverWindow(topic, {app::Title::ElementaryInequalities, 60, 2},
                             {{inequalityAngleRange(Sine), inequalityAngleRange(Cosine), inequalityAngleRange(Tangent)},
                              inequalityBackdropStyle(Sine)})
{
    for (const LabelPlace& p : kPlaces) {
        const QByteArray name = "Label" + QByteArray::number(p.number);
        Label[std::size_t(p.number)] =
            makeResultLabel(name.constData(), p.x, p.y, p.width, p.yellow ? Colors::clYellow : Colors::clAqua,
                            Colors::clBlack, p.symbol, p.rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    }
}

void Tdisequatr::solve()
{
    solveAngle();
    WriteSolutionLabels();
}

void Tdisequatr::paint(QPainter& painter, QSize size) const
{
    drawInequalityPicture(painter, geometryFor(size), graphSource(painter, size), Findings, showsOpeningPicture());
}

QString Tdisequatr::statement() const
{
    return elementaryStatement(Findings, true);
}

void Tdisequatr::WriteSolutionLabels()
{
    const InequalityLabels labels = elementaryInequalityLabels(Findings);
    for (std::size_t n = 1; n < Label.size(); ++n) {
        if (labels.text[n])
            Label[n]->setText(*labels.text[n]);
        Label[n]->setVisible(labels.visible[n]);
    }
}

QString Tequa::pictureWords() const
{
    std::vector<long double> levels;
    if (Findings.value)
        levels.push_back(*Findings.value);
    return equationPictureWords(functionName(Findings.function), levels, Findings.solutions);
}

QString Tdisequatr::pictureWords() const
{
    const QString function = functionName(Findings.function);
    const QString value = Findings.value ? numberWords(*Findings.value) : QString();
    std::vector<long double> levels;
    if (Findings.value)
        levels.push_back(*Findings.value);
    return inequalityPictureWords(function, levels, function + QStringLiteral(" ≥ ") + value, Findings.greater,
                                  function + QStringLiteral(" < ") + value, Findings.less);
}

}  // namespace solvers
