#include "tools/skinview/Shots.h"

#include "framework/core/SysUtils.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/ScreenCapture.h"
#include "tools/skinview/ViewerForm.h"

#include <windows.h>

#include <cwctype>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace tandrel {

namespace {

// "Tabs and bars" -> "tabs-and-bars"
std::wstring Slug(const std::wstring& caption)
{
    std::wstring slug;
    for (wchar_t c : caption) {
        if (std::iswalnum(c))
            slug += static_cast<wchar_t>(std::towlower(c));
        else if (!slug.empty() && slug.back() != L'-')
            slug += L'-';
    }
    while (!slug.empty() && slug.back() == L'-')
        slug.pop_back();
    return slug;
}

} // namespace

std::vector<fs::path> SaveTabShots(TViewerForm& viewer, const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        throw std::runtime_error(WideToUtf8(folder.wstring()) + ": cannot make the folder (" + error.message() + ")");
    std::vector<fs::path> files;
    TPageControl& pages = viewer.Pages();
    for (int i = 0; i < pages.PageCount(); ++i) {
        TTabSheet* page = pages.Pages(i);
        pages.SetActivePage(page);
        RedrawWindow(viewer.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpIdle();
        fs::path const file = folder / (std::to_wstring(i + 1) + L"-" + Slug(page->Caption()) + L".bmp");
        CaptureWindow(viewer.Handle())->SaveToFile(file.wstring());
        if (!fs::is_regular_file(file, error))
            throw std::runtime_error(WideToUtf8(file.wstring()) + ": cannot be written");
        files.push_back(file);
    }
    return files;
}

} // namespace tandrel
