#include "tools/skinpack/SkinSources.h"

#include "skin/package/LZH.h"
#include "skin/package/SkinReader.h"
#include "tools/skinpack/Files.h"
#include "tools/skinpack/LZHEncoder.h"
#include "tools/skinpack/SkinPackage.h"

namespace fs = std::filesystem;

std::vector<std::uint8_t> PackFolder(const fs::path& folder, std::vector<std::string>& skipped, const fs::path& except)
{
    std::vector<TFolderFile> const files = ListFolderFiles(folder, skipped);
    std::error_code error;
    bool const leaveOut = !except.empty() && fs::exists(except, error);
    std::vector<TPackEntry> entries;
    for (const auto& file : files) {
        if (leaveOut && fs::equivalent(file.Path, except, error))
            continue;
        entries.push_back({ file.Name, ReadWholeFile(file.Path, TLZH::MaxDecodedSize) });
    }
    std::vector<std::uint8_t> const package = BuildPackage(std::move(entries));
    std::vector<std::uint8_t> stream = TLZHEncoder::Compress(package);

    // Cheap insurance: what we hand on must decode back exactly.
    auto const coded = std::span<const std::uint8_t>(stream).subspan(4);
    if (TLZH().Decode(static_cast<std::int32_t>(package.size()), coded) != package)
        throw ESkinPackError("internal error, the package does not read back");
    return stream;
}

void LoadSkinStream(TSkinReader& reader, std::span<const std::uint8_t> stream)
{
    if (stream.size() < 4)
        throw ESkinPackError("too short for a compressed skin stream (" + std::to_string(stream.size()) + " bytes)");
    auto const size = static_cast<std::int32_t>(std::uint32_t(stream[0]) | std::uint32_t(stream[1]) << 8
                                                | std::uint32_t(stream[2]) << 16 | std::uint32_t(stream[3]) << 24);
    if (size <= 0)
        throw ESkinPackError("the stream declares an empty package (size " + std::to_string(size) + ")");
    if (!reader.LoadPackage(stream))
        throw ESkinPackError("not a skin package of version " + std::to_string(TSkinReader::PackageVersion)
                             + " (version " + std::to_string(reader.Header().Version) + ")");
}
