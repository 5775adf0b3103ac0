#pragma once

#include <cstdint>
#include <vector>

// Sets of ranks 1..20 as bit masks (bit r-1 stands for rank r), and the combination rules of the
// full-combination entries: which ranks a variant character plays as combination numbers, which
// K-subsets an entry plays, and whether the game's system table has the entry's system.
using RankMask = std::uint32_t;

RankMask rangeMask(int first, int last); // ranks first..last
int rankCount(RankMask mask);
std::vector<int> ranksOf(RankMask mask); // ascending

// The ranks a variant character selects as combination numbers: game 6 " " ranks 1..11, "8" and
// "9" the 8 and 9 highest of 1..n; game 7 "*" ranks 1..10, any other 1..11; game 5 ranks 1..12.
RankMask combinationSet(int game, int n, char variant);

// The K-subsets played by FIX ranks fix together with the combination set: fix plus every
// (K - |fix|)-subset of the set.
std::vector<RankMask> playedSubsets(RankMask fix, RankMask combinationSet, int k);

// True when the system "f cc" (f FIX numbers, cc combination numbers) is in the game's table.
bool systemExists(int game, int fixCount, int combinationCount);

// Every K-subset of ranks 1..n in lexicographic order of their ascending rank lists.
std::vector<RankMask> allSubsets(int n, int k);
