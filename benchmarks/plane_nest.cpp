// Offline search for codes of the plane shape (plane_nest.h): P planes of digit sum 0 keyed by
// label (L) or value (W) before m inner positions, the parts chosen as a set cover with a budget
// of (part, word) pairs. A weighted local search: each step drops the pair that leaves the
// least weight alone, then adds the pair that reaches the most weight among those reaching a
// random unreached constraint; unreached constraints gain weight every step. Each cover is
// verified over the whole space and appended to the output as a records line, then one pair
// is dropped. Under P label planes the inner words of all parts together must reach every inner
// point within R - P, so --inner-code n --inner-radius r first finds such a code of n words
// (the same search) and takes the parts' words from it only: for two label planes before six
// positions any 73-word code at radius 1 tried split into the nine parts (657) within a minute,
// where the search over all words stays at 74. --restrict 1 instead confines the search to the
// inner words of a cover that puts some word into two parts.
//   plane_nest --keys LL --inner m --radius R --budget n [--target n] [--seconds S] [--seed X]
//              [--inner-code n --inner-radius r] [--restrict 1] [--out FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "plane_nest.h"
#include "search_tool.h"

namespace {

using zuvo::tools::PlaneNest;
using zuvo::tools::Rng;

struct Cover {
    std::vector<std::vector<int>> rows, in;  // the sets of each row; the rows of each set
    std::vector<char> chosen, allowed;
    std::vector<int> count, owners, weight, tabu, solution, at, open, openAt;
    std::vector<long> score;  // chosen: weight it alone reaches; not chosen: unreached weight

    explicit Cover(std::vector<std::vector<int>> r, int sets)
        : rows(std::move(r)),
          in(sets),
          chosen(sets, 0),
          allowed(sets, 1),
          tabu(sets, 0),
          at(sets, -1),
          score(sets, 0) {
        for (std::size_t e = 0; e < rows.size(); ++e)
            for (int s : rows[e]) in[s].push_back(static_cast<int>(e));
        count.assign(rows.size(), 0), owners.assign(rows.size(), 0), weight.assign(rows.size(), 1);
        for (std::size_t e = 0; e < rows.size(); ++e)
            openAt.push_back(static_cast<int>(e)), open.push_back(static_cast<int>(e));
        for (int s = 0; s < sets; ++s) score[s] = static_cast<long>(in[s].size());
    }
    void reach(int e) {
        openAt[open.back()] = openAt[e], open[openAt[e]] = open.back(), open.pop_back();
        openAt[e] = -1;
    }
    void lose(int e) { openAt[e] = static_cast<int>(open.size()), open.push_back(e); }
    void add(int s) {
        chosen[s] = 1, at[s] = static_cast<int>(solution.size()), solution.push_back(s);
        score[s] = 0;
        for (int e : in[s]) {
            if (count[e] == 0) {
                reach(e);
                for (int t : rows[e])
                    if (t != s) score[t] -= weight[e];
                score[s] += weight[e];
            } else if (count[e] == 1) {
                score[owners[e]] -= weight[e];
            }
            ++count[e], owners[e] += s;
        }
    }
    void drop(int s) {
        chosen[s] = 0, solution[at[s]] = solution.back(), at[solution.back()] = at[s];
        solution.pop_back(), at[s] = -1, score[s] = 0;
        for (int e : in[s]) {
            --count[e], owners[e] -= s;
            if (count[e] == 0) {
                lose(e);
                for (int t : rows[e]) score[t] += weight[e];
            } else if (count[e] == 1) {
                score[owners[e]] += weight[e];
            }
        }
    }
    int cheapest(Rng& rng, long step, bool tabuToo) const {
        int best = -1, ties = 0;
        for (int s : solution) {
            if (!tabuToo && tabu[s] > step) continue;
            if (best < 0 || score[s] < score[best])
                best = s, ties = 1;
            else if (score[s] == score[best] && rng.below(++ties) == 0)
                best = s;
        }
        return best;
    }
};

// Greedy fill to the budget, then the weighted steps; onCover(solution) is called at each
// cover and returns false to stop. The smallest cover's size, 0 if none.
template <class OnCover>
int descend(Cover& cover, int budget, int target, double seconds, Rng& rng, OnCover onCover) {
    const int sets = static_cast<int>(cover.in.size());
    while (static_cast<int>(cover.solution.size()) < budget && !cover.open.empty()) {
        int best = -1;
        for (int s = 0; s < sets; ++s)
            if (cover.allowed[s] && !cover.chosen[s] &&
                (best < 0 || cover.score[s] > cover.score[best]))
                best = s;
        if (best < 0) break;
        cover.add(best);
    }
    const auto start = std::chrono::steady_clock::now();
    std::size_t fewest = cover.open.size();
    int found = 0;
    for (long step = 1;; ++step) {
        if (cover.open.empty()) {
            // The greedy start may cover with fewer sets than the budget.
            found = budget = static_cast<int>(cover.solution.size());
            if (!onCover(cover.solution) || --budget < target) break;
            cover.drop(cover.cheapest(rng, step, true));
            fewest = cover.open.size();
            continue;
        }
        if ((step & 1023) == 0) {
            const double t =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (t > seconds) break;
            if ((step & 0xfffff) == 0)
                std::printf("%.0f s: %d sets, %zu unreached (fewest %zu)\n", t, budget,
                            cover.open.size(), fewest);
        }
        int gone = cover.cheapest(rng, step, false);
        if (gone < 0) gone = cover.solution[rng.below(cover.solution.size())];
        cover.drop(gone), cover.tabu[gone] = step + 2;
        const int e = cover.open[rng.below(cover.open.size())];
        int in = -1, ties = 0;
        for (int s : cover.rows[e]) {
            if (!cover.allowed[s] || cover.tabu[s] > step) continue;
            if (in < 0 || cover.score[s] > cover.score[in])
                in = s, ties = 1;
            else if (cover.score[s] == cover.score[in] && rng.below(++ties) == 0)
                in = s;
        }
        if (in < 0) in = gone;  // every way to it is tabu or out of bounds: keep what was there
        cover.add(in), cover.tabu[in] = step + 2;
        for (int u : cover.open) {
            ++cover.weight[u];
            for (int s : cover.rows[u]) ++cover.score[s];
        }
        fewest = std::min(fewest, cover.open.size());
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const zuvo::tools::Args args(argc, argv);
    const int radius = args.integer("--radius", -1);
    const PlaneNest shape(args.text("--keys", ""), args.integer("--inner", -1), radius);
    const int budget = args.integer("--budget", 0), target = args.integer("--target", 1);
    const int innerCode = args.integer("--inner-code", 0);
    const int innerRadius = args.integer("--inner-radius", 1);
    const double seconds = args.real("--seconds", 60);
    const bool restrict = args.text("--restrict", "0") == "1";
    const std::string out = args.text("--out", "plane_nest.txt");
    Rng rng{static_cast<std::uint64_t>(args.longer("--seed", 1)) * 0x9E3779B97F4A7C15ull + 1};
    if (!shape.ok || budget <= 0 || shape.length() > 13 || innerCode < 0 || innerRadius < 0) {
        std::fprintf(stderr,
                     "usage: plane_nest --keys LL --inner m --radius R --budget n [--target n] "
                     "[--seconds S] [--seed X] [--restrict 1] [--inner-code n --inner-radius r] "
                     "[--out FILE]\n");
        return 2;
    }
    const int points = shape.innerPoints();
    std::vector<char> inner(static_cast<std::size_t>(points), 1);
    if (innerCode > 0) {
        // First a code of that size and radius on the inner positions; the parts then take
        // their words from it only.
        std::vector<std::vector<int>> balls;
        for (int y = 0; y < points; ++y) balls.push_back(shape.within(y, innerRadius));
        Cover code(std::move(balls), points);
        std::vector<int> words;
        const int size = descend(code, std::min(points, innerCode + 8), innerCode, seconds, rng,
                                 [&](const std::vector<int>& s) { return words = s, true; });
        if (size != innerCode) {
            std::printf("no inner code of %d words at radius %d\n", innerCode, innerRadius);
            return 1;
        }
        std::fill(inner.begin(), inner.end(), 0);
        for (int g : words) inner[g] = 1;
        std::printf("inner code of %d words at radius %d\n", size, innerRadius);
    }
    // Rows keep only the pairs the inner code allows; rows that became equal count once, or
    // their weights would pile up on the same few pairs.
    std::vector<std::vector<int>> rows = shape.rows();
    for (auto& row : rows)
        row.erase(std::remove_if(row.begin(), row.end(), [&](int s) { return !inner[s % points]; }),
                  row.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    Cover cover(std::move(rows), shape.sets());
    for (int s = 0; s < shape.sets(); ++s) cover.allowed[s] = inner[s % points];
    std::printf("%d positions, %d parts, %d sets, %zu constraints, %d columns per pair\n",
                shape.length(), shape.parts(), shape.sets(), cover.rows.size(), shape.factor());
    bool verified = true;
    const int found = descend(cover, budget, target, seconds, rng, [&](const std::vector<int>& s) {
        std::vector<int> syndromes;
        std::vector<char> word(static_cast<std::size_t>(points), 0);
        for (int set : s) syndromes.push_back(shape.syndrome(set)), word[set % points] = 1;
        verified = zuvo::tools::reportConstruction(shape.length(), radius, shape.rowsOfMatrix(),
                                                   shape.columns(), syndromes, out);
        const long words = std::count(word.begin(), word.end(), 1);
        if (restrict && words < static_cast<long>(s.size())) {
            for (int set = 0; set < shape.sets(); ++set) cover.allowed[set] = word[set % points];
            std::printf("confined to the %ld inner words of this cover\n", words);
        }
        return verified;
    });
    std::printf("smallest cover %d pairs (%d columns)\n", found, found * shape.factor());
    return found && verified ? 0 : 1;
}
