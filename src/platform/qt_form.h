#pragma once

// The calculator's one window in Qt. QtForm builds its widgets from the
// layout table, implements the window model (window::Form) on them, and
// turns Qt's events into calls of the core handlers: typed characters to
// Text1_KeyPress, button clicks to cmdOp_Click and Command1_Click, right
// clicks to the recolouring handlers, loading and closing to restoring and
// saving the colours. It holds no behaviour of its own beyond that
// translation: what a key or a click does is decided in the core.

#include <QWidget>
#include <map>
#include <memory>

#include "colors/form1_colors.h"
#include "colors/settings_store.h"
#include "window/commands.h"
#include "window/form.h"
#include "window/layout.h"

class QPushButton;
class QStyle;

namespace vorlix::platform {

class QtForm final : public QWidget, public window::Form {
  Q_OBJECT

 public:
  // Builds the window and runs its load handler, which restores the
  // colours saved in `store`.
  explicit QtForm(std::unique_ptr<colors::SettingsStore> store, QWidget* parent = nullptr);
  ~QtForm() override;

  // window::Form
  std::string text(window::ControlRef box) const override;
  void setText(window::ControlRef box, std::string_view text) override;
  bool visible(window::ControlRef control) const override;
  void setVisible(window::ControlRef control, bool visible) override;
  std::string caption(window::ControlRef control) const override;
  void setCaption(window::ControlRef control, std::string_view caption) override;
  window::Color backColor(window::ControlRef element) const override;
  bool setBackColor(window::ControlRef element, window::Color color) override;
  void setFocus(window::ControlRef control) override;
  std::optional<window::ControlRef> focused() const override;
  void showMessage(std::string_view text) override;

  // The widget that shows an element; nullptr for the drawn shapes.
  QWidget* widgetFor(window::ControlRef ref) const;
  // The pixel rectangle of an element (a line's is its bounding box).
  QRect pixelRect(window::ControlRef ref) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Element {
    const window::ControlLayout* layout;
    QWidget* widget;  // nullptr for shapes and lines
    window::Color background;
  };

  void buildControls();
  QWidget* createWidget(const window::ControlLayout& layout);
  void connectHandlers(const window::ControlLayout& layout, QWidget* widget);
  void setTabOrder();
  void applyBackground(const Element& element);
  bool filterButtonKey(QPushButton* button, QEvent* event);
  bool filterKeyPress(std::int16_t box, QKeyEvent* event);
  bool filterInputMethod(std::int16_t box, QWidget* target, QInputMethodEvent* event);
  bool filterWindowMouse(QMouseEvent* event);
  window::ControlRef elementAt(QPoint point) const;
  Element& at(window::ControlRef ref);
  const Element& at(window::ControlRef ref) const;
  int pixels(int twips) const;

  std::map<window::ControlRef, Element> elements_;
  std::map<const QWidget*, window::ControlRef> refs_;
  std::unique_ptr<QStyle> buttonStyle_;
  std::unique_ptr<colors::SettingsStore> store_;
  window::Form1Commands commands_{*this};
  colors::Form1Colors colours_{*this, *store_};
  bool forwardingInputMethod_ = false;
};

}  // namespace vorlix::platform
