#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace examtrainer {

// Reads a data file as a sequence of fields. A field ends at a comma or a line end (CR LF, LF or
// a lone CR); leading blanks are skipped; a field that starts with a double quote runs to the
// closing quote, keeps its commas and line ends and loses its quotes. Works on bytes, never on a
// locale.
class FieldReader {
public:
    // Reads the whole file; throws DataError when it is missing or unreadable.
    static FieldReader open(const std::string& dataPath);
    explicit FieldReader(std::string bytes) : bytes_(std::move(bytes)) {}

    bool atEnd() const { return pos_ >= bytes_.size(); }

    // The next field. Throws DataError when the file has no more, or when a quoted field has no
    // closing quote.
    std::string next();

    // The next field as a 16-bit whole number (see strictInt16). Throws DataError, naming
    // what, when it is not one.
    int16_t nextInt16(const std::string& what);

private:
    std::string bytes_;
    std::size_t pos_ = 0;
};

} // namespace examtrainer
