#pragma once

#include <string>
#include <vector>

namespace vormigral {

// CSV as spreadsheets in French and English read it: ";" between fields (a comma is the French
// decimal mark), CRLF line ends, UTF-8 announced by a byte-order mark at the start of the file.

// The byte-order mark that opens every CSV file the program writes: without it spreadsheets take
// the text for the system's 8-bit code page and garble the accents.
inline constexpr char marqueutf8[] = "\xEF\xBB\xBF";

// Appends one line. A field holding ";", a double quote or a line end is quoted, its quotes
// doubled. A field a spreadsheet would run as a formula (starting with =, +, -, @, a tab or a
// carriage return) is never written as it is: a quote mark goes before it and the whole is quoted,
// so that the cell shows the text and runs nothing.
void ajoutelignecsv(std::string& texte, const std::vector<std::string>& champs);

} // namespace vormigral
