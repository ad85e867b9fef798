#include "palette/catalogue.h"
#include "palette/code_system.h"
#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <sys/stat.h>

using palette::readCodeSystemList;
using palette::readCodeSystemSettings;
using platform::IniFile;

TEST(CodeSystemList, NamesStopAtTheFirstGapAndTheDefaultIndexFallsInsideThem) {
    const auto list = [](const std::string& code) { return readCodeSystemList(IniFile::parse("[code]\n" + code)); };
    const auto gap = list("Name0=A\nName1=B\nName3=D\nIni_No=1\n");
    EXPECT_EQ(gap.names, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(gap.defaultIndex, 1);
    const auto empty = list("Name0=A\nName1=\nName2=C\nIni_No=1\n");
    EXPECT_EQ(empty.names, (std::vector<std::string>{"A"}));
    EXPECT_EQ(empty.defaultIndex, 0);
    EXPECT_EQ(list("Name0=A\nIni_No=-1\n").defaultIndex, 0);
    EXPECT_TRUE(list("Name1=B\n").names.empty());
    std::string many;
    for (int i = 0; i < 25; ++i) many += "Name" + std::to_string(i) + "=S\n";
    EXPECT_EQ(list(many).names.size(), 21u);  // at most 21 systems
}

TEST(CodeSystemSettings, OutOfRangeValuesAreCorrected) {
    const auto s = readCodeSystemSettings(
        IniFile::parse("[X]\nC_Wight=-3\nC_max=80\nC_def=0\nT_num=4\nop1=2\nop2=1\nop3=1\n"), "x");
    EXPECT_EQ(std::tie(s.hueWeight, s.maxColours, s.defaultColours, s.cubeSize),
              std::make_tuple(palette::kDefaultHueWeight, palette::kMostColours, palette::kMostColours,
                              palette::kDefaultCubeSize));
    EXPECT_FALSE(s.smoothing);
    EXPECT_TRUE(s.boundary);
    EXPECT_TRUE(s.appearance);

    // The default count may not exceed the maximum; a weight of 0 and a large cube size are kept.
    const auto t = readCodeSystemSettings(IniFile::parse("[X]\nC_Wight=0\nC_max=16\nC_def=17\nT_num=6000\n"), "X");
    EXPECT_EQ(std::tie(t.hueWeight, t.maxColours, t.defaultColours, t.cubeSize), std::make_tuple(0, 16, 16, 6000));
    EXPECT_FALSE(t.appearance);
}

class CatalogueFolder : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::path(::testing::TempDir()) /
              (std::string("catalogue_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void write(const std::string& name, const std::string& text) { std::ofstream(dir / name, std::ios::binary) << text; }

    std::filesystem::path dir;
};

// Missing files and unnamed systems are met in tests/cli/test_chart_refusals.cpp.
TEST_F(CatalogueFolder, LoadsTheSystemsSettingsAndTable) {
    write("Tessaly.ini", "[code]\nName0=S\n[S]\nName=Title\nFile=t.txt\nC_max=20\n");
    write("t.txt", "1\tone\t200\t200\t200\t\n2\ttwo\t0\t0\t0\t\n");
    const auto loaded =
        palette::chooseCodeSystem(dir.string(), palette::loadShippedSettings(dir.string()), std::nullopt);
    ASSERT_EQ(loaded.message, "");
    EXPECT_EQ(loaded.system.name, "S");
    EXPECT_EQ(loaded.system.settings.title, "Title");
    EXPECT_EQ(loaded.system.settings.maxColours, 20);
    ASSERT_EQ(loaded.system.table.size(), 2u);
    EXPECT_EQ(loaded.system.table[1].name, "two");
}

// A folder, a FIFO, a device or a file far too large in the place of the settings or of a table is
// told for what it is, without waiting on it or reading it without end.
TEST_F(CatalogueFolder, WhatIsNoFileIsRefusedForWhatItIs) {
    const std::string folder = dir.string();
    const std::pair<const char*, std::function<void(const std::filesystem::path&)>> standIns[] = {
        {"Is a directory", [](const std::filesystem::path& at) { std::filesystem::create_directory(at); }},
        {"not a regular file", [](const std::filesystem::path& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }},
        {"not a regular file", [](const std::filesystem::path& at) { std::filesystem::create_symlink("/dev/zero", at); }},
        {"larger than 4194304 bytes",
         [](const std::filesystem::path& at) { std::filesystem::resize_file((std::ofstream(at), at), 1ull << 33); }},
    };
    for (const auto& [reason, make] : standIns) {
        std::filesystem::remove_all(dir / "Tessaly.ini");
        make(dir / "Tessaly.ini");
        const palette::ShippedSettings settings = palette::loadShippedSettings(folder);
        EXPECT_EQ(settings.message, std::string("cannot read Tessaly.ini: ") + reason);
        ASSERT_TRUE(settings.unreadable) << reason;
        EXPECT_EQ(settings.unreadable->path, folder + "/Tessaly.ini");
        EXPECT_EQ(palette::chooseCodeSystem(folder, settings, "S").located(), settings.message + " (" + folder + ")");
    }
    for (const auto& [reason, make] : standIns) {
        std::filesystem::remove_all(dir / "Tessaly.ini");
        std::filesystem::remove_all(dir / "t.txt");
        write("Tessaly.ini", "[code]\nName0=S\n[S]\nFile=t.txt\n");
        make(dir / "t.txt");
        const palette::LoadResult loaded = palette::chooseCodeSystem(folder, palette::loadShippedSettings(folder), "S");
        EXPECT_EQ(loaded.message, "cannot read " + folder + "/t.txt: " + reason);
        ASSERT_TRUE(loaded.unreadable) << reason;
    }
}

