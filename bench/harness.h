#pragma once
// The benchmark harness: bench files register cases (a fast and a literal run on the same input)
// and subcommands (one algorithm on given input, result printed as plain text). Registering costs
// nothing: a case builds its input only when it runs.

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The two timed runs of a case, holding its input. A case with no literal run prints literal=skipped.
struct Runs {
    std::function<void()> fast;
    std::function<void()> literal;  // empty when the literal method would not end within a minute
};

struct Case {
    std::string name;  // no spaces: --case picks cases by it
    std::function<Runs()> prepare;  // builds the input, untimed, when the case runs; dropped after it
    double minRatio = 0;  // literal / fast must reach this or the run fails; 0 for no bound
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
