#pragma once
// The system text file: one column per line, CR LF after every line.
#include <QString>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

namespace zuvo {

// Splits at CR LF, lone CR and lone LF; a NUL ends the text; entries are kept as they stand.
std::vector<std::string> parseSystemText(std::string_view bytes);
std::string formatSystemText(const std::vector<std::string>& list);

// The biggest system file opened: the full system of 13 three-way positions (1,594,323
// columns) takes 23,914,845 bytes, so this leaves room for other line ends and a few extra lines.
constexpr qint64 kMaxSystemFileBytes = 32 * 1024 * 1024;

// On failure `error` names the file (and the system's reason where there is one) and the list
// is left untouched. A stop request ends the read with false and an empty `error`.
bool readSystemFile(const QString& path, std::vector<std::string>& list, QString& error,
                    std::stop_token stop = {});
// Writes through a temporary file, so a failed save never destroys the previous file.
bool writeSystemFile(const QString& path, const std::vector<std::string>& list, QString& error);

}  // namespace zuvo
