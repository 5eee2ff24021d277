// The designed Windows faces mapped to the closest Linux faces. Characters a face lacks come
// from the next face of its chain: Liberation Sans Narrow, Liberation Sans, the program's own
// cut of the CJK face (it holds every character the program's texts use), the whole system
// CJK face; the CJK cut falls back to the system CJK face, then Liberation Sans.
#pragma once

#include <QFont>
#include <QString>

namespace orvane {

enum class Face { arial, arial_narrow, tahoma, sim_sun, system };

// A font of the face at `points` (fractional sizes such as 21.75 are kept).
// Needs the application object.
QFont ui_font(Face face, double points, bool bold = false);

// Whether the program's cut of the CJK face is installed for this run (the first call, or the
// first ui_font, installs it).
bool cjk_cut_available();

}  // namespace orvane
