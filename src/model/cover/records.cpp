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
    // 11 three-way, 12 hits (the record): 13 syndromes in Z3^5, found with the matrix columns
    // moving in the same tabu search (matrix_tabu).
    {11,
     0,
     1,
     5,
     0,
     {1, 3, 9, 27, 81, 52, 97, 148, 105, 37, 144},
     {8, 12, 54, 72, 92, 112, 121, 134, 167, 169, 204, 224, 226}},
    // 12 three-way, 12 hits (the record): the 11-position matrix beside a twelfth row and
    // column of its own, so each value of the last position has a layer of syndromes in Z3^5;
    // a layer need not cover its own points that a neighbouring layer holds (radius_tabu).
    {12,
     0,
     1,
     6,
     0,
     {1, 3, 9, 27, 81, 243, 52, 97, 148, 105, 37, 144},
     {5,   18,  47,  51,  55,  94,  103, 115, 126, 192, 225, 242, 270,
      288, 305, 309, 328, 337, 350, 389, 420, 440, 442, 464, 466, 513,
      530, 531, 563, 571, 580, 629, 640, 656, 669, 700, 704, 708}},
    // 9 three-way, 12 hits: what the global search found in a long run, closed under a plane
    // of translations, so stored as its cosets; record 1269.
    {9,
     0,
     1,
     7,
     0,
     {1, 642, 3, 1422, 9, 27, 81, 243, 729},
     {6,    14,   40,   73,   74,   99,   100,  115,  116,  147,  175,  179,  185,  203,  207,
      222,  223,  268,  275,  279,  297,  307,  312,  334,  335,  375,  382,  408,  442,  468,
      485,  503,  534,  541,  548,  549,  567,  609,  610,  611,  642,  643,  644,  662,  670,
      672,  675,  676,  677,  718,  739,  755,  773,  779,  781,  786,  815,  846,  866,  877,
      888,  891,  916,  922,  944,  956,  974,  1015, 1025, 1035, 1048, 1074, 1075, 1076, 1080,
      1081, 1124, 1149, 1150, 1172, 1182, 1189, 1193, 1219, 1233, 1248, 1283, 1308, 1342, 1343,
      1356, 1357, 1385, 1416, 1417, 1449, 1450, 1451, 1479, 1485, 1511, 1528, 1541, 1554, 1555,
      1588, 1594, 1598, 1604, 1621, 1634, 1662, 1676, 1695, 1696, 1705, 1713, 1747, 1763, 1778,
      1788, 1821, 1822, 1823, 1854, 1861, 1881, 1882, 1883, 1896, 1897, 1898, 1930, 1949, 1951,
      1957, 1975, 1982, 2022, 2029, 2051, 2055, 2081, 2089, 2115, 2156, 2158, 2163, 2177}},
    // 10 three-way, 11 hits: what the global search found in a long run, a union of cosets of
    // a plane of translations; record 555.
    {10,
     0,
     2,
     8,
     0,
     {1, 3, 3537, 9, 27, 1944, 81, 243, 729, 2187},
     {513,  545,  607,  630,  670,  695,  708,  982,  1006, 1049, 1055, 1058, 1132,
      1482, 1526, 1547, 1587, 1632, 1664, 1675, 2683, 2697, 2705, 2723, 2766, 2782,
      2828, 2837, 2840, 3220, 3311, 3329, 3373, 3388, 3396, 3686, 3699, 3748, 3759,
      3843, 4864, 4929, 4957, 4959, 4994, 5054, 5087, 5361, 5369, 5388, 5392, 5485,
      5486, 5538, 5834, 5905, 5951, 5970, 6010, 6012, 6025, 6074}},
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
    // 12 three-way, 10 hits (the record): positions 1-3 and 4-6 each take the nine values of
    // digit sum 0; their labels (digit 1 minus digit 2) pick one of nine parts of a 73-word code
    // on the last six positions that reaches everything within one change (a record code for
    // six positions at 12 hits), so the system is nine times that code.
    {12,
     0,
     3,
     10,
     0,
     {10, 19, 1, 30, 57, 3, 81, 243, 729, 2187, 6561, 19683},
     {1134,  1971,  2898,  3276,  3744,  4716,  5166,  6012,  7902,  8262,  8604,  9036,  9684,
      10521, 11241, 11502, 12303, 13194, 13239, 13311, 16416, 16533, 19170, 19395, 19647, 19872,
      20556, 21663, 21870, 23805, 24426, 25434, 26604, 26703, 26739, 26910, 29331, 32094, 32184,
      32409, 32634, 33795, 34425, 35631, 36018, 36315, 37080, 37377, 38196, 39618, 39951, 41202,
      41382, 42489, 42786, 44118, 44253, 45495, 45774, 46683, 47610, 48258, 49185, 49383, 50247,
      50535, 51471, 53928, 54315, 55089, 56169, 57348, 57672}},
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
