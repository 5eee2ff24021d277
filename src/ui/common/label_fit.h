// Rectangles laid out in twips were sized for one set of fonts; with the fonts this program
// finds, a label's text may need a pixel or two more. Labels only grow, right and down.
#pragma once

class QLabel;
class QWidget;

namespace orvane {

// Every shown one-line text label under WINDOW gets at least the size its text needs. Hidden
// ones are left for fit_label_text when they are shown, so that their faces need not load
// before the first frame.
void fit_label_texts(QWidget& window);

// One label, as above (pictures and word-wrapped texts are left alone).
void fit_label_text(QLabel& label);

}  // namespace orvane
