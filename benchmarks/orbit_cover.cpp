// Offline search for matrix-method codes with a prescribed symmetry: the syndrome set S must be a
// union of orbits of a group that the given maps generate. A map permutes the positions,
// multiplies each by 1 or 2 and may add a fixed word; when it keeps the kernel of H, it acts on
// the syndromes (linearly, plus the translation's syndrome) and keeps the ball B of sums of at
// most R columns, so a whole orbit is reached as soon as one of its points is. With k = n and H
// the unit columns the syndromes are the words themselves. The search is a weighted set cover over
// orbits (an orbit costs its size): each step takes the best exactly scored swap that reaches a
// random unreached orbit within the budget and raises the weight of what stays unreached. Each
// cover is verified over the whole space and appended as a line the records table takes; then the
// budget shrinks.
//   orbit_cover --length n --radius R --rows k --matrix c1,...,cn --maps "p/m;p/m" --budget m
//               [--target m] [--syndromes s1,...] [--checked 1] [--seconds S] [--seed X] [--tenure
//               T]
//               [--sample N] [--out FILE]
// p is the image position list (position j takes the value of position p_j), m the multipliers;
// a map may end in "/b0,...,b(n-1)", the word added after the move.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "model/cover/group.h"
#include "orbit_group.h"
#include "search_tool.h"

namespace {

using zuvo::tools::Rng;
using namespace zuvo::tools::orbit;

struct Options {
    int n = 0, radius = 1, k = 0, budget = 0, target = 1, tenure = 7, sample = 64;
    double seconds = 600;
    std::uint64_t seed = 1;
    bool checked = false, bumpChosen = false;
    std::vector<int> matrix, syndromes;
    std::string maps, out = "orbit-found.txt";
};

class Cover {
  public:
    Cover(const Options& o, Rng& rng) : o_(o), g_(o.k), rng_(rng) {
        std::vector<std::vector<int>> actions;
        for (const auto& map : parseMaps(o.maps, o.n))
            actions.push_back(syndromeAction(g_, o.matrix, map));
        orbitOf_ = orbitsOf(g_.points, actions);
        members_.resize(*std::max_element(orbitOf_.begin(), orbitOf_.end()) + 1);
        for (int v = 0; v < g_.points; ++v) members_[orbitOf_[v]].push_back(v);
        const int count = static_cast<int>(members_.size());
        const zuvo::cover::Space syndromeSpace{o.k, 0};
        const zuvo::cover::Matrix h{syndromeSpace, {o.matrix.begin(), o.matrix.end()}};
        const auto ball = zuvo::cover::stepBall(zuvo::cover::Group(syndromeSpace), h, o.radius);
        rows_.resize(count), cols_.resize(count);
        for (int i = 0; i < count; ++i) {
            for (auto b : ball)
                rows_[i].push_back(orbitOf_[g_.add(members_[i][0], static_cast<int>(b))]);
            std::sort(rows_[i].begin(), rows_[i].end());
            rows_[i].erase(std::unique(rows_[i].begin(), rows_[i].end()), rows_[i].end());
            for (int r : rows_[i]) cols_[r].push_back(i);
        }
        weight_.assign(count, 1), gain_.assign(count, 0), loss_.assign(count, 0);
        count_.assign(count, 0), owners_.assign(count, 0), chosen_.assign(count, 0);
        tabu_.assign(count, 0), at_.assign(count, -1);
        plainLoss_.assign(count, 0), mark_.assign(count, 0), free_.assign(count, 1);
        for (int r = 0; r < count; ++r) at_[r] = static_cast<int>(open_.size()), open_.push_back(r);
        for (int i = 0; i < count; ++i) gain_[i] = static_cast<long>(rows_[i].size());
        std::printf("%d orbits (%d points), ball %zu\n", count, g_.points, ball.size());
    }

    int orbits() const { return static_cast<int>(members_.size()); }
    // Starts from the orbits of the given syndromes, as from a known cover to shrink.
    void startFrom(const std::vector<int>& syndromes) {
        for (int v : syndromes)
            if (!chosen_[orbitOf_[v]]) add(orbitOf_[v]);
    }
    int cost() const { return cost_; }
    int unreached() const { return static_cast<int>(open_.size()); }
    std::vector<int> syndromes() const {
        std::vector<int> s;
        for (int i = 0; i < orbits(); ++i)
            if (chosen_[i]) s.insert(s.end(), members_[i].begin(), members_[i].end());
        return s;
    }

    // One step: the best pair move that reaches a random unreached orbit, scored exactly: an
    // orbit that reaches it comes in (sampled when many do) and a chosen orbit goes, or none
    // goes when the budget has room. Recently moved orbits are tabu unless the move would
    // leave fewer unreached orbits than the best seen.
    void step(long it, int budget, int best) {
        const int row = open_[rng_.below(open_.size())];
        std::vector<int> in;
        for (int c : cols_[row])
            if (!chosen_[c]) in.push_back(c);
        for (std::size_t j = 0; j < in.size() && static_cast<int>(j) < o_.sample; ++j)
            std::swap(in[j], in[j + rng_.below(in.size() - j)]);
        if (static_cast<int>(in.size()) > o_.sample) in.resize(o_.sample);
        zuvo::tools::Chooser<std::pair<int, int>> choice;
        std::vector<int> out;
        for (int i = 0; i < orbits(); ++i)
            if (chosen_[i]) out.push_back(i);
        for (int c : in) {
            ++stamp_;
            long gain = gain_[c];
            int plainGain = 0;
            for (int r : rows_[c]) mark_[r] = stamp_, plainGain += count_[r] == 0;
            const int size = static_cast<int>(members_[c].size());
            if (cost_ + size <= budget)
                choice.consider(-gain, -plainGain, {c, -1}, tabu_[c] > it, unreached(), best, rng_);
            for (int d : out) {
                if (cost_ - static_cast<int>(members_[d].size()) + size > budget) continue;
                long lost = loss_[d];
                int plainLost = plainLoss_[d];
                for (int r : rows_[d])
                    if (count_[r] == 1 && mark_[r] == stamp_) lost -= weight_[r], --plainLost;
                choice.consider(lost - gain, plainLost - plainGain, {c, d},
                                tabu_[c] > it || tabu_[d] > it, unreached(), best, rng_);
            }
        }
        if (!choice.any()) return;
        const auto [c, d] = choice.chosen;
        if (d >= 0) remove(d), tabu_[d] = it + o_.tenure;
        add(c), tabu_[c] = it + o_.tenure;
        bump(row);
    }

    // The row-weighting step with configuration checking: drop the chosen orbit that costs
    // least to lose (not the one just added; the longest unmoved on ties), then add the best
    // orbit that reaches a random unreached orbit among those whose surroundings changed since
    // they were last dropped. No tenure to tune, and it cannot cycle on two orbits.
    void stepChecked(long it, int budget) {
        int drop = -1;
        double cheapest = 0;
        for (int i = 0; i < orbits(); ++i) {
            if (!chosen_[i] || i == lastAdded_) continue;
            const double score = static_cast<double>(loss_[i]) / members_[i].size();
            if (drop < 0 || score < cheapest || (score == cheapest && tabu_[i] < tabu_[drop]))
                cheapest = score, drop = i;
        }
        if (drop >= 0) remove(drop), tabu_[drop] = it, free_[drop] = 0, touch(drop);
        while (cost_ < budget && !open_.empty()) {
            const int row = open_[rng_.below(open_.size())];
            int pick = -1;
            for (int c : cols_[row]) {
                if (!free_[c] || cost_ + static_cast<int>(members_[c].size()) > budget) continue;
                if (pick < 0 ||
                    gain_[c] * static_cast<long>(members_[pick].size()) >
                        gain_[pick] * static_cast<long>(members_[c].size()) ||
                    (gain_[c] == gain_[pick] && tabu_[c] < tabu_[pick]))
                    pick = c;
            }
            if (pick < 0) break;
            add(pick), tabu_[pick] = it, touch(pick);
            lastAdded_ = pick;
        }
        bump(open_.empty() ? -1 : open_[rng_.below(open_.size())]);
    }

    // Drops the orbits that cost least to lose until the budget holds.
    void dropOver(int budget) {
        while (cost_ > budget) {
            int pick = -1;
            double bestScore = 0;
            for (int i = 0; i < orbits(); ++i) {
                if (!chosen_[i]) continue;
                const double score = static_cast<double>(loss_[i]) / members_[i].size();
                if (pick < 0 || score < bestScore) bestScore = score, pick = i;
            }
            remove(pick);
        }
    }

  private:
    // Unreached orbits gain weight: all of them, or only the one a step aimed at (at radius 2
    // and 3, raising every unreached orbit drives the search far from a cover).
    void bump(int row) {
        if (o_.bumpChosen) {
            if (row < 0) return;
            ++weight_[row];
            if (count_[row] == 0)
                for (int x : cols_[row]) ++gain_[x];
            else if (count_[row] == 1)
                ++loss_[owners_[row]];
            return;
        }
        for (int r : open_) {
            ++weight_[r];
            for (int x : cols_[r]) ++gain_[x];
        }
    }
    // An orbit may come back once something that shares a point with it has moved.
    void touch(int i) {
        for (int r : rows_[i])
            for (int c : cols_[r])
                if (c != i) free_[c] = 1;
    }
    void add(int i) {
        chosen_[i] = 1, cost_ += static_cast<int>(members_[i].size());
        for (int r : rows_[i]) {
            if (count_[r] == 0) {
                for (int c : cols_[r]) gain_[c] -= weight_[r];
                loss_[i] += weight_[r], ++plainLoss_[i];
                open_[at_[r]] = open_.back(), at_[open_.back()] = at_[r], open_.pop_back();
                at_[r] = -1;
            } else if (count_[r] == 1) {
                loss_[owners_[r]] -= weight_[r], --plainLoss_[owners_[r]];
            }
            ++count_[r], owners_[r] += i;
        }
    }
    void remove(int i) {
        chosen_[i] = 0, cost_ -= static_cast<int>(members_[i].size());
        for (int r : rows_[i]) {
            --count_[r], owners_[r] -= i;
            if (count_[r] == 0) {
                for (int c : cols_[r]) gain_[c] += weight_[r];
                loss_[i] -= weight_[r], --plainLoss_[i];
                at_[r] = static_cast<int>(open_.size()), open_.push_back(r);
            } else if (count_[r] == 1) {
                loss_[owners_[r]] += weight_[r], ++plainLoss_[owners_[r]];
            }
        }
    }

    const Options& o_;
    Space g_;
    Rng& rng_;
    std::vector<int> orbitOf_;
    std::vector<std::vector<int>> members_, rows_, cols_;
    std::vector<long> weight_, gain_, loss_, tabu_;
    std::vector<int> count_, chosen_, at_, open_, plainLoss_, mark_, free_;
    int lastAdded_ = -1;
    int stamp_ = 0;
    std::vector<long> owners_;
    int cost_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const zuvo::tools::Args args(argc, argv);
    Options o;
    o.n = args.integer("--length", 0), o.radius = args.integer("--radius", 1);
    o.k = args.integer("--rows", 0), o.budget = args.integer("--budget", 0);
    o.target = args.integer("--target", 1), o.tenure = args.integer("--tenure", o.tenure);
    o.sample = std::max(1, args.integer("--sample", o.sample));
    o.seconds = args.real("--seconds", o.seconds);
    o.seed = static_cast<std::uint64_t>(args.longer("--seed", 1));
    o.matrix = args.list("--matrix"), o.maps = args.text("--maps", "");
    o.checked = args.text("--checked", "0") == "1";
    o.syndromes = args.list("--syndromes");
    o.bumpChosen = args.text("--bump", "all") == "chosen";
    o.out = args.text("--out", o.out);
    if (o.n < 2 || o.n > 13 || o.radius < 1 || o.radius >= o.n || o.k < 1 || o.k > o.n ||
        o.k > 12 || o.budget < 1 || static_cast<int>(o.matrix.size()) != o.n) {
        std::fprintf(stderr,
                     "need --length 2..13, --radius, --rows 1..min(n, 12), --budget, n columns\n");
        return 2;
    }
    if (!zuvo::tools::pointsFit(o.matrix, o.syndromes, o.k)) return 2;
    Rng rng{o.seed * 0x9E3779B97F4A7C15ull | 1};
    try {
        Cover cover(o, rng);
        cover.startFrom(o.syndromes);
        if (cover.unreached() > 0) cover.dropOver(o.budget);
        const auto begin = std::chrono::steady_clock::now();
        auto elapsed = [&] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        };
        int budget = o.budget, best = cover.unreached();
        double lastPrint = 0;
        for (long it = 1; elapsed() < o.seconds; ++it) {
            if (cover.unreached() == 0) {
                const bool ok = zuvo::tools::reportConstruction(o.n, o.radius, o.k, o.matrix,
                                                                cover.syndromes(), o.out);
                if (!ok || cover.cost() <= o.target) break;
                budget = cover.cost() - 1;
                cover.dropOver(budget);
                best = cover.unreached();
                continue;
            }
            if (o.checked)
                cover.stepChecked(it, budget);
            else
                cover.step(it, budget, best);
            best = std::min(best, cover.unreached());
            if (elapsed() - lastPrint > 10) {
                lastPrint = elapsed();
                std::printf("%.0f s, step %ld: cost %d of %d, %d unreached (best %d)\n", lastPrint,
                            it, cover.cost(), budget, cover.unreached(), best);
                std::fflush(stdout);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    return 0;
}
