#pragma once
// Coefficients in hundredths for the sweeps of the coefficient windows: a grid in quarters from
// -2 to 2, then pseudo-random hundredths from -3 to 3 (the same ones in every run).
#include <array>
#include <vector>

namespace coefficient_grid {

inline std::vector<std::array<int, 3>> hundredths(unsigned seed, int randomCount)
{
    std::vector<std::array<int, 3>> grid;
    for (int a = -200; a <= 200; a += 50)
        for (int b = -200; b <= 200; b += 50)
            for (int c = -200; c <= 200; c += 50)
                grid.push_back({a, b, c});
    auto next = [&seed] { return int((seed = seed * 1103515245u + 12345u) >> 16) % 601 - 300; };
    for (int i = 0; i < randomCount; ++i)
        grid.push_back({next(), next(), next()});
    return grid;
}

}  // namespace coefficient_grid
