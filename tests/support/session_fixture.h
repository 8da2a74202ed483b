// Test support for the session tests: a program folder, settings past the first run, and sessions
// started on them with a fixed clock.
#pragma once

#include <string>
#include <utility>

#include "app/session/logger_session.h"
#include "tests/support/program_folder_fixture.h"

namespace tallyhawk::testing {

class SessionFixture : public ProgramFolderFixture {
protected:
    // Loads the defaults once (past the first run), then stores these values of the Settings group.
    void Configure(std::initializer_list<std::pair<const char*, std::string>> settings) {
        (void)LoadSettings(m_store, m_clock());
        for (const auto& [name, value] : settings) m_store.WriteString(kSettingsGroup, name, value);
    }

    LoggerSession Started() {
        LoggerSession session(ProgramFolder(Folder()), m_store, m_clock);
        (void)session.Start();
        return session;
    }

    // Types a whole row and saves it; the band and mode stay as the row has them.
    static Effects Save(LoggerSession& session, std::string_view call, std::string_view received,
                        std::string_view sent, std::string_view time = "12:00") {
        session.SetFieldText(Field::Call, call);
        session.SetFieldText(Field::Time, time);
        session.SetFieldText(Field::ExchangeSent, sent);
        session.SetFieldText(Field::ExchangeReceived, received);
        return session.SaveContact();
    }

    MemorySettingsBackend m_store;
    Clock m_clock = [] { return ClockReading{}; };
};

}  // namespace tallyhawk::testing
