#include "Platform/Progress.h"

namespace platform {

Progress::~Progress() = default;

void RecordingProgress::setValue(int value) {
    m_value = value;
    m_steps.push_back({value, m_visible});
}

void RecordingProgress::setVisible(bool visible) {
    m_visible = visible;
    m_steps.push_back({-1, visible});
}

std::vector<int> RecordingProgress::values() const {
    std::vector<int> v;
    for (const Step& s : m_steps)
        if (s.value >= 0) v.push_back(s.value);
    return v;
}

} // namespace platform
