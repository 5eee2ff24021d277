// The desktop program's entry routine: platform choice, options, then the first window.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/calculator_windows.h"
#include "app/first_frame_report.h"
#include "app/options.h"
#include "app/platform_choice.h"
#include "app/terminal_answer.h"
#include "app/toolkit_language.h"
#include "app/window_switcher.h"
#include "ui/main/program_images.h"

namespace {

void choose_platform() {
    const orvane::app::PlatformEnvironment environment{
        std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY")};
    if (const auto platform = orvane::app::preferred_platform(environment)) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
    }
}

// The command line as the user gave it, without the options Qt itself took out.
std::string command_line(const QStringList& arguments) {
    std::vector<std::string> words;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        words.push_back(arguments[i].toStdString());
    }
    return orvane::app::join_arguments(words);
}

QString to_qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answer = orvane::app::terminal_answer(argc, argv, ORVANE_VERSION)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    choose_platform();
    // The font configuration (its files and the font caches: most of the cost of the first text
    // laid out) is read on a second core while the toolkit connects to the display; the
    // toolkit's own font set-up then finds it loaded.
    std::thread font_configuration(FcInit);
    QApplication application(argc, argv);
    font_configuration.join();
    QApplication::setApplicationName(QStringLiteral("orvane-calculator"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION));
    // The one application ID: it matches the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvane.Calculator"));
    orvane::app::install_chinese_toolkit_texts(application);
    // Every window of the process (the calculators, their message boxes, the easter egg).
    QApplication::setWindowIcon(orvane::program_icon());
    // The program ends when no calculator window is left; the switcher knows when that is
    // (a window hidden for the easter egg or a message box is still loaded).
    QApplication::setQuitOnLastWindowClosed(false);

    const auto startup = orvane::app::read_command_line(command_line(application.arguments()));
    if (!startup.ok()) {
        QMessageBox::critical(nullptr, to_qstring(orvane::app::kOptionsErrorTitle),
                              QString::fromStdString(startup.error));
        return 1;
    }

    orvane::app::WindowSwitcher switcher(startup.values, orvane::app::create_calculator_window);
    QObject::connect(&switcher, &orvane::app::WindowSwitcher::finished, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    if (orvane::app::first_frame_report_requested()) {
        QObject::connect(
            &switcher, &orvane::app::WindowSwitcher::window_shown, &application,
            [](QWidget* window) { orvane::app::report_first_frame_then_quit(window); },
            Qt::SingleShotConnection);
    }
    switcher.start(startup.first_window);
    return QApplication::exec();
}
