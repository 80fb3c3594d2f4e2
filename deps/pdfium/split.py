#!/usr/bin/env python3
"""Split wasm2c's single pdfium.c into several translation units.

wasm2c writes one C file of about 50 MB.  Compiled as one unit it keeps a
single core busy for many minutes, so this script cuts it into:

  pdfium-decls.h   the generated preamble (helpers and macros, all static
                   inline) plus a declaration of every module function;
  pdfium-main.c    function types, data and element segments, exports and
                   instantiation;
  pdfium-partNN.c  the function bodies, in N units of about equal size.

Module functions lose their `static` so the units can call each other; the
DLL exports only what the host glue marks for export, so nothing leaks.
A file is rewritten only when its content changes, which keeps incremental
builds from recompiling units whose functions did not change.

Two rewrites make the module faster without changing what it may touch:

- The C library's memcpy, memmove and memset, compiled into the module as
  loops of small loads and stores, become inline calls of the host's own
  routines after the same bounds check a guarded access would make.  They
  are recognised by a digest of their bodies, so a new module that changes
  them stops the build instead of silently running the slow loops.
- With --guard-pages (bounds checks by guard pages, memory reserved whole,
  so its base never moves) each function reads the memory base once into a
  local; otherwise every store, which may alias the instance record, forces
  the compiler to load the base again before the next access.

usage: split.py [--guard-pages] PDFIUM_C OUTDIR PARTS
"""
import hashlib
import os
import re
import sys

FUNC_START = re.compile(r"^static [a-z0-9_]+ w2c_\w+\(")
FUNC_NAME = re.compile(r"^static [a-z0-9_]+ (w2c_\w+)\(")
MEMORY_ACCESS = re.compile(r"\b([if](?:32|64)_(?:load|store)\w*)\(&instance->w2c_memory,")

# sha256 of each routine's wasm2c text, function names blanked (w2c_f).
ROUTINES = {
    "6b81595e44a8a8d61676c3b01537de9e49134e8c2891439a395c2402bd0a4c49": "memcpy",
    "bfdecf64986bccb66cedb5cfa43a0f2bff5186341f95e865d1632a72ce022f16": "memmove",
    "e81db02789c21e5d637b5ebff5babe859f1cf95ced3c1c024a9791e3a1d55aa0": "memset",
}

# The host versions.  A zero length touches nothing, as in the module; any
# other range must lie inside the memory.  memcpy becomes memmove, as the
# module's own large copies (_emscripten_memcpy_js) already are.
HOST_ROUTINE = {
    "memcpy": """static inline u32 %s(Z_pdfium_instance_t* instance, u32 d, u32 s, u32 n) {
  if (n && ((u64)d + n > instance->w2c_memory.size || (u64)s + n > instance->w2c_memory.size))
    TRAP(OOB);
  memmove(instance->w2c_memory.data + d, instance->w2c_memory.data + s, n);
  return d;
}""",
    "memset": """static inline u32 %s(Z_pdfium_instance_t* instance, u32 d, u32 c, u32 n) {
  if (n && (u64)d + n > instance->w2c_memory.size)
    TRAP(OOB);
  memset(instance->w2c_memory.data + d, (int)c, n);
  return d;
}""",
}
HOST_ROUTINE["memmove"] = HOST_ROUTINE["memcpy"]


def write_if_changed(path, text):
    """Write text to path unless the file already holds exactly that text."""
    try:
        with open(path, "r", encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8") as f:
        f.write(text)
    os.replace(tmp, path)


def find(lines, start, predicate, what):
    """Index of the first line at or after start that satisfies predicate."""
    for i in range(start, len(lines)):
        if predicate(lines[i]):
            return i
    sys.exit("split.py: cannot find " + what)


def routine_of(func):
    """Name of the C library routine whose wasm2c text func is, or None."""
    text = re.sub(r"w2c_f\d+", "w2c_f", "\n".join(func))
    return ROUTINES.get(hashlib.sha256(text.encode("utf-8")).hexdigest())


def cache_memory_base(func):
    """The function with its memory accesses going through a local copy of
    the memory record, read once on entry."""
    head = next(i for i, l in enumerate(func) if l.endswith(") {")) + 1
    body = [MEMORY_ACCESS.sub(r"\1(&w2c_memory,", l) for l in func[head:]]
    if body == func[head:]:
        return func
    return func[:head] + ["  wasm_rt_memory_t w2c_memory = instance->w2c_memory;"] + body


def split(source, outdir, parts, guard_pages):
    with open(source, "r", encoding="utf-8") as f:
        lines = f.read().split("\n")

    # Preamble: everything up to the module-initialised flag.
    flag = find(lines, 0, lambda l: l.startswith("static bool s_module_initialized"),
                "module flag")
    types = find(lines, flag, lambda l: l.startswith("static u32 func_types["),
                 "function type table")
    # Function type registration ends at the first closing brace after it.
    types_end = find(lines, types, lambda l: l == "}", "end of init_func_types")
    decl_start = types_end + 1
    globals_start = find(lines, decl_start,
                         lambda l: l.startswith("static void init_globals("),
                         "init_globals")
    elem_init = find(lines, globals_start,
                     lambda l: l.startswith("static void init_elem_instances("),
                     "init_elem_instances")
    bodies_start = find(lines, elem_init + 1, lambda l: FUNC_START.match(l),
                        "first function body")
    exports_start = find(lines, bodies_start,
                         lambda l: l.startswith("/* export: "), "exports")

    preamble = lines[:flag]
    type_table = lines[types:types_end + 1]
    decls = [re.sub(r"^static ", "", l) for l in lines[decl_start:globals_start]]
    setup = lines[globals_start:bodies_start]
    bodies = lines[bodies_start:exports_start]
    tail = lines[exports_start:]

    header = []
    header.append("/* Generated by split.py from wasm2c output; do not edit. */")
    header.append("#ifndef PDFIUM_DECLS_H_GENERATED_")
    header.append("#define PDFIUM_DECLS_H_GENERATED_")
    header.extend(preamble)
    # Cut the bodies into functions; the C library routines go to the
    # header as host calls.
    starts = [i for i, l in enumerate(bodies) if FUNC_START.match(l)]
    starts.append(len(bodies))
    funcs = []
    host = {}
    for a, b in zip(starts, starts[1:]):
        func = bodies[a:b]
        name = FUNC_NAME.match(func[0]).group(1)
        routine = routine_of(func[:func.index("}") + 1])
        if routine:
            host[name] = routine
            continue
        if guard_pages:
            func = cache_memory_base(func)
        func[0] = func[0][len("static "):]
        funcs.append(func)
    found = sorted(set(host.values()))
    if len(found) != len(ROUTINES):
        sys.exit("split.py: found %s of memcpy, memmove, memset in the module; "
                 "update ROUTINES for this module" % (", ".join(found) or "none"))

    header.append("extern u32 func_types[%s;" % type_table[0].split("[", 1)[1].split(";")[0])
    for decl in decls:
        name = FUNC_NAME.match("static " + decl)
        if name and name.group(1) in host:
            decl = HOST_ROUTINE[host[name.group(1)]] % name.group(1)
        header.append(decl)
    header.append("#endif")
    write_if_changed(os.path.join(outdir, "pdfium-decls.h"), "\n".join(header) + "\n")

    main = ['#include "pdfium-decls.h"', "static bool s_module_initialized = false;"]
    main.append(type_table[0].replace("static ", "", 1))
    main.extend(type_table[1:])
    main.extend(setup)
    main.extend(tail)
    write_if_changed(os.path.join(outdir, "pdfium-main.c"), "\n".join(main) + "\n")

    # Deal the functions into parts of roughly equal size.
    total = sum(len(l) + 1 for func in funcs for l in func)
    target = total / parts
    chunks = []
    current = []
    size = 0
    for func in funcs:
        current.extend(func)
        size += sum(len(l) + 1 for l in func)
        if size >= target and len(chunks) < parts - 1:
            chunks.append(current)
            current, size = [], 0
    chunks.append(current)
    while len(chunks) < parts:
        chunks.append([])
    for n, chunk in enumerate(chunks):
        text = '#include "pdfium-decls.h"\n' + "\n".join(chunk) + "\n"
        write_if_changed(os.path.join(outdir, "pdfium-part%02d.c" % n), text)


if __name__ == "__main__":
    args = sys.argv[1:]
    guard = args[:1] == ["--guard-pages"]
    if guard:
        args = args[1:]
    if len(args) != 3:
        sys.exit(__doc__)
    split(args[0], args[1], int(args[2]), guard)
