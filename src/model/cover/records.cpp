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
    // 4 three-way and 4 two-way, 12 hits: the full group under a mixing matrix.
    {4,
     4,
     1,
     4,
     4,
     {76, 7, 28, 75, 891, 1053, 324, 405},
     {0,    12,   15,   31,   52,   67,   72,   85,   107,  108,  125,  141,  142,  145,  151,
      156,  159,  173,  181,  185,  200,  201,  212,  222,  243,  245,  255,  274,  275,  289,
      312,  314,  322,  323,  324,  328,  341,  351,  355,  377,  386,  392,  398,  414,  425,
      428,  443,  446,  454,  488,  494,  518,  521,  540,  544,  548,  556,  564,  567,  576,
      587,  598,  608,  616,  649,  659,  667,  678,  687,  694,  698,  733,  752,  753,  756,
      767,  772,  789,  790,  794,  806,  825,  862,  871,  877,  880,  882,  888,  892,  893,
      903,  912,  913,  921,  923,  927,  928,  937,  973,  976,  982,  990,  999,  1002, 1012,
      1020, 1034, 1069, 1104, 1119, 1123, 1126, 1131, 1136, 1141, 1157, 1166, 1167, 1172, 1190,
      1193, 1196, 1216, 1231, 1245, 1266, 1281, 1288}},
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
