#include <gtest/gtest.h>

#include <QPainter>

#include "common/test_support.h"
#include "graphs/function_texts.h"
#include "graphs/graphs_drawing.h"
#include "platform/colors.h"

using namespace graphs;

namespace {

// An 880 x 600 client: cy = 300, r = 110, the circle's centre at x = 220, the left half ends at
// x = 440, the graph starts at x = 450 with 2 pixels per step.
constexpr int W = 880;
constexpr int H = 600;
constexpr int X0 = 220;
constexpr int CY = 300;

struct Canvas {
    GraphGeometry g = GraphGeometry::forClient(W, H);
    QImage circle{W / 2, H, QImage::Format_RGB32};
    QImage surface{W, H, QImage::Format_RGB32};

    Canvas()
    {
        drawCircleBitmap(circle, g);
        surface.fill(Colors::clBlack);
    }

    void drawStep(int step, std::initializer_list<TrigFunction> functions)
    {
        StepPicture picture;
        picture.step = step;
        picture.current = sampleAtStep(step, g.radius);
        picture.previous = step > 0 ? sampleAtStep(step - 1, g.radius) : Sample{0, g.radius, 0};
        for (TrigFunction f : functions)
            picture.shown[std::size_t(f)] = true;
        QPainter painter(&surface);
        drawAnimationStep(painter, circle, g, picture);
    }
};

}  // namespace

TEST(GraphsDrawing, Geometry)
{
    const GraphGeometry g = GraphGeometry::forClient(W, H);
    EXPECT_EQ(g.radius, 110);
    EXPECT_EQ(g.cy(), CY);
    EXPECT_EQ(g.graphX(0), 450);
    EXPECT_EQ(g.graphX(80), 610);
    EXPECT_EQ(g.graphX(160), 770);
    EXPECT_EQ(g.graphX(-1), 448);
    EXPECT_EQ(g.heldEndX(219), 439);
    EXPECT_EQ(g.heldEndX(220), 438);   // held at W div 2 - 2
    EXPECT_EQ(g.heldEndX(-500), -280);  // only the right side is held
    // 1600 wide: s = 3.636..., x = 810 + round(step * s), halves to even.
    const GraphGeometry wide = GraphGeometry::forClient(1600, 900);
    EXPECT_EQ(wide.graphX(80), 810 + 291);
    EXPECT_EQ(wide.graphX(160), 810 + 582);
    EXPECT_EQ(GraphGeometry::forClient(1100, 700).graphX(1), 560 + 2);  // 2.5 rounds to 2
}

TEST(GraphsDrawing, CircleBitmapAndGraphAxes)
{
    Canvas canvas;
    canvas.surface.fill(Colors::clRed);
    {
        QPainter painter(&canvas.surface);
        drawGraphAxes(painter, canvas.g);
    }
    const QColor white = Colors::clWhite;
    const QColor black = Colors::clBlack;
    const struct {
        const QImage* image;
        int x, y;
        QColor colour;
        const char* what;
    } cases[] = {
        {&canvas.circle, 110, CY, white, "circle, left"},
        {&canvas.circle, 329, CY, white, "circle, right"},
        {&canvas.circle, X0, 190, white, "circle, top"},
        {&canvas.circle, X0, 409, white, "circle, bottom"},
        {&canvas.circle, 160, 250, black, "inside the circle"},
        {&canvas.circle, 90, CY, white, "x axis, left end"},
        {&canvas.circle, 80, CY, black, "before the x axis"},
        {&canvas.circle, 345, CY, white, "x axis, right end"},
        {&canvas.circle, 349, CY - 1, white, "arrow head of x"},
        {&canvas.circle, 348, CY + 2, white, "arrow head of x, lower half"},
        {&canvas.circle, X0, 175, white, "y axis, top"},
        {&canvas.circle, X0, 430, white, "y axis, bottom"},
        {&canvas.circle, X0, 440, black, "below the y axis"},
        {&canvas.circle, X0 - 2, 172, white, "arrow head of y"},
        {&canvas.circle, X0 + 2, 172, white, "arrow head of y, right half"},
        {&canvas.surface, 445, 10, black, "right half cleared"},
        {&canvas.surface, 875, 595, black, "right half cleared, corner"},
        {&canvas.surface, 430, 10, QColor(Colors::clRed), "left half untouched"},
        {&canvas.surface, 450, 200, white, "graph y axis"},
        {&canvas.surface, 450, 440, black, "below the graph y axis"},
        {&canvas.surface, 700, CY, white, "graph x axis"},
        {&canvas.surface, 610, CY - 4, white, "tick of pi, top"},
        {&canvas.surface, 610, CY + 4, white, "tick of pi, bottom"},
        {&canvas.surface, 610, CY - 6, black, "above the tick of pi"},
        {&canvas.surface, 770, CY + 4, white, "tick of 2 pi"},
        {&canvas.surface, 789, CY + 1, white, "arrow head of the graph's x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelAt(*c.image, c.x, c.y), c.colour) << c.what << " at " << c.x << "," << c.y;
}

TEST(GraphsDrawing, SegmentsOnTheCircle)
{
    const QColor grey = Colors::clGray;
    const struct {
        TrigFunction function;
        int step;
        int x, y;
        QColor colour;
        const char* what;
    } cases[] = {
        // 45 degrees: cx = sy = 78.
        {TrigFunction::Sine, 20, X0, CY - 39, Colors::clLime, "sine segment"},
        {TrigFunction::Sine, 20, X0 + 1, CY - 39, Colors::clLime, "sine segment is 3 wide"},
        {TrigFunction::Cosine, 20, X0 + 39, CY, Colors::clYellow, "cosine segment"},
        {TrigFunction::Cosecant, 20, X0, CY - 150, Colors::clFuchsia, "cosecant up to 156"},
        {TrigFunction::Secant, 20, X0 + 150, CY, Colors::clRed, "secant up to 156"},
        // (the dotted construction runs along their middle here, so look beside it)
        {TrigFunction::Tangent, 20, X0 + 111, CY - 55, Colors::clAqua, "tangent on x = r"},
        {TrigFunction::Cotangent, 20, X0 + 55, CY - 111, Colors::clBlue, "cotangent on y = r"},
        // 135 degrees: the tangent's value on the right line, found through the grey extension.
        {TrigFunction::Tangent, 60, X0 + 110, CY + 55, Colors::clAqua, "tangent below, on x = r"},
        {TrigFunction::Tangent, 60, X0 + 39, CY + 39, grey, "grey extension of the radius"},
        {TrigFunction::Tangent, 60, X0 + 94, CY + 94, grey, "grey line to the tangent"},
        // 225 degrees: the cotangent's value on the upper line.
        {TrigFunction::Cotangent, 100, X0 + 55, CY - 110, Colors::clBlue, "cotangent on y = r"},
        {TrigFunction::Cotangent, 100, X0 + 39, CY - 39, grey, "grey extension of the radius"},
        {TrigFunction::Cotangent, 100, X0 + 94, CY - 94, grey, "grey line to the cotangent"},
        // 67.5 degrees: the secant (287 pixels) is held inside the left half.
        {TrigFunction::Secant, 30, 430, CY, Colors::clRed, "held secant"},
        {TrigFunction::Secant, 30, 442, CY, Colors::clBlack, "nothing past the left half"},
    };
    for (const auto& c : cases) {
        Canvas canvas;
        canvas.drawStep(c.step, {c.function});
        EXPECT_EQ(pixelAt(canvas.surface, c.x, c.y), c.colour)
            << c.what << " (function " << int(c.function) << ", step " << c.step << ")";
    }
}

TEST(GraphsDrawing, ConstructionLinesAreDotted)
{
    Canvas canvas;
    canvas.drawStep(20, {TrigFunction::Sine});
    // From (220, 222) to P = (298, 222): dotted, so some but not all pixels are white.
    int white = 0;
    for (int x = X0 + 3; x <= 296; ++x)
        white += pixelAt(canvas.surface, x, CY - 78) == Colors::clWhite;
    EXPECT_GT(white, 15);
    EXPECT_LT(white, 60);
}

TEST(GraphsDrawing, NoExtensionWithoutTangentOrCotangent)
{
    // 135 degrees: the grey extension belongs to the tangent only.
    Canvas canvas;
    canvas.drawStep(60, {TrigFunction::Sine, TrigFunction::Secant});
    EXPECT_EQ(pixelAt(canvas.surface, X0 + 39, CY + 39), Colors::clBlack);
}

TEST(GraphsDrawing, AngleMark)
{
    // The point at 135 degrees on the mark's circle (radius 27) is on the mark from 135 degrees on.
    const struct {
        int step;
        bool marked;
    } cases[] = {{0, false}, {1, false}, {40, false}, {60, true}, {80, true}, {159, true}, {160, true}};
    for (const auto& c : cases) {
        Canvas canvas;
        canvas.drawStep(c.step, {TrigFunction::Sine});
        EXPECT_EQ(colourNear(canvas.surface, X0 - 19, CY - 19, Colors::clWhite), c.marked) << "step " << c.step;
    }
    // At step 160 the mark is the whole circle (at step 0, where the directions coincide too,
    // there is none: see the table).
    Canvas end;
    end.drawStep(160, {TrigFunction::Sine});
    EXPECT_TRUE(colourNear(end.surface, X0 - 19, CY + 19, Colors::clWhite));
}

TEST(GraphsDrawing, GraphSegments)
{
    const struct {
        TrigFunction function;
        int step;
        int fromY, toY;  // -1: no segment
    } cases[] = {
        {TrigFunction::Sine, 0, CY, CY},
        {TrigFunction::Sine, 1, CY, CY - 4},
        {TrigFunction::Cosine, 1, CY - 110, CY - 110},
        {TrigFunction::Tangent, 20, CY - 102, CY - 110},  // 42.75 and 45 degrees
        {TrigFunction::Tangent, 40, -1, -1},              // undefined now
        {TrigFunction::Tangent, 41, -1, -1},              // undefined before
        {TrigFunction::Cosecant, 1, -1, -1},              // undefined before
        {TrigFunction::Cotangent, 81, -1, -1},
        {TrigFunction::Secant, 79, CY + 110, CY + 110},
    };
    for (const auto& c : cases) {
        Canvas canvas;
        canvas.drawStep(c.step, {c.function});
        const QColor colour = functionColour(c.function);
        const int x0 = canvas.g.graphX(c.step - 1);
        const int x1 = canvas.g.graphX(c.step);
        if (c.fromY < 0) {
            bool any = false;
            for (int y = 0; y < H; ++y)
                for (int x = W / 2; x < W; ++x)
                    any = any || pixelAt(canvas.surface, x, y) == colour;
            EXPECT_FALSE(any) << "function " << int(c.function) << " step " << c.step;
        } else {
            EXPECT_EQ(pixelAt(canvas.surface, x0, c.fromY), colour) << "function " << int(c.function) << " step " << c.step;
            EXPECT_EQ(pixelAt(canvas.surface, x1, c.toY), colour) << "function " << int(c.function) << " step " << c.step;
        }
    }
}

TEST(GraphsDrawing, CircleDrawingStaysInTheLeftHalf)
{
    // Every step of every function: the right half only ever receives the function's graph.
    for (int f = 0; f < FunctionCount; ++f) {
        const TrigFunction function = TrigFunction(f);
        Canvas canvas;
        for (int step = 0; step <= LastStep; ++step)
            canvas.drawStep(step, {function});
        const QColor colour = functionColour(function);
        int strays = 0;
        for (int y = 0; y < H; ++y)
            for (int x = W / 2; x < W; ++x) {
                const QColor c = pixelAt(canvas.surface, x, y);
                strays += c != colour && c != Colors::clBlack;
            }
        EXPECT_EQ(strays, 0) << "function " << f;
    }
}
