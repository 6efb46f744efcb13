// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_icon.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace vorlix::platform {
namespace {

// A window: frame, title bar and a light client area.
QImage drawWindow(int size, bool twoColours) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const int margin = size / 16;
  const QRect frame(margin, margin * 2, size - 2 * margin - 1, size - 4 * margin - 1);
  const int titleHeight = size / 5;
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(frame);
  painter.fillRect(frame.left() + 1, frame.top() + 1, frame.width() - 1, titleHeight,
                   twoColours ? QColor(Qt::black) : QColor(Qt::darkBlue));
  if (!twoColours) {
    const QRect client(frame.left() + 2, frame.top() + titleHeight + 2, frame.width() - 3,
                       frame.height() - titleHeight - 3);
    painter.fillRect(client, Qt::cyan);
  }
  painter.end();
  if (twoColours) return image.convertToFormat(QImage::Format_Mono);
  return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
}

}  // namespace

QIcon genericWindowIcon() {
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(drawWindow(32, true)));
  icon.addPixmap(QPixmap::fromImage(drawWindow(32, false)));
  icon.addPixmap(QPixmap::fromImage(drawWindow(16, false)));
  return icon;
}

}  // namespace vorlix::platform
