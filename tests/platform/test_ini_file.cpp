#include "platform/ini_file.h"
#include "platform/scratch_files.h"
#include "platform/text_codec.h"

#include <csignal>
#include <sys/resource.h>

using platform::IniFile;

namespace {

// Loads the file, lets the change act on it, saves it and returns what was written.
template <typename Change>
std::string rewritten(const std::string& path, const std::string& before, Change change) {
    writeBytes(path, before);
    IniFile ini = IniFile::load(path).value();
    change(ini);
    EXPECT_FALSE(ini.save(path).has_value());
    return readBytes(path);
}

}  // namespace

TEST(IniFile, ReadsTheFirstValueOfANameWhateverItsCase) {
    const IniFile ini = IniFile::parse(
        "k=before any section\n[Code]\r\nname0 =  DMC(刺繍糸)  \r\nIni_No=1\r\n; k=comment\nno equals sign\n"
        "  ;k=also comment\nk=v\nK=2\na=x=y\nq=\"  quoted  \"\nqq=\"\"inner\"\"\nhalf=\"open\nnum=12x\nempty=\n"
        "[b]\nk=3\n[CODE]\nk=4\nz=5\n");
    const std::pair<const char*, const char*> strings[] = {
        {"Name0", "DMC(刺繍糸)"}, {"k", "v"},           {"a", "x=y"}, {"q", "  quoted  "},
        {"qq", "\"inner\""},     {"half", "\"open"}, {"empty", ""},
    };
    for (const auto& [key, value] : strings) EXPECT_EQ(ini.readString("code", key, "?"), value) << key;
    EXPECT_EQ(ini.readString("b", "k", ""), "3");
    EXPECT_FALSE(ini.value("code", "z").has_value());
    EXPECT_EQ(ini.readInteger("CODE", "INI_NO", 0), 1);
    for (const char* key : {"num", "empty", "absent"}) EXPECT_EQ(ini.readInteger("code", key, 7), 7) << key;
    EXPECT_EQ(ini.readInteger("other", "Ini_No", 7), 7);
}

TEST(IniFile, Cp932FileIsDecoded) {
    // [アイコン] / Name=アイコン16色 in CP932.
    const std::string bytes = "[\x83\x41\x83\x43\x83\x52\x83\x93]\r\nName=\x83\x41\x83\x43\x83\x52\x83\x93" "16\x90\x46\r\n";
    const std::string path = ::testing::TempDir() + "/cp932.ini";
    writeBytes(path, bytes);
    const auto ini = IniFile::load(path);
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->readString("アイコン", "Name", ""), "アイコン16色");
    EXPECT_FALSE(IniFile::load(path + ".absent").has_value());
}

TEST(IniFileWriting, OwnsOnlyTheLinesItWritesAndPlacesNewOnesBesideTheirSection) {
    const std::string path = scratchFolder("placing") + "/t.ini";
    const std::string before =
        "; kept as it is\n"
        "stray=before any section\n"
        "[Option]\n"
        "  Count_X = 150 ; not a comment\n"
        "unknown=1\n"
        "\n"
        "; trailing comment of option\n"
        "[user00]\n"
        "name=alice\n"
        "[option]\n"
        "count_x=999\n";
    const std::string after = rewritten(path, before, [](IniFile& ini) {
        ini.writeString("option", "count_x", "120");
        ini.writeString("OPTION", "put_op", "1");
        ini.writeString("ap", "var", "100");
        ini.writeString("user00", "time_s", "20261206100000");
    });
    EXPECT_EQ(after,
              "; kept as it is\n"
              "stray=before any section\n"
              "[Option]\n"
              "Count_X=120\n"
              "unknown=1\n"
              "put_op=1\n"
              "\n"
              "; trailing comment of option\n"
              "[user00]\n"
              "name=alice\n"
              "time_s=20261206100000\n"
              "[option]\n"
              "count_x=999\n"
              "[ap]\n"
              "var=100\n");
}

TEST(IniFileWriting, ValuesReadBackExactlyAsWritten) {
    const struct {
        const char* value;
        const char* line;
        const char* readBack;
    } cases[] = {
        {"150", "k=150", "150"},
        {"", "k=", ""},
        {"  2.50", "k=\"  2.50\"", "  2.50"},
        {"\"quoted\"", "k=\"\"quoted\"\"", "\"quoted\""},
        {"/home/a b/データ", "k=/home/a b/データ", "/home/a b/データ"},
        {"two\nlines", "k=two lines", "two lines"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::parse("[s]\nk=old\n");
        ini.writeString("s", "k", c.value);
        EXPECT_EQ(ini.readString("s", "k", "?"), c.readBack) << c.value;
        const std::string path = scratchFolder("values") + "/t.ini";
        ASSERT_FALSE(ini.save(path).has_value());
        EXPECT_EQ(IniFile::load(path)->readString("s", "k", "?"), c.readBack) << c.value;
        EXPECT_NE(platform::decodeTextFile(readBytes(path)).find(std::string(c.line) + "\r\n"), std::string::npos) << c.value;
    }
}

TEST(IniFileWriting, EraseSectionRemovesEverySectionOfTheNameAndNothingElse) {
    const std::string path = scratchFolder("erase") + "/t.ini";
    const std::string after = rewritten(path, "[a]\r\nk=1\r\n[option]\r\nC_def=30\r\n; its comment\r\n[b]\r\nk=2\r\n[OPTION]\r\nop1=1\r\n",
                                        [](IniFile& ini) { ini.eraseSection("option"); });
    EXPECT_EQ(after, "[a]\r\nk=1\r\n[b]\r\nk=2\r\n");
    EXPECT_FALSE(IniFile::load(path)->value("option", "op1").has_value());
}

// Unchanged lines keep their bytes; a character CP932 lacks turns the file into UTF-8, not into loss.
TEST(IniFileWriting, FileKeepsItsEncodingAndLineEnds) {
    // [machine] / ; 利用記録 (with a stray 0x80) / user=アイコン, in CP932 with CR LF.
    const std::string cp932 = "[machine]\r\n; \x97\x98\x97\x70\x8B\x4C\x98\x5E\x80\r\nuser=\x83\x41\x83\x43\x83\x52\x83\x93\r\n";
    const struct {
        const char* name;
        std::string before;
        std::string value;
        std::string after;
    } cases[] = {
        {"cp932", cp932, "マシン", cp932 + "name=\x83\x7D\x83\x56\x83\x93\r\n"},
        {"utf8", "[machine]\nuser=アイコン\n", "マシン", "[machine]\nuser=アイコン\nname=マシン\n"},
        {"utf8 with mark", "\xEF\xBB\xBF[machine]\r\n", "マシン", "\xEF\xBB\xBF[machine]\r\nname=マシン\r\n"},
        {"ascii, no final line end", "[machine]\nuser=bob", "マシン", "[machine]\nuser=bob\nname=\x83\x7D\x83\x56\x83\x93"},
        {"cp932 given é", "[machine]\r\nuser=\x83\x41\r\n", "é", "[machine]\r\nuser=ア\r\nname=é\r\n"},
    };
    for (const auto& c : cases) {
        const std::string path = scratchFolder("encoding") + "/t.ini";
        const std::string after = rewritten(path, c.before, [&](IniFile& ini) { ini.writeString("machine", "name", c.value); });
        EXPECT_EQ(after, c.after) << c.name;
        EXPECT_EQ(IniFile::load(path)->readString("machine", "name", "?"), c.value) << c.name;
    }
}

TEST(IniFileWriting, NewFileIsCp932WithCrLf) {
    const std::string path = scratchFolder("new") + "/t.ini";
    IniFile ini;
    ini.writeString("machine", "user", "(ユーザ名)");
    ASSERT_FALSE(ini.save(path).has_value());
    EXPECT_EQ(readBytes(path), "[machine]\r\nuser=(\x83\x86\x81\x5B\x83\x55\x96\xBC)\r\n");
}

// Tests run as root, which no permission stops; a file size limit does, and fails the write half way.
TEST(IniFileWriting, FailedSaveLeavesTheOldFileAndNoTemporary) {
    const std::string folder = scratchFolder("failing");
    const std::string path = folder + "/t.ini";
    const std::string before = "[s]\nk=old\n";
    writeBytes(path, before);
    IniFile ini = IniFile::load(path).value();
    ini.writeString("s", "k", std::string(4096, 'x'));

    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit small = previous;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto problem = ini.save(path);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(problem.has_value());
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
    // A folder that is in truth a file cannot take the temporary at all.
    EXPECT_TRUE(ini.save(path + "/t.ini").has_value());
}
