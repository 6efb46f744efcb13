// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "identity.h"
#include "platform/qt_text.h"

namespace vorlix::app {

namespace {

bool asksForInformation(std::span<char*> arguments) {
  return std::ranges::any_of(arguments.subspan(1), [](std::string_view argument) {
    return argument.starts_with("-h") || argument.starts_with("--h") ||
           argument.starts_with("-v") || argument.starts_with("--v");
  });
}

}  // namespace

std::optional<int> answerInformationOptions(int argc, char** argv) {
  // The usual start has no such option, and skips the parser's set-up.
  if (!asksForInformation({argv, static_cast<std::size_t>(argc)})) return std::nullopt;
  // A core application names the program in the usage line without
  // needing a display; the window's application comes after it.
  int coreArgc = argc;
  const QCoreApplication core(coreArgc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(platform::qtText(identity::kDescription));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Displays this help."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Displays the version."));
  parser.addOption(help);
  parser.addOption(version);
  // Qt's own options (-platform, -style, …) are the window's business; only
  // the two that need no display are looked at here.
  parser.parse(QCoreApplication::arguments());
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    return 0;
  }
  if (parser.isSet(version)) {
    const std::string line = std::string(identity::kName) + ' ' + std::string(identity::kVersion);
    std::puts(line.c_str());
    return 0;
  }
  return std::nullopt;
}

}  // namespace vorlix::app
