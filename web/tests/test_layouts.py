# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The window's three states (Master with PLC-5, Master with PLC-3, Slave):
what shows, where the Master rows stand, the client height, and the prompts."""
import unittest

from browser import PageTest

FORMAT_CONTROLS = ['AddrFrmtLbl', 'XYYOpt', 'XYYLbl', 'XYZOpt', 'XYZLbl', 'YXZOpt', 'YXZLbl']

# Tops in twips within the request frame: (control, PLC-5, PLC-3).
MASTER_ROWS = [
    ('AddrCmdLbl', 1320, 240),
    ('MesTypeLst-box', 1800, 720),
    ('ModCmdLbl', 2400, 1320),
    ('DiagSubLst-box', 3000, 1920),
    ('RegTxt', 3600, 2520),
    ('SlaveValLbl', 4080, 3000),
    ('MasterTransFrm', 4800, 3720),
]

CLIENT_HEIGHT = {'plc5': 9450 // 15, 'plc3': 8370 // 15, 'slave': 7890 // 15}


class LayoutTest(PageTest):
    def top(self, name):
        # As placed, shown or hidden.
        return self.driver.execute_script(
            'return parseFloat(getComputedStyle(document.getElementById(arguments[0])).top);',
            name)

    def assert_master_rows(self, column):
        for name, plc5, plc3 in MASTER_ROWS:
            with self.subTest(control=name):
                twips = plc5 if column == 'plc5' else plc3
                self.assertEqual(self.top(name), round(twips / 15))

    def test_startup_rows_stand_in_the_plc5_column_but_the_heading(self):
        self.assertEqual(self.top('AddrCmdLbl'), 1200 // 15)
        self.assertEqual(self.client_height(), CLIENT_HEIGHT['plc5'])

    def test_plc3_hides_the_formats_and_moves_the_rows_up(self):
        self.click('PLC3Opt')
        for name in FORMAT_CONTROLS:
            self.assertFalse(self.shown(name), name)
        self.assert_master_rows('plc3')
        self.assertEqual(self.client_height(), CLIENT_HEIGHT['plc3'])
        self.click('PLC5Opt')
        for name in FORMAT_CONTROLS:
            self.assertTrue(self.shown(name), name)
        self.assert_master_rows('plc5')
        self.assertEqual(self.client_height(), CLIENT_HEIGHT['plc5'])

    def test_slave_and_back_keeps_the_plc_type_and_its_layout(self):
        self.click('XYZOpt')
        self.click('PLC3Opt')
        self.click('SlaveOpt')
        self.assertFalse(self.shown('MasterFrm'))
        self.assertTrue(self.shown('SlaveFrm'))
        self.assertEqual(self.client_height(), CLIENT_HEIGHT['slave'])
        self.click('MasterOpt')
        self.assertEqual(self.client_height(), CLIENT_HEIGHT['plc3'])
        self.assertTrue(self.control('PLC3Opt').is_selected())
        self.assertFalse(self.shown('XYZOpt'))
        self.click('PLC5Opt')
        self.assertTrue(self.control('XYZOpt').is_selected())
        self.assertEqual(self.text('SlaveValLbl'), '(1-9)')

    def test_subfunction_controls_move_with_their_row(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Read')
        self.click('PLC3Opt')
        self.assertTrue(self.shown('DiagSubLst'))
        self.assertEqual(self.top('DiagSubLbl'), 1920 // 15)
        self.click('PLC5Opt')
        self.assertTrue(self.shown('DiagSubLst'))
        self.assertEqual(self.top('DiagSubLbl'), 3000 // 15)

    def test_answers_survive_mode_and_plc_type_changes(self):
        self.type_into('RegTxt', '100')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.click('SlaveOpt')
        for name, text in (('DataFileTxt', 'N7:0'), ('StartRegTxt', '40001'),
                           ('NumRegTxt', '10')):
            self.type_into(name, text)
        self.click('TransSlaveCmd')
        self.click('MasterOpt')
        self.click('PLC3Opt')
        self.click('PLC5Opt')
        self.assertEqual(self.text('DTATxt'), 'N5:100')
        self.click('SlaveOpt')
        self.assertEqual([self.text(name) for name in
                          ('ModStartTxt', 'ModEndTxt', 'FileTxt', 'WordTxt')],
                         ['40001', '40010', '7', '0'])


class PromptTest(PageTest):
    def hints(self):
        return self.text('RegLbl'), self.text('RegValLbl'), self.text('SlaveValLbl')

    def test_formats_set_the_hints_whatever_the_message_type(self):
        self.pick('MesTypeLst', ' Write')
        self.click('YXZOpt')
        self.assertEqual(self.hints(), (
            'Start Coil', '(1-255, 1000-1255, 2000-2255, 3000-3255, etc.)', '(1-3)'))
        self.click('XYZOpt')
        self.assertEqual(self.hints()[1:], ('(1-9999)', '(1-9)'))

    def test_plc3_hints_follow_the_message_type(self):
        self.pick('MesTypeLst', ' Write')
        self.click('PLC3Opt')
        self.assertEqual(self.hints()[1:], ('(1-9999)', '(0-255)'))
        self.pick('MesTypeLst', ' Read')
        self.assertEqual(self.hints()[1:], ('(1-9999)', '(1-255)'))
        # Under PLC-3 a typed message type leaves the slave hint as it was.
        self.type_into('MesTypeLst', 'x')
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.assertEqual(self.hints(), ('Start Register', '(1-9999)', '(1-255)'))
        self.click('PLC5Opt')
        self.click('PLC3Opt')
        self.assertEqual(self.hints()[1:], ('(1-9999)', '(1-99)'))

    def test_a_message_type_pick_resets_the_command_and_the_caption(self):
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.assertEqual(self.hints()[0], 'Start Register')
        self.pick('MesTypeLst', ' Write')
        self.assertEqual(self.text('ModCmdLst'), ' 05 - Force Single Coil  (0X)')
        self.assertEqual(self.hints()[0], 'Start Coil')
        self.assertFalse(self.shown('DiagSubLst'))

    def test_a_standard_command_pick_hides_the_subfunction(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.pick('MesTypeLst', ' Write')
        self.assertTrue(self.shown('DiagSubLbl'))
        self.pick('ModCmdLst', ' 06 - Pre-set Single Register  (4X)')
        self.assertFalse(self.shown('DiagSubLbl'))
        self.assertFalse(self.shown('DiagSubLst'))
        self.assertEqual(self.hints()[0], 'Start Register')


if __name__ == '__main__':
    unittest.main()
