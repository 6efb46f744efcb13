#include "window/memory_form.h"

namespace vorlix::window {

MemoryForm::MemoryForm() {
  for (const ControlLayout& control : formLayout()) {
    elements_.emplace(control.ref, Element{control.kind, "", std::string(control.caption),
                                           control.visibleAtStart, control.background});
  }
  focus_ = member(ControlName::Text1, 0);
}

MemoryForm::Element& MemoryForm::at(ControlRef ref) {
  const auto found = elements_.find(ref);
  if (found == elements_.end()) throw NoSuchControl(ref);
  return found->second;
}

const MemoryForm::Element& MemoryForm::at(ControlRef ref) const {
  const auto found = elements_.find(ref);
  if (found == elements_.end()) throw NoSuchControl(ref);
  return found->second;
}

void MemoryForm::requireText(const Element& element, ControlRef ref) {
  if (element.kind != ControlKind::TextBox) throw NoSuchControl(ref);
}

void MemoryForm::requireCaption(const Element& element, ControlRef ref) {
  if (element.kind != ControlKind::Window && element.kind != ControlKind::Label &&
      element.kind != ControlKind::CommandButton) {
    throw NoSuchControl(ref);
  }
}

std::string MemoryForm::text(ControlRef box) const {
  const Element& element = at(box);
  requireText(element, box);
  return element.text;
}

void MemoryForm::setText(ControlRef box, std::string_view text) {
  Element& element = at(box);
  requireText(element, box);
  element.text = text;
}

bool MemoryForm::visible(ControlRef control) const { return at(control).visible; }
void MemoryForm::setVisible(ControlRef control, bool visible) { at(control).visible = visible; }

std::string MemoryForm::caption(ControlRef control) const {
  const Element& element = at(control);
  requireCaption(element, control);
  return element.caption;
}

void MemoryForm::setCaption(ControlRef control, std::string_view caption) {
  Element& element = at(control);
  requireCaption(element, control);
  element.caption = caption;
}

// A transparent element reports the window's colour, which shows through.
Color MemoryForm::backColor(ControlRef element) const {
  return at(element).background.value_or(*at(single(ControlName::Form1)).background);
}

bool MemoryForm::setBackColor(ControlRef element, Color color) {
  Element& target = at(element);
  if (!target.background || !isValidColor(color)) return false;
  target.background = color;
  return true;
}

void MemoryForm::setFocus(ControlRef control) {
  at(control);
  focus_ = control;
}

std::optional<ControlRef> MemoryForm::focused() const { return focus_; }

void MemoryForm::showMessage(std::string_view text) { messages_.emplace_back(text); }

}  // namespace vorlix::window
