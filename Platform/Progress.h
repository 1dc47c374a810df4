#pragma once
//! A progress bar as the calculation, the analysis and the export advance it: a value from 0
//! to 100 and its visibility. Windows hold the real bar; tests record what was shown.

#include "Platform/PlatformExport.h"

#include <vector>

namespace platform {

class PLATFORM_EXPORT Progress {
public:
    virtual ~Progress();
    virtual void setValue(int value) = 0;
    virtual int value() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isVisible() const = 0;
};

//! For tests: records each value set and each change of visibility in order.
class PLATFORM_EXPORT RecordingProgress : public Progress {
public:
    //! One step seen: a value (visible unchanged) or a visibility change (value -1).
    struct Step {
        int value;
        bool visible;
        bool operator==(const Step&) const = default;
    };

    void setValue(int value) override;
    int value() const override { return m_value; }
    void setVisible(bool visible) override;
    bool isVisible() const override { return m_visible; }

    //! The values set, in order.
    std::vector<int> values() const;
    const std::vector<Step>& steps() const noexcept { return m_steps; }

private:
    int m_value = 0;
    bool m_visible = false;
    std::vector<Step> m_steps;
};

} // namespace platform
