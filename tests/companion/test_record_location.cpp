#include "companion/record_location.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <gtest/gtest.h>

using companion::chooseRecordFolder;

TEST(RecordLocation, AppNameIsTheProgramNameUpToItsFirstDot) {
    EXPECT_EQ(companion::recordAppName("tessaly"), "tessaly");
    EXPECT_EQ(companion::recordAppName("tessaly.bin.old"), "tessaly");
    EXPECT_EQ(companion::recordAppName(".tessaly"), "");
}

TEST(RecordLocation, UserFolderFollowsXdgConfigHome) {
    const auto saved = [](const char* name) { const char* v = std::getenv(name); return v != nullptr ? std::optional<std::string>(v) : std::nullopt; };
    const auto restore = [](const char* name, const std::optional<std::string>& v) { v ? ::setenv(name, v->c_str(), 1) : ::unsetenv(name); };
    const auto configHome = saved("XDG_CONFIG_HOME");
    const auto home = saved("HOME");
    ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
    EXPECT_EQ(companion::userConfigFolder(), "/somewhere/config/Tessaly");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/alice", 1);
    EXPECT_EQ(companion::userConfigFolder(), "/home/alice/.config/Tessaly");
    restore("XDG_CONFIG_HOME", configHome);
    restore("HOME", home);
}

TEST(RecordLocation, UsersOwnRecordFirstThenAWritableCfgFolder) {
    const std::string root = ::testing::TempDir() + "/record_location";
    std::filesystem::remove_all(root);
    const std::string cfg = root + "/cfg";
    const std::string user = root + "/user";
    const std::string userWithRecord = root + "/user_with_record";
    std::filesystem::create_directories(cfg);
    std::filesystem::create_directories(userWithRecord);
    std::ofstream(userWithRecord + "/tessaly_oha.ini") << "[machine]\n";

    EXPECT_EQ(chooseRecordFolder(cfg, user, "tessaly"), cfg);
    EXPECT_EQ(chooseRecordFolder(cfg, userWithRecord, "tessaly"), userWithRecord);
    // An installed program's folder that cannot be written, here one that does not exist.
    EXPECT_EQ(chooseRecordFolder(root + "/absent", user, "tessaly"), user);
    EXPECT_EQ(chooseRecordFolder(root + "/absent", "", "tessaly"), root + "/absent");
}
