// Shared by the load editor's tests: a data path with positions on grid meshes, the editor or
// the console started on one of them, and the bytes of the files they write.
#pragma once

#include "common/file_io.hpp"
#include "loads/document.hpp"
#include "tests/loads/grid_meshes.hpp"
#include "tests/support/test_support.hpp"
#include "ui/console/scripted_ui.hpp"
#include "ui/daskel/daskel_console.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>

namespace gridtest {

struct DataPath {
    testsupport::TempDir data;
    testsupport::TempDir work;
    std::string dir(const std::string& name) const { return data.str() + "SDIRFEM" + name + "/"; }
    /// The data path as the copy dialog takes it, without its trailing "/".
    std::string path() const { return data.str().substr(0, data.str().size() - 1); }
    /// Position `name` holding the model files of the grid.
    void position(const std::string& name, const Grid& g = slabWithOpening()) const {
        std::filesystem::create_directories(dir(name));
        EXPECT_TRUE(writeGridModel(g, dir(name)));
    }
    std::unique_ptr<daskel::LoadEditor> editor(const std::string& name, ui::ScriptedUi& ui) const {
        auto paths = daskel::startPaths("." + name + " @" + data.str(), work.str(), ui);
        return std::make_unique<daskel::LoadEditor>(*paths, ui,
                                                    [] { return std::int64_t(1765000000); });
    }
    /// The console's output of a script run on position `name`.
    std::string console(const std::string& name, const std::string& script) const {
        std::istringstream in(script);
        std::ostringstream out;
        ui::LineInput input(in);
        EXPECT_EQ(daskel::runConsole("." + name + " @" + data.str(), work.str(), input, out), 0);
        return out.str();
    }
    /// A file of the position as it stands, or "(fehlt)".
    std::string bytes(const std::string& name, const std::string& file) const {
        auto b = slab::readFileBytes(dir(name) + file);
        return b ? std::string(b->begin(), b->end()) : std::string("(fehlt)");
    }
};

} // namespace gridtest
