// The texts of the mortgage window's tips box, built once when the window loads.
#pragma once

#include <QString>

namespace orvane::mortgage {

struct HouseTips {
    QString indent;
    QString intro;
    QString schemes;
    QString float_rate;
    QString credit;
    QString base_rate;

    static HouseTips build();

    // What the box shows when the window opens: everything but the two field tips.
    QString opening() const { return indent + intro + schemes + credit; }
    // After a click on the window's background: as at opening, without the credit paragraph.
    QString general() const { return indent + intro + schemes; }
    QString base_rate_tip() const { return indent + base_rate; }
    QString float_tip() const { return indent + float_rate; }
};

}  // namespace orvane::mortgage
