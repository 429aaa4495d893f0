# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Copying an answer: the Copy button beside the details, and Ctrl+C with
nothing selected or with a selection across several answers, copy the whole
answer as labelled text with its details line; a selection within one answer
copies as the browser copies it."""
import unittest

from selenium.webdriver.common.keys import Keys

from browser import PageTest

# What the page puts on the clipboard, caught in the copy event after the
# page has filled it: [text, whether the page took the copy over].
CATCH_COPIES = '''
window.corvaneCopies = [];
document.addEventListener('copy', (event) => {
    window.corvaneCopies.push([event.clipboardData.getData('text/plain'), event.defaultPrevented,
                               String(getSelection())]);
});
'''

SLAVE_TEXT = '\n'.join([
    'Modicon Start Register: 40001',
    'Modicon End Register: 40010',
    'File: 7',
    'Word: 4',
    'holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; '
    'read with 03, write with 06, 16',
])
MASTER_TEXT = '\n'.join([
    'Data Table Address: N451:234',
    'holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; '
    'read with 03, write with 06, 16',
])


class CopyTest(PageTest):
    def setUp(self):
        super().setUp()
        self.driver.execute_script(CATCH_COPIES)

    def copies(self):
        return self.driver.execute_script('return window.corvaneCopies.splice(0);')

    def translate_slave(self):
        self.click('SlaveOpt')
        for name, text in (('DataFileTxt', 'N7:4/5'), ('StartRegTxt', '40001'), ('NumRegTxt', '10')):
            self.type_into(name, text)
        self.click('TransSlaveCmd')

    def translate_master(self):
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.click('XYZOpt')
        self.type_into('RegTxt', '1234')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')

    def press_ctrl_c(self, on='TransSlaveCmd'):
        self.control(on).send_keys(Keys.CONTROL, 'c')

    def test_copy_button_copies_the_labelled_answer(self):
        for translate, box, text in ((self.translate_slave, 'SlaveTransFrm', SLAVE_TEXT),
                                     (self.translate_master, 'MasterTransFrm', MASTER_TEXT)):
            with self.subTest(box=box):
                self.load()
                self.driver.execute_script(CATCH_COPIES)
                translate()
                button = self.control(box + '-copy')
                self.assertEqual((button.text, button.accessible_name), ('Copy', 'Copy answer'))
                button.click()
                self.assertEqual(self.copies(), [[text, True, '']])

    def test_ctrl_c_with_nothing_selected_copies_the_answer(self):
        self.translate_slave()
        self.press_ctrl_c()
        self.assertEqual(self.copies(), [[SLAVE_TEXT, True, '']])

    def test_a_selection_across_the_answers_copies_them_labelled(self):
        self.translate_slave()
        self.driver.execute_script(
            'const range = document.createRange();'
            'range.setStartBefore(document.getElementById("ModStartTxt"));'
            'range.setEndAfter(document.getElementById("WordTxt"));'
            'getSelection().removeAllRanges(); getSelection().addRange(range);')
        self.ctrl('c')
        copied = self.copies()
        self.assertEqual([entry[:2] for entry in copied], [[SLAVE_TEXT, True]])

    def test_one_answer_selected_by_a_click_copies_as_it_is(self):
        self.translate_slave()
        self.click('ModEndTxt')
        self.ctrl('c')
        self.assertEqual(self.copies(), [['', False, '40010']])

    def test_text_selected_in_a_field_copies_as_it_is(self):
        self.translate_slave()
        self.control('DataFileTxt').send_keys(Keys.CONTROL, 'a')
        self.ctrl('c')
        self.assertEqual([entry[:2] for entry in self.copies()], [['', False]])

    def test_without_an_answer_there_is_nothing_to_copy(self):
        self.assertFalse(self.shown('MasterTransFrm-copy'))
        self.press_ctrl_c('TransMasterCmd')
        self.assertEqual(self.copies(), [['', False, '']])
        # A refused translation blanks the answer, and the button goes.
        self.translate_slave()
        self.assertTrue(self.shown('SlaveTransFrm-copy'))
        self.type_into('StartRegTxt', '0')
        self.click('TransSlaveCmd')
        self.close_error_box()
        self.assertFalse(self.shown('SlaveTransFrm-copy'))


if __name__ == '__main__':
    unittest.main()
