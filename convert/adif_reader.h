// Reading ADIF as today's loggers write it: with or without a header, tags in any case, records over
// several lines, typed tags (<CALL:5:S>), lengths of any number of digits, fields in any order, and
// UTF-8 values whose length some programs count in characters instead of bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tallyhawk {

struct AdifField {
    std::string name;        // upper case
    std::string_view value;  // the value's bytes as the file holds them
};

struct AdifRecord {
    std::vector<AdifField> fields;

    // The value of the field with this upper-case name; empty when the record has none.
    std::string_view Value(std::string_view name) const;
    bool Has(std::string_view name) const;
};

struct AdifDocument {
    std::vector<AdifRecord> records;
    // No record ended with <EOR>, so each line after the header that holds fields became one record.
    bool recordsByLine = false;
};

// Every record of the text. Fields before <EOH> belong to the header and are left out; text between
// fields (comments, blanks, line ends) is skipped; a "<" that opens no tag is text. A record after the
// last <EOR> is incomplete and left out. The values point into `text`.
AdifDocument ReadAdif(std::string_view text);

}  // namespace tallyhawk
