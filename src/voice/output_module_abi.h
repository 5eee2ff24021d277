// The contract between the program and its audio output module, a shared object loaded only
// when the first clip plays, so that the sound libraries stay out of the program's start-up.
#pragma once

#include "voice/clip_sink.h"

namespace orvane::voice {

// Raised whenever ClipSink, WavFormat or the entry points change, so that a module left over
// from another build is refused instead of being called wrongly.
inline constexpr int kOutputModuleAbi = 1;

// File name of the module; installed in <libdir>/orvane-calculator/.
inline constexpr char kOutputModuleFile[] = "orvane-voice-output.so";

// Exported by the module (extern "C"):
//   int orvane_voice_output_abi();            returns kOutputModuleAbi as the module knows it
//   ClipSink* orvane_voice_output_create();   a new sink owned by the caller; null on failure
inline constexpr char kAbiSymbol[] = "orvane_voice_output_abi";
inline constexpr char kCreateSymbol[] = "orvane_voice_output_create";
using AbiFunction = int (*)();
using CreateFunction = ClipSink* (*)();

}  // namespace orvane::voice
