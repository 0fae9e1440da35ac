#pragma once

#include <QString>
#include <optional>
#include <string>

namespace examtrainer {

// Stored texts are bytes, one character per byte, in the Windows-1252 code page the trees are
// written in. The five bytes that code page leaves undefined map to the control characters of
// the same value, so every byte has exactly one character and back.
QString fromAnsi(const std::string& bytes);

// The inverse of fromAnsi; nothing when a character has no byte in the code page.
std::optional<std::string> toAnsi(const QString& text);

} // namespace examtrainer
