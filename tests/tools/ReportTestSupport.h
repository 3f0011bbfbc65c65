// Shared helper of the report tests: one run of the companion with its status and both outputs.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/report/Report.h"

namespace zeph::report::test {

struct Result {
    int status = -1;
    std::string out, err;
};

inline Result Report(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    Result r;
    r.status = RunReport(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

}  // namespace zeph::report::test
