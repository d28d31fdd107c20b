// GDI soak of everything the main window does over and over: painting its
// controls, swapping the finder's picture and pointer, and the finder's
// blinking frame. A handle lost per paint or per tick shows as growth of the
// GDI handle table.
#include "app_fixture.h"
#include "gdi_watermark.h"
#include "host/host.h"

namespace {

using apptest::MainWindowTest;
using apptest::TargetWindow;

TEST_F(MainWindowTest, PaintingTheWholeWindowHoldsNoGdiObjects) {
    const GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles / 8; ++i)
        RedrawWindow(form->handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

TEST_F(MainWindowTest, SwappingTheFinderPictureAndPointerHoldsNoGdiObjects) {
    const host::ByteSpan cursor = host::Host::resourceBytes("FINDERCURSOR");
    ASSERT_FALSE(cursor.empty());
    const GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles / 4; ++i) {
        form->setMousePointer("图片框1", {});
        form->setMousePointer("图片框1", cursor);
        form->setPicture("图片框1", {});
        form->setPicture("图片框1", cursor);
        UpdateWindow(form->handle("图片框1"));
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

TEST_F(MainWindowTest, BlinkingTheFinderFrameHoldsNoGdiObjects) {
    TargetWindow target;
    const GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles / 2; ++i) app->highlightWindow(target.get());
    app->highlightWindow(nullptr, true);
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

}  // namespace
