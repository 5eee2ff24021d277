#include "ui/mortgage/schedule_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "ui/mortgage/schedule_module_abi.h"

namespace orvane {
namespace {

// The module's entry point, resolved once; null when no candidate loads.
ScheduleOpenFunction load_module() {
    for (const QString& path : schedule_module_candidates()) {
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QLibrary library(path);
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load()) {
            continue;
        }
        const auto abi = reinterpret_cast<ScheduleAbiFunction>(library.resolve(kScheduleAbiSymbol));
        const auto open =
            reinterpret_cast<ScheduleOpenFunction>(library.resolve(kScheduleOpenSymbol));
        if (abi == nullptr || open == nullptr || abi() != kScheduleModuleAbi) {
            library.unload();
            continue;
        }
        // Never unloaded: its windows may be open at any time.
        return open;
    }
    return nullptr;
}

}  // namespace

QStringList schedule_module_candidates() {
    const QString override_path = qEnvironmentVariable("ORVANE_SCHEDULE_MODULE");
    if (!override_path.isEmpty()) {
        return {override_path};
    }
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    if (exe.isEmpty()) {
        return {};
    }
    const QString exe_dir = QFileInfo(exe).absolutePath();
    QStringList dirs{QStringLiteral("."), QStringLiteral(ORVANE_SCHEDULE_MODULE_DIR)};
    const QString arch = QStringLiteral(ORVANE_LIBRARY_ARCH);
    if (!arch.isEmpty()) {
        dirs << QStringLiteral("../lib/") + arch + QStringLiteral("/orvane-calculator");
    }
    dirs << QStringLiteral("../lib/orvane-calculator");
    QStringList candidates;
    for (const QString& dir : dirs) {
        const QString path =
            QDir::cleanPath(exe_dir + u'/' + dir + u'/' + QString::fromLatin1(kScheduleModuleFile));
        if (!candidates.contains(path)) {
            candidates << path;
        }
    }
    return candidates;
}

QWidget* open_schedule_window(QWidget* parent, const mortgage::LoanInput& input) {
    static const ScheduleOpenFunction kOpen = load_module();
    return kOpen != nullptr ? kOpen(&input, parent) : nullptr;
}

}  // namespace orvane
