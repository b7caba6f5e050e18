#include "solvers/linear/linear_window.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

#include "platform/colors.h"
#include "platform/fonts.h"
#include "solvers/linear/linear_drawing.h"
#include "solvers/frame/picture_words.h"
#include "solvers/linear/linear_texts.h"
#include "texts/text_tables.h"

namespace solvers {

namespace {

// The coefficient controls of a linear window: boxes 45 wide, -90.00 ... 90.00, the window
// opening on sin x - 1.5 cos x + 0.5, the dialog on -sqrt(3), 1, -1.
CoefficientSetup linearSetup(std::vector<std::pair<int, int>> acceleration)
{
    CoefficientSetup setup;
    setup.boxWidth = 45;
    setup.limit = 9000;
    setup.positions = {100, -150, 50};
    setup.expressions = {QStringLiteral("-sqrt(3)"), QStringLiteral("1"), QStringLiteral("-1")};
    setup.acceleration = std::move(acceleration);
    return setup;
}

// Panel2 wide enough for the equation it names.
int equationPanelWidth()
{
    return QFontMetrics(Fonts::sansSerif(11, true)).horizontalAdvance(QLatin1String(LinearEquationCaption)) + 16;
}

// "1 sin x - 1.5 cos x + 0.5": the left-hand side with its coefficients, for screen readers.
QString linearExpressionWords(const Coefficients& k)
{
    QString text = numberWords(k[0]) + QStringLiteral(" sin x");
    const auto term = [&text](long double value, const QString& name) {
        text += (value < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) + numberWords(value < 0 ? -value : value) + name;
    };
    term(k[1], QStringLiteral(" cos x"));
    term(k[2], QString());
    return text;
}

}  // namespace

// ---- Shared part ---------------------------------------------------------------------------------

LinearSolverWindow::LinearSolverWindow(const app::TopicWindow& topic, const SolverFrame& frame, const CoefficientSetup& setup)
    : SolverWindow(topic, frame)
{
    addCoefficientControls(setup);
}

void LinearSolverWindow::FormCreate()
{
    SolverFrameLayout();
    solve();
    BackdropPending = true;
}

QRegion LinearSolverWindow::changingArea() const
{
    // The curve, its title and the level line move over the whole graph at every step.
    return stepChanges(geometry(), false, true);
}

void LinearSolverWindow::paintLinear(QPainter& painter, QSize size, const QString& title, bool signs) const
{
    drawLinearPicture(painter, geometryFor(size), {Findings, title, signs},
                      paintsWithCaches(painter, size) ? &SolverBitmap : nullptr);
}

// ---- Linear equations ----------------------------------------------------------------------------

Tequazionilineari::Tequazionilineari(const app::TopicWindow& topic)
    : LinearSolverWindow(topic, {app::Title::LinearEquations, equationPanelWidth()},
                         linearSetup({{10, 5}, {25, 10}}))
{
    using namespace Colors;
    Panel2->setText(QLatin1String(LinearEquationCaption));
    Label2 = makeResultLabel("Label2", 152, 57, 145, clAqua, clBlack);
    Label7 = makeResultLabel("Label7", 152, 73, 32, clAqua, clBlack);
    Label8 = makeResultLabel("Label8", 184, 73, 113, clAqua, clBlack, true);
    Label4 = makeResultLabel("Label4", 152, 144, 145, clLime, clBlack);
    Label6 = makeResultLabel("Label6", 152, 160, 32, clLime, clBlack);
    Label11 = makeResultLabel("Label11", 184, 160, 113, clLime, clBlack, true);
}

void Tequazionilineari::solve()
{
    Findings = solveLinearEquation(coefficients()->values());
    ShowLinearRoots();
}

std::pair<QString, QString> LinearSolverWindow::leftSides() const
{
    return {QStringLiteral("a sin x + b cos x + c"), valuedSum({functionName(Sine), functionName(Cosine), QString()})};
}

QString Tequazionilineari::statement() const
{
    return leftSides().second + QStringLiteral(" = 0");
}

void Tequazionilineari::paint(QPainter& painter, QSize size) const
{
    paintLinear(painter, size, EquationText(coefficients()->a->text(), coefficients()->b->text()), false);
}

void Tequazionilineari::ShowLinearRoots()
{
    const LinearRootTexts texts = linearRootTexts(Findings);
    Label2->setText(texts.Label2);
    Label7->setText(texts.Label7);
    Label8->setText(texts.Label8);
    Label4->setText(texts.Label4);
    Label6->setText(texts.Label6);
    Label11->setText(texts.Label11);
}

QString Tequazionilineari::pictureWords() const
{
    return equationPictureWords(linearExpressionWords(Findings.k), {0.0L}, Findings.solutions);
}

// ---- Linear inequalities -------------------------------------------------------------------------

Tdisequazionilineari::Tdisequazionilineari(const app::TopicWindow& topic)
    : LinearSolverWindow(topic, {app::Title::LinearInequalities, 0, 1, false},
                         linearSetup({{10, 5}, {25, 10}, {50, 20}}))
{
    using namespace Colors;
    Label2 = makeResultLabel("Label2", 88, 57, 257, clAqua, clBlack, false, Qt::AlignHCenter);
    Label8 = makeResultLabel("Label8", 88, 74, 257, clAqua, clBlack, false, Qt::AlignHCenter);
    Label4 = makeResultLabel("Label4", 88, 144, 265, clRed, clWhite, false, Qt::AlignHCenter);
    Label11 = makeResultLabel("Label11", 88, 161, 265, clRed, clWhite, false, Qt::AlignHCenter);
    Label2->setText(QStringLiteral("a sin x + b cos x + c >= 0"));
    Label4->setText(QStringLiteral("a sin x + b cos x + c < 0"));
}

void Tdisequazionilineari::solve()
{
    Findings = solveLinearInequality(coefficients()->values());
    ShowInequalityIntervals();
}

QString Tdisequazionilineari::statement() const
{
    return leftSides().second + QStringLiteral(" ≥ 0");
}

void Tdisequazionilineari::paint(QPainter& painter, QSize size) const
{
    const CoefficientControls* k = coefficients();
    const QString title = InequalityText(Findings.k, {k->a->text(), k->b->text(), k->c->text()},
                                         app::commonText(app::Common::SineName));
    paintLinear(painter, size, title, true);
}

void Tdisequazionilineari::ShowInequalityIntervals()
{
    const IntervalTexts texts = inequalityIntervalTexts(Findings);
    Label8->setText(texts.Label8);
    Label11->setText(texts.Label11);
}

QString Tdisequazionilineari::pictureWords() const
{
    const QString expression = linearExpressionWords(Findings.k);
    return inequalityPictureWords(expression, {0.0L}, expression + QStringLiteral(" ≥ 0"), Findings.greater,
                                  expression + QStringLiteral(" < 0"), Findings.less);
}

}  // namespace solvers
