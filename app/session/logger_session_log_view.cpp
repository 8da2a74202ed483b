// LoggerSession: the log view of the last seven contacts and the sent-exchange pre-fill.
#include "app/session/logger_session.h"

namespace tallyhawk {

void LoggerSession::RefreshLogView() {}

}  // namespace tallyhawk
