#pragma once
// What must hold for any bytes given to the system file reader and the calibration value parser.
// Shared by the fuzz target and by the test that runs the fuzz corpus.
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

#include "io/calibration_file.h"
#include "io/system_file.h"

namespace fuzzcheck {

// Empty when every property holds, else what broke.
inline std::string checkBytes(std::string_view bytes) {
    const std::vector<std::string> entries = zuvo::parseSystemText(bytes);
    for (const std::string& entry : entries)
        if (entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos)
            return "an entry holds a line end or a NUL";
    // What the writer makes of a list, the reader reads back unchanged.
    if (zuvo::parseSystemText(zuvo::formatSystemText(entries)) != entries)
        return "written list does not read back";

    int32_t value = 0;
    QString error;
    if (zuvo::parseCalibrationValue(bytes, value, error)) {
        int32_t again = 0;
        const std::string written = std::to_string(value) + "\r\n";
        if (!zuvo::parseCalibrationValue(written, again, error) || again != value)
            return "written calibration value does not read back";
    } else if (error.isEmpty() || error.size() > 200) {
        return "conversion failed without a short message";
    }
    return {};
}

}  // namespace fuzzcheck
