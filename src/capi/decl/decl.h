/*
** src/capi/decl/decl.h
** C/C++ declaration analysis: scanner, expression grammar, declaration
** grammar (capi-internal).
**
** One scanner reads the preprocessor's output (line markers and pragma
** lines included) and feeds two recursive-descent grammars: the declaration
** grammar, which fills the type and symbol model, and the expression
** grammar, which builds `CExpr` trees for the script's C expressions
** and values.  Identifiers are classified through the model as the parser
** needs them (type, class, template or namespace name, or ordinary
** identifier).  Diagnostics go through the report hook only.
*/
#ifndef ZRS_CAPI_DECL_H
#define ZRS_CAPI_DECL_H

#include <cstddef>
#include <string>
#include <vector>

#include "model.h"
#include "report_hook.h"
#include "support.h"

/* ---- Tokens (decl_lex.cc) ---- */
enum TokenKind {
    TK_EOF,
    TK_INVALID,   /* a character or number no token can start with */
    TK_IDENT,
    TK_INTEGER,
    TK_FLOATING,
    TK_CHARACTER,
    TK_STRING,
#define KW(word) TK_KW_##word,
#include "decl_keywords.def"
#undef KW
#define PUNCT(name, spelling) TK_##name,
#include "decl_punct.def"
#undef PUNCT
    TK_COUNT
};

/* The spelling of a keyword or operator token, or a family name. */
const char *token_spelling(int kind);

struct DeclToken {
    int kind;           /* TokenKind */
    size_t start;       /* byte offsets of the spelling in the text */
    size_t end;
    int line;           /* line of the first byte */
    const char *text;   /* interned spelling: identifiers and literals */
    pint value;         /* integer and character constants */
    bool wide;          /* L'x' or L"x" */
    bool is_long;       /* integer suffix l/L (one or two) */
};

/* Runs a zirko size or sign pragma: `word` is "sizeof" or "signof". */
typedef void (*PragmaHook)(const char *word, const char *name,
                           const char *value);

struct DeclScanner {
    const char *text;       /* the whole input, not owned */
    size_t length;
    size_t pos;             /* next byte to read */
    const char *file;       /* interned; set by line markers */
    int line;
    bool expression_mode;   /* ".." and "=>" are tokens */
    bool line_start;        /* only blanks since the last newline */
    PragmaHook pragma_hook; /* null: size and sign pragmas are skipped */
};

bool scan_init(DeclScanner *scanner, const char *text, const char *file,
               int line, bool expression_mode);
void scan_token(DeclScanner *scanner, DeclToken *token);
/* Swallows a function body whose "{" has been read: counts braces and
** stops after the "}" that closes it.  False when the text ends first. */
bool scan_skip_body(DeclScanner *scanner);

/* Constants (decl_const.cc); each reports its own diagnostics. */
void scan_integer_value(const char *spelling, DeclToken *token,
                        const char *file, int line);
void scan_character_value(const char *spelling, size_t length,
                          DeclToken *token, const char *file, int line);

/* ---- Expression trees (decl_tree.cc) ---- */
enum ExprKind {
#define EXPR(kind, operands) EX_##kind,
#include "decl_expr_kinds.def"
#undef EXPR
    EX_COUNT
};

struct CExpr {
    int kind;               /* ExprKind: says which fields are used */
    int op;                 /* operator token kind */
    CExpr *a, *b, *c;    /* operands */
    CExpr *list;         /* first element of an argument or value list */
    CExpr *next;         /* next element in the enclosing list */
    const char *text;       /* interned: name or literal spelling */
    const char *qualifier;  /* interned "A::B" before the name, or null */
    bool global;            /* a leading "::" */
    bool wide;              /* wide character or string literal */
    bool array;             /* delete[] / new[] */
    CType *type;            /* casts, sizeof(type), new, constructor calls */
    pint value;             /* integer and character literals */
    int line;
};

CExpr *make_expr(int kind, int op, CExpr *a, CExpr *b, CExpr *c);
const char *expr_kind_name(int kind);
/* Releases a tree, its lists and the types it owns. */
void free_expr(CExpr *node);
CExpr *copy_expr(const CExpr *node);
/* The tree printed back as C text. */
void expr_image(const CExpr *node, std::string &out);
/* The same, with where each node's own image lies in it. */
void expr_image_spans(const CExpr *node, std::string &out,
                      std::vector<ImageSpan> &spans);

/* ---- Parser state (decl_parse.cc) ----
** One record for both grammars: the expression grammar needs type names
** (casts, sizeof) and the declaration grammar needs expressions
** (initialisers, dimensions, enumerator values). */
const int DECL_MAX_NESTING = 200;   /* deeper input is a syntax error */
const int DECL_MAX_CHAIN = 5000;    /* open binary operators on one path */

struct DeclParser {
    DeclScanner scan;
    std::vector<DeclToken> ahead;   /* lookahead, from `head` on */
    size_t head;
    DeclToken last;                 /* the token consumed last */
    size_t quote_start;             /* text read since the last diagnostic */
    int nesting;                    /* recursion depth of the grammar */
    int chain;                      /* binary operators on the open path,
                                       bounding the depth of the trees */
    bool failed;                    /* an error is being recovered from */
    int errors;                     /* syntax errors reported */
    bool expression_mode;           /* script expression: refusals apply */
    bool no_greater;                /* ">" closes a template argument list */
    const char *whole_text;         /* expression text quoted by EXPERRONE */
    const char *error_text;         /* set: syntax errors are SYNTAXERR
                                       with this text */
    struct DeclContext *context;    /* model side (decl_model.cc) */
};

void parser_init(DeclParser *p, const char *text, const char *file, int line,
                 bool expression_mode);
/* A copy: later peeks may move the buffer. */
DeclToken peek_token(DeclParser *p, size_t offset = 0);
int peek_kind(DeclParser *p, size_t offset = 0);
const DeclToken &next_token(DeclParser *p);
bool accept_token(DeclParser *p, int kind);
/* Consumes a token of that kind, or reports a syntax error. */
bool expect_token(DeclParser *p, int kind);
/* SYNTAXERR, or UNEXP_EOF at the end of the text; once per error. */
void syntax_error(DeclParser *p);
/* SYNTAXERR with a fixed text. */
void syntax_error_text(DeclParser *p, const char *text);
bool enter_nesting(DeclParser *p);
inline void leave_nesting(DeclParser *p)
{
    p->nesting--;
}
/* Text of the input between two offsets, blanks and newlines collapsed. */
std::string source_text(const DeclParser *p, size_t start, size_t end);

/* Expression grammar (decl_expr.cc). */
CExpr *parse_expression(DeclParser *p);          /* with commas */
CExpr *parse_assignment(DeclParser *p);          /* one value */
CExpr *parse_conditional(DeclParser *p);         /* constant expression */
CExpr *parse_initializer_list(DeclParser *p);    /* after "{" */

/* Type names inside expressions (decl_specifiers.cc). */
bool starts_type_name(DeclParser *p, size_t offset);
CType *parse_type_name(DeclParser *p);
CType *parse_type_specifier(DeclParser *p);   /* no declarator */

/* ---- Model side (decl_model.cc) ---- */
void decl_free_type(CType *type);
void decl_type_image(const CType *type, std::string &before,
                     std::string &after);

/* The one table of the run; created on first use unless set. */
CSymbolTable *decl_table();
void decl_set_table(CSymbolTable *table);
/* Changes whenever the model may have changed: another table, a text of
** declarations analysed (a type text leaves the model as it was). */
unsigned long decl_model_serial();
void decl_model_changed();

/* Token categories of identifiers. */
enum NameCategory {
    NC_IDENT,            /* ordinary identifier */
    NC_TYPE,             /* enum, union or typedef name, template parameter */
    NC_CLASS,            /* struct or class */
    NC_TEMPLATE,         /* class template whose text is kept */
    NC_TEMPLATE_NOTEXT,  /* class template declared without its text */
    NC_NAMESPACE
};

struct NameInfo {
    int category;        /* NameCategory */
    CTableEntry *entry;  /* the type's table entry, if any */
    CNamespace *ns;      /* NC_NAMESPACE */
    const char *param;   /* a template type parameter */
};

/* Template parameters of a template being declared. */
struct TemplateFrame {
    std::vector<const char *> type_params;
    std::vector<const char *> value_params;
};

struct DeclContext {
    DeclParser *parser;
    CSymbolTable *table;
    size_t base_depth;                     /* scopes open before the text */
    std::vector<TemplateFrame> templates;  /* innermost last */
    const char *instance_tag;   /* analysing a template text: the instance */
    const char *instance_of;    /* ... and the template's own name */
};

void decl_context_open(DeclContext *context, DeclParser *p,
                       const char *namespace_name);
void decl_context_close(DeclContext *context);
CSymbolTable *table_of(DeclParser *p);
/* The qualifier of a class or namespace scope. */
NamespaceQualifier scope_qualifier(CNamespace *scope);
/* Classifies `name` in `scope` (null: the current scope). */
NameInfo classify_name(DeclParser *p, const char *name,
                       const NamespaceQualifier *scope);
/* The class whose body is being read, or null. */
CType *current_class(DeclParser *p);
/* Constant value of an expression tree (enumerators, sizes, operators). */
bool expr_constant_value(const CExpr *expr, long long *value);

/* ---- Declaration grammar (decl_decl.cc, decl_class.cc,
** decl_template.cc) ---- */

/* What the specifiers of one declaration said. */
struct DeclSpecs {
    CType *type;          /* composed type specifier (owned), null = none */
    bool has_type;        /* a type specifier was read */
    unsigned storage;     /* StorageFlag bits */
    bool is_typedef;
    bool is_friend;
    bool is_inline, is_virtual, is_explicit, is_overload;
    CType *tag;           /* the struct, union, class or enum specified */
    bool tag_body;        /* ... with its body */
    int tag_kind;         /* its keyword token */
    size_t start;         /* offset of the first specifier */
};

enum DeclOpKind { OP_POINTER, OP_REFERENCE, OP_MODIFIER, OP_ARRAY,
                  OP_FUNCTION };

/* One declarator part, in the order it applies to the specifier type. */
struct DeclOp {
    int kind;              /* DeclOpKind */
    const char *text;      /* modifier name; array dimension as written */
    CExpr *dim;            /* array dimension */
    CFunctionBody *fn;     /* parameters and exceptions */
    bool const_method;
};

struct Declarator {
    const char *name = nullptr;   /* last component; null when abstract */
    std::string qualified;        /* "A::B::f" as written */
    bool has_scope = false;       /* the name was qualified */
    bool global = false;          /* leading "::" */
    NamespaceQualifier scope;     /* the scope named before the name */
    CType *scope_class = nullptr; /* ... when that scope is a class */
    std::vector<DeclOp> ops;
    bool is_destructor = false, is_operator = false, is_conversion = false;
    bool pure = false;
    int line = 0;
};

void parse_declaration_seq(DeclParser *p, bool in_class);
bool parse_decl_specs(DeclParser *p, DeclSpecs *specs);
void release_specs(DeclSpecs *specs);
bool parse_declarator(DeclParser *p, Declarator *d, bool abstract_ok);
void release_declarator(Declarator *d);
/* Builds the declared type on a copy of the specifier type. */
CType *declared_type(DeclParser *p, const DeclSpecs *specs, Declarator *d);
bool is_function_declarator(const Declarator *d);
/* Skips to the end of the current declaration after an error. */
void resynchronise(DeclParser *p);
/* Skips a balanced group starting at the current "(" "[" or "{". */
void skip_balanced(DeclParser *p);
/* Skips a function body whose "{" is the next token. */
bool skip_function_body(DeclParser *p);
/* Reads a possibly qualified type name at the current token: its type
** (a copy, or the shared tag node), or null without consuming. */
CType *parse_named_type(DeclParser *p);

CType *parse_class_specifier(DeclParser *p, DeclSpecs *specs);
CType *parse_enum_specifier(DeclParser *p, DeclSpecs *specs);
/* Members of a class body after "{", up to and with "}". */
void parse_member_seq(DeclParser *p, CType *class_type);
void parse_template_declaration(DeclParser *p, bool in_class);
/* Starts the count of instances analysed for one text. */
void reset_instance_budget();
/* A template's arguments after its name, at "<": the instance type. */
CType *parse_template_use(DeclParser *p, CTableEntry *templ);
/* Registers the forward declaration of a tag (or finds it). */
CType *declare_tag(DeclParser *p, unsigned kind, const char *tag,
                   bool is_class, bool current_scope_only);
/* The enum whose enumerators are being read (for their own values). */
void set_pending_enum(CType *enum_type);

/* ---- Entry points (decl_parse.cc, decl_expr.cc) ---- */
/* Analyses declarations into the model; returns 0 when no syntax error
** was found, 1 otherwise. */
int analyse_declarations(const char *text, const char *file,
                         const char *namespace_name, int line,
                         ReportHook hook);
/* The type written in `text`, analysed silently in the namespace; null
** when the text is not a type.  The caller owns the result. */
CType *type_from_text(const char *text, const char *namespace_name,
                      const char *file, int line);
/* Parses one expression; null when the text is empty or wrong. */
CExpr *analyse_expression_text(const char *text, const char *namespace_name,
                                  const char *file, int line, ReportHook hook);

#endif
