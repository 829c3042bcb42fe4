// Cost of letting events run in a long loop: the yielder's step against reading the clock every row.

#include "bench/harness.h"
#include "platform/yielder.h"

namespace {

constexpr int kRows = 10'000'000;

void withYielder()
{
    Yielder y;
    y.processEvents = [] {};
    long long sum = 0;
    for (int i = 0; i < kRows; ++i) {
        sum += i;
        if (y.step())
            break;
    }
    bench::keep(sum);
}

void clockEveryRow()
{
    auto last = Yielder::Clock::now();
    long long sum = 0;
    int yields = 0;
    for (int i = 0; i < kRows; ++i) {
        sum += i;
        const auto t = Yielder::Clock::now();
        if (t - last >= std::chrono::milliseconds(15)) {
            last = t;
            ++yields;
        }
    }
    bench::keep(sum);
    bench::keep(yields);
}

bench::Registrar registrar([] {
    bench::addCase({"yielder.step-10M-rows", [] { return bench::Runs{withYielder, clockEveryRow}; }, 3});
});

}  // namespace
