#pragma once
// The generator's 32-bit linear congruential source, reseeded from the time of day.
#include <cstdint>

namespace zuvo {

class RandomSource {
  public:
    // S = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, i.e. milliseconds of the day.
    void reseed(uint32_t millisecondsOfDay) { state_ = millisecondsOfDay; }
    // A number in 0 .. n-1.
    uint32_t draw(uint32_t n);
    uint32_t state() const { return state_; }

  private:
    uint32_t state_ = 0;
};

}  // namespace zuvo
