#include "window/memory_form.h"

#include "window/layout.h"

namespace vorlix::window {

MemoryForm::MemoryForm() {
  for (const ControlLayout& control : formLayout()) {
    elements_.emplace(control.ref, Element{"", std::string(control.caption), control.visibleAtStart,
                                           control.background});
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

std::string MemoryForm::text(ControlRef box) const { return at(box).text; }
void MemoryForm::setText(ControlRef box, std::string_view text) { at(box).text = text; }
bool MemoryForm::visible(ControlRef control) const { return at(control).visible; }
void MemoryForm::setVisible(ControlRef control, bool visible) { at(control).visible = visible; }
std::string MemoryForm::caption(ControlRef control) const { return at(control).caption; }
void MemoryForm::setCaption(ControlRef control, std::string_view caption) {
  at(control).caption = caption;
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
