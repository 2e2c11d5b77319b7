// What a player reads at start when his system gives the launcher another code page than 936.
#include <gtest/gtest.h>

#include <string>

#include "core/code_page_notice.h"

TEST(CodePageNotice, NamesTheLocaleWhereToSetItAndTheCodePageFoundInChineseThenEnglish) {
  for (unsigned found : {1252u, 950u, 65001u}) {
    SCOPED_TRACE(found);
    const std::string text = CodePageNotice(found);
    const auto has = [&](const std::string& part) { return text.find(part) != std::string::npos; };
    EXPECT_TRUE(has("代码页是 " + std::to_string(found) + "，"));
    EXPECT_TRUE(has("“中文(简体，中国)”：控制面板 > 区域（Windows 7 为“区域和语言”）> 管理 > 更改系统区域设置"));
    EXPECT_TRUE(has("code page " + std::to_string(found) + ", "));
    EXPECT_TRUE(has("Chinese (Simplified, China): Control Panel > Region (Windows 7: Region and Language) > "
                    "Administrative > Change system locale"));
    EXPECT_LT(text.find("中文"), text.find("Chinese"));
    // Windows' UTF-8 beta option is named, in both languages, only where it gives the code page.
    EXPECT_EQ(has("取消勾选“Beta 版: 使用 Unicode UTF-8 提供全球语言支持”"), found == 65001);
    EXPECT_EQ(has("untick \"Beta: Use Unicode UTF-8 for worldwide language support\""), found == 65001);
  }
}
