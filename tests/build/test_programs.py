#!/usr/bin/env python3
"""Every program a make target's tests start is installed by that target.

For each target below, the scripts its tests run (and the scripts they call,
and the scripts its recipe names) are read for the programs they start: the
first word of each shell command, the programs after a wrapper (exec, env,
dbus-run-session, ...), the script given to `sh -c`, a Python subprocess's
first argument, a C++ test's QProcess program. Each program is looked up on
this machine and its Debian package must be in the target's package list
(with what those packages depend on), or part of a minimal Debian 12 (the
required packages and theirs). A program no package gives fails too: on a
machine set up by the target alone, the test would not find it.

    test_programs.py SOURCE_DIR [--makefile FILE] [--target NAME]

Each target is checked on a machine it set up: make test checks its own,
make windows-check its own (a program of a target not set up here is found
in no installed package).
"""
import argparse
import os
import re
import shlex
import shutil
import subprocess
import sys
from pathlib import Path

# make target -> (its package list in the Makefile, folders of its tests
# relative to tests/, folders left out, the Makefile targets whose recipes run)
TARGETS = {
    "test": ("TEST_PACKAGES", ["."], ["windows"], ["test", "build"]),
    "windows-check": ("WINDOWS_CHECK_PACKAGES", ["windows"], [],
                      ["windows-check", "windows", "linux-program"]),
}

SHELL_WORDS = set("""
    ! [ [[ ]] { } ( ) ;; case do done elif else esac fi for function if in select
    then time until while . : alias bg break builtin cd command continue declare
    echo eval exec exit export false fg getopts hash jobs kill let local printf pwd
    read readonly return set shift source test trap true type typeset ulimit umask
    unalias unset wait mapfile readarray shopt pushd popd
""".split())
# words after which the next plain word is itself a program
WRAPPERS = {"exec", "command", "env", "nice", "nohup", "timeout", "dbus-run-session",
            "xargs", "sudo", "time", "on-xvfb.sh"}
SEPARATORS = {";", "&&", "||", "|", "&", "(", "!", "$(", "`", "|&", ";;", "{", "}",
              "then", "do", "else", "elif", "if", "while", "until"}
PROGRAM_NAME = re.compile(r"^[A-Za-z0-9_][A-Za-z0-9_.+-]*$|^/[A-Za-z0-9_./+-]+$")


def make_variables(makefile):
    """The Makefile's `NAME := value` and `NAME ?= value` variables, expanded."""
    text = re.sub(r"\\\n", " ", Path(makefile).read_text())
    raw = dict(re.findall(r"^([A-Z_]+)\s*[:?]?=\s*(.*)$", text, re.M))

    def expand(value, depth=0):
        return re.sub(r"\$\(([A-Z_]+)\)",
                      lambda m: expand(raw.get(m.group(1), ""), depth + 1) if depth < 10 else "",
                      value)
    return {name: expand(value) for name, value in raw.items()}, text


def recipe(text, target, seen=None):
    """The recipe lines of target and of its prerequisites, recursively."""
    seen = set() if seen is None else seen
    if target in seen:
        return []
    seen.add(target)
    match = re.search(rf"^{re.escape(target)}:([^\n=]*)\n((?:\t.*\n?)*)", text, re.M)
    if not match:
        return []
    lines = [line.strip() for line in match.group(2).splitlines()
             if "$(call" not in line]
    for prerequisite in match.group(1).split():
        lines += recipe(text, prerequisite, seen)
    return lines


PROTECTED = {c: chr(0xE000 + i) for i, c in enumerate(";&|()<>")}
RESTORED = {v: k for k, v in PROTECTED.items()}


def protect_quoted(text):
    """text without its comments and with the shell's operators inside quotes
    hidden, and whether a quotation is still open at its end."""
    out, quote, escaped, comment = [], None, False, False
    for char in text:
        if comment:
            comment = char != "\n"
            if comment:
                continue
        elif not quote and not escaped and char == "#" and (not out or out[-1] in " \t\n;"):
            comment = True
            continue
        if escaped:
            escaped = False
        elif char == "\\" and quote != "'":
            escaped = True
        elif quote and char == quote:
            quote = None
        elif not quote and char in "'\"":
            quote = char
        elif quote:
            char = PROTECTED.get(char, char)
        out.append(char)
    return "".join(out), quote is not None


def logical_lines(script):
    """The words of each of the script's lines, a quoted string or a
    continued line kept whole."""
    script = re.sub(r"<<-?'?(\w+)'?\n.*?\n\s*\1\n", "\n", script, flags=re.S)  # here-documents
    script = script.replace("\\\n", " ")
    pending = ""
    for line in script.splitlines():
        pending += line + "\n"
        text, open_quote = protect_quoted(pending)
        if open_quote:
            continue
        pending = ""
        lexer = shlex.shlex(text, posix=True, punctuation_chars=True)
        lexer.whitespace_split = True
        lexer.commenters = ""
        try:
            yield list(lexer)
        except ValueError:
            continue


def shell_commands(script):
    """The programs a shell script starts, as far as its words show."""
    programs = set()
    # each $(...) is a script of its own, read apart; in its place a word
    inner = []
    while True:
        script, count = re.subn(r"\$\(([^()]*)\)", lambda m: inner.append(m.group(1)) or "$X", script)
        if not count:
            break
    case_word, pattern = False, False
    for words in [w for text in [script] + inner for w in logical_lines(text)]:
        expect, wrapped = True, False
        for index, word in enumerate(words):
            if word == "case" and expect:
                case_word, expect = True, False
                continue
            if (case_word and word == "in") or (pattern is None and word == ";;"):
                case_word, pattern = False, True
                continue
            if word == "esac":
                pattern = False
            if pattern:
                pattern = None if word == ")" else True  # None: in a branch
                expect = word == ")"
                continue
            if word in SEPARATORS:
                expect, wrapped = True, False
                continue
            if not expect:
                continue
            if re.match(r"^[A-Za-z_]\w*=", word):
                continue  # an assignment before the command
            if word in ("sh", "bash") and index + 2 < len(words) and words[index + 1] == "-c":
                payload = "".join(RESTORED.get(c, c) for c in words[index + 2])
                programs |= shell_commands(payload)
            base = os.path.basename(word)
            if base in WRAPPERS:
                if base != "exec":
                    programs.add(word)
                wrapped = True
                continue  # the program it runs follows
            # a wrapper's options and their values (timeout 3, env -u NAME)
            if word.startswith("-") or wrapped and re.match(r"^(\d|[A-Z_]+$)", word):
                continue
            expect = False
            if "$" in word or word in SHELL_WORDS or not PROGRAM_NAME.match(word):
                continue
            programs.add(word)
    return programs


def started_programs(path):
    text = path.read_text(errors="replace")
    if path.suffix == ".py":
        calls = re.findall(r"subprocess\.\w+\(\s*\[\s*[\"']([^\"']+)[\"']", text)
        calls += re.findall(r"shutil\.which\(\s*[\"']([^\"']+)[\"']", text)
        return set(calls)
    if path.suffix in (".cpp", ".h"):
        return set(re.findall(
            r"(?:\.start|::execute|Poppler|Output)\(\s*(?:QStringLiteral\()?\"([A-Za-z0-9_./+-]+)\"",
            text))
    return shell_commands(text)


def functions(path):
    """The shell functions a script defines (for the scripts that source it too)."""
    if path.suffix != ".sh":
        return set()
    return set(re.findall(r"^\s*([\w-]+)\s*\(\)", path.read_text(errors="replace"), re.M))


def scripts_named(text, folder, root):
    """The project's scripts a text names, found beside it or in the tree."""
    found = set()
    for name in re.findall(r"[\w./$-]*?([\w.-]*(?:/[\w.-]+)*[\w-]+\.(?:sh|py))\b", text):
        for candidate in (folder / name, root / name, folder / os.path.basename(name),
                          root / "scripts" / name):
            if candidate.is_file():
                found.add(candidate.resolve())
                break
    return found


def package_database():
    fields = "${Package}\t${Status}\t${Priority}\t${Essential}\t${Provides}\t${Depends}\t${Pre-Depends}\n"
    output = subprocess.run(["dpkg-query", "-W", "-f", fields], capture_output=True,
                            text=True, check=True).stdout
    depends, providers, base = {}, {}, set()
    for line in output.splitlines():
        name, status, priority, essential, provides, deps, predeps = (line.split("\t") + [""] * 7)[:7]
        if not status.endswith("installed"):
            continue
        names = lambda field: [re.sub(r"[:\s(].*", "", alt.strip())
                               for group in field.split(",") if group.strip()
                               for alt in group.split("|")]
        depends[name] = names(deps) + names(predeps)
        for virtual in names(provides):
            providers.setdefault(virtual, []).append(name)
        if priority == "required" or essential == "yes":
            base.add(name)
    return depends, providers, base


def closure(roots, depends, providers):
    seen, todo = set(), list(roots)
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        todo += depends.get(name, []) + providers.get(name, [])
    return seen


def owning_packages(programs):
    """program -> the Debian package that installed it, for those any did."""
    candidates = {}
    for program in programs:
        # Debian's own folders: what pyenv or /usr/local puts first is no package's
        path = program if program.startswith("/") else \
            shutil.which(program, path="/usr/sbin:/usr/bin:/sbin:/bin")
        if not path:
            continue
        paths = [path, os.path.realpath(path)]
        for candidate in list(paths):
            for a, b in (("/usr/bin/", "/bin/"), ("/usr/sbin/", "/sbin/")):
                if candidate.startswith(a):
                    paths.append(b + candidate[len(a):])
                elif candidate.startswith(b):
                    paths.append(a + candidate[len(b):])
        candidates[program] = paths
    every = sorted({path for paths in candidates.values() for path in paths})
    result = subprocess.run(["dpkg-query", "-S", *every], capture_output=True, text=True)
    owner = {}
    for line in result.stdout.splitlines():
        if not line.startswith("diversion by") and ": " in line:
            package, path = line.split(": ", 1)
            owner.setdefault(path, package.split(",")[0].split(":")[0].strip())
    return {program: next(owner[path] for path in paths if path in owner)
            for program, paths in candidates.items() if any(path in owner for path in paths)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source")
    parser.add_argument("--makefile")
    parser.add_argument("--target", action="append", choices=sorted(TARGETS))
    args = parser.parse_args()
    root = Path(args.source).resolve()
    variables, makefile_text = make_variables(args.makefile or root / "Makefile")
    depends, providers, base = package_database()
    minimal = closure(base | {"apt"}, depends, providers)
    failures = 0
    for target in args.target or sorted(TARGETS):
        variable, folders, left_out, recipes = TARGETS[target]
        packages = variables.get(variable, "").split()
        given = closure(packages, depends, providers) | minimal
        files = set()
        for folder in folders:
            for path in (root / "tests" / folder).rglob("*"):
                relative = path.relative_to(root / "tests")
                if path.suffix in (".sh", ".py", ".cpp") and path.is_file() and \
                        not any(relative.parts[0] == out for out in left_out):
                    files.add(path.resolve())
        recipe_text = "\n".join(line for name in recipes for line in recipe(makefile_text, name))
        recipe_text = re.sub(r"\$\(([A-Z_]+)\)", lambda m: variables.get(m.group(1), "$X"),
                             recipe_text)
        recipe_text = re.sub(r"\$\((shell|call|wildcard) [^)]*\)", "$X", recipe_text).replace("$$", "$")
        files |= scripts_named(recipe_text, root, root)
        todo = list(files)
        while todo:
            path = todo.pop()
            for named in scripts_named(path.read_text(errors="replace"), path.parent, root):
                if named not in files and root in named.parents:
                    files.add(named)
                    todo.append(named)
        starts = {}
        defined = set().union(*(functions(path) for path in files))
        for path in sorted(files):
            for program in started_programs(path):
                starts.setdefault(program, path.relative_to(root))
        for program in shell_commands(recipe_text):
            starts.setdefault(program, Path("Makefile"))
        for program in list(starts):
            if program in defined or program.endswith((".sh", ".py")) or \
                    "/" in program and not program.startswith("/"):
                del starts[program]  # the project's own functions and scripts, read above
        owners = owning_packages(starts)
        for program, where in sorted(starts.items()):
            package = owners.get(program)
            if package is None:
                print(f"make {target}: {where} starts `{program}`, which no installed package "
                      f"gives: add the package that has it to {variable}")
                failures += 1
            elif package not in given:
                print(f"make {target}: {where} starts `{program}`, which is in {package}: "
                      f"add it (or a package that depends on it) to {variable}")
                failures += 1
        print(f"make {target}: {len(starts)} programs in {len(files)} files checked "
              f"against {variable}: {' '.join(sorted(starts))}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
