#include "Dialogs/ImageForm_win.h"

#include <objbase.h>
#include <wincodec.h>

#include "Dialogs/ImagePlacement.h"
#include "Utils/ComPointer_win.h"

namespace vrx {
namespace {

constexpr wchar_t kClassName[] = L"VantorixImageForm";
constexpr UINT_PTR kCloseTimer = 1;

// The two GUIDs are spelled out: MinGW's import libraries lack their
// definitions.
constexpr CLSID kWicFactory = {0xcacaf262, 0x9370, 0x4615, {0xa1, 0x3b, 0x9f, 0x55, 0x39, 0xda, 0x4c, 0x0a}};
constexpr GUID kFormat32bppBGRA = {0x6fddc324, 0x4e03, 0x4bfe, {0xb1, 0x85, 0x3d, 0x77, 0x76, 0x8d, 0xc9, 0x0f}};

// COM for this thread for the length of one decoding, if it had none.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }

private:
    HRESULT result_;
};

}  // namespace

ui::Bitmap loadPicture(const std::filesystem::path& path, int& width, int& height) {
    ComScope com;
    ComPointer<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(kWicFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                                reinterpret_cast<void**>(factory.put()))))
        return {};
    ComPointer<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(path.wstring().c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, decoder.put())))
        return {};
    ComPointer<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.put()))) return {};
    ComPointer<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.put())) ||
        FAILED(converter->Initialize(frame.get(), kFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return {};
    UINT pictureWidth = 0, pictureHeight = 0;
    if (FAILED(converter->GetSize(&pictureWidth, &pictureHeight)) || pictureWidth == 0 || pictureHeight == 0)
        return {};

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(pictureWidth);
    info.bmiHeader.biHeight = -static_cast<LONG>(pictureHeight);  // top-down, as WIC gives the rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ui::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    const UINT stride = pictureWidth * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * pictureHeight, static_cast<BYTE*>(bits)))) return {};
    width = static_cast<int>(pictureWidth);
    height = static_cast<int>(pictureHeight);
    return bitmap;
}

ImageForm::~ImageForm() {
    if (window_) DestroyWindow(window_);
}

bool ImageForm::create() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    if (!registered) return false;
    desktopWidth_ = GetSystemMetrics(SM_CXSCREEN);
    desktopHeight_ = GetSystemMetrics(SM_CYSCREEN);
    window_ = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0,
                              0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    return window_ != nullptr;
}

bool ImageForm::ShowImage(const std::filesystem::path& path, int position, unsigned durationMs,
                          double fullScreenRatio) {
    if (!window_ && !create()) return false;
    if (showing()) KillTimer(window_, kCloseTimer);
    int width = 0, height = 0;
    ui::Bitmap picture = loadPicture(path, width, height);
    if (!picture) {
        HideImage();
        return false;
    }
    picture_ = std::move(picture);
    pictureWidth_ = width;
    pictureHeight_ = height;
    const ImageRect place = placeImage(width, height, desktopWidth_, desktopHeight_, fullScreenRatio, position);
    SetTimer(window_, kCloseTimer, durationMs, nullptr);
    // https://learn.microsoft.com/windows/win32/api/winuser/nf-winuser-setwindowpos
    // SWP_NOACTIVATE with WS_EX_NOACTIVATE: the game in front keeps the
    // keyboard while the picture shows above it.
    SetWindowPos(window_, HWND_TOPMOST, place.left, place.top, place.width, place.height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_, nullptr, FALSE);
    return true;
}

void ImageForm::HideImage() {
    if (!window_) return;
    KillTimer(window_, kCloseTimer);
    const bool wasShowing = showing();
    ShowWindow(window_, SW_HIDE);
    if (wasShowing && onHidden) onHidden();
}

bool ImageForm::showing() const { return window_ && IsWindowVisible(window_); }

void ImageForm::paint() {
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window_, &paintInfo);
    RECT client;
    GetClientRect(window_, &client);
    if (picture_) {
        const ui::MemoryDc memory(dc);
        const ui::Selected picture(memory.get(), picture_.get());
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, pictureWidth_, pictureHeight_,
                   SRCCOPY);
    }
    EndPaint(window_, &paintInfo);
}

LRESULT CALLBACK ImageForm::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<ImageForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            self->paint();
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_TIMER:
            if (wParam == kCloseTimer) self->HideImage();
            return 0;
        case WM_LBUTTONDOWN:
            self->HideImage();
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace vrx
