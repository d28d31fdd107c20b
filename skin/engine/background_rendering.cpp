#include "engine/background_rendering.h"

#include "engine/drawing_primitives.h"
#include "engine/frame_and_caption.h"
#include "engine/gdi_handles.h"
#include "engine/picture_helpers.h"
#include "engine/skin_engine.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"

namespace skin {
namespace {

constexpr int kAverageSamples = 2000;
constexpr int kBackgroundCorner = 4;
constexpr std::uint32_t kOpaqueMagenta = 0xFFFF00FFu;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr int kCaptionGlossAlpha = 150;
constexpr int kBorderAlpha = 180;
// Height of a bottom-bar text line; the text box is centred on it.
constexpr int kBottomBarLineHeight = 12;

template <class Visit> void forEachDirectChild(HWND hwnd, Visit visit) {
    for (HWND child = FindWindowExA(hwnd, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(hwnd, child, nullptr, nullptr))
        visit(child);
}

// A 32-bit top-down DIB section of w x h, every pixel 0 (transparent black).
HBITMAP createArgbBitmap(int w, int h) {
    if (w < 1 || h < 1) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

// A copy of one area of the cache in a memory DC of its own. The previous
// copy is dismantled first; an empty area leaves no copy at all.
void rebuildSnapshot(HDC& dc, HBITMAP& oldBitmap, HBITMAP& bitmap, HDC cache, int x, int y, int w, int h) {
    if (dc) {
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    dc = nullptr;
    oldBitmap = nullptr;
    bitmap = nullptr;
    GdiObject<HBITMAP> copy(createArgbBitmap(w, h));
    if (!copy) return;
    OwnedDC memory(CreateCompatibleDC(nullptr));
    if (!memory) return;
    oldBitmap = static_cast<HBITMAP>(SelectObject(memory.get(), copy.get()));
    BitBlt(memory.get(), 0, 0, w, h, cache, x, y, SRCCOPY);
    bitmap = copy.release();
    dc = memory.release();
}

// Puts a fresh cache bitmap into the cache DC. The DC's very first bitmap
// is kept in "Ck_Ycjdx" for the window's end; a later previous bitmap is an
// old cache and is deleted.
bool replaceCacheBitmap(WindowRecord& record, int w, int h) {
    if (!record.cacheDC) record.cacheDC = CreateCompatibleDC(nullptr);
    if (!record.cacheDC) return false;
    HBITMAP bitmap = createArgbBitmap(w, h);
    if (!bitmap) return false;
    HGDIOBJ previous = SelectObject(record.cacheDC, bitmap);
    if (!GetPropA(record.hwnd, kPropCacheFirstBitmap))
        setPropHandle(record.hwnd, kPropCacheFirstBitmap, previous);
    else
        DeleteObject(previous);
    setPropHandle(record.hwnd, kPropCacheBitmap, bitmap);
    return true;
}

// The picture as it is kept for the placement: edge-faded PNG for the two
// faded placements, a PNG of a named file, or the caller's bytes unchanged.
Bytes preparedPicture(const std::string& fileName, const Bytes& picture, int placement, COLORREF colour) {
    if (placement == PlaceLeftFaded) return fadePictureEdges(picture, std::nullopt, colour, 1, fileName);
    if (placement == PlaceRightFaded) return fadePictureEdges(picture, std::nullopt, colour, 0, fileName);
    if (fileName.empty()) return picture;
    gdip::Image image;
    if (!image.loadFromFile(fileName)) return {};
    return image.saveToBytes(gdip::kPngFormat);
}

// Renders every visible skinned window with the new picture and has it and
// its children repainted; hidden windows keep their cache until shown.
void rerenderVisibleWindows(EngineThis self) {
    for (int index = 1; WindowRecord* record = windowRecordAt(index); ++index) {
        const HWND hwnd = record->hwnd;
        if (!IsWindowVisible(hwnd)) continue;
        SkinEngine::renderWindow(self, index, nullptr, 0);
        InvalidateRect(hwnd, nullptr, FALSE);
        invalidateVisibleChildren(hwnd);
        invalidateHeaders(index);
    }
}

template <class Entry> void invalidateEntriesOn(const std::vector<Entry>& list, HWND parent, bool withChildren) {
    for (const Entry& entry : list)
        if (entry.hwnd && GetParent(entry.hwnd) == parent) invalidateWithChildren(entry.hwnd, withChildren);
}

void fillVerticalGloss(gdip::Graphics& graphics, float x, float y, float w, float h, int topAlpha, int bottomAlpha) {
    gdip::LinearGradientBrush gloss;
    if (gloss.create({x, y}, {x, y + h}, toArgb(kWhite, std::uint8_t(topAlpha)),
                     toArgb(kWhite, std::uint8_t(bottomAlpha))))
        graphics.fillRectangle(gloss, x, y, w, h);
}

void drawRoundedOutline(gdip::Graphics& graphics, float x, float y, float w, float h, int corner,
                        std::uint32_t colour) {
    gdip::GraphicsPath path;
    gdip::Pen pen;
    if (!path.createPath() || !pen.create(colour, 1)) return;
    addRoundedRectPath(path, x, y, w, h, corner);
    graphics.drawPath(pen, path);
}

} // namespace

// ---- helpers ---------------------------------------------------------------------------

void invalidateVisibleChildren(HWND hwnd) {
    forEachDirectChild(hwnd, [](HWND child) {
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    });
}

void invalidateWithChildren(HWND hwnd, bool withChildren) {
    InvalidateRect(hwnd, nullptr, TRUE);
    if (withChildren) invalidateVisibleChildren(hwnd);
}

void invalidateHeaders(int windowIndex) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    for (const HeaderSkin& header : record->listViews)
        if (header.hwnd) InvalidateRect(header.hwnd, nullptr, FALSE);
}

void refreshChildControls(int windowIndex) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const HWND hwnd = record->hwnd;
    invalidateEntriesOn(record->scrolledControls, hwnd, true);
    invalidateEntriesOn(record->comboBoxes, hwnd, false);
    invalidateEntriesOn(record->editFields, hwnd, false);
    invalidateEntriesOn(record->buttons, hwnd, false);
    invalidateEntriesOn(record->trackbars, hwnd, false);
    invalidateEntriesOn(record->progressBars, hwnd, false);
    invalidateEntriesOn(record->upDowns, hwnd, false);
}

void setRoundedRegion(HWND hwnd) {
    SetWindowRgn(hwnd, nullptr, TRUE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = clientRectOf(hwnd);
    HRGN region = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, kWindowRegionCorner,
                                     kWindowRegionCorner);
    // The window owns the region once SetWindowRgn succeeds.
    if (region && !SetWindowRgn(hwnd, region, TRUE)) DeleteObject(region);
}

bool prepareBackgroundBitmap(int windowIndex, const RECT& client, gdip::Bitmap& bitmap) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return false;
    const bool own = !record->ownPicture.empty();
    const Bytes& picture = own ? record->ownPicture : skinSettings.backgroundPicture;
    if (picture.empty()) return false;
    const int placement = own ? record->ownPlacement : skinSettings.backgroundPlacement;
    if (placement != PlaceMirrorTiled) return bitmap.createFromBytes(picture);

    gdip::Image image;
    if (!image.loadFromBytes(picture)) return false;
    const int w = static_cast<int>(image.getWidth()), h = static_cast<int>(image.getHeight());
    const int stripWidth = client.right - client.left;
    if (w < 1 || h < 1 || stripWidth < 1 || !bitmap.create(stripWidth, h)) return false;
    gdip::Graphics graphics;
    if (!graphics.createFromImage(bitmap)) return false;
    // Copies side by side, the image flipped after each one; the last copy
    // starts at or beyond the strip's right end.
    for (int k = 0;; ++k) {
        graphics.drawImageRect(image, float(k * w), 0, float(w), float(h));
        const int rest = stripWidth - k * w;
        image.rotateFlip(Gdiplus::RotateNoneFlipX);
        if (rest <= 0) break;
    }
    return true;
}

PlacedPicture placePicture(int placement, int clientW, int clientH, int w, int h) {
    switch (placement) {
    case PlaceLeftFaded:
    case PlaceMirrorTiled:
        return {0, 0, float(w), float(h)};
    case PlaceRightFaded:
        return {float(clientW - w), 0, float(w), float(h)};
    case PlaceCentred:
        return {(float(clientW) - float(w)) / 2, (float(clientH) - float(h)) / 2, float(w), float(h)};
    case PlaceStretched:
        return {0, 0, float(clientW), float(clientH)};
    default:
        return {};
    }
}

// ---- methods ---------------------------------------------------------------------------

void __stdcall SkinEngine::loadBackground(EngineThis self, const std::string& fileName, const Bytes& picture,
                                          const COLORREF* backColour, const COLORREF* accentColour,
                                          const int* placement) {
    SkinSettings& settings = skinSettings;
    const bool accentFollows = accentColour && *accentColour == kFollowBackground;
    if (!accentFollows) settings.accentColour = accentColour ? *accentColour : kDefaultAccentColour;

    const bool noPicture = picture.empty() && fileName.empty();
    if (noPicture && !backColour) return;
    if (noPicture) {
        settings.backgroundPicture.clear();
        settings.backgroundColour = *backColour;
    } else {
        // The average carries an opaque alpha in its top byte; a COLORREF
        // has none (and an average of white would otherwise read as -1).
        settings.backgroundColour =
            backColour ? *backColour : pictureAverageColour(picture, kAverageSamples, 0, 0, fileName) & 0xFFFFFF;
        settings.backgroundPlacement = placement ? *placement : int(PlaceMirrorTiled);
        settings.backgroundPicture =
            preparedPicture(fileName, picture, settings.backgroundPlacement, settings.backgroundColour);
    }
    if (accentFollows) settings.accentColour = settings.backgroundColour;
    rerenderVisibleWindows(self);
}

void __stdcall SkinEngine::setBackgroundStyle(EngineThis, int enableControls, const int* opacity,
                                              const int* trackbarFrame) {
    skinSettings.controlSkinsEnabled = enableControls != 0;
    skinSettings.controlOpacity = opacity ? *opacity : kDefaultControlOpacity;
    skinSettings.controlOpacitySet = opacity != nullptr;
    skinSettings.trackbarFrame = trackbarFrame ? *trackbarFrame : 1;
}

void __stdcall SkinEngine::renderWindow(EngineThis self, int windowIndex, HDC, int paint) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const HWND hwnd = record->hwnd;
    const RECT client = clientRectOf(hwnd);
    const int w = client.right, h = client.bottom;
    // A minimised window has no client area: its cache waits for the restore.
    if (w < 1 || h < 1) return;
    setRoundedRegion(hwnd);
    if (!replaceCacheBitmap(*record, w, h)) return;

    {
        gdip::Graphics graphics;
        graphics.createFromHDC(record->cacheDC);
        drawBackground(self, &graphics, windowIndex);
        if (record->framed) drawBorder(self, windowIndex, &graphics);
    }
    // The snapshots are taken with the graphics gone, so every stroke of the
    // background has reached the DC.
    if (record->framed)
        rebuildSnapshot(record->captionCacheDC, record->captionCacheOldBitmap, record->captionCacheBitmap,
                        record->cacheDC, 0, 0, w, record->captionHeight);
    const IntRect& bar = record->bottomBarRect;
    rebuildSnapshot(record->bottomBarCacheDC, record->bottomBarCacheOldBitmap, record->bottomBarCacheBitmap,
                    record->cacheDC, bar.x, bar.y, bar.width, bar.height);
    {
        gdip::Graphics graphics;
        graphics.createFromHDC(record->cacheDC);
        if (record->framed) {
            if (record->showCaptionText) drawCaption(self, windowIndex, &graphics, 1, nullptr);
            const int buttons = static_cast<int>(record->captionButtons.size());
            for (int button = 1; button <= buttons; ++button)
                drawCaptionButton(self, windowIndex, button, &graphics, 1, 0, 0);
        }
        if (record->bottomBarHeight > 0) {
            const int items = static_cast<int>(record->bottomBarItems.size());
            for (int item = 1; item <= items; ++item) drawBottomBarItem(self, windowIndex, &graphics, item);
        }
    }
    record->cacheDirty = 0;
    if (!paint) return;
    {
        WindowDC screen(hwnd);
        BitBlt(getClippedDC(hwnd, screen.get()), 0, 0, w, h, record->cacheDC, 0, 0, SRCCOPY);
    }
    if (!skinSettings.firstSizePending) refreshChildControls(windowIndex);
}

void __stdcall SkinEngine::drawBackground(EngineThis, gdip::Graphics* graphics, int windowIndex) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !graphics) return;
    const RECT client = clientRectOf(record->hwnd);
    const int w = client.right, h = client.bottom;
    const bool own = !record->ownPicture.empty();

    graphics->clear(kOpaqueMagenta);
    gdip::GraphicsPath outline;
    if (outline.createPath()) {
        addRoundedRectPath(outline, 0, 0, float(w), float(h), kBackgroundCorner);
        graphics->setClipPath(outline);
        gdip::SolidBrush fill;
        if (fill.create(toArgb(own ? record->ownColour : skinSettings.backgroundColour))) graphics->fillPath(fill, outline);
    }
    gdip::Bitmap picture;
    if (prepareBackgroundBitmap(windowIndex, client, picture)) {
        const int placement = own ? record->ownPlacement : skinSettings.backgroundPlacement;
        const PlacedPicture at =
            placePicture(placement, w, h, int(picture.getWidth()), int(picture.getHeight()));
        if (at.width > 0) graphics->drawImageRect(picture, at.x, at.y, at.width, at.height);
    }
    if (record->captionGloss) fillVerticalGloss(*graphics, 0, 0, float(w), float(record->captionHeight), kCaptionGlossAlpha, 0);
}

void __stdcall SkinEngine::drawBorder(EngineThis, int windowIndex, gdip::Graphics* graphics) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !graphics) return;
    const RECT client = clientRectOf(record->hwnd);
    const float w = float(client.right), h = float(client.bottom);
    drawRoundedOutline(*graphics, 0, 0, w - 1, h - 1, 7, toArgb(kBlack, kBorderAlpha));
    drawRoundedOutline(*graphics, 1, 1, w - 3, h - 3, 6, toArgb(kWhite, kBorderAlpha));
}

void __stdcall SkinEngine::restoreBottomBarBackground(EngineThis, int windowIndex, const RECT* rect) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !rect || !record->bottomBarCacheDC) return;
    BitBlt(record->cacheDC, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
           record->bottomBarCacheDC, rect->left - record->bottomBarRect.x, rect->top - record->bottomBarRect.y,
           SRCCOPY);
}

void __stdcall SkinEngine::drawBottomBarItem(EngineThis, int windowIndex, gdip::Graphics* graphics, int itemNumber) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !graphics) return;
    const int number = itemNumber != 0 ? itemNumber : 1;
    const BottomBarItem* item = entryAt(record->bottomBarItems, number);
    const IntRect* rect = entryAt(record->bottomBarItemRects, number);
    if (!item || !rect) return;
    const int x = rect->x, y = rect->y, w = rect->width, h = rect->height;
    fillVerticalGloss(*graphics, float(x), float(y), float(w), float(h), 60, 10);

    gdip::SolidBrush ink;
    gdip::Font font;
    gdip::StringFormat format;
    if (!ink.create(toArgb(item->textColour)) ||
        !font.createFromName(record->bottomBarFontName, float(record->bottomBarFontSize), 0, Gdiplus::UnitPixel) ||
        !format.create())
        return;
    format.setAlign(Gdiplus::StringAlignmentNear);
    const float textTop = float(y + (h - kBottomBarLineHeight) / 2);
    gdip::Image picture;
    if (!item->picture.empty() && picture.loadFromBytes(item->picture)) {
        const int iw = int(picture.getWidth()), ih = int(picture.getHeight());
        graphics->drawImageRect(picture, float(x + 2), float(y + (h - ih) / 2), float(iw), float(ih));
        graphics->drawString(item->text, font, gdip::RectF(float(x + iw + 3), textTop, float(w - iw - 3), float(h)),
                             ink, &format);
    } else {
        graphics->drawString(item->text, font, gdip::RectF(float(x + 3), textTop, float(w), float(h)), ink, &format);
    }
}

} // namespace skin
