// Byte-exact comparison of written files with the fixtures in tests/loads/fixtures; a mismatch
// leaves the actual bytes beside the fixture as <name>.actual for inspection.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace loadtest {

/// The path of fixture `name` in the source tree.
inline std::string fixturePath(std::string_view name) {
    return std::string(LOADS_FIXTURE_DIR) + "/" + std::string(name);
}

/// The bytes of fixture `name`; empty (and a failure) when it is missing.
inline std::string fixtureBytes(std::string_view name) {
    std::ifstream in(fixturePath(name), std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "fixture missing: " << fixturePath(name);
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// True when actual equals fixture `name` byte for byte. Otherwise actual is written to
/// <fixture>.actual and the first differing offset is named.
inline ::testing::AssertionResult matchesFixture(std::string_view name, std::string_view actual) {
    const std::string path = fixturePath(name);
    const std::string expected = fixtureBytes(name);
    std::error_code ec;
    if (actual == expected) {
        std::filesystem::remove(path + ".actual", ec); // a stale one from an earlier failure
        return ::testing::AssertionSuccess();
    }
    std::ofstream(path + ".actual", std::ios::binary)
        .write(actual.data(), static_cast<std::streamsize>(actual.size()));
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    return ::testing::AssertionFailure()
           << name << ": " << actual.size() << " bytes written, " << expected.size()
           << " expected, first difference at offset " << at << "; see " << path << ".actual";
}

inline ::testing::AssertionResult matchesFixture(std::string_view name,
                                                 const std::vector<std::uint8_t>& actual) {
    return matchesFixture(
        name, std::string_view(reinterpret_cast<const char*>(actual.data()), actual.size()));
}

} // namespace loadtest
