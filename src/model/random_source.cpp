#include "model/random_source.h"

namespace zuvo {

uint32_t RandomSource::draw(uint32_t n) {
    state_ = state_ * 134775813u + 1u;  // wraps modulo 2^32
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
}

}  // namespace zuvo
