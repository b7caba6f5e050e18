#include "platform/bars.h"

#include <QBoxLayout>
#include <QPalette>
#include <QToolBar>
#include <QWidget>

#include "platform/accessibility.h"

namespace Bars {

void paintWith(QWidget* widget, const QColor& ground, const QColor& text)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, ground);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Accessibility::readable(text, ground));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QToolBar* addToolBar1(QWidget* bar)
{
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* toolBar = new QToolBar(bar);
    toolBar->setObjectName("ToolBar1");
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setIconSize(QSize(16, 16));
    layout->addWidget(toolBar);
    layout->addStretch(1);
    return toolBar;
}

ControlBar addControlBar(QWidget* area, const QString& name, const QColor& ground)
{
    auto* bar = new QWidget(area);
    bar->setObjectName(name);
    paintWith(bar, ground, Qt::black);
    return {bar, addToolBar1(bar)};
}

}  // namespace Bars
