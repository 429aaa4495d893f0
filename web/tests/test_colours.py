# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Forced colours (Windows high contrast), dark and light, emulated through
CDP (Emulation.setEmulatedMedia: forced-colors active, prefers-color-scheme):
every text of the window and its dialogs, the highlighted entry of an open
list, the list button's arrow and the focus ring are legible, judged from the
rendered pixels of screenshots."""
import collections
import math
import unittest

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import PageTest, chromium_only, contrast, png_pixels

# The box of a text in CSS pixels, by a selector: the text's own box where
# the element holds text nodes, the content box of a field.
TEXT_BOX = '''
const node = document.querySelector(arguments[0]);
let r;
if (node instanceof HTMLInputElement) {
    const s = getComputedStyle(node);
    const outer = node.getBoundingClientRect();
    const inset = (side) => parseFloat(s['border' + side + 'Width']) + parseFloat(s['padding' + side]);
    r = {left: outer.left + inset('Left'), top: outer.top + inset('Top'),
         right: outer.right - inset('Right'), bottom: outer.bottom - inset('Bottom')};
} else {
    const range = document.createRange();
    range.selectNodeContents(node);
    r = range.getBoundingClientRect();
}
return [r.left, r.top, r.right, r.bottom];
'''

TEXTS = ['main-caption', 'Label2', 'PLC3Lbl', 'PLC5Lbl', 'AddrFrmtLbl', 'XYYLbl', 'AddrCmdLbl',
         'MesTypeLbl', 'ModCmdLbl', 'RegLbl', 'RegValLbl', 'SlaveAddrLbl', 'SlaveValLbl', 'Exit',
         'Aboutcmd', 'TransMasterCmd', 'DTALbl', 'DTATxt', 'MasterTransFrm-details',
         'MasterTransFrm-copy', 'MesTypeLst', 'RegTxt', 'SlaveAddrTxt']


class Screen:
    def __init__(self, png):
        self.width, self.height, self.rows = png_pixels(png)

    def colours(self, left, top, right, bottom):
        return collections.Counter(
            self.rows[y][x] for y in range(max(0, int(top)), min(self.height, int(bottom)))
            for x in range(max(0, int(left)), min(self.width, int(right))))

    def legibility(self, box):
        """The contrast of a text with what lies behind it, within the text's
        own box: the commonest colour there against the pixels that stand out
        from it, the contrast that at least three of them reach. Pixels, not
        shades: a lone glyph drawn between pixels ("5") may repeat no shade
        at all."""
        counts = self.colours(*box)
        background = counts.most_common(1)[0][0]
        reached = sorted((contrast(colour, background) for colour, seen in counts.items()
                          for _ in range(min(seen, 3))), reverse=True)
        return reached[2] if len(reached) >= 3 else 1.0

    def ring(self, box, inset):
        """The pixels of a rectangle's edge, `inset` pixels inside a box of
        CSS pixels (-1: just outside it)."""
        left, top = math.floor(box[0]) + inset, math.floor(box[1]) + inset
        right, bottom = math.ceil(box[2]) - 1 - inset, math.ceil(box[3]) - 1 - inset
        pixels = [self.rows[top][x] for x in range(left, right + 1)]
        pixels += [self.rows[bottom][x] for x in range(left, right + 1)]
        pixels += [self.rows[y][left] for y in range(top + 1, bottom)]
        pixels += [self.rows[y][right] for y in range(top + 1, bottom)]
        return pixels


@chromium_only('its driver cannot emulate forced colours')
class ForcedColoursTest(PageTest):
    def force(self, scheme):
        """Emulates a scheme on the page loaded afresh: a list that a failed
        check of the other scheme left open does not change what the keys
        do in this one."""
        self.load()
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
            {'name': 'forced-colors', 'value': 'active'},
            {'name': 'prefers-color-scheme', 'value': scheme}]})
        self.assertTrue(self.driver.execute_script('return matchMedia("(forced-colors: active)").matches;'))

    def tearDown(self):
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': []})
        super().tearDown()

    def screen(self):
        return Screen(self.driver.get_screenshot_as_png())

    def box(self, selector):
        return self.driver.execute_script(TEXT_BOX, selector)

    def rect(self, selector):
        return self.driver.execute_script(
            'const r = document.querySelector(arguments[0]).getBoundingClientRect();'
            'return [r.left, r.top, r.right, r.bottom];', selector)

    def translate(self):
        self.type_into('RegTxt', '100')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')

    def assert_legible(self, screen, names, ratio=4.5):
        """Texts by their element's id, or by a selector."""
        for name in names:
            selector = name if name[0] in '.#[' else '#' + name
            with self.subTest(text=name):
                self.assertGreaterEqual(screen.legibility(self.box(selector)), ratio)

    def assert_stands_out(self, screen, selector, neighbour):
        """The commonest colours of two elements differ plainly."""
        marked = screen.colours(*self.rect(selector)).most_common(1)[0][0]
        plain = screen.colours(*self.rect(neighbour)).most_common(1)[0][0]
        self.assertGreaterEqual(contrast(marked, plain), 3)

    def assert_ring(self, screen, selector, inside, inset=-1):
        """A focus ring just outside an element's border (or `inset` pixels
        within it): nine pixels in ten of that edge stand out from `inside`,
        the colour behind the element."""
        ring = screen.ring(self.rect(selector), inset)
        lit = sum(1 for colour in ring if contrast(colour, inside) >= 3)
        self.assertGreaterEqual(lit, 0.9 * len(ring))

    def test_every_text_of_the_window_is_legible(self):
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                self.translate()
                self.assert_legible(self.screen(), TEXTS)

    def test_highlighted_entry_of_an_open_list_is_legible(self):
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                box = self.control('ModCmdLst')
                box.send_keys(Keys.ALT, Keys.ARROW_DOWN)
                box.send_keys(Keys.ARROW_DOWN)
                screen = self.screen()
                self.assertEqual(box.get_attribute('aria-activedescendant'), 'ModCmdLst-option-1')
                self.assert_legible(screen, ['ModCmdLst-option-1', 'ModCmdLst-option-2'])
                # The highlight shows: the entry stands out from its neighbour.
                self.assert_stands_out(screen, '#ModCmdLst-option-1', '#ModCmdLst-option-2')

    def test_list_button_shows_an_arrow(self):
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                # Within the button's borders.
                outer = self.rect('#ModCmdLst-box .list-button')
                left, top = math.ceil(outer[0]) + 3, math.ceil(outer[1]) + 3
                right, bottom = math.floor(outer[2]) - 3, math.floor(outer[3]) - 3
                screen = self.screen()
                counts = screen.colours(left, top, right, bottom)
                face = counts.most_common(1)[0][0]
                arrow = max(counts, key=lambda colour: contrast(colour, face))
                self.assertGreaterEqual(contrast(arrow, face), 4.5)
                # A triangle pointing down: rows of the arrow's colour that
                # narrow from one to the next.
                widths = [sum(1 for x in range(left, right) if contrast(screen.rows[y][x], face) >= 3)
                          for y in range(top, bottom)]
                widths = [width for width in widths if width > 0]
                self.assertGreaterEqual(len(widths), 3, widths)
                self.assertEqual(widths, sorted(widths, reverse=True), widths)
                self.assertGreater(widths[0], widths[-1])

    def test_focus_ring_is_legible(self):
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                for name, box in (('RegTxt', '#RegTxt'), ('MesTypeLst', '#MesTypeLst-box')):
                    self.control(name).click()
                    screen = self.screen()
                    outer = self.rect(box)
                    around = screen.rows[math.floor(outer[1]) - 6][math.floor(outer[0]) - 6]
                    with self.subTest(control=name):
                        self.assert_ring(screen, box, around)

    def test_dialogs_are_legible(self):
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                self.click('Aboutcmd')
                self.assert_legible(self.screen(), ['about-caption', 'lblTitle', 'lblVersion',
                                                    'lblDescription', 'cmdOK'])
                self.click('cmdOK')
                self.click('TransMasterCmd')
                self.assert_legible(self.screen(), ['error-box-title', 'error-box-message',
                                                    'error-box-ok'])
                self.close_error_box()

    def test_chosen_row_of_the_mapping_table_and_its_buttons_are_legible(self):
        row = '.maptable tbody tr:has(button[data-row="{}"])'.format
        for scheme in ('dark', 'light'):
            with self.subTest(scheme=scheme):
                self.force(scheme)
                self.driver.find_element(By.CSS_SELECTOR, '.maptable details.paste summary').click()
                self.control('maptable-paste').click()
                self.driver.execute_cdp_cmd('Input.insertText', {'text': (
                    'mode\taddress\tstart\tcount\n'
                    'slave\tN7:0\t40001\t10\n'
                    'slave\tN7:40\t40100\t2\n'
                    'slave\tX7:0\t40001\t1\n')})
                self.driver.find_element(By.XPATH, "//button[text()='Read the rows']").click()
                WebDriverWait(self.driver, 30).until(lambda _: self.driver.find_elements(
                    By.CSS_SELECTOR, '.maptable tbody button[data-row="2"]'))
                # Row 2 chosen from the keyboard, its row button focused.
                self.driver.find_element(By.CSS_SELECTOR, '.maptable tbody button[data-row="0"]').click()
                self.keys(Keys.ARROW_DOWN, Keys.ENTER)
                self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, row(1)).get_attribute(
                    'aria-current'), 'true')
                self.assertEqual(self.driver.switch_to.active_element.get_attribute('data-row'), '1')
                self.driver.execute_script('document.querySelector(".maptable .tools").scrollIntoView();')
                screen = self.screen()
                self.assert_legible(screen, [
                    row(1) + ' th button', row(1) + ' td:nth-child(2)', row(1) + ' td:nth-child(3)',
                    row(2) + ' td:nth-child(5)', '.maptable .tools label',
                    '.maptable button[data-kind="batch"]'])
                self.assert_stands_out(screen, row(1), row(0))
                # The focus ring of its row button shows on the row's colour,
                # within the button: the row's edge lies just outside it.
                behind = screen.colours(*self.rect(row(1))).most_common(1)[0][0]
                with self.subTest(ring='row button'):
                    self.assert_ring(screen, row(1) + ' th button', behind, inset=1)

if __name__ == '__main__':
    unittest.main()
