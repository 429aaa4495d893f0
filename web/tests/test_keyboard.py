# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Keyboard use: Tab order, arrows within a group of round marks, and the
drop-down boxes, where typing never runs a handler and a pick always does."""
import unittest

from selenium.webdriver.common.keys import Keys

from browser import PageTest

MASTER_ORDER = ['MasterOpt', 'PLC5Opt', 'XYYOpt', 'MesTypeLst', 'ModCmdLst', 'RegTxt',
                'SlaveAddrTxt', 'TransMasterCmd', 'Aboutcmd', 'Exit']
READ_COMMANDS = [' 01 - Read Coil Status  (0X)', ' 02 - Read Input Status  (1X)',
                 ' 03 - Read Holding Registers  (4X)', ' 04 - Read Input Registers  (3X)']
WRITE_COMMANDS = [' 05 - Force Single Coil  (0X)', ' 06 - Pre-set Single Register  (4X)',
                  ' 15 - Force Multiple Coils  (0X)', ' 16 - Pre-set Multiple Registers  (4X)']


class TabOrderTest(PageTest):
    def tab_order(self, start):
        """The controls that Tab visits from `start` until Exit."""
        self.driver.execute_script('document.getElementById(arguments[0]).focus()', start)
        order = [self.focused()]
        while order[-1] != 'Exit' and len(order) < 30:
            self.keys(Keys.TAB)
            order.append(self.focused())
        return order

    def test_master_plc5_order(self):
        self.assertEqual(self.tab_order('MasterOpt'), MASTER_ORDER)

    def test_only_the_selected_mark_of_a_group_is_a_stop(self):
        self.click('XYZOpt')
        self.click('PLC3Opt')
        self.assertEqual(self.tab_order('MasterOpt'), [
            'MasterOpt', 'PLC3Opt', 'MesTypeLst', 'ModCmdLst', 'RegTxt', 'SlaveAddrTxt',
            'TransMasterCmd', 'Aboutcmd', 'Exit'])

    def test_subfunction_box_follows_the_command_box(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Write')
        order = self.tab_order('MasterOpt')
        self.assertEqual(order[order.index('ModCmdLst') + 1], 'DiagSubLst')

    def test_slave_order(self):
        self.click('SlaveOpt')
        self.assertEqual(self.tab_order('SlaveOpt'), [
            'SlaveOpt', 'DataFileTxt', 'StartRegTxt', 'NumRegTxt', 'TransSlaveCmd', 'Aboutcmd',
            'Exit'])

    def test_shift_tab_walks_back(self):
        self.driver.execute_script('document.getElementById("Exit").focus()')
        back = ['Exit']
        while back[-1] != 'MasterOpt' and len(back) < 30:
            self.shift_tab()
            back.append(self.focused())
        self.assertEqual(back, list(reversed(MASTER_ORDER)))


class RadioKeysTest(PageTest):
    def test_arrows_select_within_a_group_and_run_its_handler(self):
        self.keys(Keys.ARROW_RIGHT)
        self.assertEqual(self.focused(), 'SlaveOpt')
        self.assertTrue(self.control('SlaveOpt').is_selected())
        self.assertTrue(self.shown('SlaveFrm'))
        self.assertFalse(self.shown('MasterFrm'))
        self.keys(Keys.ARROW_LEFT)
        self.assertTrue(self.shown('MasterFrm'))

    def test_arrows_stay_in_their_own_group(self):
        self.click('YXZOpt')
        self.keys(Keys.ARROW_RIGHT)
        # From the last mark the arrow wraps within the format group only.
        self.assertEqual(self.focused(), 'XYYOpt')
        self.assertTrue(self.control('PLC5Opt').is_selected())
        self.assertTrue(self.control('MasterOpt').is_selected())
        self.assertEqual(self.text('SlaveValLbl'), '(1-99)')

    def test_clicking_a_naming_label_selects_nothing(self):
        for label, mark in (('SlaveLbl', 'SlaveOpt'), ('PLC3Lbl', 'PLC3Opt'),
                            ('XYZLbl', 'XYZOpt')):
            with self.subTest(label=label):
                self.tap_centre(label)
                self.assertFalse(self.control(mark).is_selected())


class DropDownTest(PageTest):
    def test_typing_runs_no_handler_not_on_enter_nor_on_leaving(self):
        self.type_into('MesTypeLst', ' Write')
        self.keys(Keys.ENTER)
        self.keys(Keys.TAB)
        self.assertEqual(self.text('MesTypeLst'), ' Write')
        self.assertEqual(self.text('ModCmdLst'), READ_COMMANDS[0])
        self.assertEqual(self.entries('ModCmdLst'), READ_COMMANDS)

    def test_arrow_down_with_the_list_closed_picks_the_next_entry(self):
        self.control('MesTypeLst').send_keys(Keys.ARROW_DOWN)
        self.assertEqual(self.text('MesTypeLst'), ' Write')
        self.assertEqual(self.text('ModCmdLst'), WRITE_COMMANDS[0])
        self.assertEqual(self.entries('ModCmdLst'), WRITE_COMMANDS)
        self.control('MesTypeLst').send_keys(Keys.ARROW_UP)
        self.assertEqual(self.text('ModCmdLst'), READ_COMMANDS[0])

    def test_alt_down_opens_the_list_and_enter_picks(self):
        box = self.control('ModCmdLst')
        box.send_keys(Keys.ALT, Keys.ARROW_DOWN)
        self.assertEqual(box.get_attribute('aria-expanded'), 'true')
        self.assertTrue(self.control('ModCmdLst-list').is_displayed())
        # The list opens on the entry shown; moving in it picks nothing yet.
        box.send_keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN)
        self.assertEqual(box.get_attribute('aria-activedescendant'), 'ModCmdLst-option-2')
        self.assertEqual(self.text('RegLbl'), ' Start Coil')
        box.send_keys(Keys.ENTER)
        self.assertEqual(box.get_attribute('aria-expanded'), 'false')
        self.assertEqual(self.text('ModCmdLst'), READ_COMMANDS[2])
        self.assertEqual(self.text('RegLbl'), 'Start Register')

    def test_escape_closes_the_list_without_a_pick(self):
        box = self.control('ModCmdLst')
        box.send_keys(Keys.ALT, Keys.ARROW_DOWN)
        box.send_keys(Keys.ARROW_DOWN, Keys.ESCAPE)
        self.assertEqual(box.get_attribute('aria-expanded'), 'false')
        self.assertEqual(self.text('ModCmdLst'), READ_COMMANDS[0])
        self.assertEqual(self.text('RegLbl'), ' Start Coil')

    def test_mouse_pick_runs_the_handler(self):
        self.pick('MesTypeLst', ' Write')
        self.assertEqual(self.text('ModCmdLst'), WRITE_COMMANDS[0])
        self.assertEqual(self.text('RegLbl'), 'Start Coil')

    def test_typed_diagnostics_survives_a_message_type_pick(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.assertFalse(self.shown('DiagSubLst'))
        self.pick('MesTypeLst', ' Write')
        self.assertEqual(self.text('ModCmdLst'), ' 08 - Diagnostics')
        self.assertTrue(self.shown('DiagSubLst'))
        self.assertEqual(self.text('DiagSubLst'), ' 01 - Restart Communications')
        self.assertEqual(self.text('RegLbl'), 'Start Register')


class NarrowScreenTest(PageTest):
    width = 360
    height = 800

    def test_window_scales_down_to_fit_keeping_its_proportions(self):
        box = self.driver.execute_script(
            'const r = document.querySelector(".window.main").getBoundingClientRect();'
            'const c = document.querySelector(".window.main .client").getBoundingClientRect();'
            'return [r.left, r.right, c.width, c.height, document.documentElement.clientWidth,'
            '        document.documentElement.scrollWidth];')
        left, right, width, height, viewport, scroll_width = box
        self.assertGreaterEqual(left, 0)
        self.assertLessEqual(right, viewport)
        self.assertLessEqual(scroll_width, viewport)
        self.assertAlmostEqual(width / height, 617 / 630, places=2)
        self.assertLess(width, 617)


if __name__ == '__main__':
    unittest.main()
