// The easter-egg window: a titled, empty window whose only behaviour is its close step.
#pragma once

#include <QWidget>

namespace orvane {

class ColorEgg : public QWidget {
    Q_OBJECT
  public:
    explicit ColorEgg(QWidget* parent = nullptr);

  signals:
    // The user closed the window; the calculator is to be shown again.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace orvane
