#pragma once

#include <bit>
#include <cstdint>
#include <vector>

// Marks a function that counts the bits of many masks in a loop. On x86-64 Linux it is built
// twice, with the processor's popcount instruction and without it (the baseline x86-64 the
// programs are built for lacks it), and the copy the processor runs is chosen at start.
#if defined(__x86_64__) && defined(__linux__) && defined(__GNUC__)
#define SLIP_POPCOUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#else
#define SLIP_POPCOUNT_CLONES
#endif

// A set of lottery numbers 1..128 as two 64-bit words: number n is bit n - 1 of `low` for n up
// to 64, bit n - 65 of `high` above. The 6- and 7-number games never use `high`.
struct NumberMask {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    static constexpr int highestNumber = 128;

    // Numbers outside 1..128 are not added.
    constexpr void add(int number) {
        if (number >= 1 && number <= 64) {
            low |= std::uint64_t{1} << (number - 1);
        } else if (number > 64 && number <= highestNumber) {
            high |= std::uint64_t{1} << (number - 65);
        }
    }
    constexpr bool contains(int number) const {
        if (number >= 1 && number <= 64) {
            return (low >> (number - 1)) & 1;
        }
        return number > 64 && number <= highestNumber && ((high >> (number - 65)) & 1);
    }
    constexpr int count() const { return std::popcount(low) + std::popcount(high); }
    constexpr NumberMask operator&(const NumberMask& other) const {
        return {low & other.low, high & other.high};
    }
    constexpr NumberMask operator|(const NumberMask& other) const {
        return {low | other.low, high | other.high};
    }
    constexpr bool operator==(const NumberMask& other) const = default;

    // The numbers, ascending.
    std::vector<int> numbers() const {
        std::vector<int> list;
        list.reserve(std::size_t(count()));
        for (std::uint64_t rest = low; rest != 0; rest &= rest - 1) {
            list.push_back(std::countr_zero(rest) + 1);
        }
        for (std::uint64_t rest = high; rest != 0; rest &= rest - 1) {
            list.push_back(std::countr_zero(rest) + 65);
        }
        return list;
    }
};
