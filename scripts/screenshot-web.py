#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Draws corvane.html's window in headless Chromium into a PNG, with a master
answer and its details showing.

    /usr/bin/python3 scripts/screenshot-web.py [build-web/corvane.html] [docs/screenshot-web.png]
"""
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / 'web' / 'tests'))

from browser import start_chromium, stop_chromium, wait_until_ready  # noqa: E402


def main():
    page = Path(sys.argv[1] if len(sys.argv) > 1 else ROOT / 'build-web' / 'corvane.html')
    out = Path(sys.argv[2] if len(sys.argv) > 2 else ROOT / 'docs' / 'screenshot-web.png')
    driver = start_chromium(760, 900)
    try:
        driver.get(page.resolve().as_uri())
        wait_until_ready(driver)
        driver.find_element('id', 'XYZOpt').click()
        command = driver.find_element('id', 'ModCmdLst')
        command.send_keys('\ue015', '\ue015')  # Down twice: " 03 - Read Holding Registers  (4X)"
        driver.find_element('id', 'RegTxt').send_keys('1234')
        driver.find_element('id', 'SlaveAddrTxt').send_keys('5')
        driver.find_element('id', 'TransMasterCmd').click()
        driver.execute_script('document.activeElement.blur()')
        driver.find_element('css selector', '.window.main').screenshot(str(out))
    finally:
        stop_chromium(driver)
    print(out)


if __name__ == '__main__':
    main()
