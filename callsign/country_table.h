// The country table: the three prefix lists and the country file dxcc/cty.dat, and the country lookup
// of a call. A lookup answers exactly as a fresh scan of the file would (the last matching line wins);
// the file is kept in memory and read again only when its size or modification time changed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "callsign/blank_words.h"
#include "callsign/country_file_index.h"
#include "core/program_folder.h"

namespace tallyhawk {

// The first 40 characters of the country file's line that lists a call's key; empty for no country.
// Each caller cuts the fields it needs out of fixed columns.
struct CountryInfo {
    std::string record;

    std::string Name() const;             // first 26 characters, trailing blanks removed
    std::string Name25() const;           // first 25 characters, trailing blanks removed
    std::string CqZone() const;           // columns 26-27; "5:" gives "5"
    std::string PrincipalPrefix() const;  // columns 31-36 up to the ":"; empty means an unknown country
    std::string Continent() const;        // columns 38-39
    std::string ContinentRest() const;    // column 38 to the end, trailing blanks removed
    bool Empty() const { return record.empty(); }
};

// The three one-line prefix lists that refine a call's search key.
struct PrefixLists {
    PrefixList two;    // dxcc/prx2.dat: two-character keys
    PrefixList three;  // dxcc/prx3.dat: three-character keys
    PrefixList four;   // dxcc/prx4.dat: four-character keys
};

// The first line of a prefix list file's text (a CR before the LF is not part of it).
std::string PrefixListFromText(std::string_view text);

// The key under which the country file lists a call: its WPX prefix, cut or extended by the prefix
// lists. Meaningful only for a call of 3 or more characters after trimming.
std::string CountrySearchKey(std::string_view call, const PrefixLists& lists);

// Whether LookupCountry reads the country file at all for this call (3 characters or more).
bool IsLookupCall(std::string_view call);

class CountryTable {
public:
    explicit CountryTable(ProgramFolder folder);

    // Reads the first line of dxcc/prx2.dat, prx3.dat and prx4.dat; a missing file leaves its list empty.
    void LoadPrefixLists();

    // Starts an operation (a save, a keystroke, a reload, a command): the next lookup compares the
    // country file's size and modification time with the copy in memory, and re-reads it when they
    // differ. Lookups within one operation trust the copy.
    void BeginOperation() { m_checkedThisOperation = false; }

    CountryInfo LookupCountry(std::string_view call);

    const PrefixLists& Lists() const { return m_lists; }
    std::filesystem::path CountryFilePath() const;

private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified{};
        bool operator==(const FileStamp&) const = default;
    };

    void RefreshCountryFile();

    ProgramFolder m_folder;
    PrefixLists m_lists;
    CountryFileIndex m_index;
    std::optional<FileStamp> m_stamp;  // of the file in m_index; empty when the file was missing
    bool m_checkedThisOperation = false;
};

}  // namespace tallyhawk
