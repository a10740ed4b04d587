#include "tools/skinpack/Files.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::filesystem::path PathFromUtf8(std::string_view text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

[[noreturn]] void Fail(const fs::path& path, const std::string& what)
{
    throw EFileError(DisplayPath(path) + ": " + what);
}

} // namespace

std::string DisplayPath(const fs::path& path)
{
#ifdef _WIN32
    try {
        auto const text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return "(unprintable path)";
    }
#else
    return path.string();
#endif
}

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path, std::uintmax_t maxSize)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        Fail(path, fs::exists(path, error) ? "not a regular file" : "no such file");
    std::uintmax_t const size = fs::file_size(path, error);
    if (error)
        Fail(path, error.message());
    if (size > maxSize)
        Fail(path, "too large (" + std::to_string(size) + " bytes, at most " + std::to_string(maxSize) + ")");

    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail(path, "cannot open for reading");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        Fail(path, "read failed");
    return bytes;
}

void WriteWholeFile(const fs::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        Fail(path, "cannot open for writing");
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        Fail(path, "write failed");
}

std::vector<TFolderFile> ListFolderFiles(const fs::path& folder, std::vector<std::string>& skipped)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        Fail(folder, fs::exists(folder, error) ? "not a folder" : "no such folder");
    std::vector<TFolderFile> files;
    fs::directory_iterator it(folder, error);
    if (error)
        Fail(folder, error.message());
    for (; it != fs::directory_iterator(); it.increment(error)) {
        fs::path const& path = it->path();
        std::string name;
        try {
#ifdef _WIN32
            auto const text = path.filename().u8string();
            name.assign(text.begin(), text.end());
#else
            name = path.filename().string();
#endif
        } catch (const std::exception&) {
            Fail(path, "the name cannot be written as UTF-8");
        }
        if (it->is_regular_file(error))
            files.push_back({ std::move(name), path });
        else
            skipped.push_back(std::move(name));
    }
    if (error)
        Fail(folder, error.message());
    return files;
}

TOutputFolder::TOutputFolder(const fs::path& folder)
    : m_folder(folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder, error))
        Fail(folder, "cannot create the folder");
#ifndef _WIN32
    m_handle = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_handle < 0)
        Fail(folder, std::strerror(errno));
#endif
}

TOutputFolder::~TOutputFolder()
{
#ifndef _WIN32
    if (m_handle >= 0)
        close(m_handle);
#endif
}

void TOutputFolder::Write(std::string_view name, std::span<const std::uint8_t> bytes)
{
    fs::path const path = m_folder / PathFromUtf8(name);
#ifdef _WIN32
    // Remove what is there (a link goes, not its target), then create anew.
    std::error_code error;
    if (fs::is_directory(fs::symlink_status(path, error)))
        Fail(path, "is a folder");
    fs::remove(path, error);
    if (error)
        Fail(path, error.message());
    WriteWholeFile(path, bytes);
#else
    // Relative to the open folder, with O_EXCL | O_NOFOLLOW after unlinking:
    // whatever was there, the new file is a fresh one inside the folder.
    std::string const file(name);
    if (unlinkat(m_handle, file.c_str(), 0) != 0 && errno != ENOENT)
        Fail(path, errno == EISDIR || errno == EPERM ? "is a folder" : std::strerror(errno));
    int const fd = openat(m_handle, file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        Fail(path, std::strerror(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t const written = write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            int const code = errno;
            close(fd);
            Fail(path, std::strerror(code));
        }
        done += static_cast<std::size_t>(written);
    }
    if (close(fd) != 0)
        Fail(path, std::strerror(errno));
#endif
}
