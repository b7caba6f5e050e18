#include "angles/associated_angles_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "angles/angle_texts.h"
#include "platform/colors.h"
#include "platform/updown.h"
#include "texts/text_tables.h"

namespace angles {

namespace {

const angles::AngleWindowDesign Design{.controlBarName = "ControlBar1",
                                      .titleRow = app::Title::AssociatedAngles,
                                      .quadranteWidth = 95,
                                      .symbolFont = true,
                                      .angoloWidth = 24,
                                      .minimum = angles::AcuteMinimum,
                                      .maximum = angles::AcuteMaximum,
                                      .position = angles::AcuteStart,
                                      .axisDivisor = 10,
                                      .mostraCaption = "mostra suggerimenti"};

}  // namespace

Tarchi::Tarchi(const app::TopicWindow& topic) : AngleWindow(topic, Design)
{
    for (int item = 0; item < angles::AssociatedItemCount; ++item)
        quadrante->addItem(angles::associatedItemText(item));
}

void Tarchi::FormCreate()
{
    createLayout(3, 5);
    const angles::AssociatedTexts texts = angles::associatedTexts(pangolo->position(), 0, sineName());
    Label1->setText(texts.label1);
    Label2->setText(texts.label2);
}

void Tarchi::FormPaint()
{
    drawBackground();
}

void Tarchi::tracciaClick()
{
    const int a = pangolo->position();
    const int k = quadrante->currentIndex();
    const angles::AssociatedAngle associated = angles::associatedAngle(a, k);
    const angles::AssociatedTexts texts = angles::associatedTexts(a, k, sineName());
    Label1->setText(texts.label1);
    Label2->setText(texts.label2);
    Label4->setText(texts.label4);
    Label5->setText(texts.label5);
    Label6->setText(texts.label6);
    redrawCircle();
    drawAngles({{a, angles::AngleStyle{Colors::clWhite, Colors::clYellow, 2, 3}},
                {associated.angle, angles::AngleStyle{Colors::clFuchsia, Colors::clRed, 2, 2}}});
}

}  // namespace angles
