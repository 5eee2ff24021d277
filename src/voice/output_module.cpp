#include "voice/output_module.h"

#include <utility>

namespace orvane::voice {

QStringList output_module_candidates(const QString& exe_dir, const QString& override_path,
                                     const QStringList& relative_dirs) {
    return module_candidates(QString::fromLatin1(kOutputModuleFile), exe_dir, override_path,
                             relative_dirs);
}

QStringList default_output_module_candidates() {
    return module_candidates_of_this_program(QString::fromLatin1(kOutputModuleFile),
                                             qEnvironmentVariable("ORVANE_VOICE_MODULE"));
}

std::shared_ptr<const OutputModule> OutputModule::load(const QStringList& candidates) {
    const LoadedModule loaded =
        load_module(candidates, kAbiSymbol, kOutputModuleAbi, kCreateSymbol);
    if (loaded.entry == nullptr) {
        return nullptr;
    }
    return std::make_shared<const OutputModule>(loaded.path,
                                                reinterpret_cast<CreateFunction>(loaded.entry));
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
