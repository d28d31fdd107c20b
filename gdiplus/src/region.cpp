#include "gdiplus/region.h"

#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "natives.h"

namespace gdip {

using Gdiplus::GpGraphics;

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) {
        deleteRegion();
        takeFrom(other);
    }
    return *this;
}

bool Region::deleteRegion() {
    if (!region_) return false;
    const bool ok = record(flat::GdipDeleteRegion(region_));
    setHandle(nullptr);
    return ok;
}

bool Region::create() {
    deleteRegion();
    region_ = nullptr;
    const Status status = flat::GdipCreateRegion(&region_);
    return finishCreate(status, region_);
}

bool Region::createRect(const RectF& rect) {
    deleteRegion();
    region_ = nullptr;
    const Status status = flat::GdipCreateRegionRect(&rect, &region_);
    return finishCreate(status, region_);
}

bool Region::createPath(const GraphicsPath& path) {
    deleteRegion();
    region_ = nullptr;
    const Status status = flat::GdipCreateRegionPath(nativeOf<Gdiplus::GpPath>(path), &region_);
    return finishCreate(status, region_);
}

bool Region::createHrgn(HRGN region) {
    deleteRegion();
    region_ = nullptr;
    const Status status = flat::GdipCreateRegionHrgn(region, &region_);
    return finishCreate(status, region_);
}

bool Region::combineRect(const RectF& rect, Gdiplus::CombineMode mode) {
    return record(flat::GdipCombineRegionRect(region_, &rect, mode));
}

bool Region::combineRegion(const Region& other, Gdiplus::CombineMode mode) {
    return record(flat::GdipCombineRegionRegion(region_, nativeOf<Gdiplus::GpRegion>(other), mode));
}

bool Region::translate(float dx, float dy) {
    return record(flat::GdipTranslateRegion(region_, dx, dy));
}

RectF Region::getBounds(const Graphics& graphics) const {
    RectF bounds;
    return record(flat::GdipGetRegionBounds(region_, nativeOf<GpGraphics>(graphics), &bounds))
               ? bounds
               : RectF();
}

HRGN Region::getHRgn(const Graphics& graphics) const {
    HRGN result = nullptr;
    return record(flat::GdipGetRegionHRgn(region_, nativeOf<GpGraphics>(graphics), &result))
               ? result
               : nullptr;
}

bool Region::isEmpty(const Graphics& graphics) const {
    BOOL empty = FALSE;
    return record(flat::GdipIsEmptyRegion(region_, nativeOf<GpGraphics>(graphics), &empty)) &&
           empty;
}

bool Region::isVisiblePoint(float x, float y, const Graphics* graphics) const {
    BOOL visible = FALSE;
    return record(flat::GdipIsVisibleRegionPoint(region_, x, y, nativeOf<GpGraphics>(graphics),
                                                 &visible)) &&
           visible;
}

}  // namespace gdip
