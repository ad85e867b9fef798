// The window's files met with what may stand in their place: it keeps running and says what is wrong.

#include "app/file_messages.h"
#include "app/page_control.h"
#include "app/progress_dialog.h"
#include "app/window_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <new>

#include <sys/mount.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

using StandIn = std::pair<const char*, std::function<void(const std::string&)>>;

const StandIn kStandIns[] = {
    {"folder", [](const std::string& at) { fs::create_directory(at); }},
    {"FIFO", [](const std::string& at) { ASSERT_EQ(::mkfifo(at.c_str(), 0600), 0); }},
    {"link to /dev/zero", [](const std::string& at) { fs::create_symlink("/dev/zero", at); }},
    {"huge file", [](const std::string& at) { fs::resize_file((std::ofstream(at), at), 1ull << 33); }},
};

using WindowFilesTest = WindowTest;

// None of these may stop the start; the record is left as it is, and the end says it was not kept.
TEST_F(WindowFilesTest, WhatStandsInTheUsageRecordsPlaceLeavesTheWindowRunning) {
    std::size_t told = 0;
    for (const auto& [what, make] : kStandIns) {
        fs::remove_all(recordPath());
        make(recordPath());
        const fs::file_type type = fs::symlink_status(recordPath()).type();
        const auto window = start();
        EXPECT_EQ(window->windowTitle(), QStringLiteral("図案作成ツールTessaly(テサリー) DMC刺繍糸")) << what;
        EXPECT_TRUE(window->PageControl1->isEnabled()) << what;
        window->close();
        ASSERT_EQ(dialogs_.messages().size(), ++told) << what;
        const QString said = dialogs_.messages().back().text;
        EXPECT_TRUE(said.startsWith(QStringLiteral("設定を保存できませんでした。次回は今回の設定が使われません。\n利用記録ファイル（") +
                                    QString::fromStdString(recordPath()) + QStringLiteral("）を読めません。")))
            << what << ": " << said.toStdString();
        EXPECT_EQ(fs::symlink_status(recordPath()).type(), type) << what;
    }
}

// Tessaly.ini is read at start-up and kept: what stands in its place later changes nothing. A colour
// table is read when its system is chosen. Either, unreadable, is told in the window's words.
TEST_F(WindowFilesTest, SettingsAreReadAtStartAndATableWhenItsSystemIsChosen) {
    const std::string settings = folder("cfg") + "/Tessaly.ini";
    const std::string table = folder("cfg") + "/icon.txt";
    fs::rename(settings, settings + ".kept");
    fs::create_directory(settings);
    start();
    ASSERT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(dialogs_.messages()[0].text, QString::fromStdString("「" + settings + "」を読めません。フォルダです"));
    fs::remove(settings);
    fs::rename(settings + ".kept", settings);

    const auto window = start();
    fs::remove(settings);
    fs::create_directory(settings);
    window->Comb_code->setCurrentIndex(1);
    emit window->Comb_code->activated(1);
    EXPECT_EQ(dialogs_.messages().size(), 1u);
    EXPECT_EQ(window->Sp_Ed1->maximum(), 16);

    fs::remove(table);
    ASSERT_EQ(::mkfifo(table.c_str(), 0600), 0);
    emit window->Comb_code->activated(1);
    ASSERT_EQ(dialogs_.messages().size(), 2u);
    EXPECT_EQ(dialogs_.messages()[1].text,
              QString::fromStdString("「" + table + "」を読めません。普通のファイルではありません"));
}

// Start-up with the settings replaced: the window shows its broken-settings state, and does not wait.
TEST_F(WindowFilesTest, WhatStandsInTheSettingsFilesPlaceDoesNotStopTheStart) {
    const std::string settings = folder("cfg") + "/Tessaly.ini";
    for (const auto& [what, make] : kStandIns) {
        fs::remove_all(settings);
        make(settings);
        const auto window = start();
        EXPECT_TRUE(window->PageControl1->isHidden()) << what;
    }
}

// The atomic replacement's own refusals (links, write-protected files) are met in
// tests/platform/test_file_access.cpp; here the window says a full disk in its own words.
using WindowExportTest = StartedWindowTest;

TEST_F(WindowExportTest, AFullDiskIsSaidToBeFull) {
    makeChart();
    const std::string disk = folder("disk");
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a file system here: " << std::strerror(errno);
    }
    std::ofstream(disk + "/filler") << std::string(60 * 1024, 'f');
    dialogs_.chooseFile(QString::fromStdString(disk + "/chart.xlsx"));
    window_->Bt2_Excel->click();
    const bool written = fs::exists(disk + "/chart.xlsx");
    ::umount(disk.c_str());
    EXPECT_EQ(window_->Form2->Label2->text(),
              QStringLiteral("Excelファイル（chart.xlsx）を保存できません。ディスクに空きがありません"));
    EXPECT_FALSE(written);
}

// What a library raises without words of the program's own still reaches the user in Japanese.
TEST(WindowMessages, LibraryErrorsAreSaidInTheWindowsWords) {
    EXPECT_EQ(app::unexpectedErrorMessage(std::bad_alloc()), "メモリが足りないため、処理を続けられません。");
    EXPECT_EQ(app::unexpectedErrorMessage(std::length_error("cannot create std::vector larger than max_size()")),
              "メモリが足りないため、処理を続けられません。");
    EXPECT_EQ(app::unexpectedErrorMessage(std::runtime_error("odd")), "処理中に思わぬエラーが起きました。（odd）");
}

}  // namespace
