// Native pointers of the wrappers handed to an operation.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

namespace flat = Gdiplus::DllExports;

template <class Native>
Native* nativeOf(const GdipObject& wrapper) {
    return static_cast<Native*>(wrapper.getHandle());
}

template <class Native>
Native* nativeOf(const GdipObject* wrapper) {
    return wrapper ? static_cast<Native*>(wrapper->getHandle()) : nullptr;
}

// Records the status of a flat call made outside a wrapper operation.
inline bool recordStatus(Status status) {
    lastStatus = status;
    return status == Gdiplus::Ok;
}

}  // namespace gdip
