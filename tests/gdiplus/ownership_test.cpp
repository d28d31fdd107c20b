// Ownership rules shared by every wrapper: a second delete is a no-op that
// leaves lastStatus alone, a failed create leaves the wrapper empty, a create
// on a full wrapper replaces its object, and moves hand the object over.
#include <functional>

#include "gdiplus_support.h"
#include "picture_fixtures.h"

using namespace gdip;

namespace {

// One wrapper kind: how to fill it and how to delete it.
struct WrapperCase {
    const char* name;
    const GdipObject* wrapper;
    std::function<bool()> create;
    std::function<bool()> destroy;
};

struct Wrappers {
    Bitmap target;
    Graphics graphics;
    GraphicsPath path;
    Pen pen;
    SolidBrush solid;
    LinearGradientBrush linear;
    PathGradientBrush pathGradient;
    GraphicsPath gradientShape;
    Font font;
    FontFamily family;
    StringFormat format;
    Region region;
    Image image;
    Bitmap bitmap;

    Wrappers() {
        EXPECT_TRUE(target.create(8, 8));
        EXPECT_TRUE(gradientShape.createPath());
        EXPECT_TRUE(gradientShape.addEllipse(0, 0, 10, 10));
    }

    std::vector<WrapperCase> cases() {
        return {
            {"Graphics", &graphics, [this] { return graphics.createFromImage(target); },
             [this] { return graphics.deleteGraphics(); }},
            {"GraphicsPath", &path, [this] { return path.createPath(); },
             [this] { return path.deletePath(); }},
            {"Pen", &pen, [this] { return pen.create(0xFF000000, 1); },
             [this] { return pen.deletePen(); }},
            {"SolidBrush", &solid, [this] { return solid.create(0xFF00FF00); },
             [this] { return solid.deleteBrush(); }},
            {"LinearGradientBrush", &linear,
             [this] { return linear.create({0, 0}, {10, 0}, 0xFF000000, 0xFFFFFFFF); },
             [this] { return linear.deleteBrush(); }},
            {"PathGradientBrush", &pathGradient,
             [this] { return pathGradient.createFromPath(gradientShape); },
             [this] { return pathGradient.deleteBrush(); }},
            {"Font", &font, [this] { return font.createFromName("宋体", 12); },
             [this] { return font.deleteFont(); }},
            {"FontFamily", &family, [this] { return family.createFromName("宋体"); },
             [this] { return family.deleteFontFamily(); }},
            {"StringFormat", &format, [this] { return format.create(); },
             [this] { return format.deleteStringFormat(); }},
            {"Region", &region, [this] { return region.createRect(RectF(0, 0, 5, 5)); },
             [this] { return region.deleteRegion(); }},
            {"Image", &image,
             [this] { return image.loadFromBytes(kPngPicture, sizeof kPngPicture); },
             [this] { return image.disposeImage(); }},
            {"Bitmap", &bitmap, [this] { return bitmap.create(4, 4); },
             [this] { return bitmap.disposeImage(); }},
        };
    }
};

}  // namespace

TEST(GdipOwnership, SecondDeleteReturnsFalseAndMakesNoCall) {
    Wrappers wrappers;
    for (const WrapperCase& c : wrappers.cases()) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.create());
        EXPECT_FALSE(c.wrapper->isEmpty());
        EXPECT_TRUE(c.destroy());
        EXPECT_TRUE(c.wrapper->isEmpty());

        // Any flat call would overwrite this status.
        lastStatus = Gdiplus::ObjectBusy;
        EXPECT_FALSE(c.destroy());
        EXPECT_EQ(Gdiplus::ObjectBusy, lastStatus);
    }
}

TEST(GdipOwnership, FailedCreateLeavesTheWrapperEmpty) {
    const BYTE notAPicture[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'};
    Image image;
    EXPECT_FALSE(image.loadFromBytes(notAPicture, sizeof notAPicture));
    EXPECT_NE(Gdiplus::Ok, lastStatus);
    EXPECT_TRUE(image.isEmpty());
    // The stream made for the load does not outlive the failure.
    EXPECT_EQ(nullptr, image.stream().stream());

    Bitmap bitmap;
    EXPECT_FALSE(bitmap.create(0, 10));
    EXPECT_EQ(Gdiplus::InvalidParameter, lastStatus);
    EXPECT_TRUE(bitmap.isEmpty());

    GraphicsPath path;
    PathGradientBrush brush;
    EXPECT_FALSE(brush.createFromPath(path));  // no path yet
    EXPECT_TRUE(brush.isEmpty());
}

TEST(GdipOwnership, CreateOnAFullWrapperReplacesItsObject) {
    Image image;
    ASSERT_TRUE(image.loadFromBytes(kJpegPicture, sizeof kJpegPicture));
    IStream* firstStream = image.stream().stream();
    firstStream->AddRef();

    ASSERT_TRUE(image.loadFromBytes(kPngPicture, sizeof kPngPicture));
    EXPECT_EQ(4u, image.getWidth());
    // The first picture and its stream were let go, not leaked.
    EXPECT_EQ(0u, firstStream->Release());
}

TEST(GdipOwnership, MoveHandsTheObjectOverAndEmptiesTheSource) {
    Bitmap first;
    ASSERT_TRUE(first.createFromBytes(kPngPicture, sizeof kPngPicture));
    void* native = first.getHandle();
    IStream* stream = first.stream().stream();

    Bitmap second(std::move(first));
    EXPECT_TRUE(first.isEmpty());
    EXPECT_EQ(nullptr, first.stream().stream());
    EXPECT_EQ(native, second.getHandle());
    EXPECT_EQ(stream, second.stream().stream());
    // The moved-to wrapper's own level works: a Bitmap-only operation.
    EXPECT_EQ(0xFFFF0000u, second.getPixel(0, 0));

    SolidBrush brush;
    ASSERT_TRUE(brush.create(0xFF123456));
    SolidBrush other;
    ASSERT_TRUE(other.create(0xFF000000));
    other = std::move(brush);
    EXPECT_TRUE(brush.isEmpty());
    EXPECT_EQ(0xFF123456u, other.getColour());
}

TEST(GdipOwnership, FontCollectionListWithCountBelowOneMakesNoCall) {
    FontCollection installed;
    ASSERT_TRUE(installed.createInstalled());
    const int count = installed.getFamilyCount();
    ASSERT_GT(count, 0);

    lastStatus = Gdiplus::Ok;
    EXPECT_TRUE(installed.getFamilyList(0).empty());
    EXPECT_EQ(Gdiplus::InvalidParameter, lastStatus);

    std::vector<Gdiplus::GpFontFamily*> families = installed.getFamilyList(count);
    EXPECT_EQ(static_cast<std::size_t>(count), families.size());
    for (Gdiplus::GpFontFamily* family : families) {
        Gdiplus::DllExports::GdipDeleteFontFamily(family);
    }
}
