#include "tools/skinview/SkinSource.h"

#include "skin/description/SkinIni.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/Files.h"
#include "tools/skinpack/SkinSources.h"
#include "tools/skinpack/SkinVerify.h"

#include <new>

namespace fs = std::filesystem;

namespace tandrel {

namespace {

// As `skinpack` takes it: a compressed stream cannot be much larger than
// the 64 MiB a package decodes to.
constexpr std::uintmax_t MaxSkinFileSize = 256u << 20;

std::string SkinNameOf(const TSkinReader& reader, const std::string& description)
{
    std::vector<std::uint8_t> text;
    if (description.empty() || !reader.ExtractEntry(description, text))
        return {};
    TSkinIniText const ini(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    return ini.Value("TitlebarSkin", "SkinName").value_or("");
}

} // namespace

TSkinSource CheckSkinStream(std::wstring name, std::vector<std::uint8_t> stream)
{
    TSkinSource source;
    source.Name = std::move(name);
    TSkinReader reader;
    LoadSkinStream(reader, stream);
    TSkinReport const report = VerifySkin(reader);
    source.Problems = report.Problems;
    source.Notes = report.Notes;
    source.ImagesChecked = report.ImagesChecked;
    source.SkinName = SkinNameOf(reader, report.Description);
    source.Stream = std::move(stream);
    return source;
}

TSkinSource ReadSkinSource(const fs::path& path)
{
    std::string const where = DisplayPath(path) + ": ";
    try {
        std::error_code error;
        std::vector<std::uint8_t> stream;
        std::vector<std::string> skipped;
        bool const folder = fs::is_directory(path, error);
        if (folder)
            stream = PackFolder(path, skipped);
        else
            stream = ReadWholeFile(path, MaxSkinFileSize);
        TSkinSource source = CheckSkinStream(path.filename().wstring(), std::move(stream));
        for (const auto& name : skipped)
            source.Notes.push_back(name + ": not a regular file, left out of the package");
        return source;
    } catch (const EFileError& error) {
        throw ESkinSourceError(error.what());
    } catch (const std::bad_alloc&) {
        throw ESkinSourceError(where + "out of memory");
    } catch (const std::exception& error) {
        throw ESkinSourceError(where + error.what());
    }
}

} // namespace tandrel
