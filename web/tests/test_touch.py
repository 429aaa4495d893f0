# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Touch on a phone's screen: every control answers to a square of at least 24
by 24 CSS pixels, though the window is scaled down to about half its size; a
tap beside a small control acts on it, a tap on a naming label selects
nothing; and every field's hint and tooltip is reachable without a pointer
that hovers."""
import unittest

from selenium.webdriver.common.keys import Keys

from browser import ENGINE, PageTest, emulate_phone, start_browser

# For every control shown, whether some square of 24 CSS pixels at most 8
# pixels away from it is wholly its own: every point of a 5 x 5 grid over the
# square reaches it.
# A point reaches the control that elementFromPoint finds there, or that the
# hit area found there acts on.
HIT_AREAS = r'''
const side = 24;
const ownerAt = (x, y) => {
    const node = document.elementFromPoint(x, y);
    if (!node) return null;
    if (node.classList.contains('hit')) return node.dataset.for;
    if (node.closest('.close-box')) return 'close of ' + node.closest('.window').className;
    const named = node.closest('[id]');
    return named ? named.id.replace(/-box$/, '') : null;
};
const owns = (name, x, y) => {
    for (let i = 0; i < 5; ++i)
        for (let j = 0; j < 5; ++j)
            if (ownerAt(x + 0.5 + i * (side - 1) / 4, y + 0.5 + j * (side - 1) / 4) !== name)
                return false;
    return true;
};
const controls = Array.from(document.querySelector(arguments[0]).querySelectorAll(
    'button, .radio, .field, .combo, output, .details'))
    .filter((node) => node.getClientRects().length > 0)
    .map((node) => [node.closest('.close-box') ? 'close of ' + node.closest('.window').className
                    : (node.id || node.closest('[id]').id).replace(/-box$/, ''), node]);
const failures = [];
for (const [name, node] of controls) {
    const r = node.getBoundingClientRect();
    let found = false;
    for (let y = Math.floor(r.top - side - 8); y <= r.bottom + 8 && !found; y += 1)
        for (let x = Math.floor(r.left - side - 8); x <= r.right + 8 && !found; x += 1)
            found = x >= 0 && y >= 0 && x + side <= innerWidth && y + side <= innerHeight && owns(name, x, y);
    if (!found) failures.push(name);
}
return [controls.map(([name]) => name), failures];
'''

# A point that the hit area of a control covers and the control does not.
BESIDE = r'''
const control = document.getElementById(arguments[0]);
const own = (control.closest('.radio, .combo') || control).getBoundingClientRect();
for (const hit of document.querySelectorAll('.hit')) {
    if (hit.dataset.for !== control.id) continue;
    const r = hit.getBoundingClientRect();
    for (let y = r.top + 1; y < r.bottom - 1; y += 1)
        for (let x = r.left + 1; x < r.right - 1; x += 1) {
            const inside = x >= own.left && x <= own.right && y >= own.top && y <= own.bottom;
            if (!inside && document.elementFromPoint(x, y) === hit) return [Math.round(x), Math.round(y)];
        }
}
return null;
'''


class PhoneTest(PageTest):
    """On a 360 x 640 screen (in WebKitGTK: the narrowest window MiniBrowser
    allows, about 450 pixels wide; its driver has no device emulation)."""

    @classmethod
    def setUpClass(cls):
        cls.driver = start_browser(1000, 1000)
        emulate_phone(cls.driver)

    def assert_hit_areas(self, state, scope='.window.main'):
        """Checks the controls of the window in front: the main window, the
        About window over it, or the modal error box."""
        names, failures = self.driver.execute_script(HIT_AREAS, scope)
        self.assertGreater(len(names), 0)
        self.assertEqual(failures, [], f'{state}: controls without a 24-pixel hit area')
        return names

    def test_window_is_scaled_down_to_the_screen(self):
        scale = float(self.driver.execute_script(
            'return document.getElementById("screen").dataset.scale;'))
        self.assertLess(scale, 0.8 if ENGINE == 'webkit' else 0.55)

    def test_every_control_has_a_hit_area_of_24_pixels_in_every_state(self):
        names = self.assert_hit_areas('Master, PLC-5')
        for name in ('Exit', 'Aboutcmd', 'MasterOpt', 'SlaveOpt', 'PLC3Opt', 'PLC5Opt', 'XYYOpt',
                     'XYZOpt', 'YXZOpt', 'MesTypeLst', 'ModCmdLst', 'RegTxt', 'SlaveAddrTxt',
                     'TransMasterCmd', 'DTATxt', 'MasterTransFrm-details',
                     'close of window main'):
            self.assertIn(name, names)
        # The subfunction box between the command box and the register field.
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Write')
        self.assertTrue(self.shown('DiagSubLst'))
        self.type_into('RegTxt', '1')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.assertIn('DiagSubLst', self.assert_hit_areas('Master, diagnostics'))
        self.click('PLC3Opt')
        self.assert_hit_areas('Master, PLC-3')
        self.click('SlaveOpt')
        for name, text in (('DataFileTxt', 'N7:4/5'), ('StartRegTxt', '40001'), ('NumRegTxt', '10')):
            self.type_into(name, text)
        self.click('TransSlaveCmd')
        self.assertIn('SlaveTransFrm-copy', self.assert_hit_areas('Slave with an answer'))
        self.click('Aboutcmd')
        self.assertIn('cmdOK', self.assert_hit_areas('About', '.window.about'))
        self.click('cmdOK')
        self.type_into('StartRegTxt', '0')
        self.click('TransSlaveCmd')
        self.assertIn('error-box-ok', self.assert_hit_areas('Error box', 'dialog[open]'))
        self.close_error_box()

    def test_a_tap_beside_a_small_control_acts_on_it(self):
        for name in ('PLC3Opt', 'RegTxt', 'ModCmdLst'):
            with self.subTest(control=name):
                point = self.driver.execute_script(BESIDE, name)
                self.assertIsNotNone(point, f'{name} has no hit area beside it')
                self.tap(*point)
                self.assertEqual(self.focused(), name)
        self.assertTrue(self.control('PLC3Opt').is_selected())
        # The handler ran: PLC-3 hides the formats.
        self.assertFalse(self.shown('XYYOpt'))

    def test_a_tap_on_a_naming_label_selects_nothing(self):
        for label, mark in (('SlaveLbl', 'SlaveOpt'), ('PLC3Lbl', 'PLC3Opt'), ('XYZLbl', 'XYZOpt')):
            with self.subTest(label=label):
                self.tap_centre(label)
                self.assertFalse(self.control(mark).is_selected())


class HintTest(PageTest):
    """Hints and tooltips without hovering: a field's tooltip shows while it
    has the focus, reached by the keyboard or a tap."""

    def tip_shown(self, name):
        return self.shown(name + '-tip')

    def test_tooltips_show_while_their_field_has_the_focus(self):
        self.click('SlaveOpt')
        tips = {'DataFileTxt': 'Location of the starting Allan Bradley File and Word you want to mapped',
                'StartRegTxt': 'Location of the starting Modicon Register or Coil that you want to map',
                'NumRegTxt': 'Number of consecutive Registers or Coils to be mapped'}
        self.control('SlaveOpt').send_keys(Keys.TAB)
        for name, tip in tips.items():
            with self.subTest(field=name):
                self.assertEqual(self.focused(), name)
                self.assertTrue(self.tip_shown(name))
                self.assertEqual(self.text(name + '-tip'), tip)
                others = [other for other in tips if other != name]
                self.assertFalse(any(self.tip_shown(other) for other in others))
                self.keys(Keys.TAB)
        self.assertFalse(any(self.tip_shown(name) for name in tips))

    def test_fields_are_described_by_their_hints_and_tooltips(self):
        described = {
            'RegTxt': ['RegValLbl'],
            'SlaveAddrTxt': ['SlaveValLbl'],
            'DataFileTxt': ['DataFileLbl', 'DataFileTxt-tip'],
            'StartRegTxt': ['StartRegLbl', 'StartRegTxt-tip'],
            'NumRegTxt': ['NumRegTxt-tip'],
        }
        for name, ids in described.items():
            with self.subTest(field=name):
                self.assertEqual(self.control(name).get_dom_attribute('aria-describedby').split(), ids)


if __name__ == '__main__':
    unittest.main()
