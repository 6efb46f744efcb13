// SPDX-License-Identifier: GPL-3.0-or-later
// startup-timer RUNS COMMAND...: starts each command RUNS times, interleaved,
// on the X display in $DISPLAY (with no window manager), and reports for
// each the median time from exec to its first top-level window being mapped,
// that median against the first command's and against the first command
// with the same environment (a floor in the same language), and the median
// peak resident memory, read after the window has been up for a moment.
// A command is one argument: a program, after any VAR=VALUE words that set
// its environment ("LANGUAGE=de LANG=de_DE.UTF-8 build/bench/src/app/vorlix").
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double milliseconds;
  long peakKilobytes;
};

struct Command {
  std::string text;
  std::vector<std::string> environment;  // VAR=VALUE
  std::string program;
};

Command parse(const std::string& text) {
  Command command{text, {}, {}};
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (word.find('=') != std::string::npos && command.program.empty()) {
      command.environment.push_back(word);
    } else {
      command.program = word;
    }
  }
  return command;
}

bool waitForMap(Display* display, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify) return true;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  return false;
}

Sample runOnce(Display* display, const Command& command) {
  XSync(display, True);  // drop events left from the previous run
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    for (const std::string& setting : command.environment) putenv(strdup(setting.c_str()));
    execl(command.program.c_str(), command.program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  if (!waitForMap(display, start + std::chrono::seconds(10))) {
    std::fprintf(stderr, "%s: no window within 10 s\n", command.text.c_str());
    std::exit(1);
  }
  const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  kill(child, SIGKILL);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return {elapsed, usage.ru_maxrss};
}

template <class T>
T median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup-timer RUNS COMMAND...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup-timer: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<Command> commands;
  for (int i = 2; i < argc; ++i) commands.push_back(parse(argv[i]));
  std::vector<std::vector<Sample>> samples(commands.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t c = 0; c < commands.size(); ++c) {
      samples[c].push_back(runOnce(display, commands[c]));
    }
  }
  std::vector<double> medians;
  std::printf("%d runs each, interleaved\n", runs);
  for (std::size_t c = 0; c < commands.size(); ++c) {
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample& s : samples[c]) {
      times.push_back(s.milliseconds);
      peaks.push_back(s.peakKilobytes);
    }
    medians.push_back(median(times));
    std::size_t floor = 0;
    while (commands[floor].environment != commands[c].environment) ++floor;
    std::printf(
        "%s\n  median start %.1f ms (min %.1f, max %.1f): %.3fx the first, %.3fx the first with "
        "its environment; median peak RSS %.1f MiB\n",
        commands[c].text.c_str(), medians[c], *std::min_element(times.begin(), times.end()),
        *std::max_element(times.begin(), times.end()), medians[c] / medians[0],
        medians[c] / medians[floor], static_cast<double>(median(peaks)) / 1024.0);
  }
  XCloseDisplay(display);
  return 0;
}
