#include "platform/qt_form.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>
#include <limits>

#include "platform/message_box.h"
#include "platform/qt_colors.h"
#include "platform/qt_fonts.h"
#include "platform/window_icon.h"

namespace vorlix::platform {
namespace {

using window::ControlKind;
using window::ControlLayout;
using window::ControlName;
using window::ControlRef;

QString qText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) { return text.toStdString(); }

void setPaletteColor(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(role, color);
  widget->setPalette(palette);
}

Qt::Alignment alignmentOf(window::Alignment alignment) {
  return alignment == window::Alignment::Center ? Qt::AlignHCenter | Qt::AlignTop
                                                : Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

QtForm::QtForm(std::unique_ptr<colors::SettingsStore> store, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      buttonStyle_(QStyleFactory::create(QStringLiteral("Windows"))),
      store_(std::move(store)) {
  const ControlLayout& form = window::formLayout().front();
  elements_.emplace(form.ref, Element{&form, this, form.background.value()});
  refs_.emplace(this, form.ref);
  setWindowTitle(qText(form.caption));
  setWindowIcon(genericWindowIcon());
  setFont(qtFont(form.font));
  setFixedSize(pixels(form.geometry.width), pixels(form.geometry.height));
  setAutoFillBackground(true);
  applyBackground(at(form.ref));

  buildControls();
  setTabOrder();
  // Right clicks are taken from the window's own event stream, before Qt
  // hands them to a widget: a widget that saw the press would take the focus
  // or open a context menu.
  create();
  windowHandle()->installEventFilter(this);
  setFocus(window::member(ControlName::Text1, 0));
  colours_.Form_Load();
}

QtForm::~QtForm() {
  // The buttons use buttonStyle_, so they go before it does.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void QtForm::buildControls() {
  for (const ControlLayout& layout : window::formLayout().subspan(1)) {
    QWidget* widget = createWidget(layout);
    elements_.emplace(layout.ref, Element{&layout, widget, layout.background.value_or(0)});
    if (!widget) continue;
    refs_.emplace(widget, layout.ref);
    const window::Geometry& g = layout.geometry;
    widget->setGeometry(pixels(g.left), pixels(g.top), pixels(g.width), pixels(g.height));
    widget->setFont(qtFont(layout.font));
    setPaletteColor(widget,
                    layout.kind == ControlKind::CommandButton ? QPalette::ButtonText
                    : layout.kind == ControlKind::TextBox     ? QPalette::Text
                                                              : QPalette::WindowText,
                    toQColor(layout.foreground, QApplication::palette()));
    applyBackground(at(layout.ref));
    widget->setVisible(layout.visibleAtStart);
    connectHandlers(layout, widget);
  }
}

QWidget* QtForm::createWidget(const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(this);
      box->setContextMenuPolicy(Qt::NoContextMenu);
      box->setMaxLength(std::numeric_limits<int>::max());  // Qt's default stops at 32767
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(qText(layout.caption), this);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(alignmentOf(layout.alignment));
      label->setAutoFillBackground(layout.background.has_value());
      return label;
    }
    case ControlKind::CommandButton: {
      auto* button = new QPushButton(qText(layout.caption), this);
      button->setStyle(buttonStyle_.get());
      button->setAutoDefault(false);
      button->setDefault(false);
      return button;
    }
    case ControlKind::Window:
    case ControlKind::Rectangle:
    case ControlKind::Line:
      return nullptr;
  }
  return nullptr;
}

void QtForm::connectHandlers(const ControlLayout& layout, QWidget* widget) {
  const std::int16_t index = layout.ref.index;
  switch (layout.ref.name) {
    case ControlName::Text1:
      widget->installEventFilter(this);
      break;
    case ControlName::cmdOp:
      widget->installEventFilter(this);
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, index] { commands_.cmdOp_Click(index); });
      break;
    case ControlName::Command1:
      widget->installEventFilter(this);
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, index] { commands_.Command1_Click(index); });
      break;
    default:
      break;
  }
}

void QtForm::setTabOrder() {
  std::map<int, QWidget*> byTabIndex;
  for (const auto& [ref, element] : elements_) {
    if (element.widget && element.widget != this && element.layout->tabIndex &&
        element.layout->kind != ControlKind::Label) {
      element.widget->setFocusPolicy(Qt::StrongFocus);
      byTabIndex.emplace(*element.layout->tabIndex, element.widget);
    } else if (element.widget && element.widget != this) {
      element.widget->setFocusPolicy(Qt::NoFocus);
    }
  }
  QWidget* previous = nullptr;
  for (const auto& [tabIndex, widget] : byTabIndex) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

void QtForm::applyBackground(const Element& element) {
  if (!element.layout->background) {
    update();
    return;
  }
  const QColor color = toQColor(element.background, QApplication::palette());
  switch (element.layout->kind) {
    case ControlKind::TextBox:
      setPaletteColor(element.widget, QPalette::Base, color);
      break;
    case ControlKind::CommandButton:
      setPaletteColor(element.widget, QPalette::Button, color);
      break;
    case ControlKind::Window:
    case ControlKind::Label:
      setPaletteColor(element.widget, QPalette::Window, color);
      break;
    case ControlKind::Rectangle:
    case ControlKind::Line:
      break;
  }
}

int QtForm::pixels(int twips) const { return window::twipsToPixels(twips, logicalDpiX()); }

QtForm::Element& QtForm::at(ControlRef ref) {
  const auto found = elements_.find(ref);
  if (found == elements_.end()) throw window::NoSuchControl(ref);
  return found->second;
}

const QtForm::Element& QtForm::at(ControlRef ref) const {
  const auto found = elements_.find(ref);
  if (found == elements_.end()) throw window::NoSuchControl(ref);
  return found->second;
}

QWidget* QtForm::widgetFor(ControlRef ref) const { return at(ref).widget; }

QRect QtForm::pixelRect(ControlRef ref) const {
  const window::Geometry& g = at(ref).layout->geometry;
  return {pixels(g.left), pixels(g.top), pixels(g.width), pixels(g.height)};
}

std::string QtForm::text(ControlRef box) const {
  auto* edit = qobject_cast<QLineEdit*>(at(box).widget);
  if (!edit) throw window::NoSuchControl(box);
  return utf8(edit->text());
}

void QtForm::setText(ControlRef box, std::string_view text) {
  auto* edit = qobject_cast<QLineEdit*>(at(box).widget);
  if (!edit) throw window::NoSuchControl(box);
  edit->setText(qText(text));
}

bool QtForm::visible(ControlRef control) const {
  QWidget* widget = at(control).widget;
  if (!widget) return true;
  return widget == this ? isVisible() : widget->isVisibleTo(this);
}

void QtForm::setVisible(ControlRef control, bool visible) {
  QWidget* widget = at(control).widget;
  if (widget && widget != this) widget->setVisible(visible);
}

std::string QtForm::caption(ControlRef control) const {
  QWidget* widget = at(control).widget;
  if (widget == this) return utf8(windowTitle());
  if (auto* label = qobject_cast<QLabel*>(widget)) return utf8(label->text());
  if (auto* button = qobject_cast<QPushButton*>(widget)) return utf8(button->text());
  throw window::NoSuchControl(control);
}

void QtForm::setCaption(ControlRef control, std::string_view caption) {
  QWidget* widget = at(control).widget;
  if (widget == this) {
    setWindowTitle(qText(caption));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(qText(caption));
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(qText(caption));
  } else {
    throw window::NoSuchControl(control);
  }
}

window::Color QtForm::backColor(ControlRef element) const {
  const Element& found = at(element);
  if (!found.layout->background) return at(window::single(ControlName::Form1)).background;
  return found.background;
}

bool QtForm::setBackColor(ControlRef element, window::Color color) {
  Element& found = at(element);
  if (!found.layout->background || !window::isValidColor(color)) return false;
  found.background = color;
  applyBackground(found);
  return true;
}

void QtForm::setFocus(ControlRef control) {
  QWidget* widget = at(control).widget;
  if (widget) widget->setFocus(Qt::OtherFocusReason);
}

std::optional<ControlRef> QtForm::focused() const {
  const QWidget* widget = focusWidget();
  if (!widget) return std::nullopt;
  const auto found = refs_.find(widget);
  if (found == refs_.end()) return std::nullopt;
  return found->second;
}

void QtForm::showMessage(std::string_view text) { showModalMessage(this, qText(text)); }

void QtForm::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const auto& [ref, element] : elements_) {
    const ControlKind kind = element.layout->kind;
    if (kind != ControlKind::Rectangle && kind != ControlKind::Line) continue;
    painter.setPen(QPen(toQColor(element.layout->foreground, QApplication::palette()), 0));
    painter.setBrush(Qt::NoBrush);
    const QRect rect = pixelRect(ref);
    if (kind == ControlKind::Rectangle) {
      painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
      painter.drawLine(rect.topLeft(), rect.topLeft() + QPoint(rect.width(), rect.height()));
    }
  }
}

}  // namespace vorlix::platform
