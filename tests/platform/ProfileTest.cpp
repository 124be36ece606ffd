// SPDX-License-Identifier: MIT
// The application's profile: defaults, 32-bit round trips, unreadable values,
// and the temporary store that keeps tests away from the user's settings.

#include "platform/WinApp.h"
#include "platform/testing/TestingShell.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    ProfileTest() { m_app.SetRegistryKey(u"Quillon Software"); }

    Testing::TemporarySettings m_settings;
    CWinApp m_app {u"trellis"};
};

}  // namespace

TEST_F(ProfileTest, AbsentValuesGiveTheDefault)
{
    EXPECT_EQ(m_app.GetProfileInt(u"options", u"mode", 1), 1u);
    EXPECT_EQ(m_app.GetProfileInt(u"options", u"cluesize", 38), 38u);
    EXPECT_EQ(m_app.GetProfileInt(u"color", u"0", static_cast<int>(0xFFFFFFFF)), 0xFFFFFFFFu);
    // A section of that name does not make a value of it.
    ASSERT_TRUE(m_app.WriteProfileInt(u"options", u"mode", 0));
    EXPECT_EQ(m_app.GetProfileInt(u"options", u"mode/x", 5), 5u);
    EXPECT_EQ(m_app.GetProfileInt(u"color", u"mode", 7), 7u);
}

TEST_F(ProfileTest, ValuesRoundTripAsThirtyTwoBits)
{
    const int values[] = {0, 1, 25, 0x00FFFFFF, -1, INT_MAX, INT_MIN};
    int nEntry = 0;
    for (int nValue : values) {
        const std::u16string strEntry = fs::path(std::to_string(nEntry++)).u16string();
        ASSERT_TRUE(m_app.WriteProfileInt(u"color", strEntry.c_str(), nValue));
    }
    // Read back by a later application object, as at the next start.
    CWinApp next(u"trellis");
    next.SetRegistryKey(u"Quillon Software");
    nEntry = 0;
    for (int nValue : values) {
        const std::u16string strEntry = fs::path(std::to_string(nEntry++)).u16string();
        EXPECT_EQ(next.GetProfileInt(u"color", strEntry.c_str(), 12345), static_cast<UINT>(nValue)) << nValue;
    }
    // Overwriting keeps the newest value.
    ASSERT_TRUE(next.WriteProfileInt(u"color", u"0", 7));
    EXPECT_EQ(next.GetProfileInt(u"color", u"0", 12345), 7u);
}

TEST_F(ProfileTest, UnreadableStoredValuesGiveTheDefault)
{
    const char16_t* odd[] = {u"abc", u"1.5", u"", u"12abc", u"4294967296", u"-2147483649", u"1,2", u"0x"};
    for (const char16_t* pszValue : odd) {
        m_settings.WriteRaw(u"options", u"square", pszValue);
        EXPECT_EQ(m_app.GetProfileInt(u"options", u"square", 20), 20u) << fs::path(pszValue).u8string();
    }
    const std::pair<const char16_t*, UINT> readable[] = {
        {u"4294967295", 0xFFFFFFFFu}, {u"-1", 0xFFFFFFFFu}, {u" 42 ", 42u}, {u"0x1F", 31u}, {u"010", 10u},
    };
    for (const auto& [pszValue, nExpected] : readable) {
        m_settings.WriteRaw(u"options", u"square", pszValue);
        EXPECT_EQ(m_app.GetProfileInt(u"options", u"square", 20), nExpected) << fs::path(pszValue).u8string();
    }
}

#ifndef _WIN32
// A pipe in the settings file's place: defaults at once, writes refused, and
// the pipe left as it is (an open of it would wait for a writer forever).
TEST_F(ProfileTest, APipeInPlaceOfTheStoreGivesDefaultsWithoutWaiting)
{
    const fs::path folder = fs::path(m_settings.Folder()) / "Quillon Software";
    fs::create_directories(folder);
    ASSERT_EQ(mkfifo((folder / "trellis.ini").c_str(), 0600), 0);
    EXPECT_EQ(m_app.GetProfileInt(u"options", u"square", 20), 20u);
    EXPECT_FALSE(m_app.WriteProfileInt(u"options", u"square", 30));
    EXPECT_TRUE(fs::is_fifo(folder / "trellis.ini"));
}
#endif

TEST(ProfileIsolation, EachTemporaryStoreStartsEmptyInItsOwnFolder)
{
    CWinApp app(u"trellis");
    app.SetRegistryKey(u"Quillon Software");
    fs::path firstFolder;
    {
        Testing::TemporarySettings settings;
        firstFolder = settings.Folder();
        ASSERT_TRUE(app.WriteProfileInt(u"options", u"square", 33));
        EXPECT_TRUE(fs::is_regular_file(firstFolder / "Quillon Software" / "trellis.ini"));
    }
    EXPECT_FALSE(fs::exists(firstFolder));  // removed with its store
    Testing::TemporarySettings settings;
    EXPECT_EQ(app.GetProfileInt(u"options", u"square", 20), 20u);
}

TEST_F(ProfileTest, TextsRoundTripBesideTheNumbersAndOddOnesGiveTheDefault)
{
    // A comma, quotes, a leading blank and letters beyond Latin-1: stored and
    // read back as they were, by a later application object.
    const std::u16string texts[] = {u"Liberation Sans", u"/home/me/Puzzles, 2024", u"\"quoted\"", u" leading",
                                    u"\u00e9t\u00e9 \u6f22\u5b57"};
    int nEntry = 0;
    for (const std::u16string& strText : texts) {
        const std::u16string strEntry = fs::path("t" + std::to_string(nEntry++)).u16string();
        ASSERT_TRUE(m_app.WriteProfileString(u"folders", strEntry.c_str(), strText.c_str()));
    }
    ASSERT_TRUE(m_app.WriteProfileInt(u"folders", u"n", 7));
    CWinApp next(u"trellis");
    next.SetRegistryKey(u"Quillon Software");
    nEntry = 0;
    for (const std::u16string& strText : texts) {
        const std::u16string strEntry = fs::path("t" + std::to_string(nEntry++)).u16string();
        EXPECT_EQ(next.GetProfileString(u"folders", strEntry.c_str(), u"none"), strText);
    }
    // A number reads as its digits; an absent value as the default, or empty.
    EXPECT_EQ(next.GetProfileString(u"folders", u"n", u"none"), u"7");
    EXPECT_EQ(next.GetProfileString(u"folders", u"absent", u"none"), u"none");
    EXPECT_EQ(next.GetProfileString(u"folders", u"absent"), u"");
    // A list, as an outside edit of the file would leave, is no text.
    std::ofstream(fs::path(m_settings.Folder()) / "Quillon Software" / "trellis.ini", std::ios::app)
        << "\n[options]\nfontname=a, b\n";
    EXPECT_EQ(next.GetProfileString(u"options", u"fontname", u"Arial"), u"Arial");
}
