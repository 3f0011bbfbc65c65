// zepharin-report: valve events and solved pivots of a design, without a window.
#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/report/Report.h"

int main(int argc, char** argv)
{
    // A reader that goes away (`| head`) makes the next write fail; that is reported as
    // "output not written" instead of ending the process by the broken-pipe signal.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return zeph::report::RunReport(args, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "zepharin-report: " << e.what() << '\n';
        return 1;
    }
}
