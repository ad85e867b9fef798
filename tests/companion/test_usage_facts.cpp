#include "companion/usage_facts.h"
#include "companion/web_address.h"

#include <gtest/gtest.h>

using namespace std::chrono;

namespace {

TEST(UsageFacts, ListVersionDaysCountMachineUserAndInstallationFolder) {
    companion::UsageRecord record;
    record.Version = 100;
    record.FirstUse = local_days{2025y / 3 / 9} + 23h;
    record.PreviousStart = local_days{2026y / 12 / 1} + 1h;
    record.UseCount = 1234;
    record.Machine = "pc1";
    record.User = "alice";
    EXPECT_EQ(companion::usageFacts(record, "/opt/tessaly/cfg/"),
              (std::vector<std::string>{"テサリー Ver1.00", "利用開始日 2025/03/09", "前回利用日 2026/12/01",
                                        "利用回数    1,234回", "利用マシン pc1", "利用ユーザ alice 様",
                                        "ｲﾝｽﾄｰﾙ先   /opt/tessaly/"}));
    record.Version = 205;
    record.UseCount = 7;
    const std::vector<std::string> facts = companion::usageFacts(record, "cfg");
    EXPECT_EQ(facts[0], "テサリー Ver2.05");
    EXPECT_EQ(facts[3], "利用回数    7回");
    EXPECT_EQ(facts[6], "ｲﾝｽﾄｰﾙ先   ");
}

TEST(WebAddress, OnlyHttpAndHttpsAddressesWithAHostGoToTheBrowser) {
    const struct {
        const char* address;
        bool web;
    } cases[] = {
        {"https://example.org/tessaly", true}, {"http://example.org", true},  {"HTTPS://EXAMPLE.ORG/", true},
        {"  https://example.org/ \r\n", true}, {"", false},                    {"   ", false},
        {"file:///etc/passwd", false},         {"/usr/bin/xterm", false},      {"C:\\Windows\\notepad.exe", false},
        {"javascript:alert(1)", false},        {"mailto:someone@example.org", false},
        {"ftp://example.org/", false},         {"httpx://example.org/", false}, {"https://", false},
        {"https:///etc/passwd", false},        {"https://example.org/a b", false},
        {"https://exa\x01mple.org/", false},   {"example.org", false},
    };
    for (const auto& c : cases) EXPECT_EQ(companion::isWebAddress(c.address), c.web) << c.address;
}

}  // namespace
