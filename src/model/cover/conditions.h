#pragma once
// Conditions a player sets on a guaranteed system: how often each outcome occurs in a column and
// how many favourites it hits, each a range over all 13 positions (the sure ones included).
// With every range whole there is no condition at all.
namespace zuvo::cover {

struct CountRange {
    int low = 0;
    int high = 13;
    bool whole() const { return low <= 0 && high >= 13; }
    bool holds(int count) const { return count >= low && count <= high; }
    // Both ends within 0..13 and in order.
    bool valid() const { return low >= 0 && high <= 13 && low <= high; }
    bool operator==(const CountRange&) const = default;
};

struct Conditions {
    CountRange ones;        // how many '1'
    CountRange draws;       // how many '0'
    CountRange twos;        // how many '2'
    CountRange favourites;  // positions where the outcome has the highest percentage there
    bool none() const {
        return ones.whole() && draws.whole() && twos.whole() && favourites.whole();
    }
    bool valid() const {
        return ones.valid() && draws.valid() && twos.valid() && favourites.valid();
    }
    bool operator==(const Conditions&) const = default;
};

}  // namespace zuvo::cover
