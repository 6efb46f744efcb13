// SPDX-License-Identifier: GPL-3.0-or-later
// startup-timer RUNS PROGRAM...: starts each program RUNS times, interleaved,
// on the X display in $DISPLAY (with no window manager), and reports for
// each the median time from exec to its first top-level window being mapped
// and the median peak resident memory, read after the window has been up
// for a moment.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
  double milliseconds;
  long peakKilobytes;
};

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

Sample runOnce(Display* display, const char* program) {
  XSync(display, True);  // drop events left from the previous run
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  if (!waitForMap(display, start + std::chrono::seconds(10))) {
    std::fprintf(stderr, "%s: no window within 10 s\n", program);
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
    std::fprintf(stderr, "usage: startup-timer RUNS PROGRAM...\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "startup-timer: cannot open the display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  std::vector<std::vector<Sample>> samples(static_cast<std::size_t>(argc - 2));
  for (int run = 0; run < runs; ++run) {
    for (std::size_t p = 0; p < samples.size(); ++p) {
      samples[p].push_back(runOnce(display, argv[p + 2]));
    }
  }
  for (std::size_t p = 0; p < samples.size(); ++p) {
    std::vector<double> times;
    std::vector<long> peaks;
    for (const Sample& s : samples[p]) {
      times.push_back(s.milliseconds);
      peaks.push_back(s.peakKilobytes);
    }
    std::printf("%-40s median start %.1f ms (min %.1f, max %.1f), median peak RSS %.1f MiB\n",
                argv[p + 2], median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()),
                static_cast<double>(median(peaks)) / 1024.0);
  }
  XCloseDisplay(display);
  return 0;
}
