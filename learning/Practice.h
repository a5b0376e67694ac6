#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What Results hands the main window to practise.
namespace learning {

// What to tick: operations of results::Operations and numbers 0 to 10, each in order.
struct Practice
{
    std::string operations;
    std::vector<int> numbers;
    bool Empty() const { return numbers.empty(); }
};

// A problem to ask again: its sign, and its operands top to bottom as it was posed.
struct Asked
{
    char operation = '+';
    std::vector<int64_t> operands;
    bool operator==(const Asked&) const = default;
};

} // namespace learning
