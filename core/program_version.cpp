// The program's version, given by the build.
#include "core/program_version.h"

namespace tallyhawk {

std::string_view ProgramVersion() { return TALLYHAWK_VERSION; }

}  // namespace tallyhawk
