#pragma once

// A run's settings, typed once where a front end reads them (the command line's
// options, the wizard's controls) and never parsed again.

#include "engine/PageRewriter.h"
#include "engine/Result.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// How the tracking code reaches the service: http (db0 ... db9) or https (www).
enum class Protocol { Normal, Secure };

// "normal" or "secure": as the command line takes it and the journal and the
// reports keep it.
const char* protocolWord(Protocol protocol);
// The protocol a word names, in any letter case; none for another word.
std::optional<Protocol> protocolNamed(std::string_view word);

// How the block names a page to the service: by its file name (as the service
// has always had) or by its path beneath the folder ("blog/index.html").
enum class PageNaming { File, Path };

// The website number, read once from the text the user typed: the text as
// written into addresses, the digit that picks the statistics server, or why the
// number cannot be used.
class Site {
public:
    Site() = default;
    static Site parse(std::string_view typed);

    // Whether anything but blanks, tabs and line ends was typed: a website number
    // of nothing else would write a block that never works.
    bool given() const { return m_given; }
    // As typed, for the journal.
    const std::string& typed() const { return m_typed; }
    // As written into addresses: spaces trimmed, encoded.
    const std::string& text() const { return m_text; }
    // The server's digit, or why the number is too large to use.
    const Result<int>& digit() const { return m_digit; }

private:
    std::string m_typed;
    std::string m_text;
    Result<int> m_digit = 0;
    bool m_given = false;
};

// Everything a run that changes pages, or compares them, goes by.
struct RunSettings {
    Mode mode = Mode::Insert;
    Site site;
    Protocol protocol = Protocol::Normal;
    PageNaming naming = PageNaming::File;

    // Whether pages may be changed with these settings: a number too large would
    // fail on every page, a missing one would write blocks that never work.
    Result<void> usable() const;
};

} // namespace engine
