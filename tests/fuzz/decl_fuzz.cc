/*
** tests/fuzz/decl_fuzz.cc
** libFuzzer target for the C/C++ declaration and expression grammars.
**
** The first byte chooses the grammar (even: declarations, odd: a script
** expression, printed back and copied); the rest is the text, as the
** preprocessor would hand it over.  Every input starts from a fresh
** symbol table so that runs stay independent and memory stays flat.
*/
#include "decl.h"
#include "model.h"
#include "target_sizes.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void drop_report(int, const char *, const char *, const char *, int)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool started = false;
    if (!started) {
        init_intern_table();
        started = true;
    }
    if (size == 0)
        return 0;
    std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);
    text = text.c_str();   /* the analysis reads C strings */
    CSymbolTable *table = create_symbol_table("ZIRKO");
    decl_set_table(table);
    reset_target_sizes();
    if (data[0] % 2 == 0) {
        analyse_declarations(text.c_str(), "fuzz.h", "", 1, drop_report);
        CType *t = type_from_text(text.c_str(), "", "fuzz.pts", 1);
        free_type(t, FREE_ALL);
    } else {
        CExpr *e = analyse_expression_text(text.c_str(), "", "fuzz.pts", 1,
                                           drop_report);
        std::string image;
        expr_image(e, image);
        CExpr *copy = copy_expr(e);
        free_expr(e);
        free_expr(copy);
    }
    decl_set_table(nullptr);
    release_symbol_table(table);
    return 0;
}
