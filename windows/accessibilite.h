#pragma once

namespace vormigral {

// Tells Qt how assistive technologies see the program's own controls (the number cells and their
// panel) and the drop-down lists: a list is known by its accessible name where it has one, and
// reads its current item by the item's accessible text. Installing twice changes nothing.
void installeaccessibilite();

} // namespace vormigral
