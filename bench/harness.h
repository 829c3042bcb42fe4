#pragma once
// The benchmark harness: bench files register cases (a fast and a literal run on the same input)
// and subcommands (one algorithm on given input, result printed as plain text).

#include <functional>
#include <string>
#include <vector>

namespace bench {

// A run returns nothing; the harness times it. A case with no literal run prints literal=skipped.
struct Case {
    std::string name;
    std::function<void()> fast;
    std::function<void()> literal;  // empty when the literal method would not end within a minute
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

// Keeps the optimiser from dropping a result.
template <typename T>
inline void keep(const T& value)
{
    asm volatile("" : : "g"(&value) : "memory");
}

}  // namespace bench
