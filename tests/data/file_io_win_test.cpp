// Saves on Windows: a file with the read-only attribute or held open by
// another program is reported and kept whole. Windows only: attributes and
// sharing modes are Windows' own.
#include "data/file_io.h"
#include "data/win32.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace cal::test {
namespace {

namespace fs = std::filesystem;

const std::string kOld(4000, 'o');
const std::string kNew(5000, 'n');

class WindowsSave : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return dir.file("Calendar_dat", name); }
    int entries() const {
        return static_cast<int>(std::distance(fs::directory_iterator(u8path(file(""))), fs::directory_iterator()));
    }
    TempDataDir dir;
};

TEST_F(WindowsSave, AReadOnlyFileIsRefusedAndKeepsItsAttribute) {
    const std::string path = file("ゆり組.dat");
    writeBytes(path, kOld);
    const std::wstring wide = u8path(path).wstring();
    ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_READONLY));
    std::string error;
    EXPECT_FALSE(canReplaceFile(path, error));
    EXPECT_FALSE(writeFileReplacing(path, kNew, error));
    EXPECT_EQ(error, "書き込みが許可されていません");
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
    EXPECT_EQ(entries(), 1);
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WindowsSave, AFileOpenInAnotherProgramIsReportedNotLostAndSavedOnceClosed) {
    const std::string path = file("Calendar200301.dat");
    writeBytes(path, kOld);
    // As a spreadsheet or a viewer holds a file: reading, not letting it go.
    const HANDLE held = CreateFileW(u8path(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string error;
    EXPECT_FALSE(writeFileReplacing(path, kNew, error));
    EXPECT_EQ(error, "ほかのプログラムがファイルを開いています");
    EXPECT_EQ(entries(), 1);
    CloseHandle(held);
    EXPECT_EQ(readBytes(path), kOld);
    ASSERT_TRUE(writeFileReplacing(path, kNew, error)) << error;
    EXPECT_EQ(readBytes(path), kNew);
}

}  // namespace
}  // namespace cal::test
