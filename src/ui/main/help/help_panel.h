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
    enum class Tab { instructions = 0, shortcuts = 1, notice = 2 };

    // The panel's origin sits at this window x; its children are placed relative to it.
    static constexpr int kOriginTwips = 6720;
    static constexpr int kWidthTwips = 3735;
    static inline const QColor kUnselectedTab{0, 0, 192};

    explicit HelpPanel(QWidget* parent = nullptr);

    // Writes the version line into L_Ver; the panel toggle runs it every time.
    void show_version_line();
    void select_tab(Tab tab);
    Tab selected_tab() const { return selected_; }

    // How links are opened; QDesktopServices by default. A hook for tests.
    void set_url_opener(std::function<void(const QUrl&)> opener);

    QUrl web_url() const;
    QUrl mail_url() const;

    QLabel* version_label() const { return version_; }
    QLabel* orange_bar() const { return bar_; }
    QLabel* tab_label(Tab tab) const { return tabs_[index(tab)]; }
    QPlainTextEdit* text_box(Tab tab) const { return boxes_[index(tab)]; }
    QLabel* web_link() const { return web_; }
    QLabel* mail_link() const { return mail_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static constexpr std::size_t index(Tab tab) { return static_cast<std::size_t>(tab); }
    QLabel* make_label(const QString& text, int left, int top, int width, int height);
    void open(const QUrl& url) const;
    void fit_author_rows(QLabel* author);

    QLabel* version_ = nullptr;
    QLabel* bar_ = nullptr;
    std::array<QLabel*, 3> tabs_{};
    std::array<QPlainTextEdit*, 3> boxes_{};
    QLabel* web_ = nullptr;
    QLabel* mail_ = nullptr;
    QObject* pressed_ = nullptr;
    Tab selected_ = Tab::instructions;
    std::function<void(const QUrl&)> opener_;
};

// L_Help and F1: writes the version line, then opens or closes the panel by widening or
// narrowing the window (a right-docked window stays flush with the right edge).
void toggle_help_panel(DockController& dock, HelpPanel& panel);

// The help panel filling `help_area`, created on the first call (it lies outside the window
// until the window widens, so the first frame does not wait for it).
HelpPanel& help_panel_of(QWidget& help_area);

}  // namespace orvane
