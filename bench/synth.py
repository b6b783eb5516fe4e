#!/usr/bin/env python3
"""Writes a synthetic project of N classes for the benchmark, and beside it a
comparable .proto: one message per class with the same fields and one service
with one rpc per declared method and per list window.

    synth.py N DIR   writes DIR/types.tsk, DIR/bench.tsk and DIR/bench.proto
"""
import os
import sys

ENUM_TYPES = 8           # enumeration types in the type file
ENUM_ITEMS = 4           # items of each
DERIVED_EVERY = 4        # a derived class after every fourth class
LIST_EVERY = 3           # a DataWindow in every third class

PLAIN_TYPES = [
    ("Integer", "int", "NUMBER(10)", "INT", None),
    ("Money", "double", "NUMBER(12,2)", "DECIMAL(12,2)", None),
    ("Text", "Str", "VARCHAR2(80)", "VARCHAR(80)", "80"),
    ("UserID", "int", "NUMBER(10)", "INT", None),
    ("Date", "Str", "DATE", "DATETIME", None),
]
PROTO_TYPE = {"Integer": "int32", "Money": "double", "Text": "string"}


def enum_type(k):
    return "State%d" % k


def enum_item(k, j):
    return "S%dV%d" % (k, j)


def write_types(out):
    out.write("# Types of the synthetic benchmark project.\n")
    for name, c, rdbms, mysql, length in PLAIN_TYPES:
        extra = ', LEN = "%s"' % length if length else ""
        out.write('%s : C = "%s", RDBMS = "%s", MYSQL = "%s"%s, Name = "%s";\n'
                  % (name, c, rdbms, mysql, extra, name))
    for k in range(ENUM_TYPES):
        out.write('%s : C = "int", RDBMS = "NUMBER(2)", MYSQL = "TINYINT", Name = "State %d" {\n'
                  % (enum_type(k), k))
        for j in range(ENUM_ITEMS):
            out.write('  %s = -1 "value %d of %d";\n' % (enum_item(k, j), j, k))
        out.write("}\n")


class Synth:
    """The classes of the project, each with the fields the .proto repeats."""

    def __init__(self, n):
        self.n = n
        self.rpcs = []   # (name, request message, response message)

    def base_fields(self, i):
        k = i % ENUM_TYPES
        fields = [("Integer", "id"), ("Text", "name"), ("Money", "amount"),
                  (enum_type(k), "state")]
        if i > 0:
            fields.append(("C%d" % self.referenced(i), "ref"))
        return fields

    @staticmethod
    def referenced(i):
        # Earlier classes, near and far, so references span the whole model.
        return (i * 2654435761 % 4294967296) % i

    def write_class(self, out, proto, i):
        k = i % ENUM_TYPES
        cls = "C%d" % i
        out.write('Class %s "Class %d" {\n' % (cls, i))
        out.write("  Attributes {\n")
        out.write('    Integer id, GK "Number";\n')
        out.write('    Text name, NOT NULL, INDEX "Name", "Name of the record";\n')
        out.write('    Money amount "Amount";\n')
        out.write('    %s state = %s -> %s "State";\n'
                  % (enum_type(k), enum_item(k, 0), enum_item(k, 1)))
        if i > 0:
            out.write('    C%d ref, NOT NULL "Reference";\n' % self.referenced(i))
        out.write("  }\n")
        out.write("  Methods {\n")
        out.write("    const Find%d(*name) returns id, name;\n" % i)
        out.write("    Touch%d(*id);\n" % i)
        out.write("  }\n")
        self.rpcs.append(("Find%d" % i, cls, cls))
        self.rpcs.append(("Touch%d" % i, cls, cls))
        if i > 0 and i % LIST_EVERY == 0:
            ref = "C%d" % self.referenced(i)
            out.write("  Views {\n")
            out.write('    DataWindow List%d "List %d" {\n' % (i, i))
            out.write('      %s.id "Number", %s.name "Name", %s.name "Reference";\n' % (cls, cls, ref))
            out.write('      Select %s.state = %s & %s.ref = %s.id;\n' % (cls, enum_item(k, 0), cls, ref))
            out.write("    } returns *%s.id;\n" % cls)
            out.write("  }\n")
            self.rpcs.append(("List%d" % i, cls, cls))
        out.write("}\n")
        self.write_message(proto, cls, self.base_fields(i))
        if i % DERIVED_EVERY == DERIVED_EVERY - 1:
            sub = "D%d" % i
            out.write('Class %s : %s "Derived %d" {\n' % (sub, cls, i))
            out.write('  Attributes {\n    Text extra "Extra";\n  }\n')
            out.write("  Methods {\n    Mark%d(*id);\n  }\n}\n" % i)
            self.rpcs.append(("Mark%d" % i, sub, sub))
            self.write_message(proto, sub, self.base_fields(i) + [("Text", "extra")])

    @staticmethod
    def write_message(proto, name, fields):
        proto.write("message %s {\n" % name)
        for number, (ftype, fname) in enumerate(fields, 1):
            if ftype in PROTO_TYPE:
                ptype = PROTO_TYPE[ftype]
            elif ftype.startswith("State"):
                ptype = ftype
            else:
                ptype = "int32"   # a reference holds the key of the other record
            proto.write("  %s %s = %d;\n" % (ptype, fname, number))
        proto.write("}\n")

    def write(self, out, proto):
        out.write("# Synthetic benchmark project of %d classes.\n" % self.n)
        out.write('embed "types.tsk"\n\n')
        proto.write('syntax = "proto3";\npackage bench;\n\n')
        for k in range(ENUM_TYPES):
            proto.write("enum %s {\n" % enum_type(k))
            for j in range(ENUM_ITEMS):
                proto.write("  %s = %d;\n" % (enum_item(k, j), j))
            proto.write("}\n")
        for i in range(self.n):
            self.write_class(out, proto, i)
        out.write("\nGroups {\n  manager 1;\n  clerk 2;\n  guest 3;\n")
        for i in range(self.n):
            out.write("  C%d access granted writable clerk manager readonly guest;\n" % i)
            if i % DERIVED_EVERY == DERIVED_EVERY - 1:
                out.write("  D%d access granted writable manager readonly clerk;\n" % i)
        out.write("}\n")
        proto.write("service Bench {\n")
        for name, request, response in self.rpcs:
            proto.write("  rpc %s(%s) returns (%s);\n" % (name, request, response))
        proto.write("}\n")


def main():
    if len(sys.argv) != 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) < 1:
        sys.exit("usage: synth.py N DIR")
    n, directory = int(sys.argv[1]), sys.argv[2]
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, "types.tsk"), "w") as types:
        write_types(types)
    with open(os.path.join(directory, "bench.tsk"), "w") as out, \
            open(os.path.join(directory, "bench.proto"), "w") as proto:
        Synth(n).write(out, proto)


if __name__ == "__main__":
    main()
