#include "Banners.h"

#include <QImage>

namespace {

const int bannerWidth = 532;

// A horizontal grey ramp from `from` to `to`, with a darker rule along the
// edge that faces the page.
QImage greyRamp(int height, int from, int to, int ruleRow)
{
    QImage image(bannerWidth, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < bannerWidth; ++x) {
            const int level = from + (to - from) * x / (bannerWidth - 1);
            row[x] = uchar(y == ruleRow ? level * 3 / 4 : level);
        }
    }
    return image;
}

} // namespace

QPixmap headerBannerPixmap()
{
    return QPixmap::fromImage(greyRamp(36, 96, 236, 35));
}

QPixmap footerBannerPixmap()
{
    return QPixmap::fromImage(greyRamp(19, 236, 96, 0));
}
