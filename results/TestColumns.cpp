#include "TestColumns.h"

namespace results {

std::string StoredText(const TestRow& test, const TestColumn& column)
{
    struct Visitor
    {
        const TestRow& test;
        std::string operator()(int64_t TestRow::*field) const
        {
            return std::to_string(test.*field);
        }
        std::string operator()(std::string TestRow::*field) const { return test.*field; }
        std::string operator()(std::optional<EndReason> TestRow::*field) const
        {
            return (test.*field) ? std::string(WordsFor(*(test.*field)).stored) : std::string();
        }
    };
    return std::visit(Visitor{test}, column.field);
}

} // namespace results
