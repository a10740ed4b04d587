#pragma once

// Skins where authors keep them: a folder of files packed on the fly, or a
// compressed skin stream read into a reader. `skinpack` and the previewer
// share these, so a skin reads the same in both.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

class TSkinReader;

// The regular files directly inside `folder` packed into a compressed skin
// stream, `except` left out (a package written into the folder itself).
// `skipped` gets what else is there. Throws EFileError for what cannot be
// read and ESkinPackError for files that make no valid package.
std::vector<std::uint8_t> PackFolder(const std::filesystem::path& folder, std::vector<std::string>& skipped,
                                     const std::filesystem::path& except = {});

// Loads a compressed skin stream into the reader. Throws ESkinPackError
// saying what is wrong when it is no skin package of the reader's version,
// and passes on the reader's own errors for a malformed one.
void LoadSkinStream(TSkinReader& reader, std::span<const std::uint8_t> stream);
