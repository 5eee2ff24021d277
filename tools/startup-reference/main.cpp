// The smallest Qt Widgets program that puts a window on screen: the yardstick of the desktop
// program's start-up time and memory. Reports its first frame like the calculator does.
#include <QApplication>
#include <QLabel>

#include "app/first_frame_report.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Hello"));
    label.show();
    if (orvane::app::first_frame_report_requested()) {
        orvane::app::report_first_frame_then_quit(&label);
    }
    return QApplication::exec();
}
