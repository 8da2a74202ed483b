// Where a contest rule records its multipliers: the multiplier files on disk (the per-contact update)
// or in-memory copies of them (the recount, which writes its copies to disk in batches).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/band.h"
#include "scoring/multiplier_entry.h"

namespace tallyhawk {

class MultiplierFiles {
public:
    virtual ~MultiplierFiles() = default;

    // The one write of the rules: appends the entry unless its needle already occurs anywhere in the
    // file (plain substring, no alignment to entries). True when appended.
    bool FindOrAppend(std::string_view name, const MultiplierEntry& entry) {
        return FindOrAppendIf(name, entry, true);
    }

    // As FindOrAppend, with a further condition (a domain-list test) that must hold for the append.
    virtual bool FindOrAppendIf(std::string_view name, const MultiplierEntry& entry, bool allowed) = 0;

    // Appends without searching (a prefix new to the whole contest is new to its band as well).
    virtual void Append(std::string_view name, const MultiplierEntry& entry) = 0;

    // Opens a file without writing to it, creating it empty when missing: some rules open their band
    // file before they know whether the contact scores.
    virtual void Open(std::string_view name) = 0;
};

// In-memory copies, each holding exactly the bytes its file will hold.
class MultiplierCopies final : public MultiplierFiles {
public:
    bool FindOrAppendIf(std::string_view name, const MultiplierEntry& entry, bool allowed) override;
    void Append(std::string_view name, const MultiplierEntry& entry) override;
    void Open(std::string_view name) override;

    // The copy of a file; empty when the file was never touched.
    const std::string& Copy(std::string_view name) const;
    void Clear() { m_copies.clear(); }

private:
    std::map<std::string, std::string, std::less<>> m_copies;
};

// File names inside the "statistics" folder.
std::string BandFileName(Band band, std::string_view kind);  // "20m.x", "160m.z"
std::string WpxFileName(std::string_view ownCall);           // every WPX prefix worked: "<Callsign>.wpx"
std::string ScoreFileName(std::string_view ownCall);         // the six band lines: "<Callsign>.sf"

}  // namespace tallyhawk
