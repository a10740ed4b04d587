// A skin file chosen at run time: it replaces the skin only once it has
// loaded in full. A missing, older or truncated file leaves every skinned
// window exactly as it was.

#include "skin/package/SkinReader.h"
#include "tests/skin/forms/SkinFormFixture.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tools/skinpack/SkinPackage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace tandrel::test {

namespace {

// What a user sees of a skinned window, and what shapes it.
struct TWindowLook {
    RECT Window {};
    RECT Client {};
    LONG_PTR Style = 0;
    RECT RegionBox {};
    std::vector<RECT> Buttons;
    std::unique_ptr<TBitmap> Shot;
};

TWindowLook LookOf(HWND window, const TWinSkinForm& skin)
{
    // Painted afresh, so the picture comes from the skin set in use now.
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpIdle();
    TWindowLook look;
    GetWindowRect(window, &look.Window);
    GetClientRect(window, &look.Client);
    look.Style = GetWindowLongPtrW(window, GWL_STYLE);
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, region.Get()) != ERROR)
        GetRgnBox(region.Get(), &look.RegionBox);
    for (const auto& button : skin.CaptionButtons())
        if (button->Enabled)
            look.Buttons.push_back(button->Rect);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    look.Shot = CaptureWindow(window);
    return look;
}

void ExpectSameLook(const TWindowLook& before, const TWindowLook& after)
{
    EXPECT_TRUE(EqualRect(&before.Window, &after.Window));
    EXPECT_TRUE(EqualRect(&before.Client, &after.Client));
    EXPECT_EQ(before.Style, after.Style);
    EXPECT_TRUE(EqualRect(&before.RegionBox, &after.RegionBox));
    ASSERT_EQ(before.Buttons.size(), after.Buttons.size());
    for (size_t i = 0; i < before.Buttons.size(); ++i)
        EXPECT_TRUE(EqualRect(&before.Buttons[i], &after.Buttons[i])) << "caption button " << i;
    ASSERT_EQ(before.Shot->Width(), after.Shot->Width());
    ASSERT_EQ(before.Shot->Height(), after.Shot->Height());
    int differing = 0;
    for (int y = 0; y < before.Shot->Height(); ++y)
        for (int x = 0; x < before.Shot->Width(); ++x)
            differing += PixelOf(*before.Shot, x, y) != PixelOf(*after.Shot, x, y);
    EXPECT_EQ(differing, 0) << "pixels that changed";
}

fs::path WriteSkinFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    fs::path const path = fs::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

// The default skin's entries in a package of another version.
std::vector<std::uint8_t> OlderSkinStream()
{
    TSkinReader reader;
    EXPECT_TRUE(reader.LoadPackage(DefaultSkinStream()));
    std::vector<TPackEntry> entries;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        auto const data = reader.Entry(i);
        entries.push_back({std::string(reader.Name(i)), {data.begin(), data.end()}});
    }
    std::vector<std::uint8_t> package = BuildPackage(std::move(entries));
    std::int32_t const older = TSkinReader::PackageVersion - 1;
    std::memcpy(package.data(), &older, sizeof older);
    return TLZHEncoder::Compress(package);
}

} // namespace

class SkinFileTest : public TSkinFormTest {};

TEST_F(SkinFileTest, ASkinFileReplacesTheSkinOnlyWhenItLoadsInFull)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    HWND const w = form->Handle();
    TWindowLook const before = LookOf(w, *skin);
    ASSERT_FALSE(before.Buttons.empty());

    {
        SCOPED_TRACE("a missing file");
        Skin().SetSkinFile((fs::temp_directory_path() / "no-such-skin.skn").wstring());
        EXPECT_TRUE(Skin().SkinNotLoaded);
        ExpectSameLook(before, LookOf(w, *skin));
    }
    {
        SCOPED_TRACE("an older package");
        fs::path const older = WriteSkinFile("tandrel-older.skn", OlderSkinStream());
        std::wstring shown;
        RunSoon([&] {
            // The reader's message, in a box titled with the application title.
            HWND box = FindWindowW(L"#32770", Application->Title().c_str());
            ASSERT_NE(box, nullptr);
            wchar_t text[200] {};
            GetDlgItemTextW(box, 0xFFFF, text, 200);
            shown = text;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }, 200);
        Skin().SetSkinFile(older.wstring());
        EXPECT_NE(shown.find(L"Older Skin File"), std::wstring::npos) << WideToUtf8(shown);
        EXPECT_TRUE(Skin().SkinNotLoaded);
        ExpectSameLook(before, LookOf(w, *skin));
        fs::remove(older);
    }
    {
        SCOPED_TRACE("a truncated package");
        std::vector<std::uint8_t> stream = DefaultSkinStream();
        stream.resize(stream.size() / 2);
        fs::path const truncated = WriteSkinFile("tandrel-truncated.skn", stream);
        EXPECT_ANY_THROW(Skin().SetSkinFile(truncated.wstring()));
        EXPECT_TRUE(Skin().SkinNotLoaded);
        ASSERT_TRUE(PumpUntil([] { return !SkinManager->ActionTimerRunning(); }));
        ExpectSameLook(before, LookOf(w, *skin));
        fs::remove(truncated);
    }
    {
        SCOPED_TRACE("a skin that loads");
        auto* const oldLeft = Skin().LeftBorder.get();
        int changes = 0;
        Skin().OnSkinChanged = [&](TObject*) { ++changes; };
        fs::path const good = WriteSkinFile("tandrel-good.skn", DefaultSkinStream());
        Skin().SetSkinFile(good.wstring());
        EXPECT_FALSE(Skin().SkinNotLoaded);
        EXPECT_NE(Skin().LeftBorder.get(), oldLeft); // a new set took the old one's place
        EXPECT_TRUE(skin->CaptionButtons().empty()); // they belonged to the old set
        ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
        Skin().OnSkinChanged = nullptr;
        // The same skin again: the window looks as it did.
        ExpectSameLook(before, LookOf(w, *skin));
        fs::remove(good);
    }
}

} // namespace tandrel::test
