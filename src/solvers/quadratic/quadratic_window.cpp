#include "solvers/quadratic/quadratic_window.h"

#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "platform/colors.h"
#include "solvers/frame/picture_words.h"
#include "solvers/quadratic/quadratic_texts.h"
#include "texts/angle_notation.h"
#include "texts/text_tables.h"

namespace solvers {

// ---- Shared part ---------------------------------------------------------------------------------

namespace {

CoefficientSetup quadraticSetup(int boxWidth, int limit, std::vector<std::pair<int, int>> acceleration)
{
    CoefficientSetup setup;
    setup.boxWidth = boxWidth;
    setup.limit = limit;
    setup.positions = {100, -150, 50};
    setup.expressions = {QStringLiteral("4"), QStringLiteral("-2 * (sqrt(3) + sqrt(2))"), QStringLiteral("sqrt(6)")};
    setup.acceleration = std::move(acceleration);
    return setup;
}

}  // namespace

QuadraticSolverWindow::QuadraticSolverWindow(const app::TopicWindow& topic, const SolverFrame& frame, int boxWidth,
                                             int limit, std::vector<std::pair<int, int>> acceleration)
    : SolverWindow(topic, frame)
{
    addCoefficientControls(quadraticSetup(boxWidth, limit, std::move(acceleration)));
    createFunctionChoice();
    ToolBar1->addWidget(funzt);
    ToolBar1->addSeparator()->setObjectName("ToolButton1");
    ToolBar1->addWidget(aggiorna);
    ToolBar1->addSeparator()->setObjectName("ToolButton2");
}

void QuadraticSolverWindow::FormCreate()
{
    SolverFrameLayout();
    solve();
    BackdropPending = true;
}

void QuadraticSolverWindow::prepareOpeningPicture()
{
    drawBackdrop(quadraticBackdropStyle(FunctionIndex));
}

void QuadraticSolverWindow::rebuildGraph()
{
    drawBackdrop(quadraticBackdropStyle(FunctionIndex));
}

QRegion QuadraticSolverWindow::changingArea() const
{
    // The tangent's lines run off the circle and its values over the whole graph.
    const bool tangent = FunctionIndex == Tangent;
    return stepChanges(geometry(), tangent, tangent);
}

GraphSource QuadraticSolverWindow::graphSource(const QPainter& painter, QSize size) const
{
    return {copiesGraphBitmap(painter, size) ? &SolverBitmap : nullptr, quadraticBackdropStyle(FunctionIndex)};
}

void QuadraticSolverWindow::aggiornaClick()
{
    FunctionIndex = funzt->currentIndex();
    BackdropPending = true;
    formactivate();
}

// ---- Equations -----------------------------------------------------------------------------------

Tequasecondogrado::Tequasecondogrado(const app::TopicWindow& topic)
    : QuadraticSolverWindow(topic, {app::Title::QuadraticEquations, 189}, 38, 900, {{10, 10}})
{
    using namespace Colors;
    struct Place {
        int n, top, left, width;
        QColor colour, ground;
        bool symbol;
    };
    const Place places[] = {
        {1, 33, 152, 230, clLime, clBlack, false},    {2, 49, 152, 230, clAqua, clBlack, false},
        {7, 65, 152, 32, clAqua, clBlack, false},     {8, 65, 184, 198, clAqua, clBlack, true},
        {5, 81, 152, 230, clYellow, clBlack, false},  {10, 97, 152, 32, clYellow, clBlack, false},
        {9, 97, 184, 198, clYellow, clBlack, true},   {3, 131, 152, 230, clPurple, clWhite, false},
        {4, 144, 152, 230, clRed, clWhite, false},    {6, 160, 152, 32, clRed, clWhite, false},
        {11, 160, 184, 198, clRed, clWhite, true},    {12, 176, 152, 230, clFuchsia, clWhite, false},
        {13, 192, 152, 36, clFuchsia, clWhite, false}, {14, 192, 184, 198, clFuchsia, clWhite, true},
    };
    for (const Place& p : places) {
        const QByteArray name = "Label" + QByteArray::number(p.n);
        Label[std::size_t(p.n)] = makeResultLabel(name.constData(), p.left, p.top, p.width, p.colour, p.ground, p.symbol);
    }
    // The prefixes sit under the π labels that start within their width.
    for (int n : {8, 9, 11, 14})
        Label[std::size_t(n)]->raise();
}

void Tequasecondogrado::solve()
{
    const auto& [a, b, c] = coefficients()->values();
    Findings = solveQuadraticEquation(FunctionIndex, a, b, c);
    WriteSolutionLabels();
}

std::pair<QString, QString> QuadraticSolverWindow::leftSides() const
{
    const QString f = functionName(FunctionIndex);
    return {quadraticExpressionText(FunctionIndex), valuedSum({QStringLiteral("(%1)^2").arg(f), f, QString()})};
}

QString Tequasecondogrado::statement() const
{
    return leftSides().second + QStringLiteral(" = 0");
}

void Tequasecondogrado::paint(QPainter& painter, QSize size) const
{
    drawQuadraticEquationPicture(painter, geometryFor(size), graphSource(painter, size), Findings);
}

void Tequasecondogrado::WriteSolutionLabels()
{
    Panel2->setText(quadraticEquationText(FunctionIndex));
    // The tangent has one family per root (period 180°).
    for (int n : SecondFamilyLabels)
        Label[std::size_t(n)]->setVisible(FunctionIndex != Tangent);
    const std::array<QString, 15> texts = quadraticEquationLabels(Findings);
    for (std::size_t n = 1; n < Label.size(); ++n)
        Label[n]->setText(texts[n]);
}

// ---- Inequalities --------------------------------------------------------------------------------

Tdisequasecondogrado::Tdisequasecondogrado(const app::TopicWindow& topic)
    : QuadraticSolverWindow(topic, {app::Title::QuadraticInequalities, 0}, 45, 9000, {{10, 5}, {25, 10}})
{
    using namespace Colors;
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, clNavy);
    Panel1->setPalette(palette);
    const struct {
        int n, top;
        QColor colour;
    } places[] = {
        {1, 26, clBlue}, {2, 51, clNavy}, {5, 77, clNavy}, {14, 94, clNavy},
        {3, 144, clRed}, {4, 168, clMaroon}, {12, 192, clMaroon}, {16, 209, clMaroon},
    };
    for (const auto& p : places) {
        const QByteArray name = "Label" + QByteArray::number(p.n);
        Label[std::size_t(p.n)] = makeResultLabel(name.constData(), 90, p.top, 270, p.colour, clWhite, false, Qt::AlignHCenter);
    }
}

void Tdisequasecondogrado::FormCreate()
{
    QuadraticSolverWindow::FormCreate();
    m_bitmaps.create(geometry(), devicePixelRatioF());
}

void Tdisequasecondogrado::solve()
{
    const auto& [a, b, c] = coefficients()->values();
    Findings = solveQuadraticInequality(FunctionIndex, a, b, c);
    WriteAngleIntervals();
}

QString Tdisequasecondogrado::statement() const
{
    return leftSides().second + QStringLiteral(" ≥ 0");
}

void Tdisequasecondogrado::paint(QPainter& painter, QSize size) const
{
    // The ring bitmap goes with the graph's: on the window's surface and on the screen.
    const bool own = copiesGraphBitmap(painter, size) && !m_bitmaps.RingBitmap.isNull() &&
                     m_bitmaps.RingBitmap.devicePixelRatio() == SolverBitmap.devicePixelRatio();
    drawQuadraticInequalityPicture(painter, geometryFor(size), graphSource(painter, size), own ? &m_bitmaps : nullptr,
                                   Findings);
}

void Tdisequasecondogrado::WriteAngleIntervals()
{
    Label[1]->setText(greaterInequalityText(FunctionIndex));
    Label[3]->setText(lessInequalityText(FunctionIndex));
    const QuadraticInequalityTexts texts = quadraticInequalityTexts(Findings);
    Label[2]->setText(texts.Label2);
    Label[5]->setText(texts.Label5);
    Label[14]->setText(texts.Label14);
    Label[4]->setText(texts.Label4);
    Label[12]->setText(texts.Label12);
    Label[16]->setText(texts.Label16);
}

void Tdisequasecondogrado::releaseCaches()
{
    m_bitmaps.free();
    SolverWindow::releaseCaches();
}

void Tdisequasecondogrado::restoreCaches()
{
    SolverWindow::restoreCaches();
    m_bitmaps.create(geometry(), devicePixelRatioF());
}

void Tdisequasecondogrado::SolverClose()
{
    m_bitmaps.free();
    SolverWindow::SolverClose();
}

QString Tequasecondogrado::pictureWords() const
{
    std::vector<long double> levels;
    for (const RootTaken& root : Findings.drawn)
        levels.push_back(root.t);
    return equationPictureWords(functionName(Findings.function), levels, Findings.solutions);
}

QString Tdisequasecondogrado::pictureWords() const
{
    const QString expression = quadraticExpressionText(Findings.function);
    return inequalityPictureWords(functionName(Findings.function), Findings.radii, expression + QStringLiteral(" ≥ 0"),
                                  Findings.greater, expression + QStringLiteral(" < 0"), Findings.less);
}

}  // namespace solvers
