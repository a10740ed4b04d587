// Where the tray icon is read from: the current directory, else the
// program's own folder. (With neither, the start-up tests see the error.)

#include "app/forms/TrayIcon.h"

#include "framework/core/Streams.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Icon.h"
#include "tests/support/ProgramRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tandrel::test {

namespace fs = std::filesystem;

namespace {

// Two folders of its own, a current one and a program's one, emptied first;
// the current directory is put back afterwards.
class TrayIconLookupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = fs::current_path();
        m_root = fs::current_path() / "tray-icon-lookup";
        fs::remove_all(m_root);
        fs::create_directories(m_current = m_root / "current");
        fs::create_directories(m_program = m_root / "program");
        fs::current_path(m_current);
    }
    void TearDown() override { fs::current_path(m_saved); }

    // The committed tray icon, or the program's icon as a second picture.
    static void PutIcon(const fs::path& folder, const char* source)
    {
        const fs::path pictures = WindowsPathOf(TANDREL_APP_PICTURES);
        fs::copy_file(pictures / source, folder / "mouse.ico", fs::copy_options::overwrite_existing);
    }
    static std::vector<std::uint8_t> IconBytes(const TIcon& icon)
    {
        TMemoryStream stream;
        icon.SaveToStream(stream);
        return stream.Bytes();
    }
    static std::vector<std::uint8_t> FileBytes(const fs::path& file)
    {
        TFileStream stream(file.wstring(), TFileStream::TMode::fmOpenRead);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream.Size()));
        stream.ReadBuffer(bytes.data(), bytes.size());
        return bytes;
    }

    fs::path m_saved, m_root, m_current, m_program;
};

} // namespace

TEST_F(TrayIconLookupTest, CurrentDirectoryFirstThenBesideTheProgram)
{
    PutIcon(m_program, "app.ico");
    auto icon = LoadTrayIcon(m_program.wstring());
    ASSERT_FALSE(icon->Empty());
    EXPECT_EQ(IconBytes(*icon), FileBytes(m_program / "mouse.ico"));

    PutIcon(m_current, "mouse.ico");
    icon = LoadTrayIcon(m_program.wstring());
    EXPECT_EQ(IconBytes(*icon), FileBytes(m_current / "mouse.ico"));
    EXPECT_NE(IconBytes(*icon), FileBytes(m_program / "mouse.ico"));
}

TEST_F(TrayIconLookupTest, ABrokenIconInTheCurrentDirectoryIsReportedNotPassedOver)
{
    PutIcon(m_program, "mouse.ico");
    {
        TFileStream f((m_current / "mouse.ico").wstring(), TFileStream::TMode::fmCreate);
        f.WriteBuffer("not an icon at all", 18);
    }
    EXPECT_THROW(LoadTrayIcon(m_program.wstring()), EInvalidGraphic);
}

} // namespace tandrel::test
