#pragma once

// Starts the main window as the program does, on a copy of the shipped data and a usage record of
// its own, with every message box answered by the test.

#include "app/main_window.h"
#include "view/scripted_dialogs.h"
#include "platform/ini_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The data as the program ships it.
        std::filesystem::copy(TESSALY_SHIPPED_CFG, folder("cfg"), std::filesystem::copy_options::recursive);
        std::filesystem::create_directories(folder("record"));
    }

    std::string folder(const char* name) const { return dir_.filePath(name).toStdString(); }
    std::string recordPath() const { return folder("record") + "/tessaly_oha.ini"; }

    std::unique_ptr<app::TForm1> start(const std::string& appName = "tessaly") {
        return std::make_unique<app::TForm1>(app::Startup{folder("cfg"), folder("record"), appName});
    }

    void writeRecord(const std::string& text) const {
        platform::IniFile record = platform::IniFile::parse(text);
        ASSERT_FALSE(record.save(recordPath()).has_value());
    }

    platform::IniFile record() const { return platform::IniFile::load(recordPath()).value(); }

    ScriptedDialogs dialogs_;
    QTemporaryDir dir_;
};
