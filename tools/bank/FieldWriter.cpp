#include "FieldWriter.h"

#include "BankError.h"

namespace examtrainer::bank {

std::string encodeField(const std::string& text, const std::string& where) {
    if (text.find('"') != std::string::npos)
        throw BankError(where + ": a double quote cannot be stored in a data file field");
    const bool quoted = text.find_first_of(",\r\n") != std::string::npos ||
                        (!text.empty() && (text.front() == ' ' || text.front() == '\t'));
    return quoted ? "\"" + text + "\"" : text;
}

std::string fieldLines(const std::vector<std::string>& fields, const std::string& where) {
    std::string out;
    for (const std::string& field : fields)
        out += encodeField(field, where) + "\r\n";
    return out;
}

std::string recordLine(const std::vector<std::string>& fields, const std::string& where) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        out += encodeField(fields[i], where);
    }
    return out + "\r\n";
}

} // namespace examtrainer::bank
