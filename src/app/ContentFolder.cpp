#include "app/ContentFolder.h"

#include <filesystem>
#include <iostream>

namespace ContentFolder {

bool enter(const std::string& configurationFile, const std::string& builtInFolder) {
  std::error_code error;
  if (std::filesystem::is_regular_file(configurationFile, error)) return true;
  if (!std::filesystem::is_regular_file(std::filesystem::path(builtInFolder) / configurationFile, error)) {
    std::cerr << configurationFile << ": not in the working directory, and no content folder at "
              << builtInFolder << "\n";
    return false;
  }
  std::filesystem::current_path(builtInFolder, error);
  if (error) {
    std::cerr << builtInFolder << ": cannot enter the content folder: " << error.message() << "\n";
    return false;
  }
  return true;
}

}  // namespace ContentFolder
