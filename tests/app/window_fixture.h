#pragma once

// The main window started as the program does, on a copy of the shipped data, answered by the test.

#include "app/main_window.h"
#include "view/picture_area_view.h"
#include "view/picture_panel.h"
#include "view/scripted_dialogs.h"
#include "platform/ini_file.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
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

    QStringList messages() const {
        QStringList texts;
        for (const view::Message& message : dialogs_.messages()) texts << message.text;
        return texts;
    }

    ScriptedDialogs dialogs_;
    QTemporaryDir dir_;
};

// A window started for each test, and the steps most of them begin with.
class StartedWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window_ = start();
    }

    // The picture put on the clipboard by another program, then pasted.
    void paste(const QImage& image) {
        QGuiApplication::clipboard()->setImage(image);
        QApplication::processEvents();
        window_->Bt_PutClick();
    }

    // The sample photograph pasted and charted.
    void makeChart() {
        paste(QImage(QStringLiteral(TESSALY_SOURCE_DIR "/samples/garden.png")));
        window_->Bt2_mainClick();
    }

    view::CellCounts cells() const { return window_->pictureArea->cellCounts(); }
    view::PicturePanel* panel() const { return window_->pictureArea->panel(); }

    std::unique_ptr<app::TForm1> window_;
};
