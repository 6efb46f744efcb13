#pragma once

#include <map>
#include <string>
#include <vector>

#include "window/form.h"
#include "window/layout.h"

namespace vorlix::window {

// The window model held in memory, created from the layout table, for
// running the handlers without a display. Messages are recorded in order.
class MemoryForm final : public Form {
 public:
  MemoryForm();

  std::string text(ControlRef box) const override;
  void setText(ControlRef box, std::string_view text) override;
  bool visible(ControlRef control) const override;
  void setVisible(ControlRef control, bool visible) override;
  std::string caption(ControlRef control) const override;
  void setCaption(ControlRef control, std::string_view caption) override;
  Color backColor(ControlRef element) const override;
  bool setBackColor(ControlRef element, Color color) override;
  void setFocus(ControlRef control) override;
  std::optional<ControlRef> focused() const override;
  void showMessage(std::string_view text) override;

  const std::vector<std::string>& messages() const { return messages_; }

 private:
  struct Element {
    ControlKind kind;
    std::string text;
    std::string caption;
    bool visible;
    std::optional<Color> background;  // nullopt: transparent
  };
  Element& at(ControlRef ref);
  const Element& at(ControlRef ref) const;
  // Like the widgets, only a text box has a text and only the window, a
  // label or a button a caption.
  static void requireText(const Element& element, ControlRef ref);
  static void requireCaption(const Element& element, ControlRef ref);

  std::map<ControlRef, Element> elements_;
  std::optional<ControlRef> focus_;
  std::vector<std::string> messages_;
};

}  // namespace vorlix::window
