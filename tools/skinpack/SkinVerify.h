#pragma once

// Checking a skin package the way the engine loads it: the same reading
// steps over the same description rules, with each image checked (present,
// a BMP, cut into frames that fit) instead of made into a bitmap.

#include <cstddef>
#include <string>
#include <vector>

class TSkinReader;

struct TSkinReport {
    std::string Description;           // the description's entry name; empty when there is none
    std::vector<std::string> Problems; // one line each: what a skin author should fix
    std::vector<std::string> Notes;    // worth knowing, not wrong
    std::size_t ImagesChecked = 0;
    std::size_t CaptionButtons = 0;    // caption-button sections, without the MDI buttons
};

TSkinReport VerifySkin(const TSkinReader& reader);
