#include "gdiplus/image.h"

#include <cstddef>
#include <cstring>

#include "natives.h"

namespace gdip {

namespace {

std::string guidText(const GUID& guid) {
    WCHAR text[40] = {};
    if (StringFromGUID2(guid, text, 40) == 0) return {};
    return toOemText(text);
}

// The CLSID of the first installed encoder whose format GUID has `format` as
// its braces text (letters in either case).
bool findEncoder(const std::string& format, CLSID& encoder) {
    UINT count = 0;
    UINT size = 0;
    if (!recordStatus(flat::GdipGetImageEncodersSize(&count, &size)) || count == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (!recordStatus(flat::GdipGetImageEncoders(count, size, codecs))) return false;
    for (UINT i = 0; i < count; ++i) {
        if (lstrcmpiA(guidText(codecs[i].FormatID).c_str(), format.c_str()) == 0) {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

// ---- Image -----------------------------------------------------------------

Image::Image(Image&& other) noexcept {
    takeFrom(other);
    stream_ = std::move(other.stream_);
}

Image& Image::operator=(Image&& other) noexcept {
    if (this != &other) {
        disposeImage();
        takeFrom(other);
        stream_ = std::move(other.stream_);
    }
    return *this;
}

bool Image::disposeImage() {
    if (!image_) {
        stream_.release();
        return false;
    }
    const bool ok = record(flat::GdipDisposeImage(image_));
    setHandle(nullptr);
    stream_.release();  // only once GDI+ no longer reads from it
    return ok;
}

bool Image::finishLoad(Status status, void* native) {
    const bool ok = finishCreate(status, native);
    if (!ok) stream_.release();
    return ok;
}

bool Image::loadFromFile(std::string_view fileName, bool colourCorrection) {
    return loadFromFile(std::wstring_view(fromSystemText(fileName)), colourCorrection);
}

bool Image::loadFromFile(std::wstring_view fileName, bool colourCorrection) {
    disposeImage();
    image_ = nullptr;
    const std::wstring name(fileName);
    const Status status = colourCorrection ? flat::GdipLoadImageFromFileICM(name.c_str(), &image_)
                                           : flat::GdipLoadImageFromFile(name.c_str(), &image_);
    return finishCreate(status, image_);
}

bool Image::loadFromBytes(const void* bytes, std::size_t size, bool colourCorrection) {
    disposeImage();
    IStream* stream = stream_.create(bytes, size);
    if (!stream) return record(Gdiplus::OutOfMemory);
    image_ = nullptr;
    const Status status = colourCorrection ? flat::GdipLoadImageFromStreamICM(stream, &image_)
                                           : flat::GdipLoadImageFromStream(stream, &image_);
    return finishLoad(status, image_);
}

Bytes Image::saveToBytes(std::string_view format, const std::vector<EncoderParam>& params,
                         std::string* formatUsed) const {
    std::string formatText(format);
    if (formatText.empty()) formatText = getRawFormat();
    if (formatUsed) *formatUsed = formatText;
    if (formatText.empty()) return {};

    CLSID encoder{};
    if (!findEncoder(formatText, encoder)) {
        if (lastStatus == Gdiplus::Ok) lastStatus = Gdiplus::UnknownImageFormat;
        return {};
    }

    MemoryStream output;
    if (!output.create(nullptr, 0)) {
        record(Gdiplus::OutOfMemory);
        return {};
    }

    // One EncoderParameters block: the count, then the parameters in a row.
    std::vector<BYTE> block;
    Gdiplus::EncoderParameters* encoderParams = nullptr;
    if (!params.empty()) {
        block.resize(offsetof(Gdiplus::EncoderParameters, Parameter) +
                     params.size() * sizeof(Gdiplus::EncoderParameter));
        encoderParams = reinterpret_cast<Gdiplus::EncoderParameters*>(block.data());
        encoderParams->Count = static_cast<UINT>(params.size());
        for (std::size_t i = 0; i < params.size(); ++i) {
            Gdiplus::EncoderParameter& target = encoderParams->Parameter[i];
            target.Guid = params[i].guid;
            target.NumberOfValues = static_cast<ULONG>(params[i].values.size());
            target.Type = params[i].valueType;
            target.Value =
                params[i].values.empty() ? nullptr : const_cast<LONG*>(params[i].values.data());
        }
    }

    if (!record(flat::GdipSaveImageToStream(image_, output.stream(), &encoder, encoderParams))) {
        return {};
    }
    return output.toBytes();
}

UINT Image::getWidth() const {
    UINT width = 0;
    return record(flat::GdipGetImageWidth(image_, &width)) ? width : 0;
}

UINT Image::getHeight() const {
    UINT height = 0;
    return record(flat::GdipGetImageHeight(image_, &height)) ? height : 0;
}

Gdiplus::PixelFormat Image::getPixelFormat() const {
    Gdiplus::PixelFormat format = 0;
    return record(flat::GdipGetImagePixelFormat(image_, &format)) ? format : 0;
}

std::string Image::getRawFormat() const {
    GUID format{};
    return record(flat::GdipGetImageRawFormat(image_, &format)) ? guidText(format) : std::string();
}

float Image::getHorizontalResolution() const {
    float resolution = 0;
    return record(flat::GdipGetImageHorizontalResolution(image_, &resolution)) ? resolution : 0;
}

bool Image::rotateFlip(Gdiplus::RotateFlipType type) {
    return record(flat::GdipImageRotateFlip(image_, type));
}

// ---- Bitmap ----------------------------------------------------------------

Bitmap::Bitmap(Bitmap&& other) noexcept {
    takeFrom(other);
    stream_ = std::move(other.stream_);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
    if (this != &other) {
        disposeImage();
        takeFrom(other);
        stream_ = std::move(other.stream_);
    }
    return *this;
}

bool Bitmap::createFromFile(std::string_view fileName, bool colourCorrection) {
    return createFromFile(std::wstring_view(fromSystemText(fileName)), colourCorrection);
}

bool Bitmap::createFromFile(std::wstring_view fileName, bool colourCorrection) {
    disposeImage();
    bitmap_ = nullptr;
    const std::wstring name(fileName);
    const Status status = colourCorrection
                              ? flat::GdipCreateBitmapFromFileICM(name.c_str(), &bitmap_)
                              : flat::GdipCreateBitmapFromFile(name.c_str(), &bitmap_);
    return finishCreate(status, bitmap_);
}

bool Bitmap::createFromBytes(const void* bytes, std::size_t size, bool colourCorrection) {
    disposeImage();
    IStream* stream = stream_.create(bytes, size);
    if (!stream) return record(Gdiplus::OutOfMemory);
    bitmap_ = nullptr;
    const Status status = colourCorrection ? flat::GdipCreateBitmapFromStreamICM(stream, &bitmap_)
                                           : flat::GdipCreateBitmapFromStream(stream, &bitmap_);
    return finishLoad(status, bitmap_);
}

bool Bitmap::create(int width, int height, Gdiplus::PixelFormat format) {
    return createFromScan0(width, height, 0, format, nullptr);
}

bool Bitmap::createFromScan0(int width, int height, int stride, Gdiplus::PixelFormat format,
                             BYTE* scan0) {
    disposeImage();
    bitmap_ = nullptr;
    const Status status =
        flat::GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap_);
    return finishCreate(status, bitmap_);
}

bool Bitmap::createFromHBITMAP(HBITMAP bitmap, HPALETTE palette) {
    disposeImage();
    bitmap_ = nullptr;
    const Status status = flat::GdipCreateBitmapFromHBITMAP(bitmap, palette, &bitmap_);
    return finishCreate(status, bitmap_);
}

bool Bitmap::createFromHICON(HICON icon) {
    disposeImage();
    bitmap_ = nullptr;
    const Status status = flat::GdipCreateBitmapFromHICON(icon, &bitmap_);
    return finishCreate(status, bitmap_);
}

HBITMAP Bitmap::getHBITMAP(ARGB background) const {
    HBITMAP result = nullptr;
    return record(flat::GdipCreateHBITMAPFromBitmap(bitmap_, &result, background)) ? result
                                                                                   : nullptr;
}

ARGB Bitmap::getPixel(int x, int y) const {
    ARGB colour = 0;
    return record(flat::GdipBitmapGetPixel(bitmap_, x, y, &colour)) ? colour : 0;
}

bool Bitmap::setPixel(int x, int y, ARGB colour) {
    return record(flat::GdipBitmapSetPixel(bitmap_, x, y, colour));
}

bool Bitmap::lockBits(const Gdiplus::Rect& rect, UINT flags, Gdiplus::PixelFormat format,
                      Gdiplus::BitmapData& data) {
    return record(flat::GdipBitmapLockBits(bitmap_, &rect, flags, format, &data));
}

bool Bitmap::unlockBits(Gdiplus::BitmapData& data) {
    return record(flat::GdipBitmapUnlockBits(bitmap_, &data));
}

bool Bitmap::setResolution(float dpiX, float dpiY) {
    return record(flat::GdipBitmapSetResolution(bitmap_, dpiX, dpiY));
}

}  // namespace gdip
