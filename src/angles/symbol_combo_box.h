#pragma once
// A drop-down list set in the Symbol font: its items keep their Latin texts ("  90°  -  a ")
// and show the Greek ones ("  90°  -  α "), in the closed box and in the open list alike.
#include <QComboBox>

namespace angles {

class SymbolComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit SymbolComboBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace angles
