# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The worked examples of both translations, typed into the window and
translated by a click on its Translate button."""
import unittest

from browser import ERROR_TITLE, PageTest
from test_dialogs import MESSAGES

# (address, start, count) -> (file, word, Modicon start, Modicon end) or an error code.
SLAVE_EXAMPLES = [
    ('N7:0', '40001', '10', ('7', '0', '40001', '40010')),
    ('N7:4/5', '40001', '10', ('7', '4', '40001', '40010')),
    ('F8:0', '40001', '10', ('8', '0', '40001', '40020')),
    ('B3/0', '1', '16', ('3', '0', '1', '16')),
    ('B3/20', '5', '16', ('3', '1', '1', '20')),
    ('N7:4/5', '6', '10', ('7', '4', '1', '15')),
    ('I:012/10', '9', '8', ('1', '12', '1', '16')),
    ('B3/0', '10001', '32', ('3', '0', '10001', '10032')),
    ('N7:0', '9999', '1', ('7', '0', '9999', '9999')),
    ('N7:0', '40005', '0', ('7', '0', '40005', '40004')),
    ('N7:0', '40010', '-5', ('7', '0', '40010', '40004')),
    ('F8:0', '40001', '1', ('8', '0', '40001', '40002')),
    ('N7:9999', '40001', '10', ('7', '9999', '40001', '40010')),
    (' N7:0', '40001', '1', 12),
    ('B3/20', '1', '16', 10),
    ('N7:0', '9990', '20', 10),
    ('N7:0', '39995', '10', 11),
    ('N7:0', '20001', '1', 11),
    ('N7:0', '10000', '1', 11),
    ('F8:0', '39999', '1', 11),
    ('N7:0', 'abc', '10', 10),
    ('N7:0', '40001', '', 11),
    ('X17:0', '40001', '1', 12),
    ('X17:0', '0', '5', 10),
    ('F8/3', '40001', '1', 9),
    ('F8/3', '1', '1', 10),
]

READS = {'01': ' 01 - Read Coil Status  (0X)', '02': ' 02 - Read Input Status  (1X)',
         '03': ' 03 - Read Holding Registers  (4X)', '04': ' 04 - Read Input Registers  (3X)'}
WRITES = {'05': ' 05 - Force Single Coil  (0X)', '06': ' 06 - Pre-set Single Register  (4X)',
          '15': ' 15 - Force Multiple Coils  (0X)', '16': ' 16 - Pre-set Multiple Registers  (4X)'}

# (format or PLC-3, command, slave address, register) -> address or an error code.
MASTER_EXAMPLES = [
    ('NXYY:Z', '03', '5', '100', 'N405:100'),
    ('NXYY:Z', '01', '5', '100', 'N5:100'),
    ('NXYY:Z', '01', '12', '7', 'N12:7'),
    ('NXYY:Z', '04', '1', '1', 'N301:1'),
    ('NXYY:Z', '08', '99', '9999', 'N899:9999'),
    ('NXYZ:Z', '03', '5', '100', 'N450:100'),
    ('NXYZ:Z', '03', '5', '1234', 'N451:234'),
    ('NXYZ:Z', '03', '5', '1005', 'N451:005'),
    ('NXYZ:Z', '01', '7', '2500', 'N72:500'),
    ('NXYZ:Z', '02', '1', '999', 'N110:999'),
    ('NYXZ:Z', '03', '1', '100', 'N40:100'),
    ('NYXZ:Z', '03', '2', '1200', 'N141:200'),
    ('NYXZ:Z', '03', '3', '5255', 'N245:255'),
    ('NYXZ:Z', '01', '1', '100', 'N0:100'),
    ('NYXZ:Z', '01', '1', '1100', 'N1:100'),
    ('NYXZ:Z', '01', '2', '100', 'N100:100'),
    ('NYXZ:Z', '15', '3', '4010', 'N204:010'),
    ('PLC-3', '03', '7', '100', 'N7:100'),
    ('PLC-3', '01', '3', '5', 'B3:5'),
    ('PLC-3', '05', '8', '12', 'F8:12'),
    ('PLC-3', '16', '0', '1', 'N0:1'),
    ('PLC-3', '08', '20', '1', 'D20:1'),
    ('NXYY:Z', '01', '5', ' 12 ', 'N5:12'),
    ('NXYY:Z', '01', '5', '2.5', 'N5:2'),
    ('NXYY:Z', '01', '5', '3.5', 'N5:4'),
    ('NXYY:Z', '01', '99', '9999', 'N99:9999'),
    ('NXYY:Z', '01', '5', '70000', 0),
    ('NXYY:Z', '01', '100', '5', 1),
    ('NXYZ:Z', '03', '10', '5', 3),
    ('NYXZ:Z', '03', '0', '100', 6),
    ('NYXZ:Z', '03', '0', '300', 5),
    ('PLC-3', '01', '0', '', 8),
    ('PLC-3', '03', '-5', '100', 7),
    ('PLC-3', '03', '255', '100', 'N255:100'),
]

FORMAT_BUTTONS = {'NXYY:Z': 'XYYOpt', 'NXYZ:Z': 'XYZOpt', 'NYXZ:Z': 'YXZOpt'}


class ExamplesTest(PageTest):
    def assert_outcome(self, result):
        """The error box of a refusal, closed with OK; none for an answer."""
        if isinstance(result, int):
            self.assertEqual(self.error_box(), (ERROR_TITLE, MESSAGES[result]))
            self.close_error_box()
        else:
            self.assertIsNone(self.error_box())


class SlaveExamplesTest(ExamplesTest):
    def test_worked_examples(self):
        self.click('SlaveOpt')
        for address, start, count, result in SLAVE_EXAMPLES:
            with self.subTest(address=address, start=start, count=count):
                self.type_into('DataFileTxt', address)
                self.type_into('StartRegTxt', start)
                self.type_into('NumRegTxt', count)
                self.click('TransSlaveCmd')
                self.assert_outcome(result)
                self.assertEqual(tuple(self.text(name) for name in
                                       ('FileTxt', 'WordTxt', 'ModStartTxt', 'ModEndTxt')),
                                 ('', '', '', '') if isinstance(result, int) else result)


class MasterExamplesTest(ExamplesTest):
    def choose_command(self, number):
        if number in WRITES:
            self.pick('MesTypeLst', ' Write')
            self.pick('ModCmdLst', WRITES[number])
        elif number in READS:
            self.pick('MesTypeLst', ' Read')
            self.pick('ModCmdLst', READS[number])
        else:
            self.type_into('ModCmdLst', ' 08 - Diagnostics')

    def test_worked_examples(self):
        for scheme, command, slave, register, result in MASTER_EXAMPLES:
            with self.subTest(scheme=scheme, command=command, slave=slave, register=register):
                if scheme == 'PLC-3':
                    self.click('PLC3Opt')
                else:
                    self.click('PLC5Opt')
                    self.click(FORMAT_BUTTONS[scheme])
                self.choose_command(command)
                self.type_into('RegTxt', register)
                self.type_into('SlaveAddrTxt', slave)
                self.click('TransMasterCmd')
                self.assert_outcome(result)
                self.assertEqual(self.text('DTATxt'), '' if isinstance(result, int) else result)


if __name__ == '__main__':
    unittest.main()


class DetailsTest(PageTest):
    """One line under each answer with the engineering details."""

    def test_slave_answer_names_its_table_offsets_and_functions(self):
        self.click('SlaveOpt')
        for name, text in (('DataFileTxt', 'N7:4/5'), ('StartRegTxt', '40001'),
                           ('NumRegTxt', '10')):
            self.type_into(name, text)
        self.click('TransSlaveCmd')
        line = ('holding registers (4X): offsets 0-9 (0x0000-0x0009), 6-digit 400001-400010; '
                'read with 03, write with 06, 16')
        self.assertEqual(self.text('SlaveTransFrm-details'), line)
        self.assertEqual(self.control('ModEndTxt').get_dom_attribute('aria-describedby'),
                         'SlaveTransFrm-details')
        # Refused: the old details stay under the box and go with the answer.
        self.type_into('StartRegTxt', '1')
        self.click('TransSlaveCmd')
        self.assertEqual(self.text('SlaveTransFrm-details'), line)
        self.close_error_box()
        self.assertEqual(self.text('SlaveTransFrm-details'), '')

    def test_master_answer_names_the_start_of_its_request(self):
        self.pick('ModCmdLst', READS['03'])
        self.click('XYZOpt')
        self.type_into('RegTxt', '1234')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.assertEqual(self.text('DTATxt'), 'N451:234')
        self.assertEqual(self.text('MasterTransFrm-details'),
                         'holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit '
                         '401234; read with 03, write with 06, 16')

    def test_diagnostics_answer_has_no_table(self):
        self.type_into('ModCmdLst', ' 08 - Diagnostics')
        self.type_into('RegTxt', '1')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        self.assertEqual(self.text('DTATxt'), 'N805:1')
        self.assertEqual(self.text('MasterTransFrm-details'), '')
