#!/usr/bin/env python3
"""The output of `scenario check` as editors read it: the real program is run
on small description pairs with several faults each, and its lines are read
back by Debian's Vim and Emacs, and by the regexes of the VS Code task that
the README gives (run in node, whose RegExp is the one VS Code uses). One group
of tests per reader:

  forms   every line of the outputs is in one of the documented forms
  vim     `:cgetfile` with the default 'errorformat' and with `:compiler gcc`
  emacs   compilation-mode with the README's set-up
  vscode  the README's tasks.json: its problem matchers and its process task

The fixtures, in testdata/editors/ (Windows-1252, CR LF, made from the
authoring example):

  Riva_Monte      decimal commas, a Windows-1252 `à` before a field at fault,
                  tabs before fields at fault, a station name saved as UTF-8
                  in a Windows-1252 file; errors with their notes, warnings,
                  and an error of the whole model (the compiler's own marker
                  lands in cell 1)
  Senza_Generale  a line description with no `[generale]` (an error of the
                  whole file, at its line 1); a train description saved as
                  UTF-8, with letters of two bytes before fields at fault
  Senza_Treno     the line description alone: the missing train description
                  is an error of a file that does not exist

Each pair is checked from a folder whose name holds a space and an accented
letter, three ways: with the folder's absolute path, with its path relative
to the working folder, and from inside it without `--dir`. Every reader runs
in the folder the check ran in.

Usage: editors_test.py GROUP --scenario EXE --testdata DIR --readme FILE --work DIR
"""
import functools
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from dataclasses import dataclass
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "test_support"))
import test_groups  # noqa: E402

ARGS = None
FIXTURES = [("Riva_Monte", "2231"), ("Senza_Generale", "2231"), ("Senza_Treno", "2231")]
FOLDER = "prove città"
# The editors as their users run them: a UTF-8 locale, so that file names
# with accented letters are names and not bytes.
EDITOR_ENV = dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8")

LOCATED = re.compile(r"(?P<file>.+?):(?P<line>[1-9][0-9]*):(?P<column>[1-9][0-9]*): "
                     r"(?P<severity>error|warning|note): (?P<message>.+)")
MODEL = re.compile(r"scenario: (?P<severity>error): (?P<message>.+)")
WHOLE_FILE = re.compile(r"(?P<file>.+?): (?P<severity>error): (?P<message>.+)")
SUMMARY = re.compile(r"(?P<errors>[0-9]+) error[ei], (?P<warnings>[0-9]+) avvis[oi](; .+)?")
ERROR_MESSAGE = re.compile(r"errore [0-9]+( a -?[0-9]+ m)?: .+|.+ \[nessun-treno\]")
WARNING_MESSAGE = re.compile(r".+ \[[a-z]+(-[a-z]+)*\]")


@dataclass
class Line:
    """One line of a check's output, as the documented forms read it."""
    text: str
    form: str            # located, file, model, summary, or unknown
    line: int = 0
    column: int = 0
    severity: str = None
    message: str = None
    full_path: Path = None  # the file named, from the folder the check ran in


@dataclass
class Run:
    nome: str
    label: str
    cwd: Path
    stdout: str
    returncode: int
    lines: list
    faults: list          # lines out of the documented forms, and why

    def located(self):
        return [line for line in self.lines if line.form == "located"]


def parse_output(stdout, cwd):
    """Reads a check's output line by line into Lines; returns them and the
    faults found: a line in no documented form, or one that breaks its form's
    rules."""
    lines, faults = [], []
    texts = stdout.split("\n")
    if texts[-1] != "":
        faults.append("the output does not end with a line end")
    texts = texts[:-1]
    for number, text in enumerate(texts, 1):
        lines.append(read_line(text, cwd, number == len(texts), faults))
    if not lines or lines[-1].form != "summary":
        faults.append("the output does not end with the summary line")
    else:
        counts = SUMMARY.fullmatch(lines[-1].text)
        for severity, group in (("error", "errors"), ("warning", "warnings")):
            counted = sum(1 for line in lines if line.severity == severity)
            if counted != int(counts[group]):
                faults.append(f"the summary counts {counts[group]} {group}, the lines {counted}")
    return lines, faults


def read_line(text, cwd, last, faults):
    def fault(why):
        faults.append(f"{why}: {text!r}")

    if "\r" in text:
        fault("a CR in the output")
    if last and SUMMARY.fullmatch(text):
        return Line(text, "summary")
    if match := LOCATED.fullmatch(text):
        line = Line(text, "located", int(match["line"]), int(match["column"]),
                    match["severity"], match["message"], cwd / match["file"])
        if not line.full_path.is_file():
            fault("a line and column in a file that does not exist")
    elif match := MODEL.fullmatch(text):
        line = Line(text, "model", severity=match["severity"], message=match["message"])
    elif match := WHOLE_FILE.fullmatch(text):
        line = Line(text, "file", severity=match["severity"], message=match["message"],
                    full_path=cwd / match["file"])
        if line.full_path.exists():
            fault("a fault of a whole file that exists, not at its line 1")
    else:
        fault("in no documented form")
        return Line(text, "unknown")
    if '"' in line.message:
        fault("an ASCII double quote in the message")
    if line.severity == "error" and not ERROR_MESSAGE.fullmatch(line.message):
        fault("an error without its number")
    if line.severity == "warning" and not WARNING_MESSAGE.fullmatch(line.message):
        fault("a warning without its name")
    return line


def run_check(nome, treno, cwd, directory, label):
    command = [ARGS.scenario, "check", nome, treno] + (["--dir", str(directory)] if directory else [])
    done = subprocess.run(command, cwd=cwd, capture_output=True)
    stdout = done.stdout.decode("utf-8")
    lines, faults = parse_output(stdout, cwd)
    return Run(nome, f"{nome} {label}", cwd, stdout, done.returncode, lines, faults)


@functools.lru_cache(maxsize=None)
def checked_runs():
    """Every fixture pair checked three ways, from a fresh copy."""
    base = Path(tempfile.mkdtemp(prefix="runs ", dir=ARGS.work)).resolve()
    folder = base / FOLDER
    folder.mkdir()
    for nome, treno in FIXTURES:
        for name in (f"{nome}_linea.txt", f"{nome}_{treno}-.txt"):
            source = Path(ARGS.testdata) / "editors" / name
            if source.exists():
                shutil.copy(source, folder / name)
    runs = []
    for nome, treno in FIXTURES:
        runs.append(run_check(nome, treno, base, folder, "--dir absolute"))
        runs.append(run_check(nome, treno, base, FOLDER, "--dir relative"))
        runs.append(run_check(nome, treno, folder, None, "without --dir"))
    return runs


def runs_by_folder():
    """The runs grouped by the folder they ran in, in order."""
    groups = {}
    for run in checked_runs():
        groups.setdefault(run.cwd, []).append(run)
    return groups


def char_prefix_is_ascii(line):
    """Whether the text before the line's column, in its file, is all ASCII."""
    raw = line.full_path.read_bytes().split(b"\r\n")[line.line - 1]
    return all(b < 0x80 for b in raw[:line.column - 1])


def readme_section():
    text = Path(ARGS.readme).read_text(encoding="utf-8")
    start = text.index("\n### In an editor\n")
    end = text.index("\n#", start + 1)
    return text[start:end]


def readme_blocks(language):
    return re.findall(rf"^```{language}\n(.*?)^```$", readme_section(), re.S | re.M)


# The rows built to test how columns are counted: (file, line, words of the
# diagnostic's message, the text that starts at its column).
FIELDS_AT_FAULT = [
    ("Riva_Monte_linea.txt", 29, "[virgola-nel-testo]", "7"),            # after a Windows-1252 à
    ("Riva_Monte_2231-.txt", 11, "[posizione-arrotondata]", "725"),     # after an à and a tab
    ("Riva_Monte_2231-.txt", 18, "[codifica]", "Ã€"),                   # UTF-8 bytes in a Windows-1252 file: a column each
    ("Riva_Monte_2231-.txt", 25, "errore 16 ", "650"),                  # after a tab
    ("Senza_Generale_2231-.txt", 11, "[valori-in-piu]", "90"),          # after a UTF-8 à
    ("Senza_Treno_linea.txt", 18, "[valori-in-piu]", "5"),              # after two tabs
]


def file_text_line(path, number):
    """A line of a description as its author sees it: UTF-8 when the whole
    file is, Windows-1252 otherwise."""
    raw = path.read_bytes()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252", errors="replace")
    return text.split("\r\n")[number - 1]


class Forms(unittest.TestCase):
    def test_columns_count_characters(self):
        for run in checked_runs():
            for name, number, words, field in FIELDS_AT_FAULT:
                if not name.startswith(run.nome + "_"):
                    continue
                with self.subTest(run=run.label, row=(name, number, words)):
                    found = [line for line in run.located()
                             if line.full_path.name == name and line.line == number and words in line.message]
                    self.assertEqual(len(found), 1, run.stdout)
                    text = file_text_line(found[0].full_path, number)
                    self.assertEqual(text[found[0].column - 1:][:len(field)], field, text)

    def test_every_line_is_in_a_documented_form(self):
        for run in checked_runs():
            with self.subTest(run.label):
                self.assertEqual(run.faults, [], run.stdout)

    def test_the_fixtures_give_every_form(self):
        seen = {(line.form, line.severity) for run in checked_runs() for line in run.lines}
        for form in (("located", "error"), ("located", "warning"), ("located", "note"),
                     ("file", "error"), ("model", "error"), ("summary", None)):
            self.assertIn(form, seen)
        whole_file = [line for run in checked_runs() for line in run.located()
                      if line.message.startswith("errore 102:")]
        self.assertTrue(whole_file and all((line.line, line.column) == (1, 1) for line in whole_file),
                        "the line description with no [generale] is an error at its line 1")

    def test_exit_status_follows_the_errors(self):
        for run in checked_runs():
            with self.subTest(run.label):
                errors = any(line.severity == "error" for line in run.lines)
                self.assertEqual(run.returncode, 2 if errors else 0)


VIM_SCRIPT = r"""
set nomore hidden
let s:job = json_decode(join(readfile($EDITORS_JOB), "\n"))
try
  if s:job.compiler != ''
    execute 'compiler ' . s:job.compiler
  endif
  execute 'cgetfile ' . fnameescape(s:job.input)
  let s:items = []
  let s:n = 0
  for s:e in getqflist()
    let s:n += 1
    let s:item = {'valid': s:e.valid, 'lnum': s:e.lnum, 'col': s:e.col, 'vcol': s:e.vcol,
          \ 'type': s:e.type, 'text': s:e.text,
          \ 'file': s:e.bufnr ? fnamemodify(bufname(s:e.bufnr), ':p') : ''}
    if s:job.land && s:e.valid
      execute 'silent cc ' . s:n
      let s:item.landed = [expand('%:p'), line('.'), charcol('.')]
    endif
    call add(s:items, s:item)
  endfor
  call writefile([json_encode(s:items)], s:job.result)
catch
  call writefile(['failed: ' . v:exception], s:job.result)
endtry
qall!
"""


class Vim(unittest.TestCase):
    """Each output through `:cgetfile`, Vim run in the folder the check ran in."""

    def quickfix(self, compiler="", land=False):
        """The quickfix entries of every output, one list per run."""
        work = Path(tempfile.mkdtemp(prefix="vim ", dir=ARGS.work))
        script = work / "quickfix.vim"
        script.write_text(VIM_SCRIPT, encoding="utf-8")
        lists = {}
        for index, (cwd, runs) in enumerate(runs_by_folder().items()):
            output = work / f"output {index}.txt"
            output.write_text("".join(run.stdout for run in runs), encoding="utf-8")
            job = work / f"job {index}.json"
            result = work / f"result {index}.json"
            job.write_text(json.dumps({"compiler": compiler, "input": str(output), "land": land,
                                       "result": str(result)}), encoding="utf-8")
            done = subprocess.run(["vim", "-u", "DEFAULTS", "-i", "NONE", "-N", "-es", "-S", str(script)],
                                  cwd=cwd, env=dict(EDITOR_ENV, EDITORS_JOB=str(job)),
                                  stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=30)
            self.assertTrue(result.exists(), f"vim wrote nothing ({done.returncode}): {done.stderr}")
            text = result.read_text(encoding="utf-8")
            self.assertFalse(text.startswith("failed: "), text)
            entries = json.loads(text)
            self.assertEqual(len(entries), sum(len(run.lines) for run in runs),
                             "one quickfix entry per output line")
            for run in runs:
                lists[run.label], entries = entries[:len(run.lines)], entries[len(run.lines):]
        return [(run, lists[run.label]) for run in checked_runs()]

    def assert_entries(self, run, entries):
        for line, entry in zip(run.lines, entries):
            with self.subTest(run=run.label, line=line.text):
                if line.form == "located":
                    self.assertEqual((entry["valid"], entry["file"], entry["lnum"], entry["col"], entry["vcol"]),
                                     (1, str(line.full_path), line.line, line.column, 0))
                    self.assertIn(line.message, entry["text"])
                elif entry["valid"]:
                    self.assertTrue(Path(entry["file"]).is_file(),
                                    f"a valid entry at a file that does not exist: {entry}")

    def test_default_errorformat(self):
        for run, entries in self.quickfix():
            self.assert_entries(run, entries)
            for line, entry in zip(run.lines, entries):
                if line.form != "located":
                    continue
                with self.subTest(run=run.label, line=line.text):
                    # No type: the severity stays at the head of the text.
                    self.assertEqual(entry["type"], "")
                    self.assertEqual(entry["text"], f" {line.severity}: {line.message}")

    def test_compiler_gcc_gives_the_severity(self):
        for run, entries in self.quickfix(compiler="gcc"):
            self.assert_entries(run, entries)
            for line, entry in zip(run.lines, entries):
                if line.form != "located":
                    continue
                with self.subTest(run=run.label, line=line.text):
                    if line.severity == "note":
                        # gcc.vim reads `note:` as a line with no type: the
                        # word stays in the text, so it shows as a note and
                        # counts as neither an error nor a warning.
                        self.assertNotIn(entry["type"], ("e", "w"))
                        if entry["type"] == "":
                            self.assertTrue(entry["text"].startswith("note: "), entry["text"])
                    else:
                        self.assertEqual(entry["type"], line.severity[0])
                        self.assertEqual(entry["text"], line.message)

    def test_jump_lands_on_the_field(self):
        # Vim takes the column as a byte index into its buffer, where every
        # accented letter is two bytes or more: only a row whose text before
        # the field is ASCII (tabs included, each one column) lands exactly.
        landed = 0
        for run, entries in self.quickfix(land=True):
            for line, entry in zip(run.lines, entries):
                if line.form != "located" or not char_prefix_is_ascii(line):
                    continue
                with self.subTest(run=run.label, line=line.text):
                    self.assertEqual(entry["landed"], [str(line.full_path), line.line, line.column])
                    landed += 1
        self.assertGreater(landed, 0)


EMACS_SCRIPT = r"""
(require 'compile)
(require 'json)
(let* ((job (let ((coding-system-for-read 'utf-8)) (json-read-file (getenv "EDITORS_JOB"))))
       (output (get-buffer-create "*scenario check*"))
       (results nil))
  (with-current-buffer output
    (setq default-directory (file-name-as-directory (cdr (assq 'directory job))))
    (let ((coding-system-for-read 'utf-8)) (insert-file-contents (cdr (assq 'input job))))
    (compilation-mode)
    (compilation--ensure-parse (point-max))
    (goto-char (point-min))
    (while (not (eobp))
      (let* ((message (get-text-property (point) 'compilation-message))
             (loc (and message (compilation--message->loc message)))
             (file-name (and loc (car (compilation--loc->file-struct loc))))
             (result nil))
        (when (and loc file-name (car file-name))
          (setq result
                (list (cons 'level (compilation--message->type message))
                      (cons 'file (expand-file-name (car file-name) (or (cadr file-name) default-directory)))
                      (cons 'line (compilation--loc->line loc))))
          ;; Where the user lands: the message's line in the compilation
          ;; buffer, then RET.
          (let ((here (point)))
            (save-window-excursion
              (compile-goto-error)
              (push (cons 'landed (vector (buffer-file-name) (line-number-at-pos)
                                          (1+ (- (point) (line-beginning-position)))))
                    result))
            (set-buffer output)
            (goto-char here)))
        (when (and message (not result))
          (setq result (list (cons 'level (compilation--message->type message)) (cons 'file nil))))
        (push result results))
      (forward-line 1)))
  (let ((coding-system-for-write 'utf-8))
    (write-region (json-encode (vconcat (nreverse results))) nil (cdr (assq 'result job)))))
"""


class Emacs(unittest.TestCase):
    """Each output in a compilation-mode buffer whose folder is the one the
    check ran in, with the README's set-up evaluated first."""

    @classmethod
    def setUpClass(cls):
        blocks = readme_blocks("elisp")
        if not blocks:
            raise AssertionError("the README's section has no elisp block")
        work = Path(tempfile.mkdtemp(prefix="emacs ", dir=ARGS.work))
        script = work / "compilation.el"
        script.write_text(EMACS_SCRIPT, encoding="utf-8")
        cls.messages = {}
        for index, (cwd, runs) in enumerate(runs_by_folder().items()):
            output = work / f"output {index}.txt"
            output.write_text("".join(run.stdout for run in runs), encoding="utf-8")
            job, result = work / f"job {index}.json", work / f"result {index}.json"
            job.write_text(json.dumps({"directory": str(cwd), "input": str(output), "result": str(result)}),
                           encoding="utf-8")
            setup = "(progn " + "\n".join(blocks) + ")"
            done = subprocess.run(["emacs", "--batch", "-Q", "--eval", setup, "-l", str(script)],
                                  cwd=cwd, env=dict(EDITOR_ENV, EDITORS_JOB=str(job)),
                                  stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
            if done.returncode != 0 or not result.exists():
                raise AssertionError(f"emacs failed ({done.returncode}): {done.stderr}")
            messages = json.loads(result.read_text(encoding="utf-8"))
            if len(messages) != sum(len(run.lines) for run in runs):
                raise AssertionError(f"{len(messages)} lines read back, not one per output line")
            for run in runs:
                cls.messages[run.label], messages = messages[:len(run.lines)], messages[len(run.lines):]

    def test_each_located_line_is_a_message_at_its_field(self):
        levels = {"error": 2, "warning": 1, "note": 0}
        for run in checked_runs():
            for line, message in zip(run.lines, self.messages[run.label]):
                if line.form != "located":
                    continue
                with self.subTest(run=run.label, line=line.text):
                    self.assertIsNotNone(message)
                    self.assertEqual((message["level"], message["file"], message["line"]),
                                     (levels[line.severity], str(line.full_path), line.line))
                    # Every character one column, a tab and an accented letter alike.
                    self.assertEqual(message["landed"], [str(line.full_path), line.line, line.column])

    def test_other_lines_point_at_no_missing_file(self):
        for run in checked_runs():
            for line, message in zip(run.lines, self.messages[run.label]):
                if line.form == "located" or message is None:
                    continue
                with self.subTest(run=run.label, line=line.text):
                    self.assertIsNotNone(message["file"], f"a message with no file: {message}")
                    self.assertTrue(Path(message["file"]).is_file(), f"a message at a missing file: {message}")


NODE_MATCH = r"""
const input = JSON.parse(require('fs').readFileSync(0, 'utf8'));
const regexps = input.regexps.map(source => new RegExp(source));
const found = input.lines.map(line => regexps.map(re => {
  const m = re.exec(line);
  return m ? Array.from(m, g => (g === undefined ? null : g)) : null;
}));
process.stdout.write(JSON.stringify(found));
"""


def node():
    found = shutil.which("node") or ("/usr/bin/node" if Path("/usr/bin/node").exists() else None)
    if not found:
        raise AssertionError("node is not installed: the VS Code task's regexes are run as "
                             "JavaScript RegExps in node (install nodejs)")
    return found


class VsCode(unittest.TestCase):
    """The README's .vscode/tasks.json: VS Code itself is not in Debian, so its
    problem matchers' regexes run in node over the real outputs, and its task
    runs as VS Code runs a process task."""

    @classmethod
    def setUpClass(cls):
        blocks = [json.loads(block) for block in readme_blocks("json")]
        tasks = [block for block in blocks if "tasks" in block]
        if len(tasks) != 1:
            raise AssertionError("the README's section must hold one tasks.json")
        cls.task = tasks[0]["tasks"][0]
        cls.matchers = cls.task["problemMatcher"]

    def resolve(self, matcher, path, workspace):
        where = matcher["fileLocation"]
        self.assertEqual(where[0], "autoDetect", "a relative --dir needs autoDetect")
        folder = Path(where[1].replace("${workspaceFolder}", str(workspace)))
        return Path(path) if Path(path).is_absolute() else folder / path

    def intended(self, line):
        """The index of the matcher meant for the line."""
        for index, matcher in enumerate(self.matchers):
            kind = matcher["pattern"].get("kind", "location")
            if line.form in ("file", "model"):
                if kind == "file":
                    return index
            elif kind == "location" and (line.severity == "note") == (matcher.get("severity") == "info"):
                return index
        self.fail(f"no matcher is meant for {line.text!r}")

    def test_matchers_share_one_owner(self):
        self.assertIsInstance(self.matchers, list)
        self.assertEqual(len({matcher["owner"] for matcher in self.matchers}), 1)

    def test_each_line_is_read_by_its_own_matcher(self):
        runs = checked_runs()
        lines = [line for run in runs for line in run.lines if line.form != "unknown"]
        cwds = [run.cwd for run in runs for line in run.lines if line.form != "unknown"]
        done = subprocess.run([node(), "-e", NODE_MATCH], capture_output=True, text=True, timeout=30,
                              input=json.dumps({"regexps": [m["pattern"]["regexp"] for m in self.matchers],
                                                "lines": [line.text for line in lines]}))
        self.assertEqual(done.returncode, 0, done.stderr)
        for line, cwd, found in zip(lines, cwds, json.loads(done.stdout)):
            with self.subTest(line=line.text):
                matched = [index for index, groups in enumerate(found) if groups]
                if line.form == "summary":
                    self.assertEqual(matched, [])
                    continue
                index = self.intended(line)
                self.assertEqual(matched, [index])
                matcher, groups = self.matchers[index], found[index]
                pattern = matcher["pattern"]
                severity = groups[pattern["severity"]] if "severity" in pattern else matcher.get("severity")
                self.assertEqual(severity, "info" if line.severity == "note" else line.severity)
                self.assertEqual(groups[pattern["message"]], line.message)
                if line.form == "model":
                    self.assertEqual(groups[pattern["file"]], "scenario")
                    continue
                self.assertEqual(self.resolve(matcher, groups[pattern["file"]], cwd), line.full_path)
                if line.form == "located":
                    self.assertEqual((int(groups[pattern["line"]]), int(groups[pattern["column"]])),
                                     (line.line, line.column))
                else:
                    self.assertNotIn("line", pattern)

    def test_task_runs_as_a_process(self):
        # The task's own command line, in a workspace whose name holds a
        # space: with no shell, the folder is one argument.
        self.assertEqual(self.task["type"], "process")
        workspace = Path(tempfile.mkdtemp(prefix="vscode ", dir=ARGS.work)).resolve() / FOLDER
        workspace.mkdir()
        nome, treno = self.task["args"][1:3]
        shutil.copy(Path(ARGS.testdata) / "editors" / "Riva_Monte_linea.txt", workspace / f"{nome}_linea.txt")
        shutil.copy(Path(ARGS.testdata) / "editors" / "Riva_Monte_2231-.txt", workspace / f"{nome}_{treno}-.txt")
        arguments = [a.replace("${workspaceFolder}", str(workspace)) for a in self.task["args"]]
        env = dict(os.environ, PATH=str(Path(ARGS.scenario).resolve().parent) + os.pathsep + os.environ["PATH"])
        task = subprocess.run([self.task["command"]] + arguments, cwd=workspace, env=env, capture_output=True)
        direct = subprocess.run([ARGS.scenario, "check", nome, treno, "--dir", str(workspace)], capture_output=True)
        self.assertEqual((task.returncode, task.stdout, task.stderr), (direct.returncode, direct.stdout, direct.stderr))
        lines, faults = parse_output(task.stdout.decode("utf-8"), workspace)
        self.assertEqual(faults, [])
        self.assertIn(str(workspace / f"{nome}_{treno}-.txt"), [str(line.full_path) for line in lines])


GROUPS = {"forms": Forms, "vim": Vim, "emacs": Emacs, "vscode": VsCode}


def main():
    global ARGS
    ARGS = test_groups.parse_arguments(GROUPS, ("--scenario", "--testdata", "--readme", "--work"))
    ARGS.scenario = str(Path(ARGS.scenario).resolve())
    test_groups.run_group(GROUPS[ARGS.group])


if __name__ == "__main__":
    main()
