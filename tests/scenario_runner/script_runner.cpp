// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <array>
#include <iostream>

#include "control_names.h"
#include "key_events.h"
#include "result_text.h"
#include "written_sum.h"

namespace vorlix::testing {

using window::Control;

struct ScriptRunner::Command {
  std::string_view name;
  bool (ScriptRunner::*run)(std::string_view argument);
  bool needsWindow;
};

namespace {

std::optional<std::string> layoutNameOf(std::optional<Control> control) {
  if (!control) return std::nullopt;
  return std::string(scriptName(*control));
}

std::pair<std::string_view, std::string_view> splitFirstWord(std::string_view line) {
  const auto space = line.find(' ');
  if (space == std::string_view::npos) return {line, {}};
  return {line.substr(0, space), line.substr(space + 1)};
}

}  // namespace

ScriptRunner::ScriptRunner() : window_(platform::openMainWindow()) { settle(); }

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::run(std::istream& script) {
  std::string line;
  int number = 0;
  while (std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    if (!runLine(line)) {
      std::cout.flush();
      std::cerr << "vorlix-script: line " << number << ": cannot read \"" << line << "\"\n";
      return 2;
    }
  }
  return 0;
}

bool ScriptRunner::runLine(std::string_view line) {
  static constexpr std::array<Command, 17> kCommands{{
      {"open", &ScriptRunner::open, false},
      {"close", &ScriptRunner::close, true},
      {"focus", &ScriptRunner::focus, true},
      {"type", &ScriptRunner::type, true},
      {"press", &ScriptRunner::press, true},
      {"paste", &ScriptRunner::paste, true},
      {"click", &ScriptRunner::leftClick, true},
      {"rclick", &ScriptRunner::rightClick, true},
      {"mclick", &ScriptRunner::middleClick, true},
      {"enter", &ScriptRunner::enter, true},
      {"maximize", &ScriptRunner::maximize, true},
      {"result", &ScriptRunner::printResult, true},
      {"focused", &ScriptRunner::printFocused, true},
      {"text", &ScriptRunner::printText, true},
      {"caption", &ScriptRunner::printCaption, true},
      {"color", &ScriptRunner::printColour, true},
      {"visible", &ScriptRunner::printVisible, true},
  }};
  const auto [name, argument] = splitFirstWord(line);
  for (const Command& command : kCommands) {
    if (command.name != name) continue;
    if (command.needsWindow && !window_) return false;
    return (this->*command.run)(argument);
  }
  return false;
}

bool ScriptRunner::open(std::string_view argument) {
  if (!argument.empty()) return false;
  window_ = platform::openMainWindow();
  settle();
  return true;
}

bool ScriptRunner::close(std::string_view argument) {
  if (!argument.empty()) return false;
  window_->close();
  settle();
  window_.reset();
  return true;
}

bool ScriptRunner::focus(std::string_view name) {
  const auto control = controlNamed(name);
  if (!control || !window::takesFocus(*control)) return false;
  window_->widgetFor(*control)->setFocus(Qt::OtherFocusReason);
  settle();
  return true;
}

bool ScriptRunner::type(std::string_view text) {
  for (const char32_t character : QString::fromStdString(std::string(text)).toUcs4()) {
    typeCharacter(character);
  }
  settle();
  return true;
}

bool ScriptRunner::press(std::string_view key) {
  const auto event = keyEventFor(key);
  if (!event) return false;
  sendKey(keyTarget(), *event);
  settle();
  return true;
}

// Text that reaches a box without being typed: it is not examined.
bool ScriptRunner::paste(std::string_view argument) {
  const auto [name, text] = splitFirstWord(argument);
  const auto control = controlNamed(name);
  auto* box = control ? qobject_cast<QLineEdit*>(window_->widgetFor(*control)) : nullptr;
  if (!box) return false;
  box->setText(QString::fromStdString(std::string(text)));
  settle();
  return true;
}

bool ScriptRunner::click(std::string_view name, Qt::MouseButton button) {
  const auto control = controlNamed(name);
  if (!control) return false;
  QTest::mouseClick(window_->windowHandle(), button, Qt::NoModifier, clickPoint(*control));
  settle();
  return true;
}

// `enter 1 1/2 + 2 1/3`: types both operands into their six boxes (a
// missing whole part empties its box) and clicks the operator's button.
bool ScriptRunner::enter(std::string_view written) {
  const auto sum = parseSum(written);
  if (!sum) return false;
  const auto operatorButton = std::ranges::find_if(window::kOperatorButtons, [&](Control button) {
    return qobject_cast<QPushButton*>(window_->widgetFor(button))->text().toStdString() ==
           sum->operation;
  });
  if (operatorButton == window::kOperatorButtons.end()) return false;
  fill(Control::FirstWhole, sum->first.whole);
  fill(Control::FirstNumerator, sum->first.numerator);
  fill(Control::FirstDenominator, sum->first.denominator);
  fill(Control::SecondWhole, sum->second.whole);
  fill(Control::SecondNumerator, sum->second.numerator);
  fill(Control::SecondDenominator, sum->second.denominator);
  QTest::mouseClick(qobject_cast<QPushButton*>(window_->widgetFor(*operatorButton)),
                    Qt::LeftButton);
  settle();
  return true;
}

// What the title bar's maximize button, or a desktop's shortcut, asks of
// the window system.
bool ScriptRunner::maximize(std::string_view argument) {
  if (!argument.empty()) return false;
  window_->windowHandle()->showMaximized();
  QTest::qWait(300);
  settle();
  return true;
}

void ScriptRunner::fill(Control box, std::string_view digits) {
  auto* edit = qobject_cast<QLineEdit*>(window_->widgetFor(box));
  edit->setFocus(Qt::OtherFocusReason);
  edit->clear();
  for (const char digit : digits) typeCharacter(static_cast<char32_t>(digit));
}

bool ScriptRunner::printResult(std::string_view argument) {
  if (!argument.empty()) return false;
  const auto box = [&](Control control) {
    auto* edit = qobject_cast<QLineEdit*>(window_->widgetFor(control));
    return calc::BoxContent{edit->text().toStdString(), edit->isVisibleTo(window_.get())};
  };
  std::cout << describe(calc::ResultDisplay{box(Control::ResultWhole),
                                            box(Control::ResultNumerator),
                                            box(Control::ResultDenominator)})
            << "\n";
  return true;
}

bool ScriptRunner::printFocused(std::string_view argument) {
  if (!argument.empty()) return false;
  const auto name = layoutNameOf(window_->controlOf(window_->focusWidget()));
  std::cout << "focused " << name.value_or("none") << "\n";
  return true;
}

bool ScriptRunner::printText(std::string_view name) {
  const auto control = controlNamed(name);
  auto* box = control ? qobject_cast<QLineEdit*>(window_->widgetFor(*control)) : nullptr;
  if (!box) return false;
  std::cout << "text " << name << " " << quoted(box->text().toStdString()) << "\n";
  return true;
}

bool ScriptRunner::printCaption(std::string_view name) {
  const auto control = controlNamed(name);
  if (!control) return false;
  QWidget* widget = window_->widgetFor(*control);
  QString caption;
  if (widget == window_.get()) {
    caption = widget->windowTitle();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    caption = label->text();
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    caption = button->text();
  } else {
    return false;
  }
  std::cout << "caption " << name << " " << quoted(caption.toStdString()) << "\n";
  return true;
}

// A colour value has no widget property to read back (a system colour is
// a role, not a shade), so it comes from the window's model.
bool ScriptRunner::printColour(std::string_view name) {
  const auto control = controlNamed(name);
  if (!control) return false;
  std::cout << "color " << name << " " << window_->model().background(*control) << "\n";
  return true;
}

bool ScriptRunner::printVisible(std::string_view name) {
  const auto control = controlNamed(name);
  if (!control) return false;
  const QWidget* widget = window_->widgetFor(*control);
  const bool visible = !widget || widget == window_.get() ? window_->model().visible(*control)
                                                          : widget->isVisibleTo(window_.get());
  std::cout << "visible " << name << " " << (visible ? "yes" : "no") << "\n";
  return true;
}

void ScriptRunner::typeCharacter(char32_t character) {
  sendKey(keyTarget(), keyEventTyping(character));
}

// A point of the element that no control covers: the centre of a control,
// a point of a drawn outline or line, a free corner of the window.
QPoint ScriptRunner::clickPoint(Control control) const {
  const QRect rect = window_->pixelRect(control);
  switch (window::layoutOf(control).kind) {
    case window::ControlKind::Window:
      return window_->pixelRect(Control::OperatorFrame).topLeft() / 2;
    case window::ControlKind::Rectangle:
      return {rect.left(), rect.center().y()};
    case window::ControlKind::Line:
      return {rect.left() + rect.width() / 2, rect.top()};
    default:
      return rect.center();
  }
}

QWidget* ScriptRunner::keyTarget() const {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : window_.get();
}

// Lets everything an action set off finish: posted events, and the delayed
// click of an access key.
void ScriptRunner::settle() {
  QElapsedTimer waited;
  waited.start();
  const auto busy = [this] {
    if (!window_) return false;
    for (const auto* button : window_->findChildren<QAbstractButton*>()) {
      if (button->isDown()) return true;
    }
    return false;
  };
  do {
    QTest::qWait(1);
  } while (busy() && waited.elapsed() < 2000);
  QApplication::processEvents();
}

}  // namespace vorlix::testing
