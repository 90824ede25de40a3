#pragma once
// Writing a small text file whole or not at all, with the system's reason on failure.
#include <QString>
#include <string_view>

class QFileDevice;

namespace zuvo {

// "C:\..." on Windows, the path as it stands elsewhere.
QString shownFileName(const QString& path);

// `message` followed by the system's reason for the last failure of `file`, if it gave one.
QString withReason(const QString& message, const QFileDevice& file);

// Replaces the file at `path` only once all of `bytes` is written, so a failure (a full disk, a
// missing permission) never destroys the previous file. On failure `error` names the file.
bool writeWholeFile(const QString& path, std::string_view bytes, QString& error);

}  // namespace zuvo
