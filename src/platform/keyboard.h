#pragma once
// The keyboard for the windows' tool controls: buttons that Tab reaches and Space or Enter
// presses, a list whose choice Enter applies, and the Tab order of a row of tool bars.
#include <QList>

class QAbstractButton;
class QComboBox;
class QToolBar;
class QWidget;

namespace Keyboard {

// Tab reaches the button (a click does not take the focus from where it is); Space presses it
// (Qt's own handling) and so do Return and Enter.
void makeReachable(QAbstractButton* button);

// Return or Enter on the list while its choices are closed presses `button`, as a click on it
// would: the choice made in the list is applied. In the open list Enter only chooses.
void appliesWithEnter(QComboBox* list, QAbstractButton* button);

// The controls of the tool bars that take the focus with Tab, left to right: the bars in the
// order given, the controls of each bar in its own order.
QList<QWidget*> toolBarControls(const QList<QToolBar*>& bars);
// Tab goes through the controls in the order given.
void chainTabOrder(const QList<QWidget*>& controls);

}  // namespace Keyboard
