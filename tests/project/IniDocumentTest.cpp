#include <gtest/gtest.h>

#include "model/Error.h"
#include "model/IniDocument.h"

namespace qv {
namespace {

TEST(IniRead, ValuesAsTheProfileFunctionsReturnThem) {
    const IniDocument ini(
        "top=before any section\r\n"
        "[Main]\r\n"
        "plain=text\r\n"
        "  Spaced  =  \t two words \t \r\n"
        "double=\"  kept blanks  \"\r\n"
        "single='x'\r\n"
        "one-sided=\"open\r\n"
        "mixed=\"a'\r\n"
        "inner=a \"b\" c\r\n"
        "equals=a=b\r\n"
        "empty=\r\n"
        "quotesOnly=\"\"\r\n"
        "no equals sign\r\n"
        "PLAIN=second\r\n"
        "[main]\r\n"
        "plain=third\r\n"
        "later=in the duplicate\r\n");
    EXPECT_EQ(ini.value("Main", "plain"), "text");
    EXPECT_EQ(ini.value("MAIN", "Plain"), "text");  // names without case; the first one counts
    EXPECT_EQ(ini.value("Main", "spaced"), "two words");
    EXPECT_EQ(ini.value("Main", "double"), "  kept blanks  ");
    EXPECT_EQ(ini.value("Main", "single"), "x");
    EXPECT_EQ(ini.value("Main", "one-sided"), "\"open");
    EXPECT_EQ(ini.value("Main", "mixed"), "\"a'");
    EXPECT_EQ(ini.value("Main", "inner"), "a \"b\" c");
    EXPECT_EQ(ini.value("Main", "equals"), "a=b");
    EXPECT_EQ(ini.value("Main", "empty"), "");
    EXPECT_EQ(ini.value("Main", "quotesOnly"), "");
    EXPECT_EQ(ini.value("Main", "no equals sign"), std::nullopt);
    EXPECT_EQ(ini.value("Main", "later"), std::nullopt);  // only the first [Main] is read
    EXPECT_EQ(ini.value("Main", "top"), std::nullopt);
    EXPECT_EQ(ini.value("Other", "plain"), std::nullopt);
    EXPECT_EQ(ini.readString("Other", "plain", "fallback"), "fallback");
}

TEST(IniRead, EveryLineEndIsALineEnd) {
    const IniDocument ini("[A]\nx=1\ry=2\r\nz=3");
    EXPECT_EQ(ini.readInteger("A", "x", -1), 1);
    EXPECT_EQ(ini.readInteger("A", "y", -1), 2);
    EXPECT_EQ(ini.readInteger("A", "z", -1), 3);
}

TEST(IniRead, IntegersDecimalOrHexadecimalElseTheDefault) {
    const IniDocument ini(
        "[N]\r\ndec=-42\r\nplus=+7\r\nhex=0x1F\r\nHEX=0X1f\r\ndollar=$ff\r\nminusHex=-$10\r\n"
        "all=$FFFFFFFF\r\nquoted=\"12\"\r\nword=twelve\r\ntail=12abc\r\nbare=0x\r\n"
        "big=2147483648\r\nsmallest=-2147483648\r\nfloat=1.5\r\nzero=0\r\n");
    const auto read = [&ini](const char* key) { return ini.readInteger("N", key, 99); };
    EXPECT_EQ(read("dec"), -42);
    EXPECT_EQ(read("plus"), 7);
    EXPECT_EQ(read("hex"), 31);
    EXPECT_EQ(read("HEX"), 31);
    EXPECT_EQ(read("dollar"), 255);
    EXPECT_EQ(read("minusHex"), -16);
    EXPECT_EQ(read("all"), -1);
    EXPECT_EQ(read("quoted"), 12);
    EXPECT_EQ(read("word"), 99);
    EXPECT_EQ(read("tail"), 99);
    EXPECT_EQ(read("bare"), 99);
    EXPECT_EQ(read("big"), 99);
    EXPECT_EQ(read("smallest"), -2147483647 - 1);
    EXPECT_EQ(read("float"), 99);
    EXPECT_EQ(read("missing"), 99);
    EXPECT_FALSE(ini.readBool("N", "zero", true));
    EXPECT_TRUE(ini.readBool("N", "dollar", false));
    EXPECT_TRUE(ini.readBool("N", "word", true));  // not a number: the default
}

TEST(IniWrite, UpdatesInPlaceAndLeavesEveryOtherLineAsItWas) {
    const std::string original =
        "; comment\n"
        "[Integers]\r\n"
        "  CarNum = 5 \r\n"
        "Car5Model=STALE\r\n"
        "odd line without equals\r\n"
        "\r\n"
        "[Cars]\n"
        "Car1Model=OLD\r\n"
        "\r\n"
        "\t\r\n"
        "[Others]\r\n"
        "Traffic=1";
    IniDocument ini(original);
    EXPECT_EQ(ini.text(), original);  // read and written back: byte for byte

    ini.writeInteger("integers", "carnum", 2);  // the file's own spelling of the key stays
    ini.write("Cars", "Car1Model", "ELEGY");
    ini.write("Cars", "Car2Model", "SULTAN");
    ini.writeBool("Others", "Traffic2", false);
    ini.write("Checkpoints", "Checkp1X", "1.5");
    EXPECT_EQ(ini.text(),
              "; comment\n"
              "[Integers]\r\n"
              "CarNum=2\r\n"
              "Car5Model=STALE\r\n"
              "odd line without equals\r\n"
              "\r\n"
              "[Cars]\n"
              "Car1Model=ELEGY\r\n"
              "Car2Model=SULTAN\r\n"
              "\r\n"
              "\t\r\n"
              "[Others]\r\n"
              "Traffic=1\r\n"
              "Traffic2=0\r\n"
              "[Checkpoints]\r\n"
              "Checkp1X=1.5\r\n");
}

TEST(IniWrite, ANewFileKeepsTheOrderOfWriting) {
    IniDocument ini;
    ini.write("B", "k", "1");
    ini.write("A", "k", "2");
    ini.write("B", "j", "3");
    EXPECT_EQ(ini.text(), "[B]\r\nk=1\r\nj=3\r\n[A]\r\nk=2\r\n");
    IniDocument headerOnly("[A]");
    headerOnly.write("A", "k", "v");
    EXPECT_EQ(headerOnly.text(), "[A]\r\nk=v\r\n");
}

TEST(IniWrite, ValuesReadBackExactlyAsWritten) {
    IniDocument ini;
    for (const std::string value : {"", " lead", "trail\t", "\"quoted\"", "'single'", "\"open",
                                    "a \"b\" c", "=", "\"", "  \"both\"  "}) {
        ini.write("S", "k", value);
        EXPECT_EQ(IniDocument(ini.text()).value("S", "k"), value) << value;
    }
    ini.write("S", "k", "plain text");
    EXPECT_EQ(ini.text(), "[S]\r\nk=plain text\r\n");  // written raw where that reads back
    EXPECT_THROW(ini.write("S", "k", "two\r\nlines"), Error);
}

}  // namespace
}  // namespace qv
