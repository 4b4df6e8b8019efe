// The control line of a link control file and the name of the linked program.
#include "compiler/link_control.h"

#include <gtest/gtest.h>

namespace {

using compiler::LinkControl;
using compiler::parseControlLine;
using compiler::programPathFor;

std::string parsed(const std::string& bytes, LinkControl& control) { return parseControlLine(bytes, control); }

TEST(ControlLine, ReadsTheFourFieldsAndFindsTheCode) {
    LinkControl control;
    std::string bytes = "COC2;170240;C:\\s\\app.ico;velrun.rtl;\r\nRRLR'4.3'\x01";
    ASSERT_EQ(parsed(bytes, control), "");
    EXPECT_EQ(control.formatTag, "COC2");
    EXPECT_EQ(control.number, "170240");
    EXPECT_EQ(control.iconPath, "C:\\s\\app.ico");
    EXPECT_EQ(control.runtimeName, "velrun.rtl");
    EXPECT_EQ(bytes.substr(control.codeStart), "RRLR'4.3'\x01");
}

TEST(ControlLine, EmptyIconPathAndEmptyCode) {
    LinkControl control;
    ASSERT_EQ(parsed("COC2;170240;;velrun.rtl;\r\n", control), "");
    EXPECT_EQ(control.iconPath, "");
    EXPECT_EQ(control.runtimeName, "velrun.rtl");
    EXPECT_EQ(control.codeStart, 26u);
}

TEST(ControlLine, IconPathMayHoldSemicolons) {
    LinkControl control;
    ASSERT_EQ(parsed("COC2;170240;C:\\a;b\\x.ico;velrun.rtl;\r\ncode", control), "");
    EXPECT_EQ(control.iconPath, "C:\\a;b\\x.ico");
    EXPECT_EQ(control.runtimeName, "velrun.rtl");
}

TEST(ControlLine, TheLineEndsAtTheFirstCrLfEvenWhenTheCodeHoldsMore) {
    LinkControl control;
    std::string bytes = "COC2;1;;rt;\r\nA;B;C;D;\r\n";
    ASSERT_EQ(parsed(bytes, control), "");
    EXPECT_EQ(control.runtimeName, "rt");
    EXPECT_EQ(bytes.substr(control.codeStart), "A;B;C;D;\r\n");
}

TEST(ControlLine, NoCrLfIsMalformed) {
    LinkControl control;
    EXPECT_NE(parsed("COC2;170240;;velrun.rtl;\n", control).find("no control line"), std::string::npos);
    EXPECT_NE(parsed("", control), "");
}

TEST(ControlLine, WrongFormatTag) {
    LinkControl control;
    EXPECT_EQ(parsed("COC1;170240;;velrun.rtl;\r\n", control), "field 1 is \"COC1\", expected \"COC2\"");
    EXPECT_NE(parsed("coc2;170240;;velrun.rtl;\r\n", control), "");
}

TEST(ControlLine, TooFewFields) {
    LinkControl control;
    EXPECT_EQ(parsed("COC2;170240;velrun.rtl;\r\n", control), "expected four fields, each ended by \";\"");
    EXPECT_EQ(parsed("COC2;170240;\r\n", control), "expected four fields, each ended by \";\"");
    EXPECT_EQ(parsed("COC2;\r\n", control), "expected four fields, each ended by \";\"");
    EXPECT_EQ(parsed(";\r\n", control), "expected four fields, each ended by \";\"");
}

TEST(ControlLine, LastFieldMustBeEnded) {
    LinkControl control;
    EXPECT_EQ(parsed("COC2;170240;;velrun.rtl\r\n", control), "the line does not end with \";\"");
    EXPECT_EQ(parsed("\r\n", control), "the line does not end with \";\"");
}

TEST(ControlLine, NumberMustBeDecimal) {
    LinkControl control;
    EXPECT_EQ(parsed("COC2;;;velrun.rtl;\r\n", control), "field 2 is \"\", expected a decimal number");
    EXPECT_EQ(parsed("COC2;17x;;velrun.rtl;\r\n", control), "field 2 is \"17x\", expected a decimal number");
    EXPECT_EQ(parsed("COC2;0;;velrun.rtl;\r\n", control), "");
}

TEST(ControlLine, RuntimeMustBeABareFileName) {
    LinkControl control;
    EXPECT_EQ(parsed("COC2;170240;;;\r\n", control), "field 4 is empty, expected the runtime's file name");
    EXPECT_NE(parsed("COC2;170240;;../velrun.rtl;\r\n", control), "");
    EXPECT_NE(parsed("COC2;170240;;C:\\x\\velrun.rtl;\r\n", control), "");
    EXPECT_NE(parsed("COC2;170240;;C:velrun.rtl;\r\n", control), "");
    EXPECT_NE(parsed("COC2;170240;;..;\r\n", control), "");
}

TEST(ProgramPath, ExtensionBecomesExe) {
    EXPECT_EQ(programPathFor("prog.coc"), "prog.exe");
    EXPECT_EQ(programPathFor("/tmp/a.b/prog.coc"), "/tmp/a.b/prog.exe");
    EXPECT_EQ(programPathFor("C:\\s\\prog.coc"), "C:\\s\\prog.exe");
    EXPECT_EQ(programPathFor("C:\\s.d\\prog"), "C:\\s.d\\prog.exe");
    EXPECT_EQ(programPathFor("/tmp/a.b/prog"), "/tmp/a.b/prog.exe");
    EXPECT_EQ(programPathFor("prog"), "prog.exe");
    EXPECT_EQ(programPathFor("prog.exe"), "prog.exe");
}

TEST(ProgramPath, MatchesTheNameVelcompStarts) {
    // velcomp turns a script "x" into the control file "coc" and starts "exe"; "a.vlx" gives
    // "a.vcoc" and "a.vexe".
    EXPECT_EQ(programPathFor("coc"), "exe");
    EXPECT_EQ(programPathFor("dir/a.vcoc"), "dir/a.vexe");
}

}  // namespace
