// velkorin-bench: with no arguments every case, fast beside literal; with a subcommand one algorithm.

#include "harness.h"

#include <chrono>
#include <cstdio>
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
double seconds(const std::function<void()>& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}
}  // namespace

void addCase(Case c) { cases().push_back(std::move(c)); }
void addCommand(Command c)
{
    std::string name = c.name;
    commands()[name] = std::move(c);
}

}  // namespace bench

int main(int argc, char** argv)
{
    using namespace bench;
    if (argc > 1) {
        const std::string name = argv[1];
        auto it = commands().find(name);
        if (it == commands().end()) {
            std::fprintf(stderr, "unknown subcommand %s; known:\n", name.c_str());
            for (const auto& [n, c] : commands())
                std::fprintf(stderr, "  %s %s\n", n.c_str(), c.usage.c_str());
            return 2;
        }
        return it->second.run(std::vector<std::string>(argv + 2, argv + argc));
    }
    for (const Case& c : cases()) {
        const double fast = seconds(c.fast);
        if (c.literal) {
            const double literal = seconds(c.literal);
            std::printf("%s fast=%.6f literal=%.6f ratio=%.1f\n", c.name.c_str(), fast, literal,
                fast > 0 ? literal / fast : 0.0);
        } else {
            std::printf("%s fast=%.6f literal=skipped\n", c.name.c_str(), fast);
        }
        std::fflush(stdout);
    }
    return 0;
}
