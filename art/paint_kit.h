#pragma once
// Shared means of drawing: the palette, a canvas at twice the shown size, a repeatable
// noise source and the small icons that several pictures use.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>

namespace kelmira::art {

// Everything is drawn in the coordinates it shows at 100 % and stored at twice that size.
inline constexpr int kOversample = 2;

namespace palette {
inline const QColor kSand{232, 210, 166};
inline const QColor kSandDark{214, 186, 138};
inline const QColor kWall{181, 131, 90};
inline const QColor kWallDark{122, 78, 45};
inline const QColor kInk{74, 46, 26};
inline const QColor kCream{251, 243, 224};
inline const QColor kParchment{244, 230, 198};
inline const QColor kGold{222, 172, 46};
inline const QColor kGoldDark{150, 104, 20};
inline const QColor kCamel{196, 142, 82};
inline const QColor kCamelDark{128, 86, 44};
inline const QColor kStone{163, 141, 112};
inline const QColor kStoneDark{110, 92, 70};
inline const QColor kWater{92, 160, 196};
inline const QColor kLeaf{96, 128, 58};
inline const QColor kWood{132, 86, 50};
inline const QColor kWoodDark{84, 52, 28};
inline const QColor kTerracotta{196, 98, 60};
inline const QColor kIndigo{46, 58, 110};
// The four quarters: saffron, terracotta, dusty rose, olive.
QColor Region(int region);
QColor RegionDark(int region);
}  // namespace palette

// A picture being drawn: the painter works in shown pixels, the image holds twice as many.
class Canvas {
  public:
    Canvas(int width, int height, const QColor& background);
    QPainter& p() { return *painter_; }
    QImage finish();
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    int width_;
    int height_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};

// The generator's own repeatable noise, so every build draws the same pictures.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    double next();  // 0 <= value < 1
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

  private:
    std::uint32_t state_;
};

QFont SerifFont(double pixelSize, bool bold = true);
QFont SansFont(double pixelSize, bool bold = false);

// Text centred in a rectangle, with a light halo so it stays readable on any ground.
void DrawLabel(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
               const QColor& ink, const QColor& halo);
void DrawText(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
              const QColor& ink, int flags = Qt::AlignCenter);

// Speckles a rectangle with slightly lighter and darker dots: sand, plaster, wood.
void Speckle(QPainter& p, const QRectF& r, const QColor& base, int count, std::uint32_t seed);

// Icons drawn to fill `r` (keeping their proportions, centred).
void DrawCoin(QPainter& p, const QRectF& r);
void DrawCamel(QPainter& p, const QRectF& r, const QColor& body, bool facingRight = true);
void DrawCube(QPainter& p, const QRectF& r, const QColor& face);
void DrawCardBack(QPainter& p, const QRectF& r);
void DrawStar(QPainter& p, const QRectF& r, const QColor& fill);
void DrawSack(QPainter& p, const QRectF& r);
void DrawBarrel(QPainter& p, const QRectF& r);
void DrawChest(QPainter& p, const QRectF& r);
void DrawVase(QPainter& p, const QRectF& r);
// The emblem of region 1..4 (sack, barrel, chest, vase).
void DrawRegionEmblem(QPainter& p, const QRectF& r, int region);
void DrawPalm(QPainter& p, const QPointF& foot, double height, std::uint32_t seed);
void DrawAwning(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, int stripes);

// A building of kind 1..6 drawn into `r` (also the small icons of the panels).
void DrawBuilding(QPainter& p, const QRectF& r, int kind);

QRectF Fit(const QRectF& r, double aspect);  // the largest rect of that width/height inside r

}  // namespace kelmira::art
