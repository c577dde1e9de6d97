#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/StartRow.h"
#include "design/Text.h"

namespace trivelan::testing {
namespace {

using Action = design::CommandLine::Action;

// A command line, and what comes of it: the row to start with, or the text
// shown (help, version, or what was wrong, in Bulgarian). The rows a teacher
// hands out, and the usual slips, are the scenario table's.
TEST(StartRow, TheCommandLineTakesOneRowOrHelpOrVersion) {
    const std::u16string expected = u"очакват се 15 цифри от 0 до 9.";
    const struct {
        std::vector<std::u16string> args;
        Action action;
        std::u16string rowOrMessage;
    } cases[] = {
        {{}, Action::Run, u""},
        {{u"--row", u"001120000001111"}, Action::Run, u"001120000001111"},
        {{u"--row=900000000000009"}, Action::Run, u"900000000000009"},
        {{u"--row=1"}, Action::Refuse, u"Редицата има 1 знак: " + expected},
        {{u"--row="}, Action::Refuse, u"Редицата е празна: " + expected},
        {{u"--row"}, Action::Refuse, u"След --row липсва редицата: " + expected},
        {{u"--row", u"0011200000011a1"},
         Action::Refuse,
         u"Знак 14 на редицата не е цифра: " + expected},
        {{u"--row", u"00112000000111\U0001F600"},
         Action::Refuse,
         u"Знак 15 на редицата не е цифра: " + expected},
        {{u"--row", std::u16string(300, u'1')},
         Action::Refuse,
         u"Редицата е твърде дълга: " + expected},
        {{u"--row", u"001120000001111", u"--row=001120000001111"},
         Action::Refuse,
         u"--row е дадено повече от веднъж: очаква се една редица."},
        {{u"--bogus"}, Action::Refuse, u"Непозната опция „--bogus“."},
        {{u"file.txt"}, Action::Refuse, u"Неочакван аргумент „file.txt“."},
        {{u"-" + std::u16string(50, u'x')},
         Action::Refuse,
         u"Непозната опция „-" + std::u16string(39, u'x') + u"…“."},
        {{u"--help", u"--version"}, Action::Refuse, u"--help не се дава с други аргументи."},
        {std::vector<std::u16string>(9, u"--row=001120000001111"), Action::Refuse,
         u"Твърде много аргументи."},
        {{u"--version"}, Action::Version, u"trivelan " + design::FromUtf8(kVersionText, 16)},
    };
    for (const auto& c : cases) {
        const design::CommandLine line = design::ReadCommandLine(c.args);
        const std::string trace = design::ToUtf8(c.args.empty() ? u"" : c.args.front());
        EXPECT_EQ(line.action, c.action) << trace;
        EXPECT_EQ(c.action == Action::Run ? line.start.digits : line.message, c.rowOrMessage)
            << trace;
    }
    EXPECT_NE(design::ReadCommandLine({{u"-h"}}).message.find(u"--row ЦИФРИ"),
              std::u16string::npos);
    // In a terminal one line; in a box (no console) the hint below the error.
    const std::u16string bogus[] = {u"--bogus"};
    for (const bool terminal : {true, false}) {
        EXPECT_EQ(design::AnswerCommandLine(bogus, terminal).text,
                  terminal ? u"trivelan: Непозната опция „--bogus“. Вижте trivelan --help.\n"
                           : u"Непозната опция „--bogus“.\n\nВижте trivelan --help.");
    }
}

// The page's address: "#row=" and a row, or no row at all.
TEST(StartRow, TheAddressNamesARow) {
    EXPECT_EQ(design::ReadAddress(u"#row=001120000001111").digits, u"001120000001111");
    EXPECT_EQ(design::ReadAddress(u"#row=12").problem.substr(0, 16), u"Редицата има 2 з");
    for (const std::u16string other : {u"", u"#", u"#top", u"#ROW=001120000001111"}) {
        const design::RowReading none = design::ReadAddress(other);
        EXPECT_TRUE(none.digits.empty() && none.problem.empty()) << design::ToUtf8(other);
    }
    EXPECT_EQ(design::RowAddress(u"001120000001111"), u"#row=001120000001111");
}

// UTF-8 from a command line: whole characters, and U+FFFD for a broken one.
TEST(StartRow, CommandLineBytesAsText) {
    EXPECT_EQ(design::FromUtf8("ред\xF0\x9F\x98\x80", 64), u"ред\U0001F600");
    EXPECT_EQ(design::FromUtf8("a\xFA\xAD\xE2\x82", 64), u"a\uFFFD\uFFFD\uFFFD\uFFFD");
    // A surrogate's bytes, and a code point past U+10FFFF: no character at all.
    EXPECT_EQ(design::FromUtf8("\xED\xA0\x80|\xF4\x90\x80\x80", 64),
              u"\uFFFD\uFFFD\uFFFD|\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(design::FromUtf8("0123456789", 4), u"0123");
    EXPECT_EQ(design::ToUtf8(u"ред\U0001F600"), "ред\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace trivelan::testing
