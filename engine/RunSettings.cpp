#include "engine/RunSettings.h"

#include "engine/TrackingBlock.h"

namespace engine {

const char* protocolWord(Protocol protocol) {
    return protocol == Protocol::Secure ? "secure" : "normal";
}

std::optional<Protocol> protocolNamed(std::string_view word) {
    std::string lowered(word);
    for (char& c : lowered)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lowered == "normal")
        return Protocol::Normal;
    if (lowered == "secure")
        return Protocol::Secure;
    return std::nullopt;
}

Site Site::parse(std::string_view typed) {
    Site site;
    site.m_typed = std::string(typed);
    site.m_text = siteNo(typed);
    site.m_digit = serverDigit(typed);
    site.m_given = hasWebsiteNumber(typed);
    return site;
}

Result<void> RunSettings::usable() const {
    if (!site.digit())
        return Failure{Failure::Kind::Settings,
                       "The website number is too large to use: no page was changed."};
    if (mode == Mode::Insert && !site.given())
        return Failure{Failure::Kind::Settings, "No website number was given: no page was changed."};
    return {};
}

} // namespace engine
