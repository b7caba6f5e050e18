#include "solvers/quadratic/quadratic_inequalities_window.h"

#include <QLabel>

#include "platform/colors.h"
#include "texts/text_tables.h"
#include "solvers/quadratic/quadratic_drawing.h"

namespace solvers {

Tdisequasecondogrado::Tdisequasecondogrado()
    : QuadraticSolverWindow({29, "Tdisequasecondogrado", app::Title::QuadraticInequalities, 308, 0},
                            quadraticSetup(45, 9000, {{10, 5}, {25, 10}}))
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
    m_result = solveQuadraticInequality(FunctionIndex, a, b, c);
    WriteAngleIntervals();
}

void Tdisequasecondogrado::paint(QPainter& painter, QSize size) const
{
    drawQuadraticInequalityPicture(painter, geometryFor(size), FunctionIndex, SolverBitmap, m_bitmaps, m_result);
}

void Tdisequasecondogrado::WriteAngleIntervals()
{
    Label[1]->setText(greaterInequalityText(FunctionIndex));
    Label[3]->setText(lessInequalityText(FunctionIndex));
    Label[2]->setText(m_result.Label2);
    Label[5]->setText(m_result.Label5);
    Label[14]->setText(m_result.Label14);
    Label[4]->setText(m_result.Label4);
    Label[12]->setText(m_result.Label12);
    Label[16]->setText(m_result.Label16);
}

void Tdisequasecondogrado::SolverClose()
{
    m_bitmaps.free();
    SolverWindow::SolverClose();
}

}  // namespace solvers
