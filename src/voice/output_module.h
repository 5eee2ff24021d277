// Finds and loads the audio output module when the first clip is about to play. Until then the
// program carries no sound library at all; without the module it stays silent and works on.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <utility>

#include "modules/module_loader.h"
#include "voice/clip_sink.h"
#include "voice/output_module_abi.h"

namespace orvane::voice {

// The files tried, in order: module_candidates() of the module file, with ORVANE_VOICE_MODULE
// as `override_path`.
QStringList output_module_candidates(const QString& exe_dir, const QString& override_path,
                                     const QStringList& relative_dirs);

using orvane::installed_module_dirs;

// The candidates for this process: ORVANE_VOICE_MODULE, else around the running executable.
QStringList default_output_module_candidates();

class OutputModule {
  public:
    // The first candidate that loads and speaks this program's module ABI; null when none
    // does. A module once loaded stays loaded for the life of the process.
    static std::shared_ptr<const OutputModule> load(const QStringList& candidates);

    // A new sink on the default sound output; null if the module cannot make one.
    std::unique_ptr<ClipSink> create_sink() const;
    const QString& path() const { return path_; }

    OutputModule(QString path, CreateFunction create) : path_(std::move(path)), create_(create) {}

  private:
    QString path_;
    CreateFunction create_;
};

// Loads the module from `candidates` the first time it is asked for a sink and keeps the
// outcome: a missing module is not searched for again at every clip.
SinkFactory output_module_factory(QStringList candidates);

// The program's own: the module from default_output_module_candidates(), loaded at most once
// per process.
SinkFactory default_output_factory();

}  // namespace orvane::voice
