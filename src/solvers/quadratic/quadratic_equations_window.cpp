#include "solvers/quadratic/quadratic_equations_window.h"

#include <QLabel>

#include "platform/colors.h"
#include "texts/text_tables.h"
#include "solvers/quadratic/quadratic_drawing.h"

namespace solvers {

Tequasecondogrado::Tequasecondogrado()
    : QuadraticSolverWindow({28, "Tequasecondogrado", app::Title::QuadraticEquations, 306, 189},
                            quadraticSetup(38, 900, {{10, 10}}))
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
    m_result = solveQuadraticEquation(FunctionIndex, a, b, c);
    WriteSolutionLabels();
}

void Tequasecondogrado::paint(QPainter& painter, QSize size) const
{
    drawQuadraticEquationPicture(painter, geometryFor(size), SolverBitmap, FunctionIndex, m_result.drawn);
}

void Tequasecondogrado::WriteSolutionLabels()
{
    Panel2->setText(quadraticEquationText(FunctionIndex));
    // The tangent has one family per root (period 180°).
    for (int n : SecondFamilyLabels)
        Label[std::size_t(n)]->setVisible(FunctionIndex != Tangent);
    for (std::size_t n = 1; n < Label.size(); ++n)
        Label[n]->setText(m_result.label[n]);
}

}  // namespace solvers
