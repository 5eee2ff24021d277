#include "ui/common/clipboard_reader.h"

#include <QGuiApplication>
#include <chrono>
#include <optional>

#include "ui/common/clipboard_service.h"
#include "ui/common/x11_clipboard_reader.h"

namespace orvane {
namespace {

// Each wait for the clipboard's owner; shorter than the capture timer's second, so that a read
// that timed out is over before the next tick asks again.
constexpr std::chrono::milliseconds kOwnerPatience{750};

// The toolkit's own clipboard, read at once: platforms without X11 and the offscreen one.
class ToolkitClipboardReader final : public ClipboardReader {
  public:
    void read_text(Purpose /*purpose*/, Answer answer) override {
        if (const std::optional<QString> text = clipboard_text()) {
            answer(*text);
        }
    }
};

}  // namespace

std::unique_ptr<ClipboardReader> make_clipboard_reader() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return std::make_unique<X11ClipboardReader>(std::string(), kOwnerPatience);
    }
    return std::make_unique<ToolkitClipboardReader>();
}

}  // namespace orvane
