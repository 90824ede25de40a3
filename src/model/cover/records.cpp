#include "model/cover/records.h"

#include "model/cover/group.h"

namespace zuvo::cover {

namespace {

// {three, two, radius, group three, group two, {columns}, {syndromes}}, as the offline search
// writes them.
const std::vector<Construction> kStored = {
    // 11 three-way, 10 hits: a linear code, its step ball is the whole group.
    {11, 0, 3, 6, 0, {160, 721, 406, 61, 121, 169, 363, 649, 475, 631, 307}, {0}},
    // 10 three-way, 12 hits.
    {10,
     0,
     1,
     5,
     0,
     {111, 205, 1, 90, 172, 156, 124, 40, 151, 67},
     {57, 65, 67, 71, 74, 82, 86, 89, 98, 99, 194, 204, 209, 212, 214}},
};

}  // namespace

std::uint64_t Construction::size() const {
    return syndromes.size() * (space().size() / group().size());
}

const std::vector<Construction>& storedConstructions() {
    return kStored;
}

const Construction* storedConstruction(int three, int two, int radius) {
    for (const Construction& c : kStored)
        if (c.three == three && c.two == two && c.radius == radius) return &c;
    return nullptr;
}

System rebuild(const Construction& c) {
    const Space space = c.space();
    const Space g = c.group();
    if (!space.valid() || !g.valid() ||
        c.columns.size() != static_cast<std::size_t>(space.length()))
        return {};
    const Group group(g);
    std::vector<std::uint8_t> chosen(group.size(), 0);
    for (Point s : c.syndromes) {
        if (s >= group.size()) return {};
        chosen[s] = 1;
    }
    for (Point column : c.columns)
        if (column >= group.size()) return {};
    return systemOf(space, group, Matrix{g, c.columns}, chosen);
}

}  // namespace zuvo::cover
