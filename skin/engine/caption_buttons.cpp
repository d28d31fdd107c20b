#include "engine/caption_buttons.h"

#include "engine/drawing_primitives.h"
#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"

#include <algorithm>

namespace skin {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kCloseRed = 0x0000FF;
constexpr int kCloseCornerRadius = 5;
constexpr int kButtonCornerRadius = 1;

CaptionButton* buttonAt(WindowRecord& record, int button) {
    return entryAt(record.captionButtons, button);
}

std::uint8_t opacity(int alpha) { return static_cast<std::uint8_t>(std::clamp(alpha, 0, 255)); }

// Fills a path with a vertical gradient from the top (x, top) to (x, bottom).
void fillVertical(gdip::Graphics& graphics, const gdip::GraphicsPath& path, float x, float top, float bottom,
                  std::uint32_t fromColour, std::uint32_t toColour) {
    gdip::LinearGradientBrush brush;
    if (!brush.create({x, top}, {x, bottom}, fromColour, toColour)) return;
    graphics.fillPath(brush, path);
}

// A 1-pixel pen painted with a vertical gradient.
bool gradientPen(gdip::Pen& pen, float x, float top, float bottom, std::uint32_t fromColour,
                 std::uint32_t toColour) {
    gdip::LinearGradientBrush brush;
    return brush.create({x, top}, {x, bottom}, fromColour, toColour) && pen.createFromBrush(brush, 1);
}

void drawGlyph(gdip::Graphics& graphics, const Bytes& picture, int x, int y, int w, int h) {
    if (picture.empty()) return;
    gdip::Image image;
    if (image.loadFromBytes(picture)) graphics.drawImageRect(image, float(x), float(y), float(w), float(h));
}

// The glyph of a button: the restore glyph on the maximise button of a
// maximised window.
const Bytes& glyphOf(const WindowRecord& record, const CaptionButton& button) {
    return button.kind == MaximizeButton && record.maximized ? button.altImage : button.image;
}

void copyToWindow(const WindowRecord& record, int x, int y, int w, int h) {
    WindowDC screen(record.hwnd);
    BitBlt(screen.get(), x, y, w, h, record.cacheDC, x, y, SRCCOPY);
}

void drawNormalLook(EngineThis self, WindowRecord& record, int windowIndex, int button, gdip::Graphics& graphics,
                    int alpha) {
    const CaptionButton& b = *buttonAt(record, button);
    const int x = static_cast<int>(b.rect.x - 1), y = record.buttonStripY + 1, w = b.width, h = b.height;
    SkinEngine::drawButtonHighlight(self, &graphics, windowIndex, button, alpha);

    gdip::GraphicsPath gloss;
    if (gloss.createPath()) {
        gloss.addRectangle(float(x - 1), float(y), float(w + 1), float(h - 1));
        fillVertical(graphics, gloss, float(x), float(y), float(y + h), toArgb(kWhite, 50), toArgb(kBlack, 0));
    }
    drawGlyph(graphics, glyphOf(record, b), x, y, w, h);
    SkinEngine::drawButtonSeparators(self, windowIndex, button, &graphics);
}

void drawPressedLook(EngineThis self, WindowRecord& record, int windowIndex, int button) {
    const CaptionButton& b = *buttonAt(record, button);
    const int x = static_cast<int>(b.rect.x - 1), y = record.buttonStripY + 1, w = b.width, h = b.height;
    {
        gdip::Graphics graphics;
        graphics.createFromHDC(record.cacheDC);
        const RECT under{x, y, x + w, y + h};
        SkinEngine::restoreCaptionBackground(self, windowIndex, &under);

        gdip::GraphicsPath path;
        if (path.createPath()) {
            const bool close = b.kind == CloseButton;
            if (close)
                addTopRightRoundedPath(path, x, y, w, h, kCloseCornerRadius);
            else
                path.addRectangle(float(x), float(y), float(w), float(h));
            fillVertical(graphics, path, float(x), float(y), float(y + h),
                         close ? toArgb(kCloseRed, 255) : toArgb(kBlack, 80),
                         close ? toArgb(kWhite, 30) : toArgb(kWhite, 5));
        }
        drawGlyph(graphics, glyphOf(record, b), x, y, w - 1, h);
    }
    copyToWindow(record, x, y, w, h);
}

// Draws a button in its normal look at once, cutting a fade short.
void drawNormally(EngineThis self, int windowIndex, int button) {
    SkinEngine::drawCaptionButton(self, windowIndex, button, nullptr, 0, 0, 0);
}

using ClickThunk = void(__stdcall*)(int windowIndex, int buttonIndex);

} // namespace

// ---- methods -------------------------------------------------------------------------

int __stdcall SkinEngine::captionButtonAt(EngineThis, int windowIndex, int x, int y) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return 0;
    if (x < record->buttonStripX || y < record->buttonStripY || y > record->buttonStripY + record->buttonStripHeight)
        return 0;
    for (std::size_t i = 0; i < record->captionButtons.size(); ++i) {
        const FloatRect& r = record->captionButtons[i].rect;
        if (r.x < x && x < r.x + r.width && r.y < y && y < r.y + r.height) return static_cast<int>(i + 1);
    }
    return 0;
}

int __stdcall SkinEngine::maximizeButtonIndex(EngineThis, int windowIndex) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return 0;
    for (std::size_t i = 0; i < record->captionButtons.size(); ++i)
        if (record->captionButtons[i].kind == MaximizeButton) return static_cast<int>(i + 1);
    return 0;
}

void __stdcall SkinEngine::restoreCaptionBackground(EngineThis, int windowIndex, const RECT* rect) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !rect) return;
    BitBlt(record->cacheDC, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
           record->captionCacheDC, rect->left, rect->top, SRCCOPY);
}

void __stdcall SkinEngine::drawButtonSeparators(EngineThis, int windowIndex, int button, gdip::Graphics* graphics) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !graphics || !buttonAt(*record, button)) return;
    const int count = static_cast<int>(record->captionButtons.size());
    const float top = float(record->buttonStripY + 1);
    const float bottom = float(record->buttonStripY + record->buttonStripHeight - 4);
    const float gradientTop = float(record->buttonStripY);
    const float gradientBottom = float(record->buttonStripY + record->buttonStripHeight - 3);
    for (int line = button; line <= std::min(button + 1, count); ++line) {
        const float sx = float(static_cast<int>(buttonAt(*record, line)->rect.x - 2));
        gdip::Pen pen;
        if (!gradientPen(pen, sx, gradientTop, gradientBottom, toArgb(kBlack, line == 1 ? 100 : 60),
                         toArgb(kBlack, 0)))
            continue;
        graphics->drawLine(pen, sx, top, sx, bottom);
    }
}

void __stdcall SkinEngine::drawButtonHighlight(EngineThis self, gdip::Graphics* graphics, int windowIndex, int button,
                                               int alpha) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !graphics) return;
    const CaptionButton* b = buttonAt(*record, button);
    if (!b) return;
    const int x = static_cast<int>(b->rect.x - 1), y = static_cast<int>(b->rect.y), w = b->width, h = b->height;
    const RECT under{x - 1, y, x - 1 + w + 2, y + h + 1};
    restoreCaptionBackground(self, windowIndex, &under);
    // Every layer below is fully transparent at alpha 0.
    if (alpha <= 0) return;

    const bool close = b->kind == CloseButton;
    const float fx = float(x), top = float(y), bottom = float(y + h);
    gdip::GraphicsPath shade;
    if (!shade.createPath()) return;
    addTopRoundedPath(shade, x, y, w, h, kButtonCornerRadius);
    fillVertical(*graphics, shade, fx, top, bottom, toArgb(kBlack, opacity(alpha / 5)), toArgb(kWhite, 0));

    gdip::GraphicsPath tint;
    if (!tint.createPath()) return;
    if (close)
        addTopRightRoundedPath(tint, x, y, w, h, kCloseCornerRadius);
    else
        addTopRoundedPath(tint, x, y, w, h, kButtonCornerRadius);
    fillVertical(*graphics, tint, fx, top, bottom,
                 toArgb(close ? kCloseRed : skinSettings.accentColour, opacity(alpha)), toArgb(kWhite, 0));

    gdip::GraphicsPath outline;
    if (!outline.createPath()) return;
    const int outlineHeight = static_cast<int>(h * 0.8);
    if (close)
        addTopRightRoundedPath(outline, x, y, w - 1, outlineHeight, kCloseCornerRadius);
    else
        addTopRoundedPath(outline, x, y, w - 1, outlineHeight, kButtonCornerRadius);
    gdip::Pen pen;
    if (gradientPen(pen, fx, top, bottom, toArgb(kWhite, opacity(static_cast<int>(alpha * 0.8))), toArgb(kWhite, 0)))
        graphics->drawPath(pen, outline);
}

void __stdcall SkinEngine::drawCaptionButton(EngineThis self, int windowIndex, int button, gdip::Graphics* graphics,
                                             int graphicsReady, int pressed, int alpha) {
    WindowRecord* record = windowRecordAt(windowIndex);
    // Button 0 (none) draws nothing; neither does a button outside the list.
    if (!record || !buttonAt(*record, button)) return;
    if (pressed) {
        drawPressedLook(self, *record, windowIndex, button);
        return;
    }
    if (graphicsReady) {
        if (graphics) drawNormalLook(self, *record, windowIndex, button, *graphics, alpha);
        return;
    }
    {
        gdip::Graphics own;
        own.createFromHDC(record->cacheDC);
        own.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        drawNormalLook(self, *record, windowIndex, button, own, alpha);
    }
    const CaptionButton& b = *buttonAt(*record, button);
    copyToWindow(*record, static_cast<int>(b.rect.x - 1), record->buttonStripY + 1, b.width, b.height);
}

void __stdcall SkinEngine::captionButtonClicked(EngineThis, int windowIndex, int buttonIndex) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const CaptionButton* button = buttonAt(*record, buttonIndex);
    if (!button) return;
    // The system command may destroy the window and its record: nothing of
    // the record is touched after it.
    const HWND hwnd = record->hwnd;
    switch (button->kind) {
    case CloseButton:
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case MaximizeButton:
        record->cacheDirty = 1;
        record->minimized = 0;
        if (record->maximized) {
            record->maximized = 0;
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else {
            record->maximized = 1;
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
        break;
    case MinimizeButton:
        record->minimized = 1;
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        break;
    default:  // help and menu buttons have no action
        break;
    }
}

// ---- mouse handlers ------------------------------------------------------------------

bool isInButtonStrip(int windowIndex, LPARAM lParam) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return false;
    const int x = mouseX(lParam), y = mouseY(lParam);
    return x >= record->buttonStripX - 2 && x <= record->buttonStripX + record->buttonStripWidth &&
           y <= record->buttonStripHeight && y >= 0;
}

void onCaptionMouseMove(EngineThis self, int windowIndex, HWND hwnd, LPARAM lParam) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    SkinEngine& engine = **self;
    RECT client{};
    GetClientRect(hwnd, &client);
    if (!record->mouseInside) {
        TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, hwnd, 1};
        TrackMouseEvent(&track);
    }
    if (record->framed) {
        if (isInButtonStrip(windowIndex, lParam)) {
            if (!record->hoverTimerOn) {
                SetTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd), kHoverTimerPeriod, nullptr);
                record->hoverTimerOn = 1;
            }
        } else {
            // The timer runs on until a tick finds the fades finished.
            record->hoverTimerOn = 0;
        }
    }
    const int hot = SkinEngine::captionButtonAt(self, windowIndex, mouseX(lParam), mouseY(lParam));
    engine.hotCaptionButton = hot;
    if (record->hoverButton > 0 && hot != record->hoverButton) {
        if (record->fadeOut.step < kFadeSteps) drawNormally(self, windowIndex, record->fadeOut.button);
        record->fadeOut = FadeState{record->hoverButton, 0};
    }
    if (hot > 0 && hot != record->hoverButton) record->fadeIn = FadeState{hot, 0};
    record->hoverButton = hot;
    if (!record->maximized) SkinEngine::updateSizingCursor(self, windowIndex, lParam, &client);
}

void onCaptionMouseHover(int windowIndex) {
    if (WindowRecord* record = windowRecordAt(windowIndex)) record->mouseInside = 1;
}

void onCaptionMouseLeave(EngineThis self, int windowIndex) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    record->mouseInside = 0;
    if (record->hoverButton <= 0 || !record->framed) return;
    if (record->fadeOut.step < kFadeSteps && record->fadeIn.step < kFadeSteps) {
        drawNormally(self, windowIndex, record->fadeOut.button);
        record->fadeIn = FadeState{};
    }
    record->fadeOut = FadeState{record->hoverButton, 0};
    record->hoverButton = 0;
}

void onHoverTimer(EngineThis self, int windowIndex, HWND hwnd, WPARAM timerId) {
    if (timerId != reinterpret_cast<WPARAM>(hwnd)) return;
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    constexpr int kAlphaPerStep = 30;
    FadeState& in = record->fadeIn;
    FadeState& out = record->fadeOut;
    if (in.button > 0 && in.step < kFadeSteps) {
        ++in.step;
        SkinEngine::drawCaptionButton(self, windowIndex, in.button, nullptr, 0, 0, in.step * kAlphaPerStep);
    }
    if (out.button > 0 && out.step < kFadeSteps) {
        ++out.step;
        SkinEngine::drawCaptionButton(self, windowIndex, out.button, nullptr, 0, 0,
                                      kFadeSteps * kAlphaPerStep - out.step * kAlphaPerStep);
    }
    const bool mouseGone = !record->mouseInside || !record->hoverTimerOn;
    if (mouseGone && (out.step >= kFadeSteps || out.button == 0)) {
        record->hoverTimerOn = 0;
        KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
        record->hoverButton = 0;
        in = FadeState{};
        out = FadeState{};
    }
}

void onCaptionButtonDown(EngineThis self, int windowIndex, HWND hwnd, LPARAM lParam) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    record->fadeIn.button = 0;
    if (!record->framed) return;
    if (!record->maximized && !record->minimized) {
        SkinEngine::beginFrameDrag(self, windowIndex, lParam, &client);
        // The move or size loop may have closed the window and renumbered
        // the records.
        windowIndex = findWindowRecord(hwnd);
        record = windowRecordAt(windowIndex);
        if (!record) return;
    }
    const int hot = SkinEngine::captionButtonAt(self, windowIndex, mouseX(lParam), mouseY(lParam));
    (*self)->hotCaptionButton = hot;
    if (hot > 0) SkinEngine::drawCaptionButton(self, windowIndex, hot, nullptr, 0, 1, 0);
}

void onCaptionButtonUp(EngineThis self, int windowIndex) {
    const SkinEngine& engine = **self;
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || engine.buttonThunkEntry == 0 || !record->framed) return;
    const int hot = engine.hotCaptionButton;
    if (hot < 1 || hot > static_cast<int>(record->captionButtons.size())) return;
    // The click goes through the engine's button thunk, like any caller
    // outside the engine would make it.
    reinterpret_cast<ClickThunk>(engine.buttonThunkEntry)(windowIndex, hot);
}

void onCaptionDoubleClick(EngineThis self, int windowIndex, LPARAM lParam) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || mouseY(lParam) > record->captionHeight || !record->resizable) return;
    if (const int n = SkinEngine::maximizeButtonIndex(self, windowIndex)) SkinEngine::captionButtonClicked(self, windowIndex, n);
}

} // namespace skin
