#pragma once

#include <QString>
#include <optional>
#include <string>

namespace examtrainer {

// Data paths are written the way the data trees are authored: "C:\Com\" followed by
// backslash-separated names. On this host the data root stands for a folder of our own.
inline constexpr const char* kDataRoot = "C:\\Com\\";

// The host folder that "C:\Com\" stands for: $EXAMTRAINER_DATA_ROOT when set, otherwise the
// sample tree of the build.
QString dataRootFolder();

// Maps a data path to a host path. Each name is matched exactly, or case-insensitively when the
// exact name does not exist (trees come from Windows, where names ignore letter case). A path
// outside the data root, or one that would climb out of it ("..", a drive letter or an absolute
// name smuggled in through a bank or figure name) gives no host path: callers treat it as a
// missing file.
std::optional<QString> mapDataPath(const std::string& dataPath);

} // namespace examtrainer
