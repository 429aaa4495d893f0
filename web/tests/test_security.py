# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""One self-contained file that works from file:// and from a static server,
under a Content-Security-Policy that forbids every request; its scripts leave
no name in the page's global scope but window.corvane."""
import json
import os
import re
import unittest

from browser import (PAGE, PageTest, StaticServer, chromium_only, console_messages, start_chromium,
                     stop_chromium, wait_until_ready)

MAX_BYTES = 400 * 1024


def policy_of(html):
    found = re.search(r'<meta http-equiv="Content-Security-Policy" content="([^"]*)">', html)
    return dict(directive.strip().split(' ', 1) for directive in found.group(1).split(';'))


def requests_sent(driver):
    """URLs that the browser asked for since the last call, data: URIs aside."""
    urls = []
    for entry in driver.get_log('performance'):
        message = json.loads(entry['message'])['message']
        if message['method'] == 'Network.requestWillBeSent':
            url = message['params']['request']['url']
            if not url.startswith('data:'):
                urls.append(url)
    return urls


class FileTest(unittest.TestCase):
    def setUp(self):
        self.html = PAGE.read_text(encoding='utf-8')

    def test_page_is_one_file_under_400_kb(self):
        self.assertLessEqual(os.path.getsize(PAGE), MAX_BYTES)

    def test_page_names_no_other_file(self):
        # Every src and href is a data: URI; nothing points at a server or a CDN.
        for attribute in re.findall(r'\b(?:src|href)="([^"]*)"', self.html):
            self.assertTrue(attribute.startswith('data:'), attribute)
        self.assertNotRegex(self.html, r'<script[^>]*\bsrc=')
        self.assertNotRegex(self.html, r'<link[^>]*rel="stylesheet"')

    def test_policy_forbids_every_request(self):
        policy = policy_of(self.html)
        self.assertEqual(policy['default-src'], "'none'")
        self.assertEqual(policy['connect-src'], "'none'")
        self.assertEqual(policy['img-src'], 'data:')
        self.assertEqual(policy['base-uri'], "'none'")
        self.assertEqual(policy['form-action'], "'none'")
        self.assertNotIn("'unsafe-eval'", policy['script-src'])
        self.assertNotIn("'unsafe-inline'", policy['script-src'])
        self.assertRegex(policy['script-src'], r"^'sha256-[A-Za-z0-9+/=]+' 'wasm-unsafe-eval'$")


@chromium_only("the requests a page sends are read from Chromium's network log (CDP)")
class LoadTest(unittest.TestCase):
    """The page starts, translates and asks for nothing, wherever it is opened from."""

    @classmethod
    def setUpClass(cls):
        cls.driver = start_chromium(log_network=True)
        cls.server = StaticServer(PAGE.parent)

    @classmethod
    def tearDownClass(cls):
        cls.server.stop()
        stop_chromium(cls.driver)

    def load_and_translate(self, url):
        self.driver.get('about:blank')
        requests_sent(self.driver)
        self.driver.get_log('browser')
        self.driver.get(url)
        wait_until_ready(self.driver)
        answer = self.driver.execute_script(
            'return window.corvane.translateSlave("N7:4/5", "40001", "10");')
        self.assertEqual(answer['modicon_end'], 40010)
        # The window itself runs a translation through its handlers.
        self.driver.find_element('id', 'RegTxt').send_keys('1234')
        self.driver.find_element('id', 'SlaveAddrTxt').send_keys('5')
        self.driver.find_element('id', 'TransMasterCmd').click()
        self.assertEqual(self.driver.find_element('id', 'DTATxt').text, 'N5:1234')
        resources = self.driver.execute_script(
            'return performance.getEntriesByType("resource")'
            '.map((e) => e.name).filter((n) => !n.startsWith("data:"));')
        self.assertEqual(resources, [])
        self.assertEqual(console_messages(self.driver), [],
                         'a refused script, style or request shows here')
        return requests_sent(self.driver)

    def test_from_file_asks_for_the_page_alone(self):
        self.assertEqual(self.load_and_translate(PAGE.as_uri()), [PAGE.as_uri()])

    def test_from_a_static_server_asks_for_the_page_alone(self):
        url = self.server.url(PAGE.name)
        self.server.requests.clear()
        self.assertEqual(self.load_and_translate(url), [url])
        self.assertEqual(self.server.requests, ['/' + PAGE.name])


class GlobalScopeTest(PageTest):
    """The page scripts share one function scope: they leave no name in the
    page's global scope but window.corvane."""

    def test_page_scripts_leave_no_global_name(self):
        # A top-level name of each page script, from dom.js to main.js.
        for name in ('element', 'DropDown', 'errorBox', 'MainWindow', 'translations', 'ready'):
            with self.subTest(name=name):
                self.assertEqual(self.driver.execute_script(f'return typeof {name};'), 'undefined')
        self.assertEqual(self.driver.execute_script('return typeof corvane.translateSlave;'),
                         'function')


if __name__ == '__main__':
    unittest.main()
