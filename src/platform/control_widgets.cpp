// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/control_widgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <limits>
#include <map>
#include <utility>

#include "platform/qt_fonts.h"

namespace vorlix::platform {
namespace {

using window::ControlKind;
using window::ControlLayout;

// The roles an element's text and background are painted in.
std::pair<QPalette::ColorRole, QPalette::ColorRole> colourRoles(ControlKind kind) {
  switch (kind) {
    case ControlKind::CommandButton:
      return {QPalette::ButtonText, QPalette::Button};
    case ControlKind::TextBox:
      return {QPalette::Text, QPalette::Base};
    default:
      return {QPalette::WindowText, QPalette::Window};
  }
}

QWidget* createWidget(const ControlLayout& layout, QWidget& window, QStyle& buttonStyle) {
  switch (layout.kind) {
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(&window);
      box->setContextMenuPolicy(Qt::NoContextMenu);
      box->setMaxLength(std::numeric_limits<int>::max());  // Qt's default stops at 32767
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(&window);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(
          Qt::AlignTop |
          (layout.alignment == window::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft));
      label->setAutoFillBackground(layout.background.has_value());
      return label;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(&window);
      button->setStyle(&buttonStyle);
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::Window:
      return &window;
    case ControlKind::Rectangle:
    case ControlKind::Line:
      return nullptr;
  }
  return nullptr;
}

// As many digits as the largest number a box takes, 32767, has.
constexpr int kDigitsShown = 5;

// QLineEdit keeps this many pixels free on each side of its text. The boxes
// give them to the text, as negative text margins, so that larger digits
// fit.
constexpr int kLineEditMargin = 2;

// The room a line edit leaves its text: its contents inside the style's
// frame and the text margins, less QLineEdit's own margins and a pixel for
// the text cursor.
QSizeF textRoom(const QLineEdit& box) {
  QStyleOptionFrame frame;
  frame.initFrom(&box);
  frame.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box);
  const QRect contents = box.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &frame, &box)
                             .marginsRemoved(box.textMargins());
  return {contents.width() - 2.0 * kLineEditMargin - 1, static_cast<qreal>(contents.height())};
}

void place(QWidget& widget, const ControlLayout& layout, const QWidget& window) {
  const window::Geometry& g = layout.geometry;
  widget.setGeometry(pixels(window, g.left), pixels(window, g.top), pixels(window, g.width),
                     pixels(window, g.height));
  widget.setFont(qtFont(layout.font));
  if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
    box->setTextMargins(-kLineEditMargin, 0, -kLineEditMargin, 0);
  }
}

// Labels hold places in the tab order but never take the focus.
void setTabOrder(const ControlWidgets& widgets) {
  std::map<int, QWidget*> byTabIndex;
  for (const ControlLayout& layout : window::windowLayout()) {
    QWidget* widget = widgets[window::indexOf(layout.control)];
    if (!widget || layout.kind == ControlKind::Window) continue;
    const bool focusable = layout.tabIndex && window::takesFocus(layout.control);
    widget->setFocusPolicy(focusable ? Qt::StrongFocus : Qt::NoFocus);
    if (focusable) byTabIndex.emplace(*layout.tabIndex, widget);
  }
  QWidget* previous = nullptr;
  for (const auto& [tabIndex, widget] : byTabIndex) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

}  // namespace

ControlWidgets createControlWidgets(QWidget& window, QStyle& buttonStyle) {
  ControlWidgets widgets{};
  for (const ControlLayout& layout : window::windowLayout()) {
    QWidget* widget = createWidget(layout, window, buttonStyle);
    widgets[window::indexOf(layout.control)] = widget;
    if (widget && widget != &window) place(*widget, layout, window);
  }
  setTabOrder(widgets);
  return widgets;
}

void fitDigits(QLineEdit& box, const window::Font& layoutFont) {
  box.setFont(fontFittingDigits(digitsFont(qtFont(layoutFont)), kDigitsShown, textRoom(box)));
}

void setColours(QWidget& widget, ControlKind kind, const std::optional<QColor>& background,
                const QColor& text) {
  const auto [textRole, backgroundRole] = colourRoles(kind);
  QPalette palette = widget.palette();
  if (kind != ControlKind::Window) palette.setColor(textRole, text);
  if (background) palette.setColor(backgroundRole, *background);
  widget.setPalette(palette);
}

int pixels(const QWidget& window, int twips) {
  return window::twipsToPixels(twips, window.logicalDpiX());
}

}  // namespace vorlix::platform
