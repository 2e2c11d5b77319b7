// Texts the model hands to the system for its dialogs and drive list, free of window code.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// An open-file dialog's filter "desc|pattern|desc|pattern" as the system takes it: "||" is appended
// unless the text ends with it, then every "|" on a character boundary becomes a zero byte.
std::string SystemDialogFilter(std::string_view filter);

enum class DriveKind { Unknown, NoRootDir, Removable, Fixed, Remote, CdRom, RamDisk };

// A date and time as a message shows it.
struct Date {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};
// "2026年12月9日", followed by "8时5分0秒" when the time of day is not midnight.
std::string DateText(const Date& date);

// A drive list item: the upper-case letter, a colon, and a suffix for some kinds of drive.
std::string DriveItemText(char letter, DriveKind kind, std::string_view volumeLabel);

}  // namespace ui
