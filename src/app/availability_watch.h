#pragma once

#include <QObject>

#include <functional>

namespace app {

// Keeps the availability flags current between actions: the window's recompute runs whenever the
// event loop is about to wait and whenever the clipboard changes, so "貼付け" follows a picture
// copied in another program without a click. Asking the clipboard can mean a round trip to the
// program that owns it, so its answer is kept and renewed only when the clipboard announces a change.
class AvailabilityWatch : public QObject {
public:
    using Recompute = std::function<void(bool clipboardHasPicture)>;

    AvailabilityWatch(Recompute recompute, QObject* parent);

    bool clipboardHasPicture() const { return clipboardHasPicture_; }

private:
    void clipboardChanged();
    void idle();

    Recompute recompute_;
    bool clipboardHasPicture_ = false;
    bool recomputing_ = false;
};

}  // namespace app
