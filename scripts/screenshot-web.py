#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Draws corvane.html's window in headless Chromium into a PNG, with a master
answer and its details showing; with --table, the mapping table below the
window instead, with a CSV file opened and its third row chosen.

    /usr/bin/python3 scripts/screenshot-web.py [build-web/corvane.html] [docs/screenshot-web.png]
    /usr/bin/python3 scripts/screenshot-web.py --table docs/examples/gateway-map.csv \
        build-web/corvane.html docs/screenshot-maptable.png
"""
import sys
from pathlib import Path

from selenium.webdriver.support.ui import WebDriverWait

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / 'web' / 'tests'))

from browser import start_chromium, stop_chromium, wait_until_ready  # noqa: E402


def draw_table(page, table, out):
    driver = start_chromium(1100, 1400)
    try:
        driver.get(page.resolve().as_uri())
        wait_until_ready(driver)
        driver.find_element('id', 'maptable-file').send_keys(str(table.resolve()))
        status = driver.find_element('css selector', '.maptable [role="status"]')
        WebDriverWait(driver, 30).until(lambda _: status.text.startswith(table.name + ':'))
        driver.find_element('css selector', '.maptable tbody button[data-row="2"]').click()
        section = driver.find_element('css selector', '.maptable')
        driver.execute_script('arguments[0].scrollIntoView(); document.activeElement.blur()', section)
        section.screenshot(str(out))
    finally:
        stop_chromium(driver)
    print(out)


def main():
    arguments = sys.argv[1:]
    if arguments[:1] == ['--table']:
        if len(arguments) != 4:
            sys.exit('usage: screenshot-web.py --table TABLE.csv PAGE OUT.png')
        draw_table(page=Path(arguments[2]), table=Path(arguments[1]), out=Path(arguments[3]))
        return
    page = Path(arguments[0] if arguments else ROOT / 'build-web' / 'corvane.html')
    out = Path(arguments[1] if len(arguments) > 1 else ROOT / 'docs' / 'screenshot-web.png')
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
