// Shared by the load editor's window tests: the window opened on a position holding the 10 m ×
// 8 m slab of 1 m cells with an opening, world points as widget positions, the form dialogs'
// fields, and the same session on the console.
#pragma once

#include "tests/loads/grid_meshes.hpp"
#include "tests/qt/modal_answers.hpp"
#include "tests/qt/modal_dialogs.hpp"
#include "tests/support/test_support.hpp"
#include "ui/daskel/daskel_console.hpp"
#include "ui/daskel/daskel_window.hpp"
#include "ui/qt/form_dialog.hpp"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

namespace daskeltest {

/// Elements are numbered row by row from the lower left, ten to a row, without the two cells
/// of the opening (x 4 to 6, y 4 to 5); nodes likewise, eleven to a row.
struct WindowOnPosition {
    testsupport::TempDir data, work;
    daskel::DaskelWindow window;
    WindowOnPosition() {
        std::filesystem::create_directories(dir());
        EXPECT_TRUE(gridtest::writeGridModel(gridtest::slabWithOpening(), dir()));
        EXPECT_TRUE(window.start(".P1 @" + data.str(), work.str()));
        window.resize(1000, 700);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    std::string dir() const { return data.str() + "SDIRFEMP1/"; }
    /// The widget position of a world point.
    QPoint at(double x, double y) const {
        const auto p = window.drawing()->mapping().toDevice({x, y});
        return QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    }
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.drawing(), button, {}, at(x, y));
    }
    /// A key pressed in the window, made active first as the user's click would (a message box
    /// that has just closed may have left another window active).
    void key(Qt::Key k) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, k);
    }
    float elementLoad(int e) const {
        return window.editor().loads().elementLoads[e].v[slab::ElementLoadRecord::kAreaLoad];
    }
    float edgeLoad(int e, int k) const {
        return window.editor().loads().elementLoads[e].v[slab::ElementLoadRecord::kEdgeLoad + k -
                                                         1];
    }
    double nodeValue(int n, int column) const {
        return daskel::nodeValue(window.editor().loads(), n, column);
    }
    std::string caption() const { return window.windowTitle().toStdString(); }
};

/// The form dialog a step is given.
inline qtui::FormDialog& form(QDialog& d) {
    auto* f = dynamic_cast<qtui::FormDialog*>(&d);
    EXPECT_NE(f, nullptr) << d.windowTitle().toStdString();
    return *f;
}

/// Sets a field of a form dialog.
inline void fill(QDialog& d, std::string_view label, const char* text) {
    QLineEdit* field = form(d).field(label);
    ASSERT_NE(field, nullptr) << label;
    field->setText(QString::fromUtf8(text));
}

/// A field's text.
inline std::string shown(QDialog& d, std::string_view label) {
    return form(d).text(label);
}

/// The console's output of a script on the position of `data`.
inline std::string consoleSession(const std::string& data, const std::string& work,
                                  const std::string& script,
                                  scene::PictureOutput* pictures = nullptr) {
    std::istringstream in(script);
    std::ostringstream out;
    ui::LineInput input(in);
    daskel::runConsole(".P1 @" + data, work, input, out, pictures);
    return out.str();
}

} // namespace daskeltest
