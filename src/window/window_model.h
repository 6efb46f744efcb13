// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculator's window as data: the text, caption, visibility and
// background colour of every element, and which one has the focus. The
// handlers change the window only through this model, and the rules of what
// each element holds live here. A toolkit shows the model by listening to
// its changes, and reports what the user did to its widgets (typing, moving
// the focus) back through the same setters.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "translatable.h"
#include "window/colour.h"
#include "window/control.h"

namespace vorlix::window {

enum class Property : std::uint8_t { Text, Caption, Visible, Background, Focus };

// Called after a property has taken a new value; never for a setter that
// leaves the value as it was, except the focus: that is a request, passed
// on every time, since the toolkit may have moved the focus meanwhile.
using ChangeListener = std::function<void(Control, Property)>;

class WindowModel {
 public:
  // Every element as the layout creates it, the captions in `language`; the
  // focus in the first numerator.
  explicit WindowModel(const Language& language);
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;
  ~WindowModel() = default;

  void onChange(ChangeListener listener) { listener_ = std::move(listener); }

  // Text boxes only; asking a label or a button is a std::logic_error.
  const std::string& text(Control box) const { return words(box, Property::Text); }
  void setText(Control box, std::string_view text) { setWords(box, Property::Text, text); }

  // The window, labels and buttons only.
  const std::string& caption(Control element) const { return words(element, Property::Caption); }
  void setCaption(Control element, std::string_view caption) {
    setWords(element, Property::Caption, caption);
  }

  bool visible(Control element) const;
  void setVisible(Control element, bool visible);

  // A transparent element reports the window's colour, which shows through.
  Colour background(Control element) const;
  // False, leaving the element as it was, for a transparent element or a
  // value that is not a colour (see isValidColour).
  bool setBackground(Control element, Colour colour);

  Control focus() const { return focus_; }
  // Text boxes and buttons only.
  void setFocus(Control element);

 private:
  struct Element {
    std::string words;  // a text box's text, or a caption
    bool visible = true;
    std::optional<Colour> background;  // nullopt: transparent
  };

  const Element& at(Control control) const { return elements_[indexOf(control)]; }
  Element& at(Control control) { return elements_[indexOf(control)]; }
  const std::string& words(Control element, Property property) const;
  void setWords(Control element, Property property, std::string_view words);
  void changed(Control control, Property property) const;

  std::array<Element, kControlCount> elements_;
  Control focus_ = Control::FirstNumerator;
  ChangeListener listener_;
};

}  // namespace vorlix::window
