// The window's command line, read before any Qt application object exists: a mistake is reported and
// the program ends without having opened a window or the audio system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallyhawk {

struct WindowOptions {
    std::filesystem::path folder;  // the program folder
    std::string settingsFile;      // empty: the platform's settings store
    bool splash = true;
    bool home = false;  // --home without --folder: the work folder $TALLYHAWK_HOME (default ~/Tallyhawk)
};

struct WindowCommandLine {
    std::optional<WindowOptions> options;  // nothing: the program ends at once with `exitStatus`
    int exitStatus = 0;                    // 0 after --help, 2 after a mistake
    std::string output;                    // for standard output (the help)
    std::string error;                     // for standard error
};

// `words` are the program's arguments without its name. Qt's own options (-platform, -style, ...) are
// accepted and left to the application object.
WindowCommandLine ReadWindowCommandLine(const std::vector<std::string>& words);

}  // namespace tallyhawk
