// LDL^T solution of a symmetric positive definite system in profile (skyline) storage.
#pragma once

#include "ports/ports.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace slab {

/// Entries left of a row's first entry of at least this magnitude are not stored: the
/// single-precision value of 1e-10, compared in double precision.
inline constexpr double kProfileThreshold = static_cast<double>(1e-10f);

/// A pivot at or below this fraction of its row's diagonal counts as not positive: what is
/// left of it is round-off. An unsupported slab (a rigid-body motion) leaves pivots of 1e-15
/// to 1e-9 of the diagonal, positive or negative by chance; stiffnesses further apart than
/// double precision can carry (a "rigid" modulus of 1e18 beside concrete) leave 1e-10 and
/// visibly wrong reactions. Sound slabs, springs and beddings stay far above it.
inline constexpr double kPivotRatio = 1e-8;

/// Lower triangle of a symmetric matrix, row after row: row i holds the columns rowStart[i] to
/// i in increasing order, its diagonal last at diag[i]. Rows and columns are 0-based.
struct ProfileMatrix {
    std::vector<int> rowStart;
    std::vector<std::size_t> diag;
    std::vector<double> values;

    int size() const { return static_cast<int>(rowStart.size()); }
    /// Entry (i, j) for rowStart[i] <= j <= i.
    double& at(int i, int j) { return values[diag[i] - static_cast<std::size_t>(i - j)]; }
    double at(int i, int j) const { return values[diag[i] - static_cast<std::size_t>(i - j)]; }
};

/// Lays out an empty profile whose row i may hold columns envelopeStart[i] to i.
ProfileMatrix makeProfile(const std::vector<int>& envelopeStart);

/// Applies the row-start rule to a profile whose rows were filled over a wider envelope: row i
/// then starts at its first column with |a| >= kProfileThreshold (row 0, and a row without
/// such an entry, at the diagonal). Moves the entries in place.
void trimProfile(ProfileMatrix& a);

/// The profile of the dense n x n matrix (row-major), built by the row-start rule directly.
ProfileMatrix profileFromDense(const std::vector<double>& dense, int n);

/// Factorises a in place into L (off the diagonal) and D (on it). Returns the 0-based row
/// whose pivot is not a finite number above kPivotRatio times its diagonal, or nullopt.
std::optional<int> factorize(ProfileMatrix& a);

/// Forward reduction, scaling and back substitution with a factorised profile. Drives the
/// progress bar over the back substitution (range 1 to n, positions 2 to n).
std::vector<double> substitute(const ProfileMatrix& factors, std::vector<double> b,
                               ports::ProgressBar& progress);

/// The message of a failed factorisation.
inline constexpr const char* kNotPositiveDefinite = "Stiffness matrix is not positiv definit!";

} // namespace slab
