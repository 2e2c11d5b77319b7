// Texts the model hands to the system for its dialogs and drive list.
#include "ui/model/dialog_texts.h"

namespace ui {

std::string SystemDialogFilter(std::string_view filter) {
  std::string text(filter);
  if (text.size() < 2 || text.compare(text.size() - 2, 2, "||") != 0) text += "||";
  for (size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) >= 0x80) {
      i += 2;  // the second byte of a two-byte character is never a separator
      continue;
    }
    if (text[i] == '|') text[i] = '\0';
    ++i;
  }
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
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  std::string text{letter, ':'};
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
