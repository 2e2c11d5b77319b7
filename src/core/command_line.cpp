// The game's parameter text.
#include "core/command_line.h"

#include "core/resolutions.h"

std::string BuildGameCommandLine(std::string_view colorDepth, std::string_view resolution,
                                 std::string_view refreshRate, std::span<const MouseSwitch> switches) {
  std::string text = "-game cstrike -";
  text.append(colorDepth);
  if (!resolution.empty()) {
    const ResolutionParts parts = SplitResolution(resolution);
    text += " -width ";
    text += parts.width;
    text += " -height ";
    text += parts.height;
  }
  text += " -freq ";
  text.append(refreshRate);
  for (const MouseSwitch& s : switches) {
    if (!s.checked) continue;
    text += ' ';
    text += s.caption;
  }
  return text;
}
