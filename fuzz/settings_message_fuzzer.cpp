// Settings messages come from other processes: any bytes must parse without harm.
#include "app/session/settings_message.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto message = tallyhawk::ParseSettingsMessage(tallyhawk::FuzzText(data, size));
    if (message && message->diskLetter) {
        (void)tallyhawk::CallbookDrive(*message->diskLetter, message->callbookType.value_or(""));
    }
    return 0;
}
