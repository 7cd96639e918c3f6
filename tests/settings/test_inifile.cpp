// The INI text editor: what a read finds, and that a write changes nothing but its line.

#include "platform/inifile.h"

#include "support/qt_print.h"
#include <gtest/gtest.h>

namespace {

struct FindCase
{
    const char* name;
    QByteArray text;
    QByteArray section;
    QByteArray key;
    std::optional<QByteArray> expected;
};

class IniFind : public ::testing::TestWithParam<FindCase>
{};

TEST_P(IniFind, FindsTheValueAsItStands)
{
    const FindCase& c = GetParam();
    EXPECT_EQ(Ini::FindValue(c.text, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFind,
    ::testing::Values(
        FindCase{"plain", "[Default]\nBlockSize=32\n", "Default", "BlockSize", "32"},
        FindCase{"names_ignore_case_and_blanks", "  [ default ]\n  blocksize =7\n", "Default",
                 "BlockSize", "7"},
        FindCase{"value_kept_exactly", "[S]\nk= a b ;c=\"d\" \r\n", "S", "k", " a b ;c=\"d\" "},
        FindCase{"empty_value_is_present", "[S]\nk=\n", "S", "k", ""},
        FindCase{"last_line_without_newline", "[S]\nk=v", "S", "k", "v"},
        FindCase{"cr_at_the_very_end", "[S]\nk=v\r", "S", "k", "v"},
        FindCase{"first_key_wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
        FindCase{"first_section_wins", "[S]\nk=1\n[S]\nk=2\n", "S", "k", "1"},
        FindCase{"key_of_another_section", "[A]\nk=1\n[B]\n", "B", "k", std::nullopt},
        FindCase{"key_before_any_section", "k=1\n[S]\n", "S", "k", std::nullopt},
        FindCase{"commented_key", "[S]\n;k=1\n", "S", "k", std::nullopt},
        FindCase{"garbage_lines_skipped", "[S]\nnonsense\n=x\n[broken\nk=v\n", "S", "k", "v"},
        FindCase{"missing_section", "[A]\nk=1\n", "S", "k", std::nullopt},
        FindCase{"empty_text", "", "S", "k", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct EditCase
{
    const char* name;
    QByteArray before;
    QByteArray after;
};

class IniSet : public ::testing::TestWithParam<EditCase>
{};

// Every case sets [A] y=2.
TEST_P(IniSet, ChangesOnlyWhatItMust)
{
    QByteArray text = GetParam().before;
    ASSERT_TRUE(Ini::SetValue(text, "A", "y", "2"));
    EXPECT_EQ(text, GetParam().after);
    EXPECT_EQ(Ini::FindValue(text, "A", "y"), QByteArray("2"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniSet,
    ::testing::Values(EditCase{"new_file", "", "[A]\ny=2\n"},
                      EditCase{"replaces_in_place", "; top\n[A]\nx=1\n  Y = old \nz=3\n",
                               "; top\n[A]\nx=1\nY=2\nz=3\n"},
                      EditCase{"adds_after_last_key", "[A]\nx=1\n\n; about B\n[B]\ny=9\n",
                               "[A]\nx=1\ny=2\n\n; about B\n[B]\ny=9\n"},
                      EditCase{"adds_after_header", "[A]\n[B]\n", "[A]\ny=2\n[B]\n"},
                      EditCase{"no_final_newline", "[A]\nx=1", "[A]\nx=1\ny=2\n"},
                      EditCase{"cr_at_the_very_end", "[A]\nx=1\r", "[A]\nx=1\r\ny=2\n"},
                      EditCase{"crlf_file_cr_at_the_end", "[B]\r\nx=1\r",
                               "[B]\r\nx=1\r\n\r\n[A]\r\ny=2\r\n"},
                      EditCase{"appends_section", "[B]\nx=1\n", "[B]\nx=1\n\n[A]\ny=2\n"},
                      EditCase{"appends_after_blank", "[B]\nx=1\n\n", "[B]\nx=1\n\n[A]\ny=2\n"},
                      EditCase{"keeps_crlf", "[B]\r\nx=1\r\n", "[B]\r\nx=1\r\n\r\n[A]\r\ny=2\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniSet, RefusesWhatCannotStayOnOneLine)
{
    const QByteArray original = "[A]\nx=1\n";
    const struct
    {
        QByteArray section, key, value;
    } refused[] = {
        {"A", "x", "a\nb"}, {"A", "x", "a\r"},   {"A", "x", QByteArray("a\0b", 3)},
        {"A]", "x", "v"},   {"A\n[B", "x", "v"}, {"", "x", "v"},
        {"A", "x=y", "v"},  {"A", ";x", "v"},    {"A", "[x]", "v"},
        {"A", " x", "v"},   {"A", "", "v"},
    };
    for (const auto& r : refused) {
        QByteArray text = original;
        EXPECT_FALSE(Ini::SetValue(text, r.section, r.key, r.value))
            << r.section.constData() << " " << r.key.constData();
        EXPECT_EQ(text, original);
    }
}

TEST(IniDelete, RemovesEveryOccurrenceButKeepsComments)
{
    QByteArray text = "; file\n[A]\nx=1\n\n[Recent File List]\nFile1=/a\n; note\nOther=x\n\n"
                      "[B]\ny=2\n[recent file list]\nFile9=/z\n";
    Ini::DeleteSection(text, "Recent File List");
    EXPECT_EQ(text, "; file\n[A]\nx=1\n\n; note\n[B]\ny=2\n");
}

TEST(IniDelete, RewritingASectionDoesNotGrowTheFile)
{
    QByteArray text = "[A]\nx=1\n";
    for (int run = 0; run < 3; ++run) {
        Ini::DeleteSection(text, "R");
        ASSERT_TRUE(Ini::SetValue(text, "R", "File1", "/a"));
    }
    EXPECT_EQ(text, "[A]\nx=1\n\n[R]\nFile1=/a\n");
}

TEST(IniParseInt, ReadsLeadingDecimalDigitsElseTheDefault)
{
    const struct
    {
        QByteArray text;
        UINT expected;
    } cases[] = {
        {"0", 0},
        {"32", 32},
        {"  7", 7},
        {"12abc", 12},
        {"+5", 5},
        {"-1", UINT(-1)},
        {"-2147483648", 0x80000000u},
        {"4294967295", 4294967295u},
        {"", 99},
        {"abc", 99},
        {"-", 99},
        {"0x10", 0},
        {"4294967296", 99},
        {"-2147483649", 99},
        {"99999999999999999999999", 99},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Ini::ParseInt(c.text, 99), c.expected) << c.text.constData();
}

} // namespace
