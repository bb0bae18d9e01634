#pragma once
// The manual page of glimmora-cli (roff, man macros), made from the command
// table like the help, so that the two never differ. The build writes it with
// the glimmora-manpage tool and installs it as glimmora-cli.1.

#include <ostream>
#include <string>

namespace glimmora::cli {

void WriteManPage(std::ostream& out);

// `text` for a roff line: backslashes and minus signs escaped, and a line
// that would start with "." or "'" guarded.
std::string RoffText(const std::string& text);

}  // namespace glimmora::cli
