#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Docs are code: runs every command that the docs show, as written, and
compares what it prints with what the docs say it prints.

The docs are README.md, docs/*.md, the man pages cli/corvane-cli.1 and
packaging/corvane.1, and the --help texts of corvane-cli (the program's and
each command's, as the built program prints them).

What is a command, and what is shown output
-------------------------------------------
Markdown (README.md, docs/*.md)
    Every line of a code block (indented, or fenced without a language or as
    sh) is a shell command; a line ending in a backslash goes on in the next.
    A code block fenced with another language (```text, ```js) holds no
    command. Lines right under a command that begin with "# " (or are a bare
    "#") are its shown output, "# " taken off. A "#" after blanks on the
    command's own line starts a comment, which is never compared; so does a
    "#" line after a blank line.
Man pages
    Every .nf block is an example session: a line beginning with "$ " is a
    command, and the lines under it, up to a blank line or the next "$ ", are
    its shown output. The roff escapes \\- \\e \\& are read as - \\ and
    nothing; any other escape in a block is an error.
--help
    In the Examples, a line indented by two blanks is a command; the lines
    right under it that are indented further are its shown output. Text beside
    a command must be a "#" comment.

Shown output is compared with what the command writes to standard output and
standard error together, line for line, blanks at both ends of a line not
counted. "..." in a shown line stands for any text within that line; a shown
line that is only "..." stands for any number of lines. A command without
shown output is only run.

A command passes when it ends with status 0 (corvane-cli also with 2, the
status of a refusal or a finding, where the docs show its output or it is a
check); a measuring script also when it ends with 1 after printing that a
target was missed, since its targets are for a quiet machine. Each command is
treated as the first row of TREATMENTS that matches it says; a command that
no row matches fails the check, with its file and line.

Figures (counts of tests, lines covered, sizes, times) are given once, in the
Figures of docs/release.md; a count of tests, of lines covered or of bytes on
another page is a fault, every "about N KB" of the page must agree with its
figure, and the counts and sizes that the builds and the commands above give
cheaply are held against the Figures (counts exactly, sizes within 2 %). The
commands must leave git status as they found it.

    /usr/bin/python3 scripts/check-docs.py [--build DIR] [--list] [--only TEXT]
                                           [--page-ready FILE] [--jobs N]

--build names the native build to use (build/ of scripts/test.sh by default):
its corvane-cli is put first on PATH for corvane-cli's examples, which run in
a scratch directory that holds the files they read (table.csv). --list shows
each command and its treatment without running any; --only runs just the
commands that contain TEXT. --page-ready lets the checker start while the
page's build and browser tests still run (scripts/test.sh runs them side by
side): the blocks of commands that read or build build-web/ run last, once
FILE holds the exit status of that stage; when it is not 0 they are not run
and the check fails. --jobs runs up to N lanes of commands side by side, each
lane in the docs' order: the fuzzing commands, the coverage commands, the
package's install and use, the page's commands and all the others (most
commands use one core or wait on a window, a browser or a program under
Valgrind). CORVANE_DOCS_SYSTEM=0 skips the commands that install or
remove the package even as root.
"""

import argparse
import concurrent.futures
import dataclasses
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]

# ---------------------------------------------------------------------------
# How each command is treated. The first row whose pattern matches the whole
# command (its comment left out) decides. Kinds:
#   cli        run in the scratch directory, with the build's corvane-cli first
#              on PATH
#   run        run in the repository root
#   test-step  a step of scripts/test.sh of its own, which this checker runs
#              inside: not run twice
#   window     start under Xvfb, wait for its window, then stop it
#   browser    open the page in headless Chromium and read what it shows
#   server     start, wait until it serves the URL, then stop it
#   install    needs root and changes the system: run as root (and undone at
#              the end), otherwise skipped
#   installed  runs only after the install above, against the installed program
#   packages   the packages are installed (apt-get install of them would change
#              nothing)
# Options:
#   env        variables for the run; they give the long runs small inputs and
#              take the place of the command's own (FUZZ_RUNS=100000 becomes 300)
#   replace    text put in place of text in the command: a placeholder, fewer
#              repetitions, a scratch file for an output that would land in the tree
#   append     text added to the command (a small row count)
#   then       a command run after it, in the same place (the build's tests)
#   restore    a folder of the tree that the command rewrites on purpose: it
#              must be unchanged before, must hold the files named in keeps
#              after, and is put back from git
#   measures   a missed target (exit 1 after "MISSED") is reported, not failed
#   alive      the title of the window that must come up
#   url, same_as  what a server must serve, and the file it must serve there
#   expect     a text the output must hold
#   display    the window shows on the X display, not offscreen
#   exports    an export, kept for the later commands of its block
#   page       it reads or builds build-web/: with --page-ready, its block runs
#              once the page's own build and tests are done
#   timeout    seconds
# ---------------------------------------------------------------------------
# 300 executions a target prove the commands work; the inputs' time is judged
# at release strength on a quiet machine, not beside the browser tests.
FUZZ_SMALL = {'FUZZ_RUNS': '300', 'FUZZ_TIMEOUT': '120'}
TREATMENTS = [
    # The test command and its own steps.
    (r'scripts/test\.sh', 'test-step', {}),
    # The quick loop runs for real: with everything built, it is the native
    # tests once more.
    (r'scripts/test\.sh --quick', 'run', {'timeout': 900, 'page': True}),
    (r'reuse lint', 'test-step', {}),
    (r'scripts/package\.sh', 'test-step', {}),
    (r'scripts/build-windows\.sh', 'test-step', {}),
    (r'scripts/build-web\.sh --test', 'test-step', {}),
    (r"ctest --test-dir build-windows -L '\^\(cli\|answers\)\$' -j2 --output-on-failure", 'test-step',
     {'note': 'run by scripts/build-windows.sh'}),

    # The window, the page and a server of the page.
    (r'scripts/run\.sh', 'window', {'alive': 'Allan-Bradley / Modicon Corvane', 'timeout': 900}),
    (r'chromium build-web/corvane\.html', 'browser',
     {'expect': 'Allan-Bradley / Modicon Corvane', 'page': True}),
    (r'cd build-web && python3 -m http\.server 8000', 'server',
     {'url': 'http://localhost:8000/corvane.html', 'same_as': 'build-web/corvane.html', 'page': True}),
    (r'scripts/screenshot\.sh slave slave\.png', 'run',
     {'replace': {'slave.png': '{scratch}/slave.png'}, 'expect': 'wrote ', 'display': True,
      'timeout': 600}),
    (r'/usr/bin/python3 scripts/screenshot-web\.py build-web/corvane\.html docs/screenshot-web\.png', 'run',
     {'replace': {'docs/screenshot-web.png': '{scratch}/screenshot-web.png'}, 'page': True}),
    (r'/usr/bin/python3 scripts/screenshot-web\.py --table docs/examples/gateway-map\.csv '
     r'build-web/corvane\.html docs/screenshot-maptable\.png', 'run',
     {'replace': {'docs/screenshot-maptable.png': '{scratch}/screenshot-maptable.png'}, 'page': True}),

    # corvane-cli's examples.
    (r'(printf|echo) .* \| corvane-cli .*', 'cli', {}),
    (r'corvane-cli( .*)?', 'cli', {}),

    # The package: build, install, try, remove, validate.
    (r'apt-get install \./build/corvane_[0-9.]+_amd64\.deb', 'install', {}),
    (r'\(installed\) corvane-cli --version', 'installed', {}),
    (r'\(installed\) man corvane-cli', 'installed', {'env': {'MANPAGER': 'cat', 'MANWIDTH': '80'},
                                                  'expect': 'corvane-cli'}),
    (r'\(installed\) grep Exec= /usr/share/applications/io\.github\.corvane\.Corvane\.desktop',
     'installed', {}),
    (r'\(installed\) corvane', 'installed', {'alive': 'Allan-Bradley / Modicon Corvane'}),
    (r'apt-get remove -y corvane', 'install', {}),
    (r'apt-get install clang-14 libclang-rt-14-dev .*', 'packages', {}),
    (r'desktop-file-validate packaging/\S+\.desktop', 'run', {}),
    (r'appstreamcli validate --no-net build/packaging/\S+\.metainfo\.xml', 'run', {}),

    # Windows and the web page by hand: the test command's build directories.
    (r'scripts/build-windows\.sh --no-tests', 'run', {}),
    (r'x86_64-w64-mingw32-objdump -p build-windows/cli/corvane-cli\.exe \| grep .DLL Name.', 'run', {}),
    (r'cmake -S \. -B build-windows .*', 'run', {}),
    (r'cmake --build build-windows -j2 --target corvane-cli corvane_cli_tests corvane_answers_tests', 'run',
     {}),
    (r'scripts/build-web\.sh', 'run', {'page': True}),
    (r'export NODE_PATH=/usr/share/nodejs', 'run', {'exports': True}),
    (r'emcmake cmake -S \. -B build-web .*', 'run', {'page': True}),
    (r'cmake --build build-web -j2 --target corvane_page', 'run', {'page': True}),

    # Release figures, with small inputs.
    # The merge is shown on the target whose named seed it must keep and on a
    # quick one; every target runs in the plain command.
    (r'FUZZ_MERGE=1 scripts/fuzz\.sh', 'run',
     {'env': FUZZ_SMALL, 'append': ' batchstream parsedatafile', 'restore': 'fuzz/corpus',
      'keeps': ['fuzz/corpus/batchstream/quoted-row-cut-at-the-limit']}),
    # One target after another is shown on two quick targets.
    (r'FUZZ_JOBS=1 scripts/fuzz\.sh', 'run',
     {'env': FUZZ_SMALL, 'append': ' parsedatafile translateslave'}),
    (r'(FUZZ_\w+=\S+ )*scripts/fuzz\.sh( \w+)?', 'run', {'env': FUZZ_SMALL}),
    (r'ASAN_OPTIONS=\S+ build-fuzz/fuzz/<target>_fuzz <file>', 'run',
     {'replace': {'<target>': 'batchstream',
                  '<file>': 'fuzz/corpus/batchstream/quoted-row-cut-at-the-limit'}}),
    (r'(COVERAGE_CHECK=1 )?scripts/coverage\.sh', 'run', {}),
    (r'(REPEAT=\d+ )?bench/startup\.sh( build\S*)?', 'run', {'env': {'REPEAT': '3'}, 'measures': True}),
    (r'(ROWS=\d+ )?scripts/valgrind\.sh', 'run', {'env': {'ROWS': '20'}}),
    # The native build that scripts/test.sh made and tested: built again only
    # where it is not up to date.
    (r'scripts/native-build\.sh', 'run', {}),
    (r'build/bench/corvane_bench .*', 'run',
     {'replace': {'--benchmark_repetitions=5': '--benchmark_repetitions=2 --benchmark_min_time=0.01'}}),
    (r'bench/cli/batch_compare\.sh build', 'run', {'append': ' 20000', 'env': {'RUNS': '2'}}),
    (r'scripts/cli-memory\.sh', 'run', {}),
    (r'/usr/bin/python3 bench/web/page_bench\.py build-web/corvane\.html', 'run',
     {'measures': True, 'page': True}),
    (r'/usr/bin/python3 bench/web/table_bench\.py build-web/corvane\.html', 'run',
     {'append': ' 20000', 'measures': True, 'page': True}),
]

# The sizes in the Figures of docs/release.md: (the figure, the file it is the
# size of, its unit in bytes). The first is the page's, which every "about N KB"
# of the docs must agree with.
SIZE_FIGURES = [
    (r'([\d,]+) bytes of `corvane\.html`', 'build-web/corvane.html', 1),
    (r'the module ([\d.]+) KB before gzip and base64', 'build-web/web/corvane_web.wasm', 1000),
    (r'`corvane-cli\.exe` ([\d.]+) MB as built', 'build-windows/cli/corvane-cli.exe', 1e6),
    (r'([\d.]+) MB stripped', 'build-windows/zip/corvane-cli.exe', 1e6),
    (r'the zip ([\d.]+) MB', 'build-windows/corvane-cli-1.3.0-windows-x86_64.zip', 1e6),
]

# Inline code in the prose that names a file of the tree must name one that is
# there; these prefixes mark such names.
TREE_PREFIXES = ('scripts/', 'bench/', 'cmake/', 'fuzz/', 'web/', 'docs/', 'packaging/', 'tests/',
                 'cli/', 'app/', 'core/', 'errors/', 'slave/', 'master/', 'subs/', 'about/')

# The files that corvane-cli's examples read, in the scratch directory.
FIXTURES = {
    'table.csv': 'mode,address,start,count\n'
                 'slave,N7:0,40001,10\n'
                 'slave,N10:0,40005,10\n'
                 'slave,F8/3,1,1\n'
                 'slave,N11:0,40100,5\n'
                 'slave,B3/0,1,16\n'
                 'bad,row\n',
}


@dataclasses.dataclass
class Command:
    source: str          # file, as shown in messages
    line: int
    text: str            # as written (continuation lines joined by newlines)
    shown: list | None   # shown output lines, None if the docs show none
    comment: str = ''
    block: str = ''      # commands of one block share exports and the package
    key: str = ''        # the text the treatments match
    kind: str = ''
    options: dict = dataclasses.field(default_factory=dict)

    @property
    def where(self):
        return f'{self.source}:{self.line}'


class DocError(Exception):
    pass


# --------------------------------------------------------------- extraction

def split_comment(text):
    """Splits 'command   # comment' outside quotes; returns (command, comment)."""
    quote = None
    for index, char in enumerate(text):
        if quote:
            if char == quote:
                quote = None
        elif char in '\'"':
            quote = char
        elif char == '#' and (index == 0 or text[index - 1] in ' \t'):
            return text[:index].rstrip(), text[index + 1:].strip()
    return text.rstrip(), ''


def loose_text_beside(text):
    """Text after two or more blanks outside quotes (what --help may not have)."""
    quote = None
    for index, char in enumerate(text):
        if quote:
            if char == quote:
                quote = None
        elif char in '\'"':
            quote = char
        elif text.startswith('  ', index) and text[index:].strip():
            return text[index:].strip()
    return ''


def shell_block_commands(source, lines, block):
    """Commands of one shell code block, with the output shown under each."""
    commands = []
    current = None  # the command that the "#" lines right under it belong to
    index = 0
    while index < len(lines):
        number, line = lines[index]
        index += 1
        if not line.strip():
            current = None
        elif line.startswith('#'):
            if current is not None:
                shown = line[2:] if line.startswith('# ') else line[1:]
                current.shown = (current.shown or []) + [shown]
        else:
            text = line
            while text.endswith('\\') and index < len(lines):
                text += '\n' + lines[index][1]
                index += 1
            command, comment = split_comment(text)
            current = Command(source, number, command, None, comment, block)
            commands.append(current)
    return commands


def markdown_commands(path):
    source = str(path.relative_to(ROOT))
    lines = path.read_text(encoding='utf-8').split('\n')
    commands, inline = [], []
    index, block = 0, 0
    previous_blank = True
    while index < len(lines):
        line = lines[index]
        stripped = line.strip()
        if stripped.startswith('```'):
            language = stripped[3:].strip()
            body = []
            index += 1
            while index < len(lines) and not lines[index].strip().startswith('```'):
                body.append((index + 1, lines[index].strip()))
                index += 1
            if index >= len(lines):
                raise DocError(f'{source}:{len(lines)}: a fenced code block is not closed')
            block += 1
            if language in ('', 'sh', 'shell', 'bash'):
                commands += shell_block_commands(source, body, f'{source}#{block}')
            index += 1
            previous_blank = False
            continue
        indent = len(line) - len(line.lstrip(' '))
        if previous_blank and stripped and indent >= 4 and not stripped.startswith(('|', '- ', '* ')):
            body = []
            base = indent
            while index < len(lines):
                current = lines[index]
                current_indent = len(current) - len(current.lstrip(' '))
                if current.strip() and current_indent < base:
                    break
                body.append((index + 1, current[base:] if current.strip() else ''))
                index += 1
            block += 1
            commands += shell_block_commands(source, body, f'{source}#{block}')
            previous_blank = not body[-1][1] if body else True
            continue
        for match in re.finditer(r'`([^`]+)`', line):
            inline.append((source, index + 1, match.group(1)))
        previous_blank = not stripped
        index += 1
    return commands, inline


ROFF_ESCAPES = {r'\-': '-', r'\e': '\\', r'\&': ''}


def roff_text(source, number, line):
    def replace(match):
        escape = match.group(0)
        if escape not in ROFF_ESCAPES:
            raise DocError(f'{source}:{number}: the roff escape {escape} cannot be read in an example')
        return ROFF_ESCAPES[escape]
    return re.sub(r'\\(\(..|.)', replace, line)


def man_commands(path):
    source = str(path.relative_to(ROOT))
    lines = path.read_text(encoding='utf-8').split('\n')
    commands = []
    block = 1000
    index = 0
    while index < len(lines):
        if lines[index].strip() != '.nf':
            index += 1
            continue
        block += 1
        index += 1
        current = None
        while index < len(lines) and lines[index].strip() != '.fi':
            number, raw = index + 1, lines[index]
            index += 1
            if raw.startswith('.'):
                raise DocError(f'{source}:{number}: a request inside an example block')
            line = roff_text(source, number, raw)
            if line.startswith('$ '):
                command, comment = split_comment(line[2:])
                current = Command(source, number, command, None, comment, f'{source}#{block}')
                commands.append(current)
            elif not line.strip():
                current = None
            elif current is None:
                raise DocError(f'{source}:{number}: an example block line that is no "$ " '
                               f'command and follows none: {line!r}')
            else:
                current.shown = (current.shown or []) + [line]
    return commands


HELP_PAGES = [[], ['slave'], ['master'], ['decode'], ['batch'], ['check']]


def help_commands(cli):
    commands = []
    for page in HELP_PAGES:
        argv = [cli] + page + ['--help']
        source = 'corvane-cli ' + ' '.join(page + ['--help'])
        text = subprocess.run(argv, capture_output=True, text=True, check=True).stdout
        lines = text.split('\n')
        try:
            start = next(i for i, line in enumerate(lines) if line.startswith('Examples'))
        except StopIteration:
            raise DocError(f'{source}: shows no Examples') from None
        while start + 1 < len(lines) and lines[start + 1][:1] not in (' ', ''):
            start += 1  # the heading goes on
        current = None
        for index in range(start + 1, len(lines)):
            line = lines[index]
            if not line.strip():
                if index + 1 < len(lines) and lines[index + 1].startswith(' '):
                    current = None
                    continue
                break
            indent = len(line) - len(line.lstrip(' '))
            if indent == 2:
                command, comment = split_comment(line.strip())
                beside = loose_text_beside(command)
                if beside:
                    raise DocError(f'{source}, line {index + 1}: text beside a command that is no '
                                   f'"#" comment: {beside!r}')
                current = Command(source, index + 1, command, None, comment, source)
                commands.append(current)
            elif indent > 2 and current is not None:
                current.shown = (current.shown or []) + [line.strip()]
            else:
                break
    return commands


# --------------------------------------------------------------- treatment

def treat(commands):
    installed_blocks = set()
    for command in commands:
        key = command.text.replace('\\\n', ' ')
        key = re.sub(r'\s+', ' ', key).strip()
        if command.block in installed_blocks:
            key = '(installed) ' + key
        command.key = key
        for pattern, kind, options in TREATMENTS:
            if re.fullmatch(pattern, key):
                command.kind, command.options = kind, options
                break
        else:
            raise DocError(f'{command.where}: no treatment for this command; add a row to '
                           f'TREATMENTS in scripts/check-docs.py: {key}')
        if command.kind == 'install' and key.startswith('apt-get install'):
            installed_blocks.add(command.block)


def matches(shown, actual):
    """Shown lines against actual lines: '...' within a line and as a line."""
    def line_pattern(line):
        return r'[ \t]*' + '.*'.join(re.escape(part) for part in line.strip().split('...')) + r'[ \t]*'
    pattern = []
    for line in shown:
        if line.strip() == '...':
            pattern.append(r'(?:[^\n]*\n)*?')
        else:
            pattern.append(line_pattern(line) + r'\n')
    text = '\n'.join(line.rstrip() for line in actual.rstrip('\n').split('\n')) + '\n'
    if not actual.strip():
        text = ''
    return re.fullmatch(''.join(pattern), text) is not None


class Runner:
    def __init__(self, build, scratch):
        self.build = build
        self.scratch = scratch
        self.exports = {}
        self.done = {}
        self.outputs = {}
        self.passed = 0
        self.failures = []
        self.skipped = []
        self.package = None   # dpkg state before an install, when one ran
        self.lock = threading.Lock()  # lanes of commands may run side by side
        self.displays = iter(range(140, 200))  # where each window's xvfb-run looks first
        # As in scripts/test.sh: warnings are errors where the project checks
        # itself (scripts/run.sh then finds build/ configured as it left it),
        # and a build given no -j uses two jobs, one per core.
        self.base_env = dict(os.environ, PYTHONDONTWRITEBYTECODE='1')
        self.base_env.setdefault('CMAKE_BUILD_PARALLEL_LEVEL', '2')
        self.base_env.setdefault('CORVANE_WARNINGS_AS_ERRORS', 'ON')

    def ok(self, message):
        with self.lock:
            self.passed += 1
            print('ok    ' + message, flush=True)

    def fail(self, command, message, output=''):
        tail = '\n'.join(output.rstrip('\n').split('\n')[-40:]) if output else ''
        with self.lock:
            self.failures.append(f'{command.where}: {command.key}\n    {message}' +
                                 (f'\n    --- output (last lines) ---\n{tail}' if tail else ''))
            print(f'FAIL  {command.where}: {message}', flush=True)

    def text_for_run(self, command):
        text = command.text
        for old, new in command.options.get('replace', {}).items():
            if old not in text:
                raise DocError(f'{command.where}: the treatment replaces {old!r}, which is not there')
            text = text.replace(old, new.format(scratch=self.scratch))
        text += command.options.get('append', '')
        # Small inputs: the treatment's values replace the command's own.
        for name, value in command.options.get('env', {}).items():
            text = re.sub(rf'(^|\s){name}=\S+\s', r'\1', text)
        return text

    def environment(self, command, path_first=None):
        env = dict(self.base_env)
        if command.options.get('display'):
            env.pop('QT_QPA_PLATFORM', None)  # the window shows on the X display
        env.update(self.exports.get(command.block, {}))
        env.update(command.options.get('env', {}))
        if path_first:
            env['PATH'] = f'{path_first}:{env["PATH"]}'
        return env

    def shell(self, text, cwd, env, timeout):
        started = time.monotonic()
        try:
            done = subprocess.run(['bash', '-c', text], cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout,
                                  start_new_session=True)
            output = done.stdout.decode('utf-8', 'replace')
            return done.returncode, output, time.monotonic() - started
        except subprocess.TimeoutExpired as expired:
            output = (expired.stdout or b'').decode('utf-8', 'replace')
            return None, output, time.monotonic() - started

    def judge(self, command, status, output, seconds, allowed=(0,)):
        options = command.options
        self.outputs[command.key] = output
        if status is None:
            self.fail(command, f'still running after {seconds:.0f} s', output)
            return
        if status not in allowed and not (options.get('measures') and status == 1 and
                                          'MISSED' in output):
            self.fail(command, f'exit status {status}', output)
            return
        expect = options.get('expect')
        if expect and expect not in output:
            self.fail(command, f'the output lacks {expect!r}', output)
            return
        if command.shown is not None and not matches(command.shown, output):
            self.fail(command, 'the output is not the one shown:\n    --- shown ---\n' +
                      '\n'.join('    ' + line for line in command.shown) +
                      '\n    --- printed ---\n' +
                      '\n'.join('    ' + line for line in output.rstrip('\n').split('\n')))
            return
        note = ' (a target missed: the figures are for a quiet machine)' if status == 1 else ''
        self.ok(f'{command.where} ({seconds:.1f} s){note}')

    def run(self, command):
        kind, options = command.kind, command.options
        # The same command, as it is run, with the same shown output runs once
        # (ROWS=2000 scripts/valgrind.sh is scripts/valgrind.sh with ROWS=20).
        ran = self.text_for_run(command) if kind == 'run' else command.text
        same = (ran, tuple(sorted(options.get('env', {}).items())), tuple(command.shown or ()))
        if same in self.done and kind not in ('install', 'installed'):
            print(f'same  {command.where}: as {self.done[same]}', flush=True)
            return
        self.done[same] = command.where
        timeout = options.get('timeout', 1800)
        if kind == 'test-step':
            print(f'step  {command.where}: {options.get("note", "a step of scripts/test.sh")}',
                  flush=True)
        elif kind == 'cli':
            status, output, seconds = self.shell(command.text, self.scratch,
                                                 self.environment(command, self.build / 'cli'), 60)
            # Status 2 is an answer too: a refusal whose text the docs show, or
            # the refused and bad rows that table.csv holds on purpose.
            self.judge(command, status, output, seconds,
                       allowed=(0, 2) if command.shown is not None or 'table.csv' in command.key
                       else (0,))
        elif kind == 'run':
            if options.get('exports'):
                name, value = command.text.split(None, 1)[1].split('=', 1)
                self.exports.setdefault(command.block, {})[name] = value
                self.ok(f'{command.where}: {name} set for the block')
                return
            text = ran
            restore = options.get('restore')
            if restore and git_status(restore):
                self.skipped.append(f'{command.where}: {command.key} ({restore} has changes '
                                    'of its own, which it would overwrite)')
                print(f'skip  {command.where}: {restore} has changes of its own', flush=True)
                return
            status, output, seconds = self.shell(text, ROOT, self.environment(command), timeout)
            if restore:
                lost = [name for name in options.get('keeps', []) if not (ROOT / name).exists()]
                if lost and status == 0:
                    status, output = 1, output + f'\nthe merge lost {", ".join(lost)}\n'
                subprocess.run(['git', 'checkout', '--', restore], cwd=ROOT, check=True)
                subprocess.run(['git', 'clean', '-fdq', '--', restore], cwd=ROOT, check=True)
            if status == 0 and options.get('then'):
                status, more, extra = self.shell(options['then'], ROOT, self.environment(command),
                                                 timeout)
                output += more
                seconds += extra
            self.judge(command, status, output, seconds)
        elif kind == 'window':
            self.window(command, command.text, ROOT, timeout)
        elif kind == 'browser':
            self.browser(command)
        elif kind == 'server':
            self.server(command)
        elif kind == 'packages':
            names = command.key.split()[2:]
            missing = [name for name in names if subprocess.run(
                ['dpkg-query', '-W', '-f=${Status}', name], capture_output=True,
                text=True).stdout != 'install ok installed']
            if missing:
                self.fail(command, 'not installed: ' + ' '.join(missing) +
                          ' (scripts/install-deps.sh installs them)')
            else:
                self.ok(f'{command.where}: {len(names)} packages installed')
        elif kind in ('install', 'installed'):
            self.system(command)

    # A command that needs root and changes the system.
    def system(self, command):
        key = command.key
        if os.geteuid() != 0 or os.environ.get('CORVANE_DOCS_SYSTEM', '1') == '0':
            reason = ('not root' if os.geteuid() != 0 else 'CORVANE_DOCS_SYSTEM=0')
            self.skipped.append(f'{command.where}: {key} ({reason})')
            print(f'skip  {command.where}: it changes the system ({reason})', flush=True)
            return
        if key.startswith('apt-get install'):
            if self.package is None:
                before = dpkg_state()
                if 'corvane' in before:
                    self.skipped.append(f'{command.where}: {key} (corvane is installed already)')
                    print(f'skip  {command.where}: corvane is installed already', flush=True)
                    return
                self.package = before
            env = self.environment(command)
            env['DEBIAN_FRONTEND'] = 'noninteractive'
            status, output, seconds = self.shell(command.text, ROOT, env, 900)
            self.judge(command, status, output, seconds)
        elif key.startswith('apt-get remove'):
            if self.package is None:
                self.skipped.append(f'{command.where}: {key} (the package was not installed)')
                print(f'skip  {command.where}: the package was not installed here', flush=True)
                return
            status, output, seconds = self.shell(command.text, ROOT, self.environment(command), 600)
            self.judge(command, status, output, seconds)
        else:
            if self.package is None or 'corvane' not in dpkg_state():
                self.skipped.append(f'{command.where}: {key} (the package is not installed)')
                print(f'skip  {command.where}: the package is not installed', flush=True)
                return
            if command.options.get('alive'):
                self.window(command, command.text, self.scratch, 120)
                return
            status, output, seconds = self.shell(command.text, self.scratch,
                                                 self.environment(command), 120)
            self.judge(command, status, output, seconds)

    def restore_system(self):
        """Leaves the packages as they were before the install."""
        if self.package is None:
            return
        added = sorted(set(dpkg_state()) - set(self.package))
        if added:
            subprocess.run(['apt-get', 'remove', '-y', '-qq'] + added, stdin=subprocess.DEVNULL,
                           stdout=subprocess.DEVNULL, env=dict(os.environ,
                                                               DEBIAN_FRONTEND='noninteractive'))
        left = sorted(set(dpkg_state()) - set(self.package))
        if left:
            self.failures.append('the packages installed by the docs\' commands could not be '
                                 'removed: ' + ' '.join(left))
        else:
            print(f'ok    the system is as it was (removed: {" ".join(added) or "nothing"})',
                  flush=True)

    def window(self, command, text, cwd, timeout):
        """Starts a program that opens a window under Xvfb and waits for the window."""
        title = command.options['alive']
        # The program runs in a process group of its own, which is stopped whole.
        script = ('setsid bash -c "$CORVANE_COMMAND" >"$CORVANE_LOG" 2>&1 &\n'
                  'program=$!\n'
                  f'if timeout {timeout} xdotool search --sync --onlyvisible --name "$CORVANE_TITLE" '
                  '>/dev/null; then\n'
                  '    sleep 1; kill -0 "$program" && echo "window up"; status=$?\n'
                  'else status=1; fi\n'
                  'kill -TERM -- -"$program" 2>/dev/null\n'
                  'wait "$program" 2>/dev/null; exit $status\n')
        env = self.environment(command)
        env.pop('QT_QPA_PLATFORM', None)
        log = self.scratch / f'window-{command.line}.log'
        env.update(CORVANE_TITLE=title, CORVANE_LOG=str(log), CORVANE_COMMAND=text)
        started = time.monotonic()
        with self.lock:
            display = str(next(self.displays))
        done = subprocess.run(['xvfb-run', '-a', '-n', display, '-s', '-screen 0 1024x768x24',
                               'bash', '-c', script],
                              cwd=cwd, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                              text=True, timeout=timeout + 60)
        output = done.stdout + done.stderr
        if log.exists():
            output = log.read_text(errors='replace') + output
        if done.returncode != 0 or 'window up' not in done.stdout:
            self.fail(command, f'no window titled {title!r} came up', output)
        else:
            self.ok(f'{command.where}: its window came up ({time.monotonic() - started:.1f} s)')

    def browser(self, command):
        """Opens the page as written, headless, and reads the page it shows."""
        chromium = command.text.split()[0]
        arguments = command.text.split()[1:]
        extra = ['--headless=new', '--disable-gpu', '--virtual-time-budget=5000', '--dump-dom',
                 f'--user-data-dir={self.scratch / "chromium-profile"}']
        if os.geteuid() == 0:
            extra.append('--no-sandbox')
        started = time.monotonic()
        try:
            done = subprocess.run([chromium] + extra + arguments, cwd=ROOT, capture_output=True,
                                  text=True, timeout=120, stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            self.fail(command, 'Chromium did not show the page within 120 s')
            return
        shutil.rmtree(self.scratch / 'chromium-profile', ignore_errors=True)
        self.judge(command, done.returncode, done.stdout, time.monotonic() - started)

    def server(self, command):
        """Starts the server as written, fetches the URL, stops it."""
        url = command.options['url']
        process = subprocess.Popen(['bash', '-c', command.text], cwd=ROOT, env=self.environment(command),
                                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL, start_new_session=True)
        started = time.monotonic()
        body = None
        try:
            while time.monotonic() - started < 30 and process.poll() is None:
                try:
                    with urllib.request.urlopen(url, timeout=5) as response:
                        body = response.read()
                    break
                except OSError:
                    time.sleep(0.3)
        finally:
            os.killpg(process.pid, signal.SIGTERM)
            process.wait()
        expected = (ROOT / command.options['same_as']).read_bytes()
        if body is None:
            self.fail(command, f'it never served {url}')
        elif body != expected:
            self.fail(command, f'{url} is not {command.options["same_as"]}')
        else:
            self.ok(f'{command.where}: served {url} ({len(body)} bytes)')


def dpkg_state():
    listing = subprocess.run(['dpkg-query', '-W', '-f=${Package} ${Status}\\n'],
                             capture_output=True, text=True).stdout
    return [line.split()[0] for line in listing.splitlines() if line.endswith('install ok installed')]


# ------------------------------------------------------------------ figures

def ctest_count(build, label):
    if not (build / 'CTestTestfile.cmake').exists():
        return None
    listing = subprocess.run(['ctest', '--test-dir', str(build), '-N', '-L', f'^{label}$'],
                             capture_output=True, text=True).stdout
    counted = re.search(r'Total Tests: (\d+)', listing)
    return counted.group(1) if counted else None


def figure_checks(build, outputs):
    """Every figure is given once, in the Figures of docs/release.md; what can
    be counted cheaply there agrees with the tree and the builds, and every
    "about N KB" of the page agrees with its figure. outputs holds what the
    commands printed, by command. Returns the faults."""
    faults = []
    release = (ROOT / 'docs/release.md').read_text()
    if '\n## Figures' not in release:
        return ['docs/release.md has no "Figures" section']
    figures = release.split('\n## Figures', 1)[1]

    def figure(pattern, what):
        found = re.search(pattern, figures)
        if not found:
            faults.append(f'docs/release.md, Figures: no figure for {what} (/{pattern}/)')
            return None
        return found.group(1).replace(',', '')

    def against(what, quoted, counted, where):
        if quoted and counted and quoted != counted:
            faults.append(f'docs/release.md, Figures: {quoted} {what}, but {where} has {counted}')

    # Sizes of what the builds made: within 2 % of the figure, which is in
    # bytes, KB or MB (1000 and 1,000,000 bytes).
    for pattern, path, unit in SIZE_FIGURES:
        quoted = figure(pattern, path)
        built = ROOT / path
        if quoted and built.exists():
            size = built.stat().st_size / unit
            if abs(size - float(quoted)) > 0.02 * float(quoted):
                faults.append(f'docs/release.md, Figures: {quoted} for {path}, but the build\'s '
                              f'is {size:.3g}: measure it again')
    page_bytes = figure(SIZE_FIGURES[0][0], SIZE_FIGURES[0][1])
    if page_bytes:
        kilobytes = round(int(page_bytes) / 1000)
        for path in [ROOT / 'README.md'] + sorted((ROOT / 'docs').glob('*.md')):
            for number, line in enumerate(path.read_text().split('\n'), start=1):
                for quoted in re.findall(r'about (\d+) KB', line):
                    if int(quoted) != kilobytes:
                        faults.append(f'{path.relative_to(ROOT)}:{number}: about {quoted} KB, but '
                                      f'the Figures say {page_bytes} bytes')
    # Listing the Windows build's tests runs its test program under Wine.
    against('CLI tests under Wine', figure(r'the ([\d,]+) CLI tests pass under\s+Wine',
                                           'the CLI tests under Wine'),
            ctest_count(ROOT / 'build-windows', 'cli'), 'build-windows/')
    against('browser tests', figure(r'the ([\d,]+) browser tests', 'the browser tests'),
            ctest_count(ROOT / 'build-web', 'web'), 'build-web/')
    script = (ROOT / 'scripts/compare-windows.sh').read_text()
    against('comparisons', figure(r'the ([\d,]+) comparisons with the Linux program',
                                  'the comparisons'),
            str(len(re.findall(r'^compare \S', script, re.M))), 'scripts/compare-windows.sh')
    report = next((text for key, text in outputs.items() if key.endswith('scripts/coverage.sh')), '')
    for what in ('lines', 'branches', 'functions'):
        covered = figure(rf'{what} [\d.]+ %\s+\(([\d,]+ of [\d,]+)\)', f'the {what} covered')
        measured = re.search(rf'^{what}: [\d.]+% \((\d+) out of (\d+)\)', report, re.M)
        if covered and measured:
            against(f'{what} covered', covered, f'{measured.group(1)} of {measured.group(2)}',
                    'scripts/coverage.sh')

    # No other page repeats a count of the Figures: it points there.
    for path in [ROOT / 'README.md'] + sorted((ROOT / 'docs').glob('*.md')):
        text = path.read_text()
        if path.name == 'release.md':
            text = text.split('\n## Figures', 1)[0]
        for number, line in enumerate(text.split('\n'), start=1):
            if re.search(r'\b\d[\d,]* (CLI |browser )?tests\b|\(\d[\d,]* of \d[\d,]*\)|'
                         r'\b\d{1,3}(,\d{3})+ bytes|\b\d+ comparisons\b', line):
                faults.append(f'{path.relative_to(ROOT)}:{number}: a figure outside the Figures '
                              f'of docs/release.md; point there instead: {line.strip()}')
    return faults


def man_pasteable(commands):
    """A man page's example commands read, as man shows them, exactly as
    written: plain ASCII that a shell takes when pasted."""
    faults = []
    for path in sorted({command.source for command in commands if command.source.endswith('.1')}):
        shown = subprocess.run(['man', '-l', str(ROOT / path)], capture_output=True, text=True,
                               env=dict(os.environ, MANWIDTH='2000', MANPAGER='cat',
                                        LANG='C.UTF-8')).stdout
        lines = {line.strip() for line in shown.split('\n')}
        for command in commands:
            if command.source == path and f'$ {command.text}' not in lines:
                faults.append(f'{command.where}: man shows this command otherwise than it runs: '
                              f'{command.text}')
    return faults


# ------------------------------------------------------- the convention's own test

# (shown lines, what the command printed, whether they agree)
MATCH_CASES = [
    (['file 7 word 4 modicon 40001-40010'], 'file 7 word 4 modicon 40001-40010\n', True),
    (['file 7 word 4 modicon 40001-40010'], 'file 7 word 4 modicon 40001-40011\n', False),
    (['N451:234'], 'N451:234\nholding registers (4X): start 41234\n', False),  # a line left out
    (['N451:234', 'holding registers (4X): ...'], 'N451:234\nholding registers (4X): start 41234\n',
     True),
    (['{"ok":true,...}'], '{"ok":true,"file":7}\n', True),
    (['{"ok":true,...}'], '{"ok":false,"code":11}\n', False),
    (['  DLL Name: KERNEL32.dll'], '\tDLL Name: KERNEL32.dll\n', True),   # blanks at the ends
    (['a', '...', 'z'], 'a\nb\nc\nz\n', True),
    (['a', '...', 'z'], 'a\nz\n', True),
    (['a', '...'], 'b\n', False),
    (['mode,address'], 'mode,address\r\n', True),                   # a CSV row's CR LF
    ([], '', True),
    ([], 'something\n', False),
]

# (a Markdown code block, the commands found: (text, comment, shown lines))
BLOCK_CASES = [
    ('corvane-cli slave N7:0 40001 10\n# file 7 word 0\n',
     [('corvane-cli slave N7:0 40001 10', '', ['file 7 word 0'])]),
    ('scripts/fuzz.sh          # every target\n',
     [('scripts/fuzz.sh', 'every target', None)]),
    ('a\n\n# a comment after a blank line\nb\n',
     [('a', '', None), ('b', '', None)]),
    ("cmake -S . -B x \\\n    -DA=1\nprintf 'a # b' | wc -c\n#\n",
     [('cmake -S . -B x \\\n    -DA=1', '', None), ("printf 'a # b' | wc -c", '', [''])]),
]


def self_test():
    """The reading of the convention, on small cases; returns the faults."""
    faults = []
    for shown, printed, agree in MATCH_CASES:
        if matches(shown, printed) != agree:
            faults.append(f'self-test: {shown!r} against {printed!r} should '
                          f'{"" if agree else "not "}agree')
    for text, expected in BLOCK_CASES:
        lines = list(enumerate(text.rstrip('\n').split('\n'), start=1))
        found = [(c.text, c.comment, c.shown) for c in shell_block_commands('case', lines, 'case')]
        if found != expected:
            faults.append(f'self-test: the block {text!r} reads as {found!r}, not {expected!r}')
    return faults


# --------------------------------------------------------------------- main

def collect(build):
    commands, inline = [], []
    for path in [ROOT / 'README.md'] + sorted((ROOT / 'docs').glob('*.md')):
        found, spans = markdown_commands(path)
        commands += found
        inline += spans
    for path in (ROOT / 'cli/corvane-cli.1', ROOT / 'packaging/corvane.1'):
        commands += man_commands(path)
    commands += help_commands(str(build / 'cli' / 'corvane-cli'))
    treat(commands)
    return commands, inline


def tree_names(inline):
    faults = []
    for source, number, span in inline:
        name = span.split()[0] if span.split() else ''
        if name.startswith(TREE_PREFIXES) and '<' not in name and not list(ROOT.glob(name.rstrip('/'))):
            faults.append(f'{source}:{number}: `{span}` names {name}, which is not in the tree')
    return faults


def wait_for_page(path):
    """Waits for the page's stage to write its exit status to path; returns it."""
    print(f'wait  for the page\'s build and browser tests ({path})', flush=True)
    started = time.monotonic()
    while not path.exists() or not path.read_text().strip():
        if time.monotonic() - started > 3600:
            return 'no status within an hour'
        time.sleep(1)
    print(f'      the page\'s stage ended after {time.monotonic() - started:.0f} s more', flush=True)
    return path.read_text().strip()


def lane_of(command, page_blocks):
    """Commands that share a build directory, the fuzz corpus or the system
    run in one lane, one after another."""
    if command.block in page_blocks:
        return 'page'
    if command.kind in ('install', 'installed'):
        return 'system'
    if 'fuzz' in command.key:
        return 'fuzz'
    if 'coverage.sh' in command.key:
        return 'coverage'
    return 'main'


def git_status(*paths):
    return subprocess.run(['git', 'status', '--porcelain', '--', *paths], cwd=ROOT,
                          capture_output=True, text=True).stdout


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--build', default='build')
    parser.add_argument('--list', action='store_true')
    parser.add_argument('--only')
    parser.add_argument('--page-ready', type=Path)
    parser.add_argument('--jobs', type=int, default=1)
    args = parser.parse_args()
    build = (ROOT / args.build).resolve()
    if not (build / 'cli' / 'corvane-cli').exists():
        sys.exit(f'check-docs: {build}/cli/corvane-cli is not built')

    started = time.monotonic()
    try:
        commands, inline = collect(build)
    except DocError as error:
        sys.exit(f'check-docs: {error}')

    if args.list:
        for command in commands:
            shown = f'  [{len(command.shown)} lines shown]' if command.shown is not None else ''
            print(f'{command.kind:9} {command.where}: {command.key}{shown}')
        return

    status_before = git_status()
    faults = self_test() + tree_names(inline) + man_pasteable(commands)
    with tempfile.TemporaryDirectory(prefix='corvane-docs-') as scratch:
        scratch = Path(scratch)
        for name, content in FIXTURES.items():
            (scratch / name).write_text(content)
        runner = Runner(build, scratch)
        chosen = [command for command in commands if not args.only or args.only in command.key]
        page_blocks = set()
        if args.page_ready:
            page_blocks = {command.block for command in chosen if command.options.get('page')}
        lanes = {}
        for command in chosen:
            lanes.setdefault(lane_of(command, page_blocks), []).append(command)
        if args.jobs <= 1:  # the docs' order, the page's commands last
            lanes = {'all': [c for c in chosen if c.block not in page_blocks],
                     'page': lanes.get('page', [])}

        def run_lane(name):
            if name == 'page' and lanes[name]:
                status = wait_for_page(args.page_ready)
                if status != '0':
                    for command in lanes[name]:
                        runner.fail(command, f'not run: the page\'s build and tests ended with {status}')
                    return
            for command in lanes[name]:
                runner.run(command)

        try:
            # The page's lane is handed out last: it waits for the page first.
            order = sorted(lanes, key=lambda name: name == 'page')
            with concurrent.futures.ThreadPoolExecutor(max(1, args.jobs)) as pool:
                for done in [pool.submit(run_lane, name) for name in order]:
                    done.result()
        finally:
            runner.restore_system()

    if not args.only:
        faults += figure_checks(build, runner.outputs)
    status_after = git_status()
    if status_after != status_before:
        faults.append('the commands left the tree changed (git status --porcelain):\n' +
                      status_after)
    faults += runner.failures

    elapsed = time.monotonic() - started
    print(f'\n{len(commands)} commands in the docs, {len(runner.done)} of them distinct, '
          f'checked in {elapsed:.0f} s')
    for skipped in runner.skipped:
        print(f'skipped {skipped}')
    for fault in faults:
        print(f'FAULT {fault}')
    print(f'check-docs: {runner.passed} passed, {len(faults)} failed, {len(runner.skipped)} skipped')
    sys.exit(1 if faults else 0)


if __name__ == '__main__':
    main()
