/*
** src/capi/model/target_sizes.h
** Sizes of the target's integer base types (capi-internal).
**
** Shared by the preprocessor ("sizeof" in #if) and the type model
** (`compose_type`).  The sizes start as char 8, short 16, int 32, long 32,
** long long 64 bits and are changed by the zirko sizeof/signof pragmas; a
** sizeof pragma on any other name records that name's size for #if.  A
** stored size is the bit count (positive); whether the plain word is
** signed is kept apart (all start signed, the signof pragma changes it),
** so readers of the size never have to strip a sign.
*/
#ifndef ZRS_CAPI_TARGET_SIZES_H
#define ZRS_CAPI_TARGET_SIZES_H

enum BaseSizeWord {
    BSW_CHAR,
    BSW_SHORT,
    BSW_INT,
    BSW_LONG,
    BSW_LONG_LONG,
    BSW_COUNT
};

/* "char", "short", "int", "long", "longlong" (or "long long"), else -1. */
int base_size_word(const char *name);
int base_type_bits(int word);               /* bit count */
void set_base_type_bits(int word, int bits);
bool base_type_signed(int word);            /* plain word signed? */
void set_base_type_signed(int word, bool is_signed);
void reset_target_sizes();                  /* back to the start values */

/* Sizes recorded by the sizeof pragma for other names, in bits. */
void record_named_size(const char *name, int bits);
bool named_size(const char *name, int *bits);

#endif
