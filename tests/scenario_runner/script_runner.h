#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/qt_form.h"

namespace vorlix::testing {

// Replays a script of user actions against the real window and prints what
// the queries and message boxes show. Holds no behaviour of the program: it
// only presses keys and buttons through Qt's test events and reads the
// window model.
class ScriptRunner {
 public:
  ScriptRunner();
  ~ScriptRunner();

  // 0 at the end of the script, 2 for a line it cannot read.
  int run(std::istream& script);

 private:
  bool runLine(std::string_view line);
  bool act(std::string_view command, std::string_view argument);
  bool query(std::string_view command, std::string_view argument);
  std::optional<window::ControlRef> control(std::string_view name) const;
  bool press(std::string_view key);
  void typeCharacter(char32_t character);
  bool click(std::string_view name, Qt::MouseButton button);
  QPoint clickPoint(window::ControlRef ref) const;
  QWidget* keyTarget() const;
  void settle();

  std::unique_ptr<platform::QtForm> form_;
};

// "\"" and "\\" escaped, the whole in double quotes.
std::string quoted(std::string_view text);

}  // namespace vorlix::testing
