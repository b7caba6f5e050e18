// The shared picture painted into an image: the background, the segments of an angle in their
// colours, and the dotted arcs at their radii.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "angles/angle_picture.h"
#include "angles/circle_probe.h"
#include "common/test_support.h"
#include "platform/colors.h"
#include "platform/fonts.h"

using namespace angles;

namespace {

constexpr int W = 800;
constexpr int H = 600;
constexpr int R = 160;

struct Canvas {
    explicit Canvas(int axisDivisor = 8) : image(W, H, QImage::Format_RGB32), picture{W, H, R, axisDivisor}
    {
        image.fill(Qt::blue);
        QPainter painter(&image);
        drawAngleBackground(painter, picture, Colors::clSilver, Fonts::windowDefault(true));
    }
    void draw(int degrees, const AngleStyle& style, bool wipe = false)
    {
        QPainter painter(&image);
        if (wipe)
            wipeCircle(painter, picture);
        drawAngle(painter, picture, degrees, style);
    }
    QColor at(int x, int y) const { return pixelAt(image, x, y); }
    QImage image;
    AnglePicture picture;
};

int countOnCircle(const Canvas& canvas, const QColor& colour, double r, double fromDegrees, double toDegrees)
{
    return countOnCircle(canvas.image, canvas.picture.centre(), colour, r, fromDegrees, toDegrees);
}

// True when a pixel of the colour lies within one pixel of (x, y).
bool near(const Canvas& canvas, int x, int y, const QColor& colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (canvas.at(x + dx, y + dy) == colour)
                return true;
    return false;
}

}  // namespace

TEST(AnglePicture, PointsOfTheCircle)
{
    const AnglePicture picture{W, H, R, 8};
    EXPECT_EQ(picture.centre(), QPoint(200, 300));
    EXPECT_EQ(pointAt(picture, 0, R), QPoint(360, 300));
    EXPECT_EQ(pointAt(picture, 90, R), QPoint(200, 140));
    EXPECT_EQ(pointAt(picture, 150, R), QPoint(200 - 139, 300 - 80));  // 160 cos 150 = -138.56
    EXPECT_EQ(pointAt(picture, -50, R / 2.0L), QPoint(200 + 51, 300 + 61));
    // R/3 is not whole: 53.33 cos 60 = 26.67 rounds to 27.
    EXPECT_EQ(pointAt(picture, 60, R / 3.0L), QPoint(227, 300 - 46));
    EXPECT_EQ(picture.axisTop(), 75);
    EXPECT_EQ(picture.axisBottom(), 675);
    EXPECT_EQ((AnglePicture{W, H, R, 10}).axisTop(), 60);
}

TEST(AnglePicture, Background)
{
    const Canvas canvas;
    EXPECT_EQ(canvas.at(W / 2 + 5, 10), Colors::clSilver);   // the right half keeps the window colour
    EXPECT_EQ(canvas.at(W - 1, H - 1), Colors::clSilver);
    EXPECT_EQ(canvas.at(W / 2 - 1, 10), Colors::clBlack);   // the left half is black
    EXPECT_EQ(canvas.at(5, H - 1), Colors::clBlack);
    EXPECT_EQ(canvas.at(200 + 40, 300 - 40), Colors::clBlack);  // inside the circle
    const QPoint on60 = pointAt(canvas.picture, 60, R);
    EXPECT_TRUE(near(canvas, on60.x(), on60.y(), Colors::clWhite));
    EXPECT_GT(countOnCircle(canvas, Colors::clWhite, R - 0.5, 10, 80), 100);
    // Grey axes from W div 40 to 19W div 40 and from H div 8 down.
    EXPECT_EQ(canvas.at(W / 40, 300), Colors::clGray);
    EXPECT_EQ(canvas.at(250, 300), Colors::clGray);
    EXPECT_EQ(canvas.at(W / 40 - 2, 300), Colors::clBlack);
    EXPECT_EQ(canvas.at(200, 100), Colors::clGray);
    EXPECT_EQ(canvas.at(200, 70), Colors::clBlack);
    // Filled arrowheads at the ends.
    EXPECT_EQ(canvas.at(19 * W / 40 - 2, 299), Colors::clGray);
    EXPECT_EQ(canvas.at(19 * W / 40 - 2, 301), Colors::clGray);
    EXPECT_EQ(canvas.at(199, 75 + 2), Colors::clGray);
    EXPECT_EQ(canvas.at(201, 75 + 2), Colors::clGray);
}

TEST(AnglePicture, AxisNamesAndTheirPlaces)
{
    for (int divisor : {8, 10}) {
        const Canvas canvas(divisor);
        const int top = H / divisor;
        // The names are white text (smoothed at the edges) on black.
        int whiteNearX = 0, whiteNearY = 0;
        for (int y = 300; y < 300 + 14; ++y)
            for (int x = 19 * W / 40; x < 19 * W / 40 + 8; ++x)
                whiteNearX += qGray(canvas.at(x, y).rgb()) > 150;
        for (int y = top; y < top + 14; ++y)
            for (int x = 200 - 16; x < 200; ++x)
                whiteNearY += qGray(canvas.at(x, y).rgb()) > 150;
        EXPECT_GT(whiteNearX, 3) << divisor;
        EXPECT_GT(whiteNearY, 3) << divisor;
        // The vertical arrowhead sits at the top of the axis.
        EXPECT_EQ(canvas.at(200, top + 1), Colors::clGray) << divisor;
        EXPECT_EQ(canvas.at(200, top - 2), Colors::clBlack) << divisor;
    }
}

TEST(AnglePicture, SegmentColoursOfAnAngle)
{
    Canvas canvas;
    canvas.draw(150, AngleStyle{Colors::clWhite, Colors::clYellow, 2, 0});
    // Cosine along the horizontal axis to the left, sine up the vertical axis.
    EXPECT_EQ(canvas.at(200 - 70, 300), Colors::clWhite);
    EXPECT_EQ(canvas.at(200 + 70, 300), Colors::clGray);
    EXPECT_EQ(canvas.at(200, 300 - 40), Colors::clYellow);
    EXPECT_EQ(canvas.at(200, 300 + 40), Colors::clGray);
    // The segments are two pixels wide.
    EXPECT_TRUE(canvas.at(200 - 70, 299) == Colors::clWhite || canvas.at(200 - 70, 301) == Colors::clWhite);
    EXPECT_TRUE(canvas.at(199, 260) == Colors::clYellow || canvas.at(201, 260) == Colors::clYellow);
    // The radius to P = (61, 220), white, and nothing drawn below the axis.
    EXPECT_TRUE(near(canvas, 200 - 69, 300 - 40, Colors::clWhite));
    EXPECT_EQ(canvas.at(200 - 69, 300 + 40), Colors::clBlack);
    // The dotted lines: some, not all, of their pixels are white.
    int down = 0, across = 0;
    for (int y = 222; y < 298; ++y)
        down += canvas.at(61, y) == Colors::clWhite;
    for (int x = 63; x < 198; ++x)
        across += canvas.at(x, 220) == Colors::clWhite;
    EXPECT_GT(down, 15);
    EXPECT_LT(down, 76);
    EXPECT_GT(across, 30);
    EXPECT_LT(across, 135);
    // No arc without a divisor.
    EXPECT_EQ(countOnCircle(canvas, Colors::clWhite, R / 2.0, 10, 80), 0);
}

TEST(AnglePicture, ArcsAtTheirRadii)
{
    struct Case {
        int degrees;
        int divisor;
        double inFrom, inTo;    // the arc runs here
        double outFrom, outTo;  // and not here
    };
    const Case cases[] = {
        {50, 3, 5, 45, 60, 350},
        {40, 2, 5, 35, 50, 350},
        {-50, 2, 100, 300, 318, 355},  // round from 0 to 310 degrees
        {140, 2, 5, 135, 150, 355},
        {360, 2, 5, 355, 0, 0},        // the same direction as 0: the whole circle
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.degrees);
        Canvas canvas;
        canvas.draw(c.degrees, AngleStyle{Colors::clFuchsia, Colors::clRed, 2, c.divisor});
        const double r = double(R / c.divisor);
        EXPECT_GT(countOnCircle(canvas, Colors::clWhite, r, c.inFrom, c.inTo), (c.inTo - c.inFrom) * r / 400.0);
        if (c.outTo > c.outFrom)
            EXPECT_EQ(countOnCircle(canvas, Colors::clWhite, r, c.outFrom, c.outTo), 0);
        // Nothing at the other divisor's radius.
        const double other = double(R / (c.divisor == 2 ? 3 : 2));
        EXPECT_EQ(countOnCircle(canvas, Colors::clWhite, other, 190, 260), 0);
    }
}

TEST(AnglePicture, ZeroAngleDrawsTheWholeDottedCircle)
{
    Canvas canvas(10);
    canvas.draw(0, AngleStyle{Colors::clWhite, Colors::clYellow, 2, 3});
    const double r = double(R / 3);
    for (double from : {10.0, 100.0, 190.0, 280.0})
        EXPECT_GT(countOnCircle(canvas, Colors::clWhite, r, from, from + 70), 8) << from;
    // The cosine segment runs along the axis to the circle, and there is no sine.
    EXPECT_EQ(canvas.at(200 + 100, 300), Colors::clWhite);
    EXPECT_EQ(canvas.at(200, 300 - 30), Colors::clGray);
}
