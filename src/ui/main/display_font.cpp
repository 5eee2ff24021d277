#include "ui/main/display_font.h"

namespace orvane {

double fitting_point_size(double designed, double minimum, int room,
                          const std::function<int(double points)>& width_at) {
    double points = designed;
    while (points > minimum && width_at(points) > room) {
        points -= kDisplayPointStep;
    }
    return points < minimum ? minimum : points;
}

}  // namespace orvane
