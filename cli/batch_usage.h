#pragma once
// What --help and --version print.

#include <string>

namespace tw::batch {

std::string usage_text();
std::string version_text();

}  // namespace tw::batch
