// The user's folders on Windows are read from the wide environment: a user
// named in Japanese keeps the name (the ANSI environment gives "??").
// Windows only.
#include "app/environment.h"
#include "app/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace cal {
namespace {

TEST(UserFoldersWindows, AJapaneseUserNameReachesTheRecoveryFolderWhole) {
    const wchar_t* old = _wgetenv(L"LOCALAPPDATA");
    const std::optional<std::wstring> kept = old ? std::optional<std::wstring>(old) : std::nullopt;
    ASSERT_EQ(_wputenv_s(L"LOCALAPPDATA", L"C:\\Users\\山田\\AppData\\Local"), 0);
    EXPECT_EQ(environment("LOCALAPPDATA"), "C:\\Users\\山田\\AppData\\Local");
    EXPECT_EQ(userRecoveryRoot(), "C:\\Users\\山田\\AppData\\Local\\nursery-calendar\\recovery");
    _wputenv_s(L"LOCALAPPDATA", kept ? kept->c_str() : L"");
}

}  // namespace
}  // namespace cal
