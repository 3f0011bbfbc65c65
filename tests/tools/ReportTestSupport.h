// Helpers of the report tests: one run of the companion and its CSV output by column name.
#pragma once

#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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

inline std::vector<std::string> Split(const std::string& text, char sep)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.emplace_back();
    return parts;
}

using Record = std::map<std::string, std::string>;

// CSV rows keyed by column name.
inline std::vector<Record> Records(const std::string& csv)
{
    const auto lines = Split(csv, '\n');
    const auto header = Split(lines.at(0), ',');
    std::vector<Record> records;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        const auto fields = Split(lines[i], ',');
        EXPECT_EQ(fields.size(), header.size()) << lines[i];
        Record rec;
        for (size_t c = 0; c < header.size() && c < fields.size(); ++c) rec[header[c]] = fields[c];
        records.push_back(rec);
    }
    return records;
}

inline double Num(const Record& rec, const std::string& key)
{
    const std::string& s = rec.at(key);
    EXPECT_FALSE(s.empty()) << key;
    return std::strtod(s.c_str(), nullptr);
}

}  // namespace zeph::report::test
