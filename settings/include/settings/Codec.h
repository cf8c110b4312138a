#pragma once

#include <QString>
#include <optional>

namespace settings {

// Keeps the stored key and value from being plain text. The output uses only
// digits and the letters a-f, so stores whose keys ignore letter case (INI
// files, the Windows registry) cannot confuse two keys. Empty stays empty.
QString encode(const QString& text);

// The inverse of encode; nothing for text encode cannot have made.
std::optional<QString> decode(const QString& text);

}  // namespace settings
