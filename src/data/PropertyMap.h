#pragma once

#include <map>
#include <string>

// Keys and values of a property file, ordered by key (wide-string comparison).
using PropertyMap = std::map<std::wstring, std::wstring>;
