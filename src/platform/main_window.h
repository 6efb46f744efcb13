// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's one window in Qt. MainWindow owns the widgets and the
// core objects behind them: the window model, the commands, the
// recolouring and the settings store. It does two things only: it turns
// Qt's events into calls on the core (typed characters into the key filter,
// button clicks into commands, right-clicks into recolouring, closing into
// saving), and it shows every change of the model on the widgets. What a
// key or a click does is decided in the core.

#include <QWidget>
#include <memory>
#include <optional>

#include "colors/recolouring.h"
#include "colors/settings_store.h"
#include "platform/announcer.h"
#include "platform/control_widgets.h"
#include "platform/message_box.h"
#include "window/calculator_commands.h"
#include "window/window_model.h"

class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QPushButton;
class QStyle;

namespace vorlix::platform {

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and restores the colours saved in `store`.
  explicit MainWindow(std::unique_ptr<colors::SettingsStore> store);
  ~MainWindow() override;
  Q_DISABLE_COPY_MOVE(MainWindow)

  const window::WindowModel& model() const { return model_; }
  // nullptr for the drawn shapes.
  QWidget* widgetFor(window::Control control) const { return widgets_[window::indexOf(control)]; }
  std::optional<window::Control> controlOf(const QObject* object) const;
  // The pixel rectangle of an element (a line's is its bounding box).
  QRect pixelRect(window::Control control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void connectWidgets();
  void showChange(window::Control control, window::Property property);
  void showColours(window::Control control);
  void describe(window::Control control);
  void keepOwnSize();
  static bool filterButtonKey(QPushButton& button, const QEvent& event);
  bool filterKeyPress(window::Control box, const QKeyEvent& event);
  bool filterInputMethod(window::Control box, QWidget& target, const QInputMethodEvent& event);
  bool filterWindowMouse(const QMouseEvent& event);
  window::Control elementAt(QPoint point) const;

  window::WindowModel model_;
  QtMessageBox messages_{this};
  window::CalculatorCommands commands_{model_, messages_};
  Announcer announcer_{*this};
  colors::Recolouring recolouring_{model_};
  std::unique_ptr<colors::SettingsStore> store_;
  std::unique_ptr<QStyle> buttonStyle_;
  ControlWidgets widgets_{};
  QSize ownSize_;
  bool forwardingInputMethod_ = false;
};

// Creates the window as the program starts it, its colours restored from
// the user's settings, and shows it at the window system's default place.
std::unique_ptr<MainWindow> openMainWindow();

}  // namespace vorlix::platform
