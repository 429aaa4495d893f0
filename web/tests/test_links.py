# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Links that carry a translation: after each state the user brings the window
to, the address's fragment holds it; opening the page afresh with that
fragment shows the same window, answer and error box, as if Translate had
been pressed. A fragment that is no such link starts the window as always,
with one line saying so. corvane-cli --link gives links the page opens to the
same answer."""
import json
import os
import subprocess
import unittest

from selenium.webdriver.support.ui import WebDriverWait

from browser import PageTest

CLI = os.environ.get('CORVANE_CLI', '')
NOT_UNDERSTOOD = 'The link was not understood: Corvane starts as it always does.'

# Everything the window shows: each visible control's text, or whether a
# round mark is selected.
WINDOW = '''
const shown = {};
for (const node of document.querySelectorAll('.window.main [id]')) {
    if (!node.getClientRects().length)
        continue;
    shown[node.id] = node instanceof HTMLInputElement && node.type === 'radio' ? node.checked
        : node instanceof HTMLInputElement ? node.value : node.textContent;
}
return shown;
'''


def slave(address, start, count):
    def drive(test):
        test.click('SlaveOpt')
        for name, text in (('DataFileTxt', address), ('StartRegTxt', start), ('NumRegTxt', count)):
            test.type_into(name, text)
        test.click('TransSlaveCmd')
    return drive


def master(plc, format_mark, message_type, command, register, slave_address, typed=()):
    def drive(test):
        test.click(format_mark)
        test.click(plc)
        test.pick('MesTypeLst', message_type)
        test.pick('ModCmdLst', command)
        for name, text in typed:
            test.type_into(name, text)
        test.type_into('RegTxt', register)
        test.type_into('SlaveAddrTxt', slave_address)
        test.click('TransMasterCmd')
    return drive


# The states a link must carry, each reached by hand: answers, an error box,
# texts typed over a box's entry, and characters that must be escaped.
STATES = {
    'slave words': slave('N7:4/5', '40001', '10'),
    'slave bits': slave('B3/20', '10001', '16'),
    'slave refused': slave('X7:0', '40001', '10'),
    'master read': master('PLC5Opt', 'XYZOpt', ' Read', ' 03 - Read Holding Registers  (4X)',
                          '1234', '5'),
    'master write on a PLC-3': master('PLC3Opt', 'XYYOpt', ' Write',
                                      ' 16 - Pre-set Multiple Registers  (4X)', '100', '1'),
    'master typed command': master('PLC5Opt', 'YXZOpt', ' Read',
                                   ' 04 - Read Input Registers  (3X)', '12', '3',
                                   typed=[('ModCmdLst', ' 04 & more = #1 %20 \u00e9t\u00e9')]),
    'master refused': master('PLC5Opt', 'XYZOpt', ' Read', ' 03 - Read Holding Registers  (4X)',
                             '70000', '5'),
}


class LinkTest(PageTest):
    def window(self):
        return self.driver.execute_script(WINDOW)

    def notices(self):
        return self.driver.execute_script(
            'return Array.from(document.querySelectorAll(".link-notice"), (n) => n.textContent);')

    def written_fragment(self):
        """The fragment once the page has written the window's state (it
        writes at most every 350 ms)."""
        seen = []

        def settled(_):
            seen.append(self.driver.execute_script('return location.hash'))
            return len(seen) > 3 and seen[-1] and len(set(seen[-4:])) == 1

        WebDriverWait(self.driver, 5, poll_frequency=0.2).until(settled)
        return seen[-1]

    def test_a_link_opens_the_window_it_was_written_from(self):
        for name, drive in STATES.items():
            with self.subTest(state=name):
                self.load()
                drive(self)
                box = self.error_box()
                shown = self.window()
                if box:
                    self.close_error_box()
                fragment = self.written_fragment()
                self.assertTrue(fragment.startswith('#v=1&mode='), fragment)
                self.assertNotIn(' ', fragment)

                self.load(fragment)
                self.assertEqual(self.error_box(), box)
                self.maxDiff = None
                self.assertEqual(self.window(), shown)
                self.assertEqual(self.notices(), [])
                if box:
                    self.close_error_box()
                self.assertEqual(self.written_fragment(), fragment)

    def test_a_fragment_that_is_no_link_starts_the_window_as_always(self):
        self.load()
        start_up = self.window()
        for fragment in ('#junk', '#v=2&mode=slave&address=N7:0', '#v=1&mode=teapot',
                         '#v=1&mode=slave&address=%zz', '#%00'):
            with self.subTest(fragment=fragment):
                self.load(fragment)
                self.assertEqual(self.error_box(), None)
                self.assertEqual(self.window(), start_up)
                self.assertEqual(self.notices(), [NOT_UNDERSTOOD])
                # The next state written replaces the fragment, and the notice goes
                # with the next link opened.
                self.click('SlaveOpt')
                self.assertTrue(self.written_fragment().startswith('#v=1&mode=slave'))

    def test_a_link_pasted_into_the_open_page_opens_it(self):
        self.load('#junk')
        self.driver.execute_script('location.hash = arguments[0]',
                                   'v=1&mode=slave&address=N7:4/5&start=40001&count=10')
        WebDriverWait(self.driver, 5).until(lambda _: self.text('ModEndTxt') == '40010')
        self.assertEqual(self.notices(), [])

    @unittest.skipUnless(CLI, 'needs CORVANE_CLI, a native corvane-cli')
    def test_corvane_cli_links_open_to_its_answers(self):
        requests = [
            ['slave', 'N7:4/5', '40001', '10'],
            ['slave', 'F8:0', '30001', '4'],
            ['master', '--plc', '3', '--format', 'NXYY:Z', '--command', '4', '--register', '77',
             '--slave', '2'],
            ['master', '--plc', '5', '--format', 'NYXZ:Z', '--message-type', 'write', '--command',
             '06', '--register', '9999', '--slave', '12'],
        ]
        for request in requests:
            with self.subTest(request=' '.join(request)):
                answer = json.loads(subprocess.run([CLI, *request, '--json', '--link'],
                                                   capture_output=True, text=True).stdout)
                self.load(answer['link'])
                if not answer['ok']:
                    self.assertEqual(self.error_box(),
                                     (answer['title'], answer['message'].split('\r\n')))
                    self.close_error_box()
                elif request[0] == 'slave':
                    self.assertEqual([self.text(name) for name in
                                      ('FileTxt', 'WordTxt', 'ModStartTxt', 'ModEndTxt')],
                                     [str(answer[key]) for key in
                                      ('file', 'word', 'modicon_start', 'modicon_end')])
                else:
                    self.assertEqual(self.text('DTATxt'), answer['address'])


if __name__ == '__main__':
    unittest.main()
