#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "window/color.h"
#include "window/control_ref.h"

namespace vorlix::window {

// Raised when a name or index addresses no element of the window.
class NoSuchControl : public std::out_of_range {
 public:
  explicit NoSuchControl(ControlRef ref);
};

// The window model: every element addressed by name and index. The handlers
// read and write the window only through this; an in-memory model serves
// the tests, the Qt widgets serve the program.
class Form {
 public:
  virtual ~Form() = default;

  // Text boxes.
  virtual std::string text(ControlRef box) const = 0;
  virtual void setText(ControlRef box, std::string_view text) = 0;
  virtual bool visible(ControlRef control) const = 0;
  virtual void setVisible(ControlRef control, bool visible) = 0;

  // Labels, buttons and the window's own caption.
  virtual std::string caption(ControlRef control) const = 0;
  virtual void setCaption(ControlRef control, std::string_view caption) = 0;

  virtual Color backColor(ControlRef element) const = 0;
  // Returns false, and leaves the element as it was, for a value that is
  // not a colour (see isValidColor).
  virtual bool setBackColor(ControlRef element, Color color) = 0;

  virtual void setFocus(ControlRef control) = 0;
  // The control with the keyboard focus, if any.
  virtual std::optional<ControlRef> focused() const = 0;

  // A modal message box titled "Vorlix" with an OK button; returns when the
  // user has dismissed it.
  virtual void showMessage(std::string_view text) = 0;
};

}  // namespace vorlix::window
