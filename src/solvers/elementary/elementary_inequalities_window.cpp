#include "solvers/elementary/elementary_inequalities_window.h"

#include <QLabel>

#include "platform/colors.h"
#include "texts/text_tables.h"
#include "solvers/elementary/elementary_inequalities.h"
#include "solvers/elementary/elementary_inequalities_drawing.h"

namespace solvers {

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

Tdisequatr::Tdisequatr()
    : ElementarySolverWindow({9, "Tdisequatr", app::Title::ElementaryInequalities, 304, 60, 2},
                             {&inequalityAngleRange, &inequalityBackdropStyle, &drawInequalityPicture,
                              &drawInequalityFirstPicture})
{
    for (const LabelPlace& p : kPlaces) {
        const QByteArray name = "Label" + QByteArray::number(p.number);
        Label[std::size_t(p.number)] =
            makeResultLabel(name.constData(), p.x, p.y, p.width, p.yellow ? Colors::clYellow : Colors::clAqua,
                            Colors::clBlack, p.symbol, p.rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    }
}

void Tdisequatr::WriteSolutionLabels()
{
    const InequalityLabels labels = elementaryInequalityLabels(FunctionIndex, AngleDeg);
    for (std::size_t n = 1; n < Label.size(); ++n) {
        if (labels.text[n])
            Label[n]->setText(*labels.text[n]);
        Label[n]->setVisible(labels.visible[n]);
    }
}

}  // namespace solvers
