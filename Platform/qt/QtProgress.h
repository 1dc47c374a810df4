#pragma once
//! The platform's progress interface over a window's progress bar.

#include "Platform/Progress.h"
#include "PlatformQt/PlatformQtExport.h"

class QProgressBar;

namespace platform {

class PLATFORMQT_EXPORT QtProgress : public Progress {
public:
    explicit QtProgress(QProgressBar& bar) : m_bar(bar) {}
    void setValue(int value) override;
    int value() const override;
    void setVisible(bool visible) override;
    bool isVisible() const override;

private:
    QProgressBar& m_bar;
};

} // namespace platform
