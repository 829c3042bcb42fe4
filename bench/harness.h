#pragma once
// The benchmark harness: bench files register cases (a fast and a literal run on the same input, and
// the ratio the fast one must reach) and subcommands (one algorithm on given input, result printed as
// plain text). Registering costs nothing: a case builds its input only when it runs.

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The two timed runs of a case, holding its input: the fast method and the literal one.
struct Runs {
    std::function<void()> fast;
    std::function<void()> literal;
};

// Every case states the ratio literal / fast (medians of the repeats) its fast method must reach,
// with a margin that holds on a loaded machine; the run fails when a case falls under it.
struct Case {
    std::string name;  // no spaces: --case picks cases by it
    std::function<Runs()> prepare;  // builds the input, untimed, when the case runs; dropped after it
    double minRatio;  // above 0
};

struct Command {
    std::string name;
    std::string usage;
    std::function<int(const std::vector<std::string>& args)> run;  // returns the exit code
};

void addCase(Case c);
void addCommand(Command c);

// Register from a bench file at start-up: static bench::Registrar r([] { bench::addCase(...); });
struct Registrar {
    explicit Registrar(const std::function<void()>& f) { f(); }
};

// Seconds the call takes on the steady clock.
double seconds(const std::function<void()>& f);

// Keeps the optimiser from dropping a result.
template <typename T>
inline void keep(const T& value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

}  // namespace bench
