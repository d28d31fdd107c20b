#include "gdiplus/pen.h"

#include "gdiplus/brushes.h"
#include "natives.h"

namespace gdip {

Pen& Pen::operator=(Pen&& other) noexcept {
    if (this != &other) {
        deletePen();
        takeFrom(other);
    }
    return *this;
}

bool Pen::deletePen() {
    if (!pen_) return false;
    const bool ok = record(flat::GdipDeletePen(pen_));
    setHandle(nullptr);
    return ok;
}

bool Pen::create(ARGB colour, float width, Gdiplus::Unit unit) {
    deletePen();
    pen_ = nullptr;
    const Status status = flat::GdipCreatePen1(colour, width, unit, &pen_);
    return finishCreate(status, pen_);
}

bool Pen::createFromBrush(const Brush& brush, float width, Gdiplus::Unit unit) {
    deletePen();
    pen_ = nullptr;
    const Status status =
        flat::GdipCreatePen2(nativeOf<Gdiplus::GpBrush>(brush), width, unit, &pen_);
    return finishCreate(status, pen_);
}

float Pen::getWidth() const {
    float width = 0;
    return record(flat::GdipGetPenWidth(pen_, &width)) ? width : 0;
}

bool Pen::setWidth(float width) { return record(flat::GdipSetPenWidth(pen_, width)); }

bool Pen::setColour(ARGB colour) { return record(flat::GdipSetPenColor(pen_, colour)); }

bool Pen::setDashStyle(Gdiplus::DashStyle style) {
    return record(flat::GdipSetPenDashStyle(pen_, style));
}

bool Pen::setLineJoin(Gdiplus::LineJoin join) {
    return record(flat::GdipSetPenLineJoin(pen_, join));
}

}  // namespace gdip
