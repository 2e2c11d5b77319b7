// Texts the model hands to the system for its dialogs and drive list.
#include "ui/model/dialog_texts.h"

#include "base/text.h"

namespace ui {

std::string SystemDialogFilter(std::string_view filter) {
  std::string text(filter);
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "||") != 0) text += "||";
  cp936::ForEachCharacter(text, [&](size_t at) {
    if (text[at] == '|') text[at] = '\0';  // a one-byte character: the length of no character changes
    return true;
  });
  return text;
}

std::string DateText(const Date& date) {
  std::string text = std::to_string(date.year) + "年" + std::to_string(date.month) + "月" +
                     std::to_string(date.day) + "日";
  if (date.hour != 0 || date.minute != 0 || date.second != 0) {
    text += std::to_string(date.hour) + "时" + std::to_string(date.minute) + "分" + std::to_string(date.second) + "秒";
  }
  return text;
}

std::string DriveItemText(char letter, DriveKind kind, std::string_view volumeLabel) {
  std::string text{cp936::UpperAscii(letter), ':'};
  switch (kind) {
    case DriveKind::Fixed:
      text += " （硬盘）";
      if (!volumeLabel.empty()) {
        text += ' ';
        text.append(volumeLabel);
      }
      break;
    case DriveKind::Remote: text += " （网络驱动器）"; break;
    case DriveKind::CdRom: text += " （光驱）"; break;
    case DriveKind::RamDisk: text += " （内存虚拟驱动器）"; break;
    default: break;
  }
  return text;
}

}  // namespace ui
