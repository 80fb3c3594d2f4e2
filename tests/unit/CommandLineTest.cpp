// Finding the document path on the command line.
#include <gtest/gtest.h>

#include <string>

#include "app/Shell.h"

namespace {

std::wstring Argument(const wchar_t *line)
{
    std::wstring text(line);
    text.push_back(0);
    return ParseCommandLine(&text[0]);
}

TEST(CommandLineTest, QuotedPathLosesItsQuotes)
{
    EXPECT_EQ(Argument(L"\"C:\\Program Files\\Folivex\\Folivex.exe\" \"C:\\My Docs\\report.pdf\""),
              L"C:\\My Docs\\report.pdf");
}

TEST(CommandLineTest, UnquotedPathWithSpacesIsTakenWhole)
{
    EXPECT_EQ(Argument(L"\"C:\\Folivex.exe\" C:\\My Docs\\a b.pdf"), L"C:\\My Docs\\a b.pdf");
    EXPECT_EQ(Argument(L"Folivex.exe C:\\My Docs\\a b.pdf"), L"C:\\My Docs\\a b.pdf");
}

TEST(CommandLineTest, OnlyTheFirstOfTwoQuotedPathsCounts)
{
    EXPECT_EQ(Argument(L"\"Folivex.exe\" \"C:\\one.pdf\" \"C:\\two.pdf\""), L"C:\\one.pdf");
}

TEST(CommandLineTest, ProgramNameAloneGivesNoArgument)
{
    EXPECT_EQ(Argument(L"\"C:\\Program Files\\Folivex\\Folivex.exe\""), L"");
    EXPECT_EQ(Argument(L"\"C:\\Program Files\\Folivex\\Folivex.exe\"   \t "), L"");
    EXPECT_EQ(Argument(L"Folivex.exe"), L"");
    EXPECT_EQ(Argument(L""), L"");
}

TEST(CommandLineTest, ProgramNameEndsAtATab)
{
    EXPECT_EQ(Argument(L"Folivex.exe\treport.pdf"), L"report.pdf");
    EXPECT_EQ(Argument(L"Folivex.exe \t \"report.pdf\""), L"report.pdf");
}

TEST(CommandLineTest, UnclosedQuotesRunToTheEnd)
{
    EXPECT_EQ(Argument(L"\"C:\\Folivex.exe"), L"");
    EXPECT_EQ(Argument(L"Folivex.exe \"C:\\My Docs\\report.pdf"), L"C:\\My Docs\\report.pdf");
}

TEST(CommandLineTest, TextAfterTheClosingQuoteIsIgnored)
{
    EXPECT_EQ(Argument(L"Folivex.exe \"a.pdf\"trailing words"), L"a.pdf");
}

} // namespace
