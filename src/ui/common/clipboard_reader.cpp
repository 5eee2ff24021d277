#include "ui/common/clipboard_reader.h"

#include <QGuiApplication>
#include <chrono>
#include <optional>
#include <string>

#include "ui/common/clipboard_service.h"
#include "ui/common/x11_clipboard_reader.h"

// Last: Xlib's macros (None, KeyPress...) would clash with the toolkit's names.
#include <X11/Xlib.h>

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

// The display the toolkit is connected to, which "-display" may have chosen instead of
// $DISPLAY; empty when it cannot be told (then $DISPLAY).
std::string toolkit_display_name() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    const char* name = display != nullptr ? DisplayString(display) : nullptr;
    return name != nullptr ? std::string(name) : std::string();
}

}  // namespace

std::unique_ptr<ClipboardReader> make_clipboard_reader() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        return std::make_unique<X11ClipboardReader>(toolkit_display_name(), kOwnerPatience);
    }
    return std::make_unique<ToolkitClipboardReader>();
}

}  // namespace orvane
