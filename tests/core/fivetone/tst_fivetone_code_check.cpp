#include <gtest/gtest.h>

#include "core/fivetone/FiveToneCodeCheck.h"

using namespace orvex;

TEST(FiveToneCodeBox, ChecksWhileTyping) {
    const struct {
        std::string_view text;
        bool tooLong;
        int badDigits;
    } cases[] = {
        {"", false, 0},           {"1234", false, 0},  // too short is only refused on leaving
        {"12345", false, 0},      {"ABCDF", false, 0},       {"12c45", false, 1},  // capitals only
        {"12 45", false, 1},  // the space inside counts
        {" 1234", false, 0},  // trimmed: four characters tested
        {"xyzuv", false, 5},  // one message per bad character
        {"G2345", false, 1},      {"123456", true, 0},       {"12345678", true, 0},
        {"12中45", false, 1},  // one character, not three bytes
        {"中文中文中", false, 5}, {"中文中文中文", true, 0},
    };
    for (const auto& c : cases) {
        const CodeBoxCheck check = CheckCodeBox(c.text);
        EXPECT_EQ(check.tooLong, c.tooLong) << '"' << c.text << '"';
        EXPECT_EQ(check.badDigits, c.badDigits) << '"' << c.text << '"';
    }
}

TEST(FiveToneCodeBox, Leaving) {
    const struct {
        std::string_view text;
        CodeLeave leave;
    } cases[] = {
        {"12345", CodeLeave::Store},  {" 12345 ", CodeLeave::Store},
        {"12c45", CodeLeave::Store},  {"", CodeLeave::KeepCell},
        {"   ", CodeLeave::KeepCell}, {"1", CodeLeave::Refuse},
        {"1234", CodeLeave::Refuse},  {"123456", CodeLeave::Refuse},
        {"12 4", CodeLeave::Refuse},  {"中文中文中", CodeLeave::Store},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeaveCodeBox(c.text), c.leave) << '"' << c.text << '"';
}
