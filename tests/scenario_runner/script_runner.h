// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/main_window.h"

class QWidget;

namespace vorlix::testing {

// Replays a script of user actions against the real window and prints what
// the queries and message boxes show. Holds no behaviour of the program: it
// presses keys and buttons through Qt's test events and reads the widgets.
class ScriptRunner {
 public:
  ScriptRunner();
  ~ScriptRunner();

  // 0 at the end of the script, 2 for a line it cannot read.
  int run(std::istream& script);

 private:
  struct Command;
  bool runLine(std::string_view line);

  // Actions.
  bool open(std::string_view argument);
  bool close(std::string_view argument);
  bool focus(std::string_view name);
  bool type(std::string_view text);
  bool press(std::string_view key);
  bool paste(std::string_view argument);
  bool leftClick(std::string_view name) { return click(name, Qt::LeftButton); }
  bool rightClick(std::string_view name) { return click(name, Qt::RightButton); }
  bool middleClick(std::string_view name) { return click(name, Qt::MiddleButton); }
  bool enter(std::string_view sum);
  bool maximize(std::string_view argument);
  // Queries.
  bool printResult(std::string_view argument);
  bool printFocused(std::string_view argument);
  bool printText(std::string_view name);
  bool printCaption(std::string_view name);
  bool printColour(std::string_view name);
  bool printVisible(std::string_view name);

  bool click(std::string_view name, Qt::MouseButton button);
  void typeCharacter(char32_t character);
  void fill(window::Control box, std::string_view digits);
  QPoint clickPoint(window::Control control) const;
  QWidget* keyTarget() const;
  void settle();

  std::unique_ptr<platform::MainWindow> window_;
};

}  // namespace vorlix::testing
