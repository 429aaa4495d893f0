# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""Printing: the window's inputs, its answer and the details line, in black on
white, without the window's buttons. The page is printed to PDF by Chromium
(CDP Page.printToPDF) and read back with poppler's pdftotext and pdftoppm."""
import base64
import shutil
import subprocess
import tempfile
import unittest
from pathlib import Path

from browser import PageTest, chromium_only

DETAILS = ('holding registers (4X): start 41234, offset 1233 (0x04D1), 6-digit 401234; '
           'read with 03, write with 06, 16')


def ppm_pixels(data):
    """The pixels of a binary PPM (P6, 8-bit), as pdftoppm writes it."""
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    assert fields[0] == b'P6' and fields[3] == b'255', fields
    width, height = int(fields[1]), int(fields[2])
    body = data[position + 1:]
    return [tuple(body[i:i + 3]) for i in range(0, width * height * 3, 3)]


@chromium_only('WebKitWebDriver has neither a Print Page command nor CDP')
@unittest.skipUnless(shutil.which('pdftotext') and shutil.which('pdftoppm'),
                     'poppler-utils (pdftotext, pdftoppm) is not installed')
class PrintTest(PageTest):
    def setUp(self):
        super().setUp()
        self.folder = Path(tempfile.mkdtemp(prefix='corvane-print-'))

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)
        super().tearDown()

    def print_to_pdf(self):
        printed = self.driver.execute_cdp_cmd('Page.printToPDF', {'printBackground': True})
        pdf = self.folder / 'corvane.pdf'
        pdf.write_bytes(base64.b64decode(printed['data']))
        return pdf

    def text_of(self, pdf):
        return subprocess.run(['pdftotext', '-layout', str(pdf), '-'], capture_output=True,
                              check=True, text=True).stdout

    def pixels_of(self, pdf):
        subprocess.run(['pdftoppm', '-r', '60', '-f', '1', '-l', '1', str(pdf),
                        str(self.folder / 'page')], check=True)
        (page,) = self.folder.glob('page*.ppm')
        return ppm_pixels(page.read_bytes())

    def test_inputs_answer_and_details_print_without_the_buttons(self):
        self.pick('ModCmdLst', ' 03 - Read Holding Registers  (4X)')
        self.click('XYZOpt')
        self.type_into('RegTxt', '1234')
        self.type_into('SlaveAddrTxt', '5')
        self.click('TransMasterCmd')
        text = self.text_of(self.print_to_pdf())
        flat = ' '.join(text.split())
        for shown in ('Allan-Bradley / Modicon Corvane', 'Ver 1.3', 'PLC Type Commands',
                      'Addressing Format', 'NXYZ:Z', 'Message Type', 'Read',
                      '03 - Read Holding Registers (4X)', 'Start Register', '1234',
                      'Slave Address', 'Data Table Address', 'N451:234', DETAILS):
            with self.subTest(shown=shown):
                self.assertIn(shown, flat)
        for button in ('Translate', 'Exit', 'About', 'Copy'):
            with self.subTest(button=button):
                self.assertNotRegex(text, rf'\b{button}\b')

    def test_print_is_black_on_white(self):
        self.click('SlaveOpt')
        for name, value in (('DataFileTxt', 'N7:4/5'), ('StartRegTxt', '40001'), ('NumRegTxt', '10')):
            self.type_into(name, value)
        self.click('TransSlaveCmd')
        pixels = self.pixels_of(self.print_to_pdf())
        # No colour anywhere: every pixel is a grey, the page white, the text black.
        coloured = [p for p in pixels if max(p) - min(p) > 48]
        self.assertEqual(len(coloured), 0, coloured[:5])
        self.assertGreater(sum(1 for p in pixels if p == (255, 255, 255)), len(pixels) * 0.8)
        self.assertGreater(sum(1 for p in pixels if max(p) < 64), 500)


if __name__ == '__main__':
    unittest.main()
