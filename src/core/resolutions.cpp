// The resolution list of MainWindow's 组合框1, and the split of a resolution text.
#include "core/resolutions.h"

#include <algorithm>

namespace {

// Position of the first "x" at or after `from` that stands on a character boundary, or the text's size.
// A lone lead byte at the very end ends the text.
std::size_t FindSeparator(std::string_view text, std::size_t from) {
  for (std::size_t i = from; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      i += 2;
      continue;
    }
    if (byte == 'x') return i;
    ++i;
  }
  return text.size();
}

}  // namespace

std::string ResolutionText(const DisplayMode& mode) {
  return std::to_string(mode.width) + "x" + std::to_string(mode.height);
}

std::vector<std::string> BuildResolutionList(const std::vector<DisplayMode>& modes) {
  std::vector<std::string> texts;
  for (const DisplayMode& mode : modes) {
    std::string text = ResolutionText(mode);
    if (std::find(texts.begin(), texts.end(), text) == texts.end()) texts.push_back(std::move(text));
  }
  return texts;
}

ResolutionParts SplitResolution(std::string_view text) {
  const std::size_t cut = FindSeparator(text, 0);
  if (cut >= text.size()) return {std::string(text), {}};
  const std::size_t end = FindSeparator(text, cut + 1);
  return {std::string(text.substr(0, cut)), std::string(text.substr(cut + 1, end - cut - 1))};
}
