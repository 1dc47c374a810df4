#pragma once
//! The clipboard: a chart's picture and the report text.

#include "PlatformQt/PlatformQtExport.h"

#include <string>

class QImage;

namespace platform {

PLATFORMQT_EXPORT void copyTextToClipboard(const std::string& text);
PLATFORMQT_EXPORT void copyImageToClipboard(const QImage& image);

} // namespace platform
