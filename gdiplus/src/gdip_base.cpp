#include "gdiplus/gdip_base.h"

namespace gdip {

Status lastStatus = Gdiplus::Ok;

void* GdipObject::allocMemory(std::size_t size) { return Gdiplus::DllExports::GdipAlloc(size); }

void GdipObject::freeMemory(void* address) { Gdiplus::DllExports::GdipFree(address); }

std::wstring fromSystemText(std::string_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wideLength);
    return wide;
}

std::string toOemText(std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int narrowLength =
        WideCharToMultiByte(CP_OEMCP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (narrowLength <= 0) return {};
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, text.data(), length, narrow.data(), narrowLength, nullptr,
                        nullptr);
    return narrow;
}

}  // namespace gdip
