// The dependency file of --depfile: what a build system needs to know to
// translate again when any input file changes.
#pragma once

#include <string>

#include "core/context.h"

namespace cfgxlate {

// A make rule: the integrate file depends on the XML file and every file
// opened through an include, each once in the order first opened; then an
// empty rule per prerequisite so that a deleted include does not stop the
// build. Every path is absolute.
std::string DepFileText(TranslationContext& ctx);

// Writes the text to the --depfile name as given; "Unable to open file:"
// with the name when it cannot be written.
void WriteDepFile(TranslationContext& ctx);

}  // namespace cfgxlate
