# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""What a screen reader hears: every control's accessible name as Chromium
computes it is the caption of the label that names it, and follows it."""
import unittest

from browser import PageTest

# (control, role, accessible name) of every control that a user reaches.
MASTER_NAMES = [
    ('LogoPic', 'image', 'Corvane logo'),
    ('TitleTxt', 'heading', 'Allan-Bradley / Modicon Corvane'),
    ('Exit', 'button', 'Exit'),
    ('Aboutcmd', 'button', 'About'),
    ('MasterOpt', 'radio', 'Master'),
    ('SlaveOpt', 'radio', 'Slave'),
    ('Label2', 'heading', 'PLC Type Commands'),
    ('PLC3Opt', 'radio', 'PLC-3 Word Range Read/Write'),
    ('PLC5Opt', 'radio', 'PLC-5 Typed Read/Write'),
    ('AddrFrmtLbl', 'heading', 'Addressing Format'),
    ('XYYOpt', 'radio', 'NXYY:Z'),
    ('XYZOpt', 'radio', 'NXYZ:Z'),
    ('YXZOpt', 'radio', 'NYXZ:Z'),
    ('AddrCmdLbl', 'heading', 'Modbus Address and Command'),
    ('MesTypeLst', 'combobox', 'Message Type'),
    ('ModCmdLst', 'combobox', 'Modbus Command'),
    ('RegTxt', 'textbox', 'Start Coil'),
    ('SlaveAddrTxt', 'textbox', 'Slave Address'),
    ('TransMasterCmd', 'button', 'Translate'),
    ('DTATxt', 'status', 'Data Table Address'),
]

SLAVE_NAMES = [
    ('DataFileTxt', 'textbox', 'Allan Bradley Starting Data File'),
    ('StartRegTxt', 'textbox', 'Modicon Starting Register/Coil'),
    ('NumRegTxt', 'textbox', 'Number of AB words/bits to be Mapped'),
    ('TransSlaveCmd', 'button', 'Translate'),
    ('ModStartTxt', 'status', 'Modicon Start Register'),
    ('ModEndTxt', 'status', 'Modicon End Register'),
    ('FileTxt', 'status', 'File'),
    ('WordTxt', 'status', 'Word'),
]

OUTPUTS = ['DTATxt', 'ModStartTxt', 'ModEndTxt', 'FileTxt', 'WordTxt']


class AccessibleNameTest(PageTest):
    def assert_names(self, rows):
        for name, role, accessible in rows:
            with self.subTest(control=name):
                node = self.control(name)
                self.assertEqual((node.aria_role, node.accessible_name), (role, accessible))

    def test_master_controls_are_named_by_their_labels(self):
        self.assert_names(MASTER_NAMES)

    def test_slave_controls_are_named_by_their_labels(self):
        self.click('SlaveOpt')
        self.assert_names(SLAVE_NAMES)

    def test_subfunction_box_is_named_when_shown(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Read')
        self.assert_names([('DiagSubLst', 'combobox', 'Diagnostic Subfunction')])

    def test_register_field_name_follows_its_caption(self):
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.assertEqual(self.text('RegLbl'), 'Start Register')
        self.assertEqual(self.control('RegTxt').accessible_name, 'Start Register')

    def test_answers_are_announced(self):
        self.click('SlaveOpt')
        for name in OUTPUTS:
            with self.subTest(control=name):
                self.assertEqual(self.control(name).get_attribute('aria-live'), 'polite')

    def test_answer_labels_can_be_selected_and_copied(self):
        for name in OUTPUTS:
            with self.subTest(control=name):
                self.assertEqual(self.driver.execute_script(
                    'return getComputedStyle(document.getElementById(arguments[0])).userSelect;',
                    name), 'text')

    def test_main_window_is_a_landmark_named_by_its_caption(self):
        window = self.driver.find_element('css selector', '.window.main')
        self.assertEqual(window.aria_role, 'main')
        self.assertEqual(window.accessible_name, 'Allan-Bradley / Modicon Corvane Ver 1.3')


if __name__ == '__main__':
    unittest.main()
