// A quick GDI leak detector for soak tests.
//
// GetGuiResources reports 0 under Wine, so the number of GDI objects a
// process holds is read from the handle table instead: a freed slot is handed
// out again, so the slot number of a fresh object stays put while a loop
// frees all it makes, and climbs by one for every object it leaks. Icons and
// cursors are USER objects and do not show here.
#pragma once
#include <windows.h>

class GdiWatermark {
public:
    GdiWatermark() : start_(probe()) {}

    // Slots taken since construction; near 0 when nothing leaked.
    int growth() const { return probe() - start_; }

private:
    static int probe() {
        HBRUSH brush = CreateSolidBrush(0);
        const int slot = LOWORD(reinterpret_cast<UINT_PTR>(brush));
        DeleteObject(brush);
        return slot;
    }
    int start_;
};

// A loop of this many cycles that leaks one object per cycle shows a growth
// far above kGdiLeakTolerance; one that leaks nothing stays below it.
constexpr int kGdiSoakCycles = 2000;
constexpr int kGdiLeakTolerance = 100;
