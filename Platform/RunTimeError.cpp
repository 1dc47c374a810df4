#include "Platform/RunTimeError.h"

namespace platform {

std::string standardDescription(int32_t number) {
    switch (number) {
    case 3:
        return "Return without GoSub";
    case 5:
        return "Invalid procedure call or argument";
    case 6:
        return "Overflow";
    case 7:
        return "Out of memory";
    case 9:
        return "Subscript out of range";
    case 10:
        return "This array is fixed or temporarily locked";
    case 11:
        return "Division by zero";
    case 13:
        return "Type mismatch";
    case 52:
        return "Bad file name or number";
    case 53:
        return "File not found";
    case 54:
        return "Bad file mode";
    case 55:
        return "File already open";
    case 57:
        return "Device I/O error";
    case 58:
        return "File already exists";
    case 61:
        return "Disk full";
    case 62:
        return "Input past end of file";
    case 70:
        return "Permission denied";
    case 75:
        return "Path/File access error";
    case 76:
        return "Path not found";
    case 91:
        return "Object variable or With block variable not set";
    case 94:
        return "Invalid use of Null";
    case 438:
        return "Object doesn't support this property or method";
    case 32755:
        return "Cancel was selected.";
    default:
        return {};
    }
}

RunTimeError::RunTimeError(int32_t number, std::string source)
    : RunTimeError(number, std::move(source), standardDescription(number)) {}

RunTimeError::RunTimeError(int32_t number, std::string source, std::string description)
    : std::runtime_error(description.empty() ? "Error " + std::to_string(number) : description),
      m_number(number), m_source(std::move(source)), m_description(std::move(description)) {}

void raise(int32_t number, const std::string& source) {
    throw RunTimeError(number, source);
}

void raise(int32_t number, const std::string& source, const std::string& description) {
    throw RunTimeError(number, source, description);
}

} // namespace platform
