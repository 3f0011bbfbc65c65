// Entry of the report companion: runs one command line against the mechanism model.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zeph::report {

// Exit statuses of the companion.
constexpr int ExitOk = 0;
constexpr int ExitMechanismError = 1;  // output complete, but the linkage could not close somewhere
constexpr int ExitUsage = 2;           // refused command line; nothing written to `out`
constexpr int ExitWriteFailed = 3;

// Runs the companion with the arguments after the program name; results go to `out`,
// usage errors and warnings to `err`. Returns the exit status.
int RunReport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The --help text.
const char* UsageText();

}  // namespace zeph::report
