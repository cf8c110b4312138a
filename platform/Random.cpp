#include "platform/Random.h"

#include <chrono>
#include <random>

namespace platform {

namespace {
std::mt19937_64& engine()
{
    static std::mt19937_64 generator{0};
    return generator;
}

std::function<double()>& scripted()
{
    static std::function<double()> source;
    return source;
}
}  // namespace

double nextRandom()
{
    if (scripted())
        return scripted()();
    // 53 random bits make a double in [0, 1) without ever rounding up to 1.
    return static_cast<double>(engine()() >> 11) * 0x1.0p-53;
}

void seedRandomFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    engine().seed(static_cast<std::uint64_t>(ticks));
}

void setRandomSource(std::function<double()> source)
{
    scripted() = std::move(source);
}

}  // namespace platform
