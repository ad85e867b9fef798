#include "app/availability_watch.h"

#include "platform/clipboard_picture.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QGuiApplication>

#include <utility>

namespace app {

namespace {

// Pictures in forms the program does not read count as none, so "貼付け" never promises them.
bool clipboardOffersPicture() { return platform::offersPicture(QGuiApplication::clipboard()->mimeData()); }

}  // namespace

AvailabilityWatch::AvailabilityWatch(Recompute recompute, QObject* parent)
    : QObject(parent), recompute_(std::move(recompute)), clipboardHasPicture_(clipboardOffersPicture()) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &AvailabilityWatch::clipboardChanged);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &AvailabilityWatch::idle);
}

void AvailabilityWatch::clipboardChanged() {
    clipboardHasPicture_ = clipboardOffersPicture();
    idle();
}

void AvailabilityWatch::idle() {
    // A recompute that lets pending events run would otherwise start another one inside itself.
    if (recomputing_) return;
    recomputing_ = true;
    recompute_(clipboardHasPicture_);
    recomputing_ = false;
}

}  // namespace app
