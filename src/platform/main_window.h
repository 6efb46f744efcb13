// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's one window in Qt. MainWindow owns the widgets and the
// core objects behind them: the window model, the commands, the
// recolouring and the settings store. It does two things only: it turns
// Qt's events into calls on the core (typed characters into the key
// filters, button clicks into commands, right-clicks into recolouring,
// closing into saving), and it shows every change of the model on the
// widgets, the focus as a ring around the focused control, in the colours
// the core's rule gives. What a key or a click does is decided in the core. Deciding
// what counts as which event is this layer's part:
// - a typed character is worked out from a key press (key_code.h), and Alt
//   with a key is a command, never typing;
// - a right-click is the release of the right button; every right-button
//   event is kept from the widgets, which would take the focus or open a
//   context menu; the context-menu key and Shift+F10 right-click the
//   focused control, and a key of its own each element that never takes
//   the focus.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "colors/recolouring.h"
#include "platform/announcer.h"
#include "platform/control_widgets.h"
#include "platform/qt_message_box.h"
#include "platform/user_language.h"
#include "settings/settings_store.h"
#include "window/calculator_commands.h"
#include "window/window_model.h"

class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;
class QStyle;

namespace vorlix::platform {

class FocusRing;

class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  // Builds the window, every text in `language`, and restores the colours
  // saved in `store`.
  explicit MainWindow(std::unique_ptr<settings::SettingsStore> store,
                      const Language& language = userLanguage());
  ~MainWindow() override;
  Q_DISABLE_COPY_MOVE(MainWindow)

  const window::WindowModel& model() const { return model_; }
  // nullptr for the drawn shapes.
  QWidget* widgetFor(window::Control control) const { return widgets_[window::indexOf(control)]; }
  std::optional<window::Control> controlOf(const QObject* object) const;
  // The pixel rectangle of an element (a line's is its bounding box).
  QRect pixelRect(window::Control control) const;
  // Saves the colours now, as closing does, and gives the message to tell
  // when they could not be saved, for the caller to tell where no box holds
  // anyone up: when the session ends with the window open. Colours already
  // saved, or already found unsaveable, are not written again: a session
  // manager asks more than once as a logout begins, and the close follows.
  // For those the verdict of their save is given again.
  std::optional<std::string> saveColoursNow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void connectWidgets();
  void showChange(window::Control control, window::Property property);
  void showOnWidget(window::Control control, window::Property property);
  void showColours(window::Control control);
  void describe(window::Control control);
  void showFocusRing();
  void keepOwnSize();
  void watchRightClicks();
  void addRecolouringKeys();
  bool filterButtonKey(window::Control button, const QEvent& event);
  bool filterKeyPress(window::Control box, const QKeyEvent& event);
  bool filterInputMethod(window::Control box, QWidget& target, const QInputMethodEvent& event);
  bool filterWindowMouse(const QMouseEvent& event);
  window::Control elementAt(QPoint point) const;

  const Language& language_;
  window::WindowModel model_{language_};
  QtMessageBox messages_{this};
  window::CalculatorCommands commands_{model_, messages_, language_};
  Announcer announcer_{*this};
  colors::Recolouring recolouring_{model_, language_};
  std::unique_ptr<settings::SettingsStore> store_;
  ControlWidgets widgets_{};
  FocusRing* focusRing_ = nullptr;          // made when a control first takes the focus
  std::vector<window::Colour> lastTried_;   // last saved or found unsaveable
  std::optional<std::string> lastFailure_;  // why they could not be saved
  QSize ownSize_;
  bool forwardingInputMethod_ = false;
};

// Creates the window as the program starts it, its colours restored from
// the user's settings, and shows it at the window system's default place.
std::unique_ptr<MainWindow> openMainWindow();

}  // namespace vorlix::platform
