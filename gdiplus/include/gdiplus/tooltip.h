// ToolTip: one common-controls tooltip window that gives rectangles of an
// owner window a hover text each. It owns nothing: the tooltip window stays
// until the system destroys it with the thread, so copies are harmless.
#pragma once

#include <windows.h>

namespace gdip {

class ToolTip {
public:
    // Creates the tooltip window for `owner` (always shown, even while the
    // owner is inactive; balloon-shaped on request) and returns it, 0 on
    // failure. A second call makes a new window and forgets the first.
    HWND create(HWND owner, bool balloon = false);

    // Tools are identified by the owner and `id`; rectangles are in the
    // owner's client coordinates; texts are system-code-page text, copied by
    // the tooltip. Nothing happens before create().
    void addTool(const RECT& rect, const char* text, UINT_PTR id);
    // The tooltip asks the owner for the text (TTN_GETDISPINFO) when it shows.
    void addCallbackTool(const RECT& rect, UINT_PTR id);
    void setBackColour(COLORREF colour);
    void setTextColour(COLORREF colour);
    void setMaxWidth(int width);
    void removeTool(UINT_PTR id);
    void moveTool(UINT_PTR id, const RECT& rect);
    void setToolText(UINT_PTR id, const char* text);

    HWND window() const { return window_; }
    HWND owner() const { return owner_; }

private:
    void sendToolMessage(UINT message, UINT_PTR id, const RECT* rect, const char* text) const;

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};

}  // namespace gdip
