// The Russian oblast names of dxcc/obl.dat, found by a key of the call's district digit and the first
// letter after it ("3A").
#pragma once

#include <string>
#include <string_view>

#include "core/program_folder.h"

namespace tallyhawk {

class OblastTable {
public:
    OblastTable() = default;
    explicit OblastTable(std::string text) : m_text(std::move(text)) {}

    // Reads dxcc/obl.dat whole when it exists; otherwise the table stays empty. No message either way.
    void Load(const ProgramFolder& folder);

    // The 20 characters that start 10 after the first occurrence of the key, trailing blanks removed;
    // empty when the key does not occur.
    std::string OblastName(std::string_view key) const;

    bool Empty() const { return m_text.empty(); }
    bool Contains(std::string_view key) const { return m_text.find(key) != std::string::npos; }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

// The oblast key of a call: the district digit that ends its WPX prefix and the letter after the
// prefix ("3A" for UA3ABC, "9T" for RW9TP); empty when the call holds nothing after its prefix.
std::string OblastKey(std::string_view call, std::string_view wpxPrefix);

}  // namespace tallyhawk
