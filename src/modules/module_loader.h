// Finds and loads the program's optional modules (the audio output, the schedule window): shared
// objects loaded when first needed, so that their libraries stay out of the program's start-up.
// Each module exports a function that returns its ABI number and one entry point.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace orvane {

// The files that may hold the module `file`, in order. A non-empty `override_path` (the
// module's environment variable) is the only one. Otherwise: beside the executable (the build
// tree), then in each of `relative_dirs` taken from the executable's folder (the installed
// layout). Without a known executable folder nothing is guessed.
QStringList module_candidates(const QString& file, const QString& exe_dir,
                              const QString& override_path, const QStringList& relative_dirs);

// The folders, relative to the installed executable, that may hold a module:
// <bin>/../<libdir>/orvane-calculator as this build installs it, and the plain and multiarch
// lib folders.
QStringList installed_module_dirs();

// module_candidates() around the running executable, whatever the current folder or the name
// it was started by.
QStringList module_candidates_of_this_program(const QString& file, const QString& override_path);

struct LoadedModule {
    QString path;                      // empty when no candidate loaded
    QFunctionPointer entry = nullptr;  // the entry point; null when no candidate loaded
};

// The first candidate that loads with all its symbols resolved, exports `abi_symbol` returning
// `abi` and exports `entry_symbol`. A module once loaded stays loaded for the life of the
// process: what it made (sinks, windows) may outlive any owner here.
LoadedModule load_module(const QStringList& candidates, const char* abi_symbol, int abi,
                         const char* entry_symbol);

}  // namespace orvane
