#pragma once
// Checks that a length or rectangle measured at one density is its 96-DPI
// twin grown by dpi / 96: within 2 pixels per 100, plus what rounding costs.

#include "framework/graphics/Dpi.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace tandrel::test {

inline void ExpectScaled(int scaled, int at96, int dpi, const std::string& what, int slack = 1)
{
    double const wanted = at96 * dpi / 96.0;
    EXPECT_NEAR(scaled, wanted, slack + 0.02 * wanted) << what << " at " << dpi;
}

// The size, and the place unless `sizeOnly`, of a rectangle.
enum class TScaledPart { Everything, SizeOnly };

inline void ExpectScaledRect(const RECT& scaled, const RECT& at96, int dpi, const std::string& what,
                             TScaledPart part = TScaledPart::Everything, int slack = 1)
{
    if (part == TScaledPart::Everything) {
        ExpectScaled(scaled.left, at96.left, dpi, what + " left", slack);
        ExpectScaled(scaled.top, at96.top, dpi, what + " top", slack);
    }
    ExpectScaled(scaled.right - scaled.left, at96.right - at96.left, dpi, what + " width", slack);
    ExpectScaled(scaled.bottom - scaled.top, at96.bottom - at96.top, dpi, what + " height", slack);
}

// An icon's size in pixels; nothing for no icon.
inline SIZE IconSizeOf(HICON icon)
{
    ICONINFO info {};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    BITMAP bits {};
    GetObjectW(info.hbmMask, sizeof bits, &bits);
    DeleteObject(info.hbmMask);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    // A monochrome icon's mask holds the image below the mask.
    return {bits.bmWidth, info.hbmColor ? bits.bmHeight : bits.bmHeight / 2};
}

// A skinned window's size as a system that scales its own frame would give
// it. A stored size holds the system's frame at 96 and is scaled whole, so
// the client gets what the system's frame leaves; Wine keeps that frame
// (`ownFrame`, what the skin replaced) at its own 96 DPI, which leaves the
// client too much by the frame's growth.
inline SIZE WithTheSystemsFrameAt(SIZE window, SIZE ownFrame, int dpi)
{
    return {window.cx - (ScaleDpi(ownFrame.cx, dpi) - ownFrame.cx),
            window.cy - (ScaleDpi(ownFrame.cy, dpi) - ownFrame.cy)};
}

} // namespace tandrel::test
