#ifndef BANNERS_H
#define BANNERS_H

#include <QPixmap>

// The grey bands across the top and the bottom of every wizard page.
QPixmap headerBannerPixmap(); // 532 by 36
QPixmap footerBannerPixmap(); // 532 by 19

#endif
