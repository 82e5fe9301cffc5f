#pragma once

#include "core/Hyphenator.hpp"

#include <filesystem>
#include <memory>
#include <mutex>

struct _HyphenDict;

namespace velora {

// One libhyphen dictionary, in UTF-8 or ISO 8859-1 as Debian's are.
class PatternHyphenator final : public Hyphenator {
public:
    // None when the file cannot be read as a UTF-8 dictionary.
    static std::unique_ptr<PatternHyphenator> load(const std::filesystem::path& file);
    ~PatternHyphenator() override;

private:
    PatternHyphenator(_HyphenDict* dictionary, bool utf8) : dictionary_(dictionary), utf8_(utf8) {}
    std::vector<std::size_t> letterBreaks(std::string_view letters) const override;

    _HyphenDict* dictionary_;
    bool utf8_;
    // libhyphen promises nothing about concurrent calls on one dictionary.
    mutable std::mutex mutex_;
};

} // namespace velora
