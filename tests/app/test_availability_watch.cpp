#include "app/availability_controls.h"
#include "app/availability_watch.h"
#include "app/faded_caption.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(AvailabilityWatch, PasteFollowsTheClipboardWithoutAClick) {
    QGuiApplication::clipboard()->clear();
    QPushButton put("貼付け");
    QAction paste("貼付け");
    std::vector<bool> seen;
    app::AvailabilityWatch watch(
        [&](bool clipboardHasPicture) {
            seen.push_back(clipboardHasPicture);
            app::AvailabilityControls controls;
            controls.Bt_Put = &put;
            controls.pop1peast = &paste;
            app::followClipboard(controls, app::recomputeFlags({.clipboardHasPicture = clipboardHasPicture}));
        },
        nullptr);
    EXPECT_FALSE(watch.clipboardHasPicture());

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(seen.back());
    EXPECT_FALSE(app::isCaptionFaded(&put));
    EXPECT_TRUE(paste.isEnabled());

    QGuiApplication::clipboard()->setText("no picture");
    EXPECT_FALSE(seen.back());
    EXPECT_TRUE(app::isCaptionFaded(&put));
    EXPECT_FALSE(paste.isEnabled());
}

TEST(AvailabilityWatch, RecomputesWhenTheEventLoopGoesIdle) {
    int recomputed = 0;
    app::AvailabilityWatch watch([&](bool) { ++recomputed; }, nullptr);
    QEventLoop loop;
    // Connected after the watch, so the loop ends right after the watch has seen the idle moment.
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                     &QEventLoop::quit, Qt::QueuedConnection);
    loop.exec();
    EXPECT_GT(recomputed, 0);
}
