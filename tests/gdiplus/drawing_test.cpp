// Drawing on a small bitmap, checked by probing interior pixels. Edges are
// left out: anti-aliasing differs between GDI+ implementations.
#include <functional>

#include "gdiplus_support.h"
#include "picture_fixtures.h"

using namespace gdip;
using gdiptest::Canvas;
using gdiptest::pixelNear;

namespace {

struct Probe {
    int x, y;
    ARGB expected;
};

void expectProbes(const Canvas& canvas, std::initializer_list<Probe> probes, int tolerance) {
    for (const Probe& p : probes) {
        EXPECT_TRUE(pixelNear(canvas.pixel(p.x, p.y), p.expected, tolerance))
            << "at " << p.x << "," << p.y;
    }
}

// Channel value of a two-colour gradient at fraction t.
int mix(int from, int to, double t) { return static_cast<int>(from + (to - from) * t + 0.5); }

}  // namespace

TEST(GdipDrawing, LinearGradientFillsAcrossItsAxis) {
    Canvas canvas(40, 10);
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.create({0, 0}, {40, 0}, 0xFFFF0000, 0xFF0000FF));
    ASSERT_TRUE(canvas.graphics.fillRectangle(brush, 0, 0, 40, 10));
    for (int x : {2, 10, 20, 30, 37}) {
        const double t = (x + 0.5) / 40;
        const ARGB expected = 0xFF000000u | (mix(255, 0, t) << 16) | mix(0, 255, t);
        EXPECT_TRUE(pixelNear(canvas.pixel(x, 5), expected, 10)) << "x " << x;
    }
}

TEST(GdipDrawing, PresetBlendPutsEachColourAtItsPosition) {
    // Three stops down the height: white, black at 0.6, white.
    Canvas canvas(4, 50);
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.create({0, 0}, {0, 50}, 0xFF000000, 0xFF000000));
    ASSERT_TRUE(brush.setPresetBlend({0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF}, {0.0f, 0.6f, 1.0f}));
    ASSERT_TRUE(canvas.graphics.fillRectangle(brush, 0, 0, 4, 50));
    expectProbes(canvas, {{2, 0, 0xFFFFFFFF}, {2, 30, 0xFF000000}, {2, 49, 0xFFFFFFFF}}, 16);

    // A position for every colour, or nothing is set.
    EXPECT_FALSE(brush.setPresetBlend({0xFFFFFFFF, 0xFF000000}, {0.0f}));
    EXPECT_EQ(Gdiplus::InvalidParameter, lastStatus);
}

TEST(GdipDrawing, FilledAndOutlinedPaths) {
    Canvas canvas(40, 40);
    GraphicsPath ellipse;
    ASSERT_TRUE(ellipse.createPath());
    ASSERT_TRUE(ellipse.addEllipse(5, 5, 30, 30));
    SolidBrush green;
    ASSERT_TRUE(green.create(0xFF00FF00));
    ASSERT_TRUE(canvas.graphics.fillPath(green, ellipse));

    // An outline drawn with a pen made from a brush that is gone by then.
    Pen pen;
    {
        SolidBrush blue;
        ASSERT_TRUE(blue.create(0xFF0000FF));
        ASSERT_TRUE(pen.createFromBrush(blue, 4));
    }
    GraphicsPath line;
    ASSERT_TRUE(line.createPath());
    ASSERT_TRUE(line.addLine(0, 38, 40, 38));
    ASSERT_TRUE(canvas.graphics.drawPath(pen, line));

    expectProbes(canvas,
                 {{20, 20, 0xFF00FF00},
                  {20, 8, 0xFF00FF00},  // inside the ellipse
                  {7, 7, 0},            // bounding-box corner, outside
                  {20, 38, 0xFF0000FF},
                  {3, 37, 0xFF0000FF}},  // the line
                 8);
}

TEST(GdipDrawing, PathGradientRunsFromCentreToSurround) {
    Canvas canvas(41, 41);
    GraphicsPath circle;
    ASSERT_TRUE(circle.createPath());
    ASSERT_TRUE(circle.addEllipse(0, 0, 41, 41));
    PathGradientBrush brush;
    ASSERT_TRUE(brush.createFromPath(circle));
    ASSERT_TRUE(brush.setCenterColour(0xFFFFFFFF));
    EXPECT_EQ(0xFFFFFFFFu, brush.getCenterColour());
    // One colour for the whole boundary: the count is the number of colours.
    ASSERT_TRUE(brush.setSurroundColours({0xFF008080}));
    EXPECT_FALSE(brush.setSurroundColours({0xFF008080}, 2));
    ASSERT_TRUE(canvas.graphics.fillPath(brush, circle));

    EXPECT_TRUE(pixelNear(canvas.pixel(20, 20), 0xFFFFFFFF, 40));
    EXPECT_TRUE(pixelNear(canvas.pixel(20, 2), 0xFF008080, 40));
    EXPECT_TRUE(pixelNear(canvas.pixel(2, 20), 0xFF008080, 40));
}

TEST(GdipDrawing, ClipLimitsWhereAFillLands) {
    const ARGB red = 0xFFFF0000;
    struct Case {
        const char* name;
        std::function<bool(Graphics&)> clip;
        std::initializer_list<Probe> probes;
    };
    GraphicsPath triangle;  // the lower-left half of the canvas
    ASSERT_TRUE(triangle.createPath());
    ASSERT_TRUE(triangle.addPolygon({{0, 0}, {0, 40}, {40, 40}}));
    const Case cases[] = {
        {"rectangle",
         [](Graphics& g) { return g.setClipRect(10, 10, 20, 20); },
         {{15, 15, red}, {5, 5, 0}, {35, 35, 0}}},
        {"rectangle minus an inner one",
         [](Graphics& g) {
             return g.setClipRect(0, 0, 40, 40) &&
                    g.setClipRect(10, 10, 20, 20, Gdiplus::CombineModeExclude);
         },
         {{5, 5, red}, {15, 15, 0}, {35, 35, red}}},
        {"xor of two rectangles",
         [](Graphics& g) {
             return g.setClipRect(0, 0, 40, 40) &&
                    g.setClipRect(10, 10, 20, 20, Gdiplus::CombineModeXor);
         },
         {{5, 5, red}, {15, 15, 0}}},
        {"path",
         [&triangle](Graphics& g) { return g.setClipPath(triangle); },
         {{5, 30, red}, {30, 5, 0}}},
        {"reset",
         [](Graphics& g) { return g.setClipRect(10, 10, 5, 5) && g.resetClip(); },
         {{2, 2, red}, {37, 37, red}}},
    };
    SolidBrush brush;
    ASSERT_TRUE(brush.create(red));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(40, 40);
        ASSERT_TRUE(c.clip(canvas.graphics));
        ASSERT_TRUE(canvas.graphics.fillRectangle(brush, 0, 0, 40, 40));
        expectProbes(canvas, c.probes, 2);
    }
}

TEST(GdipDrawing, DrawImageAtNaturalSizeAndStretched) {
    Image picture;
    ASSERT_TRUE(picture.loadFromBytes(kPngPicture, sizeof kPngPicture));

    Canvas natural(10, 10);
    ASSERT_TRUE(natural.graphics.drawImage(picture, 3, 2));
    expectProbes(natural,
                 {{3, 2, 0xFFFF0000},
                  {6, 2, 0xFFFFFFFF},
                  {4, 3, 0xFF0A141E},
                  {5, 4, 0xFFFF00FF},
                  {2, 2, 0},
                  {7, 5, 0}},
                 2);

    // Each picture pixel becomes a 10 x 10 cell; probe the cell centres.
    Canvas stretched(40, 30);
    ASSERT_TRUE(stretched.graphics.setInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
    ASSERT_TRUE(stretched.graphics.setPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
    ASSERT_TRUE(stretched.graphics.drawImageRect(picture, 0, 0, 40, 30));
    expectProbes(stretched,
                 {{5, 5, 0xFFFF0000},
                  {35, 5, 0xFFFFFFFF},
                  {25, 15, 0xFFC86432},
                  {15, 25, 0xFF00FFFF},
                  {35, 25, 0x80285078}},
                 3);
}

TEST(GdipDrawing, ClearAndLinesOnAGraphicsFromAnHdc) {
    // The engine draws on memory DCs: a 32-bit DIB section selected into one.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 20;
    info.bmiHeader.biHeight = -20;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, dib);
    HGDIOBJ previous = SelectObject(dc, dib);
    {
        Graphics graphics;
        ASSERT_TRUE(graphics.createFromHDC(dc));
        ASSERT_TRUE(graphics.clear(0xFF00FF00));
        Pen pen;
        ASSERT_TRUE(pen.create(0xFF0000FF, 3));
        ASSERT_TRUE(graphics.drawLine(pen, 0, 10, 20, 10));
        ASSERT_TRUE(graphics.drawRectangle(pen, 2, 2, 16, 16));
    }
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    EXPECT_EQ(0x0000FFu, pixels[10 * 20 + 10] & 0xFFFFFF);  // on the line
    EXPECT_EQ(0x00FF00u, pixels[6 * 20 + 10] & 0xFFFFFF);   // between line and frame
    EXPECT_EQ(0x0000FFu, pixels[6 * 20 + 2] & 0xFFFFFF);    // on the frame
    SelectObject(dc, previous);
    DeleteObject(dib);
    DeleteDC(dc);
}

TEST(GdipPath, RoundedRectangleCornerIsAPercentOfTheSize) {
    struct Case {
        int percent;
        PointF point;
        bool inside;
    };
    const Case cases[] = {
        {20, {10, 10}, true},                       // corner arcs 20 x 20: their centre is inside
        {20, {1, 1}, false},                        // beyond the arc
        {20, {50, 1}, true},                        // straight top edge
        {250, {10, 10}, false},                     // clamped to 100: the path is an ellipse
        {250, {50, 2}, true},   {0, {1, 1}, true},  // clamped to 1: corners of one unit
        {-5, {1, 1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "percent " << c.percent << " at " << c.point.X << "," << c.point.Y);
        GraphicsPath path;
        ASSERT_TRUE(path.createPath());
        ASSERT_TRUE(path.addRoundedRectangle(0, 0, 100, 100, c.percent));
        EXPECT_EQ(c.inside, path.isVisiblePoint(c.point.X, c.point.Y));
        const RectF bounds = path.getWorldBounds();
        EXPECT_NEAR(100, bounds.Width, 0.01);
        EXPECT_NEAR(100, bounds.Height, 0.01);
    }
}
