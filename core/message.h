// A message box as a value: title and text in English and Russian (UTF-8). The window shows it,
// the command line prints it. Each subsystem declares its own messages next to its code.
#pragma once

#include <string>
#include <string_view>

namespace tallyhawk {

struct Message {
    std::string titleEnglish;
    std::string textEnglish;
    std::string titleRussian;
    std::string textRussian;
};

inline const std::string& MessageTitle(const Message& message, bool russian) {
    return russian ? message.titleRussian : message.titleEnglish;
}

inline const std::string& MessageText(const Message& message, bool russian) {
    return russian ? message.textRussian : message.textEnglish;
}

}  // namespace tallyhawk
