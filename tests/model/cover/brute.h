#pragma once
// An independent brute force over column texts for the cover tests: every column of 13
// characters a play admits, hits counted character by character, counts and chances read from
// the texts and the percentages. Nothing here uses the points, balls or walks under test.
#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/cover/conditions.h"
#include "model/cover/play.h"

namespace zuvo::cover::brute {

inline int percentOf(const Play& play, std::size_t i, char c) {
    return play.percent[i][c == '1' ? 0 : c == '0' ? 1 : 2];
}

inline std::vector<std::string> allColumns(const Play& play) {
    std::vector<std::string> out{""};
    for (std::size_t i = 0; i < 13; ++i) {
        std::vector<std::string> longer;
        for (const std::string& head : out)
            for (char c : play.outcomes[i]) longer.push_back(head + c);
        out = std::move(longer);
    }
    return out;
}

inline int hits(const std::string& a, const std::string& b) {
    int h = 0;
    for (std::size_t i = 0; i < 13; ++i) h += a[i] == b[i];
    return h;
}

// The chance of a result under the forecast: per position the played percentage over their sum.
inline double chanceOf(const Play& play, const std::string& column) {
    double chance = 1;
    for (std::size_t i = 0; i < 13; ++i) {
        int sum = 0;
        for (char c : play.outcomes[i]) sum += percentOf(play, i, c);
        chance *= static_cast<double>(percentOf(play, i, column[i])) / sum;
    }
    return chance;
}

inline bool meetsConditions(const Play& play, const Conditions& k, const std::string& column) {
    int ones = 0, draws = 0, twos = 0, favourites = 0;
    for (std::size_t i = 0; i < 13; ++i) {
        ones += column[i] == '1';
        draws += column[i] == '0';
        twos += column[i] == '2';
        const int top = std::max({play.percent[i][0], play.percent[i][1], play.percent[i][2]});
        favourites += percentOf(play, i, column[i]) == top;
    }
    return k.ones.holds(ones) && k.draws.holds(draws) && k.twos.holds(twos) &&
           k.favourites.holds(favourites);
}

// A random play of at most `open` open positions, percentages in steps of 10 so that ties are
// common; every played outcome above 0 %, the others 0 %.
inline Play randomPlay(std::mt19937& rng, int open) {
    static const char* kinds[] = {"102", "10", "12", "02", "1", "0", "2"};
    Play play;
    int left = open;
    for (std::size_t i = 0; i < 13; ++i) {
        std::string kind = kinds[rng() % 7];
        if (kind.size() > 1 && left == 0) kind = kind.substr(0, 1);
        if (kind.size() > 1) --left;
        play.outcomes[i] = kind;
        int rest = 10;
        for (std::size_t v = 0; v < kind.size(); ++v) {
            const int tenths =
                v + 1 == kind.size()
                    ? rest
                    : 1 + static_cast<int>(
                              rng() %
                              static_cast<unsigned>(rest - static_cast<int>(kind.size() - v - 1)));
            rest -= tenths;
            play.percent[i][kind[v] == '1' ? 0 : kind[v] == '0' ? 1 : 2] = 10 * tenths;
        }
    }
    return play;
}

}  // namespace zuvo::cover::brute
