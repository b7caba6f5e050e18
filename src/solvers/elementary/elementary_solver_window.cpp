#include "solvers/elementary/elementary_solver_window.h"

#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

#include "platform/hints.h"
#include "platform/updown.h"
#include "texts/text_tables.h"

namespace solvers {

ElementarySolverWindow::ElementarySolverWindow(const SolverFrame& frame, const ElementaryPictures& pictures)
    : SolverWindow(frame), m_pictures(pictures)
{
    createFunctionChoice();
    sposta = new UpDown();
    sposta->setObjectName("sposta");
    sposta->setWrap(false);
    connect(sposta, &UpDown::clicked, this, [this] { spostaClick(); });

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
    const AngleRange range = m_pictures.angleRange(Sine);
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
    AngleDeg = sposta->position();
    if (Panel2)
        Panel2->setText(functionName(Sine));
    Hints::setHint(sposta, app::commonText(app::Common::Angle));
    WriteSolutionLabels();
    BackdropPending = true;
}

void ElementarySolverWindow::spostaClick()
{
    redraw();
}

void ElementarySolverWindow::solve()
{
    AngleDeg = sposta->position();
    WriteSolutionLabels();
}

void ElementarySolverWindow::paint(QPainter& painter, QSize size) const
{
    if (showsOpeningPicture())
        m_pictures.drawFirst(painter, geometryFor(size), SolverBitmap, FunctionIndex, AngleDeg);
    else
        m_pictures.drawStep(painter, geometryFor(size), SolverBitmap, FunctionIndex, AngleDeg);
}

void ElementarySolverWindow::prepareOpeningPicture()
{
    sposta->setPosition(StartAngle);
    AngleDeg = StartAngle;
    drawBackdrop(m_pictures.backdropStyle(FunctionIndex));
}

void ElementarySolverWindow::aggiornaClick()
{
    FunctionIndex = funzt->currentIndex();
    if (Panel2)
        Panel2->setText(functionName(FunctionIndex));
    const AngleRange range = m_pictures.angleRange(FunctionIndex);
    sposta->setMinimum(range.minimum);
    sposta->setMaximum(range.maximum);
    BackdropPending = true;
    formactivate();
}

}  // namespace solvers
