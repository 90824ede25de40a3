#include <gtest/gtest.h>

#include "model/generator.h"
#include "model/random_source.h"

namespace zuvo {
namespace {

// Expected values worked out by hand (S' = S * 134775813 + 1 mod 2^32, draw = S' * n div 2^32):
//   seed 0: S = 1 -> 99 div 2^32 = 0; S = 134775814 -> 13342805586 div 2^32 = 3;
//   S = 3698175007 -> 85; S = 870078620 -> 20; S = 1172187917 -> 27.
TEST(RandomSource, DrawsFollowTheCongruence) {
    RandomSource random;
    random.reseed(0);
    EXPECT_EQ(random.draw(99), 0u);
    EXPECT_EQ(random.state(), 1u);
    EXPECT_EQ(random.draw(99), 3u);
    EXPECT_EQ(random.state(), 134775814u);
    EXPECT_EQ(random.draw(99), 85u);
    EXPECT_EQ(random.draw(99), 20u);
    EXPECT_EQ(random.draw(99), 27u);
    EXPECT_EQ(random.state(), 1172187917u);
}

// 0xFFFFFFFF * 134775813 + 1 == 1 - 134775813 == 2^32 - 134775812 == 4160191484 (mod 2^32);
// 4160191484 * 1000 div 2^32 == 968. A signed or 32-bit product would get either one wrong.
TEST(RandomSource, WrapsModuloTwoToTheThirtyTwo) {
    RandomSource random;
    random.reseed(0xFFFFFFFFu);
    EXPECT_EQ(random.draw(1000), 968u);
    EXPECT_EQ(random.state(), 4160191484u);
}

// 12:34:56.789 is 45296789 ms of the day; the 13 draws with n = 99 from that seed, computed
// step by step as above, are 48 26 35 2 69 45 10 49 79 8 16 95 91.
TEST(RandomSource, DrawNumbersReseedsThenDrawsThirteen) {
    RandomSource random;
    random.reseed(777);  // must not matter: the clock reseeds
    Draws draws{};
    drawNumbers(random, 45296789u, draws);
    const Draws expected{48, 26, 35, 2, 69, 45, 10, 49, 79, 8, 16, 95, 91};
    EXPECT_EQ(draws, expected);
    EXPECT_EQ(random.state(), 3972971166u);
}

TEST(RandomSource, DrawsStayBelowN) {
    RandomSource random;
    random.reseed(86399999u);
    for (int i = 0; i < 10000; ++i) ASSERT_LT(random.draw(99), 99u);
}

}  // namespace
}  // namespace zuvo
