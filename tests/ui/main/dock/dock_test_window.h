// A borderless window with the main window's handles and strips at their places, for driving
// the dock controller without the whole calculator.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "ui/common/twips.h"
#include "ui/main/dock/dock_controller.h"

namespace orvane::testing {

class DockTestWindow : public QWidget {
  public:
    DockTestWindow()
        // A utility window like the main window.
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
        setFixedSize(px_from_twips(6635), px_from_twips(6495));
        auto strip = [this](const char* name, int l, int t, int w, int h) {
            auto* s = new QWidget(this);
            s->setObjectName(QLatin1String(name));
            place(s, l, t, w, h);
            return s;
        };
        auto title = [this](const char* name, const char* text, int l, int w, int h) {
            auto* label = new QLabel(QString::fromUtf8(text), this);
            label->setObjectName(QLatin1String(name));
            label->setAlignment(Qt::AlignCenter);
            place(label, l, 0, w, h);
            return label;
        };
        parts.window = this;
        parts.strip_top = strip("Pic_shang", 120, 57, 4876, 255);
        parts.strip_bottom = strip("Pic_xia", 57, 6300, 6495, 165);
        parts.strip_left = strip("Pic_zuo", 23, 57, 142, 6315);
        parts.strip_right = strip("Pic_you", 6491, 57, 113, 6375);
        parts.help_button = title("L_Help", "?", 5040, 480, 300);
        parts.mini_button = title("L_Mini", "_", 5520, 480, 300);
        parts.exit_button = title("L_Exit", "×", 6000, 476, 315);
        display = new QLineEdit(this);
        display->setObjectName(QStringLiteral("T_Show"));
        display->setReadOnly(true);
        place(display, 120, 240, 6375, 990);
        memory = new QLineEdit(this);
        memory->setObjectName(QStringLiteral("T_Memory"));
        memory->setReadOnly(true);
        place(memory, 120, 2160, 1395, 360);
        logo = new QLabel(this);
        logo->setObjectName(QStringLiteral("Image_Logo"));
        place(logo, 120, 1740, 1425, 405);
        key = new QLabel(QStringLiteral("7"), this);  // stands for a keypad control
        place(key, 1200, 2640, 975, 735);
        parts.display = display;
        parts.memory = memory;
        parts.logo = logo;
    }

    DockWidgets parts;
    QLineEdit* display = nullptr;
    QLineEdit* memory = nullptr;
    QLabel* logo = nullptr;
    QLabel* key = nullptr;
};

}  // namespace orvane::testing
