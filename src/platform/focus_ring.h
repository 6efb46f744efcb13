// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFocusFrame>
#include <QRect>
#include <vector>

namespace vorlix::platform {

// A stretch of the ring and the colour it is drawn in.
struct RingPart {
  QRect area;  // in the window's coordinates
  QColor colour;
};

// The ring that shows which control has the keyboard focus: two pixels
// wide, in the gap the layout leaves around every control. It lies above
// the window's other children, so that a neighbour closer than two pixels
// cannot hide a part of it, and takes no clicks and no focus. It is a
// QFocusFrame, which assistive technology leaves out of the window's
// children.
class FocusRing final : public QFocusFrame {
 public:
  static constexpr int kWidth = 2;

  explicit FocusRing(QWidget& window) : QFocusFrame(&window) {}

  // The rectangle the ring takes around a control.
  static QRect around(QRect control) {
    return control.marginsAdded({kWidth, kWidth, kWidth, kWidth});
  }
  // Shows the ring around `control`, each part in its colour, later parts
  // over earlier ones.
  void surround(QRect control, std::vector<RingPart> parts);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<RingPart> parts_;
};

}  // namespace vorlix::platform
