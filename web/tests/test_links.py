# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Links that carry a translation: after each state the user brings the window
to, the address's fragment holds it; opening the page afresh with that
fragment shows the same window, answer and error box, as if Translate had
been pressed. A fragment that is no such link starts the window as always,
with one line saying so. corvane-cli --link gives links the page opens to the
same answer, for 150 random requests (1,000 with CORVANE_SOAK=1)."""
import json
import os
import random
import subprocess
import unittest

from selenium.webdriver.support.ui import WebDriverWait

from browser import PageTest, loop_size, start_browser

CLI = os.environ.get('CORVANE_CLI', '')
SEED = int(os.environ.get('CORVANE_LINK_SEED', '2026'))
LINKS = loop_size(150, 1000)

# Opens each link in the open page, as a user pasting it would, and reads the
# window's answer or error box (closing the box before the next link).
OPEN_EACH = '''
const [links, done] = [arguments[0], arguments[arguments.length - 1]];
const text = (id) => document.getElementById(id).textContent;
(async () => {
    const seen = [];
    for (const link of links) {
        await new Promise((resolve) => {
            window.addEventListener('hashchange', () => setTimeout(resolve, 0), {once: true});
            location.hash = link;
        });
        const box = document.querySelector('dialog.message-box');
        seen.push({
            box: box.open ? [text('error-box-title'),
                             Array.from(box.querySelectorAll('.message-line'), (l) => l.textContent)]
                : null,
            slave: ['FileTxt', 'WordTxt', 'ModStartTxt', 'ModEndTxt'].map(text),
            master: text('DTATxt'),
            notices: document.querySelectorAll('.link-notice').length});
        if (box.open) {
            document.getElementById('error-box-ok').click();
            await new Promise((resolve) => setTimeout(resolve, 0));
        }
    }
    return seen;
})().then(done, (error) => done(String(error)));
'''


def random_request(rng):
    """A request as corvane-cli takes it: answers, refusals of every kind and
    texts that need escaping in a link."""
    number = lambda: rng.choice(['1', '5', '100', '1234', '9999', '0', '70000', '12.5', '4x', '',
                                 ' 7', '-3', '40001', '10001', '30001', '1 & 2', '\u00e9'])
    if rng.random() < 0.5:
        address = rng.choice(['N7:', 'B3/', 'F8:', 'N10:', 'X9:', 'N7:4/', 'T4:', '', 'N7']) + \
            rng.choice(['0', '5', '20', '999', '1000', '', '=1'])
        return ['slave', address, rng.choice(['40001', '1', '10001', '30001', '0', '49999']) +
                rng.choice(['', '0', '7']), number()]
    request = ['master', '--plc', rng.choice(['5', '3']),
               '--format', rng.choice(['NXYY:Z', 'NXYZ:Z', 'NYXZ:Z']),
               '--command', rng.choice(['1', '02', '3', '04', '5', '06', '8', '15', '16', '03 ']),
               '--register', number(), '--slave', number()]
    if rng.random() < 0.3:
        request += ['--message-type', rng.choice(['read', 'write'])]
    if rng.random() < 0.2:
        request += ['--subfunction', rng.choice([' 00 - Return Data Query', '', 'x'])]
    return request
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



@unittest.skipUnless(CLI, 'needs CORVANE_CLI, a native corvane-cli')
class RandomLinkTest(PageTest):
    """Many links opened one after another in the same page: Chromium
    would hold back so many changes of the address as a flood, which is the
    test's doing, not the page's, so its guard is off for this browser."""

    @classmethod
    def setUpClass(cls):
        cls.driver = start_browser(cls.width, cls.height,
                                   arguments=('--disable-ipc-flooding-protection',))

    def test_random_links_open_to_the_answers_of_corvane_cli(self):
        rng = random.Random(SEED)
        answers = {}
        while len(answers) < LINKS:
            request = random_request(rng)
            answer = json.loads(subprocess.run([CLI, *request, '--json', '--link'],
                                               capture_output=True, text=True).stdout or 'null')
            if answer and 'link' in answer:
                answers.setdefault(answer['link'], (request, answer))
        links = list(answers)
        rng.shuffle(links)
        seen = []
        for first in range(0, len(links), 100):
            part = self.driver.execute_async_script(OPEN_EACH, links[first:first + 100])
            self.assertIsInstance(part, list, part)
            seen += part
        for link, shown in zip(links, seen):
            request, answer = answers[link]
            with self.subTest(seed=SEED, request=' '.join(request)):
                self.assertEqual(shown['notices'], 0)
                if not answer['ok']:
                    self.assertEqual(shown['box'], [answer['title'], answer['message'].split('\r\n')])
                elif request[0] == 'slave':
                    self.assertEqual((shown['box'], shown['slave']), (None, [
                        str(answer[key]) for key in ('file', 'word', 'modicon_start', 'modicon_end')]))
                else:
                    self.assertEqual((shown['box'], shown['master']), (None, answer['address']))


if __name__ == '__main__':
    unittest.main()
