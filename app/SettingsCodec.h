// The program's own start-up and shutdown logic: the stored reminder date, the
// promotional draw, and the sequences that tie the windows together.
#pragma once

#include <QString>
#include <optional>

namespace settingscodec {

// Keeps the stored key and value from being plain text. The output uses only
// digits and the letters a-f, so stores whose keys ignore letter case (INI
// files, the Windows registry) cannot confuse two keys. Empty stays empty.
QString Encode(const QString& text);

// The inverse of Encode; nothing for text Encode cannot have made.
std::optional<QString> Decode(const QString& text);

}  // namespace settingscodec
