# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Zoom and screen size: the browser's zoom enlarges the window and its text
in proportion, and the page scrolls; only a screen narrower or lower than the
window scales it down, to fit both ways; pinch-zoom stays with the user."""
import unittest

from browser import (ENGINE, PAGE, chromium_only, console_messages, emulate_phone, set_viewport,
                     start_browser, start_chromium, stop_browser, wait_until_ready, watch_console)

# The window's text, measured in device pixels: the line box of a heading
# times the device pixel ratio, with the window's scale and whether the page
# scrolls.
MEASURE = '''
const range = document.createRange();
range.selectNodeContents(document.getElementById('Label2'));
const root = document.documentElement;
return {text: range.getBoundingClientRect().height * devicePixelRatio,
        scale: Number(document.getElementById('screen').dataset.scale),
        scrolls: root.scrollHeight > root.clientHeight || root.scrollWidth > root.clientWidth};
'''

# The whole window in view without scrolling, and nothing wider than the
# screen; the mapping table below the window may take the page lower.
WINDOW_IN_VIEW = '''
const r = document.querySelector('.window.main').getBoundingClientRect();
const root = document.documentElement;
return [r.left >= 0, r.top >= 0, r.right <= root.clientWidth, r.bottom <= root.clientHeight,
        root.scrollWidth <= root.clientWidth];
'''


def open_page(driver):
    driver.get(PAGE.as_uri())
    wait_until_ready(driver)
    watch_console(driver)


class ZoomTest(unittest.TestCase):
    @chromium_only("WebKitWebDriver cannot set the browser's zoom")
    def test_text_grows_with_browser_zoom_and_the_page_scrolls(self):
        # The browser's own zoom, set as the profile's default zoom level, as
        # Ctrl and + set it (see start_chromium): the viewport holds 1/2 and
        # 1/4 of the CSS pixels, the window stays 1000 pixels wide, and
        # devicePixelRatio becomes 2 and 4. CDP's Emulation.setPageScaleFactor
        # would be a pinch-zoom, and a device scale factor a denser screen:
        # neither is what a user's zoom does.
        seen = {}
        for zoom in (1, 2, 4):
            driver = start_chromium(1000, 800, zoom=zoom)
            try:
                set_viewport(driver, 1000 // zoom, 650 // zoom)
                open_page(driver)
                self.assertAlmostEqual(driver.execute_script('return devicePixelRatio;'), zoom,
                                       delta=0.01)
                seen[zoom] = driver.execute_script(MEASURE)
                self.assertEqual(console_messages(driver), [])
            finally:
                stop_browser(driver)
        for zoom in (2, 4):
            with self.subTest(zoom=zoom):
                self.assertAlmostEqual(seen[zoom]['text'] / seen[1]['text'], zoom, delta=0.1 * zoom)
                self.assertAlmostEqual(seen[zoom]['scale'], seen[1]['scale'], delta=0.02)
                self.assertTrue(seen[zoom]['scrolls'])

    def test_a_1366_by_768_laptop_shows_the_whole_window(self):
        # About 650 CSS pixels of the screen's 768 are left to the page.
        driver = start_browser(1366, 650)
        try:
            set_viewport(driver, 1366, 650)
            open_page(driver)
            self.assertEqual(driver.execute_script(WINDOW_IN_VIEW), [True] * 5)
            self.assertLess(driver.execute_script(MEASURE)['scale'], 1)
            self.assertEqual(console_messages(driver), [])
        finally:
            stop_browser(driver)

    def test_a_large_screen_shows_the_window_at_its_design_size(self):
        driver = start_browser(1280, 1000)
        try:
            open_page(driver)
            self.assertEqual(driver.execute_script(MEASURE)['scale'], 1)
            self.assertEqual(driver.execute_script(
                'return document.querySelector(".window.main .client").getBoundingClientRect().width;'),
                617)
        finally:
            stop_browser(driver)

    def test_a_phone_fits_the_window_and_keeps_pinch_zoom(self):
        driver = start_browser(1000, 1000)
        try:
            emulate_phone(driver)
            open_page(driver)
            self.assertEqual(driver.execute_script(WINDOW_IN_VIEW), [True] * 5)
            viewport = driver.execute_script(
                'return document.querySelector("meta[name=viewport]").content;')
            self.assertNotRegex(viewport, r'user-scalable\s*=\s*(no|0)|maximum-scale')
            # No part of the page takes the pinch for itself.
            self.assertEqual(driver.execute_script(
                'return Array.from(document.querySelectorAll("*"), (n) => getComputedStyle(n).touchAction)'
                '.filter((t) => t !== "auto" && !t.includes("pinch-zoom"));'), [])
            self.assertEqual(console_messages(driver), [])
        finally:
            stop_browser(driver)


if __name__ == '__main__':
    unittest.main()
