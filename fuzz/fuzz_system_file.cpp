// libFuzzer target: the system file reader, the calibration value parser and the forecast file
// parser on any bytes.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "forecast_file_properties.h"
#include "system_file_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string broken = fuzzcheck::checkBytes(bytes);
    if (broken.empty()) broken = fuzzcheck::checkForecastBytes(bytes);
    if (!broken.empty()) {
        std::fprintf(stderr, "%s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
