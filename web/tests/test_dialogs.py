# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The error box for every code the window can show, the About window and Exit."""
import unittest

from selenium.webdriver.common.keys import Keys

from selenium.webdriver.support.ui import WebDriverWait

from browser import ERROR_TITLE, PAGE, PageTest, start_browser, wait_until_ready, watch_console

INVALID_REGISTER = ['Invalid Register Value', 'Enter a value between 1 and 9999']
BANDED = 'Enter a value between 1 and 255, 1000 and 1255, 2000 and'

# The lines of each code's box, copied from the design.
MESSAGES = {
    0: INVALID_REGISTER,
    1: ['Invalid Slave Address', 'Enter a value between 1 and 99'],
    2: INVALID_REGISTER,
    3: ['Invalid Slave Address', 'Enter a value between 1 and 9'],
    4: ['Invalid Register Value', BANDED, '2255, etc., up to 5255'],
    5: ['Invalid Register Value', BANDED, '2255, etc., up to 9255'],
    6: ['Invalid Slave Address', 'Enter a value between 1 and 3'],
    7: ['Invalid Slave Address', 'Enter a value between 0 and 255'],
    8: ['Invalid Command', 'Only Write functions are supported with the Broadcast Address'],
    9: ['Invalid AB Datafile', 'Enter the datafile in one of the formats shown below',
        'Examples of acceptable formats are:', 'N7:0 , N7:4/5 , B3/0', '',
        'Floating point Data Files can only be entered using the following format:', 'F8:0'],
    10: ['Invalid Modbus Register/Coil',
         'Due to the needed offset when mapping the desired AB bit to a Modbus Coil,',
         'The value of the Modicon Start Register has been adjusted to a value that is out '
         'of Range'],
    11: ['Invalid Modbus Register/Coil', 'A Modbus Register/Coil is out of Range'],
    12: ['Invalid AB Datafile', 'Files less than 10 are reserved.',
         'Use the appropriate file type for files less than 10.'],
    13: ['Invalid AB Datafile', 'The file, word, or bit is out of the allowable range.'],
}

# Master requests that fail: (code, addressing button, register, slave address).
MASTER_FAULTS = [
    (0, 'XYYOpt', '', '5'),
    (1, 'XYYOpt', '5', '100'),
    (2, 'XYZOpt', '0', '5'),
    (3, 'XYZOpt', '5', '10'),
    (4, 'YXZOpt', '5256', '3'),
    (5, 'YXZOpt', '256', '2'),
    (6, 'YXZOpt', '300', '4'),
    (7, 'PLC3Opt', '100', '256'),
    (8, 'PLC3Opt', '', '0'),
]

# Slave requests that fail: (code, address, start, count).
SLAVE_FAULTS = [
    (9, 'F8/3', '40001', '1'),
    (10, 'B3/20', '1', '16'),
    (11, 'N7:0', '20001', '1'),
    (12, 'X17:0', '40001', '1'),
    (13, 'N7:0/16', '40001', '1'),
]

SLAVE_OUTPUTS = ['ModStartTxt', 'ModEndTxt', 'FileTxt', 'WordTxt']


class ErrorBoxTest(PageTest):
    def fail_with(self, button, outputs, code):
        """Presses a Translate button expecting the box for `code`; the old
        answer stays until OK, and is blank after it."""
        before = [self.text(name) for name in outputs]
        self.assertNotIn('', before)
        self.click(button)
        self.assertEqual(self.error_box(), (ERROR_TITLE, MESSAGES[code]))
        self.assertEqual([self.text(name) for name in outputs], before)
        self.close_error_box()
        self.assertEqual([self.text(name) for name in outputs], [''] * len(outputs))
        self.assertEqual(self.focused(), button)

    def test_master_codes_0_to_8(self):
        for code, button, register, slave in MASTER_FAULTS:
            with self.subTest(code=code):
                self.click(button)
                # A good request first, so that there is an answer to blank.
                self.type_into('RegTxt', '100')
                self.type_into('SlaveAddrTxt', '1' if button != 'PLC3Opt' else '7')
                self.click('TransMasterCmd')
                self.assertIsNone(self.error_box())
                self.type_into('RegTxt', register)
                self.type_into('SlaveAddrTxt', slave)
                self.fail_with('TransMasterCmd', ['DTATxt'], code)

    def test_slave_codes_9_to_13(self):
        self.click('SlaveOpt')
        for code, address, start, count in SLAVE_FAULTS:
            with self.subTest(code=code):
                for name, text in zip(['DataFileTxt', 'StartRegTxt', 'NumRegTxt'],
                                      ['N7:0', '40001', '10']):
                    self.type_into(name, text)
                self.click('TransSlaveCmd')
                self.assertIsNone(self.error_box())
                for name, text in zip(['DataFileTxt', 'StartRegTxt', 'NumRegTxt'],
                                      [address, start, count]):
                    self.type_into(name, text)
                self.fail_with('TransSlaveCmd', SLAVE_OUTPUTS, code)

    def test_box_is_named_by_its_title_and_keeps_the_focus(self):
        self.click('TransMasterCmd')
        dialog = self.driver.find_element('css selector', 'dialog.message-box')
        self.assertEqual(dialog.accessible_name, ERROR_TITLE)
        self.assertEqual(dialog.get_attribute('role'), 'alertdialog')
        # The box takes the focus as it opens (WebKit gives it a moment later).
        WebDriverWait(self.driver, 2).until(lambda _: self.focused() == 'error-box-ok')
        for move in (lambda: self.keys(Keys.TAB), self.shift_tab, lambda: self.keys(Keys.TAB)):
            move()
            self.assertEqual(self.focused(), 'error-box-ok')

    def test_escape_closes_the_box_like_ok(self):
        self.type_into('RegTxt', '100')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.type_into('RegTxt', '0')
        self.click('TransMasterCmd')
        self.keys(Keys.ESCAPE)
        self.assertIsNone(self.error_box())
        self.assertEqual(self.text('DTATxt'), '')
        self.assertEqual(self.focused(), 'TransMasterCmd')

    def test_enter_in_a_field_translates_nothing(self):
        self.type_into('RegTxt', 'x')
        self.keys(Keys.ENTER)
        self.assertIsNone(self.error_box())


class AboutTest(PageTest):
    def about_texts(self):
        return [self.text(name) for name in
                ('about-caption', 'lblTitle', 'lblVersion', 'lblDescription')]

    def test_about_shows_title_version_and_description(self):
        self.click('Aboutcmd')
        self.assertEqual(self.about_texts(), [
            'About Corvane', 'Corvane', 'Version 1.3',
            'App Description\n\nThe Allan-Bradley / Modicon Corvane is designed to help users '
            'setup the mapping of Modbus registers / coils to Allan-Bradley Data files for both '
            'Master and Slave applications'])
        about = self.driver.find_element('css selector', '.window.about')
        self.assertEqual(about.accessible_name, 'About Corvane')
        self.assertEqual(self.focused(), 'cmdOK')

    def test_description_keeps_its_blank_line_and_wraps_its_paragraph(self):
        # The label's height as drawn with its text, with the blank line taken
        # out, and with one line: measured on copies of the label, so that the
        # engines' character boxes at a line break do not matter.
        self.click('Aboutcmd')
        text, full, single, line = self.driver.execute_script('''
            const node = document.getElementById('lblDescription');
            const height = (text) => {
                const copy = node.cloneNode();
                copy.style.height = 'auto';
                copy.textContent = text;
                node.after(copy);
                const drawn = copy.getBoundingClientRect().height;
                copy.remove();
                return drawn;
            };
            return [node.textContent, height(node.textContent),
                    height(node.textContent.replace('\\n\\n', '\\n')), height('App Description')];''')
        self.assertTrue(text.startswith('App Description\n\nThe Allan-Bradley / Modicon Corvane'))
        self.assertGreater(line, 0)
        # One empty line between the heading and the paragraph, which wraps.
        self.assertAlmostEqual(full - single, line, delta=2)
        self.assertGreater(single / line, 3)

    def test_second_press_shows_one_window_where_it_stands(self):
        self.click('Aboutcmd')
        where = self.driver.find_element('css selector', '.window.about').rect
        self.click('Aboutcmd')
        windows = self.driver.find_elements('css selector', '.window.about')
        self.assertEqual(len(windows), 1)
        self.assertEqual(windows[0].rect, where)

    def test_main_window_stays_usable_beside_it(self):
        self.click('Aboutcmd')
        self.type_into('RegTxt', '100')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.assertEqual(self.text('DTATxt'), 'N5:100')
        self.assertTrue(self.shown('cmdOK'))

    def test_ok_escape_and_close_box_close_it_and_it_comes_back_alike(self):
        for close in ('ok', 'escape', 'enter', 'close box'):
            with self.subTest(close=close):
                self.click('Aboutcmd')
                texts = self.about_texts()
                if close == 'ok':
                    self.click('cmdOK')
                elif close == 'escape':
                    self.keys(Keys.ESCAPE)
                elif close == 'enter':
                    self.keys(Keys.ENTER)
                else:
                    self.driver.find_element('css selector', '.window.about .close-box').click()
                self.assertEqual(self.driver.find_elements('css selector', '.window.about'), [])
                self.assertEqual(self.focused(), 'Aboutcmd')
                self.click('Aboutcmd')
                self.assertEqual(self.about_texts(), texts)
                self.click('cmdOK')


class ExitTest(PageTest):
    """Exit logs nothing (every test here fails on a console message): the
    page asks to close its tab only where a browser lets a script do so."""

    @classmethod
    def setUpClass(cls):
        cls.driver = start_browser(cls.width, cls.height,
                                   webkit_arguments=['--javascript-can-open-windows-automatically=true'])

    def test_exit_closes_a_tab_that_a_script_opened(self):
        first = self.driver.current_window_handle
        self.driver.execute_script('window.open(arguments[0], "_blank");', PAGE.as_uri())
        WebDriverWait(self.driver, 10).until(lambda d: len(d.window_handles) == 2)
        opened = next(handle for handle in self.driver.window_handles if handle != first)
        self.driver.switch_to.window(opened)
        wait_until_ready(self.driver)
        watch_console(self.driver)
        self.click('Exit')
        WebDriverWait(self.driver, 10).until(lambda d: len(d.window_handles) == 1)
        self.driver.switch_to.window(first)

    def test_exit_ends_the_program_and_it_can_start_again(self):
        self.click('Aboutcmd')
        self.type_into('RegTxt', '100')
        self.click('Exit')
        self.assertEqual(self.text('ended-text'), 'Corvane has ended.')
        self.assertEqual(self.driver.find_elements('css selector', '.window'), [])
        self.assertEqual(self.driver.title, 'Corvane has ended')
        self.assertEqual(self.focused(), 'start-again')
        self.click('start-again')
        self.assertEqual(self.driver.find_elements('css selector', '.ended'), [])
        self.assertEqual(self.text('RegTxt'), '')
        self.assertEqual(self.text('ModCmdLst'), ' 01 - Read Coil Status  (0X)')
        self.assertTrue(self.control('MasterOpt').is_selected())
        self.assertEqual(self.focused(), 'MasterOpt')

    def test_close_box_of_the_window_ends_it_too(self):
        self.driver.find_element('css selector', '.window.main .close-box').click()
        self.assertEqual(self.text('ended-text'), 'Corvane has ended.')


if __name__ == '__main__':
    unittest.main()
