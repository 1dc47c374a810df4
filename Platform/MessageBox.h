#pragma once
//! The message-box and input-box service every subsystem reports through.
//!
//! Styles as in the system's messages: the low three bits choose the buttons (0 OK, 1 OK and
//! Cancel, 2 Abort, Retry and Ignore, 3 Yes, No and Cancel, 4 Yes and No, 5 Retry and
//! Cancel), 16 critical, 32 question, 48 exclamation, 64 information icon, 256 and 512 the
//! second and third button as default. Answers: 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
//! 6 Yes, 7 No.

#include "Platform/PlatformExport.h"

#include <deque>
#include <string>
#include <vector>

namespace platform {

namespace answer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace answer

class PLATFORM_EXPORT MessageService {
public:
    virtual ~MessageService();
    //! Shows a message box and returns the button pressed.
    virtual int msgBox(const std::string& text, int style, const std::string& title) = 0;
    //! Shows an input box; returns the text typed, "" on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& def) = 0;
};

//! Shows a message box through the installed service.
PLATFORM_EXPORT int msgBox(const std::string& text, int style = 0, const std::string& title = {});
//! Shows an input box through the installed service.
PLATFORM_EXPORT std::string inputBox(const std::string& prompt, const std::string& title = {},
                                     const std::string& def = {});

//! The installed service; the headless one until another is installed.
PLATFORM_EXPORT MessageService& messageService();
//! Installs a service (nullptr goes back to the headless one); the caller keeps ownership.
PLATFORM_EXPORT void setMessageService(MessageService* service);

//! The default before a window system exists: writes each box to standard error and answers
//! OK, No, Cancel or Abort, never Yes or Retry, so nothing is deleted or repeated unasked.
//! Input boxes answer "" (Cancel).
class PLATFORM_EXPORT HeadlessMessageService : public MessageService {
public:
    int msgBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& def) override;
};

//! The answer a headless user gives to a box of this style.
PLATFORM_EXPORT int cautiousAnswer(int style);

//! For tests: records every box and answers from queues. A box with no queued answer is
//! recorded as unexpected and gets the cautious answer.
class PLATFORM_EXPORT ScriptedMessageService : public MessageService {
public:
    struct Box {
        std::string text;
        int style = 0;
        std::string title;
        bool input = false;   //!< an input box (text is its prompt)
        std::string def = {}; //!< the default text of an input box
    };

    int msgBox(const std::string& text, int style, const std::string& title) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& def) override;

    //! Queues the answer of the next message box.
    void answer(int button) { m_answers.push_back(button); }
    //! Queues the text typed into the next input box ("" is Cancel).
    void type(std::string text) { m_inputs.push_back(std::move(text)); }
    //! Lets every message box be answered cautiously without counting as unexpected.
    void allowUnscripted(bool allow) { m_allowAll = allow; }

    const std::vector<Box>& boxes() const noexcept { return m_boxes; }
    const std::vector<Box>& unexpected() const noexcept { return m_unexpected; }
    //! Answers queued but never asked for.
    size_t unusedAnswers() const noexcept { return m_answers.size() + m_inputs.size(); }
    void clear();

private:
    std::vector<Box> m_boxes;
    std::vector<Box> m_unexpected;
    std::deque<int> m_answers;
    std::deque<std::string> m_inputs;
    bool m_allowAll = false;
};

//! Installs a service for the lifetime of the object and restores the previous one after.
class PLATFORM_EXPORT MessageServiceScope {
public:
    explicit MessageServiceScope(MessageService& service);
    ~MessageServiceScope();
    MessageServiceScope(const MessageServiceScope&) = delete;
    MessageServiceScope& operator=(const MessageServiceScope&) = delete;

private:
    MessageService* m_previous;
};

} // namespace platform
