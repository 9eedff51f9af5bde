#include "platform/win32/wic_png.h"

#include "platform/win32/error.h"

#include <wincodec.h>
#include <windows.h>
#include <wrl/client.h>

namespace vorrelin::win32 {

using Microsoft::WRL::ComPtr;

namespace {

// The bytes of a stream in global memory, locked for the copy.
std::string Contents(IStream* stream) {
    HGLOBAL memory = nullptr;
    Check(GetHGlobalFromStream(stream, &memory), "GetHGlobalFromStream");
    STATSTG status{};
    Check(stream->Stat(&status, STATFLAG_NONAME), "IStream::Stat");
    const void* bytes = GlobalLock(memory);
    if (!bytes) {
        ThrowLastError("GlobalLock");
    }
    std::string contents(static_cast<const char*>(bytes), status.cbSize.QuadPart);
    GlobalUnlock(memory);
    return contents;
}

} // namespace

// The frame is 24 bits a pixel, as the pixels are opaque; WIC converts the picture's 32-bit
// rows to it as it writes them.
std::string EncodePng(const ImageView& picture) {
    ComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_PPV_ARGS(&factory)),
          "CoCreateInstance(WICImagingFactory)");
    ComPtr<IWICBitmap> source;
    Check(factory->CreateBitmapFromMemory(
              static_cast<UINT>(picture.width), static_cast<UINT>(picture.height),
              GUID_WICPixelFormat32bppBGR, static_cast<UINT>(picture.BytesPerLine()),
              static_cast<UINT>(picture.pixels.size_bytes()),
              reinterpret_cast<BYTE*>(const_cast<Pixel*>(picture.pixels.data())), &source),
          "CreateBitmapFromMemory");
    ComPtr<IStream> stream;
    Check(CreateStreamOnHGlobal(nullptr, TRUE, &stream), "CreateStreamOnHGlobal");
    ComPtr<IWICBitmapEncoder> encoder;
    Check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder), "CreateEncoder");
    Check(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache), "IWICBitmapEncoder");
    ComPtr<IWICBitmapFrameEncode> frame;
    Check(encoder->CreateNewFrame(&frame, nullptr), "CreateNewFrame");
    Check(frame->Initialize(nullptr), "IWICBitmapFrameEncode");
    Check(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height)),
          "SetSize");
    Check(frame->SetResolution(picture.dotsPerInch, picture.dotsPerInch), "SetResolution");
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    Check(frame->SetPixelFormat(&format), "SetPixelFormat");
    Check(frame->WriteSource(source.Get(), nullptr), "WriteSource");
    Check(frame->Commit(), "IWICBitmapFrameEncode::Commit");
    Check(encoder->Commit(), "IWICBitmapEncoder::Commit");
    return Contents(stream.Get());
}

} // namespace vorrelin::win32
