// velkorin-bench: with no arguments every case, fast beside literal; with a subcommand one algorithm.

#include "harness.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace bench {
namespace {

constexpr int kDefaultRepeat = 3;  // turns of each case: its times are their medians

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

// One timed sample of f: a run shorter than kShortestSample is repeated until the sample lasts that
// long, and the time of one run given, so that a short run is not lost in the clock's and the
// scheduler's noise.
constexpr double kShortestSample = 0.05;

double sampleSeconds(const std::function<void()>& f)
{
    const double once = seconds(f);
    if (once >= kShortestSample)
        return once;
    const int runs = static_cast<int>(std::min(1000.0, std::ceil(kShortestSample / std::max(once, 1e-6))));
    return seconds([&] {
        for (int i = 0; i < runs; ++i)
            f();
    }) / runs;
}

// One line for the case; false when its fast run falls under the ratio it states. The two methods
// take turns, so that a change in the machine's load falls on both.
bool runCase(const Case& c, int repeat)
{
    const Runs runs = c.prepare();
    if (!runs.fast || !runs.literal) {
        std::printf("%s has no literal run to compare with\n", c.name.c_str());
        return false;
    }
    std::vector<double> fastTimes;
    std::vector<double> literalTimes;
    for (int i = 0; i < repeat; ++i) {
        fastTimes.push_back(sampleSeconds(runs.fast));
        literalTimes.push_back(sampleSeconds(runs.literal));
    }
    const double fast = median(fastTimes);
    const double literal = median(literalTimes);
    const double ratio = fast > 0 ? literal / fast : 0.0;
    const bool ok = ratio >= c.minRatio;
    std::printf("%s fast=%.6f literal=%.6f ratio=%.2f min-ratio=%.2f%s\n", c.name.c_str(), fast, literal, ratio,
        c.minRatio, ok ? "" : " BELOW");
    std::fflush(stdout);
    return ok;
}

int usage(std::FILE* to)
{
    std::fprintf(to,
        "usage: velkorin-bench [--case NAME] [--repeat N]\n"
        "  every case, or those whose name is or begins with NAME: the fast method and the literal one,\n"
        "  taking turns N times (default %d), their medians and ratio printed; exits 1 when a case\n"
        "  falls under the ratio it states (min-ratio)\n"
        "or:    velkorin-bench SUBCOMMAND ARGS...\n",
        kDefaultRepeat);
    for (const auto& [n, c] : commands())
        std::fprintf(to, "  %s %s\n", n.c_str(), c.usage.c_str());
    return to == stdout ? 0 : 2;
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
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h"))
        return usage(stdout);
    if (!args.empty() && args[0].rfind("--", 0) != 0) {
        auto it = commands().find(args[0]);
        if (it == commands().end()) {
            std::fprintf(stderr, "unknown subcommand %s\n", args[0].c_str());
            return usage(stderr);
        }
        return it->second.run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    std::string only;
    int repeat = kDefaultRepeat;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage(stderr);
        if (args[i] == "--case")
            only = args[i + 1];
        else if (args[i] == "--repeat" && (repeat = std::atoi(args[i + 1].c_str())) >= 1)
            continue;
        else
            return usage(stderr);
    }
    for (const Case& c : cases()) {
        if (!(c.minRatio > 0)) {
            std::fprintf(stderr, "case %s states no ratio to reach\n", c.name.c_str());
            return 2;
        }
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
