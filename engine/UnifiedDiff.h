#pragma once

#include "engine/PageRewriter.h"

#include <string>
#include <string_view>

namespace engine {

// The change a rewrite makes to a page, as `diff -u` writes it: "--- a/NAME" and
// "+++ b/NAME" without timestamps, hunks of three lines of context with their
// line numbers, and "\ No newline at end of file" where a side ends without one.
// Worked out from the plan itself (the pieces of the old text it keeps, and the
// block it puts in), so that `patch` applied to the old page gives exactly the
// page the run writes. A name with a control character, a quote or a backslash
// is quoted as `diff` quotes it. A UTF-16 page's change is no hunk: its lines are
// shown as UTF-8, indented under a line that says so, for a person to read and
// `patch` to leave alone. Empty when the plan changes nothing. `escape` shows
// names escaped as reports show them, and control characters in lines other
// than tab (and a carriage return before a line feed) escaped, for a terminal.
std::string unifiedDiff(std::string_view name, std::string_view oldText, const RewritePlan& plan,
                        bool escape);

} // namespace engine
