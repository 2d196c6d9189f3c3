#include "CandidateGrid.h"

#include <algorithm>
#include <cmath>

namespace Engine {

namespace {

std::uint32_t RoundHalfEven(double value)
{
    // nearbyint rounds to nearest with ties to even under the default mode.
    return static_cast<std::uint32_t>(std::nearbyint(value));
}

}  // namespace

CandidateGrid MakeCandidateGrid(std::size_t length, double keyLength)
{
    CandidateGrid grid;
    const double K = keyLength;
    const double L = static_cast<double>(length);
    // Also rejects NaN. Above L - 1 not even the first length fits.
    if (!(K > 0.5) || !(K <= L - 1.0))
        return grid;

    grid.whole = std::floor(K) == K;
    grid.codes = static_cast<std::uint64_t>(std::floor((L - 1.0) / K));

    // The same additions as the loops make, so that non-whole key lengths
    // accumulate the same rounding errors. No length exceeds L - 1 (s >= 1).
    std::vector<double> realLengths;
    for (double l = K; l <= L - 1.0; l += K) {
        realLengths.push_back(l);
        grid.lengths.push_back(RoundHalfEven(l));
    }
    for (double s = 1.0; s <= L; s += K) {
        const auto count = static_cast<std::uint32_t>(
            std::upper_bound(realLengths.begin(), realLengths.end(), L - s) - realLengths.begin());
        if (count == 0)
            break;  // later starts take fewer lengths still
        grid.starts.push_back(RoundHalfEven(s) - 1);
        grid.counts.push_back(count);
        grid.total += count;
    }
    return grid;
}

}  // namespace Engine

