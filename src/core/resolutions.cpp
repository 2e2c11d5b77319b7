// The resolution list of MainWindow's 组合框1, and the split of a resolution text.
#include "core/resolutions.h"

#include <algorithm>

#include "base/text.h"

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
  const std::size_t cut = cp936::Find(text, 'x');
  if (cut == std::string_view::npos) return {std::string(text), {}};
  const std::size_t end = cp936::Find(text, 'x', cut + 1);
  // Without a second x, end - cut - 1 is past the end: the height runs to the end of the text.
  return {std::string(text.substr(0, cut)), std::string(text.substr(cut + 1, end - cut - 1))};
}
