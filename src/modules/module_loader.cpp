#include "modules/module_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace orvane {

QStringList module_candidates(const QString& file, const QString& exe_dir,
                              const QString& override_path, const QStringList& relative_dirs) {
    if (!override_path.isEmpty()) {
        return {override_path};
    }
    if (exe_dir.isEmpty()) {
        return {};
    }
    QStringList candidates{QDir::cleanPath(exe_dir + u'/' + file)};
    for (const QString& dir : relative_dirs) {
        const QString path = QDir::cleanPath(exe_dir + u'/' + dir + u'/' + file);
        if (!candidates.contains(path)) {
            candidates.append(path);
        }
    }
    return candidates;
}

QStringList installed_module_dirs() {
    QStringList dirs{QStringLiteral(ORVANE_MODULE_DIR)};
    const QString arch = QStringLiteral(ORVANE_LIBRARY_ARCH);
    if (!arch.isEmpty()) {
        dirs.append(QStringLiteral("../lib/") + arch + QStringLiteral("/orvane-calculator"));
    }
    dirs.append(QStringLiteral("../lib/orvane-calculator"));
    dirs.removeDuplicates();
    return dirs;
}

QStringList module_candidates_of_this_program(const QString& file, const QString& override_path) {
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString exe_dir = exe.isEmpty() ? QString() : QFileInfo(exe).absolutePath();
    return module_candidates(file, exe_dir, override_path, installed_module_dirs());
}

LoadedModule load_module(const QStringList& candidates, const char* abi_symbol, int abi,
                         const char* entry_symbol) {
    using AbiFunction = int (*)();
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QLibrary library(path);
        // Unresolvable symbols fail here rather than in the middle of the module's work.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load()) {
            continue;
        }
        const auto module_abi = reinterpret_cast<AbiFunction>(library.resolve(abi_symbol));
        const QFunctionPointer entry = library.resolve(entry_symbol);
        if (module_abi == nullptr || entry == nullptr || module_abi() != abi) {
            library.unload();
            continue;
        }
        return {path, entry};
    }
    return {};
}

}  // namespace orvane
