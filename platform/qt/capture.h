// A window as it looks, scaled to a given size, as BMP file bytes.
#pragma once
#include <QWidget>
#include <string>

namespace marevisk {

// Renders `window` with its shown children off-screen, scales the whole of it to width x height
// by area averaging and wraps it as a 24-bit bottom-up BMP. No bytes for a missing window.
std::string CaptureWindow(QWidget* window, int width, int height);

}  // namespace marevisk
