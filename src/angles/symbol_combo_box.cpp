#include "angles/symbol_combo_box.h"

#include <QStyledItemDelegate>
#include <QStylePainter>

#include "platform/symbol_font.h"

namespace angles {

namespace {

// Shows the items of the open list in the Symbol font's letters.
class SymbolItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        return platform::symbolFontText(QStyledItemDelegate::displayText(value, locale));
    }
};

}  // namespace

SymbolComboBox::SymbolComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new SymbolItemDelegate(this));
}

void SymbolComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = platform::symbolFontText(option.currentText);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace angles
