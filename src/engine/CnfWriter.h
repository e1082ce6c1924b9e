#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace CaDiCaL {
class Solver;
}

namespace belltide {

// Clauses for a SAT solver, with one variable fixed true so that literals can
// stand for constants: True() and -True(). Clauses that always hold are left
// out, false constants and repeats dropped.
class CnfWriter {
public:
    CnfWriter();
    ~CnfWriter();
    CnfWriter(const CnfWriter&) = delete;
    CnfWriter& operator=(const CnfWriter&) = delete;

    // Clauses and literals written for one kind of rule.
    struct FamilyCount {
        std::string Name;
        std::int64_t Clauses = 0;
        std::int64_t Literals = 0;
    };

    int True() const { return mTrue; }
    // Makes True() true in the solver; every clause does it first, and a
    // search must, before it assumes anything.
    void AssertTrue();
    // Clauses from now on count towards this family.
    void Family(const char* name);
    const std::vector<FamilyCount>& Families() const { return mFamilies; }
    std::int64_t LiteralCount() const { return mLiterals; }
    // Memory the solver holds for what was written so far, roughly.
    std::int64_t EstimatedBytes() const;
    int NewVariable();
    void Clause(std::initializer_list<int> literals);
    void Clause(const std::vector<int>& literals);
    void AtMostOne(const std::vector<int>& literals);
    void AtMostK(const std::vector<int>& literals, std::int32_t k);

    // Reading answers does not change the clauses, though the solver's
    // interface has no const for it.
    CaDiCaL::Solver& Solver() const { return *mSolver; }
    std::int32_t VariableCount() const { return mNextVariable - 1; }
    std::int64_t ClauseCount() const { return mClauses; }

private:
    std::unique_ptr<CaDiCaL::Solver> mSolver;
    int mNextVariable = 1;
    int mTrue = 0;
    bool mTrueAsserted = false;
    std::int64_t mClauses = 0;
    std::int64_t mLiterals = 0;
    std::vector<FamilyCount> mFamilies;
    std::size_t mFamily = 0;
    std::vector<int> mScratch;
    std::vector<int> mKept;
};

} // namespace belltide
