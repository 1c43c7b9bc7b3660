/*
** src/capi/capi.h
** Interface analysis: the bridge operations the rest of the compiler uses.
**
** The driver starts the analysis once with the interface material, then
** analyses each interface file through a one-line "#include" text.
** Semantic analysis hands C texts of the script to the bridge and asks it
** about names and types; code generation asks it for declaration texts.
** The analysis never prints: it reports through a hook that the bridge
** points at the diagnostics, with the script's file and line.
**
** Types, symbols and expression trees are opaque here.  Ownership: a
** `CType` returned by `type_from_text` or `expression_type` belongs to the
** caller (release it with `free_type`); a tree returned by
** `analyse_expression` or `analyse_script_value` belongs to the caller
** (release it with `free_expression`); symbols and the types reached from
** them belong to the symbol table, which lives until the end of the run.
*/
#ifndef ZRS_CAPI_H
#define ZRS_CAPI_H

#include "support.h"

#include <string>
#include <vector>

struct CType;
struct CSymbol;
struct CExpr;

/* Display format of a type: code 0 hex, 1 decimal, 2 binary, 3 unsigned,
** 4 fixed-point, 5 exponent, 6 default. */
struct DisplayFormat {
    unsigned code = 6;
    unsigned width = 0;
    int precision = -1; /* -1 = not set */
};

/* Options of the declaration images. */
enum ImageFlags : unsigned {
    IMG_BODIES = 1,          /* print class and enum bodies */
    IMG_TEMPLATE_HEADER = 2, /* "template <...> class" before a class template */
    IMG_EXPAND_TYPEDEFS = 4, /* print what typedef names stand for */
    IMG_STORAGE = 8          /* char pointers as "[200]", open arrays as "[100]" */
};

/* ---- Start and end ---- */
/* restriction: 0 K&R, 1 ANSI, 2 none; std_define_file may be null. */
void start_interface_analysis(int restriction, const TextList &include_dirs,
                              const TextList &definitions,
                              const char *std_define_file);
void end_preprocessing();
/* Every file the preprocessor has opened through "#include" since the
** start (the standard-define file, the interface files and their headers,
** system headers too), by the name it opened, in order; repeats kept. */
const TextList &opened_interface_files();

/* ---- Context: position and namespace of the C texts that follow ---- */
void set_bridge_position(const char *file, int line);
void set_bridge_namespace(const char *namespace_name);

/* ---- Texts ---- */
/* Preprocesses `text` as a file of that name starting at `line`.  Returns
** false when no text was produced; `errors` receives the error count. */
bool preprocess_text(const char *text, bool expand, const char *file, int line,
                     std::string &result, int *errors);
void flatten_preprocessed_text(const char *text, std::string &result);
/* False when preprocessing cannot change `text`: no macro name, comment,
** literal, directive or reserved (leading underscore) name in it. */
bool text_needs_preprocessing(const char *text);
void analyse_declaration_text(const char *text, const char *namespace_name,
                              const char *file, int line);
/* Changes whenever the interface model may have changed (a declaration
** text analysed, a macro defined or removed, another table): what was
** derived from the model before may be stale. */
unsigned long interface_model_serial();
/* The scope whose names a text of the named namespace sees, as an
** identity to compare (null: the global scope).  A namespace with nothing
** of its own, such as a unit's in which only expressions were analysed,
** sees what the scope around it sees. */
const void *visible_scope(const char *namespace_name);

/* ---- Expressions ---- */
/* One C/C++ expression of the script, in the named namespace (empty =
** global) at the context's position; null when the text is empty or wrong
** (the diagnostics have been reported).  The namespace becomes the
** context's namespace, in which `expression_type` resolves names. */
CExpr *analyse_expression(const char *text, const char *namespace_name);
/* The type of an expression, owned by the caller; null after a warning
** (NONTABLEA, NONFONCTI, INVCHASTR, POINSTRUC, NOPOSTRUC, CHAMPINCO,
** INCPOIMEM, NONPOINTE, OPERSCALA, OPERENTIE, OPERARITH, TYPESDIFF,
** CONSTRINC, IDENTIINC) or an internal report (ERRINTERN). */
CType *expression_type(const CExpr *tree);
void expression_image(const CExpr *tree, std::string &out);
/* Where the image of one node of a tree lies within the tree's image. */
struct ImageSpan {
    const CExpr *node;
    size_t start, end;
};
/* The image, with the span of every node in it (in no set order): the
** image of a part is a piece of the whole's. */
void expression_image_spans(const CExpr *tree, std::string &out,
                            std::vector<ImageSpan> &spans);
void free_expression(CExpr *tree);

/* ---- Types and names ---- */
/* The type written in `text`, in the context's namespace; null (and
** nothing reported) when the text is not a type. */
CType *type_from_text(const char *text);
void free_type(CType *type);
/* Lookups by name in a namespace given by name (empty or null = global).
** A namespace name the table does not know stands for the global scope,
** except for the strict form, which then finds nothing. */
CSymbol *lookup_type_name(const char *name, const char *namespace_name);
/* The visible ordinary name (variable, constant, function, typedef name)
** as found: the namespace, its enclosing namespaces, then global names. */
CSymbol *lookup_ordinary(const char *name, const char *namespace_name);
/* Only a symbol owned by exactly that namespace (global when empty). */
CSymbol *lookup_ordinary_strict(const char *name, const char *namespace_name);
const char *symbol_name(const CSymbol *symbol); /* null when nameless */
CType *symbol_type(const CSymbol *symbol);
/* 0 nameless, function or typedef name; 1 variable or constant; 2 static. */
int symbol_category(const CSymbol *symbol);
/* Appends the global symbols declared in `file`, in bucket order. */
void symbols_of_file(const char *file, std::vector<CSymbol *> &out);

/* ---- Images and formats ---- */
/* A declaration of `name` with this type (ImageFlags), one tab per depth
** level; the two-text form splits it around the name. */
void type_image(const CType *type, const char *name, unsigned flags, int depth,
                std::string &out);
void type_image_parts(const CType *type, const char *name, unsigned flags,
                      int depth, std::string &before, std::string &after);
bool parse_display_format(const char *text, unsigned *code, int *width);
DisplayFormat type_display_format(const CType *type);
/* FORMAT=name of the script: the display format written `name` ("H16",
** "D", "E12", ...; as after "#") becomes the format of the type named by
** `subject`, a type name or else a variable (its own type node).  False
** when the format is wrong (reported) or the subject names neither. */
bool register_display_format(const char *name, const char *subject);
/* Appends the C storage declaration of `name` for a message type. */
void message_storage_text(const CType *type, const char *name,
                          std::string &out, int depth);

/* ---- Fields of structs, unions and enums ----
** Positions count from 1 over the fields generated code may reach, in
** declaration order, the fields of anonymous members in their place;
** typedef names and modifiers are followed. */
int field_position(CType *record, const char *name);   /* 0: none */
CSymbol *field_at_position(CType *record, int position); /* null: none */
/* Nested structs count their own fields when `recursive`. */
int field_count(CType *record, bool recursive);
bool is_union_type(CType *type);
bool has_base_classes(CType *type);

/* ---- Type structure, for the type classes of semantic analysis ----
** One node of a type as the model holds it: no typedef name or modifier
** is followed, so the caller walks `target` itself. */
struct CTypeView {
    int kind = -1;                 /* model kind number (0 base ... 15); -1 null */
    const char *name = nullptr;    /* base name, typedef or modifier name, tag */
    int attribute = 0;             /* kinds 0 and 1: the attribute word */
    int bits = 0;                  /* kinds 0 and 1: size, negative = signed */
    CType *target = nullptr;       /* pointed, element, aliased, return,
                                      modified or referred type */
    const char *dimension = nullptr; /* kind 4: the dimension as written */
    bool string_pointer = false;   /* pointer or array of a signed character
                                      base type with its attribute set */
};
CTypeView type_view(const CType *type);
/* The direct base classes of a struct or class (typedef names, modifiers
** and template instances followed), in declaration order. */
void base_class_types(CType *type, std::vector<CType *> &out);
/* The parameters of a function type (typedef names followed), in order;
** an ellipsis is a parameter of kind 13. */
void function_parameters(CType *function, std::vector<CSymbol *> &out);
/* True when a struct or class (typedef names followed) declares or
** inherits a virtual member function. */
bool has_virtual_members(CType *type);
/* True when both stand for the same registered struct, union or class. */
bool same_class_type(CType *first, CType *second);

/* ---- Script values ---- */
enum ScriptValueKind {
    SV_FAILED = -1, /* not analysed: diagnostics reported */
    SV_EXPRESSION,  /* *tree holds the expression */
    SV_NONIL        /* the bare identifier NONIL: no tree */
};
/* A value text of the script: preprocessed at the context's position,
** flattened and analysed as an expression in the context's namespace. */
int analyse_script_value(const char *text, CExpr **tree);
/* True for the bare identifier NONIL (inside a value list, say). */
bool is_nonil_value(const CExpr *tree);

/* Semantic analysis' comparison of a value's type with a declared type. */
typedef bool (*TypeComparison)(CType *value_type, CType *declared_type);
/* The expression's type against the type written in `type_text`, by
** `compare` (structural equality when null): 1 match, 0 mismatch, -1 when
** either type cannot be had (only the expression's typing reports). */
int compare_with_type_text(const CExpr *value, const char *type_text,
                           TypeComparison compare);
/* A value list ("{...}", nested at will) against a struct, union or array
** type: every designated field must exist (CHAMPINCO), a union takes one
** value (ONEFLDUNN), no more positional values than fields (NBVALINCO),
** and a class with base classes needs designations (INHERITED).  Errors
** at the context's position; false when any was reported.  Values that
** are not lists are not checked here. */
bool check_structured_value(CType *type, const CExpr *value);

/* ---- Value lists element by element ----
** What semantic analysis needs to check the shape of a value list without
** seeing the tree: each element's form and its parts. */
enum ValueElementKind {
    VE_VALUE,  /* a positional value */
    VE_NAMED,  /* name => value */
    VE_RANGE,  /* low .. high => value */
    VE_OTHERS, /* OTHERS [=> value] */
    VE_EMPTY   /* nothing between two commas or braces */
};
struct ValueElement {
    int kind;                     /* ValueElementKind */
    const char *name;             /* VE_NAMED: the field name */
    const CExpr *low, *high;      /* VE_RANGE: the bounds as written */
    const CExpr *value;           /* null for VE_EMPTY and a bare OTHERS */
    const CExpr *element;         /* the whole element, for messages */
};
/* The elements of a value list ("{...}") in order; false, with `out`
** untouched, when the value is not a list. */
bool value_list_elements(const CExpr *value, std::vector<ValueElement> &out);
/* The value of an integer constant expression (literals, enumerators,
** sizeof, casts and operators); false when it is not constant. */
bool expression_constant(const CExpr *tree, long long *value);
/* Hands an owned type to the symbol table, which keeps it as long as the
** table (the whole run); returns it.  For types that the semantic tables
** refer to, as they refer to the table's own types. */
CType *keep_type(CType *type);

/* ---- Value items: a value matched against a C type ----
** The matcher walks a value and its type together and lists, in the
** type's order, what a value description is built from.  A level is
** opened by one item (VI_STRUCT, VI_UNION, VI_ARRAY, VI_ELEMENT or
** VI_OTHERS) and closed by a VI_END; VI_SCALAR items are the values
** between.  Fields the value does not give have no items.  A struct,
** union or array given by one expression instead of a list is walked
** whole: its level is marked `whole` and carries the expression, its
** unions list every member, its arrays one element over all indexes, and
** its scalars are VK_PATH items whose expected value is the same path in
** that expression.  Arrays of characters are scalars unless given a list.
** Types belong to the symbol table (the top one is the caller's);
** values point into the value's tree, which must outlive the items. */
enum ValueItemKind {
    VI_STRUCT,  /* opens a struct or class */
    VI_UNION,   /* opens a union; `member`: the member given */
    VI_ARRAY,   /* opens an array; low..high: its bounds */
    VI_ELEMENT, /* opens the elements low..high of the enclosing array */
    VI_OTHERS,  /* opens the OTHERS value of the enclosing array */
    VI_END,     /* closes the level opened last */
    VI_SCALAR   /* a value (value_kind) */
};
enum ValueKind {
    VK_VALUE, /* an expected value */
    VK_RANGE, /* "[min..max]": range_low and range_high */
    VK_PATH   /* inside a whole value: no value of its own */
};
struct ValueItem {
    int kind = VI_SCALAR;            /* ValueItemKind */
    int value_kind = VK_VALUE;       /* VI_SCALAR */
    const char *field = nullptr;     /* the field's name; null for elements */
    CType *type = nullptr;           /* the part's type */
    const CExpr *value = nullptr;    /* as written; null inside a whole value */
    const CExpr *range_low = nullptr, *range_high = nullptr; /* VK_RANGE */
    long long low = 0, high = -1;    /* VI_ARRAY bounds, VI_ELEMENT indexes */
    bool bounded = false;            /* VI_ARRAY: its dimension is known */
    int member = -1;                 /* VI_UNION: the member given, from 0;
                                        -1 for all (a whole value) */
    bool whole = false;              /* a level walked whole */
};
/* Matches `value` against `type` (unknown field CHAMPINCO, one field of a
** union ONEFLDUNN, too many values NBVALINCO, positional values for a
** class with base classes INHERITED; errors at the context's position)
** and appends the items.  False when anything was reported, or when an
** index range is not constant (the caller checks the list's shape first
** and reports that). */
bool match_value_items(CType *type, const CExpr *value,
                       std::vector<ValueItem> &items);

#endif
