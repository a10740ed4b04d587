#include "tools/shots/Settled.h"

#include "framework/graphics/ScreenCapture.h"

#include <cstring>

namespace tandrel::shots {

namespace {
// Longer than a paint takes, short enough to keep a run quick.
constexpr ULONGLONG kQuietMs = 400;
} // namespace

bool SamePicture(TBitmap& a, TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(a.Width()) * 3;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.ScanLine(y), b.ScanLine(y), rowBytes) != 0)
            return false;
    return true;
}

bool IsBlank(TBitmap& picture)
{
    if (picture.Width() == 0 || picture.Height() == 0)
        return true;
    const std::uint8_t* first = picture.ScanLine(0);
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint8_t* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x)
            if (std::memcmp(row + x * 3, first, 3) != 0)
                return false;
    }
    return true;
}

std::unique_ptr<TBitmap> CaptureWhenSettled(const TTandrelProcess& tandrel, const std::string& what, HWND window,
                                            const std::function<RECT()>& area, DWORD timeoutMs)
{
    std::unique_ptr<TBitmap> last;
    ULONGLONG lastChange = GetTickCount64();
    tandrel.WaitFor(what + " to finish painting", [&] {
        // A message sent to the painter is answered only when its thread
        // takes messages again, so a paint under way is not caught half-done.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
        auto shot = CaptureScreen(area());
        if (!last || !SamePicture(*last, *shot) || IsBlank(*shot)) {
            last = std::move(shot);
            lastChange = GetTickCount64();
            return false;
        }
        return GetTickCount64() - lastChange >= kQuietMs;
    }, timeoutMs);
    return last;
}

} // namespace tandrel::shots
