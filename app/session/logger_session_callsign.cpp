// LoggerSession: the call-sign data loaded at start-up.
#include "app/session/logger_session.h"

namespace tallyhawk {

void LoggerSession::LoadCallsignData() {}

}  // namespace tallyhawk
