#include "ui/egg/color_egg.h"

#include <QCloseEvent>

#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/egg/egg_texts.h"

namespace orvane {

ColorEgg::ColorEgg(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("ColorEgg"));
    setWindowTitle(kEggTitle);
    setFont(ui_font(Face::sim_sun, 10.5));
    setFixedSize(px_from_twips(4680), px_from_twips(3090));
    // The calculator is hidden while the egg is open: closing the egg must not end the
    // program as if its last window had gone.
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ColorEgg::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

}  // namespace orvane
