#pragma once

// Small pure routines of the game model: counting, number geometry, membership tests and
// the stable in-place sorts. They run inside the statistics loops, so they allocate nothing
// unless an output array grows.

#include "core/GameTypes.h"

namespace core {

long double Factorial(int n);
// Nearest integer, ties to even (the rounding of the program's stored values).
std::int64_t RoundHalfEven(long double value);
// num / den rounded to the nearest integer, ties to even, exactly; den > 0.
std::int64_t DivRoundHalfEven(std::int64_t num, std::int64_t den);
// 1 when k >= n; otherwise n!/((n-k)!k!) rounded to the nearest integer.
std::int64_t Binomial(int n, int k);
// Combinations of n out of N sharing exactly k numbers with one given combination.
std::int64_t HitCombinations(int N, int n, int k);
// The number of all combinations, C(54,5).
std::int64_t TotalCombs();

int RunSumUp(int a, int count);
int RunSumDown(int a, int count);
int GroupCount(int first, int last, int size);
int CeilDiv(int a, int b);
int MatrixCol(int n, int cols);
int MatrixRow(int n, int cols);
int ShiftNumber(int n, int d);
TComb ShiftComb(const TComb& c, int d);
TByteArray DiffChain(const std::uint8_t* seq, int len, int mode);

// 0x00BBGGRR colour of number n for the channel size; 255 (red) outside 1..54.
std::uint32_t NumberColor(int n, int size);

bool InDraw(int n, const TDrawRec& draw);
bool InComb(int n, const TComb& comb);
bool InByteArray(int n, const TByteArray& arr);
void ByteArrayAddUnique(int n, TByteArray& arr);
void ByteArrayAdd(int n, TByteArray& arr);
bool GroupInDraw(int g, const TDrawRec& draw, int size);
bool TableInDraw(int v, const TDrawRec& draw, const std::uint8_t* table);
int SameNumbersCount(const TDrawRec& draw, const TComb& comb);
int SameNumbersCount2(const TDrawRec& a, const TDrawRec& b);
TValueSet DrawIntersect(const TDrawRec& draw, const TValueSet& set);
bool ValueSetEqual(const TValueSet& a, const TValueSet& b);
int DistinctNumbers(const TComb* combs, std::size_t count);
TByteArray CollectNumbers(const TComb* combs, std::size_t count);
TComb CombFromDraw(const TDrawRec& draw);
TValueSet ValueSetFromComb(const TComb& comb);

void SortComb(TComb& comb);
void SortDrawValues(TDrawRec& draw);
void SortValueSet(TValueSet& set);
void SortIntArrayDesc(TIntArray& arr);
void SortStatSimple(TStatSimpleArray& arr);
void StatDrawSort(TStatDrawArray& arr);

} // namespace core
