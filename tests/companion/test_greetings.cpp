// What the companion says, with the clock and the usage record set by each test.

#include "companion/greetings.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace std::chrono;
using companion::UsageRecord;
using platform::LocalDateTime;

namespace {

// A Sunday at ten in the morning; the run started at that moment unless a case says otherwise.
const LocalDateTime kNow = local_days{2026y / 12 / 6} + 10h;

constexpr const char* kFirstMeeting =
    "はじめまして、\r\n図案作成ツールTessalyでございます。\r\nこれからのお付き合い、よろしくお願いいたします。";
constexpr const char* kMorning = "おはようございます。\r\n調子はいかがですか？";
constexpr const char* kCelebration =
    "200回目のご利用、誠にありがとうございます。\r\nさらにすばらしい図案ができることを、期待いたします。";

// A returning user on the same computer and version, after a short run that ended well.
UsageRecord returningUser() {
    UsageRecord record;
    record.Machine = record.StoredMachine = "pc1";
    record.User = record.StoredUser = "alice";
    record.Version = record.StoredVersion = 100;
    record.UseCount = 7;
    record.ThisStart = kNow;
    record.PreviousStart = kNow - days(3);
    record.PreviousEnd = record.PreviousStart + 30min;
    record.LastGreetingTime = kNow - 1h;
    return record;
}

struct RuleCase {
    const char* name;
    std::function<void(UsageRecord&)> arrange;
    int callsBefore;
    const char* message;
    const char* title;  // the help button's caption before this greeting
};

void PrintTo(const RuleCase& c, std::ostream* out) { *out << c.name; }

class GreetingRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(GreetingRules, FirstRuleThatHoldsGivesMessageAndTitle) {
    const RuleCase& c = GetParam();
    UsageRecord record = returningUser();
    c.arrange(record);
    record.GreetingCalls = c.callsBefore;
    companion::refreshGreetingTitle(record);
    EXPECT_EQ(record.GreetingTitle, c.title);
    EXPECT_EQ(companion::greetingMessage(record, kNow), c.message);
    EXPECT_EQ(record.GreetingCalls, c.callsBefore + 1);
}

const auto firstUse = [](UsageRecord& r) { r.UseCount = 1; };
const auto celebrated = [](UsageRecord& r) { r.UseCount = 200; };

INSTANTIATE_TEST_SUITE_P(
    Companion, GreetingRules,
    ::testing::Values(
        RuleCase{"FirstUse", firstUse, 0, kFirstMeeting, "ご挨拶"},
        RuleCase{"FirstUseWithoutStoredUser", [](UsageRecord& r) { r.UseCount = 1; r.StoredUser = "  "; }, 0,
                 kFirstMeeting, "ご挨拶"},
        RuleCase{"FirstUseAfterAnotherUser", [](UsageRecord& r) { r.UseCount = 1; r.User = "bob"; }, 2,
                 "はじめまして、図案作成ツールTessalyでございます。\r\naliceさんと同様に、\r\n"
                 "これからのお付き合い、よろしくお願いいたします。",
                 "ご挨拶"},
        RuleCase{"WelcomesEndAfterThreeGreetings", firstUse, 4, kMorning, "ヘルプ"},
        RuleCase{"SecondUse", [](UsageRecord& r) { r.UseCount = 2; }, 0,
                 "２回目のご利用ありがとうございます。\r\nすばらしい図案ができるように、応援しています。", "ご挨拶"},
        RuleCase{"FirstUseBeforeNewMachine", [](UsageRecord& r) { r.UseCount = 1; r.StoredMachine = "old"; }, 0,
                 kFirstMeeting, "ご挨拶"},
        RuleCase{"NewMachineAtAnyCall", [](UsageRecord& r) { r.StoredMachine = "old"; r.UseCount = 200; }, 8,
                 "マシンが変わりましたか？\r\n新しいマシンでもよろしくお願いいたします。", "ご挨拶"},
        RuleCase{"BlankStoredMachineIsNoChange", [](UsageRecord& r) { r.StoredMachine = ""; }, 0, kMorning, "ヘルプ"},
        RuleCase{"HundredthUse", celebrated, 0, kCelebration, "お祝い！"},
        RuleCase{"HundredthUseAgainAtEveryThirdCall", celebrated, 5, kCelebration, "ヘルプ"},
        RuleCase{"HundredthUseQuietBetween", celebrated, 4, kMorning, "ヘルプ"},
        RuleCase{"NewVersion", [](UsageRecord& r) { r.StoredVersion = 90; }, 0,
                 "バージョンが新しくなりました！ これからも、よろしくお願いします。", "ご挨拶"},
        RuleCase{"NewVersionOnlyInTwoGreetings", [](UsageRecord& r) { r.StoredVersion = 90; }, 2, kMorning, "ご挨拶"},
        RuleCase{"LongAbsence", [](UsageRecord& r) { r.PreviousStart = r.PreviousEnd = kNow - days(30); }, 0,
                 "お久しぶりです。\r\n調子はいかがですか？", "ご挨拶"},
        RuleCase{"PreviousRunNeverEnded", [](UsageRecord& r) { r.PreviousEnd = r.PreviousStart - 1h; }, 0,
                 "調子はいかがですか？？？", "ヘルプ？"},
        RuleCase{"LongPreviousRun", [](UsageRecord& r) { r.PreviousEnd = r.PreviousStart + 2h; }, 0,
                 "前回は、長時間のご使用、お疲れ様でした。\r\n調子はいかがですか？", "ヘルプ？"},
        RuleCase{"PreviousRunJustUnderTwoHours", [](UsageRecord& r) { r.PreviousEnd = r.PreviousStart + 119min; }, 0,
                 kMorning, "ヘルプ"}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return std::string(info.param.name); });

TEST(Greetings, TheHourOfTheClockGreetsWhenNoRuleHolds) {
    const struct {
        int hour;
        const char* words;
    } table[] = {{4, "おはようございます。"}, {11, "おはようございます。"}, {12, "こんにちわ。"}, {15, "こんにちわ。"},
                 {16, "お疲れ様さまです。"}, {21, "お疲れ様さまです。"},   {22, "ご苦労様です。"}, {0, "ご苦労様です。"},
                 {3, "ご苦労様です。"}};
    for (const auto& at : table) {
        UsageRecord record = returningUser();
        const LocalDateTime now = local_days{2026y / 12 / 6} + hours(at.hour) + 5min;
        record.ThisStart = now;
        EXPECT_EQ(companion::greetingMessage(record, now), std::string(at.words) + "\r\n調子はいかがですか？") << at.hour;
    }
}

TEST(Greetings, ASecondGreetingWithinTwoSecondsAsksWhatIsTheMatterAndCountsNothing) {
    UsageRecord record = returningUser();
    record.UseCount = 1;
    EXPECT_EQ(companion::greetingMessage(record, kNow), kFirstMeeting);
    EXPECT_EQ(companion::greetingMessage(record, kNow + 1s), "どうしましたか？");
    EXPECT_EQ(companion::greetingMessage(record, kNow + 2s), "どうしましたか？");  // measured from the last one
    EXPECT_EQ(record.GreetingCalls, 1);
    EXPECT_EQ(record.LastGreetingTime, kNow + 2s);
    // A clock put back counts the same distance.
    record.LastGreetingTime = kNow + 61s;
    EXPECT_EQ(companion::greetingMessage(record, kNow + 60s), "どうしましたか？");
    EXPECT_EQ(companion::greetingMessage(record, kNow + 63s), kFirstMeeting);
    EXPECT_EQ(record.GreetingCalls, 2);
}

TEST(Greetings, EverySecondGreetingAfterAnHourOfWorkIsARestReminder) {
    const struct {
        minutes worked;
        const char* reminder;
    } cases[] = {{85min, "１時間と25分たちました。\r\n調子はいかがですか？"},
                 {60min, "１時間と0分たちました。\r\n調子はいかがですか？"},
                 {120min, "大丈夫ですか？ そろそろご休息を、、"},
                 {59min, kMorning}};
    for (const auto& c : cases) {
        UsageRecord record = returningUser();
        record.ThisStart = kNow - c.worked;
        for (int call = 1; call <= 4; ++call) {
            const LocalDateTime now = kNow + seconds(10 * call);
            EXPECT_EQ(companion::greetingMessage(record, now), call % 2 == 0 ? c.reminder : kMorning)
                << c.worked.count() << " minutes, call " << call;
        }
    }
}

TEST(Greetings, TheTitleUsesUpNoGreeting) {
    UsageRecord record = returningUser();
    record.UseCount = 1;
    for (int i = 0; i < 5; ++i) companion::refreshGreetingTitle(record);
    EXPECT_EQ(record.GreetingCalls, 0);
    EXPECT_EQ(record.LastGreetingTime, kNow - 1h);
    for (int call = 1; call <= 3; ++call) {
        EXPECT_EQ(companion::greetingMessage(record, kNow + seconds(10 * call)), kFirstMeeting) << call;
        companion::refreshGreetingTitle(record);
    }
    EXPECT_EQ(record.GreetingTitle, "ご挨拶");
    EXPECT_EQ(companion::greetingMessage(record, kNow + 40s), kMorning);
    companion::refreshGreetingTitle(record);
    EXPECT_EQ(record.GreetingTitle, "ヘルプ");
}

TEST(Greetings, FarewellThanksByUsesAndWorkAndSaysGoodbyeByTheClock) {
    const LocalDateTime morning = local_days{2026y / 12 / 6} + 9h;
    const struct {
        int uses;
        LocalDateTime started;
        LocalDateTime now;
        const char* farewell;
    } cases[] = {
        {9, morning, morning + 400min, "ご利用ありがとうございます。\r\nまたのご利用をお待ちしております。"},
        {10, morning, morning + 301min, "良い作品はできたでしょうか？\r\nとっても、とっても、ご苦労さまでした。"},
        {10, morning, morning + 300min, "良い作品はできたでしょうか？\r\nとっても、ご苦労さまでした。"},
        {10, morning, morning + 181min, "良い作品はできたでしょうか？\r\nとっても、ご苦労さまでした。"},
        {10, morning, morning + 61min, "良い作品はできたでしょうか？\r\nご苦労さまでした。"},
        {10, morning, morning + 45min, "良い作品はできたでしょうか？\r\nお疲れ様でした。"},
        {10, morning + 45min, morning, "良い作品はできたでしょうか？\r\nお疲れ様でした。"},  // clock put back
        {10, morning, morning + 30min, "朝からの、ご利用ありがとうございます。\r\nでは、また、、"},
        {10, morning - 10min, morning - 10min + 1s, "早朝からの、ご利用ありがとうございます。\r\nそれでは、、"},
        {10, morning - 7h, morning - 7h + 2s, "早朝からの、ご利用ありがとうございます。\r\nまた、あとで、、"},
        {10, morning - 8h, morning - 8h + 3s, "ご利用ありがとうございます。\r\nでは、また、、"},
        {10, morning + 1h, morning + 1h + 10s, "朝からの、ご利用ありがとうございます。\r\nそれでは、、"},
        {10, morning + 2h, morning + 2h, "ご利用ありがとうございます。\r\nでは、また、、"},
    };
    for (const auto& c : cases) {
        UsageRecord record = returningUser();
        record.UseCount = c.uses;
        record.ThisStart = c.started;
        EXPECT_EQ(companion::farewell(record, c.now), c.farewell) << c.farewell;
    }
}

}  // namespace
