#pragma once
// The system text file: one column per line, CR LF after every line.
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace zuvo {

// Splits at CR LF, lone CR and lone LF; a NUL ends the text; entries are kept as they stand.
std::vector<std::string> parseSystemText(std::string_view bytes);
std::string formatSystemText(const std::vector<std::string>& list);

// On failure `error` names the file and the list is left untouched.
bool readSystemFile(const QString& path, std::vector<std::string>& list, QString& error);
// Writes through a temporary file, so a failed save never destroys the previous file.
bool writeSystemFile(const QString& path, const std::vector<std::string>& list, QString& error);

}  // namespace zuvo
