#pragma once

namespace view {

struct AreaSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const AreaSize&, const AreaSize&) = default;
};

// The picture area a pasted picture of width x height pixels gets when it is pasted at its own size:
// as it is when it fits in 200 cells each way, otherwise scaled down so that its longer side does.
// Sizes are client sizes, without the panel frame.
AreaSize pasteAreaSize(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight);

// Keeps an area between 8 and 200 cells each way.
AreaSize limitArea(AreaSize area, int cellWidth, int cellHeight);

// The area a picture is charted at when it is pasted at its own size: its paste area, kept within
// the chart's cell limits.
AreaSize pictureArea(int pictureWidth, int pictureHeight, int cellWidth, int cellHeight);

}  // namespace view
