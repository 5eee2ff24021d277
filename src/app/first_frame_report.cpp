#include "app/first_frame_report.h"

#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

#include "ui/common/after_first_frame.h"

namespace orvane::app {

namespace {

long long epoch_ns() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Milliseconds since the kernel started this process (clock-tick resolution, usually 10 ms).
double ms_since_process_start() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; fields are counted after its closing parenthesis.
    const auto close = text.rfind(')');
    if (close == std::string::npos) {
        return -1;
    }
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long start_ticks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 22) {
            start_ticks = std::stoull(field);
            break;
        }
    }
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double now_ms = static_cast<double>(boot.tv_sec) * 1000.0 + boot.tv_nsec / 1e6;
    return now_ms - static_cast<double>(start_ticks) * 1000.0 / sysconf(_SC_CLK_TCK);
}

// CPU time of all the process's threads so far: steadier than wall time on a busy machine.
double cpu_ms() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return static_cast<double>(used.tv_sec) * 1000.0 + used.tv_nsec / 1e6;
}

long vmrss_kb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

bool first_frame_report_requested() {
    const char* value = std::getenv("ORVANE_REPORT_FIRST_FRAME");
    return value != nullptr && std::string_view(value) == "1";
}

void report_first_frame_then_quit(QWidget* window) {
    after_first_frame(*window, [] {
        std::printf("first_frame_epoch_ns=%lld\nsince_start_ms=%.1f\ncpu_ms=%.1f\nvmrss_kb=%ld\n",
                    epoch_ns(), ms_since_process_start(), cpu_ms(), vmrss_kb());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

}  // namespace orvane::app
