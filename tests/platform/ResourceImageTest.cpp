// SPDX-License-Identifier: MIT
// Images from the resource tables: a damaged one is refused whole, wherever
// it is used, and a sound one is shown or written at its size.

#include "DialogTestSupport.h"

#include "platform/IconFile.h"
#include "tests/support/TempDir.h"

#include <filesystem>

using namespace dialogtest;

namespace {

using ResourceImageTest = DialogTest;

TEST_F(ResourceImageTest, AnIconStaticAskedForADamagedIconKeepsTheIconItShows)
{
    CTestDlg dialog;
    Run(dialog, [](CDialog& dlg) {
        auto* pIcon = dynamic_cast<CStatic*>(dlg.GetDlgItem(IDC_ICON));
        ASSERT_NE(pIcon, nullptr);
        for (UINT n = 0; n < DamagedIcons().size(); ++n) {
            EXPECT_FALSE(pIcon->SetIconID(kFirstDamagedIcon + n)) << n;
            EXPECT_EQ(Testing::ControlRect(dlg, IDC_ICON).Size(), CSize(32, 32)) << n;
            EXPECT_EQ(Testing::ControlPixel(dlg, IDC_ICON, 2, 2), RGB(255, 0, 0)) << n;
        }
        // Icons that are not there at all are refused the same way.
        EXPECT_FALSE(pIcon->SetIconID(kFirstDamagedIcon + 100));
        EXPECT_EQ(Testing::ControlPixel(dlg, IDC_ICON, 2, 2), RGB(255, 0, 0));
    });
}

// Width and height from a PNG file's header chunk (big-endian, after the
// eight-byte signature and the chunk's length and type).
std::pair<unsigned, unsigned> PngSize(const std::string& bytes)
{
    auto at = [&](size_t i) {
        unsigned v = 0;
        for (size_t k = 0; k < 4; ++k)
            v = (v << 8) | static_cast<unsigned char>(bytes[i + k]);
        return v;
    };
    return bytes.size() >= 24 ? std::pair {at(16), at(20)} : std::pair {0u, 0u};
}

TEST(IconFile, IsWrittenFromASoundSquareImageOnly)
{
    trellis::test::TempDir dir;
    const std::string strGood = dir.File("good.png").string();
    ASSERT_TRUE(AfxWriteIconFile(TestResources().icons.at(kIcon), 48, strGood.c_str()));
    const std::string png = trellis::test::TempDir::Read(strGood);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(PngSize(png), (std::pair {48u, 48u}));

    for (size_t n = 0; n < DamagedIcons().size(); ++n) {
        const std::string strPath = dir.File("damaged" + std::to_string(n) + ".png").string();
        EXPECT_FALSE(AfxWriteIconFile(DamagedIcons()[n], 48, strPath.c_str())) << n;
        EXPECT_FALSE(std::filesystem::exists(strPath)) << n;
    }
    // A sound image that is not square makes no icon either.
    ImageResource wide = TestResources().icons.at(kIcon);
    wide.nHeight = 16;
    wide.rows.resize(16);
    EXPECT_FALSE(AfxWriteIconFile(wide, 48, dir.File("wide.png").string().c_str()));
    EXPECT_FALSE(std::filesystem::exists(dir.File("wide.png")));
}

}  // namespace
