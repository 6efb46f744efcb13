#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/calculator_view.h"

namespace vorlix::calc::testing {

// The calculation's view of the window, recorded in memory. outcome() says
// what the user would see in the same words the scenario runner uses.
class RecordingView final : public CalculatorView {
 public:
  std::array<std::string, 6> entries;
  std::string op = "+";
  std::array<std::string, 3> results;
  std::array<bool, 3> visible{false, true, true};
  std::vector<std::string> messages;

  std::string entryText(std::int16_t index) const override { return entries.at(slot(index)); }
  std::string operatorCaption() const override { return op; }
  void setResultText(std::int16_t index, std::string_view text) override {
    results.at(slot(index)) = text;
  }
  void setResultVisible(std::int16_t index, bool shown) override {
    visible.at(slot(index)) = shown;
  }
  void showMessage(std::string_view text) override { messages.emplace_back(text); }

  // `message "..."` for each box shown, else `result "T0" "T1" "T2" visible ...`.
  std::string outcome() const {
    std::string text;
    for (const auto& message : messages) text += "message \"" + message + "\"";
    if (!text.empty()) return text;
    text = "result";
    for (const auto& result : results) text += " \"" + result + "\"";
    text += " visible";
    bool any = false;
    for (std::size_t i = 0; i < visible.size(); ++i) {
      if (visible[i]) text += " " + std::to_string(i), any = true;
    }
    return any ? text : text + " none";
  }

  void calculate() {
    runWithErrorHandler(*this, [this] { Calculate(*this); });
  }

 private:
  static std::size_t slot(std::int16_t index) { return static_cast<std::size_t>(index); }
};

// Fills the boxes from the way a sum is written: "1 1/2 + 2 1/3", "3/4 x 1/2".
// A whole part is optional; the operator is the token between the operands.
inline void enterSum(RecordingView& view, const std::string& sum) {
  std::vector<std::string> tokens;
  std::string token;
  for (const char c : sum + ' ') {
    if (c != ' ') {
      token += c;
    } else if (!token.empty()) {
      tokens.push_back(token);
      token.clear();
    }
  }
  std::size_t next = 0;
  const auto operand = [&](std::size_t whole, std::size_t top, std::size_t bottom) {
    const auto isFraction = [](const std::string& t) {
      return t.size() > 1 && t.find('/') != std::string::npos;
    };
    if (!isFraction(tokens.at(next))) view.entries.at(whole) = tokens.at(next++);
    const std::string& fraction = tokens.at(next++);
    const auto bar = fraction.find('/');
    view.entries.at(top) = fraction.substr(0, bar);
    view.entries.at(bottom) = fraction.substr(bar + 1);
  };
  operand(4, 0, 1);
  view.op = tokens.at(next++);
  operand(5, 2, 3);
}

}  // namespace vorlix::calc::testing
