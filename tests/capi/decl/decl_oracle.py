#!/usr/bin/python3
# tests/capi/decl/decl_oracle.py
# Reference summary of a preprocessed C text, made with pycparser, in the
# layout of the decldump tool: one sorted line per struct/union/enum tag
# (with its member or enumerator count, "-" when only referred to), per
# typedef name and per function name.
#
# Usage: decl_oracle.py preprocessed.i
# The words the declaration analysis has built in (bool, wchar_t) are
# declared as typedefs for the oracle and left out of its summary.
import sys

from pycparser import c_ast, c_parser

BUILT_IN = ["bool", "wchar_t"]
PRELUDE = "".join("typedef int %s;\n" % name for name in BUILT_IN)


class Collector(c_ast.NodeVisitor):
    def __init__(self):
        self.tags = {}
        self.lines = set()

    def tag(self, word, node, count):
        if not node.name:
            return
        key = word + " " + node.name
        if count is not None or key not in self.tags:
            self.tags[key] = "-" if count is None else str(count)

    def visit_Struct(self, node):
        self.tag("struct", node, None if node.decls is None else len(node.decls))
        self.generic_visit(node)

    def visit_Union(self, node):
        self.tag("union", node, None if node.decls is None else len(node.decls))
        self.generic_visit(node)

    def visit_Enum(self, node):
        values = node.values
        self.tag("enum", node,
                 None if values is None else len(values.enumerators))
        self.generic_visit(node)


def is_function(node):
    return isinstance(node, c_ast.FuncDecl)


def summary(text):
    ast = c_parser.CParser().parse(PRELUDE + text, "<oracle>")
    collector = Collector()
    collector.visit(ast)
    lines = set()
    for ext in ast.ext:
        decl = ext.decl if isinstance(ext, c_ast.FuncDef) else ext
        if isinstance(decl, c_ast.Typedef):
            if decl.name not in BUILT_IN:
                lines.add("typedef " + decl.name)
        elif isinstance(decl, c_ast.Decl) and decl.name and is_function(decl.type):
            lines.add("function " + decl.name)
    lines.update(key + " " + count for key, count in collector.tags.items())
    return sorted(lines)


def main():
    with open(sys.argv[1], encoding="latin-1") as stream:
        text = stream.read()
    for line in summary(text):
        print(line)


if __name__ == "__main__":
    main()
