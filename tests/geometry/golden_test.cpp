// The files saving a small slab writes, compared byte for byte with the fixtures under
// tests/geometry/fixtures/; a mismatch leaves the actual file beside its fixture as <name>.actual.
#include "common/file_io.hpp"
#include "geometry/editor.hpp"
#include "tests/support/golden.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"

#include "scene/picking.hpp"
#include "scene/slab_meshes.hpp"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace morvel;

namespace {

const std::string kFixtureFolder = "slab_with_opening/";

/// The date the documents of the fixtures carry: Friday, 6 March 2026.
const Date kFriday{5, 6, 3, 2026};

/// The position directory the fixture D1.TXT names in its date line.
const std::string kFixtureDirectory = "/daten/SDIRFEMP1/";

/// The bytes equal the fixture `name` of the saved slab; otherwise they are written to
/// <fixture>.actual.
void expectFixture(const std::string& name, const std::vector<std::uint8_t>& actual) {
    EXPECT_TRUE(testsupport::matchesFixture(kFixtureFolder + name, actual));
}

void expectFixture(const std::string& name, const std::string& actual) {
    EXPECT_TRUE(testsupport::matchesFixture(kFixtureFolder + name, actual));
}

/// A 3 x 3 mesh with the middle element deleted (an opening), a hinged outer boundary, one edge
/// on both springs and one bedded element, saved as position P1.
struct SavedSlab {
    testsupport::TempDir data, work;
    ui::ScriptedUi ui;
    Editor editor{ui, [] { return kFriday; }};

    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
    std::vector<std::uint8_t> bytes(const std::string& path) const {
        return slab::readFileBytes(path).value_or(std::vector<std::uint8_t>{});
    }

    /// Generates, opens, supports and saves the slab; false when a step failed.
    bool build() {
        if (!editor.start(".P1 @" + data.str(), work.str())) return false;
        if (!editor.generate({3, 3, 1.0, 1.5, 3e7, 0.16, 0.2})) return false;
        editor.toggleDeleteSingle();
        const bool opened = editor.deleteElement(5) == 5;
        editor.toggleDeleteSingle();
        editor.openSupports({EdgeSupport::Hinged, 0, 0});
        const bool boundary = editor.wholeBoundary().has_value();
        editor.openSupports({EdgeSupport::BothSprings, 1000, 200});
        const auto bottom = scene::segmentUnder(scene::edgeLinesOf(editor.model()), {1.5, 0.0},
                                                editor.settings().snap.radius);
        const bool springs = bottom && editor.setSupportOnLine(*bottom);
        editor.closeSupports();
        editor.model().bedding[2].v[0] = 5000.0f;
        return opened && boundary && springs && editor.save();
    }
};

} // namespace

TEST(Golden, SavedSlabWithOpeningMatchesTheFixtures) {
    SavedSlab s;
    ASSERT_TRUE(s.build()) << (s.ui.texts().empty() ? "" : s.ui.texts().back());
    ASSERT_EQ(s.editor.model().elementCount, 8);
    for (const char* name :
         {"PARAMETER", "KNOTEN1", "ELEMENTE1", "FEDER1", "BETTUNG1", "ECHO_G.P1", "CMAC.P1",
          "CWIN.P1", "PCAD.P1", "PVI", "PVI.TXT", "DIARY.P1", "LASTD", "DATEIEN"})
        expectFixture(name, s.bytes(s.dir() + name));
    expectFixture("GDUSER1", s.bytes(s.work.str() + "GDUSER1"));
    expectFixture("EXT", s.bytes(s.work.str() + "EXT"));
}

TEST(Golden, DocumentMatchesTheFixture) {
    SavedSlab s;
    ASSERT_TRUE(s.build());
    // The saved document names the temporary position directory; the fixture names a fixed one.
    const auto& m = s.editor.model();
    EXPECT_EQ(slab::readFileText(s.dir() + "D1.TXT").value_or(""),
              documentText(m, "Position P1", s.dir(), kFriday));
    expectFixture("D1.TXT", documentText(m, "Position P1", kFixtureDirectory, kFriday));
}

TEST(Golden, AMismatchLeavesTheActualFileBesideTheFixture) {
    EXPECT_NONFATAL_FAILURE(expectFixture("no_such_fixture", std::string("x")),
                            "no_such_fixture has no fixture; the actual file is");
    const std::string actual = testsupport::fixturePath(kFixtureFolder + "no_such_fixture.actual");
    EXPECT_EQ(testsupport::fileBytes(actual), "x");
    std::filesystem::remove(actual);
}
