// LDL^T in profile storage, the active-row scheme without pivoting.
#include "solver/profile_solver.hpp"

#include <cmath>

namespace slab {

namespace {

// The factorisation spends nearly all its time here. Eight partial sums keep two vector
// registers of four lanes busy; the order of summation differs from a plain loop only in
// round-off. The AVX2 clone is chosen at run time where the processor has it.
__attribute__((target_clones("avx2", "default"))) double dot(const double* a, const double* b,
                                                             std::size_t n) {
    double s[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::size_t k = 0;
    for (; k + 8 <= n; k += 8)
        for (int l = 0; l < 8; ++l) s[l] += a[k + l] * b[k + l];
    for (; k < n; ++k) s[0] += a[k] * b[k];
    return ((s[0] + s[4]) + (s[1] + s[5])) + ((s[2] + s[6]) + (s[3] + s[7]));
}

} // namespace

ProfileMatrix makeProfile(const std::vector<int>& envelopeStart) {
    ProfileMatrix a;
    a.rowStart = envelopeStart;
    a.diag.resize(envelopeStart.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < envelopeStart.size(); ++i) {
        next += i - static_cast<std::size_t>(envelopeStart[i]) + 1;
        a.diag[i] = next - 1;
    }
    a.values.assign(next, 0.0);
    return a;
}

void trimProfile(ProfileMatrix& a) {
    std::size_t next = 0;
    for (int i = 0; i < a.size(); ++i) {
        const std::size_t first = a.diag[i] - static_cast<std::size_t>(i - a.rowStart[i]);
        int start = i;
        if (i > 0) {
            for (int j = a.rowStart[i]; j < i; ++j) {
                if (std::fabs(a.values[first + static_cast<std::size_t>(j - a.rowStart[i])]) >=
                    kProfileThreshold) {
                    start = j;
                    break;
                }
            }
        }
        const std::size_t from = first + static_cast<std::size_t>(start - a.rowStart[i]);
        const std::size_t count = static_cast<std::size_t>(i - start) + 1;
        // Rows only move towards the front, so copying forwards is safe.
        for (std::size_t k = 0; k < count; ++k) a.values[next + k] = a.values[from + k];
        a.rowStart[i] = start;
        next += count;
        a.diag[i] = next - 1;
    }
    a.values.resize(next);
    a.values.shrink_to_fit();
}

ProfileMatrix profileFromDense(const std::vector<double>& dense, int n) {
    std::vector<int> start(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) start[i] = 0;
    ProfileMatrix a = makeProfile(start);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j) a.at(i, j) = dense[static_cast<std::size_t>(i) * n + j];
    trimProfile(a);
    return a;
}

std::optional<int> factorize(ProfileMatrix& a) {
    const int n = a.size();
    double* v = a.values.data();
    for (int i = 0; i < n; ++i) {
        const int si = a.rowStart[i];
        double* row = v + a.diag[i] - (i - si); // row[m - si] is column m
        // g(i, j) = a(i, j) - sum over the columns both rows store of L(j, m) g(i, m)
        for (int j = si + 1; j < i; ++j) {
            const int sj = a.rowStart[j];
            const int lo = si > sj ? si : sj;
            if (lo >= j) continue;
            const double* rowJ = v + a.diag[j] - (j - lo);
            row[j - si] -= dot(rowJ, row + (lo - si), static_cast<std::size_t>(j - lo));
        }
        // L(i, j) = g(i, j) / D(j) and D(i) = a(i, i) - sum of L(i, j) g(i, j)
        double sum = 0.0;
        for (int j = si; j < i; ++j) {
            const double g = row[j - si];
            const double l = g / v[a.diag[j]];
            sum += l * g;
            row[j - si] = l;
        }
        const double diagonal = row[i - si];
        const double pivot = diagonal - sum;
        // Written so that NaN fails as well.
        if (!(pivot > kPivotRatio * diagonal) || !(pivot > 0.0) || !std::isfinite(pivot)) return i;
        row[i - si] = pivot;
    }
    return std::nullopt;
}

std::vector<double> substitute(const ProfileMatrix& f, std::vector<double> y,
                               ports::ProgressBar& progress) {
    const int n = f.size();
    const double* v = f.values.data();
    progress.setRange(1, n);
    for (int i = 0; i < n; ++i) {
        const int si = f.rowStart[i];
        y[i] -= dot(v + f.diag[i] - (i - si), y.data() + si, static_cast<std::size_t>(i - si));
    }
    for (int i = 0; i < n; ++i) y[i] /= v[f.diag[i]];
    for (int i = n - 1; i >= 1; --i) {
        const int si = f.rowStart[i];
        const double* row = v + f.diag[i] - (i - si);
        const double yi = y[i];
        for (int j = si; j < i; ++j) y[j] -= row[j - si] * yi;
        // 1-based: after row i the bar stands at n - i + 2.
        progress.setPosition(n - i + 1);
    }
    return y;
}

} // namespace slab
