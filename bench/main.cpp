// velkorin-bench: with no arguments every case, fast beside literal; with a subcommand one algorithm.

#include "harness.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace bench {
namespace {

std::vector<Case>& cases()
{
    static std::vector<Case> all;
    return all;
}
std::map<std::string, Command>& commands()
{
    static std::map<std::string, Command> all;
    return all;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double medianSeconds(const std::function<void()>& f, int repeat)
{
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i)
        times.push_back(seconds(f));
    return median(times);
}

// One line for the case; false when its fast run falls under the ratio it states.
bool runCase(const Case& c, int repeat)
{
    const Runs runs = c.prepare();
    const double fast = medianSeconds(runs.fast, repeat);
    bool ok = true;
    if (runs.literal) {
        const double literal = medianSeconds(runs.literal, repeat);
        const double ratio = fast > 0 ? literal / fast : 0.0;
        ok = ratio >= c.minRatio;
        std::printf("%s fast=%.6f literal=%.6f ratio=%.2f", c.name.c_str(), fast, literal, ratio);
        if (!ok)
            std::printf(" BELOW min-ratio=%.2f", c.minRatio);
        std::printf("\n");
    } else {
        std::printf("%s fast=%.6f literal=skipped\n", c.name.c_str(), fast);
    }
    std::fflush(stdout);
    return ok;
}

int usage()
{
    std::fprintf(stderr,
        "usage: velkorin-bench [--case NAME] [--repeat N]\n"
        "  every case, or those whose name is or begins with NAME; each run N times (default 1), the\n"
        "  median printed; exits 1 when a fast method falls under the ratio its case states\n"
        "or:    velkorin-bench SUBCOMMAND ARGS...\n");
    for (const auto& [n, c] : commands())
        std::fprintf(stderr, "  %s %s\n", n.c_str(), c.usage.c_str());
    return 2;
}

}  // namespace

void addCase(Case c) { cases().push_back(std::move(c)); }
void addCommand(Command c)
{
    std::string name = c.name;
    commands()[name] = std::move(c);
}

double seconds(const std::function<void()>& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace bench

int main(int argc, char** argv)
{
    using namespace bench;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0].rfind("--", 0) != 0) {
        auto it = commands().find(args[0]);
        if (it == commands().end()) {
            std::fprintf(stderr, "unknown subcommand %s\n", args[0].c_str());
            return usage();
        }
        return it->second.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::string only;
    int repeat = 1;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage();
        if (args[i] == "--case")
            only = args[i + 1];
        else if (args[i] == "--repeat" && (repeat = std::atoi(args[i + 1].c_str())) >= 1)
            continue;
        else
            return usage();
    }
    bool ran = false;
    bool ok = true;
    for (const Case& c : cases()) {
        if (c.name.rfind(only, 0) != 0)
            continue;
        ran = true;
        ok = runCase(c, repeat) && ok;
    }
    if (!ran) {
        std::fprintf(stderr, "no case named %s; the cases:\n", only.c_str());
        for (const Case& c : cases())
            std::fprintf(stderr, "  %s\n", c.name.c_str());
        return 2;
    }
    return ok ? 0 : 1;
}
