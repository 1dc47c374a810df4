#include "Platform/MessageBox.h"

#include <cstdio>

namespace platform {

namespace {

MessageService*& installed() {
    static MessageService* s = nullptr;
    return s;
}

HeadlessMessageService& headless() {
    static HeadlessMessageService h;
    return h;
}

} // namespace

MessageService::~MessageService() = default;

MessageService& messageService() {
    MessageService* s = installed();
    return s ? *s : headless();
}

void setMessageService(MessageService* service) {
    installed() = service;
}

int msgBox(const std::string& text, int style, const std::string& title) {
    return messageService().msgBox(text, style, title);
}

std::string inputBox(const std::string& prompt, const std::string& title, const std::string& def) {
    return messageService().inputBox(prompt, title, def);
}

int cautiousAnswer(int style) {
    switch (style & 7) {
    case 1:
        return answer::Ok;
    case 2:
        return answer::Abort;
    case 3:
    case 4:
        return answer::No;
    case 5:
        return answer::Cancel;
    default:
        return answer::Ok;
    }
}

int HeadlessMessageService::msgBox(const std::string& text, int style, const std::string& title) {
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), text.c_str());
    return cautiousAnswer(style);
}

std::string HeadlessMessageService::inputBox(const std::string& prompt, const std::string& title,
                                             const std::string&) {
    std::fprintf(stderr, "[%s] %s (no answer)\n", title.c_str(), prompt.c_str());
    return {};
}

int ScriptedMessageService::msgBox(const std::string& text, int style, const std::string& title) {
    Box box{text, style, title, false};
    m_boxes.push_back(box);
    if (m_answers.empty()) {
        if (!m_allowAll) m_unexpected.push_back(box);
        return cautiousAnswer(style);
    }
    const int a = m_answers.front();
    m_answers.pop_front();
    return a;
}

std::string ScriptedMessageService::inputBox(const std::string& prompt, const std::string& title,
                                             const std::string& def) {
    Box box{prompt, 0, title, true, def};
    m_boxes.push_back(box);
    if (m_inputs.empty()) {
        m_unexpected.push_back(box);
        return {};
    }
    std::string t = std::move(m_inputs.front());
    m_inputs.pop_front();
    return t;
}

void ScriptedMessageService::clear() {
    m_boxes.clear();
    m_unexpected.clear();
    m_answers.clear();
    m_inputs.clear();
}

MessageServiceScope::MessageServiceScope(MessageService& service) : m_previous(installed()) {
    setMessageService(&service);
}

MessageServiceScope::~MessageServiceScope() {
    setMessageService(m_previous);
}

} // namespace platform
