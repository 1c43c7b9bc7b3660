/*
** src/capi/decl/decl_template.cc
** Templates: class templates kept as text, and their instances.
**
** A class template is recorded with its parameters and the source text of
** its class head and body, which is not analysed (it is written in terms
** of the parameters).  A use with arguments makes an instance: the kept
** text is analysed again with each parameter replaced by its argument's
** text, giving a class registered under the instance's name ("X<int>").
** Function and member templates are read with their type parameters as
** type names and not entered into the model.
*/
#include "decl.h"

#include <cstring>

namespace {

/* Instances made inside instances, and instances analysed for one text:
** a template that uses itself with growing arguments would otherwise make
** instances without end, or exponentially many. */
const int INSTANCE_DEPTH_LIMIT = 8;
const int INSTANCE_BUDGET = 500;
int instance_depth = 0;
int instances_analysed = 0;
int instance_failures = 0;   /* TEMINSINC raised, also in nested texts */

/* template_parameter: ( "class" | "typename" ) [ name ] [ "=" type ]
**                   | specifiers declarator [ "=" constant ]
**                   | "template" "<" ... ">" "class" name */
bool template_parameter(DeclParser *p, CClassBody *params,
                        TemplateFrame *frame)
{
    size_t start = peek_token(p).start;
    CTemplateParam param;
    int kind = peek_kind(p);
    if (kind == TK_KW_template) {
        next_token(p);
        if (peek_kind(p) != TK_LT)
            return false;
        skip_balanced(p);   /* "<" is not a bracket: fall back below */
        return false;
    }
    if ((kind == TK_KW_class || kind == TK_KW_typename) &&
        (peek_kind(p, 1) == TK_IDENT || peek_kind(p, 1) == TK_COMMA ||
         peek_kind(p, 1) == TK_GT || peek_kind(p, 1) == TK_ASSIGN)) {
        next_token(p);
        if (peek_kind(p) == TK_IDENT)
            param.name = next_token(p).text;
        if (param.name)
            frame->type_params.push_back(param.name);
        if (accept_token(p, TK_ASSIGN)) {
            CType *def = parse_type_name(p);
            if (!def)
                return false;
            free_type(def, FREE_ALL);
        }
    } else {
        DeclSpecs specs;
        Declarator d;
        bool ok = parse_decl_specs(p, &specs) && specs.has_type &&
                  parse_declarator(p, &d, true);
        release_declarator(&d);
        release_specs(&specs);
        if (!ok)
            return false;
        param.name = d.name;
        if (param.name)
            frame->value_params.push_back(param.name);
        if (accept_token(p, TK_ASSIGN)) {
            CExpr *def = parse_conditional(p);
            if (!def)
                return false;
            free_expr(def);
        }
    }
    param.text = intern_text(source_text(p, start, p->last.end).c_str());
    if (params)
        params->template_params.push_back(param);
    return true;
}

/* "<" [ parameter { "," parameter } ] ">" */
bool template_parameters(DeclParser *p, CClassBody *params,
                         TemplateFrame *frame)
{
    if (!accept_token(p, TK_LT))
        return false;
    bool saved = p->no_greater;
    p->no_greater = true;
    bool ok = true;
    if (peek_kind(p) != TK_GT) {
        do {
            ok = template_parameter(p, params, frame);
        } while (ok && accept_token(p, TK_COMMA));
    }
    p->no_greater = saved;
    return ok && accept_token(p, TK_GT);
}

void report_template(DeclParser *p, const char *code, size_t start)
{
    std::string text = source_text(p, start, peek_token(p).end);
    capi_report(3, code, text.c_str(), p->scan.file, p->last.line);
}

/* Skips the rest of a declaration: to ";" or past a balanced body. */
void skip_declaration(DeclParser *p)
{
    while (peek_kind(p) != TK_EOF && peek_kind(p) != TK_RBRACE) {
        int kind = peek_kind(p);
        if (kind == TK_SEMI) {
            next_token(p);
            return;
        }
        if (kind == TK_LBRACE) {
            skip_balanced(p);
            accept_token(p, TK_SEMI);
            return;
        }
        if (kind == TK_LPAREN || kind == TK_LBRACKET)
            skip_balanced(p);
        else
            next_token(p);
    }
}

/* class template: ( "class" | "struct" ) name [ bases ] "{" ... "}" ";"
** The head and body are kept as text. */
void class_template(DeclParser *p, CType *templ, size_t start)
{
    next_token(p);   /* the name */
    bool has_body = false;
    while (peek_kind(p) != TK_SEMI && peek_kind(p) != TK_EOF) {
        if (peek_kind(p) == TK_LBRACE) {
            skip_balanced(p);
            has_body = true;
            break;
        }
        next_token(p);
    }
    if (has_body)
        templ->class_body->template_text =
            std::string(p->scan.text + start, p->last.end - start);
}

/* Argument list "<" ... ">" of a template use: the types and texts. */
bool template_arguments(DeclParser *p, std::vector<CTemplateArg> &args,
                        std::vector<std::string> &texts)
{
    next_token(p);
    bool saved = p->no_greater;
    p->no_greater = true;
    bool ok = true;
    while (ok && peek_kind(p) != TK_GT) {
        CTemplateArg arg;
        std::string text;
        if (starts_type_name(p, 0)) {
            arg.type = parse_type_name(p);
            ok = arg.type != nullptr;
            std::string before, after;
            if (ok)
                decl_type_image(arg.type, before, after);
            text = before + after;
            while (!text.empty() && text.back() == ' ')
                text.pop_back();
        } else {
            size_t start = peek_token(p).start;
            CExpr *e = parse_conditional(p);
            ok = e != nullptr;
            free_expr(e);
            text = source_text(p, start, p->last.end);
            arg.text = intern_text(text.c_str());
        }
        if (!ok) {
            free_type(arg.type, FREE_ALL);
            break;
        }
        args.push_back(arg);
        texts.push_back(text);
        if (!accept_token(p, TK_COMMA))
            break;
    }
    p->no_greater = saved;
    return ok && expect_token(p, TK_GT);
}

std::string instance_name(const char *tag, const std::vector<std::string> &texts)
{
    std::string name = tag ? tag : "";
    name += "<";
    for (size_t i = 0; i < texts.size(); i++) {
        if (i)
            name += ",";
        name += texts[i];
    }
    if (!name.empty() && name.back() == '>')
        name += " ";
    return name + ">";
}

/* The kept text with every parameter name replaced by its argument. */
std::string substituted_text(const CClassBody *body,
                             const std::vector<std::string> &texts)
{
    DeclScanner s;
    scan_init(&s, body->template_text.c_str(), nullptr, 1, false);
    std::string out;
    size_t copied = 0;
    for (;;) {
        DeclToken t;
        scan_token(&s, &t);
        if (t.kind == TK_EOF)
            break;
        if (t.kind != TK_IDENT)
            continue;
        for (size_t i = 0; i < body->template_params.size() && i < texts.size();
             i++) {
            if (body->template_params[i].name != t.text)
                continue;
            out.append(s.text + copied, t.start - copied);
            out += " " + texts[i] + " ";
            copied = t.end;
            break;
        }
    }
    out.append(s.text + copied, s.length - copied);
    return out + ";";
}

bool arguments_match(const CClassBody *body, size_t count)
{
    if (count > body->template_params.size())
        return false;
    for (size_t i = count; i < body->template_params.size(); i++)
        if (!strchr(text_or_empty(body->template_params[i].text), '='))
            return false;
    return count > 0 || body->template_params.empty();
}

/* Analyses the substituted text as the class `name`; its class type. */
CType *instance_class(DeclParser *p, CType *templ, const char *name,
                      const std::vector<std::string> &texts)
{
    std::string text = substituted_text(templ->class_body, texts);
    DeclParser sub;
    parser_init(&sub, text.c_str(), p->scan.file, p->last.line, false);
    DeclContext context = *p->context;
    context.parser = &sub;
    context.templates.clear();
    context.instance_tag = name;
    context.instance_of = templ->name;
    context.base_depth = context.table->scopes.contexts.size();
    sub.context = &context;
    sub.scan.pragma_hook = p->scan.pragma_hook;
    ReportHook quiet = set_report_hook(nullptr);
    int failures = instance_failures;
    instance_depth++;
    parse_declaration_seq(&sub, false);
    instance_depth--;
    set_report_hook(quiet);
    while (context.table->scopes.contexts.size() > context.base_depth)
        pop_scope(context.table);
    if (sub.errors || instance_failures != failures)
        return nullptr;
    CTableEntry *e = lookup_tag(context.table, name, CT_STRUCT,
                                current_qualifier(context.table));
    return e ? e->symbol->type : nullptr;
}

CType *make_instance(DeclParser *p, CType *templ, const char *name,
                     std::vector<CTemplateArg> &args, CType *cls)
{
    CSymbolTable *table = table_of(p);
    NamespaceQualifier q = current_qualifier(table);
    CType *inst = make_type(CT_INSTANCE, q);
    inst->name = name;
    inst->templ = templ;
    inst->instance = new CInstanceBody;
    inst->instance->args = args;
    inst->instance->class_type = cls;
    args.clear();
    CSymbol *symbol = make_symbol(name, inst, q, p->scan.file);
    CTableEntry *e = insert_tag(table, symbol, p->scan.file, p->last.line);
    return e ? e->symbol->type : nullptr;
}

void free_arguments(std::vector<CTemplateArg> &args)
{
    for (CTemplateArg &a : args)
        free_type(a.type, FREE_ALL);
    args.clear();
}

/* Whether the token after a template header can begin the declaration
** the header applies to: a name, or a keyword that may start a
** declaration.  A constant, an operator or ";" declares nothing. */
bool starts_templated_declaration(DeclParser *p)
{
    switch (peek_kind(p)) {
    case TK_IDENT: case TK_SCOPE: case TK_TILDE: case TK_KW_operator:
    case TK_KW_template: case TK_KW_typename: case TK_KW_typedef:
    case TK_KW_using: case TK_KW_friend: case TK_KW_class:
    case TK_KW_struct: case TK_KW_union: case TK_KW_enum:
    case TK_KW_extern: case TK_KW_static: case TK_KW_inline:
    case TK_KW_virtual: case TK_KW_explicit: case TK_KW_mutable:
    case TK_KW_register: case TK_KW_auto: case TK_KW_overload:
    case TK_KW_const: case TK_KW_volatile: case TK_KW_void:
    case TK_KW_bool: case TK_KW_char: case TK_KW_wchar_t:
    case TK_KW_short: case TK_KW_int: case TK_KW_long: case TK_KW_signed:
    case TK_KW_unsigned: case TK_KW_float: case TK_KW_double:
        return true;
    default:
        return false;
    }
}

/* "template" "<" ">" class name "<" arguments ">" body: a specialisation
** of a known template, analysed as that instance.           TEMINSINC */
void specialisation(DeclParser *p, size_t start)
{
    int keyword = next_token(p).kind;
    const char *tag = next_token(p).text;
    CSymbolTable *table = table_of(p);
    CTableEntry *templ = lookup_tag(table, tag, CT_TEMPLATE,
                                    current_qualifier(table));
    std::vector<CTemplateArg> args;
    std::vector<std::string> texts;
    if (!templ || !template_arguments(p, args, texts)) {
        free_arguments(args);
        report_template(p, "TEMINSINC", start);
        p->failed = false;
        skip_declaration(p);
        return;
    }
    const char *name = intern_text(instance_name(tag, texts).c_str());
    DeclSpecs specs = DeclSpecs();
    CType *cls = nullptr;
    if (peek_kind(p) == TK_LBRACE || peek_kind(p) == TK_COLON) {
        const char *saved = p->context->instance_tag;
        const char *saved_of = p->context->instance_of;
        p->context->instance_tag = name;
        p->context->instance_of = tag;
        /* Read the body as a class named by the instance. */
        cls = declare_tag(p, CT_STRUCT, name, keyword == TK_KW_class, true);
        if (accept_token(p, TK_COLON)) {
            while (peek_kind(p) != TK_LBRACE && peek_kind(p) != TK_EOF)
                next_token(p);
        }
        if (expect_token(p, TK_LBRACE)) {
            CType *built = make_class_type(CT_STRUCT, name, keyword == TK_KW_class,
                                           current_qualifier(table));
            class_scope(table, built);
            parse_member_seq(p, built);
            CSymbol *symbol = make_symbol(name, built, current_qualifier(table),
                                          p->scan.file);
            insert_tag(table, symbol, p->scan.file, p->last.line);
        }
        p->context->instance_tag = saved;
        p->context->instance_of = saved_of;
    }
    (void)specs;
    make_instance(p, templ->symbol->type, name, args, cls);
    free_arguments(args);
    expect_token(p, TK_SEMI);
}

} // namespace

/* template_declaration: [ "export" ] "template" "<" parameters ">"
**                       ( class_template | specialisation | declaration )
**                     | "template" declaration    (explicit instantiation)
**                                                     TEMPLADEC, TEMINSINC */
void parse_template_declaration(DeclParser *p, bool in_class)
{
    size_t start = peek_token(p).start;
    accept_token(p, TK_KW_export);
    next_token(p);
    /* "template class Box<int>;" asks for an instance the first use makes
    ** anyway: nothing to record. */
    if (peek_kind(p) != TK_LT && starts_templated_declaration(p)) {
        skip_declaration(p);
        return;
    }
    CSymbolTable *table = table_of(p);
    CType *templ = nullptr;
    TemplateFrame frame;
    CClassBody params;
    /* A header that fails, or that is followed by nothing a declaration
    ** can begin with ("template <class T> ;", "template <class T> 42;"),
    ** declares nothing. */
    if (!template_parameters(p, &params, &frame) ||
        !starts_templated_declaration(p)) {
        p->failed = false;
        report_template(p, "TEMPLADEC", start);
        skip_declaration(p);
        return;
    }
    int kind = peek_kind(p);
    bool class_head = (kind == TK_KW_class || kind == TK_KW_struct) &&
                      peek_kind(p, 1) == TK_IDENT;
    if (class_head && params.template_params.empty() &&
        peek_kind(p, 2) == TK_LT) {
        specialisation(p, start);
        return;
    }
    if (class_head && peek_kind(p, 2) != TK_LT) {
        size_t head = peek_token(p).start;
        const char *tag = peek_token(p, 1).text;
        templ = make_class_type(CT_TEMPLATE, tag, kind == TK_KW_class,
                                current_qualifier(table));
        templ->class_body->template_params = params.template_params;
        next_token(p);
        class_template(p, templ, head);
        CSymbol *symbol = make_symbol(tag, templ, current_qualifier(table),
                                      p->scan.file);
        insert_tag(table, symbol, p->scan.file, p->last.line);
        expect_token(p, TK_SEMI);
        return;
    }
    /* Function or member templates, partial specialisations: read over. */
    (void)in_class;
    p->context->templates.push_back(frame);
    skip_declaration(p);
    p->context->templates.pop_back();
}

void reset_instance_budget()
{
    if (instance_depth == 0)
        instances_analysed = 0;
}

CType *parse_template_use(DeclParser *p, CTableEntry *entry)
{
    size_t start = p->last.start;
    CType *templ = entry->symbol->type;
    std::vector<CTemplateArg> args;
    std::vector<std::string> texts;
    if (!template_arguments(p, args, texts)) {
        free_arguments(args);
        return nullptr;
    }
    const char *name = intern_text(instance_name(templ->name, texts).c_str());
    CSymbolTable *table = table_of(p);
    CTableEntry *known = lookup_tag(table, name, CT_INSTANCE,
                                    current_qualifier(table));
    if (known) {
        free_arguments(args);
        return known->symbol->type;
    }
    CType *cls = nullptr;
    CClassBody *body = templ->class_body;
    if (body && !body->template_text.empty()) {
        if (!arguments_match(body, args.size()) ||
            instance_depth >= INSTANCE_DEPTH_LIMIT ||
            ++instances_analysed > INSTANCE_BUDGET ||
            !(cls = instance_class(p, templ, name, texts))) {
            std::string text = source_text(p, start, p->last.end);
            instance_failures++;
            capi_report(3, "TEMINSINC", text.c_str(), p->scan.file,
                        p->last.line);
        }
    }
    CType *inst = make_instance(p, templ, name, args, cls);
    free_arguments(args);
    return inst;
}
