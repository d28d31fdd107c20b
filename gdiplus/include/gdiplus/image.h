// Image and Bitmap: pictures loaded from files or bytes, drawn into, read
// pixel by pixel and saved back to bytes.
#pragma once

#include "gdiplus/gdip_base.h"
#include "gdiplus/memory_stream.h"

namespace gdip {

// Braces texts of image format GUIDs, for saveToBytes.
inline constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

// One encoder parameter: its GUID, its value type and its values.
struct EncoderParam {
    GUID guid{};
    ULONG valueType = 0;
    std::vector<LONG> values;
};

class Image : public GdipObject {
public:
    Image() = default;
    ~Image() { disposeImage(); }
    Image(Image&& other) noexcept;
    Image& operator=(Image&& other) noexcept;

    // Disposes of the image, then releases the stream it was loaded from.
    bool disposeImage();

    // File names in the system code page or UTF-16. GDI+ keeps the file
    // open until the image is disposed.
    bool loadFromFile(std::string_view fileName, bool colourCorrection = false);
    bool loadFromFile(std::wstring_view fileName, bool colourCorrection = false);
    // The bytes are copied into a stream that stays with the image for its
    // whole life (GDI+ may read from it at any time).
    bool loadFromBytes(const void* bytes, std::size_t size, bool colourCorrection = false);
    bool loadFromBytes(const Bytes& bytes, bool colourCorrection = false) {
        return loadFromBytes(bytes.data(), bytes.size(), colourCorrection);
    }

    // Encodes the image with the encoder of `format` (the braces text of an
    // image format GUID, such as kPngFormat) and returns the encoded bytes.
    // An empty format means the image's own format; `formatUsed` receives the
    // format text. Empty bytes when no encoder has the format or saving fails.
    Bytes saveToBytes(std::string_view format = {}, const std::vector<EncoderParam>& params = {},
                      std::string* formatUsed = nullptr) const;

    UINT getWidth() const;                        // 0 on failure
    UINT getHeight() const;                       // 0 on failure
    Gdiplus::PixelFormat getPixelFormat() const;  // 0 on failure
    std::string getRawFormat() const;             // braces text, empty on failure
    float getHorizontalResolution() const;        // 0 on failure
    bool rotateFlip(Gdiplus::RotateFlipType type);

    // The stream the image was loaded from (empty when it was not).
    const MemoryStream& stream() const { return stream_; }

protected:
    // Called after every change of the native pointer (Bitmap keeps its own
    // typed copy). Not pure: ~Image reaches it too.
    virtual void onNativeSet(void* /*native*/) {}

    // Ends a load from a stream: keeps the stream with the image or, when the
    // load failed, releases it at once.
    bool finishLoad(Status status, void* native);

    MemoryStream stream_;

private:
    void setNative(void* native) final {
        image_ = static_cast<Gdiplus::GpImage*>(native);
        onNativeSet(native);
    }
    Gdiplus::GpImage* image_ = nullptr;
};

class Bitmap : public Image {
public:
    Bitmap() = default;
    Bitmap(Bitmap&& other) noexcept;
    Bitmap& operator=(Bitmap&& other) noexcept;

    // A bitmap is made by the create operations below, not by the loads of
    // Image (which may give metafiles).
    bool loadFromFile(std::string_view, bool = false) = delete;
    bool loadFromFile(std::wstring_view, bool = false) = delete;
    bool loadFromBytes(const void*, std::size_t, bool = false) = delete;
    bool loadFromBytes(const Bytes&, bool = false) = delete;

    bool createFromFile(std::string_view fileName, bool colourCorrection = false);
    bool createFromFile(std::wstring_view fileName, bool colourCorrection = false);
    bool createFromBytes(const void* bytes, std::size_t size, bool colourCorrection = false);
    bool createFromBytes(const Bytes& bytes, bool colourCorrection = false) {
        return createFromBytes(bytes.data(), bytes.size(), colourCorrection);
    }
    // A blank bitmap, 32 bits per pixel ARGB unless another format is given.
    bool create(int width, int height, Gdiplus::PixelFormat format = PixelFormat32bppARGB);
    // Over caller-owned pixels (`scan0`, `stride` bytes per row), which must
    // outlive the bitmap.
    bool createFromScan0(int width, int height, int stride, Gdiplus::PixelFormat format,
                         BYTE* scan0);
    bool createFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool createFromHICON(HICON icon);

    // A new GDI bitmap of the picture over `background`; the caller deletes
    // it. 0 on failure.
    HBITMAP getHBITMAP(ARGB background) const;
    ARGB getPixel(int x, int y) const;  // 0 on failure
    bool setPixel(int x, int y, ARGB colour);
    bool lockBits(const Gdiplus::Rect& rect, UINT flags, Gdiplus::PixelFormat format,
                  Gdiplus::BitmapData& data);
    bool unlockBits(Gdiplus::BitmapData& data);
    bool setResolution(float dpiX, float dpiY);

private:
    void onNativeSet(void* native) override { bitmap_ = static_cast<Gdiplus::GpBitmap*>(native); }
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};

}  // namespace gdip
