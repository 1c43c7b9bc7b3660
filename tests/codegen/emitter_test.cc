/*
** tests/codegen/emitter_test.cc
** The line emitter: indentation of lines and blocks, preprocessor lines in
** column 1, and lines far longer than any fixed buffer.
*/
#include "source_int.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

/* Runs `emit` against a temporary stream and returns what it wrote. */
template <typename F> std::string emitted(F emit)
{
    FILE *stream = tmpfile();
    EXPECT_NE(stream, nullptr);
    emit_to_stream(stream);
    emit();
    std::string text;
    emit_flush();
    rewind(stream);
    for (int c; (c = fgetc(stream)) != EOF;)
        text += char(c);
    fclose(stream);
    source_emitter.out = nullptr;
    return text;
}

TEST(Emitter, BlocksIndentBracesOnceAndContentsTwice)
{
    std::string text = emitted([] {
        emit_format("void f ()");
        emit_open_block();
        emit_format("for (;;)");
        emit_open_block();
        emit_format("x = %d;", 1);
        emit_close_block();
        emit_close_block();
        emit_format("done");
    });
    EXPECT_EQ(text, "void f ()\n"
                    " {\n"
                    "  for (;;)\n"
                    "   {\n"
                    "    x = 1;\n"
                    "   }\n"
                    " }\n"
                    "done\n");
}

TEST(Emitter, PreprocessorLinesStayInColumnOne)
{
    std::string text = emitted([] {
        emit_open_block();
        emit_format("#if ZRS_DYNFLW");
        emit_define("ZRK_K_MAX_COMT", "1");
        emit_ifdef("ZRK_SCENARIA_DEBUG");
        emit_else();
        emit_endif();
        emit_undef("USE_ZRS");
        emit_format("# not a directive, but it begins with '#'");
        emit_format(" #include \"native.h\"");   /* a native line: indented */
        emit_close_block();
    });
    EXPECT_EQ(text, " {\n"
                    "#if ZRS_DYNFLW\n"
                    "#define ZRK_K_MAX_COMT 1\n"
                    "#ifdef ZRK_SCENARIA_DEBUG\n"
                    "#else\n"
                    "#endif\n"
                    "#undef USE_ZRS\n"
                    "# not a directive, but it begins with '#'\n"
                    "   #include \"native.h\"\n"
                    " }\n");
}

TEST(Emitter, EmptyBufferGivesAnIndentedEmptyLine)
{
    std::string text = emitted([] {
        emit_line();
        emit_open_block();
        emit_line();
        emit_close_block();
    });
    EXPECT_EQ(text, "\n {\n  \n }\n");
}

TEST(Emitter, NegativeLevelWritesNoIndentation)
{
    std::string text = emitted([] {
        emit_close_block();        /* more closed than opened */
        emit_format("x");
        source_emitter.level = 0;
    });
    EXPECT_EQ(text, "}\nx\n");
}

/* A generated line has no length limit: a long native line or a long
** joined list must come out whole, in one line. */
TEST(Emitter, LinesLongerThanAnyFixedBufferComeOutWhole)
{
    std::string piece(70000, 'a');
    std::string text = emitted([&] {
        emit_open_block();
        line_append("int %s", piece.c_str());
        for (int i = 0; i < 5000; i++)
            line_append(",v%d", i);
        line_append(";");
        emit_line();
        emit_format("%s=%s;", piece.c_str(), piece.c_str());
        emit_close_block();
    });
    std::string list;
    for (int i = 0; i < 5000; i++)
        list += ",v" + std::to_string(i);
    EXPECT_EQ(text, " {\n  int " + piece + list + ";\n  " + piece + "=" + piece +
                        ";\n }\n");
}

TEST(Emitter, LineBufferIsClearedAfterEachLine)
{
    std::string text = emitted([] {
        line_append("first");
        emit_line();
        line_append("second %s", "part");
        emit_line();
        emit_line();
    });
    EXPECT_EQ(text, "first\nsecond part\n\n");
}

/* The line being built lives in the output buffer: what comes between its
** pieces must not cut it or land inside it. */
TEST(Emitter, LineBeingBuiltStaysWholeAroundOtherWrites)
{
    std::string text = emitted([] {
        emit_open_block();
        line_append("int a");
        emit_endif();                    /* written before the line */
        line_append(", b;");
        emit_line();
        line_append("lost");
        emit_format("kept");             /* replaces the line being built */
        line_append("%s", format_text("x%s", "").c_str());   /* formed past the line */
        source_emitter.level = 5;        /* the level when the line ends counts */
        emit_line();
        source_emitter.level = 2;
        emit_format("%s", "#if turned out a directive");
        emit_close_block();
    });
    EXPECT_EQ(text, " {\n"
                    "#endif\n"
                    "  int a, b;\n"
                    "  kept\n"
                    "     x\n"
                    "#if turned out a directive\n"
                    " }\n");
}

/* A text line is what emit_format("%s", text) writes. */
TEST(Emitter, TextLinesComeOutAsFormattedLines)
{
    std::string long_text(5000, 'x');
    std::string text = emitted([&] {
        emit_open_block();
        emit_text("100% as written");
        emit_text("#endif");
        line_append("dropped");
        emit_text("");
        emit_text(long_text.c_str());
        emit_close_block();
    });
    EXPECT_EQ(text, " {\n  100% as written\n#endif\n  \n  " + long_text + "\n }\n");
}

/* A flush (at exit after a fatal stop, or when a piece is full) writes the
** complete lines only. */
TEST(Emitter, FlushLeavesTheLineBeingBuilt)
{
    FILE *stream = tmpfile();
    ASSERT_NE(stream, nullptr);
    emit_to_stream(stream);
    emit_format("done;");
    line_append("half");
    emit_flush();
    EXPECT_EQ(ftell(stream), 6);
    line_append(" line");
    emit_line();
    emit_flush();
    std::string text(64, '\0');
    rewind(stream);
    text.resize(fread(&text[0], 1, text.size(), stream));
    fclose(stream);
    source_emitter.out = nullptr;
    EXPECT_EQ(text, "done;\nhalf line\n");
}

/* Several write pieces, with lines and arguments of every length around
** the eight-byte steps of the copy. */
TEST(Emitter, OutputLargerThanOneWritePieceComesOutInOrder)
{
    std::string expected, word;
    std::string text = emitted([&] {
        for (int i = 0; expected.size() < (3u << 20); i++) {
            word.assign(size_t(i % 37), char('a' + i % 26));
            std::string format = std::string(size_t(i % 19), '=') + "%s|%d%%";
            emit_format(format.c_str(), word.c_str(), i);
            expected += std::string(size_t(i % 19), '=') + word + "|" +
                        std::to_string(i) + "%\n";
        }
    });
    EXPECT_TRUE(text == expected);
}

TEST(Emitter, FormatWithPercentSignsInArgumentsIsNotReinterpreted)
{
    std::string text = emitted([] {
        emit_format("%s", "printf(\"%d %s\\n\");");
    });
    EXPECT_EQ(text, "printf(\"%d %s\\n\");\n");
}

/* The common conversions are written by the emitter itself; they and
** those it hands to the C library must give what printf gives. */
TEST(Emitter, ConversionsWriteWhatPrintfWrites)
{
    std::string text = emitted([] {
        emit_format("%s|%c|%d|%i|%u|%%|%ld|%lu|%lld|%llu", "txt", 'q', -2147483647 - 1,
                    42, 4294967295u, -9000000000L, 18000000000UL, -1LL, 0ULL);
        emit_format("%%s%%d is kept, %d%c", 7, '!');
        emit_format("%5d|%-3s|%x|%.2f", 12, "a", 255, 1.5);
        emit_format("%s", "");
    });
    EXPECT_EQ(text, "txt|q|-2147483648|42|4294967295|%|-9000000000|18000000000|-1|0\n"
                    "%s%d is kept, 7!\n"
                    "   12|a  |ff|1.50\n"
                    "\n");
}

} // namespace
