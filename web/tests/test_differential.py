# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The page's exported translations against corvane-cli --jsonl, the reference,
on seeded random requests: texts with blanks, signs, fractions, letters and
numbers far outside every range."""
import json
import os
import random
import subprocess
import unittest

from browser import PAGE, console_messages, start_browser, stop_browser, wait_until_ready, watch_console

CLI = os.environ.get('CORVANE_CLI', '')
SEED = int(os.environ.get('CORVANE_DIFFERENTIAL_SEED', '20260'))
REQUESTS = int(os.environ.get('CORVANE_DIFFERENTIAL_REQUESTS', '10000'))

COMMANDS = [
    ' 01 - Read Coil Status  (0X)', ' 02 - Read Input Status  (1X)',
    ' 03 - Read Holding Registers  (4X)', ' 04 - Read Input Registers  (3X)',
    ' 05 - Force Single Coil  (0X)', ' 06 - Pre-set Single Register  (4X)',
    ' 08 - Diagnostics', ' 15 - Force Multiple Coils  (0X)',
    ' 16 - Pre-set Multiple Registers  (4X)',
]
# corvane-cli reads a message type or a command only as an entry of its box
# (or a short name for one), and a command only with its own message type, so
# the reference has no answer for the texts a user might type there instead:
# these requests keep to the entries. The subfunction, register and slave
# address are taken as typed.
def message_type_of(command, rng):
    number = command.split()[0]
    if number in ('05', '06', '15', '16'):
        return ' Write'
    return ' Read' if number != '08' else rng.choice([' Read', ' Write'])

SUBFUNCTIONS = [' 00 - Return Data Query', ' 01 - Restart Communications', '', 'anything']
LETTERS = 'ABCDFINORST' + 'abcdfinorst' + 'XZ9 :/é'


class Texts:
    """Random field texts, most of them near the ranges the rules care about."""

    def __init__(self, rng):
        self.rng = rng

    def number(self, typical):
        rng = self.rng
        roll = rng.random()
        if roll < 0.55:
            value = str(rng.choice(typical)())
        elif roll < 0.65:
            value = str(rng.randint(-40, 40))
        elif roll < 0.72:
            value = rng.choice(['', ' ', 'abc', '1e3', '0x10', '+', '-', '.', '1,000', '\t7'])
        elif roll < 0.80:
            whole = rng.choice(typical)()
            value = f'{whole}.{rng.choice(["5", "4", "6", "50", "500001", "0", "49999"])}'
        elif roll < 0.87:
            digits = rng.randint(5, 30)
            value = rng.choice(['', '-', '+']) + str(rng.randint(10 ** (digits - 1), 10 ** digits))
        elif roll < 0.93:
            value = rng.choice(['+', '-', ' ', '  ']) + str(rng.choice(typical)())
        else:
            value = str(rng.choice(typical)()) + rng.choice([' ', 'x', ' 5', '.', '..5', '-'])
        if rng.random() < 0.1:
            value = rng.choice([' ', '\t', '  ']) + value + rng.choice(['', ' ', '\t'])
        return value

    def address(self):
        rng = self.rng
        small = [lambda: rng.randint(0, 20), lambda: rng.randint(0, 999),
                 lambda: rng.randint(0, 9999), lambda: rng.randint(9990, 10010)]
        bits = [lambda: rng.randint(0, 20), lambda: rng.randint(0, 159999),
                lambda: rng.randint(159990, 160010)]
        if rng.random() < 0.4:
            # A well-formed address of a file that its letter may name.
            letter, file = rng.choice([('N', '7'), ('B', '3'), ('F', '8'), ('S', '2'), ('T', '4'),
                                       ('C', '5'), ('R', '6'), ('I', ''), ('O', ''), ('n', '7'),
                                       ('N', str(rng.randint(10, 999))),
                                       ('D', str(rng.randint(10, 999)))])
            if letter in 'FB' and rng.random() < 0.5:
                return f'{letter}{file}:{rng.randint(0, 9999)}'
            if rng.random() < 0.5:
                return f'{letter}{file}:{rng.randint(0, 200)}/{rng.randint(0, 17)}'
            return f'{letter}{file}/{rng.randint(0, 300)}'
        letter = rng.choice(LETTERS) if rng.random() < 0.97 else ''
        shape = rng.random()
        if shape < 0.45:
            rest = self.number(small) + ':' + self.number(small)
        elif shape < 0.7:
            rest = self.number(small) + ':' + self.number(small) + '/' + self.number(bits)
        elif shape < 0.88:
            rest = self.number(small) + '/' + self.number(bits)
        else:
            rest = ''.join(rng.choice('0123456789:/ .-NB') for _ in range(rng.randint(0, 8)))
        return letter + rest

    def slave(self):
        rng = self.rng
        starts = [lambda: rng.randint(1, 9999), lambda: rng.randint(10001, 19999),
                  lambda: rng.randint(30001, 39999), lambda: rng.randint(40001, 49999),
                  lambda: rng.choice([0, 1, 9999, 10000, 10001, 19999, 20000, 30000, 30001,
                                      39999, 40000, 40001, 49999, 50000]),
                  lambda: rng.randint(-2 ** 31, 2 ** 31 - 1)]
        counts = [lambda: rng.randint(0, 40), lambda: rng.randint(-10, 100),
                  lambda: rng.randint(0, 20000), lambda: rng.randint(-2 ** 31, 2 ** 31 - 1)]
        return {'mode': 'slave', 'address': self.address(), 'start': self.number(starts),
                'count': self.number(counts)}

    def master(self):
        rng = self.rng
        registers = [lambda: rng.randint(1, 9999), lambda: rng.randint(0, 300),
                     lambda: rng.randint(1000, 1300) + 1000 * rng.randint(0, 9),
                     lambda: rng.choice([-1, 0, 1, 255, 256, 999, 1000, 5255, 5256, 9255, 9256,
                                         9999, 10000, 32767, 32768, -32768, -32769, 70000])]
        slaves = [lambda: rng.randint(0, 10), lambda: rng.randint(0, 300),
                  lambda: rng.choice([-1, 0, 1, 2, 3, 4, 9, 10, 99, 100, 255, 256, 32768])]
        command = rng.choice(COMMANDS)
        return {'mode': 'master', 'plc': rng.choice(['5', '5', '3']),
                'format': rng.choice(['NXYY:Z', 'NXYZ:Z', 'NYXZ:Z']),
                'message_type': message_type_of(command, rng), 'command': command,
                'subfunction': rng.choice(SUBFUNCTIONS), 'register': self.number(registers),
                'slave': self.number(slaves)}


def requests(count, seed):
    texts = Texts(random.Random(seed))
    return [texts.slave() if i % 2 == 0 else texts.master() for i in range(count)]


def reference_answers(batch):
    lines = ''.join(json.dumps(request) + '\n' for request in batch)
    run = subprocess.run([CLI, '--jsonl'], input=lines.encode('utf-8'), capture_output=True,
                         check=False, timeout=600)
    if run.returncode not in (0, 2):
        raise AssertionError(f'corvane-cli --jsonl failed: {run.stderr.decode()}')
    return [json.loads(line) for line in run.stdout.decode('utf-8').splitlines()]


@unittest.skipUnless(CLI, 'CORVANE_CLI names no corvane-cli to compare with')
class DifferentialTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.driver = start_browser()
        cls.driver.get(PAGE.as_uri())
        wait_until_ready(cls.driver)
        watch_console(cls.driver)

    @classmethod
    def tearDownClass(cls):
        stop_browser(cls.driver)

    def tearDown(self):
        self.assertEqual(console_messages(self.driver), [], 'console warnings and errors')

    def page_answers(self, batch):
        return self.driver.execute_script(
            'return arguments[0].map((r) => r.mode === "slave"'
            '  ? window.corvane.translateSlave(r.address, r.start, r.count)'
            '  : window.corvane.translateMaster(r));', batch)

    def test_page_answers_as_corvane_cli_does(self):
        batch = requests(REQUESTS, SEED)
        expected = reference_answers(batch)
        self.assertEqual(len(expected), len(batch))
        actual = self.page_answers(batch)
        # Every field of the reference, the details included, and no other.
        mismatches = [(request, want, got) for request, want, got in zip(batch, expected, actual)
                      if got != want]
        self.assertEqual(mismatches[:5], [], f'{len(mismatches)} of {len(batch)} differ')
        # The seeds reach both outcomes on both sides.
        outcomes = {(r['mode'], a['ok']) for r, a in zip(batch, expected)}
        self.assertEqual(len(outcomes), 4)
        codes = {a['code'] for a in expected if not a['ok']}
        self.assertEqual(codes, set(range(14)))


if __name__ == '__main__':
    unittest.main()
