// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <fstream>
#include <iostream>

#include "message_watcher.h"
#include "platform/program_end.h"
#include "script_runner.h"

// vorlix-script [FILE]: runs a script from FILE, or from standard input.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc > 2) {
    std::cerr << "usage: vorlix-script [FILE]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1]);
    if (!file) {
      std::cerr << "vorlix-script: cannot open " << argv[1] << "\n";
      return 2;
    }
  }
  vorlix::testing::MessageWatcher watcher;
  vorlix::testing::ScriptRunner runner;
  return vorlix::platform::endOfProgram(runner.run(argc == 2 ? file : std::cin));
}
