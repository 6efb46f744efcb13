#include "platform/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <algorithm>

#include "colors/saved_colours.h"
#include "platform/qt_colors.h"
#include "platform/qt_fonts.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_text.h"
#include "platform/window_icon.h"

namespace vorlix::platform {
namespace {

using window::Control;
using window::ControlKind;
using window::Property;

constexpr std::array kShownProperties{Property::Text, Property::Caption, Property::Visible,
                                      Property::Background};

}  // namespace

MainWindow::MainWindow(std::unique_ptr<colors::SettingsStore> store)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      store_(std::move(store)),
      buttonStyle_(QStyleFactory::create(QStringLiteral("Windows"))) {
  const window::ControlLayout& layout = window::layoutOf(Control::Window);
  setWindowIcon(genericWindowIcon());
  setFont(qtFont(layout.font));
  setFixedSize(pixels(*this, layout.geometry.width), pixels(*this, layout.geometry.height));
  setAutoFillBackground(true);
  widgets_ = createControlWidgets(*this, *buttonStyle_);
  for (const window::ControlLayout& element : window::windowLayout()) {
    for (const Property property : kShownProperties) showChange(element.control, property);
  }
  model_.onChange([this](Control control, Property property) { showChange(control, property); });
  connectWidgets();
  model_.setFocus(Control::FirstNumerator);
  colors::restoreColours(model_, *store_);
}

MainWindow::~MainWindow() {
  // The buttons use buttonStyle_, so they go before it does; the model's
  // listener must not reach widgets that are being destroyed.
  model_.onChange({});
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

// Typing, the focus and clicks reach the core; right-clicks are taken from
// the window's own event stream, before Qt hands them to a widget that
// would take the focus or open a context menu.
void MainWindow::connectWidgets() {
  for (const window::ControlLayout& layout : window::windowLayout()) {
    QWidget* widget = widgetFor(layout.control);
    const Control control = layout.control;
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      connect(box, &QLineEdit::textChanged, this,
              [this, control](const QString& text) { model_.setText(control, utf8(text)); });
      if (std::ranges::find(window::kEntryOrder, control) != window::kEntryOrder.end()) {
        box->installEventFilter(this);  // typed keys go through the key filter
      }
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
      connect(button, &QPushButton::clicked, this,
              [this, control] { commands_.clickButton(control); });
      button->installEventFilter(this);
    }
  }
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (const auto control = controlOf(now); control && window::takesFocus(*control)) {
      model_.setFocus(*control);
    }
  });
  create();
  windowHandle()->installEventFilter(this);
}

void MainWindow::showChange(Control control, Property property) {
  QWidget* widget = widgetFor(control);
  if (!widget) return;
  switch (property) {
    case Property::Text:
      if (auto* box = qobject_cast<QLineEdit*>(widget);
          box != nullptr && utf8(box->text()) != model_.text(control)) {
        box->setText(qtText(model_.text(control)));
      }
      break;
    case Property::Caption:
      if (widget == this) setWindowTitle(qtText(model_.caption(control)));
      if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(qtText(model_.caption(control)));
      if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(qtText(model_.caption(control)));
      }
      break;
    case Property::Visible:
      if (widget != this) widget->setVisible(model_.visible(control));
      break;
    case Property::Background:
      showBackground(control);
      break;
    case Property::Focus:
      widget->setFocus(Qt::OtherFocusReason);
      break;
  }
}

void MainWindow::showBackground(Control control) {
  const window::ControlLayout& layout = window::layoutOf(control);
  if (!layout.background) return;  // transparent: the window shows through
  setBackground(*widgetFor(control), layout.kind,
                toQColor(model_.background(control), QApplication::palette()));
  if (control == Control::Window) update();
}

std::optional<Control> MainWindow::controlOf(const QObject* object) const {
  if (!object) return std::nullopt;
  for (const window::ControlLayout& layout : window::windowLayout()) {
    if (widgetFor(layout.control) == object) return layout.control;
  }
  return std::nullopt;
}

QRect MainWindow::pixelRect(Control control) const {
  const window::Geometry& g = window::layoutOf(control).geometry;
  return {pixels(*this, g.left), pixels(*this, g.top), pixels(*this, g.width),
          pixels(*this, g.height)};
}

void MainWindow::closeEvent(QCloseEvent* event) {
  try {
    colors::saveColours(model_, *store_);
  } catch (const colors::SettingsWriteError& error) {
    showModalMessage(this, qtText(colors::saveFailureMessage(error)));
  }
  QWidget::closeEvent(event);
}

// The rectangle and the fraction bars are drawn on the window, beneath
// every control.
void MainWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setBrush(Qt::NoBrush);
  for (const window::ControlLayout& layout : window::windowLayout()) {
    if (layout.kind != ControlKind::Rectangle && layout.kind != ControlKind::Line) continue;
    painter.setPen(QPen(toQColor(layout.foreground, QApplication::palette()), 0));
    const QRect rect = pixelRect(layout.control);
    if (layout.kind == ControlKind::Rectangle) {
      painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
      painter.drawLine(rect.topLeft(), rect.topLeft() + QPoint(rect.width(), rect.height()));
    }
  }
}

std::unique_ptr<MainWindow> openMainWindow() {
  auto window = std::make_unique<MainWindow>(std::make_unique<QtSettingsStore>());
  window->show();
  return window;
}

}  // namespace vorlix::platform
