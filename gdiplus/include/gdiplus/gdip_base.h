// Common ground of the GDI+ wrappers: the shared status, the base class and
// the text conversions between the system code page and UTF-16.
//
// GDI+ must be started (GdiplusStartup) before the first create operation and
// shut down only after the last wrapper is gone, so wrappers are locals or
// fields of records, never statics.
//
// Do not combine `using namespace Gdiplus` with `using namespace gdip`: the
// platform header has C++ classes of the same names.
#pragma once

// Order matters: the GDI+ header needs the COM declarations first.
// clang-format off
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace gdip {

using Gdiplus::ARGB;
using Gdiplus::PointF;
using Gdiplus::RectF;
using Gdiplus::Status;

using Bytes = std::vector<BYTE>;

// Status of the last flat call that any operation of any wrapper made. It is
// meaningful only right after the operation that set it.
extern Status lastStatus;

// Base of every GDI+ wrapper. A wrapper owns one native object (0 while it
// holds none) and is movable but not copyable. The base keeps the pointer as
// `void*`; each concrete class keeps a typed copy, written together with the
// base field by setHandle.
class GdipObject {
public:
    GdipObject(const GdipObject&) = delete;
    GdipObject& operator=(const GdipObject&) = delete;

    void* getHandle() const { return handle_; }
    bool isEmpty() const { return handle_ == nullptr; }

    // Stores a native pointer in every level of the wrapper. The wrapper then
    // owns it (except FontFamily and FontCollection, which own nothing).
    void setHandle(void* native) {
        handle_ = native;
        setNative(native);
    }

    static void* allocMemory(std::size_t size);
    static void freeMemory(void* address);

protected:
    GdipObject() = default;
    ~GdipObject() = default;

    virtual void setNative(void* native) = 0;

    // Moves the native object of `other` into this (empty) wrapper.
    void takeFrom(GdipObject& other) {
        void* native = other.handle_;
        other.setHandle(nullptr);
        setHandle(native);
    }

    // Ends a create operation: records the status and keeps the new object
    // only when the call succeeded.
    bool finishCreate(Status status, void* native) {
        lastStatus = status;
        setHandle(status == Gdiplus::Ok ? native : nullptr);
        return status == Gdiplus::Ok;
    }

    // Records the status of an operation and tells whether it is Ok.
    static bool record(Status status) {
        lastStatus = status;
        return status == Gdiplus::Ok;
    }

private:
    void* handle_ = nullptr;
};

// System-code-page text (CP_ACP) to UTF-16.
std::wstring fromSystemText(std::string_view text);
// UTF-16 to text in the OEM code page, the form names come back in.
std::string toOemText(std::wstring_view text);

}  // namespace gdip
