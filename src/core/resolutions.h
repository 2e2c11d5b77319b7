// The resolution list of MainWindow's 组合框1, built from the display modes the system reports, and the
// split of a resolution text into width and height. Free of window code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One display mode as the system reports it. Only width and height make the resolution list.
struct DisplayMode {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint32_t bitsPerPel = 0;
  std::uint32_t displayFrequency = 0;
};

// "1024x768": decimal width, the letter x, decimal height.
std::string ResolutionText(const DisplayMode& mode);

// Every resolution once, in the order of its first appearance among the modes; not sorted.
std::vector<std::string> BuildResolutionList(const std::vector<DisplayMode>& modes);

struct ResolutionParts {
  std::string width;
  std::string height;
};

// Cuts a resolution text at its first "x": the width before it, the height after it up to the next "x"
// or the end. Only an "x" that begins a character counts: the second byte of a two-byte character is
// never a separator. Without an "x" the whole text is the width.
ResolutionParts SplitResolution(std::string_view text);
