// The edit transfer file.
#include "log/edit_transfer_file.h"

#include <array>

#include "core/file_io.h"
#include "core/text.h"
#include "core/text_lines.h"

namespace tallyhawk {
namespace {

struct TransferKey {
    std::string_view key;
    std::string EditTransfer::*field;
};

constexpr std::array<TransferKey, 8> kTransferKeys = {{
    {"call:", &EditTransfer::call},
    {"date:", &EditTransfer::date},
    {"utc:", &EditTransfer::utc},
    {"band:", &EditTransfer::band},
    {"mode:", &EditTransfer::mode},
    {"sent:", &EditTransfer::sent},
    {"rcvd:", &EditTransfer::rcvd},
    {"num:", &EditTransfer::number},
}};

// The text up to the next "," (all of it when there is none); the rest stays in `record`.
std::string_view TakeField(std::string_view& record) {
    const auto comma = record.find(',');
    const std::string_view field = record.substr(0, comma);
    record = comma == std::string_view::npos ? std::string_view{} : record.substr(comma + 1);
    return field;
}

}  // namespace

std::string FormatEditTransfer(const EditTransfer& transfer) {
    std::string text;
    for (const auto& [key, field] : kTransferKeys) text.append(key).append(TrimBlanks(transfer.*field)).append("\n");
    return text;
}

EditTransfer ParseEditTransfer(std::string_view text) {
    EditTransfer transfer;
    LineCursor lines(text);
    while (const auto line = lines.Next()) {
        for (const auto& [key, field] : kTransferKeys) {
            if (line->text.find(key) != std::string_view::npos) transfer.*field = line->text.substr(key.size());
        }
    }
    return transfer;
}

std::filesystem::path EditTransferPath(const ProgramFolder& folder) { return folder.DatabasePath(kEditTransferFile); }

bool WriteEditTransferFile(const ProgramFolder& folder, const EditTransfer& transfer) {
    const auto path = EditTransferPath(folder);
    return EnsureFolder(path.parent_path()) && ReplaceFile(path, FormatEditTransfer(transfer));
}

std::optional<EditTransfer> ReadEditTransferFile(const ProgramFolder& folder) {
    const auto text = ReadFile(EditTransferPath(folder));
    if (!text) return std::nullopt;
    return ParseEditTransfer(*text);
}

EditTransfer EditTransferFromIndex(std::size_t number, const ContestIndexContact& contact) {
    std::string_view record = contact.summary;
    EditTransfer transfer;
    transfer.number = std::to_string(number);
    transfer.call = TrimBlanks(contact.call);
    transfer.date = TrimBlanks(TakeField(record));
    const std::string_view time = TrimBlanks(TakeField(record));
    transfer.utc = std::string(time.substr(0, 2)) + ":" + std::string(time.substr(std::min<std::size_t>(2, time.size()), 2));
    transfer.band = TrimBlanks(TakeField(record));
    transfer.mode = TrimBlanks(TakeField(record));
    transfer.sent = TrimBlanks(TakeField(record));
    transfer.rcvd = TrimBlanks(record);
    return transfer;
}

}  // namespace tallyhawk
