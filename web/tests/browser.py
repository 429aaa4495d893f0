# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""A browser driven by Selenium on the built corvane.html: headless Chromium,
or WebKitGTK's MiniBrowser under Xvfb when CORVANE_BROWSER=webkit.

Tests act as a user does (clicks, typing, keys) and check what the user sees
and what a screen reader hears (the browser's computed accessible names);
they never reach into the page's internals, except through the translation
functions that the page exports for scripts. Every test fails on a console
warning or error of the page.
"""
import functools
import http.server
import json
import math
import os
import shutil
import struct
import tempfile
import threading
import unittest
import zlib
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import NoSuchElementException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

PAGE = Path(os.environ.get('CORVANE_PAGE', 'corvane.html')).resolve()
CHROMIUM = os.environ.get('CORVANE_CHROMIUM', '/usr/bin/chromium')
CHROMEDRIVER = os.environ.get('CORVANE_CHROMEDRIVER', '/usr/bin/chromedriver')
ENGINE = os.environ.get('CORVANE_BROWSER', 'chromium')
WEBKIT_DRIVER = os.environ.get('CORVANE_WEBKIT_DRIVER', '/usr/bin/WebKitWebDriver')
WEBKIT_BROWSER = os.environ.get('CORVANE_WEBKIT_BROWSER',
                                '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser')

ERROR_TITLE = 'An Error has Occured!'

# Random loops run at the size that has found faults; CORVANE_SOAK=1 (for a
# release) runs them at their large sizes.
SOAK = os.environ.get('CORVANE_SOAK') == '1'


def loop_size(every_run, soak):
    """How many rounds a random loop runs: every_run, or soak when soaking."""
    return soak if SOAK else every_run


def chromium_only(reason):
    """Skips a test or class in WebKitGTK, saying what that engine's driver lacks."""
    return unittest.skipIf(ENGINE == 'webkit', f'WebKitGTK: {reason}')


def start_browser(width=1000, height=1000, log_network=False, zoom=1.0, arguments=(),
                  webkit_arguments=()):
    """A fresh browser of the engine under test (CORVANE_BROWSER)."""
    if ENGINE == 'webkit':
        return start_webkit(width, height, webkit_arguments)
    return start_chromium(width, height, log_network, zoom, arguments)


def stop_browser(driver):
    profile = getattr(driver, 'corvane_profile', None)
    driver.quit()
    if profile:
        shutil.rmtree(profile, ignore_errors=True)


def start_chromium(width=1000, height=1000, log_network=False, zoom=1.0, arguments=()):
    """A fresh headless Chromium with its own profile, quiet on the network.
    `zoom` is the browser's own zoom (Ctrl and +), set as the profile's
    default zoom level: the viewport holds fewer CSS pixels, the window stays
    as wide, and devicePixelRatio grows, as when a user zooms."""
    profile = tempfile.mkdtemp(prefix='corvane-chromium-')
    if zoom != 1.0:
        os.makedirs(os.path.join(profile, 'Default'))
        with open(os.path.join(profile, 'Default', 'Preferences'), 'w', encoding='utf-8') as file:
            json.dump({'partition': {'default_zoom_level': {'x': math.log(zoom) / math.log(1.2)}}},
                      file)
    options = Options()
    options.binary_location = CHROMIUM
    for argument in ('--headless=new', '--disable-gpu', '--no-first-run',
                     '--disable-background-networking', '--disable-component-update',
                     '--disable-sync', '--disable-default-apps', '--disable-extensions',
                     '--no-default-browser-check', '--mute-audio',
                     f'--window-size={width},{height}', f'--user-data-dir={profile}',
                     *arguments):
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
    driver.corvane_engine = 'chromium'
    return driver


def start_webkit(width=1000, height=1000, arguments=()):
    """WebKitGTK's MiniBrowser through WebKitWebDriver, on the X display that
    xvfb-run provides; the window is sized so that its viewport is
    width x height where the window allows (MiniBrowser's is at least about
    450 pixels wide)."""
    from selenium.webdriver.webkitgtk.options import Options as WebKitOptions
    options = WebKitOptions()
    options.binary_location = WEBKIT_BROWSER
    options.add_argument('--automation')
    for argument in arguments:
        options.add_argument(argument)
    driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options)
    driver.set_script_timeout(60)
    driver.corvane_engine = 'webkit'
    driver.set_window_size(width, height)
    set_viewport(driver, width, height)
    return driver


def stop_chromium(driver):
    stop_browser(driver)


def set_viewport(driver, width, height):
    """Sizes the browser window so that its viewport is width x height CSS
    pixels, as far as the window allows."""
    for _ in range(2):
        outer = driver.get_window_size()
        inner = driver.execute_script('return [innerWidth, innerHeight];')
        driver.set_window_size(outer['width'] + width - inner[0],
                               outer['height'] + height - inner[1])


def emulate_phone(driver, width=360, height=640):
    """A phone's screen: in Chromium a mobile viewport of width x height
    (through CDP, as DevTools' device mode does); in WebKitGTK, whose driver
    has no such emulation, the narrowest window MiniBrowser allows."""
    if driver.corvane_engine == 'chromium':
        driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': 2, 'mobile': True})
    else:
        set_viewport(driver, width, height)


# WebKitWebDriver keeps no console log: the page's warnings and errors are
# caught in the page itself from the moment it is ready (watch_console), and
# a refused script or style shows as a page that does not start.
WATCH_CONSOLE = """
if (!window.corvaneConsole) {
    const seen = window.corvaneConsole = [];
    for (const level of ['warn', 'error']) {
        const original = console[level].bind(console);
        console[level] = (...parts) => { seen.push(level + ': ' + parts.join(' ')); original(...parts); };
    }
    window.addEventListener('error', (e) => seen.push('error: ' + e.message));
    window.addEventListener('unhandledrejection', (e) => seen.push('rejection: ' + e.reason));
    document.addEventListener('securitypolicyviolation', (e) => seen.push('refused: ' + e.blockedURI));
}
"""


def watch_console(driver):
    if driver.corvane_engine == 'webkit':
        driver.execute_script(WATCH_CONSOLE)


def console_messages(driver):
    """The page's console warnings and errors since the last call."""
    if driver.corvane_engine == 'webkit':
        return driver.execute_script(
            'const seen = window.corvaneConsole || []; return seen.splice(0, seen.length);')
    return [entry['message'] for entry in driver.get_log('browser')
            if entry['level'] in ('SEVERE', 'WARNING')]


def png_pixels(png):
    """(width, height, rows of (r, g, b)) of an 8-bit RGB or RGBA PNG, as
    Chromium's and WebKit's screenshots are."""
    assert png[:8] == b'\x89PNG\r\n\x1a\n'
    position, data, header = 8, b'', None
    while position < len(png):
        length, kind = struct.unpack('>I4s', png[position:position + 8])
        chunk = png[position + 8:position + 8 + length]
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', chunk)
        elif kind == b'IDAT':
            data += chunk
        position += 12 + length
    width, height, depth, colour, _, _, interlace = header
    assert depth == 8 and colour in (2, 6) and interlace == 0, header
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(data)
    stride = width * step
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - step] if i >= step else 0
            up = previous[i]
            corner = previous[i - step] if i >= step else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xff
            elif kind == 2:
                line[i] = (line[i] + up) & 0xff
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xff
            elif kind == 4:
                guess = left + up - corner
                near = min((abs(guess - left), 0, left), (abs(guess - up), 1, up),
                           (abs(guess - corner), 2, corner))[2]
                line[i] = (line[i] + near) & 0xff
        rows.append([tuple(line[x * step:x * step + 3]) for x in range(width)])
        previous = line
    return width, height, rows


def luminance(colour):
    def channel(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colour)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    """The WCAG contrast ratio of two colours, 1 to 21."""
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


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
    """One browser per test class, the page loaded afresh for each test; no
    test may leave a console warning or error behind (Chromium reports a
    refused script, style or request there too)."""

    width = 1000
    height = 1000
    fragment = ''

    @classmethod
    def setUpClass(cls):
        cls.driver = start_browser(cls.width, cls.height)

    @classmethod
    def tearDownClass(cls):
        stop_browser(cls.driver)

    def setUp(self):
        self.load(self.fragment)

    def load(self, fragment=''):
        """Opens the page afresh, with a fragment after its address."""
        self.driver.get('about:blank')
        self.driver.get(PAGE.as_uri() + fragment)
        wait_until_ready(self.driver)
        watch_console(self.driver)

    def tearDown(self):
        self.assertEqual(console_messages(self.driver), [], 'console warnings and errors')

    @property
    def engine(self):
        return self.driver.corvane_engine

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
        """Replaces a field's text by typing, as the user does: all of it
        selected, then typed over. WebKitWebDriver keeps Ctrl held past
        Keys.NULL (so Ctrl+A and the text would type nothing): there the text
        is selected by script before the typing."""
        control = self.control(name)
        if self.engine == 'webkit':
            self.driver.execute_script('arguments[0].focus(); arguments[0].select();', control)
            control.send_keys(text or Keys.DELETE)
            return
        control.send_keys(Keys.CONTROL, 'a', Keys.NULL, text or Keys.DELETE)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def ctrl(self, key):
        """Ctrl and a key, to whatever has the focus."""
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys(key).key_up(
            Keys.CONTROL).perform()

    def tap(self, x, y):
        """A click at a point of the viewport, on whatever is there."""
        action = ActionBuilder(self.driver)
        action.pointer_action.move_to_location(int(x), int(y))
        action.pointer_action.click()
        action.perform()

    def tap_centre(self, name):
        """A click at the centre of a control, on whatever is there."""
        self.tap(*self.driver.execute_script(
            'const r = document.getElementById(arguments[0]).getBoundingClientRect();'
            'return [r.left + r.width / 2, r.top + r.height / 2];', name))

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
