#include "companion/greetings.h"

#include "platform/text_codec.h"

#include <chrono>
#include <optional>

namespace companion {
namespace {

using namespace std::chrono;

constexpr const char* kHowAreYou = "調子はいかがですか？";
constexpr const char* kHello = "ご挨拶";
constexpr const char* kHelp = "ヘルプ？";

struct Greeting {
    std::string message;
    std::string title;
};

template <typename Unit>
long long whole(LocalDateTime from, LocalDateTime to) {
    return duration_cast<Unit>(to - from).count();
}

template <typename Unit>
long long wholeApart(LocalDateTime a, LocalDateTime b) {
    const long long count = whole<Unit>(a, b);
    return count < 0 ? -count : count;
}

int hourOf(LocalDateTime moment) { return static_cast<int>(hh_mm_ss(moment - floor<days>(moment)).hours().count()); }

bool blank(const std::string& text) { return platform::trimBlanks(text).empty(); }

// The greetings the record earns, the first that holds winning; nullopt leaves the greeting of the
// hour. Welcomes and thanks are said only in the first few greetings of a run (calls ≤ 3), so that
// later clicks on the help button hear something else.
std::optional<Greeting> recordGreeting(const UsageRecord& r, int calls) {
    const bool early = calls <= 3;
    if (r.UseCount <= 1 && early) {
        if (r.StoredUser == r.User || blank(r.StoredUser)) {
            return Greeting{"はじめまして、\r\n図案作成ツールTessalyでございます。\r\n"
                            "これからのお付き合い、よろしくお願いいたします。",
                            kHello};
        }
        return Greeting{"はじめまして、図案作成ツールTessalyでございます。\r\n" + r.StoredUser +
                            "さんと同様に、\r\nこれからのお付き合い、よろしくお願いいたします。",
                        kHello};
    }
    if (r.UseCount <= 2 && early) {
        return Greeting{"２回目のご利用ありがとうございます。\r\nすばらしい図案ができるように、応援しています。", kHello};
    }
    if (!blank(r.StoredMachine) && r.StoredMachine != r.Machine) {
        return Greeting{"マシンが変わりましたか？\r\n新しいマシンでもよろしくお願いいたします。", kHello};
    }
    if (r.UseCount % 100 == 0 && (early || calls % 3 == 0)) {
        return Greeting{std::to_string(r.UseCount) +
                            "回目のご利用、誠にありがとうございます。\r\nさらにすばらしい図案ができることを、期待いたします。",
                        "お祝い！"};
    }
    if (r.StoredVersion != r.Version && calls <= 2) {
        return Greeting{"バージョンが新しくなりました！ これからも、よろしくお願いします。", kHello};
    }
    if (wholeApart<days>(r.PreviousStart, r.ThisStart) >= 30 && early) {
        return Greeting{std::string("お久しぶりです。\r\n") + kHowAreYou, kHello};
    }
    // A previous run that started after it last ended never ended normally.
    if (r.PreviousStart > r.PreviousEnd && early) return Greeting{"調子はいかがですか？？？", kHelp};
    if (wholeApart<hours>(r.PreviousStart, r.PreviousEnd) >= 2 && early) {
        return Greeting{std::string("前回は、長時間のご使用、お疲れ様でした。\r\n") + kHowAreYou, kHelp};
    }
    return std::nullopt;
}

std::string greetingOfTheHour(LocalDateTime now) {
    const int hour = hourOf(now);
    const char* words = hour >= 4 && hour <= 11    ? "おはようございます。"
                        : hour >= 12 && hour <= 15 ? "こんにちわ。"
                        : hour >= 16 && hour <= 21 ? "お疲れ様さまです。"
                                                   : "ご苦労様です。";
    return std::string(words) + "\r\n" + kHowAreYou;
}

// Every second greeting after an hour of work is about the user rather than the program.
std::optional<std::string> restReminder(const UsageRecord& r, LocalDateTime now) {
    const long long workedHours = whole<hours>(r.ThisStart, now);
    if (workedHours >= 2) return "大丈夫ですか？ そろそろご休息を、、";
    if (workedHours == 1) {
        return "１時間と" + std::to_string(whole<minutes>(r.ThisStart, now) - 60) + "分たちました。\r\n" + kHowAreYou;
    }
    return std::nullopt;
}

}  // namespace

std::string greetingMessage(UsageRecord& record, LocalDateTime now) {
    const bool again = wholeApart<seconds>(record.LastGreetingTime, now) < 2;
    record.LastGreetingTime = now;
    if (again) return "どうしましたか？";

    const int calls = ++record.GreetingCalls;
    if (calls % 2 == 0) {
        if (std::optional<std::string> reminder = restReminder(record, now)) return *reminder;
    }
    if (std::optional<Greeting> earned = recordGreeting(record, calls)) return earned->message;
    return greetingOfTheHour(now);
}

std::string greetingTitle(const UsageRecord& record) {
    const std::optional<Greeting> earned = recordGreeting(record, record.GreetingCalls);
    return earned ? earned->title : std::string();
}

void refreshGreetingTitle(UsageRecord& record) {
    record.GreetingTitle = greetingTitle(record);
    if (record.GreetingTitle.empty()) record.GreetingTitle = "ヘルプ";
}

std::string farewell(const UsageRecord& record, LocalDateTime now) {
    if (record.UseCount < 10) return "ご利用ありがとうございます。\r\nまたのご利用をお待ちしております。";

    const long long minutesWorked = wholeApart<minutes>(record.ThisStart, now);
    const char* thanks = minutesWorked > 300   ? "とっても、とっても、ご苦労さまでした。"
                         : minutesWorked > 180 ? "とっても、ご苦労さまでした。"
                         : minutesWorked > 60  ? "ご苦労さまでした。"
                         : minutesWorked > 30  ? "お疲れ様でした。"
                                               : nullptr;
    if (thanks) return std::string("良い作品はできたでしょうか？\r\n") + thanks;

    const int startHour = hourOf(record.ThisStart);
    const char* since = startHour >= 2 && startHour <= 8 ? "早朝からの、" : startHour >= 9 && startHour <= 10 ? "朝からの、" : "";
    const auto second = hh_mm_ss(now - floor<days>(now)).seconds().count();
    constexpr const char* kSeeYou[] = {"では、また、、", "それでは、、", "また、あとで、、"};
    return std::string(since) + "ご利用ありがとうございます。\r\n" + kSeeYou[second % 3];
}

}  // namespace companion
