// Golden files: written bytes compared with a byte-exact fixture under the test folder's
// fixtures/ (SLAB_FIXTURES, set by each test target). On a mismatch the actual bytes are left
// beside the fixture as <name>.actual for inspection.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

/// The path of fixture `name` (it may name a subfolder: "slab_with_opening/KNOTEN1").
inline std::string fixturePath(std::string_view name) {
    return std::string(SLAB_FIXTURES) + "/" + std::string(name);
}

/// The bytes of a file exactly as stored; nullopt when it cannot be opened.
inline std::optional<std::string> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// The bytes of fixture `name`; empty (and a failure) when it is missing.
inline std::string fixtureBytes(std::string_view name) {
    auto bytes = fileBytes(fixturePath(name));
    if (!bytes) ADD_FAILURE() << "fixture missing: " << fixturePath(name);
    return bytes.value_or("");
}

/// Success when actual equals fixture `name` byte for byte. Otherwise actual is written to
/// <fixture>.actual and the first differing offset is named.
inline ::testing::AssertionResult matchesFixture(std::string_view name, std::string_view actual) {
    const std::string path = fixturePath(name);
    const auto expected = fileBytes(path);
    std::error_code ec;
    if (expected && actual == *expected) {
        std::filesystem::remove(path + ".actual", ec); // a stale one from an earlier failure
        return ::testing::AssertionSuccess();
    }
    std::ofstream(path + ".actual", std::ios::binary)
        .write(actual.data(), static_cast<std::streamsize>(actual.size()));
    if (!expected)
        return ::testing::AssertionFailure() << name << " has no fixture; the actual file is "
                                             << path << ".actual";
    std::size_t at = 0;
    while (at < actual.size() && at < expected->size() && actual[at] == (*expected)[at]) ++at;
    return ::testing::AssertionFailure()
           << name << ": " << actual.size() << " bytes written, " << expected->size()
           << " expected, first difference at offset " << at << "; the actual file is " << path
           << ".actual";
}

inline ::testing::AssertionResult matchesFixture(std::string_view name,
                                                 const std::vector<std::uint8_t>& actual) {
    return matchesFixture(
        name, std::string_view(reinterpret_cast<const char*>(actual.data()), actual.size()));
}

} // namespace testsupport
