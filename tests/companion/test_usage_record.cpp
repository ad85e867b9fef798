#include "companion/usage_record.h"

#include "platform/ini_file.h"
#include "platform/scratch_files.h"

#include <array>

using namespace std::chrono;
using companion::loadUsageRecord;
using companion::saveUsageRecord;
using companion::SaveMode;
using companion::UsageEnvironment;
using companion::UsageRecord;
using platform::LocalDateTime;

namespace {

constexpr const char* kUrl = "https://tessaly.example/";
const LocalDateTime kNow = local_days{2026y / 12 / 6} + 10h;

class UsageRecordTest : public ::testing::Test {
protected:
    // Tests run side by side: each has a folder of its own.
    void SetUp() override { folder_ = scratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()); }

    // As the main window prepares it before loading.
    UsageRecord freshRecord() const {
        UsageRecord record;
        record.AppName = "tessaly";
        record.Folder = folder_;
        record.Version = 100;
        record.HomepageUrl = kUrl;
        const char* keys[] = {"Ini_No", "op1", "op2", "C_def", "size_size", "size_scale", "count_x", "count_y", "data_dir", "put_op"};
        for (std::size_t i = 0; i < std::size(keys); ++i) record.OptionKeys[i] = keys[i];
        return record;
    }

    UsageRecord loaded(const std::string& user, LocalDateTime now = kNow) const {
        UsageRecord record = freshRecord();
        EXPECT_TRUE(loadUsageRecord(record, UsageEnvironment{now, "pc1", user}));
        return record;
    }

    std::string path() const { return folder_ + "/tessaly_oha.ini"; }
    void writeFile(const std::string& text) const { writeBytes(path(), text); }
    std::string fileText() const { return readBytes(path()); }
    platform::IniFile file() const { return platform::IniFile::load(path()).value(); }

    // Twenty users, each last seen on the given day of November 2026 unless its end is given.
    void writeTwentyUsers(const std::string& oddEnd = "") const {
        std::string text = "[machine]\r\nname=pc1\r\nuser=u00\r\n[ap]\r\nvar=100\r\nurl=x\r\n";
        for (int i = 0; i < 20; ++i) {
            char slot[128];
            std::snprintf(slot, sizeof slot, "[user%02d]\r\nname=u%02d\r\nstart=20260101000000\r\ntime_s=20261101000000\r\ntime_e=%s\r\ntimes_all=5\r\n",
                          i, i, oddEnd.empty() ? (i == 7 ? "20261102000000" : "20261120000000") : oddEnd.c_str());
            text += slot;
        }
        writeFile(text);
    }

    std::string folder_;
};

TEST_F(UsageRecordTest, FirstRunTakesSlotZeroAndWritesExactlyTheListedKeys) {
    const UsageRecord record = loaded("alice");
    EXPECT_EQ(fileText(),
              "[machine]\r\nname=pc1\r\nuser=alice\r\n"
              "[ap]\r\nvar=100\r\nurl=https://tessaly.example/\r\n"
              "[user00]\r\nname=alice\r\nstart=20261206100000\r\ntime_s=20261206100000\r\ntimes_all=1\r\n");
    EXPECT_EQ(record.UserSection, "user00");
    EXPECT_EQ(record.UseCount, 1);
    EXPECT_EQ(record.StoredVersion, 0);
    EXPECT_EQ(record.StoredMachine, "");
    EXPECT_EQ((std::array{record.FirstUse, record.PreviousStart, record.PreviousEnd, record.ThisStart}),
              (std::array{kNow, kNow, kNow, kNow}));
    EXPECT_EQ(record.GreetingTitle, "ご挨拶");  // the first meeting
}

TEST_F(UsageRecordTest, ReturningUserFindsSlotAndHistoryAndAnotherUserTakesTheNextSlot) {
    UsageRecord first = loaded("alice");
    ASSERT_EQ(saveUsageRecord(first, SaveMode::Normal, kNow + 1h), "");
    loaded("bob", kNow + 2h);

    const UsageRecord again = loaded("alice", kNow + 24h);
    EXPECT_EQ(again.UserSection, "user00");
    EXPECT_EQ(again.UseCount, 2);
    EXPECT_EQ((std::array{again.FirstUse, again.PreviousStart, again.PreviousEnd, again.ThisStart}),
              (std::array{kNow, kNow, kNow + 1h, kNow + 24h}));
    EXPECT_EQ(again.StoredUser, "bob");
    EXPECT_EQ(file().readString("user01", "name", ""), "bob");
    EXPECT_EQ(file().readString("machine", "user", ""), "alice");
}

TEST_F(UsageRecordTest, TwentyFirstUserReplacesTheOneWhoLeftEarliest) {
    writeTwentyUsers();
    const UsageRecord record = loaded("newcomer");
    EXPECT_EQ(record.UserSection, "user07");
    EXPECT_EQ(record.UseCount, 1);
    EXPECT_EQ(record.PreviousEnd, kNow);
    const platform::IniFile ini = file();
    EXPECT_EQ(ini.readString("user07", "name", ""), "newcomer");
    EXPECT_EQ(ini.readString("user07", "start", ""), "20261206100000");
    EXPECT_EQ(ini.readInteger("user07", "times_all", 0), 1);
    EXPECT_EQ(ini.readString("user06", "name", ""), "u06");
}

// Every end unreadable (so now) or later than now: the newcomer takes slot 0 rather than none.
TEST_F(UsageRecordTest, NoSlotEndedBeforeNowGivesSlotZero) {
    for (const char* end : {"garbage", "20301231000000"}) {
        writeTwentyUsers(end);
        const UsageRecord record = loaded("newcomer");
        EXPECT_EQ(record.UserSection, "user00") << end;
        EXPECT_EQ(record.UseCount, 1) << end;
        EXPECT_EQ(file().readString("user00", "name", ""), "newcomer") << end;
    }
}

TEST_F(UsageRecordTest, UnreadableLastEndIsTakenAsNow) {
    for (const char* endLine : {"", "time_e=20261130\r\n", "time_e=20260230120000\r\n", "time_e=2026113012000x\r\n"}) {
        writeFile(std::string("[user00]\r\nname=alice\r\nstart=20260101000000\r\ntime_s=20261130090000\r\n") + endLine + "times_all=3\r\n");
        const UsageRecord record = loaded("alice");
        EXPECT_EQ(record.PreviousEnd, kNow) << endLine;
        EXPECT_EQ(record.PreviousStart, local_days{2026y / 11 / 30} + 9h) << endLine;
        EXPECT_EQ(record.UseCount, 4) << endLine;
    }
}

TEST_F(UsageRecordTest, DefaultAddressReplacesAnEmptyOneOrOneOfAnotherVersion) {
    const struct {
        const char* ap;
        const char* url;
    } cases[] = {
        {"var=100\r\nurl=https://mirror.example/\r\n", "https://mirror.example/"},
        {"var=100\r\nurl=  \r\n", kUrl},
        {"var=90\r\nurl=https://mirror.example/\r\n", kUrl},
    };
    for (const auto& c : cases) {
        writeFile(std::string("[ap]\r\n") + c.ap);
        EXPECT_EQ(loaded("alice").HomepageUrl, c.url) << c.ap;
        EXPECT_EQ(file().readString("ap", "url", ""), c.url) << c.ap;
        EXPECT_EQ(file().readInteger("ap", "var", 0), 100) << c.ap;
    }
}

TEST_F(UsageRecordTest, SavingWithAnEmptyValueKeepsTheStoredOne) {
    writeFile("[option]\r\nC_def=30\r\nop1=1\r\n; the user's note\r\n");
    UsageRecord record = loaded("alice");
    EXPECT_EQ(record.OptionValues[3], "30");
    record.OptionValues[1] = "0";
    record.OptionValues[3] = "";
    record.OptionValues[8] = "/home/alice/図案";
    ASSERT_EQ(saveUsageRecord(record, SaveMode::Normal, kNow + 1h), "");
    const platform::IniFile ini = file();
    EXPECT_EQ(ini.readString("option", "C_def", ""), "30");
    EXPECT_EQ(ini.readString("option", "op1", ""), "0");
    EXPECT_EQ(ini.readString("option", "data_dir", ""), "/home/alice/図案");
    EXPECT_EQ(ini.readString("user00", "time_e", ""), "20261206110000");
    EXPECT_EQ(record.PreviousEnd, kNow + 1h);
    EXPECT_NE(fileText().find("; the user's note\r\n"), std::string::npos);
}

TEST_F(UsageRecordTest, LeavingWithForgetOptionsErasesEveryOption) {
    writeFile("[option]\r\nC_def=30\r\nput_op=1\r\nunknown=1\r\n");
    UsageRecord record = loaded("alice");
    record.OptionValues[0] = "1";
    ASSERT_EQ(saveUsageRecord(record, SaveMode::ForgetOptions, kNow + 1h), "");
    EXPECT_EQ(fileText().find("[option]"), std::string::npos);
    const UsageRecord next = loaded("alice", kNow + 2h);
    for (const std::string& value : next.OptionValues) EXPECT_EQ(value, "");
    EXPECT_EQ(next.UseCount, 2);
}

// The count stops at the largest it can hold, also when the file holds a larger one.
TEST_F(UsageRecordTest, RunCountsNeverWrap) {
    for (const char* stored : {"2147483647", "99999999999"}) {
        writeFile(std::string("[user00]\r\nname=alice\r\nstart=20260101000000\r\ntimes_all=") + stored + "\r\n");
        const UsageRecord record = loaded("alice");
        EXPECT_EQ(record.UseCount, 2147483647) << stored;
        EXPECT_EQ(record.FirstUse, local_days{2026y / 1 / 1}) << stored;
        EXPECT_EQ(file().readString("user00", "times_all", ""), "2147483647") << stored;
    }
}

TEST_F(UsageRecordTest, WithoutProgramNameOrFolderNothingIsLoadedOrWritten) {
    for (const bool withoutName : {true, false}) {
        UsageRecord record = freshRecord();
        (withoutName ? record.AppName : record.Folder).clear();
        EXPECT_FALSE(loadUsageRecord(record, UsageEnvironment{kNow, "pc1", "alice"}));
        EXPECT_EQ(record.User, "alice");
        EXPECT_EQ(saveUsageRecord(record, SaveMode::Normal, kNow), "");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

}  // namespace
