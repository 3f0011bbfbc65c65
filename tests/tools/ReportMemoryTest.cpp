// The pivots report's memory stays flat however many rows it writes. The heap of this test
// program is counted by replacing the global allocation functions.
#include <gtest/gtest.h>

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "tools/report/Report.h"

// The replaced allocation functions hand out malloc'd blocks and free them again.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long> g_live{0};
std::atomic<long> g_peak{0};

void* Counted(void* p)
{
    if (!p) throw std::bad_alloc();
    const long live = g_live += static_cast<long>(malloc_usable_size(p));
    long peak = g_peak.load();
    while (live > peak && !g_peak.compare_exchange_weak(peak, live)) {
    }
    return p;
}

void Release(void* p) noexcept
{
    if (!p) return;
    g_live -= static_cast<long>(malloc_usable_size(p));
    std::free(p);
}

}  // namespace

void* operator new(std::size_t n) { return Counted(std::malloc(n ? n : 1)); }
void* operator new[](std::size_t n) { return Counted(std::malloc(n ? n : 1)); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace zeph::report {
namespace {

// Swallows the output, counting it.
class CountingBuf : public std::streambuf {
public:
    long bytes = 0;

protected:
    int_type overflow(int_type ch) override
    {
        bytes += traits_type::eq_int_type(ch, traits_type::eof()) ? 0 : 1;
        return traits_type::not_eof(ch);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        bytes += n;
        return n;
    }
};

struct Peak {
    long heap = 0;   // bytes above what was live before the run
    long output = 0;
};

Peak PeakOf(const std::vector<std::string>& args)
{
    CountingBuf sink, errSink;
    std::ostream out(&sink), err(&errSink);
    const long before = g_live.load();
    g_peak = before;
    EXPECT_EQ(RunReport(args, out, err), ExitOk);
    return {g_peak.load() - before, sink.bytes};
}

TEST(ReportMemory, PivotRowsAreWrittenAsTheyAreSolved)
{
    for (const bool csv : {true, false}) {
        const auto args = [csv](const char* step) {
            std::vector<std::string> a = {"pivots", "--gear", "fwd", "--step", step};
            if (csv) a.push_back("--csv");
            return a;
        };
        const Peak few = PeakOf(args("10"));
        const Peak many = PeakOf(args("0.01"));
        EXPECT_GT(many.output, 900 * few.output) << csv;
        EXPECT_LT(many.heap, few.heap + 16 * 1024) << csv << ": " << few.heap << " then " << many.heap;
    }
}

}  // namespace
}  // namespace zeph::report
