#include "model/cover/records.h"

#include "model/cover/group.h"

namespace zuvo::cover {

namespace {

// {three, two, radius, group three, group two, {columns}, {syndromes}}, as the offline search
// writes them.
const std::vector<Construction> kStored = {
    // 11 three-way, 10 hits: a linear code, its step ball is the whole group.
    {11, 0, 3, 6, 0, {160, 721, 406, 61, 121, 169, 363, 649, 475, 631, 307}, {0}},
    // 9 three-way, 11 hits: closed under adding 1 on the first three positions.
    {9,
     0,
     2,
     8,
     0,
     {1, 3, 8, 9, 27, 81, 243, 729, 2187},
     {80,   120,  235,  314,  332,  345,  514,  665,  739,  773,  795,  856,  1052, 1054, 1065,
      1349, 1434, 1461, 1601, 1623, 1891, 1907, 1909, 1965, 2089, 2190, 2312, 2555, 2649, 2746,
      2834, 2845, 2883, 3052, 3104, 3189, 3347, 3446, 3549, 3583, 3601, 3691, 3873, 3898, 4044,
      4193, 4213, 4242, 4440, 4474, 4571, 4636, 4670, 4735, 4852, 4998, 5034, 5178, 5201, 5295,
      5417, 5475, 5572, 5597, 5716, 5930, 5934, 6022, 6130, 6218, 6238, 6357, 6560}},
    // 10 three-way, 12 hits.
    {10,
     0,
     1,
     5,
     0,
     {111, 205, 1, 90, 172, 156, 124, 40, 151, 67},
     {57, 65, 67, 71, 74, 82, 86, 89, 98, 99, 194, 204, 209, 212, 214}},
    // 10 hits for 9, 10 and 12 three-way positions: above the records (54, 105, 657) but well
    // below what a search finds in seconds; closed under adding 1 on positions 1-3 (and, for 12,
    // on positions 4-6 too).
    {9,
     0,
     3,
     8,
     0,
     {1, 3, 8, 9, 27, 81, 243, 729, 2187},
     {404, 575, 894, 1011, 1531, 1657, 2512, 2539, 2820, 3149, 3583, 3680, 3909, 4708, 4989, 5318,
      5644, 5849, 6051}},
    {10,
     0,
     3,
     9,
     0,
     {1, 3, 8, 9, 27, 81, 243, 729, 2187, 6561},
     {222,   443,   668,   742,   3053,  3282,  3503,  4126,  4972,  5888,  6113,  6342,
      6779,  7305,  7609,  7809,  9839,  10383, 10689, 10885, 11029, 11335, 11535, 12899,
      14368, 14708, 14908, 15216, 15360, 15554, 15862, 16942, 17898, 18436, 18636, 18938}},
    {12,
     0,
     3,
     10,
     0,
     {8, 1, 3, 72, 9, 27, 81, 243, 729, 2187, 6561, 19683},
     {111,   926,   1718,  3234,  3880,  5095,  5763,  6184,  7694,  7849,  8697,  8765,
      9188,  9570,  11532, 12423, 13213, 13519, 14372, 14738, 14997, 16633, 17283, 17351,
      17814, 18467, 20163, 20242, 22373, 22472, 23520, 24877, 25127, 26029, 27008, 27233,
      27863, 28061, 28360, 29883, 30142, 30286, 30808, 31197, 31663, 33713, 34131, 34293,
      35148, 35796, 36154, 37432, 38262, 39365, 40735, 40771, 41403, 41889, 42535, 43208,
      43820, 44481, 45678, 46164, 46200, 48952, 50075, 50943, 51515, 52174, 53153, 53571,
      54019, 54865, 55333, 56456, 57221, 58105, 58418}},
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
    // 10 hits on mixed structures, as the searches reach them in seconds, so that every run does.
    {4, 4, 3, 4, 3, {22, 10, 63, 21, 162, 567, 81, 486}, {21, 183, 297, 528, 609}},
    {5,
     5,
     3,
     5,
     3,
     {37, 238, 138, 67, 127, 486, 1215, 729, 972, 243},
     {2, 151, 163, 449, 460, 1534, 1539, 1720, 1839}},
    {6,
     6,
     3,
     4,
     6,
     {75, 57, 49, 37, 25, 28, 3240, 3159, 972, 2592, 3645, 4131},
     {156, 572, 669, 1136, 1331, 1852, 2057, 2578, 2821, 2948, 3507, 3680, 4133, 4333, 4703, 4935}},
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
