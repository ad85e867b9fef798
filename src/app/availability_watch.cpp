#include "app/availability_watch.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <utility>

namespace app {

namespace {

bool clipboardOffersPicture() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasImage();
}

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
