// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <algorithm>

#include "colors/saved_colours.h"
#include "identity.h"
#include "platform/accessible_interfaces.h"
#include "platform/qt_colours.h"
#include "platform/qt_fonts.h"
#include "platform/qt_text.h"
#include "platform/window_icon.h"
#include "settings/settings_file.h"
#include "settings/settings_location.h"
#include "window/descriptions.h"

namespace vorlix::platform {
namespace {

using window::Control;
using window::ControlKind;
using window::Property;

constexpr std::array kShownProperties{Property::Text, Property::Caption, Property::Visible,
                                      Property::Background};

// The buttons' style, which fills exactly their background colour. The
// application owns it, so that it outlives every button.
QStyle& buttonStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = QStyleFactory::create(QStringLiteral("Windows"));
    style->setParent(qApp);
  }
  return *style;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<settings::SettingsStore> store, const Language& language)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      language_(language),
      store_(std::move(store)) {
  installAccessibleInterfaces();
  const window::ControlLayout& layout = window::layoutOf(Control::Window);
  setWindowIcon(genericWindowIcon());
  setFont(qtFont(layout.font));
  ownSize_ = {pixels(*this, layout.geometry.width), pixels(*this, layout.geometry.height)};
  // A Wayland compositor may maximize any window, and then wants exactly the
  // size it asks for: Qt clamping a fixed-size window would end the
  // connection. There the window has a minimum size only and keeps to its
  // own size itself, except while maximized or full screen.
  if (QGuiApplication::platformName() == QStringLiteral("wayland")) {
    setMinimumSize(ownSize_);
    resize(ownSize_);
  } else {
    setFixedSize(ownSize_);
  }
  setAutoFillBackground(true);
  widgets_ = createControlWidgets(*this, buttonStyle());
  for (const window::ControlLayout& element : window::windowLayout()) {
    for (const Property property : kShownProperties) showOnWidget(element.control, property);
    describe(element.control);
  }
  model_.onChange([this](Control control, Property property) { showChange(control, property); });
  const auto say = [this](const std::string& phrase) { announcer_.say(qtText(phrase)); };
  commands_.onAnnouncement(say);
  recolouring_.onAnnouncement(say);
  connectWidgets();
  watchRightClicks();
  addRecolouringKeys();
  model_.setFocus(Control::FirstNumerator);
  colors::restoreColours(model_, *store_);
}

// The widgets outlive this body, and the core objects do not: nothing the
// model or the application reports may reach them meanwhile.
MainWindow::~MainWindow() {
  model_.onChange({});
  disconnect(qApp, nullptr, this, nullptr);
}

// Typing, the focus and clicks reach the core.
void MainWindow::connectWidgets() {
  for (const window::ControlLayout& layout : window::windowLayout()) {
    QWidget* widget = widgetFor(layout.control);
    const Control control = layout.control;
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      connect(box, &QLineEdit::textChanged, this,
              [this, box, control, fitted = false](const QString& text) mutable {
                if (!fitted && !text.isEmpty()) {
                  fitDigits(*box, window::layoutOf(control).font);
                  fitted = true;
                }
                model_.setText(control, utf8(text));
              });
      box->installEventFilter(this);
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
    showFocusRing();
  });
}

// Right-clicks are taken from the native window's own event stream, before
// Qt hands them to a widget; so the native window is made now, not when
// the window is first shown.
void MainWindow::watchRightClicks() {
  create();
  windowHandle()->installEventFilter(this);
}

// What is said of an element follows its caption, and each result box
// describes the whole result. The focus ring follows the colours and the
// neighbours shown around it.
void MainWindow::showChange(Control control, Property property) {
  showOnWidget(control, property);
  if (property == Property::Caption) describe(control);
  if (property == Property::Background || property == Property::Visible) showFocusRing();
  if (std::ranges::find(window::kResultBoxes, control) != window::kResultBoxes.end()) {
    for (const Control box : window::kResultBoxes) describe(box);
  }
}

void MainWindow::showOnWidget(Control control, Property property) {
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
      showColours(control);
      break;
    case Property::Focus:
      widget->setFocus(Qt::OtherFocusReason);
      break;
  }
}

// The text colour follows the background, so that a light background keeps
// dark text whatever the theme's text colour; a transparent element shows
// the window's colour and follows that.
void MainWindow::showColours(Control control) {
  QWidget* widget = widgetFor(control);
  if (!widget) return;
  const window::ControlLayout& layout = window::layoutOf(control);
  const QPalette& theme = QApplication::palette();
  const QColor background = toQColor(model_.background(control), theme);
  const QColor text = readableTextColour(toQColor(layout.foreground, theme), background);
  setColours(*widget, layout.kind, layout.background ? std::optional(background) : std::nullopt,
             text);
  if (control != Control::Window) return;
  for (const window::ControlLayout& element : window::windowLayout()) {
    if (!element.background) showColours(element.control);
  }
  update();
}

void MainWindow::describe(Control control) {
  QWidget* widget = widgetFor(control);
  const auto description = window::descriptionOf(control);
  if (!widget || !description) return;
  // Qt tells assistive technology of every call, changed or not.
  const QString name = qtText(window::spokenName(model_, control, language_));
  if (widget->accessibleName() != name) widget->setAccessibleName(name);
  const QString spoken = qtText(window::spokenDescription(model_, control, language_));
  if (widget->accessibleDescription() != spoken) widget->setAccessibleDescription(spoken);
  if (!description->toolTip.source.empty()) {
    widget->setToolTip(qtText(language_.text(description->toolTip)));
  }
}

// System colours are the theme's: when it changes, every element is
// coloured again.
void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange) keepOwnSize();
  if (event->type() == QEvent::ApplicationPaletteChange) {
    for (const window::ControlLayout& element : window::windowLayout()) {
      if (element.background) showColours(element.control);
    }
    showFocusRing();
  }
  QWidget::changeEvent(event);
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

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  keepOwnSize();
}

// The controls keep their places whatever the size; only a maximized or
// full-screen window is larger than its own size.
void MainWindow::keepOwnSize() {
  const bool sizedByWindowSystem =
      (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
  if (!sizedByWindowSystem && size() != ownSize_) resize(ownSize_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (const auto failure = saveColoursNow()) showModalMessage(this, qtText(*failure));
  QWidget::closeEvent(event);
}

std::optional<std::string> MainWindow::saveColoursNow() {
  std::vector<window::Colour> colours;
  for (const colors::StoredKey& stored : colors::storedKeys()) {
    colours.push_back(model_.background(stored.element));
  }
  if (colours == lastTried_) return lastFailure_;
  lastTried_ = std::move(colours);
  try {
    colors::saveColours(model_, *store_);
    lastFailure_.reset();
  } catch (const settings::SettingsWriteError& error) {
    lastFailure_ = colors::saveFailureMessage(error, language_);
  }
  return lastFailure_;
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
  auto store = std::make_unique<settings::SettingsFile>(
      settings::settingsFilePath(identity::kOrganisation, identity::kName));
  auto window = std::make_unique<MainWindow>(std::move(store));
  window->show();
  return window;
}

}  // namespace vorlix::platform
