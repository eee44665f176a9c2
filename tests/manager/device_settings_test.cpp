// The device settings files byte for byte with their defaults (PSCALA, WDEV, PMEDIUM1, PGLINFO,
// LASINFO, PLOTINFO), their dialogs' OK, and the control sequences typed as "#27 + E".
#include "manager/device_dialogs.hpp"
#include "tests/manager/manager_fixtures.hpp"
#include "tests/support/golden.hpp"

#include <gtest/gtest.h>

namespace {

using managertest::bytes;
using managertest::bytesOf;
using testsupport::fixturePath;
using testsupport::matchesFixture;

TEST(PlotParameters, DefaultsByteForByte) {
    EXPECT_TRUE(matchesFixture("pscala_defaults", tarvik::encodePlotParameters({})));
    testsupport::TempDir work;
    const tarvik::PlotParameters p = tarvik::readPlotParameters(work.str());
    EXPECT_EQ(p, tarvik::PlotParameters{});
    // What the dialog shows for a missing file.
    EXPECT_EQ(p.paperSize, 4);
    EXPECT_EQ(p.scale, 1);
    EXPECT_EQ(p.letterHeight, 1.0);
    EXPECT_EQ(p.letterWidth, 1.0);
    EXPECT_EQ(p.dxfLetterHeight, 0.1);
    EXPECT_EQ(p.reduction, 1.0f);
    EXPECT_EQ(p.direction, 1);
    EXPECT_EQ(p.dxfFiles, 0);
}

TEST(PlotParameters, ReadBackWithTheUnusedBytesKept) {
    auto image = bytes(fixturePath("pscala_a3_1_50"));
    image[55] = 0x5A; // an unused byte another program wrote
    image[99] = 0x01;
    const auto p = tarvik::decodePlotParameters(image);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->paperSize, 3);
    EXPECT_EQ(p->scale, 50);
    EXPECT_EQ(p->drawingScale, 1.5);
    EXPECT_EQ(p->reduction, 0.5f);
    EXPECT_EQ(tarvik::encodePlotParameters(*p), image);
    EXPECT_EQ(tarvik::decodePlotParameters(std::vector<std::uint8_t>(99)), std::nullopt);
}

TEST(PlotParameters, AShortFileGivesTheDefaultsAsAWhole) {
    testsupport::TempDir work;
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "PSCALA", bytesOf("\x03\x00")));
    EXPECT_EQ(tarvik::readPlotParameters(work.str()), tarvik::PlotParameters{});
}

TEST(PlotParameters, ValuesThatCannotBeStored) {
    tarvik::PlotParameters p;
    p.paperSize = 5;
    EXPECT_EQ(tarvik::plotParametersProblem(p),
              "Die Papiergröße muss DIN A0 bis A4 sein (0 bis 4).");
    p = {};
    p.scale = 0;
    EXPECT_EQ(tarvik::plotParametersProblem(p),
              "Der Maßstab 1 : n braucht ein n von mindestens 1.");
    p = {};
    p.letterHeight = 0;
    EXPECT_EQ(tarvik::plotParametersProblem(p), "Die Buchstabengrößen müssen größer als 0 sein.");
    p = {};
    p.drawingScale = -1;
    EXPECT_EQ(tarvik::plotParametersProblem(p), "Der Faktor muss größer als 0 sein.");
    p = {};
    p.direction = 3;
    EXPECT_TRUE(tarvik::plotParametersProblem(p));
    testsupport::TempDir work;
    EXPECT_TRUE(tarvik::storePlotParameters(work.str(), p).problem);
    EXPECT_FALSE(managertest::exists(work.str() + "PSCALA"));
    // A damaged factor read from a file draws at scale 1.
    p.drawingScale = 0;
    EXPECT_EQ(tarvik::overviewScaleOf(p), 1.0);
}

TEST(ScreenSize, WdevAsTwoLines) {
    EXPECT_TRUE(matchesFixture("wdev_defaults", tarvik::screenSizeText({})));
    testsupport::TempDir work;
    EXPECT_EQ(tarvik::readScreenSize(work.str()), (tarvik::ScreenSize{640, 480}));
    EXPECT_TRUE(tarvik::storeScreenSize(work.str(), {1280, 1024}).ok());
    EXPECT_TRUE(matchesFixture("wdev_1280_1024", bytes(work.str() + "WDEV")));
    EXPECT_EQ(tarvik::readScreenSize(work.str()), (tarvik::ScreenSize{1280, 1024}));
    EXPECT_EQ(tarvik::parseScreenSize("800\r\nbreit\n"), (tarvik::ScreenSize{800, 480}));
    EXPECT_EQ(tarvik::storeScreenSize(work.str(), {0, 10}).problem,
              "Breite und Höhe müssen zwischen 1 und 20000 Pixel liegen.");
}

TEST(OutputMedium, NewFileFirstThenTheOldOne) {
    testsupport::TempDir work;
    const std::string w = work.str();
    EXPECT_EQ(tarvik::readOutputMedium(w), tarvik::OutputMedium::Printer);
    // The older PMEDIUM holding 0 selects the plotter.
    ASSERT_TRUE(slab::writeFileAtomic(w + "PMEDIUM", bytesOf(std::string("\0\0", 2))));
    EXPECT_EQ(tarvik::readOutputMedium(w), tarvik::OutputMedium::Plotter);
    ASSERT_TRUE(slab::writeFileAtomic(w + "PMEDIUM", bytesOf(std::string("\1\0", 2))));
    EXPECT_EQ(tarvik::readOutputMedium(w), tarvik::OutputMedium::Printer);
    EXPECT_TRUE(tarvik::storeOutputMedium(w, tarvik::OutputMedium::Plotter).ok());
    EXPECT_TRUE(matchesFixture("pmedium1_plotter", bytes(w + "PMEDIUM1")));
    EXPECT_EQ(tarvik::readOutputMedium(w), tarvik::OutputMedium::Plotter);
    EXPECT_TRUE(tarvik::storeOutputMedium(w, tarvik::OutputMedium::Printer).ok());
    EXPECT_TRUE(matchesFixture("pmedium1_printer", bytes(w + "PMEDIUM1")));
    // Only PMEDIUM1 is written.
    EXPECT_EQ(bytes(w + "PMEDIUM"), bytesOf(std::string("\1\0", 2)));
    // A PMEDIUM1 holding neither 1 nor 2 is passed over for the older file.
    ASSERT_TRUE(slab::writeFileAtomic(w + "PMEDIUM1", bytesOf(std::string("\3\0", 2))));
    ASSERT_TRUE(slab::writeFileAtomic(w + "PMEDIUM", bytesOf(std::string("\0\0", 2))));
    EXPECT_EQ(tarvik::readOutputMedium(w), tarvik::OutputMedium::Plotter);
}

TEST(PlotterConnection, DefaultsAndAParallelPort) {
    EXPECT_TRUE(matchesFixture("plotinfo_defaults", tarvik::encodePlotterConnection({})));
    const tarvik::PlotterConnection lpt{2400, 2, 7, 'E', "LPT2"};
    EXPECT_TRUE(lpt.parallel());
    EXPECT_TRUE(matchesFixture("plotinfo_lpt2", tarvik::encodePlotterConnection(lpt)));
    EXPECT_EQ(tarvik::decodePlotterConnection(bytes(fixturePath("plotinfo_lpt2"))), lpt);
    testsupport::TempDir work;
    EXPECT_EQ(tarvik::readPlotterConnection(work.str()), tarvik::PlotterConnection{});
    EXPECT_EQ(tarvik::plotterConnectionProblem({1000, 1, 8, 'N', "COM1"}),
              "Die Baudrate ist 150, 300, 600, 1200, 2400, 4800 oder 9600.");
    EXPECT_EQ(tarvik::plotterConnectionProblem({9600, 3, 8, 'N', "COM1"}),
              "Die Zahl der Stopbits ist 1 oder 2.");
    EXPECT_EQ(tarvik::plotterConnectionProblem({9600, 1, 9, 'N', "COM1"}),
              "Die Zahl der Datenbits ist 7 oder 8.");
    EXPECT_EQ(tarvik::plotterConnectionProblem({9600, 1, 8, 'X', "COM1"}),
              "Die Parität ist None, Even oder Odd.");
    EXPECT_EQ(tarvik::plotterConnectionProblem({9600, 1, 8, 'N', "COM3"}),
              "Die Schnittstelle ist LPT1, LPT2, COM1 oder COM2.");
}

TEST(ControlSequences, TypedCodesBecomeBytes) {
    EXPECT_EQ(tarvik::controlBytes("#27 + % + 0 + B + ;").bytes, "\x1b%0B;");
    EXPECT_EQ(tarvik::controlBytes("#27 + E").bytes, "\x1b"
                                                     "E");
    EXPECT_EQ(tarvik::controlBytes("#27").bytes, "\x1b");
    EXPECT_EQ(tarvik::controlBytes("").bytes, "");
    // A code ends at its first non-digit, which counts on its own.
    EXPECT_EQ(tarvik::controlBytes("#27+E").bytes, "\x1b"
                                                   "E");
    EXPECT_EQ(tarvik::controlBytes("#27E#13#10").bytes, "\x1b"
                                                        "E\r\n");
    EXPECT_EQ(tarvik::controlBytes("#255").bytes, "\xff");
}

TEST(ControlSequences, WhatCannotBeSentIsRefused) {
    EXPECT_TRUE(tarvik::controlBytes("#").problem);
    EXPECT_TRUE(tarvik::controlBytes("#A").problem);
    EXPECT_TRUE(tarvik::controlBytes("#0").problem); // would end the string
    EXPECT_TRUE(tarvik::controlBytes("#256").problem);
    EXPECT_TRUE(tarvik::controlBytes("#1000").problem);
    EXPECT_EQ(tarvik::controlBytes("ä").problem,
              "Die Steuerfolge enthält ein Zeichen, das so nicht gesendet werden kann; bitte als "
              "# + ASCII-Code eingeben.");
    EXPECT_FALSE(tarvik::controlBytes(std::string(80, 'A')).problem);
    EXPECT_EQ(tarvik::controlBytes(std::string(81, 'A')).problem,
              "Die Steuerfolge ist zu lang (höchstens 80 Zeichen).");
}

TEST(ControlSequences, StoredBytesShownAgainConvertBack) {
    EXPECT_EQ(tarvik::controlText("\x1b%0B;"), "#27 + % + 0 + B + ;");
    EXPECT_EQ(tarvik::controlText("\x1b"
                                  "E"),
              "#27 + E");
    EXPECT_EQ(tarvik::controlText("a+#b c"), "a + #43 + #35 + b + #32 + c");
    for (std::string bytes : {std::string("\x1b%0B;"), std::string("a+#b c\x7f|")})
        EXPECT_EQ(tarvik::controlBytes(tarvik::controlText(bytes)).bytes, bytes);
}

TEST(PrinterControl, HardwareModeStoresTheConvertedStrings) {
    testsupport::TempDir work;
    const std::string w = work.str();
    const tarvik::Stored stored =
        tarvik::storePrinterControl(w, {true, "/FL /M0.9 /D+W", "#27 + % + 0 + B + ;", "#27 + E"});
    EXPECT_TRUE(stored.ok());
    EXPECT_TRUE(matchesFixture("lasinfo_esc_e", bytes(w + "LASINFO")));
    // PGLINFO names the working directory; with /arbeit/ its bytes are the golden file's.
    const auto program = tarvik::decodeConversionProgram(bytes(w + "PGLINFO"));
    ASSERT_TRUE(program);
    EXPECT_EQ(program->folder, w);
    EXPECT_FALSE(program->byProgram);
    tarvik::ConversionProgram atArbeit = *program;
    atArbeit.folder = "/arbeit/";
    EXPECT_TRUE(
        matchesFixture("pglinfo_hardware_arbeit", tarvik::encodeConversionProgram(atArbeit)));
    // Opened again, the strings show as typed.
    EXPECT_EQ(tarvik::openPrinterControl(w),
              (tarvik::PrinterControl{true, "/FL /M0.9 /D+W", "#27 + % + 0 + B + ;", "#27 + E"}));
}

TEST(PrinterControl, TheConversionProgramKeepsTheStrings) {
    testsupport::TempDir work;
    const std::string w = work.str();
    // Without the files: the conversion program with its default parameters.
    const tarvik::PrinterControl opened = tarvik::openPrinterControl(w);
    EXPECT_EQ(opened, (tarvik::PrinterControl{false, "/FL /M0.9 /D+W", "", ""}));
    ASSERT_TRUE(tarvik::storePrinterControl(w, {true, "/FL", "#27", "#27 + E"}).ok());
    ASSERT_TRUE(tarvik::storePrinterControl(w, {false, "/FL /M0.9 /D+W", "x", "y"}).ok());
    const auto strings = tarvik::readPrinterStrings(w);
    EXPECT_FALSE(strings.hardware);
    EXPECT_EQ(strings.init, "\x1b");
    EXPECT_EQ(strings.reset, "\x1b"
                             "E");
    tarvik::ConversionProgram atArbeit = tarvik::readConversionProgram(w);
    EXPECT_TRUE(atArbeit.byProgram);
    atArbeit.folder = "/arbeit/";
    EXPECT_TRUE(
        matchesFixture("pglinfo_program_arbeit", tarvik::encodeConversionProgram(atArbeit)));
}

TEST(PrinterControl, ABadSequenceStoresNothing) {
    testsupport::TempDir work;
    const auto stored = tarvik::storePrinterControl(work.str(), {true, "", "#27", "#999"});
    EXPECT_EQ(stored.problem, "String zum Zurücksetzen: Nach \"#\" steht ein ASCII-Code von 1 bis "
                              "255, zum Beispiel #27 für ESCAPE.");
    EXPECT_FALSE(managertest::exists(work.str() + "LASINFO"));
    EXPECT_FALSE(managertest::exists(work.str() + "PGLINFO"));
}

TEST(PrinterControl, UnusedBytesOfLasinfoAreKept) {
    testsupport::TempDir work;
    auto image = bytes(fixturePath("lasinfo_esc_e"));
    image[300] = 0x42;
    ASSERT_TRUE(slab::writeFileAtomic(work.str() + "LASINFO", image));
    ASSERT_TRUE(
        tarvik::storePrinterControl(work.str(), {true, "", "#27 + % + 0 + B + ;", "#27 + E"}).ok());
    EXPECT_EQ(bytes(work.str() + "LASINFO"), image);
}

} // namespace

// Found by fuzzing: a field without its NUL read one character more than it is written with,
// so reading a written file gave another text.
TEST(PrinterControl, FieldsWithoutTheirNulReadWhatIsWritten) {
    std::vector<std::uint8_t> pgl(tarvik::ConversionProgram::kSize, ' ');
    const auto c = tarvik::decodeConversionProgram(pgl);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->folder, std::string(80, ' '));
    EXPECT_EQ(c->parameters, std::string(80, ' '));
    EXPECT_EQ(c->fixedOption, std::string(81, ' '));
    EXPECT_EQ(tarvik::decodeConversionProgram(tarvik::encodeConversionProgram(*c)), c);
    std::vector<std::uint8_t> las(tarvik::PrinterStrings::kSize, 'x');
    const auto s = tarvik::decodePrinterStrings(las);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->init, std::string(80, 'x'));
    EXPECT_EQ(s->reset, std::string(80, 'x'));
    std::vector<std::uint8_t> plot(tarvik::PlotterConnection::kSize, 'C');
    EXPECT_EQ(tarvik::decodePlotterConnection(plot)->port, "CCCC");
}
