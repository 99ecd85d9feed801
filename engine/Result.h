#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace engine {

// Why something could not be done: its kind, which decides how a run reports it,
// and the reason in words, as reports print it. Every layer fails this way.
struct Failure {
    enum class Kind {
        // A page the run leaves alone because it is not one it changes (reported skipped).
        NotRegular,     // a folder, device, pipe or socket
        OutsideFolder,  // a symbolic link whose target lies outside the chosen folder
        Binary,         // a binary file, not a web page
        NotWebPage,     // insert mode: not a web page by its name or its first bytes
        NoClosingBody,  // insert mode: no closing body tag, and not a page by its name
        BadUtf16,       // a UTF-16 byte-order mark but an odd number of bytes
        WouldTurnUtf16, // the new text of a byte page would open with a UTF-16 byte-order mark
        Utf32,          // UTF-32 text, which is not rewritten
        HandledBefore,  // the same file as a page already handled in the run
        ChangedSince,   // taking a run back: the page changed since the run
        Excluded,       // a folder the run does not enter
        // What could not be done (reported failed).
        TangledMarkers, // markers nested or crossed: which text is the user's cannot be told
        EndsInside,     // the text ends where the block would not run
        ServerWritten,  // the only closing body tag is written by server code
        NotReplaceable, // the page may not be replaced: read-only, or hard links would split
        TooLarge,       // more than the memory the run may use
        NotFound,       // nothing of that name, or not what was asked for
        System,         // the system refused; the reason gives its words
        Journal,        // the journal cannot be made, written or read
        Settings,       // the settings cannot be used: no page may be changed with them
    };

    Kind kind = Kind::System;
    std::string reason;

    // Whether a page that failed so is reported skipped rather than failed.
    bool skipped() const { return kind <= Kind::Excluded; }
};

// A value, or the failure that stands in its place.
template <typename T> class [[nodiscard]] Result {
public:
    template <typename U = T>
    requires std::is_constructible_v<T, U&&> &&
        (!std::is_same_v<std::remove_cvref_t<U>, Result>)&&(!std::is_same_v<std::remove_cvref_t<U>, Failure>)
            Result(U&& value)
        : m_state(std::in_place_index<0>, std::forward<U>(value)) {}
    Result(Failure failure)
        : m_state(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Failure& failure() const { return std::get<1>(m_state); }
    Failure::Kind kind() const { return failure().kind; }
    const std::string& reason() const { return failure().reason; }

private:
    std::variant<T, Failure> m_state;
};

// Success with no value, or the failure.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_failure(std::move(failure)) {}

    bool ok() const { return !m_failure; }
    explicit operator bool() const { return ok(); }

    const Failure& failure() const { return m_failure.value(); }
    Failure::Kind kind() const { return failure().kind; }
    const std::string& reason() const { return failure().reason; }

private:
    std::optional<Failure> m_failure;
};

} // namespace engine
