// The files of the text window and the viewer: shown as their lines, written back unchanged
// where nothing was changed, and the messages of a missing file.
#include "manager/text_files.hpp"
#include "tests/manager/manager_fixtures.hpp"

#include <gtest/gtest.h>

namespace {

TEST(TextFiles, ShownAndWrittenBackUnchanged) {
    testsupport::TempDir dir;
    const std::string path = dir.str() + "D1.TXT";
    for (const std::string text : {"a\n\nb\n", "a\n\n", "\nx\n", "eine Zeile\n"}) {
        ASSERT_TRUE(slab::writeFileAtomic(path, text));
        const auto shown = tarvik::readShownText(path, false);
        ASSERT_TRUE(shown);
        ASSERT_TRUE(tarvik::writeEditedText(path, *shown, false));
        EXPECT_EQ(slab::readFileText(path), text) << text;
    }
    // Windows line ends read as lines and are written as "\n".
    ASSERT_TRUE(slab::writeFileAtomic(path, "a\r\nb\r\n"));
    EXPECT_EQ(tarvik::readShownText(path, false), "a\nb");
    ASSERT_TRUE(tarvik::writeEditedText(path, "a\r\nb", false));
    EXPECT_EQ(slab::readFileText(path), "a\nb\n");
    EXPECT_EQ(tarvik::readShownText(dir.str() + "fehlt", false), std::nullopt);
    EXPECT_FALSE(tarvik::writeEditedText(dir.str() + "fehlt/a", "x", false));
}

TEST(TextFiles, MessagesOfAMissingFile) {
    EXPECT_EQ(tarvik::textWindowMissing("/d/D2.TXT"), "Die Datei /d/D2.TXT fehlt.");
    EXPECT_EQ(tarvik::viewerMissing("/d/D1.TXT"),
              "Es wurde noch keine Diskretisierung vorgenommen. Die Datei /d/D1.TXT fehlt.");
    EXPECT_EQ(tarvik::viewerMissing("/d/ECHO_S.P1"), "Die Datei /d/ECHO_S.P1 fehlt.");
    EXPECT_EQ(tarvik::cannotCreate("/d/x"), "Die Datei /d/x kann nicht angelegt werden.");
}

} // namespace
