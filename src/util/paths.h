// Path helpers shared by the driver and the generators.
#pragma once

#include <string>

namespace cfgxlate {

// The part of a path after its last "/" or "\", or after a leading drive
// letter and colon.
std::string BaseName(const std::string& path);

// The program name shown in messages: the base name of the invoked file
// without a trailing ".exe".
std::string ProgramName(const char* argv0);

// cfg/module.xml gives cfg/module.int; a name without "." gets ".int" added.
std::string DeriveIntegrateFileName(const std::string& xml_file_name);

// Joins an output directory and a file name (see the developer notes in
// paths.cpp for the normalisation).
std::string JoinOutputPath(const std::string& directory, const std::string& file_name);

}  // namespace cfgxlate
