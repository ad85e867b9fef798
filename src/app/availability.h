#pragma once

#include <QString>

namespace app {

// The page control's tabs.
inline constexpr int chartTab = 0;
inline constexpr int paintingTab = 1;

// What the window knows at the moment the flags are worked out.
struct AvailabilityFacts {
    bool clipboardHasPicture = false;
    bool picturePresent = false;  // Image1's bitmap is not empty
    bool chartPresent = false;    // Image2's bitmap is not empty
    bool chartVisible = false;    // Image2 is not hidden (not isVisible: that is false until the window shows)
    int activeTab = chartTab;
    int penColourIndex = -1;  // packed cube index of the pen colour, -1 when none is picked
    bool undoAvailable = false;
    bool redoAvailable = false;
};

struct AvailabilityFlags {
    bool clipboardHasPicture = false;
    bool picturePresent = false;
    bool chartPresent = false;
    bool sourceShown = false;  // a chart exists but the source picture is switched in
    bool editMode = false;     // the painting tab is active
    bool penColourChosen = false;
    bool undoAvailable = false;
    bool redoAvailable = false;
    friend bool operator==(const AvailabilityFlags&, const AvailabilityFlags&) = default;
};

AvailabilityFlags recomputeFlags(const AvailabilityFacts& facts);

// How every control that follows the flags looks. A main button that cannot act is faded, not
// disabled; pop-up items and painting tools are disabled.
struct ControlStates {
    bool putNormal = false;    // "貼付け"
    bool mainNormal = false;   // "図案作成"
    bool copyNormal = false;   // "コピー"
    bool clearNormal = false;  // "クリア"
    bool excelNormal = false;  // "Excel出力" and "PDF出力"
    bool pasteItemEnabled = false;
    bool openItemEnabled = false;  // "画像ファイルを開く…"
    bool copyItemEnabled = false;
    bool clearItemEnabled = false;
    bool switchItemEnabled = false;
    QString switchItemCaption;
    bool paintEnabled = false;
    bool pickEnabled = false;
    bool undoEnabled = false;
    bool redoEnabled = false;
    friend bool operator==(const ControlStates&, const ControlStates&) = default;
};

ControlStates controlStates(const AvailabilityFlags& flags);

}  // namespace app
