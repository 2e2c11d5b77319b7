// What the launcher tells a player whose system gives it another code page than 936.
#include "core/code_page_notice.h"

std::string CodePageNotice(unsigned found) {
  const std::string cp = std::to_string(found);
  const bool utf8 = found == 65001;  // Windows' UTF-8 beta option is ticked
  return "启动器的文字都是简体中文（代码页 936），但本系统给它的代码页是 " + cp +
         "，窗口里的文字会显示成乱码。\r\n"
         "请把系统区域设置（“非 Unicode 程序的语言”）改为“中文(简体，中国)”：控制面板 > 区域（Windows 7 为"
         "“区域和语言”）> 管理 > 更改系统区域设置" +
         (utf8 ? "，并取消勾选“Beta 版: 使用 Unicode UTF-8 提供全球语言支持”" : "") +
         "，然后按提示重启电脑。\r\n\r\n"
         "The launcher's texts are Simplified Chinese (code page 936), but this system gives it code page " +
         cp +
         ", so its window shows garbled text.\r\n"
         "Set the system locale (\"Language for non-Unicode programs\") to Chinese (Simplified, China): Control "
         "Panel > Region (Windows 7: Region and Language) > Administrative > Change system locale" +
         (utf8 ? ", untick \"Beta: Use Unicode UTF-8 for worldwide language support\"" : "") +
         ", then restart the computer as asked.";
}
