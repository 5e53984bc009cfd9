#include "draws.h"

#include <chrono>
#include <cmath>
#include <memory>
#include <random>

namespace draws {
namespace {

std::function<Source()>& factory()
{
    static std::function<Source()> f;
    return f;
}

} // namespace

Source clockSeeded()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    auto engine = std::make_shared<std::mt19937_64>(static_cast<std::uint64_t>(now));
    return [engine] {
        // generate_canonical may round up to 1.0; the pages index tables with the whole part.
        const double v = std::uniform_real_distribution<double>(0.0, 1.0)(*engine);
        return v < 1.0 ? v : std::nextafter(1.0, 0.0);
    };
}

Source fixed(std::vector<double> values)
{
    auto state = std::make_shared<std::pair<std::vector<double>, std::size_t>>(std::move(values), 0);
    return [state]() {
        if (state->first.empty())
            return 0.0;
        const double v = state->first[state->second % state->first.size()];
        ++state->second;
        return v;
    };
}

Source seedFromClock()
{
    return factory() ? factory()() : clockSeeded();
}

void setSeedFactory(std::function<Source()> f)
{
    factory() = std::move(f);
}

} // namespace draws
