#include "CnfWriter.h"
#include "engine/Index.h"

#include <cadical.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace belltide {

CnfWriter::CnfWriter()
    : mSolver(std::make_unique<CaDiCaL::Solver>())
    , mFamilies { { "constants" } }
{
    mTrue = NewVariable();
}

// The solver takes options only before its first clause, so "true" is made
// true with the first clause, or before a search of no clauses at all.
void CnfWriter::AssertTrue()
{
    if (mTrueAsserted)
        return;
    mTrueAsserted = true;
    mSolver->add(mTrue);
    mSolver->add(0);
    ++mClauses;
    mLiterals += 1;
    mFamilies.front().Clauses += 1;
    mFamilies.front().Literals += 1;
}

CnfWriter::~CnfWriter() = default;

// Measured on schools of 20 to 120 classes: the solver's clauses, watches
// and per-variable tables, and the encoding's own lists, within a tenth.
std::int64_t CnfWriter::EstimatedBytes() const
{
    return 56 * mClauses + 20 * mLiterals + 160 * std::int64_t { mNextVariable };
}

void CnfWriter::Family(const char* name)
{
    const auto known = std::find_if(
        mFamilies.begin(), mFamilies.end(), [&](const FamilyCount& family) { return family.Name == name; });
    mFamily = ToIndex(known - mFamilies.begin());
    if (known == mFamilies.end())
        mFamilies.push_back({ name });
}

int CnfWriter::NewVariable()
{
    return mNextVariable++;
}

void CnfWriter::Clause(std::initializer_list<int> literals)
{
    mScratch.assign(literals.begin(), literals.end());
    Clause(mScratch);
}

// Drops false constants and repeats; leaves out clauses that always hold.
void CnfWriter::Clause(const std::vector<int>& literals)
{
    std::vector<int>& kept = mKept;
    kept.clear();
    for (int literal : literals) {
        if (literal == mTrue)
            return;
        if (literal != -mTrue)
            kept.push_back(literal);
    }
    std::sort(kept.begin(), kept.end(),
        [](int a, int b) { return std::abs(a) < std::abs(b) || (std::abs(a) == std::abs(b) && a < b); });
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    for (std::size_t i = 1; i < kept.size(); ++i) {
        if (kept[i] == -kept[i - 1])
            return;
    }
    if (kept.empty())
        kept.push_back(-mTrue);
    AssertTrue();
    for (int literal : kept)
        mSolver->add(literal);
    mSolver->add(0);
    ++mClauses;
    mLiterals += static_cast<std::int64_t>(kept.size());
    mFamilies[mFamily].Clauses += 1;
    mFamilies[mFamily].Literals += static_cast<std::int64_t>(kept.size());
}

// Pairwise when short, else the product form: each literal implies its row
// and its column of a square, and at most one row and one column may hold.
// Binary clauses only, and few new variables.
void CnfWriter::AtMostOne(const std::vector<int>& literals)
{
    const std::size_t n = literals.size();
    if (n <= 6) {
        for (std::size_t i = 0; i < n; ++i) {
            for (std::size_t j = i + 1; j < n; ++j)
                Clause({ -literals[i], -literals[j] });
        }
        return;
    }
    const auto rows = static_cast<std::size_t>(std::ceil(std::sqrt(static_cast<double>(n))));
    const std::size_t columns = (n + rows - 1) / rows;
    std::vector<int> row(rows);
    std::vector<int> column(columns);
    for (int& literal : row)
        literal = NewVariable();
    for (int& literal : column)
        literal = NewVariable();
    for (std::size_t i = 0; i < n; ++i) {
        Clause({ -literals[i], row[i / columns] });
        Clause({ -literals[i], column[i % columns] });
    }
    AtMostOne(row);
    AtMostOne(column);
}

// Sequential counter: count[i][j] holds when at least j + 1 of the first i + 1
// literals hold.
void CnfWriter::AtMostK(const std::vector<int>& literals, std::int32_t k)
{
    const auto n = static_cast<std::int32_t>(literals.size());
    if (n <= k)
        return;
    if (k <= 0) {
        for (int literal : literals)
            Clause({ -literal });
        return;
    }
    std::vector<int> previous(ToIndex(k), -mTrue);
    std::vector<int> current(ToIndex(k));
    for (std::int32_t i = 0; i < n; ++i) {
        const int x = literals[ToIndex(i)];
        Clause({ -x, -previous[ToIndex(k - 1)] });
        if (i == n - 1)
            break;
        for (std::int32_t j = 0; j < k; ++j) {
            current[ToIndex(j)] = NewVariable();
            const int counted = current[ToIndex(j)];
            Clause({ -previous[ToIndex(j)], counted });
            if (j == 0)
                Clause({ -x, counted });
            else
                Clause({ -x, -previous[ToIndex(j - 1)], counted });
        }
        std::swap(previous, current);
    }
}

} // namespace belltide
