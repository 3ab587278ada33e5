// The settings store read through QSettings, from a folder of the test's own.

#include "qt/platform/qt_registry.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace cal {
namespace {

class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    void write(const QByteArray& contents) {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("SPROUTWORKS")));
        QFile file(dir.filePath(QStringLiteral("SPROUTWORKS/CALENDAR.conf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir dir;
    qtui::QtRegistry registry;
};

TEST_F(RegistryTest, NoStoreMeansNoKey) {
    EXPECT_FALSE(registry.keyExists("Directory"));
    EXPECT_EQ(registry.value("Directory", "Kick"), std::nullopt);
}

TEST_F(RegistryTest, KeysAreGroupsAndValuesLiveUnderThem) {
    write("[Directory]\nKick=/home/hoiku/カレンダー\n[Other]\nx=1\n");
    EXPECT_TRUE(registry.keyExists("Directory"));
    EXPECT_TRUE(registry.keyExists("Other"));
    EXPECT_FALSE(registry.keyExists("Missing"));
    EXPECT_EQ(registry.value("Directory", "Kick"), "/home/hoiku/カレンダー");
    EXPECT_EQ(registry.value("Directory", "Other"), std::nullopt);
    EXPECT_EQ(registry.value("Other", "Kick"), std::nullopt);
    EXPECT_EQ(registry.value("Missing", "Kick"), std::nullopt);
}

TEST_F(RegistryTest, ValuesWithCommasReadWhole) {
    write("[Directory]\nKick=/data/a,b\n");
    EXPECT_EQ(registry.value("Directory", "Kick"), "/data/a,b");
}

}  // namespace
}  // namespace cal
