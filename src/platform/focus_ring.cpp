// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/focus_ring.h"

#include <QPainter>
#include <QRegion>

namespace vorlix::platform {

void FocusRing::surround(QRect control, std::vector<RingPart> parts) {
  const QRect outer = around(control);
  for (RingPart& part : parts) part.area.translate(-outer.topLeft());
  parts_ = std::move(parts);
  setGeometry(outer);
  setMask(QRegion(rect()) - QRegion(rect().marginsRemoved({kWidth, kWidth, kWidth, kWidth})));
  raise();
  show();
  update();
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const RingPart& part : parts_) painter.fillRect(part.area, part.colour);
}

}  // namespace vorlix::platform
