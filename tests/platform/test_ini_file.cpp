#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>

using platform::IniFile;

TEST(IniFile, NamesCompareWithoutCaseAndValuesAreTrimmed) {
    const IniFile ini = IniFile::parse("[Code]\r\nname0 =  DMC(刺繍糸)  \r\nIni_No=1\r\n");
    EXPECT_EQ(ini.readString("code", "Name0", "?"), "DMC(刺繍糸)");
    EXPECT_EQ(ini.readInteger("CODE", "INI_NO", 0), 1);
}

TEST(IniFile, MissingOrUnreadableValuesGiveTheFallback) {
    const IniFile ini = IniFile::parse("[s]\nnum=12x\nempty=\n");
    EXPECT_EQ(ini.readInteger("s", "num", 7), 7);
    EXPECT_EQ(ini.readInteger("s", "empty", 7), 7);
    EXPECT_EQ(ini.readInteger("s", "absent", 7), 7);
    EXPECT_EQ(ini.readInteger("other", "num", 7), 7);
    EXPECT_EQ(ini.readString("s", "empty", "x"), "");
}

TEST(IniFile, FirstSectionAndFirstKeyWin) {
    const IniFile ini = IniFile::parse("[a]\nk=1\nK=2\n[b]\nk=3\n[A]\nk=4\nz=5\n");
    EXPECT_EQ(ini.readString("a", "k", ""), "1");
    EXPECT_EQ(ini.readString("b", "k", ""), "3");
    EXPECT_FALSE(ini.value("a", "z").has_value());
}

TEST(IniFile, ValueIsTextAfterTheFirstEqualsAndLosesOnePairOfQuotes) {
    const IniFile ini = IniFile::parse("[s]\na=x=y\nq=\"  quoted  \"\nqq=\"\"inner\"\"\nhalf=\"open\n");
    EXPECT_EQ(ini.readString("s", "a", ""), "x=y");
    EXPECT_EQ(ini.readString("s", "q", ""), "  quoted  ");
    EXPECT_EQ(ini.readString("s", "qq", ""), "\"inner\"");
    EXPECT_EQ(ini.readString("s", "half", ""), "\"open");
}

TEST(IniFile, CommentsAndStrayLinesAreIgnored) {
    const IniFile ini = IniFile::parse("k=before any section\n[s]\n; k=comment\nno equals sign\n  ;k=also comment\nk=v\n");
    EXPECT_EQ(ini.readString("s", "k", ""), "v");
}

TEST(IniFile, Cp932FileIsDecoded) {
    // [アイコン] / Name=アイコン16色 in CP932.
    const std::string bytes = "[\x83\x41\x83\x43\x83\x52\x83\x93]\r\nName=\x83\x41\x83\x43\x83\x52\x83\x93" "16\x90\x46\r\n";
    const std::string path = ::testing::TempDir() + "/cp932.ini";
    std::ofstream(path, std::ios::binary) << bytes;
    const auto ini = IniFile::load(path);
    ASSERT_TRUE(ini.has_value());
    EXPECT_EQ(ini->readString("アイコン", "Name", ""), "アイコン16色");
    EXPECT_FALSE(IniFile::load(path + ".absent").has_value());
}
