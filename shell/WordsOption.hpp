#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velora::WordsOption {

// `--words [SETTING VALUE]... FILE`: each word of the document as a JSON line with the time it
// is shown for under the stored settings and those given for this run.
int run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace velora::WordsOption
