// The ADIF of any logger: the reader takes any bytes, and each record it finds becomes a logbook entry.
#include "convert/adif_reader.h"
#include "convert/any_adif_import.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const tallyhawk::AdifDocument document = tallyhawk::ReadAdif(tallyhawk::FuzzText(data, size));
    for (const auto& record : document.records) {
        (void)tallyhawk::LogbookCallOf(record);
        (void)tallyhawk::LogbookRecordOf(record);
    }
    return 0;
}
