/*
** tests/capi/model/model_test_util.h
** Fixture for the type and symbol model tests: a fresh table, recorded
** reports and small builders that go through the model's own operations.
*/
#ifndef ZRS_TEST_MODEL_UTIL_H
#define ZRS_TEST_MODEL_UTIL_H

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "model.h"
#include "report_hook.h"
#include "support.h"
#include "target_sizes.h"

struct RecordedReport {
    int severity;
    std::string code, text;
};

inline std::vector<RecordedReport> recorded_reports;

inline void record_report(int severity, const char *code, const char *text,
                          const char *, int)
{
    recorded_reports.push_back({severity, code, text});
}

/* Base words composed left to right, as the parser does. */
inline CType *words(std::initializer_list<const char *> list)
{
    CType *type = nullptr;
    for (const char *w : list)
        type = compose_type(type, make_base_type(w), "t.h", 1);
    return type;
}

inline CType *function_of(CType *result, std::initializer_list<CType *> params)
{
    CType *f = make_function(result);
    for (CType *p : params)
        f->function->params.push_back(make_symbol(nullptr, p, {}, "a.h"));
    return f;
}

class ModelTest : public ::testing::Test {
protected:
    CSymbolTable *t = nullptr;

    void SetUp() override
    {
        init_intern_table();
        recorded_reports.clear();
        set_report_hook(record_report);
        reset_target_sizes();
        t = create_symbol_table("ZIRKO");
    }
    void TearDown() override
    {
        release_symbol_table(t);
        set_report_hook(nullptr);
        reset_target_sizes();
    }

    static std::string codes()
    {
        std::string out;
        for (const RecordedReport &r : recorded_reports)
            out += (out.empty() ? "" : " ") + r.code;
        return out;
    }

    static NamespaceQualifier in(CNamespace *ns)
    {
        NamespaceQualifier q;
        q.flag = ns ? 1 : 0;
        q.ns = ns;
        return q;
    }

    CTableEntry *declare(const char *name, CType *type, unsigned storage = 0,
                         const char *file = "a.h",
                         NamespaceQualifier q = NamespaceQualifier())
    {
        CSymbol *symbol = make_symbol(name, type, q, file);
        symbol->storage = storage;
        return insert_ordinary(t, symbol, file, 1);
    }

    CTableEntry *declare_typedef(const char *name, CType *aliased,
                                 const char *file = "a.h",
                                 NamespaceQualifier q = NamespaceQualifier())
    {
        return declare(name, make_typedef_name(name, aliased), 0, file, q);
    }

    CTableEntry *declare_tag(CType *type, const char *file = "a.h")
    {
        CSymbol *symbol = make_symbol(type->name, type,
                                      {type->owner_kind, type->owner}, file);
        return insert_tag(t, symbol, file, 1);
    }

    /* A struct (or class) with int members, inserted as a tag. */
    CType *declare_struct(const char *tag, std::initializer_list<const char *> members,
                          bool is_class = false,
                          NamespaceQualifier q = NamespaceQualifier())
    {
        CType *type = make_class_type(CT_STRUCT, tag, is_class, q);
        for (const char *m : members)
            add_member(type, make_symbol(m, make_base_type("int"), q, "a.h"),
                       is_class ? MA_PRIVATE : MA_PUBLIC, -1);
        return declare_tag(type)->symbol->type;
    }

    static std::string image(const CType *type, const char *name = "",
                             unsigned flags = 0)
    {
        std::string out;
        type_image(type, name, flags, 0, out);
        return out;
    }
};

#endif
