#pragma once
// The state of the function graphs window (one window exists at a time).

namespace graphs {

struct FunctionGraphsState {
    unsigned char AnimationStep = 0;  // 0..161; the angle is step * pi/80
    bool Paused = false;              // the animation tick does nothing while set
    int CircleRadius = 0;             // r = W div 8
    float GraphScale = 0;             // s = W / 440
    int CosPixels = 0;                // round(r cos theta) of the current step
    int SinPixels = 0;                // round(r sin theta) of the current step
    int PrevCosPixels = 0;            // the same for the step before
    int PrevSinPixels = 0;
    int TangentSide = 1;              // side of the near tangent line of the last step drawn
    bool FirstDraw = true;            // from creation until the first drawing
    bool Animating = false;           // from "new" until the animation has ended
};

}  // namespace graphs
