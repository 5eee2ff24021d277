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
    QString lpr;       // the LPR and its basis points
    QString combined;  // the loan kinds and a combined loan's parts

    static HouseTips build();

    // What the box shows when the window opens: everything but the two field tips.
    QString opening() const { return indent + intro + schemes + credit; }
    // After a click on the window's background: as at opening, without the credit paragraph.
    QString general() const { return indent + intro + schemes; }
    QString base_rate_tip() const { return indent + base_rate; }
    QString float_tip() const { return indent + float_rate; }
    QString lpr_tip() const { return indent + lpr; }
    QString combined_tip() const { return indent + combined; }
};

}  // namespace orvane::mortgage
