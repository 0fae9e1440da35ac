#include "FieldReader.h"

#include "DataFile.h"
#include "Errors.h"
#include "NumberText.h"

namespace examtrainer {

FieldReader FieldReader::open(const std::string& dataPath) {
    return FieldReader(readDataFile(dataPath));
}

namespace {
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool isDelimiter(char c) {
    return c == ',' || isLineEnd(c);
}
} // namespace

std::string FieldReader::next() {
    if (atEnd())
        throw DataError("A field was expected past the end of the file");
    const std::size_t size = bytes_.size();
    while (pos_ < size && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t'))
        ++pos_;

    std::string field;
    if (pos_ < size && bytes_[pos_] == '"') {
        const std::size_t close = bytes_.find('"', pos_ + 1);
        if (close == std::string::npos)
            throw DataError("A quoted field has no closing quote");
        field = bytes_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Whatever stands between the closing quote and the delimiter is not part of the field.
        while (pos_ < size && !isDelimiter(bytes_[pos_]))
            ++pos_;
    } else {
        const std::size_t start = pos_;
        while (pos_ < size && !isDelimiter(bytes_[pos_]))
            ++pos_;
        field = bytes_.substr(start, pos_ - start);
    }

    if (pos_ < size) {
        if (bytes_[pos_] == ',') {
            ++pos_;
        } else if (bytes_[pos_] == '\r') {
            ++pos_;
            if (pos_ < size && bytes_[pos_] == '\n')
                ++pos_;
        } else {
            ++pos_;
        }
    }
    return field;
}

int16_t FieldReader::nextInt16(const std::string& what) {
    const std::string field = next();
    const std::optional<int16_t> value = strictInt16(field);
    if (!value)
        throw DataError(what + ": \"" + field + "\" is not a 16-bit whole number");
    return *value;
}

} // namespace examtrainer
