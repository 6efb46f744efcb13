// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_model.h"

#include <stdexcept>
#include <string>

#include "window/layout.h"

namespace vorlix::window {
namespace {

void require(bool holds, Control control, const char* what) {
  if (!holds) {
    throw std::logic_error("element " + std::to_string(indexOf(control)) + " has no " + what);
  }
}

}  // namespace

WindowModel::WindowModel(const Language& language) {
  for (const ControlLayout& layout : windowLayout()) {
    Element& element = at(layout.control);
    element.words = language.text(layout.caption);
    element.visible = layout.visibleAtStart;
    element.background = layout.background;
  }
}

// A text box's text and a caption are one string each kind holds: the
// property names which one is meant, and which kinds may hold it.
const std::string& WindowModel::words(Control element, Property property) const {
  const bool held = property == Property::Text ? hasText(element) : hasCaption(element);
  require(held, element, property == Property::Text ? "text" : "caption");
  return at(element).words;
}

void WindowModel::setWords(Control element, Property property, std::string_view words) {
  if (this->words(element, property) == words) return;
  at(element).words = words;
  changed(element, property);
}

bool WindowModel::visible(Control element) const { return at(element).visible; }

void WindowModel::setVisible(Control element, bool visible) {
  if (at(element).visible == visible) return;
  at(element).visible = visible;
  changed(element, Property::Visible);
}

Colour WindowModel::background(Control element) const {
  return at(element).background.value_or(*at(Control::Window).background);
}

bool WindowModel::setBackground(Control element, Colour colour) {
  std::optional<Colour>& background = at(element).background;
  if (!background || !isValidColour(colour)) return false;
  if (*background != colour) {
    background = colour;
    changed(element, Property::Background);
  }
  return true;
}

void WindowModel::setFocus(Control element) {
  require(takesFocus(element), element, "focus");
  focus_ = element;
  changed(element, Property::Focus);
}

void WindowModel::changed(Control control, Property property) const {
  if (listener_) listener_(control, property);
}

}  // namespace vorlix::window
