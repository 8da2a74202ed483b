// CallbookLoader: the two callbook libraries loaded with QLibrary for each lookup.
#include "app/qt/callbook_loader.h"

#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <array>
#include <cstring>

#include "app/qt/callbook_functions.h"
#include "callsign/callbook_result.h"

namespace tallyhawk {
namespace {

QStringList LibraryFileNames(const QString& name) {
#if defined(Q_OS_WIN)
    return {name + QStringLiteral(".dll")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("lib") + name + QStringLiteral(".dylib"), name + QStringLiteral(".dylib")};
#else
    return {QStringLiteral("lib") + name + QStringLiteral(".so"), name + QStringLiteral(".so")};
#endif
}

// One library loaded for one lookup; released when the lookup ends.
class LoadedLibrary {
public:
    LoadedLibrary(const std::filesystem::path& folder, std::string_view name) {
        const QString base = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        for (const QString& file : LibraryFileNames(base)) {
            const QFileInfo path(QString::fromStdString((folder / file.toStdString()).string()));
            if (path.exists() && Load(path.absoluteFilePath())) return;
        }
        (void)Load(base);  // the system's library path
    }
    ~LoadedLibrary() {
        if (m_library.isLoaded()) (void)m_library.unload();
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool IsLoaded() const { return m_library.isLoaded(); }
    template <typename Function>
    Function Resolve(const char* symbol) {
        return IsLoaded() ? reinterpret_cast<Function>(m_library.resolve(symbol)) : nullptr;
    }

private:
    bool Load(const QString& fileName) {
        m_library.setFileName(fileName);
        return m_library.load();
    }
    QLibrary m_library;
};

struct QrzFunctions {
    QrzInitFunction init = nullptr;
    QrzSearchFunction search = nullptr;
    QrzExitFunction exit = nullptr;
    bool Complete() const { return init && search && exit; }
};

QrzFunctions ResolveQrz(LoadedLibrary& library) {
    return {library.Resolve<QrzInitFunction>(kQrzInitName),
            library.Resolve<QrzSearchFunction>(kQrzSearchName),
            library.Resolve<QrzExitFunction>(kQrzExitName)};
}

// The answer buffer is larger than the libraries write into, so that one writing a byte or two beyond
// its size harms nothing; the answer is read up to its terminator within the written size.
using AnswerBuffer = std::array<char, 1024>;
std::string AnswerOf(const AnswerBuffer& buffer, std::size_t writtenSize) {
    return std::string(buffer.data(), strnlen(buffer.data(), writtenSize));
}

}  // namespace

bool CallbookLoader::Loads(CallbookSource source) {
    LoadedLibrary library(m_folder, CallbookLibraryName(source));
    if (source == CallbookSource::Qrz) return ResolveQrz(library).Complete();
    return library.Resolve<RacGetCallInfoFunction>(kRacGetCallInfoName) != nullptr;
}

std::optional<std::string> CallbookLoader::SearchQrz(std::string_view upperCall) {
    LoadedLibrary library(m_folder, kQrzLibraryName);
    const QrzFunctions qrz = ResolveQrz(library);
    if (!qrz.Complete()) return std::nullopt;
    const std::string call(upperCall);
    AnswerBuffer buffer{};
    qrz.init("D");
    qrz.search(1, call.c_str(), "", "", buffer.data(), 2);
    qrz.exit();
    return AnswerOf(buffer, kQrzResultSize);
}

std::optional<std::string> CallbookLoader::SearchRac(std::string_view drive, std::string_view lowerCall) {
    LoadedLibrary library(m_folder, kRacLibraryName);
    const auto getCallInfo = library.Resolve<RacGetCallInfoFunction>(kRacGetCallInfoName);
    if (!getCallInfo) return std::nullopt;
    const std::string driveText(drive);
    const std::string call(lowerCall);
    AnswerBuffer buffer{};
    std::int32_t status = 0;
    getCallInfo(driveText.c_str(), call.c_str(), buffer.data(), &status);
    return AnswerOf(buffer, kRacResultSize);
}

}  // namespace tallyhawk
