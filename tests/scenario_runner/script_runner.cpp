#include "script_runner.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <array>
#include <iostream>

#include "platform/main_window.h"

namespace vorlix::testing {
namespace {

using window::ControlName;
using window::ControlRef;

struct NamedKey {
  std::string_view name;
  Qt::Key key;
  const char* text;  // what X11 sends with it
};

constexpr std::array kNamedKeys{
    NamedKey{"Enter", Qt::Key_Return, "\r"},
    NamedKey{"KeypadEnter", Qt::Key_Enter, "\r"},
    NamedKey{"Backspace", Qt::Key_Backspace, "\b"},
    NamedKey{"Tab", Qt::Key_Tab, "\t"},
    NamedKey{"Escape", Qt::Key_Escape, "\x1b"},
    NamedKey{"Delete", Qt::Key_Delete, "\x7f"},
    NamedKey{"Space", Qt::Key_Space, " "},
    NamedKey{"Left", Qt::Key_Left, ""},
    NamedKey{"Right", Qt::Key_Right, ""},
    NamedKey{"Home", Qt::Key_Home, ""},
    NamedKey{"End", Qt::Key_End, ""},
};

struct Modifier {
  std::string_view prefix;
  Qt::KeyboardModifier modifier;
};

constexpr std::array kModifiers{Modifier{"Ctrl+", Qt::ControlModifier},
                                Modifier{"Alt+", Qt::AltModifier},
                                Modifier{"Shift+", Qt::ShiftModifier}};

QString fromUcs4(char32_t character) { return QString::fromUcs4(&character, 1); }

// The key that types a character, as the X11 keyboard reports it.
Qt::Key keyFor(char32_t character) {
  if (character >= 'a' && character <= 'z') return Qt::Key(Qt::Key_A + int(character - 'a'));
  if (character > 0xFFFF) return Qt::Key_unknown;
  return Qt::Key(QChar(char16_t(character)).toUpper().unicode());
}

void sendKey(QWidget* target, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QTest::sendKeyEvent(QTest::Press, target, key, text, modifiers);
  QTest::sendKeyEvent(QTest::Release, target, key, text, modifiers);
}

}  // namespace

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

ScriptRunner::ScriptRunner() : form_(platform::openMainWindow()) { settle(); }

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
  const auto space = line.find(' ');
  const std::string_view command = line.substr(0, space);
  const std::string_view argument =
      space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
  if (command == "open") {
    form_ = platform::openMainWindow();
    settle();
    return true;
  }
  if (!form_) return false;
  return act(command, argument) || query(command, argument);
}

bool ScriptRunner::act(std::string_view command, std::string_view argument) {
  if (command == "close") {
    form_->close();
    settle();
    form_.reset();
    return true;
  }
  if (command == "focus") {
    const auto ref = control(argument);
    if (!ref) return false;
    form_->setFocus(*ref);
  } else if (command == "type") {
    for (const char32_t character : QString::fromStdString(std::string(argument)).toUcs4()) {
      typeCharacter(character);
    }
  } else if (command == "press") {
    if (!press(argument)) return false;
  } else if (command == "paste") {
    const auto space = argument.find(' ');
    const auto ref = control(argument.substr(0, space));
    const std::string text =
        space == std::string_view::npos ? "" : std::string(argument.substr(space + 1));
    auto* box = ref ? qobject_cast<QLineEdit*>(form_->widgetFor(*ref)) : nullptr;
    if (!box) return false;
    box->setText(QString::fromStdString(text));
  } else if (command == "click" || command == "rclick" || command == "mclick") {
    const Qt::MouseButton button = command == "click"    ? Qt::LeftButton
                                   : command == "rclick" ? Qt::RightButton
                                                         : Qt::MiddleButton;
    if (!click(argument, button)) return false;
  } else {
    return false;
  }
  settle();
  return true;
}

bool ScriptRunner::query(std::string_view command, std::string_view argument) {
  if (command == "result" && argument.empty()) {
    std::cout << "result";
    std::string shown;
    for (std::int16_t i = 0; i < 3; ++i) {
      const ControlRef box = window::member(ControlName::Text2, i);
      std::cout << " " << quoted(form_->text(box));
      if (form_->visible(box)) shown += " " + std::to_string(i);
    }
    std::cout << " visible" << (shown.empty() ? " none" : shown) << "\n";
    return true;
  }
  if (command == "focused" && argument.empty()) {
    const auto focused = form_->focused();
    std::cout << "focused " << (focused ? window::toString(*focused) : "none") << "\n";
    return true;
  }
  const auto ref = control(argument);
  if (!ref) return false;
  const std::string name = window::toString(*ref);
  if (command == "text") {
    if (!qobject_cast<QLineEdit*>(form_->widgetFor(*ref))) return false;
    std::cout << "text " << name << " " << quoted(form_->text(*ref)) << "\n";
  } else if (command == "caption") {
    std::cout << "caption " << name << " " << quoted(form_->caption(*ref)) << "\n";
  } else if (command == "color") {
    std::cout << "color " << name << " " << form_->backColor(*ref) << "\n";
  } else if (command == "visible") {
    std::cout << "visible " << name << " " << (form_->visible(*ref) ? "yes" : "no") << "\n";
  } else {
    return false;
  }
  return true;
}

std::optional<ControlRef> ScriptRunner::control(std::string_view name) const {
  const auto ref = window::parseControlRef(name);
  if (!ref || !window::findLayout(*ref)) return std::nullopt;
  return ref;
}

bool ScriptRunner::press(std::string_view key) {
  Qt::KeyboardModifiers modifiers;
  for (bool found = true; found;) {
    found = false;
    for (const Modifier& m : kModifiers) {
      if (key.size() > m.prefix.size() && key.starts_with(m.prefix)) {
        modifiers |= m.modifier;
        key.remove_prefix(m.prefix.size());
        found = true;
      }
    }
  }
  for (const NamedKey& named : kNamedKeys) {
    if (key != named.name) continue;
    Qt::Key code = named.key;
    if (code == Qt::Key_Tab && modifiers.testFlag(Qt::ShiftModifier)) code = Qt::Key_Backtab;
    if (code == Qt::Key_Enter) modifiers |= Qt::KeypadModifier;
    sendKey(keyTarget(), code, QString::fromLatin1(named.text), modifiers);
    return true;
  }
  const QList<uint> characters = QString::fromStdString(std::string(key)).toUcs4();
  if (characters.size() != 1) return false;
  char32_t character = characters.front();
  const Qt::Key code = keyFor(character);
  QString text = fromUcs4(character);
  if (modifiers.testFlag(Qt::ControlModifier) && code >= Qt::Key_A && code <= Qt::Key_Z) {
    text = QChar(char16_t(code - Qt::Key_A + 1));
  } else if (modifiers.testFlag(Qt::ShiftModifier)) {
    text = text.toUpper();
  }
  sendKey(keyTarget(), code, text, modifiers);
  return true;
}

void ScriptRunner::typeCharacter(char32_t character) {
  const bool upper = character >= 'A' && character <= 'Z';
  sendKey(keyTarget(), keyFor(character), fromUcs4(character),
          upper ? Qt::ShiftModifier : Qt::NoModifier);
}

bool ScriptRunner::click(std::string_view name, Qt::MouseButton button) {
  const auto ref = control(name);
  if (!ref) return false;
  QTest::mouseClick(form_->windowHandle(), button, Qt::NoModifier, clickPoint(*ref));
  return true;
}

// A point of the element that no control covers: the centre of a control,
// a point of a drawn outline or line, a free corner of the window.
QPoint ScriptRunner::clickPoint(ControlRef ref) const {
  const QRect rect = form_->pixelRect(ref);
  switch (ref.name) {
    case ControlName::Form1:
      return form_->pixelRect(window::single(ControlName::Shape1)).topLeft() / 2;
    case ControlName::Shape1:
      return {rect.left(), rect.center().y()};
    case ControlName::Line1:
      return {rect.left() + rect.width() / 2, rect.top()};
    default:
      return rect.center();
  }
}

QWidget* ScriptRunner::keyTarget() const {
  QWidget* focus = QApplication::focusWidget();
  return focus ? focus : form_.get();
}

// Lets everything an action set off finish: posted events, and the delayed
// click of an access key.
void ScriptRunner::settle() {
  QElapsedTimer waited;
  waited.start();
  const auto busy = [this] {
    if (!form_) return false;
    for (const auto* button : form_->findChildren<QAbstractButton*>()) {
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
