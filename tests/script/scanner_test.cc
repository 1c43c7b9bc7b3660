/*
** tests/script/scanner_test.cc
** Scanner and reader: token sequences of small scripts, file records.
*/
#include "script_int.h"

#include "run_program.h"

#include <gtest/gtest.h>

namespace {

/* Tokens of a script as "NAME" or "NAME:text" for the tokens whose text
** matters, separated by blanks. */
std::string scan(const std::string &script)
{
    std::string dir = make_temp_dir();
    std::string path = dir + "/t.pts";
    write_file(path, script);
    reader_open_script(path.c_str(), TextList());
    scanner_reset();
    std::string out;
    for (int guard = 0; guard < 10000; guard++) {
        int token = next_token();
        if (!out.empty())
            out += ' ';
        const char *name = token_name(token);
        out += name ? name : "?";
        if (token == 0)
            break;
        static const std::string with_text[] = {
            "NATIVE_TEXT", "IDENT", "SCOPED_IDENT", "NUMBER", "STRING",
            "CHARCONST", "ENVVAR", "FILTER", "FILTER2", "HASH_LINE", "AT_LINE",
            "COMMENT", "INIT_EQ", "EV_EQ", "FORMAT_EQ", "UNKNOWN"};
        for (const std::string &w : with_text)
            if (w == name)
                out += ":" + token_text();
    }
    reader_close();
    free_script_files(reader_file_list());
    return out;
}

struct ScanCase {
    const char *script;
    const char *tokens;
};

class ScannerTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScannerTest, TokenSequence)
{
    EXPECT_EQ(scan(GetParam().script), GetParam().tokens);
}

const ScanCase scan_cases[] = {
    /* The MATCHED family inside a WAITTIL condition. */
    {"WAITTIL(MATCHED(m, c) && x > 0, 100)\n",
     "WAITTIL LPAREN NATIVE_TEXT: MATCHED_LP IDENT:m MCOMMA IDENT:c MRPAREN "
     "NATIVE_TEXT: && x > 0 COMMA NATIVE_TEXT: 100 RPAREN EOL end of file"},
    {"WAITTIL(NOTMATCHING (m) || MATCHING(n), 5)\n",
     "WAITTIL LPAREN NATIVE_TEXT: NOTMATCHING_LP IDENT:m MRPAREN NATIVE_TEXT: ||  "
     "MATCHING_LP IDENT:n MRPAREN NATIVE_TEXT: COMMA NATIVE_TEXT: 5 RPAREN EOL "
     "end of file"},
    /* Keywords are upper case and exact. */
    {"call p\nENDX END\n", "IDENT:call IDENT:p EOL IDENT:ENDX END EOL end of file"},
    /* Empty lines, blanks and comments give one EOL. */
    {"EXIT\n\n  \n-- note\n\nEXIT -- trailing\n",
     "EXIT EOL EXIT EOL end of file"},
    {"\n\nHEADER\n", "EOL HEADER EOL end of file"},
    /* Continuation lines. */
    {"WAITTIL(a &&\n& b, 1)\n",
     "WAITTIL LPAREN NATIVE_TEXT:a && b COMMA NATIVE_TEXT: 1 RPAREN EOL end of file"},
    /* REF inside native text is the keyword. */
    {"CALL p(REF(x), y)\n",
     "CALL IDENT:p LPAREN REF LPAREN NATIVE_TEXT:x RPAREN COMMA NATIVE_TEXT: y "
     "RPAREN EOL end of file"},
    {"CALL p(a REF(x))\n",
     "CALL IDENT:p LPAREN NATIVE_TEXT:a  REF LPAREN NATIVE_TEXT:x RPAREN RPAREN "
     "EOL end of file"},
    {"CALL p(REFX, y) @ 1 @ r\n",
     "CALL IDENT:p LPAREN NATIVE_TEXT:REFX COMMA NATIVE_TEXT: y RPAREN AT "
     "NATIVE_TEXT: 1  AT NATIVE_TEXT: r EOL end of file"},
    /* The word after CALL is a name whatever it spells. */
    {"CALL END(x)\n",
     "CALL IDENT:END LPAREN NATIVE_TEXT:x RPAREN EOL end of file"},
    /* Depths keep inner parentheses, brackets and literals in the text. */
    {"WAITTIL(f(a, b)[i, j] == ')' + \",\", 1)\n",
     "WAITTIL LPAREN NATIVE_TEXT:f(a, b)[i, j] == ')' + \",\" COMMA NATIVE_TEXT: 1 "
     "RPAREN EOL end of file"},
    /* An unbalanced parenthesis does not take the next line. */
    {"IF ((x) THEN\nEXIT\n",
     "IF LPAREN NATIVE_TEXT:(x) THEN EOL EXIT EOL end of file"},
    /* Keywords that make "(" and "," plain punctuation. */
    {"PROC p(int a, char b)\n",
     "PROC IDENT:p LPAREN IDENT:int IDENT:a COMMA IDENT:char IDENT:b RPAREN EOL "
     "end of file"},
    {"CALLBACK t : m ON c : i [ x ]\n",
     "CALLBACK IDENT:t COLON IDENT:m ON IDENT:c COLON IDENT:i LBRACKET IDENT:x "
     "RBRACKET EOL end of file"},
    /* Keywords whose argument is native text. */
    {"VAR s.a, INIT={1, 2}\nVAR s, EV==\nVAR t, VA=3\n",
     "VAR NATIVE_TEXT: s.a COMMA INIT_EQ:INIT={1, 2} EOL VAR NATIVE_TEXT: s "
     "COMMA EV_EQEQ EOL VAR NATIVE_TEXT: t COMMA EV_EQ:VA=3 EOL end of file"},
    {"DEF_MESSAGE m, EV=(a => 1)\nPAUSE 10\n",
     "DEF_MESSAGE NATIVE_TEXT: m COMMA EV_EQ:EV=(a => 1) EOL PAUSE "
     "NATIVE_TEXT: 10 EOL end of file"},
    {"FORMAT=hex x.y\nCOMMENT some words, here\nCOMMENTS\n",
     "FORMAT_EQ:FORMAT=hex NATIVE_TEXT: x.y EOL COMMENT:COMMENT some words, here "
     "EOL IDENT:COMMENTS EOL end of file"},
    /* Literals. */
    {"WHEN 0x1FL => 12 'a' '\\n' '\\x41' $HOME a::b::c\n",
     "WHEN NUMBER:0x1FL ARROW NUMBER:12 CHARCONST:'a' CHARCONST:'\\n' "
     "CHARCONST:'\\x41' ENVVAR:$HOME SCOPED_IDENT:a::b::c EOL end of file"},
    {"SET(\"a\\\\b\\\"c\\n\")\n",
     "SET LPAREN STRING:\"a\\b\"c\\n\" RPAREN EOL end of file"},
    {"SET(\"open\nEXIT\n",
     "SET LPAREN UNKNOWN:\"open EOL EXIT EOL end of file"},
    {"CATCH ... WITH h\n", "CATCH ELLIPSIS WITH IDENT:h EOL end of file"},
    /* Filters only at the first character of a line. */
    {"%AB+~ EXIT\n%%X EXIT\n %A\n",
     "FILTER:%AB+~ EXIT EOL FILTER2:%%X EXIT EOL UNKNOWN:% IDENT:A EOL end of file"},
    /* Native lines: "#" anywhere, "@" at the start of a line. */
    {"#include <a.h>\n  @ x = 1;\n%F @y();\nCALL p(x) @ 1\n",
     "HASH_LINE:#include <a.h> EOL AT_LINE:@ x = 1; EOL FILTER:%F AT_LINE:@y(); "
     "EOL CALL IDENT:p LPAREN NATIVE_TEXT:x RPAREN AT NATIVE_TEXT: 1 EOL "
     "end of file"},
    /* Carriage returns and NUL bytes are unknown sequences. */
    {"EXIT\r\n", "EXIT UNKNOWN:\r EOL end of file"},
    /* A last line without newline still ends with EOL. */
    {"EXIT", "EXIT EOL end of file"},
    {"", "end of file"},
    /* COMMTYPE and TRIGGER exclude each other. */
    {"COMMTYPE a IS b\nTRIGGER t e\nCOMMTYPE c IS d\n",
     "COMMTYPE IDENT:a IS IDENT:b EOL UNKNOWN:TRIGGER IDENT:t IDENT:e EOL "
     "UNKNOWN:COMMTYPE IDENT:c IS IDENT:d EOL end of file"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ScannerTest, ::testing::ValuesIn(scan_cases));

/* A continuation ("\n&") anywhere on a line is invisible to the scanner.
** Inserted at every position, it cuts each run of characters the scanner
** takes from the reader in one piece (words, blanks, native text, rest of
** line, look-ahead pushed back) at every possible point. */
TEST(Scanner, ContinuationAnywhereChangesNoToken)
{
    for (const ScanCase &c : scan_cases) {
        std::string script = c.script;
        if (script.find("\n&") != std::string::npos)
            continue;   /* an insertion there would end the continuation */
        for (size_t at = 0; at <= script.size(); at++) {
            std::string cut = script.substr(0, at) + "\n&" + script.substr(at);
            EXPECT_EQ(scan(cut), c.tokens) << "cut at " << at << " of: " << script;
        }
    }
}

TEST(Scanner, NulBytesAreUnknownSequences)
{
    EXPECT_EQ(scan(std::string("EXIT \0 EXIT\n", 12)),
              "EXIT UNKNOWN: EXIT EOL end of file");
    std::string script("WAITTIL(a\0b, 1)\n", 16);
    EXPECT_EQ(scan(script), "WAITTIL LPAREN NATIVE_TEXT:a UNKNOWN: IDENT:b COMMA "
                            "NATIVE_TEXT: 1 RPAREN EOL end of file");
}

TEST(Scanner, FlagsRecordCommtypeAndTrigger)
{
    scan("COMMTYPE a IS b\n");
    EXPECT_EQ(scanner_flags(), 1);
    scan("TRIGGER t e\n");
    EXPECT_EQ(scanner_flags(), 2);
    scan("TRIGGER t e\nCOMMTYPE a IS b\n");
    EXPECT_EQ(scanner_flags(), 3);
}

TEST(Scanner, TokenLinesFollowPhysicalLines)
{
    std::string dir = make_temp_dir();
    std::string path = dir + "/t.pts";
    write_file(path, "\n\nEXIT\nWAITTIL(a,\n& b)\nEXIT\n");
    reader_open_script(path.c_str(), TextList());
    scanner_reset();
    std::vector<std::pair<std::string, uint32_t>> seen;
    int token;
    while ((token = next_token()) != 0)
        seen.push_back({token_name(token), token_line()});
    reader_close();
    free_script_files(reader_file_list());
    std::vector<std::pair<std::string, uint32_t>> expected = {
        {"EOL", 1},     {"EXIT", 3},        {"EOL", 3},   {"WAITTIL", 4},
        {"LPAREN", 4},  {"NATIVE_TEXT", 4}, {"COMMA", 4}, {"NATIVE_TEXT", 4},
        {"RPAREN", 5},  {"EOL", 5},         {"EXIT", 6},  {"EOL", 6}};
    EXPECT_EQ(seen, expected);
}

/* The CRC taken bit by bit, as the polynomial defines it. */
uint32_t crc_by_bits(const std::string &data)
{
    uint32_t crc = 0;
    for (unsigned char c : data) {
        crc ^= c;
        for (int bit = 0; bit < 8; bit++)
            crc = (crc & 1) ? (crc >> 1) ^ 0x8408 : crc >> 1;
    }
    return crc;
}

TEST(Reader, CrcIsKermit)
{
    EXPECT_EQ(crc16_kermit("123456789", 9), 0x2189u);
    EXPECT_EQ(crc16_kermit("", 0), 0u);
    /* four bytes a step: every length of tail, and all byte values */
    std::string data;
    for (int i = 0; i < 600; i++)
        data += char((i * 131 + 7) & 0xFF);
    for (size_t length : {1, 2, 3, 4, 5, 6, 7, 8, 255, 256, 257, 599, 600})
        EXPECT_EQ(crc16_kermit(data.data(), length), crc_by_bits(data.substr(0, length)))
            << length;
}

TEST(Reader, ScriptFileRecord)
{
    std::string dir = make_temp_dir();
    std::string path = dir + "/r.pts";
    write_file(path, "123456789");
    reader_open_script(path.c_str(), TextList());
    ScriptFile *file = reader_file_list();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::string(file->name), path);
    EXPECT_EQ(file->size, 9);
    EXPECT_EQ(file->crc16, 0x2189u);
    EXPECT_EQ(file->number, 1u);
    EXPECT_EQ(std::string(file->absolute_path), path);
    EXPECT_EQ(std::string(file->absolute_dir), dir);
    long key = 9;
    for (unsigned char c : dir)
        key += long(c) - 32;
    EXPECT_EQ(file->identity_key, key);
    EXPECT_EQ(file->next, nullptr);
    reader_close();
    free_script_files(file);
}

} // namespace
