#include "solvers/elementary/elementary_equations_window.h"

#include <QLabel>

#include "platform/colors.h"
#include "texts/text_tables.h"
#include "solvers/elementary/elementary_equations.h"
#include "solvers/elementary/elementary_equations_drawing.h"

namespace solvers {

Tequa::Tequa()
    : ElementarySolverWindow({6, "Tequa", app::Title::ElementaryEquations, 305},
                             {&equationAngleRange, &equationBackdropStyle, &drawEquationPicture,
                              &drawEquationFirstPicture})
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

void Tequa::WriteSolutionLabels()
{
    const EquationLabels labels = elementaryEquationLabels(FunctionIndex, AngleDeg);
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

}  // namespace solvers
