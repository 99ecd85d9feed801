#include "engine/UnifiedDiff.h"

#include "engine/ReportText.h"
#include "engine/Utf16.h"

#include <algorithm>
#include <vector>

namespace engine {

namespace {

// A text cut into lines, each with its line end.
struct Lines {
    std::string_view text;
    std::vector<std::size_t> starts; // and text.size() at the end

    explicit Lines(std::string_view t)
        : text(t) {
        for (std::size_t at = 0; at < t.size();) {
            starts.push_back(at);
            const std::size_t end = t.find('\n', at);
            at = end == std::string_view::npos ? t.size() : end + 1;
        }
        starts.push_back(t.size());
    }
    std::size_t count() const { return starts.size() - 1; }
    // The line that holds byte `at` (count() at the end).
    std::size_t lineOf(std::size_t at) const {
        return static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), at) - starts.begin()) -
               1;
    }
    bool atLineStart(std::size_t at) const { return at == 0 || text[at - 1] == '\n'; }
    std::string_view line(std::size_t i) const { return text.substr(starts[i], starts[i + 1] - starts[i]); }
};

// A change of whole lines: old lines [oldBegin, oldEnd) became new lines [newBegin, newEnd).
struct Change {
    std::size_t oldBegin, oldEnd, newBegin, newEnd;
};

// A change of bytes: old [oldBegin, oldEnd) became new [newBegin, newEnd).
struct ByteChange {
    std::size_t oldBegin, oldEnd, newBegin, newEnd;
};

// The byte changes between the old text and the new one that the plan's kept
// pieces leave: the gaps between them.
std::vector<ByteChange> byteChanges(const RewritePlan& plan, std::size_t oldSize, std::size_t newSize) {
    std::vector<ByteChange> changes;
    std::size_t oldAt = 0;
    std::size_t newAt = 0;
    std::size_t newPos = 0;
    for (const RewritePlan::Piece& piece : plan.m_pieces) {
        if (!piece.owned) {
            if (piece.begin != oldAt || newPos != newAt)
                changes.push_back({oldAt, piece.begin, newAt, newPos});
            oldAt = piece.begin + piece.size;
            newAt = newPos + piece.size;
        }
        newPos += piece.size;
    }
    if (oldAt != oldSize || newAt != newSize)
        changes.push_back({oldAt, oldSize, newAt, newSize});
    return changes;
}

// The same changes as whole lines, those that touch a line together made one.
std::vector<Change> lineChanges(const std::vector<ByteChange>& bytes, const Lines& old, const Lines& now) {
    std::vector<Change> changes;
    // The line a change begins in: the one its first byte is on, or where it
    // begins after the end of a line without a line end, that line.
    const auto beginLine = [](const Lines& lines, std::size_t at) {
        return at > 0 && !lines.atLineStart(at) ? lines.lineOf(at - 1) : lines.lineOf(at);
    };
    for (const ByteChange& c : bytes) {
        Change line{beginLine(old, c.oldBegin), 0, beginLine(now, c.newBegin), 0};
        // The text after the change stands on its own lines only where both sides
        // start a line there; else the line it ends in is part of the change.
        const bool aligned = old.atLineStart(c.oldEnd) && now.atLineStart(c.newEnd);
        line.oldEnd = aligned ? old.lineOf(c.oldEnd) : old.lineOf(c.oldEnd) + 1;
        line.newEnd = aligned ? now.lineOf(c.newEnd) : now.lineOf(c.newEnd) + 1;
        line.oldEnd = std::min(line.oldEnd, old.count());
        line.newEnd = std::min(line.newEnd, now.count());
        if (!changes.empty() &&
            (line.oldBegin < changes.back().oldEnd || line.newBegin < changes.back().newEnd)) {
            changes.back().oldEnd = std::max(changes.back().oldEnd, line.oldEnd);
            changes.back().newEnd = std::max(changes.back().newEnd, line.newEnd);
        } else {
            changes.push_back(line);
        }
    }
    return changes;
}

// For a text with no pieces to follow (UTF-16 pages): one change between the
// lines the two texts share at their start and at their end.
std::vector<Change> prefixSuffixChange(const Lines& old, const Lines& now) {
    std::size_t front = 0;
    while (front < old.count() && front < now.count() && old.line(front) == now.line(front))
        ++front;
    std::size_t back = 0;
    while (back < old.count() - front && back < now.count() - front &&
           old.line(old.count() - 1 - back) == now.line(now.count() - 1 - back))
        ++back;
    return {{front, old.count() - back, front, now.count() - back}};
}

std::string shownLine(std::string_view line, bool escape) {
    if (!escape)
        return std::string(line);
    // Tab, and a carriage return before the line feed, stay; other controls are escaped.
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const bool lineEnd = c == '\n' || (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n');
        if (c == '\t' || lineEnd) {
            out += c;
            continue;
        }
        const std::string escaped = reportText(line.substr(i, 1));
        out += static_cast<unsigned char>(c) < 0x80 ? escaped : std::string(1, c);
    }
    return out;
}

void appendLine(std::string& out, char mark, std::string_view line, bool escape) {
    out += mark;
    out += shownLine(line, escape);
    if (line.empty() || line.back() != '\n')
        out += "\n\\ No newline at end of file\n";
}

std::string range(std::size_t begin, std::size_t count) {
    // As diff -u: the first line (1-based), and the count unless it is one; an
    // empty range names the line before it.
    const std::size_t first = count == 0 ? begin : begin + 1;
    return count == 1 ? std::to_string(first) : std::to_string(first) + "," + std::to_string(count);
}

std::string hunks(const std::vector<Change>& changes, const Lines& old, const Lines& now, bool escape) {
    constexpr std::size_t Context = 3;
    std::string out;
    for (std::size_t first = 0; first < changes.size();) {
        // Changes whose contexts meet make one hunk.
        std::size_t last = first;
        while (last + 1 < changes.size() && changes[last + 1].oldBegin - changes[last].oldEnd <= 2 * Context)
            ++last;
        const std::size_t oldFrom = changes[first].oldBegin - std::min(Context, changes[first].oldBegin);
        const std::size_t newFrom = changes[first].newBegin - (changes[first].oldBegin - oldFrom);
        const std::size_t oldTo = std::min(old.count(), changes[last].oldEnd + Context);
        const std::size_t newTo = changes[last].newEnd + (oldTo - changes[last].oldEnd);
        out += "@@ -" + range(oldFrom, oldTo - oldFrom) + " +" + range(newFrom, newTo - newFrom) + " @@\n";
        std::size_t at = oldFrom;
        for (std::size_t k = first; k <= last; ++k) {
            for (; at < changes[k].oldBegin; ++at)
                appendLine(out, ' ', old.line(at), escape);
            for (std::size_t i = changes[k].oldBegin; i < changes[k].oldEnd; ++i)
                appendLine(out, '-', old.line(i), escape);
            for (std::size_t i = changes[k].newBegin; i < changes[k].newEnd; ++i)
                appendLine(out, '+', now.line(i), escape);
            at = changes[k].oldEnd;
        }
        for (; at < oldTo; ++at)
            appendLine(out, ' ', old.line(at), escape);
        first = last + 1;
    }
    return out;
}

// UTF-16 text (after its byte-order mark) as UTF-8.
std::string utf8OfPage(std::string_view bytes, bool bigEndian) {
    return utf8Of(decodeUtf16(bytes.substr(std::min<std::size_t>(2, bytes.size())), bigEndian));
}

// A name in a header line: escaped as report lines are for a terminal; else as
// written, or, where it holds a control character, a quote or a backslash, quoted
// as `diff` and `patch` quote names ("a/x\ny"), so that no name splits its line.
std::string headerName(const char* side, std::string_view name, bool escape) {
    const std::string whole = side + std::string(name);
    if (escape)
        return reportText(whole);
    const bool plain = std::none_of(whole.begin(), whole.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '"' || c == '\\';
    });
    if (plain)
        return whole;
    std::string quoted = "\"";
    for (const char c : whole) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\')
            quoted += std::string("\\") + c;
        else if (c == '\n')
            quoted += "\\n";
        else if (c == '\t')
            quoted += "\\t";
        else if (byte < 0x20 || byte == 0x7F)
            quoted +=
                "\\" + std::to_string(byte >> 6) + std::to_string((byte >> 3) & 7) + std::to_string(byte & 7);
        else
            quoted += c;
    }
    return quoted + "\"";
}

// A UTF-16 page's change for a person to read, as UTF-8 and indented under a
// line that says so: no hunk, so that `patch` never applies it to the page's bytes.
std::string readableChange(std::string_view name, const Change& change, const Lines& old, const Lines& now,
                           bool escape) {
    std::string out =
        "# UTF-16 page " + headerName("", name, escape) + ": its change shown as UTF-8, not as a patch\n";
    const auto lines = [&](std::size_t from, std::size_t to, const Lines& text) {
        for (std::size_t i = from; i < to; ++i) {
            std::string line = shownLine(text.line(i), escape);
            if (line.empty() || line.back() != '\n')
                line += '\n';
            out += "    " + line;
        }
    };
    out += "# line " + std::to_string(change.oldBegin + 1) + " was:\n";
    lines(change.oldBegin, change.oldEnd, old);
    out += "# and is now:\n";
    lines(change.newBegin, change.newEnd, now);
    return out;
}

} // namespace

std::string unifiedDiff(std::string_view name, std::string_view oldText, const RewritePlan& plan,
                        bool escape) {
    if (!plan.changed)
        return {};
    const std::string newText = plan.text(oldText);
    if (plan.encoding != PageEncoding::Bytes) {
        const bool big = plan.encoding == PageEncoding::Utf16BE;
        const std::string before = utf8OfPage(oldText, big);
        const std::string after = utf8OfPage(newText, big);
        const Lines old(before);
        const Lines now(after);
        return readableChange(name, prefixSuffixChange(old, now).front(), old, now, escape);
    }
    const Lines old(oldText);
    const Lines now(newText);
    const std::vector<Change> changes =
        lineChanges(byteChanges(plan, oldText.size(), newText.size()), old, now);
    return "--- " + headerName("a/", name, escape) + "\n+++ " + headerName("b/", name, escape) + "\n" +
           hunks(changes, old, now, escape);
}

} // namespace engine
