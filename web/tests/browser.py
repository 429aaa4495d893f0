# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Headless Chromium, driven by Selenium, on the built corvane.html.

Tests act as a user does (clicks, typing, keys) and check what the user sees
and what a screen reader hears (Chromium's computed accessible names); they
never reach into the page's internals, except through the translation
functions that the page exports for scripts.
"""
import functools
import http.server
import os
import shutil
import tempfile
import threading
import unittest
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import NoSuchElementException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = Path(os.environ.get('CORVANE_PAGE', 'corvane.html')).resolve()
CHROMIUM = os.environ.get('CORVANE_CHROMIUM', '/usr/bin/chromium')
CHROMEDRIVER = os.environ.get('CORVANE_CHROMEDRIVER', '/usr/bin/chromedriver')

ERROR_TITLE = 'An Error has Occured!'


def start_chromium(width=1000, height=1000, log_network=False):
    """A fresh headless Chromium with its own profile, quiet on the network."""
    profile = tempfile.mkdtemp(prefix='corvane-chromium-')
    options = Options()
    options.binary_location = CHROMIUM
    for argument in ('--headless=new', '--disable-gpu', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update',
                     '--disable-sync', '--disable-default-apps', '--disable-extensions',
                     '--no-default-browser-check', '--mute-audio',
                     f'--window-size={width},{height}', f'--user-data-dir={profile}'):
        options.add_argument(argument)
    if os.geteuid() == 0:
        options.add_argument('--no-sandbox')
    logging = {'browser': 'ALL'}
    if log_network:
        logging['performance'] = 'ALL'
    options.set_capability('goog:loggingPrefs', logging)
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.set_script_timeout(60)
    driver.corvane_profile = profile
    return driver


def stop_chromium(driver):
    profile = driver.corvane_profile
    driver.quit()
    shutil.rmtree(profile, ignore_errors=True)


class StaticServer:
    """python3 -m http.server on the page's folder, recording every path asked for."""

    def __init__(self, folder):
        self.requests = []
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *args):
                server.requests.append(self.path)

        handler = functools.partial(Handler, directory=str(folder))
        self.httpd = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    def url(self, name):
        return f'http://127.0.0.1:{self.httpd.server_address[1]}/{name}'

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()


def wait_until_ready(driver):
    state = driver.execute_async_script(
        'const done = arguments[arguments.length - 1];'
        'window.corvane.ready.then(() => done("ready"), (e) => done("failed: " + e));')
    if state != 'ready':
        raise AssertionError(f'the page did not start: {state}')


class PageTest(unittest.TestCase):
    """One browser per test class, the page loaded afresh for each test."""

    width = 1000
    height = 1000

    @classmethod
    def setUpClass(cls):
        cls.driver = start_chromium(cls.width, cls.height)

    @classmethod
    def tearDownClass(cls):
        stop_chromium(cls.driver)

    def setUp(self):
        self.driver.get(PAGE.as_uri())
        wait_until_ready(self.driver)

    def tearDown(self):
        # Chromium reports a refused script, style or request as a console error.
        errors = [entry['message'] for entry in self.driver.get_log('browser')
                  if entry['level'] == 'SEVERE']
        self.assertEqual(errors, [], 'console errors')

    # Controls, by the names of the control table (the element ids).

    def control(self, name):
        return self.driver.find_element(By.ID, name)

    def shown(self, name):
        try:
            return self.control(name).is_displayed()
        except NoSuchElementException:
            return False

    def text(self, name):
        """What a control shows: a field's or a box's text, a label's caption."""
        return self.driver.execute_script(
            'const node = document.getElementById(arguments[0]);'
            'return node instanceof HTMLInputElement ? node.value : node.textContent;', name)

    def click(self, name):
        self.control(name).click()

    def type_into(self, name, text):
        """Replaces a field's text by typing, as the user does."""
        self.control(name).send_keys(Keys.CONTROL, 'a', Keys.NULL, text or Keys.DELETE)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def shift_tab(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()

    def focused(self):
        return self.driver.execute_script('return document.activeElement.id')

    def pick(self, name, entry):
        """Picks an entry of a drop-down box with the mouse."""
        self.driver.find_element(By.CSS_SELECTOR, f'#{name}-box .list-button').click()
        options = self.driver.find_elements(By.CSS_SELECTOR, f'#{name}-list [role="option"]')
        for option in options:
            if option.get_property('textContent') == entry:
                option.click()
                return
        raise AssertionError(f'{name} has no entry {entry!r}')

    def entries(self, name):
        return [option.get_property('textContent') for option in
                self.driver.find_elements(By.CSS_SELECTOR, f'#{name}-list [role="option"]')]

    def client_height(self):
        return self.driver.execute_script(
            'return document.querySelector(".window.main .client").getBoundingClientRect().height')

    # The error box.

    def error_box(self):
        """(title, lines) of the open error box, or None."""
        shown = self.driver.execute_script(
            'const box = document.querySelector("dialog.message-box");'
            'if (!box.open) return null;'
            'return [document.getElementById("error-box-title").textContent,'
            '        Array.from(box.querySelectorAll(".message-line"), (l) => l.textContent)];')
        return None if shown is None else tuple(shown)

    def close_error_box(self):
        self.click('error-box-ok')
        WebDriverWait(self.driver, 5).until(lambda _: self.error_box() is None)
