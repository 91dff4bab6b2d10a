#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>

#include "Ui/GdiObjects_win.h"

namespace vrx {

// The profile image pop-up: a borderless, always-on-top picture that never
// takes the activation, closed by its timer or a click. It lives as long
// as the program and is only shown and hidden.
class ImageForm {
public:
    ImageForm() = default;
    ImageForm(const ImageForm&) = delete;
    ImageForm& operator=(const ImageForm&) = delete;
    ~ImageForm();

    // Creates the (hidden) window and records the desktop's size.
    bool create();
    // Shows the picture (bmp, png, jpg, jpeg) for durationMs at position
    // (ProfileImagePosition), scaled by fullScreenRatio
    // (ProfileImageFullScreenRatio, 0: the picture's own size). A call
    // while one is showing replaces the picture and restarts the timer.
    // False when the file cannot be read as a picture.
    bool ShowImage(const std::filesystem::path& path, int position, unsigned durationMs, double fullScreenRatio);
    void HideImage();

    bool showing() const;
    HWND hwnd() const { return window_; }
    SIZE pictureSize() const { return {pictureWidth_, pictureHeight_}; }

    // After the window closed, by the timer, a click or HideImage.
    std::function<void()> onHidden;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void paint();

    HWND window_ = nullptr;
    ui::Bitmap picture_;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
    int desktopWidth_ = 0;
    int desktopHeight_ = 0;
};

// Decodes a picture file through the Windows Imaging Component into a
// 32-bit top-down bitmap; an empty one when it cannot.
ui::Bitmap loadPicture(const std::filesystem::path& path, int& width, int& height);

}  // namespace vrx
