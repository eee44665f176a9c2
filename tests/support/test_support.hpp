// Shared test helpers: a private temporary data path per test and a tolerance check.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <string>

namespace testsupport {

/// A fresh directory below the system's temporary directory, removed with its contents.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("slabtest-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    /// The directory with a trailing "/".
    std::string str() const { return path_.string() + "/"; }
    std::filesystem::path path() const { return path_; }

  private:
    std::filesystem::path path_;
};

/// Relative tolerance of exact arithmetic up to round-off.
inline constexpr double kRoundOff = 1e-9;

/// |actual - expected| <= abs + rel * |expected|.
inline ::testing::AssertionResult near(double actual, double expected, double rel = kRoundOff,
                                       double abs = 0.0) {
    double tol = abs + rel * std::fabs(expected);
    if (std::fabs(actual - expected) <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << actual << " expected " << expected
                                         << " (tolerance " << tol << ")";
}

} // namespace testsupport
