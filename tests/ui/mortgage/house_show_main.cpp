// Shows one House window for the end-to-end test. On a switch request it prints the four
// result captions and the target, then quits.
#include <QApplication>
#include <QLabel>
#include <cstdio>

#include "ui/mortgage/house_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    orvane::House house;
    QObject::connect(&house, &orvane::House::switch_requested, &app,
                     [&app, &house](orvane::CalculatorKind target) {
                         std::printf("results");
                         for (const char* name : {"L_YG1", "L_LX1", "L_YG2", "L_LX2"}) {
                             const auto* label = house.findChild<QLabel*>(QLatin1String(name));
                             std::printf(" %s", label ? qPrintable(label->text()) : "?");
                         }
                         std::printf("\n");
                         std::printf("switch %d\n", static_cast<int>(target));
                         std::fflush(stdout);
                         app.quit();
                     });
    house.show();
    return app.exec();
}
