#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Figures of corvane.html's mapping table in headless Chromium: for a gateway
map of 100,000 and of 1,000,000 rows (written by this script, the same every
time: slave and master rows, one row in fifty with a problem), the time from
the file chosen to every row translated, checked and the table shown, the
longest the page went without answering the user meanwhile (the longest
task), and the renderer's peak memory.

    /usr/bin/python3 bench/web/table_bench.py [build-web/corvane.html] [ROWS...]

Targets: 100,000 rows within 1 s; 1,000,000 rows within 5 s with the
renderer within 500 MB. A missed target is named after "MISSED" and the
script ends with status 1; the targets are for a quiet machine.
"""
import random
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / 'web' / 'tests'))

from browser import start_chromium, stop_chromium, wait_until_ready  # noqa: E402
from selenium.webdriver.support.ui import WebDriverWait  # noqa: E402

# Rows: (milliseconds to the table shown, renderer MB).
TARGETS = {100_000: (1000, None), 1_000_000: (5000, 500)}

WATCH = '''
window.benchTasks = [];
new PerformanceObserver((list) => {
    for (const entry of list.getEntries())
        window.benchTasks.push(entry.duration);
}).observe({type: 'longtask'});
window.addEventListener('change', () => {
    performance.clearMarks();
    performance.mark('bench-chosen');
}, {capture: true});
'''

RESULT = '''
const shown = performance.getEntriesByName('corvane-table-shown');
if (!shown.length)
    return null;
const chosen = performance.getEntriesByName('bench-chosen')[0];
return [shown[0].startTime - chosen.startTime, Math.max(0, ...window.benchTasks),
        document.querySelector('.maptable [role="status"]').textContent,
        document.querySelectorAll('.maptable tbody tr').length];
'''


def gateway_map(rows, path):
    """A gateway map as engineers keep one: runs of words and bits laid end to
    end, master requests between them, and now and then a typo, an
    unreadable count or an overlap."""
    rng = random.Random(rows)
    with open(path, 'w', encoding='utf-8', newline='') as out:
        out.write('mode,address,start,count,plc,format,message_type,command,register,slave,note\r\n')
        register = 1
        for row in range(rows):
            if row % 5 == 4:
                out.write(f'master,,,,5,NXYZ:Z,read,03,{rng.randrange(1, 10000)},'
                          f'{rng.randrange(1, 8)},drive {row}\r\n')
                continue
            count = rng.choice([1, 4, 10, 16, 20])
            file = 7 + row // 1000 % 200
            problem = rng.random() < 0.02
            if problem:
                cells = rng.choice([(f'X{file}:0', 40001, count), (f'N{file}:0', 40001, 'x'),
                                    (f'N{file}:{row % 1000}', 40001 + register % 9999 - 5, count)])
            else:
                cells = (f'N{file}:{row % 1000}', 40001 + register % 9999, count)
                register += count
            out.write('slave,{},{},{},,,,,,,row {}\r\n'.format(*cells, row))


def peak_memory(root_pid):
    """The largest peak resident size (VmHWM) among the processes below
    root_pid whose command line names a renderer, in MB."""
    children = {}
    for status in Path('/proc').glob('[0-9]*/status'):
        try:
            fields = dict(line.split(':', 1) for line in status.read_text().splitlines() if ':' in line)
        except OSError:
            continue
        children.setdefault(int(fields['PPid']), []).append((int(status.parent.name), fields))
    peak, todo = 0, [root_pid]
    while todo:
        for pid, fields in children.get(todo.pop(), []):
            todo.append(pid)
            try:
                renderer = b'--type=renderer' in Path(f'/proc/{pid}/cmdline').read_bytes()
            except OSError:
                continue
            if renderer and 'VmHWM' in fields:
                peak = max(peak, int(fields['VmHWM'].split()[0]) // 1024)
    return peak


def measure(page, rows, folder):
    table = folder / f'map-{rows}.csv'
    gateway_map(rows, table)
    driver = start_chromium(1200, 1000)
    try:
        driver.get(page.resolve().as_uri())
        wait_until_ready(driver)
        driver.execute_script(WATCH)
        driver.find_element('id', 'maptable-file').send_keys(str(table))
        result = WebDriverWait(driver, 120, poll_frequency=0.05).until(
            lambda _: driver.execute_script(RESULT))
        memory = peak_memory(driver.service.process.pid)
    finally:
        stop_chromium(driver)
    elapsed, longest, status, drawn = result
    size = table.stat().st_size / 1e6
    print(f'{rows:>9,} rows ({size:.1f} MB): shown in {elapsed:.0f} ms, longest task '
          f'{longest:.0f} ms, {drawn} rows in the document, renderer peak {memory} MB')
    print(f'           {status}', flush=True)
    missed = []
    time_target, memory_target = TARGETS.get(rows, (None, None))
    if time_target and elapsed > time_target:
        missed.append(f'{rows:,} rows shown in {elapsed:.0f} ms, target {time_target} ms')
    if memory_target and memory > memory_target:
        missed.append(f'{rows:,} rows took {memory} MB, target {memory_target} MB')
    return missed


def main():
    arguments = sys.argv[1:]
    page = Path(arguments.pop(0) if arguments else ROOT / 'build-web' / 'corvane.html')
    sizes = [int(rows) for rows in arguments] or [100_000, 1_000_000]
    missed = []
    with tempfile.TemporaryDirectory(prefix='corvane-table-bench-') as folder:
        for rows in sizes:
            missed += measure(page, rows, Path(folder))
    for target in missed:
        print('MISSED', target)
    sys.exit(1 if missed else 0)


if __name__ == '__main__':
    main()
