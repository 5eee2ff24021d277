// The toolkit's own texts (Yes/No/OK, the text boxes' context menus) in Chinese, whatever the
// user's locale: the whole interface is Chinese.
#pragma once

class QCoreApplication;

namespace orvane::app {

// Installs Qt's Simplified Chinese translation when it is present; false when it is not (the
// program then keeps the toolkit's English texts).
bool install_chinese_toolkit_texts(QCoreApplication& application);

}  // namespace orvane::app
