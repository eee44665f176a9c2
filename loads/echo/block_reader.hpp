// Reading one load case block of the load echo: the header, each keyword's section and each
// load table on its own, with a note for whatever is cut or dropped.
#pragma once

#include "loads/echo/echo_file.hpp"
#include "loads/echo/echo_keywords.hpp"
#include "loads/echo/echo_lines.hpp"
#include "loads/echo/echo_text.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace daskel::echo {

/// Reads the block of lines [begin, end) whose first line is its block start ("LF n").
class BlockReader {
  public:
    BlockReader(const std::vector<Line>& lines, const std::vector<LineClass>& classes,
                std::size_t begin, std::size_t end, const EchoGeometry& geometry,
                std::vector<std::string>& problems)
        : lines_(lines), classes_(classes), begin_(begin), end_(end), geometry_(geometry),
          problems_(problems), number_(classes[begin].block), consumed_(end - begin, false) {}

    /// The load case of the block; nullopt (with a note) when its number is not 1 to 99.
    std::optional<LoadCase> read();

  private:
    /// The lines of one keyword's section: from behind the keyword line to the next keyword
    /// line or the end of the block.
    struct Section {
        std::size_t pos = 0, end = 0;
        std::size_t remaining() const { return end - pos; }
    };

    void note(const std::string& text);
    /// The section of a keyword, searched within the block only.
    std::optional<Section> findSection(Keyword keyword);
    std::string_view next(Section& s);
    void skipRest(Section& s);
    void noteValues(Keyword keyword);
    void noteTruncated(Keyword table, int present, int count);

    bool readCounts(int counts[4]);
    int tableCount(int given, int capacity, Keyword table);
    /// The section of a load table with `count` entries; nullopt when there is nothing to read.
    std::optional<Section> tableSection(Keyword table, int count, bool surplus);
    /// The two lines of an entry of the line, point and edge tables.
    struct Entry {
        NumberedComment head; ///< "%i %s": the entry's number and comment
        std::vector<std::string_view> data;
    };
    /// The lines of entry k of `count`; nullopt, with a note and the rest of the section passed
    /// over, when the section ends before them.
    std::optional<Entry> entryLines(Section& s, Keyword table, int k, int count,
                                    std::size_t maxComment);
    void readUniformLoads(LoadCase& lc);
    void readAreaLoads(LoadCase& lc, int count, bool surplus);
    void readLineLoads(LoadCase& lc, int count, bool surplus);
    void readPointLoads(LoadCase& lc, int count, bool surplus);
    void readEdgeLoads(LoadCase& lc, int count, bool surplus);
    /// The geometry's section at the load's coordinates gives its numbers.
    void matchSection(EdgeLoad& load) const;
    void readTemperature(LoadCase& lc);
    void readSettlementSections(LoadCase& lc);
    /// Reads a settlement section into list; returns the stated count, nullopt when absent or
    /// unusable.
    std::optional<int> readSettlements(Keyword keyword, int capacity, const char* whose,
                                       const char* range, std::vector<Settlement>& list);
    void noteUnreadLines();

    const std::vector<Line>& lines_;
    const std::vector<LineClass>& classes_;
    std::size_t begin_, end_;
    const EchoGeometry& geometry_;
    std::vector<std::string>& problems_;
    int number_;
    std::vector<bool> consumed_; ///< per line of the block: read as part of something
    bool countsKnown_ = false;   ///< the line of the four counts was read
};

} // namespace daskel::echo
