#include "view/colours.h"
#include "app/page_control.h"
#include "app/tab_caption.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

namespace {

const QString wide = "図 案   色塗り";
const QString narrow = "図 案  色塗り";
const QColor black(Qt::black);

// Whether any pixel of the rectangle is (nearly) the colour; text is antialiased.
bool holds(const QImage& image, const QRect& rect, const QColor& colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green())
                    + std::abs(pixel.blue() - colour.blue()) < 24)
                return true;
        }
    return false;
}

}  // namespace

TEST(TabCaptions, EachWordFallsWhollyInItsOwnTabInBothSpacings) {
    QFont font("IPAPGothic", app::tabFontPointSize);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int leftEnd = app::tabWidth(0, metrics);
    const int rightEnd = leftEnd + app::tabWidth(1, metrics);
    const int x = app::tabTextOrigin.x();
    EXPECT_LE(x + metrics.horizontalAdvance("図 案") + 1, leftEnd);  // + 1: the bold stroke
    for (const QString& line : {wide, narrow}) {
        const int secondWord = x + metrics.horizontalAdvance(line.left(line.indexOf("色")));
        EXPECT_GE(secondWord, leftEnd) << line.toStdString();
        EXPECT_LE(x + metrics.horizontalAdvance(line) + 1, rightEnd) << line.toStdString();
    }
}

TEST(TabCaptions, ActiveTabShowsBlackTextAndTheOtherGreyEachInItsOwnTab) {
    app::PageControl pageControl(nullptr);
    pageControl.resize(89, 508);
    pageControl.addTab(new QWidget, "図案");
    pageControl.addTab(new QWidget, "色塗り");
    QTabBar* strip = pageControl.tabBar();
    strip->resize(strip->sizeHint());

    for (int active : {0, 1}) {
        pageControl.setCurrentIndex(active);
        const QImage image = strip->grab().toImage();
        const QRect activeTab = strip->tabRect(active), otherTab = strip->tabRect(1 - active);
        EXPECT_TRUE(holds(image, activeTab, black)) << "active tab " << active;
        EXPECT_TRUE(holds(image, activeTab, view::cream)) << "active tab " << active;
        EXPECT_FALSE(holds(image, otherTab, black)) << "active tab " << active;
        EXPECT_TRUE(holds(image, otherTab, view::tabGrey)) << "active tab " << active;
    }
}
