// CallbookLoader: the two callbook libraries loaded with QLibrary for each lookup and released right
// after it. Only Qt Core is used, so the command line can load them as well.
#pragma once

#include <filesystem>

#include "callsign/callbook.h"

namespace tallyhawk {

class CallbookLoader final : public CallbookLibraries {
public:
    // Libraries are looked for in `folder` first: on Linux "lib<name>.so", then "<name>.so" (qrz32,
    // Raccd32a, case as written), on Windows "<name>.dll"; then by name on the system library path.
    explicit CallbookLoader(std::filesystem::path folder) : m_folder(std::move(folder)) {}

    bool Loads(CallbookSource source) override;
    std::optional<std::string> SearchQrz(std::string_view upperCall) override;
    std::optional<std::string> SearchRac(std::string_view drive, std::string_view lowerCall) override;

private:
    std::filesystem::path m_folder;
};

}  // namespace tallyhawk
