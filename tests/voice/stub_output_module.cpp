// Stand-ins for broken audio output modules, built in several variants:
//   STUB_ABI=n           reports module ABI n
//   STUB_WITHOUT_CREATE  has no sink entry point
//   STUB_EMPTY           exports nothing at all
// A variant that is wrongly accepted hands out a sink, which the tests notice.
#include <QtGlobal>

#include "voice/output_module_abi.h"

#ifndef STUB_EMPTY

extern "C" Q_DECL_EXPORT int orvane_voice_output_abi() {
    return STUB_ABI;
}

#ifndef STUB_WITHOUT_CREATE

namespace {

class SilentSink final : public orvane::voice::ClipSink {
  public:
    void start(std::span<const std::byte>, const orvane::voice::WavFormat&) override {}
    void stop() override {}
};

}  // namespace

extern "C" Q_DECL_EXPORT orvane::voice::ClipSink* orvane_voice_output_create() {
    return new SilentSink();
}
#endif

#endif
