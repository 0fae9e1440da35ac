#pragma once

#include <string>
#include <vector>

namespace examtrainer::bank {

// A field written so that the trainer's field reader gives back exactly the same text: quoted
// when it holds a comma or a line end, or starts with a blank or a quote. Throws BankError,
// naming where, when no field can hold the text (a double quote inside it).
std::string encodeField(const std::string& text, const std::string& where);

// Fields one per line, CR LF after each, as the authoring tools on Windows write them.
std::string fieldLines(const std::vector<std::string>& fields, const std::string& where);

// Fields of one record separated by commas, CR LF at the end.
std::string recordLine(const std::vector<std::string>& fields, const std::string& where);

} // namespace examtrainer::bank
