// The window-under-the-mouse rule on a scripted window tree.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/window_under_mouse.h"

namespace {

HWND H(int n) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(n)); }

struct FakeWindow {
    HWND parent;
    RECT rect;
    bool visible;
};

// Windows in z-order (first is topmost); siblings follow each other.
class FakeTree : public host::WindowQueries {
public:
    HWND hit = nullptr;
    std::vector<HWND> zOrder;
    std::map<HWND, FakeWindow> windows;

    void add(HWND hwnd, HWND parent, RECT rect, bool visible = true) {
        zOrder.push_back(hwnd);
        windows[hwnd] = FakeWindow{parent, rect, visible};
    }
    HWND windowFromPoint(POINT) const override { return hit; }
    HWND parent(HWND w) const override { return windows.at(w).parent; }
    HWND nextSibling(HWND w) const override {
        for (size_t i = 0; i + 1 < zOrder.size(); ++i)
            if (zOrder[i] == w) return zOrder[i + 1];
        return nullptr;
    }
    bool isVisible(HWND w) const override { return windows.at(w).visible; }
    RECT rect(HWND w) const override { return windows.at(w).rect; }
};

const POINT point{50, 50};

TEST(WindowUnderPoint, TopLevelWindowIsTakenAsFound) {
    FakeTree tree;
    tree.add(H(1), nullptr, {0, 0, 200, 200});
    tree.add(H(2), nullptr, {40, 40, 60, 60});  // smaller, but top-level: no sibling search
    tree.hit = H(1);
    EXPECT_EQ(host::windowUnderPoint(point, tree), H(1));
}

TEST(WindowUnderPoint, SmallerLaterSiblingContainingThePointWins) {
    FakeTree tree;
    tree.add(H(10), H(1), {0, 0, 200, 200});   // a group box found by the system
    tree.add(H(11), H(1), {0, 0, 100, 100});   // smaller, contains the point
    tree.add(H(12), H(1), {45, 45, 55, 55});   // smaller still
    tree.add(H(13), H(1), {48, 48, 52, 52}, false);  // smallest, but hidden
    tree.add(H(14), H(2), {49, 49, 51, 51});   // smallest, other parent
    tree.add(H(15), H(1), {60, 60, 61, 61});   // tiny, does not contain the point
    tree.hit = H(10);
    EXPECT_EQ(host::windowUnderPoint(point, tree), H(12));
    tree.windows[H(13)].visible = true;
    EXPECT_EQ(host::windowUnderPoint(point, tree), H(13));
}

TEST(WindowUnderPoint, EqualAreaDoesNotReplaceAndEarlierSiblingsAreIgnored) {
    FakeTree tree;
    tree.add(H(9), H(1), {45, 45, 55, 55});    // before the found window in z-order
    tree.add(H(10), H(1), {0, 0, 100, 100});
    tree.add(H(11), H(1), {1, 1, 101, 101});   // same area
    tree.hit = H(10);
    EXPECT_EQ(host::windowUnderPoint(point, tree), H(10));
}

TEST(WindowUnderPoint, NothingUnderThePoint) {
    FakeTree tree;
    EXPECT_EQ(host::windowUnderPoint(point, tree), nullptr);
}

}  // namespace
