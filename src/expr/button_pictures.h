#pragma once
// Small pictures drawn for the buttons of the coefficient dialog and the calculator.
#include <QIcon>

namespace app::ButtonPictures {
QIcon confirm();     // a green check mark
QIcon cancel();      // a red cross
QIcon help();        // a blue question mark
QIcon squareRoot();  // the radical sign
QIcon backspace();   // an arrow pointing left, deleting the last character
QIcon radians();     // "rad"
}  // namespace app::ButtonPictures
