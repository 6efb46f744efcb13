#pragma once

#include <QString>

class QWidget;

namespace vorlix::platform {

inline constexpr const char* kMessageTitle = "Vorlix";

// A modal box titled "Vorlix" with the text, an OK button and no icon.
// Returns once it is dismissed, with the keyboard focus back where it was.
void showModalMessage(QWidget* parent, const QString& text);

}  // namespace vorlix::platform
