// The information panel at the right of the main window: logo, name, version line, three tabs
// with their texts, the author line and the two links.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>

namespace orvane {

class DockController;

class HelpPanel : public QWidget {
    Q_OBJECT
  public:
    enum class Tab { Instructions = 0, Shortcuts = 1, Notice = 2 };

    // The panel's origin sits at this window x; its children are placed relative to it.
    static constexpr int kOriginTwips = 6720;
    static constexpr int kWidthTwips = 3735;
    static inline const QColor kUnselectedTab{0, 0, 192};

    explicit HelpPanel(QWidget* parent = nullptr);

    // Writes the version line into L_Ver; the panel toggle runs it every time.
    void showVersionLine();
    void selectTab(Tab tab);
    Tab selectedTab() const { return selected_; }

    // How links are opened; QDesktopServices by default. A hook for tests.
    void setUrlOpener(std::function<void(const QUrl&)> opener);

    QUrl webUrl() const;
    QUrl mailUrl() const;

    QLabel* versionLabel() const { return version_; }
    QLabel* orangeBar() const { return bar_; }
    QLabel* tabLabel(Tab tab) const { return tabs_[index(tab)]; }
    QPlainTextEdit* textBox(Tab tab) const { return boxes_[index(tab)]; }
    QLabel* webLink() const { return web_; }
    QLabel* mailLink() const { return mail_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr std::size_t index(Tab tab) { return static_cast<std::size_t>(tab); }
    QLabel* makeLabel(const QString& text, int left, int top, int width, int height);
    void open(const QUrl& url) const;
    void fitAuthorRows(QLabel* author);

    QLabel* version_ = nullptr;
    QLabel* bar_ = nullptr;
    std::array<QLabel*, 3> tabs_{};
    std::array<QPlainTextEdit*, 3> boxes_{};
    QLabel* web_ = nullptr;
    QLabel* mail_ = nullptr;
    QObject* pressed_ = nullptr;
    Tab selected_ = Tab::Instructions;
    std::function<void(const QUrl&)> opener_;
};

// L_Help and F1: writes the version line, then opens or closes the panel by widening or
// narrowing the window (a right-docked window stays flush with the right edge).
void toggle_help_panel(DockController& dock, HelpPanel& panel);

}  // namespace orvane
