#pragma once
// The associated angles window: for an angle a of 0°...90° and one of its eight associated
// angles b, each press of traccia writes the identities of b through a and draws both angles.
#include "angles/angle_window.h"

namespace angles {

class Tarchi : public angles::AngleWindow {
    Q_OBJECT
public:
    explicit Tarchi(const app::TopicWindow& topic);

    void tracciaClick() override;

protected:
    void FormCreate() override;
    // The background picture again; any angle drawn before is erased.
    void FormPaint() override;
};

}  // namespace angles
