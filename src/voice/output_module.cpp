#include "voice/output_module.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <utility>

namespace orvane::voice {

QStringList output_module_candidates(const QString& exe_dir, const QString& override_path,
                                     const QStringList& relative_dirs) {
    if (!override_path.isEmpty()) {
        return {override_path};
    }
    if (exe_dir.isEmpty()) {
        return {};
    }
    const QString file = QString::fromLatin1(kOutputModuleFile);
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
    QStringList dirs{QStringLiteral(ORVANE_VOICE_MODULE_DIR)};
    const QString arch = QStringLiteral(ORVANE_LIBRARY_ARCH);
    if (!arch.isEmpty()) {
        dirs.append(QStringLiteral("../lib/") + arch + QStringLiteral("/orvane-calculator"));
    }
    dirs.append(QStringLiteral("../lib/orvane-calculator"));
    dirs.removeDuplicates();
    return dirs;
}

QStringList default_output_module_candidates() {
    // The running executable, whatever the current folder or the name it was started by.
    const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    const QString exe_dir = exe.isEmpty() ? QString() : QFileInfo(exe).absolutePath();
    return output_module_candidates(exe_dir, qEnvironmentVariable("ORVANE_VOICE_MODULE"),
                                    installed_module_dirs());
}

std::shared_ptr<const OutputModule> OutputModule::load(const QStringList& candidates) {
    for (const QString& path : candidates) {
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QLibrary library(path);
        // Unresolvable symbols fail here rather than in the middle of a clip.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!library.load()) {
            continue;
        }
        const auto abi = reinterpret_cast<AbiFunction>(library.resolve(kAbiSymbol));
        const auto create = reinterpret_cast<CreateFunction>(library.resolve(kCreateSymbol));
        if (abi == nullptr || create == nullptr || abi() != kOutputModuleAbi) {
            library.unload();
            continue;
        }
        // Never unloaded: sinks it made may outlive any owner here.
        return std::make_shared<const OutputModule>(path, create);
    }
    return nullptr;
}

std::unique_ptr<ClipSink> OutputModule::create_sink() const {
    return std::unique_ptr<ClipSink>(create_());
}

SinkFactory output_module_factory(QStringList candidates) {
    struct State {
        QStringList candidates;
        bool tried = false;
        std::shared_ptr<const OutputModule> module;
    };
    auto state = std::make_shared<State>();
    state->candidates = std::move(candidates);
    return [state]() -> std::unique_ptr<ClipSink> {
        if (!state->tried) {
            state->tried = true;
            state->module = OutputModule::load(state->candidates);
        }
        return state->module ? state->module->create_sink() : nullptr;
    };
}

SinkFactory default_output_factory() {
    return []() -> std::unique_ptr<ClipSink> {
        static const std::shared_ptr<const OutputModule> kModule =
            OutputModule::load(default_output_module_candidates());
        return kModule ? kModule->create_sink() : nullptr;
    };
}

}  // namespace orvane::voice
