// The game's parameter text, built from the player's choices; free of window code.
#pragma once

#include <span>
#include <string>
#include <string_view>

// One of the game's mouse switches (the `switches` of BuildGameCommandLine): whether its box is
// checked, and its caption at that moment.
struct MouseSwitch {
  bool checked = false;
  std::string caption;
};

// "-game cstrike -<depth> -width <w> -height <h> -freq <rate>", then " <caption>" for each checked
// switch in order. An empty resolution (no item selected) leaves out -width and -height, so the game
// keeps its own resolution.
std::string BuildGameCommandLine(std::string_view colorDepth, std::string_view resolution,
                                 std::string_view refreshRate, std::span<const MouseSwitch> switches);
