#pragma once
// Screenshots of the previewer: its main window with each page in front.

#include <filesystem>
#include <vector>

namespace tandrel {

class TViewerForm;

// Brings each page of the shown, skinned viewer to the front in turn and
// saves the whole window as a BMP in folder ("1-buttons-and-lists.bmp" and
// so on, numbered in tab order). Answers the files written; throws
// std::runtime_error when one cannot be written.
std::vector<std::filesystem::path> SaveTabShots(TViewerForm& viewer, const std::filesystem::path& folder);

} // namespace tandrel
