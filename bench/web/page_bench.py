#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Figures of corvane.html in headless Chromium: the file's size, the time from
navigation to the window ready for a first answer (median of 10 loads), and
the time of one translation called from JavaScript.

    /usr/bin/python3 bench/web/page_bench.py [build-web/corvane.html]

Targets: ready within 150 ms, one translation within 1 microsecond.
"""
import os
import statistics
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / 'web' / 'tests'))

from browser import start_chromium, stop_chromium, wait_until_ready  # noqa: E402

LOADS = 10
CALLS = int(os.environ.get("CORVANE_BENCH_CALLS", "200000"))

TIMING = '''
const [name, calls] = arguments;
const call = name === 'slave'
    ? () => window.corvane.translateSlave('N7:4/5', '40001', '10')
    : () => window.corvane.translateMaster({plc: '5', format: 'NXYZ:Z',
          message_type: ' Read', command: ' 03 - Read Holding Registers  (4X)',
          subfunction: ' 00 - Return Data Query', register: '1234', slave: '5'});
for (let i = 0; i < 1000; ++i) call();
const start = performance.now();
for (let i = 0; i < calls; ++i) call();
return (performance.now() - start) / calls;
'''


def main():
    page = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / 'build-web' / 'corvane.html')
    page = page.resolve()
    print(f'page: {page} ({os.path.getsize(page)} bytes, {os.path.getsize(page) / 1024:.1f} KiB)')

    driver = start_chromium()
    try:
        ready = []
        for _ in range(LOADS):
            driver.get('about:blank')
            driver.get(page.as_uri())
            wait_until_ready(driver)
            ready.append(driver.execute_script(
                'return performance.getEntriesByName("corvane-ready")[0].startTime;'))
        print(f'navigation to ready: median {statistics.median(ready):.1f} ms '
              f'(min {min(ready):.1f}, max {max(ready):.1f}, {LOADS} loads; target 150 ms)')
        for name in ('slave', 'master'):
            per_call = driver.execute_script(TIMING, name, CALLS) * 1000
            print(f'one {name} translation from JavaScript: {per_call:.2f} us '
                  f'(mean of {CALLS} calls; target 1 us)')
    finally:
        stop_chromium(driver)


if __name__ == '__main__':
    main()
