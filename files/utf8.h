#pragma once

#include <string_view>

namespace vormigral {

// Whether the bytes are UTF-8 as text files and file names hold it: no stray continuation byte, no
// sequence cut short, no lead byte that cannot start a character.
bool utf8valide(std::string_view texte);

} // namespace vormigral
