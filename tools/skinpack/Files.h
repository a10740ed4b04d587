#pragma once

// The file access of the packer, on Linux and Windows. Failures throw
// EFileError with a message that names the file.

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A path as UTF-8 text, for messages.
std::string DisplayPath(const std::filesystem::path& path);

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t maxSize);
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

struct TFolderFile {
    std::string Name; // UTF-8 on Windows, the bytes of the name elsewhere
    std::filesystem::path Path;
};

// The regular files directly inside `folder`, and in `skipped` the names of
// what else is there (subfolders and the like).
std::vector<TFolderFile> ListFolderFiles(const std::filesystem::path& folder, std::vector<std::string>& skipped);

// A folder that files are written into by bare name. A name that already
// exists there is replaced, never followed: a link cannot lead a write out.
class TOutputFolder final {
public:
    explicit TOutputFolder(const std::filesystem::path& folder);
    ~TOutputFolder();
    TOutputFolder(const TOutputFolder&) = delete;
    TOutputFolder& operator=(const TOutputFolder&) = delete;

    // `name` must be a plain file name (no separators).
    void Write(std::string_view name, std::span<const std::uint8_t> bytes);

private:
    std::filesystem::path m_folder;
    int m_handle = -1; // the open folder, where the platform has one
};
