// Rectangles laid out in twips were sized for one set of fonts; with the fonts this program
// finds, a label's text may need a pixel or two more. Labels only grow, right and down.
#pragma once

class QWidget;

namespace orvane {

// Every one-line text label under WINDOW gets at least the size its text needs.
void fit_label_texts(QWidget& window);

}  // namespace orvane
