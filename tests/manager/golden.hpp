// Golden files of the manager tests: byte-exact fixtures in tests/manager/fixtures. On a
// mismatch the actual bytes are written beside the fixture as <name>.actual for inspection.
#pragma once

#include "common/file_io.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace managertest {

/// The path of a fixture file.
inline std::string fixturePath(std::string_view name) {
    return std::string(MANAGER_FIXTURES) + std::string(name);
}

/// Success when actual equals the fixture byte for byte; otherwise <fixture>.actual is written.
inline ::testing::AssertionResult matchesFixture(std::string_view name,
                                                 const std::vector<std::uint8_t>& actual) {
    const std::string path = fixturePath(name);
    const auto expected = slab::readFileBytes(path);
    std::error_code ec;
    if (expected && *expected == actual) {
        std::filesystem::remove(path + ".actual", ec);
        return ::testing::AssertionSuccess();
    }
    slab::writeFileAtomic(path + ".actual", actual);
    return ::testing::AssertionFailure()
           << (expected ? "differs from " : "missing fixture ") << path << " (" << actual.size()
           << " bytes written to " << path << ".actual)";
}

/// matchesFixture for a text.
inline ::testing::AssertionResult matchesFixture(std::string_view name, std::string_view actual) {
    return matchesFixture(name, std::vector<std::uint8_t>(actual.begin(), actual.end()));
}

} // namespace managertest
