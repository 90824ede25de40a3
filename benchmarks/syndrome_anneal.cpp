// Offline search for ternary matrix-method codes by annealing the matrix and the syndromes
// together: the state is a k x n matrix H over Z3 and m syndromes S, the cost the number of
// syndromes of Z3^k that no s + b reaches (b a sum of at most R columns of distinct positions,
// each taken once or twice). A move either replaces a syndrome by one that reaches an unreached
// point or replaces a column. Cost 0 is a code {x : Hx in S} of covering radius R; it is verified
// over the whole space and appended to the output as a line the records table takes, then one
// syndrome is dropped and the walk goes on, until the target or the time.
//   syndrome_anneal --length n --radius R --rows k --target m [--start m0] [--seconds S]
//                   [--seed X] [--matrix c1,...,cn] [--fixed 0|1] [--temp T] [--out FILE]
//                   [--zero-rows r1,...] (syndromes kept in the subgroup where those rows are 0)
//                   [--keep-syndromes 1] (only the columns move)
//                   [--orbit p0,...] (each syndrome brings its orbit under the row map r -> p_r)
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/cover/records.h"
#include "model/cover/verify.h"

namespace {

using namespace zuvo::cover;
using Clock = std::chrono::steady_clock;

// A syndrome as two bit planes (digit 1 in the low half, digit 2 in the high half), so that sums
// and differences are a few bit operations whatever k.
using Word = std::uint32_t;
int kRows = 0;
Word low(Word w) {
    return w & ((1u << kRows) - 1);
}
Word high(Word w) {
    return w >> kRows;
}
Word join(Word l, Word h) {
    return l | (h << kRows);
}
Word add(Word a, Word b) {
    const Word a1 = low(a), a2 = high(a), b1 = low(b), b2 = high(b);
    const Word t = (a1 | b2) ^ (a2 | b1);
    return join((a2 | b2) ^ t, (a1 | b1) ^ t);
}
Word negate(Word a) {
    return join(high(a), low(a));
}
Word fromIndex(Point p) {
    Word l = 0, h = 0;
    for (int r = 0; r < kRows; ++r, p /= 3) {
        if (p % 3 == 1) l |= 1u << r;
        if (p % 3 == 2) h |= 1u << r;
    }
    return join(l, h);
}
Point toIndex(Word w) {
    Point p = 0;
    for (int r = kRows - 1; r >= 0; --r) p = p * 3 + ((low(w) >> r) & 1) + 2 * ((high(w) >> r) & 1);
    return p;
}

struct Rng {
    std::uint64_t s;
    std::uint64_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(next() % n); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
};

// One element of the step ball: the positions it uses and their multipliers (1 or 2).
struct Step {
    std::vector<int> position;
    std::vector<int> twice;
};

void steps(int n, int radius, int from, Step& cur, std::vector<Step>& out) {
    out.push_back(cur);
    if (static_cast<int>(cur.position.size()) == radius) return;
    for (int p = from; p < n; ++p)
        for (int t = 0; t < 2; ++t) {
            cur.position.push_back(p);
            cur.twice.push_back(t);
            steps(n, radius, p + 1, cur, out);
            cur.position.pop_back();
            cur.twice.pop_back();
        }
}

struct Options {
    int n = 0, radius = 1, target = 1, start = 0;
    double seconds = 60, temp = 0.5;
    std::uint64_t tenure = 10, patience = 0, columnEvery = 16;
    std::size_t candidates = 64;
    int varyRow = -1;
    std::vector<Point> syndromes;
    std::uint64_t seed = 1;
    bool fixed = false, keepSyndromes = false;
    std::vector<Point> matrix;
    std::vector<Point> zeroRows, rowMap;
    std::string out = "anneal-found.txt";
};

class Annealer {
  public:
    explicit Annealer(const Options& o) : o_(o), rng_{o.seed * 0x9E3779B97F4A7C15ull | 1} {
        Step cur;
        steps(o.n, o.radius, 0, cur, steps_);
        for (Point p = 0; p < groupSize(); ++p) valid_.push_back(fromIndex(p));
        count_.assign(std::size_t{1} << (2 * kRows), 0);
        owner_.assign(count_.size(), 0);
        where_.assign(count_.size(), -1);
        tabuValue_.assign(count_.size(), 0);
        seen_.assign(count_.size(), 0);
        for (int j = 0; j < o.n; ++j)
            h_.push_back(o.matrix.empty() ? randomColumn() : fromIndex(o.matrix[std::size_t(j)]));
        const int m = o.start > 0            ? o.start
                      : !o.syndromes.empty() ? static_cast<int>(o.syndromes.size())
                                             : o.target + o.target / 4 + 1;
        for (Point r : o.zeroRows) zeroMask_ |= join(1u << r, 1u << r);
        for (Point p : o.syndromes) s_.push_back(fromIndex(p));
        for (int i = static_cast<int>(s_.size()); i < m; ++i)
            s_.push_back(valid_[rng_.below(groupSize())] & ~zeroMask_);
        rebuild();
    }

    void run() {
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(o_.seconds));
        std::size_t best = ~std::size_t{0};
        std::uint64_t sinceBest = 0;
        auto report = Clock::now() + std::chrono::seconds(10);
        for (;; ++now_) {
            if ((now_ & 0x3F) == 0) {
                const auto t = Clock::now();
                if (t > end) break;
                if (t > report) {
                    std::printf("m %zu uncovered %zu best %zu\n", s_.size(), open_.size(), best);
                    std::fflush(stdout);
                    report = t + std::chrono::seconds(10);
                }
            }
            if (open_.empty()) {
                found();
                if (static_cast<int>(s_.size()) <= o_.target) return;
                dropOne();
                best = ~std::size_t{0};
                continue;
            }
            if (open_.size() < best) best = open_.size(), sinceBest = 0;
            if (!o_.fixed &&
                (o_.keepSyndromes || (o_.columnEvery > 0 && now_ % o_.columnEvery == 0)))
                columnStep();
            else if (!o_.fixed && o_.patience > 0 && ++sinceBest > o_.patience) {
                columnMove();
                sinceBest = 0;
                best = open_.size();
            } else {
                tabuStep();
            }
        }
    }

  private:
    Point groupSize() const { return static_cast<Point>(std::pow(3, kRows) + 0.5); }
    // A random column, or with --vary-row only that row's digit drawn again.
    Word nearColumn(Word old) {
        if (o_.varyRow < 0) return randomColumn();
        const Word bit = 1u << o_.varyRow, keep = ~(bit | (bit << kRows));
        for (;;) {
            const Word digit = rng_.below(3);
            const Word w = (old & keep) | (digit == 1 ? bit : 0) | (digit == 2 ? bit << kRows : 0);
            if (w != 0) return w;
        }
    }
    Word randomColumn() {
        Word w = 0;
        while (w == 0) w = valid_[rng_.below(groupSize())];
        return w;
    }
    // The distinct sums the steps reach under the current columns.
    void rebuild() {
        ball_ = ballOf(h_);
        std::fill(count_.begin(), count_.end(), 0);
        std::fill(owner_.begin(), owner_.end(), 0);
        open_.clear();
        for (Word w : valid_) where_[w] = static_cast<int>(open_.size()), open_.push_back(w);
        loss_.assign(s_.size(), 0);
        for (std::size_t i = 0; i < s_.size(); ++i) place(i, +1);
    }
    void markUncovered(Word w) {
        where_[w] = static_cast<int>(open_.size());
        open_.push_back(w);
    }
    void markCovered(Word w) {
        const int at = where_[w];
        open_[static_cast<std::size_t>(at)] = open_.back();
        where_[open_.back()] = at;
        open_.pop_back();
        where_[w] = -1;
    }
    void touch(Word x, long slot, int by) {
        int& c = count_[x];
        long& o = owner_[x];
        if (c == 1) --loss_[static_cast<std::size_t>(o)];
        if (c == 0) markCovered(x);
        c += by;
        o += by * slot;
        if (c == 1) ++loss_[static_cast<std::size_t>(o)];
        if (c == 0) markUncovered(x);
    }
    // Adds (by = +1) or takes away (-1) slot i's ball, keeping per slot the points only it covers.
    void place(std::size_t i, int by) {
        for (Word m : orbit(s_[i]))
            for (Word b : ball_) touch(add(m, b), static_cast<long>(i), by);
    }
    Word mapRows(Word w) const {
        Word l = 0, h = 0;
        for (int r = 0; r < kRows; ++r) {
            if ((low(w) >> r) & 1) l |= 1u << o_.rowMap[std::size_t(r)];
            if ((high(w) >> r) & 1) h |= 1u << o_.rowMap[std::size_t(r)];
        }
        return join(l, h);
    }
    // The syndromes a slot stands for: itself, and under --orbit its images.
    std::vector<Word> orbit(Word w) const {
        std::vector<Word> out{w};
        if (o_.rowMap.empty()) return out;
        for (Word x = mapRows(w); x != w; x = mapRows(x)) out.push_back(x);
        return out;
    }
    std::vector<Word> ballOf(const std::vector<Word>& h) {
        ++stamp_;
        std::vector<Word> ball;
        for (const Step& st : steps_) {
            Word w = 0;
            for (std::size_t i = 0; i < st.position.size(); ++i) {
                const Word c = h[static_cast<std::size_t>(st.position[i])];
                w = add(w, st.twice[i] ? negate(c) : c);
            }
            if (seen_[w] != stamp_) seen_[w] = stamp_, ball.push_back(w);
        }
        return ball;
    }
    // Moves every syndrome's ball from the current step set to `next`, touching only the sums
    // that differ.
    void setBall(std::vector<Word> next) {
        ++stamp_;
        for (Word b : next) seen_[b] = stamp_;
        for (Word b : ball_)
            if (seen_[b] != stamp_)
                for (std::size_t i = 0; i < s_.size(); ++i) touch(add(s_[i], b), long(i), -1);
        const std::uint64_t oldStamp = ++stamp_;
        for (Word b : ball_) seen_[b] = oldStamp;
        for (Word b : next)
            if (seen_[b] != oldStamp)
                for (std::size_t i = 0; i < s_.size(); ++i) touch(add(s_[i], b), long(i), +1);
        ball_ = std::move(next);
    }
    // One column replaced by a random one, kept as an annealing step on the uncovered count.
    void columnStep() {
        const std::size_t j = rng_.below(static_cast<std::uint32_t>(o_.n));
        const Word old = h_[j];
        const long before = static_cast<long>(open_.size());
        std::vector<Word> oldBall = ball_;
        h_[j] = nearColumn(old);
        setBall(ballOf(h_));
        const long delta = static_cast<long>(open_.size()) - before;
        if (delta <= 0 || rng_.unit() < std::exp(-static_cast<double>(delta) / o_.temp)) return;
        h_[j] = old;
        setBall(std::move(oldBall));
    }
    // Moves one syndrome so that an uncovered point gets covered, choosing the best exchange that
    // is not tabu (or that beats the best so far).
    void tabuStep() {
        const Word u = open_[rng_.below(static_cast<std::uint32_t>(open_.size()))];
        credit_.assign(s_.size(), 0);
        long bestDelta = 1L << 40;
        std::size_t bestSlot = 0, ties = 0;
        Word bestValue = 0;
        // Large balls: a random sample of the syndromes that would cover u.
        const std::size_t tries = std::min<std::size_t>(ball_.size(), o_.candidates);
        for (std::size_t t = 0; t < tries; ++t) {
            const Word b = tries == ball_.size()
                               ? ball_[t]
                               : ball_[rng_.below(static_cast<std::uint32_t>(ball_.size()))];
            const Word cand = add(u, negate(b));
            if (tabuValue_[cand] > now_ || (cand & zeroMask_) != 0) continue;
            long gain = 0;
            std::fill(credit_.begin(), credit_.end(), 0);
            const std::vector<Word> members = orbit(cand);
            ++stamp_;
            for (Word m : members)
                for (Word d : ball_) {
                    const Word x = add(m, d);
                    if (members.size() > 1) {
                        if (seen_[x] == stamp_) continue;
                        seen_[x] = stamp_;
                    }
                    if (count_[x] == 0)
                        ++gain;
                    else if (count_[x] == 1)
                        ++credit_[static_cast<std::size_t>(owner_[x])];
                }
            for (std::size_t i = 0; i < s_.size(); ++i) {
                if (tabuSlot_.size() == s_.size() && tabuSlot_[i] > now_) continue;
                const long delta = loss_[i] - credit_[i] - gain;
                if (delta < bestDelta)
                    bestDelta = delta, bestSlot = i, bestValue = cand, ties = 1;
                else if (delta == bestDelta && rng_.below(static_cast<std::uint32_t>(++ties)) == 0)
                    bestSlot = i, bestValue = cand;
            }
        }
        if (ties == 0) return;
        tabuSlot_.resize(s_.size(), 0);
        tabuValue_[s_[bestSlot]] = now_ + o_.tenure;
        tabuSlot_[bestSlot] = now_ + 1;
        place(bestSlot, -1);
        s_[bestSlot] = bestValue;
        place(bestSlot, +1);
    }
    // A column replaced by the best of a few random ones for the current syndromes.
    void columnMove() {
        const std::size_t j = rng_.below(static_cast<std::uint32_t>(o_.n));
        Word bestColumn = h_[j];
        std::size_t bestOpen = ~std::size_t{0};
        for (int t = 0; t < 6; ++t) {
            h_[j] = randomColumn();
            rebuild();
            if (open_.size() < bestOpen) bestOpen = open_.size(), bestColumn = h_[j];
        }
        h_[j] = bestColumn;
        rebuild();
    }
    // Drops the syndrome whose loss uncovers the fewest points.
    void dropOne() {
        std::size_t bestI = 0;
        for (std::size_t i = 1; i < s_.size(); ++i)
            if (loss_[i] < loss_[bestI]) bestI = i;
        s_.erase(s_.begin() + static_cast<long>(bestI));
        tabuSlot_.clear();
        rebuild();
    }
    void found() {
        Construction c;
        c.three = o_.n;
        c.radius = o_.radius;
        c.groupThree = kRows;
        for (Word w : h_) c.columns.push_back(toIndex(w));
        std::vector<char> seen(groupSize(), 0);
        for (Word s : s_)
            for (Word m : orbit(s))
                if (!seen[toIndex(m)]) seen[toIndex(m)] = 1, c.syndromes.push_back(toIndex(m));
        const System system = zuvo::cover::rebuild(c);
        const bool ok = !system.empty() && covers(c.space(), system, o_.radius);
        std::ostringstream line;
        line << "{" << c.three << ", 0, " << c.radius << ", " << c.groupThree << ", 0, {";
        for (std::size_t j = 0; j < c.columns.size(); ++j) line << (j ? ", " : "") << c.columns[j];
        line << "}, {";
        for (std::size_t j = 0; j < c.syndromes.size(); ++j)
            line << (j ? ", " : "") << c.syndromes[j];
        line << "}},  // " << system.size() << " columns" << (ok ? "" : " NOT A COVER");
        std::printf("%s\n", line.str().c_str());
        std::fflush(stdout);
        std::ofstream(o_.out, std::ios::app) << line.str() << "\n";
    }

    Options o_;
    Rng rng_;
    std::uint64_t now_ = 1;
    std::vector<Step> steps_;
    std::vector<Word> valid_, h_, ball_, s_, open_;
    std::vector<int> count_, where_;
    std::vector<long> owner_, loss_, credit_;
    std::vector<std::uint64_t> tabuValue_, tabuSlot_, seen_;
    std::uint64_t stamp_ = 0;
    Word zeroMask_ = 0;
};

std::vector<Point> parseList(const std::string& text) {
    std::vector<Point> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        out.push_back(static_cast<Point>(std::stoul(item)));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--length")
            o.n = std::stoi(value);
        else if (key == "--radius")
            o.radius = std::stoi(value);
        else if (key == "--rows")
            kRows = std::stoi(value);
        else if (key == "--target")
            o.target = std::stoi(value);
        else if (key == "--start")
            o.start = std::stoi(value);
        else if (key == "--seconds")
            o.seconds = std::stod(value);
        else if (key == "--seed")
            o.seed = std::stoull(value);
        else if (key == "--temp")
            o.temp = std::stod(value);
        else if (key == "--tenure")
            o.tenure = std::stoull(value);
        else if (key == "--patience")
            o.patience = std::stoull(value);
        else if (key == "--column-every")
            o.columnEvery = std::stoull(value);
        else if (key == "--candidates")
            o.candidates = std::stoull(value);
        else if (key == "--vary-row")
            o.varyRow = std::stoi(value);
        else if (key == "--syndromes")
            o.syndromes = parseList(value);
        else if (key == "--fixed")
            o.fixed = value == "1";
        else if (key == "--matrix")
            o.matrix = parseList(value);
        else if (key == "--keep-syndromes")
            o.keepSyndromes = value == "1";
        else if (key == "--orbit")
            o.rowMap = parseList(value);
        else if (key == "--zero-rows")
            o.zeroRows = parseList(value);
        else if (key == "--out")
            o.out = value;
        else {
            std::fprintf(stderr, "unknown option %s\n", key.c_str());
            return 2;
        }
    }
    if (!o.rowMap.empty() && o.rowMap.size() != static_cast<std::size_t>(kRows)) {
        std::fprintf(stderr, "--orbit needs one target row per row\n");
        return 2;
    }
    if (o.n < 1 || o.n > 13 || kRows < 1 || kRows > 12 ||
        (!o.matrix.empty() && o.matrix.size() != static_cast<std::size_t>(o.n))) {
        std::fprintf(stderr, "need --length 1..13, --rows 1..12 and n matrix columns\n");
        return 2;
    }
    // The bit-plane sum against digit arithmetic, on every pair of a small group.
    for (Point a = 0; a < 27 && kRows >= 3; ++a)
        for (Point b = 0; b < 27; ++b) {
            Point sum = 0;
            for (Point r = 0, pa = a, pb = b, w = 1; r < 3; ++r, pa /= 3, pb /= 3, w *= 3)
                sum += ((pa % 3 + pb % 3) % 3) * w;
            if (toIndex(add(fromIndex(a), fromIndex(b))) != sum) {
                std::fprintf(stderr, "ternary sum is wrong\n");
                return 1;
            }
        }
    Annealer(o).run();
    return 0;
}
