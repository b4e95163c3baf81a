#pragma once

#include <string>

// Where the game reads its content: the working directory when it holds the game configuration
// (a level designer's own folder), otherwise the assets folder the game was built with.
namespace ContentFolder {
// Changes to the content folder. False, with one line on stderr, when there is none.
bool enter(const std::string& configurationFile, const std::string& builtInFolder);
}  // namespace ContentFolder
