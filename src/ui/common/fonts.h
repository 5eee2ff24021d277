// The designed Windows faces mapped to the closest Linux faces, with a CJK face as fallback
// for Chinese text.
#pragma once

#include <QFont>
#include <QString>

namespace orvane {

enum class Face { arial, arial_narrow, tahoma, sim_sun, system };

// A font of the face at `points` (fractional sizes such as 21.75 are kept).
QFont ui_font(Face face, double points, bool bold = false);

}  // namespace orvane
