// libFuzzer target: the system file reader and the calibration value parser on any bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "system_file_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string broken =
        fuzzcheck::checkBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
