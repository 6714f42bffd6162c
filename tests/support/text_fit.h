// How the text of a label, field, button or text area lays out in its widget, measured with the
// widget's own font and geometry as Qt draws it, so that render tests can tell a text that wraps
// or is clipped where it should not.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace quorvan::text_fit {

// The text the widget shows, with line feeds between its lines.
QString ShownText(const QWidget& widget);

// How many lines each of the text's lines takes when the widget lays it out at its width.
std::vector<int> LinesPerLine(const QWidget& widget);

// Whether the laid-out text lies within the part of the widget that shows it: every line within
// its width and, unless the widget scrolls, all lines within its height.
bool FitsItsBox(const QWidget& widget);

}  // namespace quorvan::text_fit
