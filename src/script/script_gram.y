/*
** src/script/script_gram.y
** Grammar of the test-script language.
**
** Each rule builds one SyntaxNode (or passes its first symbol's node on);
** the constructors live in tree.cc and build.cc.  Lists are right
** recursive, so each list node holds an item and the rest of the list.
** Syntax errors resume at the next end of line through the "error EOL"
** rules.  Token numbers are fixed by tokens.def, which the %token list
** below must match row for row.
*/

%code requires {
struct SyntaxNode;
struct ParseContext;
}

%code {
#include "script_int.h"

/* The stack may grow to this many entries; beyond, the current token is
** reported as a syntax error and parsing stops. */
#define YYMAXDEPTH PARSER_STACK_LIMIT

static int script_yylex(SCRIPT_YYSTYPE *value, ParseContext *ctx)
{
    return script_lex(&value->text, ctx);
}

static void script_yyerror(ParseContext *ctx, const char *)
{
    report_syntax_error(ctx);
}
}

/* No globals: the context record carries the parser's state. */
%define api.pure full
/* The interface analysis has a grammar of its own in the same library. */
%define api.prefix {script_yy}
/* Token constants form the TK_ family shared with tokens.def. */
%define api.token.prefix {TK_}
%param {ParseContext *ctx}

%union {
    SyntaxNode *node;
    char *text;
}

%token <text> EOL 257 LPAREN 258 RPAREN 259 LBRACKET 260 RBRACKET 261
%token <text> ARROW 262 COMMA 263 AT 264 CALL 265 CASE 266 CHARCONST 267
%token <text> DEF_TRIGGER 268 DISABLE_CLEANUP 269 ELSE 270 ENABLE_CLEANUP 271
%token <text> END 272 ENVVAR 273 ERROR 274 EXCEPTION 275 NATIVE_TEXT 276
%token <text> EXIT 277 FAMILY 278 FD_ADD 279 FD_DEL 280 FORMAT_EQ 281
%token <text> HEADER 282 IF 283 INCLUDE 284 INITIALIZATION 285 IS 286
%token <text> OTHERS 287 ELLIPSIS 288 PROC 289 RENDEZVOUS 290 REF 291
%token <text> SCENARIO 292 SEMICOLON 293 SET 294 SHARE 295 TERMINATION 296
%token <text> THEN 297 TRIGGER 298 UNSET 299 VAR 300 INIT_EQ 301 EV_EQ 302
%token <text> EV_EQEQ 303 WAITTIL 304 WHILE 305 NUMBER 306 STRING 307
%token <text> IDENT 308 SCOPED_IDENT 309 FILTER 310 FILTER2 311 COMMENT 312
%token <text> HASH_LINE 313 AT_LINE 314 WHEN 315 ADD_ID 316 CALLBACK 317
%token <text> VIRTUALCALLBACK 318 CHANNEL 319 CLEAR_ID 320 COLON 321
%token <text> COMMTYPE 322 DEF_MESSAGE 323 MESSAGE 324 MESSAGE_DATE 325
%token <text> MULTIPLEXING 326 NO_MESSAGE 327 ON 328 TIMEOUT 329 WITH 330
%token <text> MATCHING_LP 331 MATCHED_LP 332 NOTMATCHING_LP 333
%token <text> NOTMATCHED_LP 334 MCOMMA 335 MRPAREN 336 TIMER 337 RESET 338
%token <text> PAUSE 339 PRINT 340 UNKNOWN 341 LOOP 342 CATCH 343 SEND 344
%token <text> PROCSEND 345 VIRTUALPROCSEND 346 DECLARE_INSTANCE 347
%token <text> INSTANCE 348 FLUSH_TRACE 349 TRACE_ON 350 TRACE_OFF 351
%token <text> INTERSEND 352 INTERRECV 353

%type <node> script top_items top_first_item header header_value declarations instance_declarations
%type <node> declare_instance instance_block declaration commtype_decl
%type <node> properties property channel_decl channel_names message_decl
%type <node> message_names procsend_decl virtual_procsend_decl procsend_name
%type <node> procsend_on callback_decl virtual_callback_decl no_message_stmt
%type <node> message_date_stmt callback_name callback_on name_list
%type <node> native_line native_stmt share_decl trigger_decl trigger_names
%type <node> proc_decl params param scenario scenario_rest family_part
%type <node> scenario_content scenario_items scenario_item include_line body
%type <node> inner_block instance_begin instance_end statement_lines
%type <node> native_lines statement_line filter statement initialization
%type <node> termination exception block_mark timer_line reset_stmt
%type <node> pause_stmt print_stmt rendezvous_stmt catch_line call_stmt
%type <node> return_spec flush_trace_stmt trace_on_stmt trace_off_stmt
%type <node> intersend_stmt intersend_args interrecv_stmt interrecv_args
%type <node> send_stmt send_args arguments argument actual case_stmt
%type <node> case_groups case_group when_lines when_line when_label
%type <node> comment_stmt def_trigger_stmt trigger_args disable_cleanup_stmt
%type <node> enable_cleanup_stmt error_stmt family_line family_names
%type <node> format_line format_keyword exit_stmt if_stmt else_part
%type <node> native_stmt_item native_line_item set_stmt unset_stmt
%type <node> def_message_stmt def_message_value var_stmt var_value
%type <node> waittil_stmt while_stmt add_id_stmt clear_id_stmt fd_add_stmt
%type <node> fd_del_stmt number char_const others empty expression expr_piece
%type <node> matching_term matched_term notmatching_term notmatched_term
%type <node> ident scoped_ident text_value envvar string

/* Subtrees dropped by error recovery are released.  The parser would
** also release the accepted script; the context keeps it instead. */
%destructor { free_tree($$, 1); } <node>
%destructor { } script

/* One deliberate conflict: after a native line's EOL in a body, another
** "#" line is shifted into the same NK_NATIVE_LINE_LIST rather than
** starting a new group (shift/reduce on HASH_LINE). */
%expect 1

%%

/* An INCLUDE line before the first scenario item is a declaration: the
** top-level items cannot start with one.  (Written with the plain item
** list, the same choice would come out of a reduce/reduce conflict.) */
script:
    header declarations top_items       { $$ = make_script(ctx, $1, $2, $3); }
  | header declarations                 { $$ = make_script(ctx, $1, $2, nullptr); }
  | header top_items                    { $$ = make_script(ctx, $1, nullptr, $2); }
  | header                              { $$ = make_script(ctx, $1, nullptr, nullptr); }
  ;

top_items:
    top_first_item                      { $$ = make_node(NK_SCENARIO_ITEM_LIST, $1, nullptr, nullptr, nullptr); }
  | top_first_item scenario_items       { $$ = make_node(NK_SCENARIO_ITEM_LIST, $1, $2, nullptr, nullptr); }
  ;

top_first_item:
    scenario
  | initialization EOL
  | termination EOL
  | exception EOL
  ;

header:
    HEADER header_value COMMA header_value COMMA header_value EOL
                                        { $$ = make_node(NK_HEADER, $2, $4, $6, nullptr); }
  | EOL header                          { $$ = $2; }
  ;

header_value: text_value ;

declarations:
    declaration                         { $$ = make_node(NK_DECL_LIST, $1, nullptr, nullptr, nullptr); }
  | declare_instance                    { $$ = make_node(NK_DECL_LIST, nullptr, $1, nullptr, nullptr); }
  | instance_block                      { $$ = make_node(NK_DECL_LIST, nullptr, $1, nullptr, nullptr); }
  | declaration declarations            { $$ = make_node(NK_DECL_LIST, $1, nullptr, $2, nullptr); }
  | declare_instance declarations       { $$ = make_node(NK_DECL_LIST, nullptr, $1, $2, nullptr); }
  | instance_block declarations         { $$ = make_node(NK_DECL_LIST, nullptr, $1, $2, nullptr); }
  | error EOL                           { $$ = nullptr; }
  | error EOL declarations              { $$ = $3; }
  ;

instance_declarations:
    declaration                         { $$ = make_node(NK_INSTANCE_DECL_LIST, $1, nullptr, nullptr, nullptr); }
  | declaration instance_declarations   { $$ = make_node(NK_INSTANCE_DECL_LIST, $1, nullptr, $2, nullptr); }
  | error EOL                           { $$ = nullptr; }
  | error EOL instance_declarations     { $$ = $3; }
  ;

declare_instance:
    DECLARE_INSTANCE name_list EOL      { $$ = make_node(NK_DECLARE_INSTANCE, $2, nullptr, nullptr, nullptr); }
  ;

instance_block:
    INSTANCE name_list COLON EOL instance_declarations END INSTANCE EOL
                                        { $$ = make_node(NK_INSTANCE_BLOCK, $2, $5, nullptr, nullptr); }
  ;

declaration:
    native_line EOL
  | native_stmt EOL
  | trigger_decl EOL
  | share_decl EOL
  | proc_decl EOL
  | include_line
  | format_line EOL
  | catch_line EOL
  | commtype_decl EOL
  | channel_decl EOL
  | message_decl EOL
  | callback_decl EOL
  | virtual_callback_decl EOL
  | procsend_decl EOL
  | virtual_procsend_decl EOL
  | timer_line EOL
  | empty EOL
  ;

commtype_decl:
    COMMTYPE ident IS ident             { $$ = make_node(NK_COMMTYPE, $2, $4, nullptr, nullptr); }
  | COMMTYPE ident IS ident WITH properties
                                        { $$ = make_node(NK_COMMTYPE, $2, $4, $6, nullptr); }
  ;

properties:
    property                            { $$ = make_node(NK_PROPERTY_LIST, $1, nullptr, nullptr, nullptr); }
  | property COMMA properties           { $$ = make_node(NK_PROPERTY_LIST, $1, $3, nullptr, nullptr); }
  ;

property:
    MULTIPLEXING                        { $$ = make_node(NK_MULTIPLEXING, nullptr, nullptr, nullptr, nullptr); }
  ;

channel_decl:
    CHANNEL ident COLON channel_names   { $$ = make_node(NK_CHANNEL, $2, $4, nullptr, nullptr); }
  ;

channel_names:
    ident                               { $$ = make_node(NK_CHANNEL_NAME_LIST, $1, nullptr, nullptr, nullptr); }
  | ident COMMA channel_names           { $$ = make_node(NK_CHANNEL_NAME_LIST, $1, $3, nullptr, nullptr); }
  ;

message_decl:
    MESSAGE ident COLON message_names   { $$ = make_node(NK_MESSAGE, $2, $4, nullptr, nullptr); }
  ;

message_names:
    ident                               { $$ = make_node(NK_MESSAGE_NAME_LIST, $1, nullptr, nullptr, nullptr); }
  | ident COMMA message_names           { $$ = make_node(NK_MESSAGE_NAME_LIST, $1, $3, nullptr, nullptr); }
  ;

procsend_decl:
    PROCSEND procsend_name ON procsend_on EOL body END PROCSEND
                                        { $$ = make_node(NK_PROCSEND, $2, $4, $6, nullptr); }
  ;

virtual_procsend_decl:
    VIRTUALPROCSEND procsend_name ON procsend_on EOL body END PROCSEND
                                        { $$ = make_node(NK_VIRTUAL_PROCSEND, $2, $4, $6, nullptr); }
  ;

procsend_name:
    ident COLON ident                   { $$ = make_node(NK_PROCSEND_NAME, $1, $3, nullptr, nullptr); }
  ;

procsend_on:
    ident COLON ident                   { $$ = make_node(NK_PROCSEND_ON, $1, $3, nullptr, nullptr); }
  ;

callback_decl:
    CALLBACK callback_name ON callback_on EOL body END CALLBACK
                                        { $$ = make_node(NK_CALLBACK, $2, $4, $6, nullptr); }
  ;

virtual_callback_decl:
    VIRTUALCALLBACK callback_name ON callback_on EOL body END CALLBACK
                                        { $$ = make_node(NK_VIRTUAL_CALLBACK, $2, $4, $6, nullptr); }
  ;

no_message_stmt:
    NO_MESSAGE                          { $$ = make_node(NK_NO_MESSAGE, nullptr, nullptr, nullptr, nullptr); }
  ;

message_date_stmt:
    MESSAGE_DATE                        { $$ = make_node(NK_MESSAGE_DATE, nullptr, nullptr, nullptr, nullptr); }
  ;

callback_name:
    ident COLON ident                   { $$ = make_node(NK_CALLBACK_NAME, $1, $3, nullptr, nullptr); }
  ;

callback_on:
    ident COLON ident                   { $$ = make_node(NK_CALLBACK_ON, $1, $3, nullptr, nullptr); }
  | ident COLON ident LBRACKET ident RBRACKET
                                        { $$ = make_node(NK_CALLBACK_ON, $1, $3, $5, nullptr); }
  ;

name_list:
    ident                               { $$ = make_node(NK_INSTANCE_LIST, $1, nullptr, nullptr, nullptr); }
  | ident COMMA name_list               { $$ = make_node(NK_INSTANCE_LIST, $1, $3, nullptr, nullptr); }
  ;

native_line:
    HASH_LINE                           { $$ = make_node(NK_NATIVE_LINE, nullptr, nullptr, nullptr, $1 + 1); }
  ;

native_stmt:
    AT_LINE                             { $$ = make_node(NK_NATIVE_STMT, nullptr, nullptr, nullptr, $1 + 1); }
  ;

share_decl:
    SHARE ident                         { $$ = make_node(NK_SHARE, $2, nullptr, nullptr, nullptr); }
  ;

trigger_decl:
    TRIGGER ident trigger_names         { $$ = make_node(NK_TRIGGER, $2, $3, nullptr, nullptr); }
  ;

trigger_names:
    ident                               { $$ = make_node(NK_TRIGGER_NAME_LIST, $1, nullptr, nullptr, nullptr); }
  | ident COMMA trigger_names           { $$ = make_node(NK_TRIGGER_NAME_LIST, $1, $3, nullptr, nullptr); }
  ;

proc_decl:
    PROC ident LPAREN RPAREN EOL body END PROC
                                        { $$ = make_node(NK_PROC, $2, nullptr, $6, nullptr); }
  | PROC ident LPAREN params RPAREN EOL body END PROC
                                        { $$ = make_node(NK_PROC, $2, $4, $7, nullptr); }
  ;

params:
    param                               { $$ = make_node(NK_PARAM_LIST, $1, nullptr, nullptr, nullptr); }
  | param COMMA params                  { $$ = make_node(NK_PARAM_LIST, $1, $3, nullptr, nullptr); }
  ;

param:
    ident ident                         { $$ = make_node(NK_PARAM, $1, $2, nullptr, nullptr); }
  ;

scenario:
    SCENARIO ident scenario_rest        { $$ = make_node(NK_SCENARIO, $2, $3, nullptr, nullptr); }
  ;

scenario_rest:
    LOOP number EOL family_part scenario_content END SCENARIO EOL
                                        { $$ = make_node(NK_SCENARIO_BODY, $2, $4, $5, nullptr); }
  | EOL family_part scenario_content END SCENARIO EOL
                                        { $$ = make_node(NK_SCENARIO_BODY, nullptr, $2, $3, nullptr); }
  ;

family_part:
    empty
  | family_line EOL
  ;

scenario_content:
    scenario_items
  | body
  ;

scenario_items:
    scenario_item                       { $$ = make_node(NK_SCENARIO_ITEM_LIST, $1, nullptr, nullptr, nullptr); }
  | scenario_item scenario_items        { $$ = make_node(NK_SCENARIO_ITEM_LIST, $1, $2, nullptr, nullptr); }
  ;

scenario_item:
    scenario
  | initialization EOL
  | termination EOL
  | exception EOL
  | include_line
  ;

/* The reader switches to the included file as this rule is reduced. */
include_line:
    INCLUDE string EOL                  { $$ = make_include($2); }
  ;

body:
    native_lines                        { $$ = make_node(NK_DECL_BLOCK, $1, nullptr, nullptr, nullptr); }
  | native_lines body                   { $$ = make_node(NK_DECL_BLOCK, $1, nullptr, $2, nullptr); }
  | instance_begin native_lines instance_end
                                        { $$ = make_section(NK_DECL_BLOCK, $1, $2, $3, nullptr); }
  | instance_begin native_lines instance_end body
                                        { $$ = make_section(NK_DECL_BLOCK, $1, $2, $3, $4); }
  | statement_line                      { $$ = make_node(NK_BLOCK, $1, nullptr, nullptr, nullptr); }
  | statement_line body                 { $$ = make_node(NK_BLOCK, $1, nullptr, $2, nullptr); }
  | instance_begin statement_lines instance_end
                                        { $$ = make_section(NK_BLOCK, $1, $2, $3, nullptr); }
  | instance_begin statement_lines instance_end body
                                        { $$ = make_section(NK_BLOCK, $1, $2, $3, $4); }
  ;

inner_block:
    statement_line                      { $$ = make_node(NK_INNER_BLOCK, $1, nullptr, nullptr, nullptr); }
  | statement_line inner_block          { $$ = make_node(NK_INNER_BLOCK, $1, nullptr, $2, nullptr); }
  | instance_begin statement_lines instance_end
                                        { $$ = make_section(NK_INNER_BLOCK, $1, $2, $3, nullptr); }
  | instance_begin statement_lines instance_end inner_block
                                        { $$ = make_section(NK_INNER_BLOCK, $1, $2, $3, $4); }
  ;

instance_begin:
    INSTANCE name_list COLON EOL        { $$ = make_node(NK_INSTANCE_BEGIN, $2, nullptr, nullptr, nullptr); }
  ;

instance_end:
    END INSTANCE EOL                    { $$ = make_node(NK_INSTANCE_END, nullptr, nullptr, nullptr, nullptr); }
  ;

statement_lines:
    statement_line                      { $$ = make_node(NK_STMT_LIST, $1, nullptr, nullptr, nullptr); }
  | statement_line statement_lines      { $$ = make_node(NK_STMT_LIST, $1, $2, nullptr, nullptr); }
  ;

native_lines:
    native_line_item EOL                { $$ = make_node(NK_NATIVE_LINE_LIST, $1, nullptr, nullptr, nullptr); }
  | native_line_item EOL native_lines   { $$ = make_node(NK_NATIVE_LINE_LIST, $1, $3, nullptr, nullptr); }
  ;

statement_line:
    filter statement EOL                { $$ = make_node(NK_STATEMENT, $1, $2, nullptr, nullptr); }
  | statement EOL                       { $$ = make_node(NK_STATEMENT, nullptr, $1, nullptr, nullptr); }
  | error EOL                           { $$ = nullptr; }
  ;

filter:
    FILTER                              { $$ = make_node(NK_FILTER, nullptr, nullptr, nullptr, $1 + 1); }
  | FILTER2                             { $$ = make_node(NK_FILTER2, nullptr, nullptr, nullptr, $1 + 1); }
  ;

statement:
    call_stmt
  | send_stmt
  | catch_line
  | case_stmt
  | comment_stmt
  | def_trigger_stmt
  | disable_cleanup_stmt
  | enable_cleanup_stmt
  | error_stmt
  | exit_stmt
  | if_stmt
  | native_stmt_item
  | set_stmt
  | unset_stmt
  | var_stmt
  | waittil_stmt
  | while_stmt
  | fd_add_stmt
  | fd_del_stmt
  | rendezvous_stmt
  | format_line
  | def_message_stmt
  | add_id_stmt
  | clear_id_stmt
  | no_message_stmt
  | message_date_stmt
  | timer_line
  | reset_stmt
  | pause_stmt
  | print_stmt
  | flush_trace_stmt
  | trace_on_stmt
  | trace_off_stmt
  | intersend_stmt
  | interrecv_stmt
  ;

initialization:
    INITIALIZATION ident LPAREN arguments RPAREN
                                        { $$ = make_node(NK_INITIALIZATION, $2, nullptr, $4, nullptr); }
  | INITIALIZATION block_mark body END INITIALIZATION
                                        { $$ = make_node(NK_INITIALIZATION, nullptr, $3, $2, nullptr); }
  ;

termination:
    TERMINATION ident LPAREN arguments RPAREN
                                        { $$ = make_node(NK_TERMINATION, $2, nullptr, $4, nullptr); }
  | TERMINATION block_mark body END TERMINATION
                                        { $$ = make_node(NK_TERMINATION, nullptr, $3, $2, nullptr); }
  ;

exception:
    EXCEPTION ident LPAREN arguments RPAREN
                                        { $$ = make_node(NK_EXCEPTION, $2, nullptr, $4, nullptr); }
  | EXCEPTION block_mark body END EXCEPTION
                                        { $$ = make_node(NK_EXCEPTION, nullptr, $3, $2, nullptr); }
  ;

block_mark:
    EOL                                 { $$ = make_node(NK_BLOCK_MARK, nullptr, nullptr, nullptr, nullptr); }
  ;

timer_line:
    TIMER ident                         { $$ = make_node(NK_TIMER, $2, nullptr, nullptr, nullptr); }
  ;

reset_stmt:
    RESET ident                         { $$ = make_node(NK_RESET, $2, nullptr, nullptr, nullptr); }
  ;

pause_stmt:
    PAUSE expression                    { $$ = make_node(NK_PAUSE, $2, nullptr, nullptr, nullptr); }
  ;

print_stmt:
    PRINT ident COMMA expression        { $$ = make_node(NK_PRINT, $2, $4, nullptr, nullptr); }
  ;

rendezvous_stmt:
    RENDEZVOUS ident                    { $$ = make_node(NK_RENDEZVOUS, $2, nullptr, nullptr, nullptr); }
  ;

catch_line:
    CATCH ident WITH ident              { $$ = make_node(NK_CATCH, $2, $4, nullptr, nullptr); }
  | CATCH ELLIPSIS WITH ident           { $$ = make_node(NK_CATCH, nullptr, $4, nullptr, nullptr); }
  ;

call_stmt:
    CALL ident LPAREN arguments RPAREN  { $$ = make_node(NK_CALL, $2, $4, nullptr, nullptr); }
  | CALL ident LPAREN arguments RPAREN AT return_spec
                                        { $$ = make_node(NK_CALL, $2, $4, $7, nullptr); }
  ;

return_spec:
    expression                          { $$ = make_node(NK_RETURN_SPEC, $1, nullptr, nullptr, nullptr); }
  | expression AT expression            { $$ = make_node(NK_RETURN_SPEC, $1, $3, nullptr, nullptr); }
  ;

flush_trace_stmt:
    FLUSH_TRACE                         { $$ = make_node(NK_FLUSH_TRACE, nullptr, nullptr, nullptr, nullptr); }
  ;

trace_on_stmt:
    TRACE_ON                            { $$ = make_node(NK_TRACE_ON, nullptr, nullptr, nullptr, nullptr); }
  ;

trace_off_stmt:
    TRACE_OFF                           { $$ = make_node(NK_TRACE_OFF, nullptr, nullptr, nullptr, nullptr); }
  ;

intersend_stmt:
    INTERSEND LPAREN intersend_args RPAREN
                                        { $$ = make_node(NK_INTERSEND, $3, nullptr, nullptr, nullptr); }
  ;

intersend_args:
    expression COMMA expression         { $$ = make_node(NK_INTERSEND_ARGS, $1, $3, nullptr, nullptr); }
  ;

interrecv_stmt:
    INTERRECV LPAREN interrecv_args RPAREN
                                        { $$ = make_node(NK_INTERRECV, $3, nullptr, nullptr, nullptr); }
  ;

interrecv_args:
    expression                          { $$ = make_node(NK_INTERRECV_ARGS, $1, nullptr, nullptr, nullptr); }
  | expression COMMA expression         { $$ = make_node(NK_INTERRECV_ARGS, $1, $3, nullptr, nullptr); }
  ;

send_stmt:
    SEND LPAREN send_args RPAREN        { $$ = make_node(NK_SEND, $3, nullptr, nullptr, nullptr); }
  ;

send_args:
    ident COMMA ident                   { $$ = make_node(NK_SEND_ARGS, $1, $3, nullptr, nullptr); }
  ;

arguments:
    argument                            { $$ = make_node(NK_ARG_LIST, $1, nullptr, nullptr, nullptr); }
  | argument COMMA arguments            { $$ = make_node(NK_ARG_LIST, $1, $3, nullptr, nullptr); }
  ;

argument:
    REF LPAREN actual RPAREN            { $$ = make_node(NK_REF_PARAM, $3, nullptr, nullptr, nullptr); }
  | actual                              { $$ = make_node(NK_VALUE_PARAM, $1, nullptr, nullptr, nullptr); }
  ;

actual:
    expression                          { $$ = make_node(NK_ACTUAL, $1, nullptr, nullptr, nullptr); }
  | expression AT expression            { $$ = make_node(NK_ACTUAL, $1, $3, nullptr, nullptr); }
  | expression AT expression AT expression
                                        { $$ = make_node(NK_ACTUAL, $1, $3, $5, nullptr); }
  ;

case_stmt:
    CASE LPAREN expression RPAREN IS EOL case_groups END CASE
                                        { $$ = make_node(NK_CASE, $3, $7, nullptr, nullptr); }
  ;

case_groups:
    case_group                          { $$ = make_node(NK_CASE_BRANCH_LIST, $1, nullptr, nullptr, nullptr); }
  | case_group case_groups              { $$ = make_node(NK_CASE_BRANCH_LIST, $1, $2, nullptr, nullptr); }
  ;

case_group:
    when_lines inner_block              { $$ = make_node(NK_CASE_BRANCH, $1, $2, nullptr, nullptr); }
  ;

when_lines:
    when_line                           { $$ = make_node(NK_WHEN_LIST, $1, nullptr, nullptr, nullptr); }
  | when_line when_lines                { $$ = make_node(NK_WHEN_LIST, $1, $2, nullptr, nullptr); }
  ;

when_line:
    WHEN when_label ARROW               { $$ = $2; }
  | WHEN when_label ARROW EOL           { $$ = $2; }
  ;

when_label:
    number
  | others
  | char_const
  | ident
  | scoped_ident
  ;

comment_stmt:
    COMMENT                             { $$ = make_comment(ctx, $1); }
  ;

def_trigger_stmt:
    DEF_TRIGGER LPAREN expression COMMA trigger_args RPAREN
                                        { $$ = make_node(NK_DEF_TRIGGER, $3, $5, nullptr, nullptr); }
  ;

trigger_args:
    expression                          { $$ = make_node(NK_TRIGGER_ARG_LIST, $1, nullptr, nullptr, nullptr); }
  | expression COMMA trigger_args       { $$ = make_node(NK_TRIGGER_ARG_LIST, $1, $3, nullptr, nullptr); }
  ;

disable_cleanup_stmt:
    DISABLE_CLEANUP ident LPAREN RPAREN { $$ = make_node(NK_DISABLE_CLEANUP, $2, nullptr, nullptr, nullptr); }
  ;

enable_cleanup_stmt:
    ENABLE_CLEANUP ident LPAREN RPAREN  { $$ = make_node(NK_ENABLE_CLEANUP, $2, nullptr, nullptr, nullptr); }
  ;

error_stmt:
    ERROR                               { $$ = make_node(NK_ERROR, nullptr, nullptr, nullptr, nullptr); }
  ;

family_line:
    FAMILY family_names                 { $$ = make_node(NK_FAMILY, $2, nullptr, nullptr, nullptr); }
  ;

family_names:
    ident                               { $$ = make_node(NK_FAMILY_LIST, $1, nullptr, nullptr, nullptr); }
  | ident COMMA family_names            { $$ = make_node(NK_FAMILY_LIST, $1, $3, nullptr, nullptr); }
  ;

format_line:
    format_keyword expression           { $$ = make_node(NK_FORMAT, $1, $2, nullptr, nullptr); }
  ;

/* The token text is "FORMAT=" and the format name. */
format_keyword:
    FORMAT_EQ                           { $$ = make_node(NK_FORMAT_TEXT, nullptr, nullptr, nullptr, $1 + 7); }
  ;

exit_stmt:
    EXIT                                { $$ = make_node(NK_EXIT, nullptr, nullptr, nullptr, nullptr); }
  ;

if_stmt:
    IF LPAREN expression RPAREN THEN EOL inner_block else_part END IF
                                        { $$ = make_node(NK_IF, $3, $7, $8, nullptr); }
  ;

else_part:
    empty
  | ELSE EOL inner_block                { $$ = make_node(NK_ELSE, $3, nullptr, nullptr, nullptr); }
  ;

native_stmt_item: native_stmt ;

native_line_item: native_line ;

set_stmt:
    SET LPAREN string RPAREN            { $$ = make_node(NK_SET, $3, nullptr, nullptr, nullptr); }
  ;

unset_stmt:
    UNSET LPAREN string RPAREN          { $$ = make_node(NK_UNSET, $3, nullptr, nullptr, nullptr); }
  ;

def_message_stmt:
    DEF_MESSAGE expression COMMA def_message_value
                                        { $$ = make_node(NK_DEF_MESSAGE, $2, $4, nullptr, nullptr); }
  ;

def_message_value:
    EV_EQ                               { $$ = make_node(NK_VAR_EV, nullptr, nullptr, nullptr, $1); }
  ;

var_stmt:
    VAR expression COMMA var_value      { $$ = make_node(NK_VAR, $2, $4, nullptr, nullptr); }
  ;

/* The value texts keep their "INIT=", "EV=" or "VA=": the value checks
** read the text after its "=". */
var_value:
    INIT_EQ                             { $$ = make_node(NK_VAR_INIT, nullptr, nullptr, nullptr, $1); }
  | EV_EQ                               { $$ = make_node(NK_VAR_EV, nullptr, nullptr, nullptr, $1); }
  | EV_EQEQ                             { $$ = make_node(NK_VAR_EV_EQ, nullptr, nullptr, nullptr, nullptr); }
  ;

waittil_stmt:
    WAITTIL LPAREN expression COMMA expression RPAREN
                                        { $$ = make_node(NK_WAITTIL, $3, $5, nullptr, nullptr); }
  ;

while_stmt:
    WHILE LPAREN expression RPAREN EOL inner_block END WHILE
                                        { $$ = make_node(NK_WHILE, $3, $6, nullptr, nullptr); }
  ;

add_id_stmt:
    ADD_ID LPAREN expression COMMA expression RPAREN
                                        { $$ = make_node(NK_ADD_ID, $3, $5, nullptr, nullptr); }
  ;

clear_id_stmt:
    CLEAR_ID LPAREN expression RPAREN   { $$ = make_node(NK_CLEAR_ID, $3, nullptr, nullptr, nullptr); }
  ;

fd_add_stmt:
    FD_ADD LPAREN expression COMMA expression RPAREN
                                        { $$ = make_node(NK_FD_ADD, $3, $5, nullptr, nullptr); }
  ;

fd_del_stmt:
    FD_DEL LPAREN expression RPAREN     { $$ = make_node(NK_FD_DEL, $3, nullptr, nullptr, nullptr); }
  ;

number:
    NUMBER                              { $$ = make_node(NK_NUMBER, nullptr, nullptr, nullptr, $1); }
  ;

char_const:
    CHARCONST                           { $$ = make_node(NK_NUMBER, nullptr, nullptr, nullptr, $1); }
  ;

others:
    OTHERS                              { $$ = make_node(NK_OTHERS, nullptr, nullptr, nullptr, nullptr); }
  ;

empty:
    %empty                              { $$ = make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr); }
  ;

expression:
    expr_piece expression               { $$ = make_node(NK_EXPR, $1, $2, nullptr, nullptr); }
  | expr_piece                          { $$ = make_node(NK_EXPR, $1, nullptr, nullptr, nullptr); }
  ;

expr_piece:
    NATIVE_TEXT                         { $$ = make_native_piece($1); }
  | matching_term
  | notmatching_term
  | matched_term
  | notmatched_term
  ;

matching_term:
    MATCHING_LP ident MRPAREN           { $$ = make_node(NK_MATCHING, $2, nullptr, nullptr, nullptr); }
  | MATCHING_LP ident MCOMMA ident MRPAREN
                                        { $$ = make_node(NK_MATCHING, $2, $4, nullptr, nullptr); }
  ;

matched_term:
    MATCHED_LP ident MRPAREN            { $$ = make_node(NK_MATCHED, $2, nullptr, nullptr, nullptr); }
  | MATCHED_LP ident MCOMMA ident MRPAREN
                                        { $$ = make_node(NK_MATCHED, $2, $4, nullptr, nullptr); }
  ;

notmatching_term:
    NOTMATCHING_LP ident MRPAREN        { $$ = make_node(NK_NOTMATCHING, $2, nullptr, nullptr, nullptr); }
  | NOTMATCHING_LP ident MCOMMA ident MRPAREN
                                        { $$ = make_node(NK_NOTMATCHING, $2, $4, nullptr, nullptr); }
  ;

notmatched_term:
    NOTMATCHED_LP ident MRPAREN         { $$ = make_node(NK_NOTMATCHED, $2, nullptr, nullptr, nullptr); }
  | NOTMATCHED_LP ident MCOMMA ident MRPAREN
                                        { $$ = make_node(NK_NOTMATCHED, $2, $4, nullptr, nullptr); }
  ;

ident:
    IDENT                               { $$ = make_node(NK_IDENT, nullptr, nullptr, nullptr, $1); }
  ;

scoped_ident:
    SCOPED_IDENT                        { $$ = make_node(NK_IDENT, nullptr, nullptr, nullptr, $1); }
  ;

text_value:
    string
  | envvar
  ;

envvar:
    ENVVAR                              { $$ = make_node(NK_ENVVAR, nullptr, nullptr, nullptr, $1); }
  ;

string:
    STRING                              { $$ = make_node(NK_STRING, nullptr, nullptr, nullptr, $1); }
  ;

%%

/* Every row of tokens.def is a grammar token of the same number. */
#define TOKEN(number, name, code) \
    static_assert(TK_##name == number, "tokens.def and the grammar disagree on " #name);
#include "tokens.def"
#undef TOKEN

int run_script_parser(ParseContext *ctx)
{
    return script_yyparse(ctx);
}
