#pragma once

#include <string>
#include <vector>

namespace vormigral {

// What the file chooser shows of a directory: names as the file system stores them, whatever their
// bytes (a name need not be valid UTF-8), hidden ones (a leading dot) left out. A link counts as
// what it leads to; a dangling link, a pipe, a device or a socket is neither a folder nor a file.
struct TContenu {
    std::vector<std::string> dossiers;
    std::vector<std::string> fichiers;
};

// Empty when the directory cannot be read.
TContenu contenurepertoire(const std::string& repertoire);

// Whether `chemin` leads to a directory.
bool estrepertoire(const std::string& chemin);

} // namespace vormigral
