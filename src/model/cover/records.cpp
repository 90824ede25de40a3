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
    // 9 three-way, 10 hits (the record): the kernel is spanned by one word of weight 6.
    {9,
     0,
     3,
     8,
     0,
     {1, 3, 9, 27, 81, 243, 729, 2187, 121},
     {2347, 3045, 5066, 5571, 3187, 1907, 3577, 1972, 5263, 2003, 1950, 1876, 1633, 4475, 2655,
      3017, 4503, 4623}},
    // 10 hits for 10 three-way positions: above the record (105) but well below what a search
    // finds in seconds; closed under adding 1 on positions 1-3.
    {10,
     0,
     3,
     9,
     0,
     {1, 3, 8, 9, 27, 81, 243, 729, 2187, 6561},
     {222,   443,   668,   742,   3053,  3282,  3503,  4126,  4972,  5888,  6113,  6342,
      6779,  7305,  7609,  7809,  9839,  10383, 10689, 10885, 11029, 11335, 11535, 12899,
      14368, 14708, 14908, 15216, 15360, 15554, 15862, 16942, 17898, 18436, 18636, 18938}},
    // 12 three-way, 10 hits: the first three positions take the nine values with digit sum 0,
    // and a label (digit 1 minus digit 2) picks which of three parts of a code on the
    // other nine positions follows them; each part is a union of cosets of 111000000 there.
    {12,
     0,
     3,
     10,
     0,
     {4, 7, 1, 9, 27, 72, 81, 243, 729, 2187, 6561, 19683},
     {49089, 9300,  54336, 32043, 3084,  40728, 21630, 17640, 28110, 18696, 58689, 10047, 1545,
      52656, 7197,  24429, 40500, 23877, 26550, 12705, 40632, 35223, 38880, 49068, 5028,  35685,
      41859, 41682, 39273, 51162, 26856, 9768,  32649, 23154, 5148,  12555, 46557, 20220, 16818,
      22992, 50271, 20055, 225,   47430, 7665,  35400, 15291, 57396, 25746, 29448, 6771,  56463,
      55614, 13416, 33747, 42120, 16608, 4095,  40407, 33600, 9072,  41556, 7776,  45363, 30036,
      33615, 50775, 40809, 30624, 25155, 58869, 58083, 6447,  6078}},
    // 13 three-way, 10 hits (the record): cosets of the [11,5] dual of the ternary Golay code,
    // one for each of five values of the last two positions. Each missing value has three of
    // them as neighbours, and their labels differ, so the three cosets there make a translate of
    // the Golay code itself, whose covering radius is 2.
    {13,
     0,
     3,
     8,
     0,
     {243, 81, 27, 9, 3, 1, 609, 203, 439, 674, 371, 729, 2187},
     {0, 2501, 1043, 2916, 6367}},
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
    // Mixed structures at 12 and 11 hits: the sizes of the table, which a search under load
    // sometimes missed.
    {5, 3, 1, 4, 3, {64, 48, 57, 1, 10, 162, 405, 324}, {13,  19,  26,  31,  34,  45,  46,  48,
                                                         52,  60,  122, 124, 128, 152, 154, 157,
                                                         167, 173, 177, 216, 219, 233, 244, 246,
                                                         247, 249, 261, 267, 273, 278, 279, 322,
                                                         329, 335, 339, 378, 381, 395, 410, 416,
                                                         420, 459, 462, 476, 527, 529, 533, 557,
                                                         559, 562, 608, 610, 614, 638, 640, 643}},
    {6,
     4,
     1,
     3,
     3,
     {16, 21, 3, 4, 25, 13, 162, 54, 81, 189},
     {11, 16, 28, 33, 73, 79, 96, 100, 119, 134, 141, 153, 164, 187, 197, 198}},
    {5,
     5,
     2,
     4,
     5,
     {63, 13, 27, 40, 66, 1620, 648, 810, 243, 1377},
     {12,   14,   94,   155,  159,  171,  178,  237,  260,  319,  341,  400,
      435,  480,  481,  500,  502,  513,  579,  581,  1977, 2023, 2052, 2098,
      2117, 2121, 2204, 2220, 2285, 2345, 2360, 2364, 2503, 2510, 2544, 2590}},
    {6,
     6,
     2,
     5,
     3,
     {210, 189, 46, 130, 111, 139, 1701, 1215, 972, 729, 486, 243},
     {72,   215,  351,  352,  353,  585,  586,  587,  867,  868,  869, 1095,
      1096, 1097, 1224, 1288, 1429, 1447, 1530, 1673, 1788, 1789, 1790}},
    {7, 2, 1, 4, 2, {49, 48, 13, 37, 57, 64, 1, 81, 162}, {26,  40,  59,  62,  68,  78,  82,  95,
                                                           109, 132, 135, 137, 216, 218, 227, 233,
                                                           234, 237, 268, 282, 300, 303, 311, 321}},
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
