#pragma once

#include <string>

namespace examtrainer {

// Every byte of the data file at dataPath, in order, zero bytes included, no line-end
// conversion. Throws DataError when the file is missing, unreadable or outside the data root.
std::string readDataFile(const std::string& dataPath);

// True when dataPath names an existing file inside the data root.
bool dataFileExists(const std::string& dataPath);

} // namespace examtrainer
