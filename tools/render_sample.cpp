// Paints the sample picture that run.sh turns into a chart: an evening garden with a sunset sky, hills,
// a cottage, a tree and a meadow of flowers. It mixes what a chart has to cope with — long smooth
// gradients, hard-edged flat shapes and fine detail a few pixels wide — and it is drawn from nothing
// but code, so the sample carries no one else's picture.
//
//   render_sample [OUTPUT.png]     (default: garden.png)

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 400;
constexpr double kHorizon = 228.0;

// A fixed-seed generator of our own, so the picture comes out the same with every standard library.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}

    double between(double low, double high) { return low + (high - low) * unit(); }

private:
    double unit()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return (state_ & 0xFFFFFF) / double(0x1000000);
    }

    std::uint32_t state_;
};

void paintSky(QPainter& p)
{
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.00, QColor(24, 32, 92));
    sky.setColorAt(0.35, QColor(92, 58, 140));
    sky.setColorAt(0.62, QColor(214, 92, 110));
    sky.setColorAt(0.85, QColor(250, 160, 80));
    sky.setColorAt(1.00, QColor(255, 214, 120));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 2), sky);

    Scatter stars(7);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const double y = stars.between(2, 70);
        const int alpha = int(230 - y * 2.5);
        p.setBrush(QColor(255, 250, 220, alpha));
        p.drawEllipse(QPointF(stars.between(2, kWidth - 2), y), 0.9, 0.9);
    }
}

void paintSun(QPainter& p)
{
    const QPointF centre(404, 148);
    QRadialGradient glow(centre, 110);
    glow.setColorAt(0.0, QColor(255, 236, 170, 230));
    glow.setColorAt(0.3, QColor(255, 190, 110, 120));
    glow.setColorAt(1.0, QColor(255, 150, 90, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, 110, 110);

    QRadialGradient disc(centre, 34);
    disc.setColorAt(0.0, QColor(255, 252, 225));
    disc.setColorAt(0.8, QColor(255, 220, 110));
    disc.setColorAt(1.0, QColor(255, 176, 64));
    p.setBrush(disc);
    p.drawEllipse(centre, 34, 34);
}

void paintCloud(QPainter& p, QPointF at, double scale, QColor tint)
{
    QPainterPath cloud;
    cloud.addEllipse(at, 38 * scale, 10 * scale);
    cloud.addEllipse(at + QPointF(-20 * scale, -6 * scale), 18 * scale, 10 * scale);
    cloud.addEllipse(at + QPointF(8 * scale, -10 * scale), 22 * scale, 13 * scale);
    cloud.addEllipse(at + QPointF(28 * scale, -3 * scale), 16 * scale, 8 * scale);
    cloud.setFillRule(Qt::WindingFill);

    QLinearGradient shade(0, at.y() - 24 * scale, 0, at.y() + 10 * scale);
    shade.setColorAt(0.0, tint.lighter(130));
    shade.setColorAt(1.0, tint);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(cloud);
}

void paintClouds(QPainter& p)
{
    paintCloud(p, QPointF(96, 72), 1.2, QColor(236, 150, 170, 210));
    paintCloud(p, QPointF(210, 118), 0.8, QColor(250, 176, 150, 200));
    paintCloud(p, QPointF(420, 58), 1.0, QColor(200, 130, 180, 190));
}

// A ridge line through evenly spaced heights, closed down to the bottom edge.
QPainterPath ridge(const double* heights, int count, double bottom)
{
    QPainterPath path(QPointF(0, bottom));
    const double step = double(kWidth) / (count - 1);
    path.lineTo(0, heights[0]);
    for (int i = 1; i < count; ++i) {
        const QPointF from((i - 1) * step, heights[i - 1]);
        const QPointF to(i * step, heights[i]);
        const double midX = (from.x() + to.x()) / 2;
        path.cubicTo(midX, from.y(), midX, to.y(), to.x(), to.y());
    }
    path.lineTo(kWidth, bottom);
    path.closeSubpath();
    return path;
}

void paintMountains(QPainter& p)
{
    // Sharp peaks far away: straight edges in two flat shades.
    const QPolygonF far{{0, 212},   {40, 176},  {78, 196},  {126, 150}, {168, 190}, {214, 168},
                        {262, 204}, {300, 186}, {352, 214}, {400, 172}, {444, 194}, {480, 180},
                        {480, 232}, {0, 232}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 76, 128));
    p.drawPolygon(far);

    const QPolygonF snow{{126, 150}, {116, 162}, {124, 160}, {130, 166}, {137, 158}};
    p.setBrush(QColor(238, 214, 228));
    p.drawPolygon(snow);
}

void paintHills(QPainter& p)
{
    const double back[] = {214, 204, 196, 206, 218, 210, 200, 212, 222};
    QLinearGradient backShade(0, 196, 0, 260);
    backShade.setColorAt(0.0, QColor(96, 124, 96));
    backShade.setColorAt(1.0, QColor(56, 92, 72));
    p.setPen(Qt::NoPen);
    p.setBrush(backShade);
    p.drawPath(ridge(back, 9, kHeight));

    const double front[] = {250, 238, 246, 262, 254, 242, 250};
    QLinearGradient frontShade(0, 236, 0, kHeight);
    frontShade.setColorAt(0.0, QColor(120, 170, 70));
    frontShade.setColorAt(0.5, QColor(70, 138, 52));
    frontShade.setColorAt(1.0, QColor(34, 92, 40));
    p.setBrush(frontShade);
    p.drawPath(ridge(front, 7, kHeight));
}

void paintHouse(QPainter& p)
{
    const QRectF wall(282, 214, 92, 58);
    QLinearGradient wallShade(wall.left(), 0, wall.right(), 0);
    wallShade.setColorAt(0.0, QColor(246, 226, 190));
    wallShade.setColorAt(1.0, QColor(208, 176, 140));
    p.setPen(QPen(QColor(90, 60, 50), 1.2));
    p.setBrush(wallShade);
    p.drawRect(wall);

    p.setBrush(QColor(120, 96, 88));
    p.drawRect(QRectF(348, 176, 12, 26));  // chimney

    const QPolygonF roof{{270, 216}, {328, 172}, {386, 216}};
    p.setBrush(QColor(176, 52, 44));
    p.drawPolygon(roof);
    p.setPen(QPen(QColor(130, 34, 30), 1));
    for (double y = 184; y < 216; y += 6) {  // rows of tiles
        const double half = (y - 172) * 58 / 44;
        p.drawLine(QPointF(328 - half + 3, y), QPointF(328 + half - 3, y));
    }

    // Lit windows with their crossbars, and a door.
    for (const double x : {292.0, 346.0}) {
        const QRectF window(x, 228, 18, 16);
        p.setPen(QPen(QColor(90, 60, 50), 1.5));
        p.setBrush(QColor(255, 210, 90));
        p.drawRect(window);
        p.drawLine(QPointF(window.center().x(), window.top()), QPointF(window.center().x(), window.bottom()));
        p.drawLine(QPointF(window.left(), window.center().y()), QPointF(window.right(), window.center().y()));
    }
    p.setBrush(QColor(60, 96, 150));
    p.drawRect(QRectF(320, 240, 16, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 80));
    p.drawEllipse(QPointF(332, 257), 1.5, 1.5);
}

void paintFence(QPainter& p)
{
    p.setPen(QPen(QColor(120, 84, 56), 1));
    p.setBrush(QColor(236, 228, 212));
    for (double x = 8; x < 250; x += 14) {
        const QPolygonF picket{{x, 292}, {x + 4, 286}, {x + 8, 292}, {x + 8, 318}, {x, 318}};
        p.drawPolygon(picket);
    }
    p.drawRect(QRectF(4, 298, 248, 4));
    p.drawRect(QRectF(4, 310, 248, 4));
}

void paintTree(QPainter& p)
{
    QPainterPath trunk(QPointF(100, 320));
    trunk.cubicTo(108, 290, 104, 250, 112, 208);
    trunk.lineTo(124, 208);
    trunk.cubicTo(122, 250, 126, 290, 136, 320);
    trunk.closeSubpath();
    QLinearGradient bark(100, 0, 136, 0);
    bark.setColorAt(0.0, QColor(70, 44, 28));
    bark.setColorAt(0.6, QColor(122, 84, 52));
    bark.setColorAt(1.0, QColor(64, 40, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(bark);
    p.drawPath(trunk);

    // The crown is a heap of leafy balls, darkest at the back, lit from the sun on the right.
    Scatter leaves(1234);
    const QColor greens[] = {QColor(30, 82, 40), QColor(46, 110, 48), QColor(74, 140, 58), QColor(120, 176, 70)};
    for (int layer = 0; layer < 4; ++layer) {
        for (int i = 0; i < 9; ++i) {
            const double angle = leaves.between(0, 2 * std::numbers::pi);
            const double reach = leaves.between(0, 44 - layer * 8);
            const QPointF centre(118 + reach * std::cos(angle) + layer * 4,
                                 176 + 0.7 * reach * std::sin(angle) - layer * 3);
            const double radius = leaves.between(16, 24) - layer * 2;
            QRadialGradient ball(centre + QPointF(radius * 0.3, -radius * 0.3), radius * 1.2);
            ball.setColorAt(0.0, greens[layer].lighter(125));
            ball.setColorAt(1.0, greens[layer]);
            p.setBrush(ball);
            p.drawEllipse(centre, radius, radius);
        }
    }

    p.setBrush(QColor(214, 40, 48));  // apples
    for (const QPointF at : {QPointF(96, 168), QPointF(138, 186), QPointF(120, 150), QPointF(150, 160),
                             QPointF(86, 192)}) {
        p.drawEllipse(at, 4, 4);
    }
}

void paintGrass(QPainter& p)
{
    Scatter blades(99);
    for (int i = 0; i < 900; ++i) {
        const double x = blades.between(0, kWidth);
        const double y = blades.between(300, kHeight + 4);
        const double lean = blades.between(-4, 4);
        const double length = 5 + (y - 300) * 0.12;
        const int green = int(blades.between(110, 200));
        p.setPen(QPen(QColor(40, green, 50), 1.0));
        p.drawLine(QPointF(x, y), QPointF(x + lean, y - length));
    }
}

void paintFlower(QPainter& p, QPointF at, double size, QColor petal, QColor heart)
{
    p.setPen(QPen(QColor(40, 110, 40), 1.2));
    p.drawLine(at, at + QPointF(0, size * 2.6));
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        const double angle = k * 2 * std::numbers::pi / 5;
        p.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * size * 0.8, size * 0.6, size * 0.6);
    }
    p.setBrush(heart);
    p.drawEllipse(at, size * 0.4, size * 0.4);
}

void paintFlowers(QPainter& p)
{
    const QColor petals[] = {QColor(230, 40, 60),   QColor(250, 200, 40), QColor(240, 120, 190),
                             QColor(90, 110, 230),  QColor(250, 250, 245), QColor(250, 130, 30),
                             QColor(160, 70, 200)};
    Scatter meadow(2024);
    for (int i = 0; i < 70; ++i) {
        const double y = meadow.between(318, kHeight - 8);
        const QPointF at(meadow.between(6, kWidth - 6), y);
        const double size = 2.5 + (y - 318) * 0.07;
        const int kind = int(meadow.between(0, 7));
        const QColor heart = kind == 1 ? QColor(120, 70, 30) : QColor(250, 220, 60);  // yellow gets a brown eye
        paintFlower(p, at, size, petals[kind], heart);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    const char* output = argc > 1 ? argv[1] : "garden.png";

    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    picture.fill(Qt::black);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p);
        paintSun(p);
        paintClouds(p);
        paintMountains(p);
        paintHills(p);
        paintHouse(p);
        paintFence(p);
        paintTree(p);
        paintGrass(p);
        paintFlowers(p);
    }

    if (!picture.save(QString::fromLocal8Bit(output), "PNG")) {
        std::fprintf(stderr, "render_sample: cannot write %s\n", output);
        return 1;
    }
    return 0;
}
