#pragma once

class QWidget;

namespace orvane::ui {

// Gives a control the name a screen reader announces, derived from its tooltip
// (or its caption when it has none), and its shortcut as description.
void label_for_access(QWidget* widget, const char* tooltip, const char* caption);

}  // namespace orvane::ui
