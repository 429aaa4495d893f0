# SPDX-FileCopyrightText: 2026 The Corvane developers
# SPDX-License-Identifier: MIT
"""The mapping table below the window: tables opened with the file picker,
dropped on the page or pasted, every row shown as the core answers it, the
downloads byte for byte what corvane-cli batch and check write for the same
table, a row chosen filling the window, the keyboard, and the printed sheet."""
import base64
import concurrent.futures
import hashlib
import os
import random
import shutil
import subprocess
import tempfile
import time
import unittest
from pathlib import Path

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from browser import PageTest, chromium_only, loop_size

CLI = os.environ.get('CORVANE_CLI', '')
SEED = int(os.environ.get('CORVANE_TABLE_SEED', '2026'))
TABLES = loop_size(40, 200)

# Catches each download the page starts: its name and the SHA-256 of its Blob.
CATCH_DOWNLOADS = '''
window.corvaneDownloads = [];
const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
const blobs = new Map();
const createObjectURL = URL.createObjectURL;
URL.createObjectURL = (blob) => {
    const url = createObjectURL.call(URL, blob);
    blobs.set(url, blob);
    return url;
};
HTMLAnchorElement.prototype.click = function () {
    const blob = blobs.get(this.href);
    const name = this.download;
    window.corvaneDownloads.push(blob.arrayBuffer().then(async (bytes) =>
        [name, bytes.byteLength, hex(await crypto.subtle.digest('SHA-256', bytes))]));
};
'''

# What each download button writes, as corvane-cli's arguments.
DOWNLOADS = {
    'batch': (['batch'], '-mapped.csv'),
    'batch-safe': (['batch', '--safe-for-spreadsheets'], '-mapped-safe.csv'),
    'batch-json': (['batch', '--json'], '-mapped.jsonl'),
    'check-json': (['check', '--json'], '-check.jsonl'),
}

COLUMNS = ['mode', 'address', 'start', 'count', 'plc', 'format', 'message_type', 'command',
           'subfunction', 'register', 'slave', 'note']


def random_table(rng, rows):
    """A mapping table as engineers keep one, with every way a table goes
    wrong: overlaps, refusals, silently read fields, hostile cells (quotes,
    line breaks inside quotes, formulas, a byte order mark), every line end,
    rows of the wrong length, stray quotes and over-long records."""
    columns = COLUMNS[:]
    rng.shuffle(columns)
    columns = columns[:len(columns) - rng.randrange(3)]
    if 'mode' not in columns:
        columns.append('mode')
    end = rng.choice(['\r\n', '\n', '\r'])
    out = ['\ufeff' if rng.random() < 0.2 else '']
    out.append(','.join(columns) + end)
    for _ in range(rows):
        slave = rng.random() < 0.65
        cells = {'mode': 'slave' if slave else rng.choice(['master', 'master', 'Slave', '']),
                 'note': rng.choice(['', '', '=SUM(A1)', '+1', '-x', '@cmd', 'say "hi"', 'two\nlines',
                                     'a,b', '\u00e9t\u00e9', '\t=1'])}
        if slave:
            cells['address'] = rng.choice(['N7:', 'B3/', 'F8:', 'N10:', 'X7:', 'I:0']) + str(rng.randrange(60))
            cells['start'] = rng.choice(['4000', '4001', '1', '3000', '1000', '']) + str(rng.randrange(10))
            cells['count'] = rng.choice(['1', '5', '12', '0', 'x', '3.5', '99999999999', '-2'])
        else:
            cells['plc'] = rng.choice(['5', '3', '', '4'])
            cells['format'] = rng.choice(['NXYZ:Z', 'NXYY:Z', 'NYXZ:Z', ''])
            cells['command'] = rng.choice(['03', '16', '1', '08', '5', 'read holding', ''])
            cells['message_type'] = rng.choice(['', 'read', 'WRITE', ' Write'])
            cells['register'] = rng.choice(['1234', '1', '70000', '4x', '', '12.5'])
            cells['slave'] = rng.choice(['5', '0', '300', '', '7'])
        fields = []
        for column in columns:
            cell = cells.get(column, '')
            if any(c in cell for c in ',"\r\n') or rng.random() < 0.05:
                cell = '"' + cell.replace('"', '""') + '"'
            fields.append(cell)
        line = ','.join(fields)
        shape = rng.random()
        if shape < 0.01:
            line += ',extra'
        elif shape < 0.015:
            line += ',"never closed'
        elif shape < 0.018:
            line += 'x' * 70000
        out.append(line + end)
    return ''.join(out).encode('utf-8')


class MappingTablePage(PageTest):
    width = 1200
    height = 1000

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.folder = Path(tempfile.mkdtemp(prefix='corvane-tables-'))
        cls.downloads = cls.folder / 'downloads'
        cls.downloads.mkdir()
        if cls.driver.corvane_engine == 'chromium':
            cls.driver.execute_cdp_cmd('Page.setDownloadBehavior',
                                       {'behavior': 'allow', 'downloadPath': str(cls.downloads)})

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def write_table(self, name, data):
        path = self.folder / name
        path.write_bytes(data)
        return path

    def status(self):
        return self.driver.find_element(By.CSS_SELECTOR, '.maptable [role="status"]').text

    def wait_for_status(self, prefix):
        WebDriverWait(self.driver, 60).until(lambda _: self.status().startswith(prefix))
        return self.status()

    def open_file(self, path):
        self.driver.find_element(By.ID, 'maptable-file').send_keys(str(path))
        return self.wait_for_status(path.name + ':')

    def download(self, kind, expected_name):
        """The bytes of a download, once Chromium has written all of them (the
        file stays the same size across several looks and no part is left)."""
        target = self.downloads / expected_name
        if target.exists():
            target.unlink()
        self.driver.find_element(By.CSS_SELECTOR, f'button[data-kind="{kind}"]').click()
        deadline = time.time() + 60
        sizes = []
        while time.time() < deadline:
            partial = list(self.downloads.glob('*.crdownload'))
            sizes.append(target.stat().st_size if target.exists() and not partial else -1)
            if len(sizes) >= 4 and sizes[-1] >= 0 and len(set(sizes[-4:])) == 1:
                return target.read_bytes()
            time.sleep(0.05)
        self.fail(f'{expected_name} was not downloaded')

    def drawn_rows(self):
        return self.driver.find_elements(By.CSS_SELECTOR, '.maptable tbody tr:not(.spacer)')

    def row_cells(self, row):
        return [cell.get_property('textContent') for cell in row.find_elements(By.CSS_SELECTOR, 'th, td')]

    def caught_downloads(self):
        """[name, size, SHA-256] of each download the page has handed the
        browser since the last call, taken from the Blob it made, without
        the browser's download manager (see test_pasted_... for that path)."""
        return self.driver.execute_async_script(
            'const done = arguments[arguments.length - 1];'
            'Promise.all(window.corvaneDownloads.splice(0)).then(done, (e) => done(String(e)));')

    @unittest.skipUnless(CLI, 'needs CORVANE_CLI, a native corvane-cli')
    def test_downloads_are_what_corvane_cli_writes_for_random_tables(self):
        self.driver.execute_script(CATCH_DOWNLOADS)
        rng = random.Random(SEED)

        def cli_output(path, arguments):
            output = subprocess.run([CLI, *arguments, str(path)], capture_output=True).stdout
            return [len(output), hashlib.sha256(output).hexdigest()]

        with concurrent.futures.ThreadPoolExecutor(2) as pool:
            for number in range(TABLES):
                rows = int(10 ** rng.uniform(0, 4))
                with self.subTest(seed=SEED, table=number, rows=rows):
                    path = self.write_table(f'table-{number:03}.csv', random_table(rng, rows))
                    wanted = {kind: pool.submit(cli_output, path, arguments)
                              for kind, (arguments, _) in DOWNLOADS.items()}
                    self.open_file(path)
                    for kind in DOWNLOADS:
                        self.driver.find_element(By.CSS_SELECTOR, f'button[data-kind="{kind}"]').click()
                    got = self.caught_downloads()
                    self.assertEqual(got, [[path.stem + suffix, *wanted[kind].result()]
                                           for kind, (_, suffix) in DOWNLOADS.items()])

    @unittest.skipUnless(CLI, 'needs CORVANE_CLI, a native corvane-cli')
    def test_the_summary_counts_what_check_finds(self):
        path = self.write_table('counted.csv', random_table(random.Random(7), 3000))
        status = self.open_file(path)
        check = subprocess.run([CLI, 'check', '--json', str(path)], capture_output=True, text=True)
        summary = __import__('json').loads(check.stdout.splitlines()[-1])
        rows = summary['rows']
        self.assertTrue(status.startswith(f'counted.csv: {rows:,} rows: '), status)
        self.assertIn(f'{summary["refused"]:,} refused', status)
        self.assertIn(f'{summary["warnings"]:,} with warnings', status)
        self.assertIn(f'{summary["overlaps"]:,} overlapping pair', status)
        # The filter leaves exactly the rows with problems, each marked.
        self.driver.find_element(By.ID, 'maptable-problems').click()
        caption = self.driver.find_element(By.CSS_SELECTOR, '.maptable caption').text
        self.assertIn(f'with problems of {rows:,} rows', caption)
        for row in self.drawn_rows():
            self.assertNotEqual(self.row_cells(row)[4], '', self.row_cells(row))

    @chromium_only('its driver drops a file through CDP')
    def test_a_dropped_file_is_read(self):
        path = self.write_table('dropped.csv', b'mode,address,start,count\r\n'
                                               b'slave,N7:0,40001,10\r\nslave,N10:0,40005,3\r\n')
        data = {'items': [], 'files': [str(path)], 'dragOperationsMask': 1}
        for event in ('dragEnter', 'dragOver', 'drop'):
            self.driver.execute_cdp_cmd('Input.dispatchDragEvent',
                                        {'type': event, 'x': 600, 'y': 300, 'data': data})
        status = self.wait_for_status('dropped.csv:')
        self.assertEqual(status, 'dropped.csv: 2 rows: 2 answered, 0 refused, 0 with warnings, '
                                 '1 overlapping pair')
        # The page is still the page: the browser did not open the file in its place.
        self.assertTrue(self.driver.current_url.endswith('corvane.html') or '#' in self.driver.current_url)

    @chromium_only('its driver pastes and downloads through CDP')
    def test_pasted_spreadsheet_rows_are_read_as_their_cells(self):
        self.driver.find_element(By.CSS_SELECTOR, '.maptable details.paste summary').click()
        box = self.driver.find_element(By.ID, 'maptable-paste')
        box.click()
        self.driver.execute_cdp_cmd('Input.insertText', {'text': (
            'mode\taddress\tstart\tcount\tnote\n'
            'slave\tN7:0\t40001\t10\t"two\nlines"\n'
            'slave\tN7:20\t40005\tx\ta,b\n')})
        self.driver.find_element(By.XPATH, "//button[text()='Read the rows']").click()
        status = self.wait_for_status('pasted rows:')
        self.assertEqual(status, 'pasted rows: 2 rows: 1 answered, 0 refused, 1 with warnings, '
                                 '0 overlapping pairs')
        cells = self.row_cells(self.drawn_rows()[1])
        self.assertEqual(cells[:4], ['2', 'slave', 'address N7:20, start 40005, count x',
                                     'file 7 word 20 modicon 40005-40004'])
        self.assertIn('count "x" holds no number: read as 0', cells[4])
        if CLI:
            same = self.write_table('pasted.csv', b'mode,address,start,count,note\r\n'
                                                  b'slave,N7:0,40001,10,"two\nlines"\r\n'
                                                  b'slave,N7:20,40005,x,"a,b"\r\n')
            want = subprocess.run([CLI, 'batch', str(same)], capture_output=True).stdout
            self.assertEqual(self.download('batch', 'pasted-mapped.csv'), want)

    def test_a_table_that_cannot_be_read_says_why(self):
        path = self.write_table('broken.csv', b'"mode,address\nslave,N7:0\n')
        self.driver.find_element(By.ID, 'maptable-file').send_keys(str(path))
        status = self.wait_for_status('broken.csv cannot be read')
        self.assertIn('the header row breaks the CSV format', status)
        self.assertFalse(self.driver.find_element(By.CSS_SELECTOR, '.maptable .tools').is_displayed())
        # A file over the limit is refused by its size, unread.
        huge = self.folder / 'huge.csv'
        with open(huge, 'wb') as file:
            file.truncate(100 * 1000 * 1000 + 1)
        self.driver.find_element(By.ID, 'maptable-file').send_keys(str(huge))
        status = self.wait_for_status('huge.csv is')
        self.assertIn('at most 100,000,000 bytes', status)

    def test_only_the_rows_in_view_are_drawn_and_the_keyboard_walks_them(self):
        lines = ['mode,address,start,count'] + [f'slave,N10:{i},{40001 + i},1' for i in range(5000)]
        path = self.write_table('long.csv', ('\n'.join(lines) + '\n').encode())
        self.open_file(path)
        self.assertLess(len(self.drawn_rows()), 100)
        table = self.driver.find_element(By.CSS_SELECTOR, '.maptable table')
        self.assertEqual(table.get_attribute('aria-rowcount'), '5001')
        first = self.driver.find_element(By.CSS_SELECTOR, '.maptable tbody button[data-row="0"]')
        first.click()
        self.keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.END)
        self.assertEqual(self.focused_row(), ['4999', 'Row 5000, show in the window'])
        self.keys(Keys.HOME, Keys.ARROW_DOWN, Keys.ENTER)
        detail = self.driver.find_element(By.CSS_SELECTOR, '.maptable .detail')
        self.assertIn('Row 2', detail.text)
        self.assertIn('file 10 word 1 modicon 40002-40002', detail.text)
        self.assertLess(len(self.drawn_rows()), 100)

    def test_a_row_chosen_fills_the_window_and_names_its_overlaps(self):
        path = self.write_table('chosen.csv', b'mode,address,start,count\n'
                                              b'slave,N7:4/5,40001,10\nslave,N10:0,40008,4\n'
                                              b'slave,X9:0,40101,4\n')
        self.open_file(path)
        self.driver.find_element(By.CSS_SELECTOR, '.maptable tbody button[data-row="0"]').click()
        WebDriverWait(self.driver, 10).until(lambda _: self.text('DataFileTxt') == 'N7:4/5')
        self.assert_focus_on_row('0')
        self.assertTrue(self.control('SlaveOpt').is_selected())
        self.assertEqual(self.text('StartRegTxt'), '40001')
        self.assertEqual(self.text('NumRegTxt'), '10')
        WebDriverWait(self.driver, 10).until(lambda _: self.text('ModStartTxt') == '40001')
        self.assertEqual(self.text('ModEndTxt'), '40010')
        # The details name the overlapping row; choosing it moves there.
        detail = self.driver.find_element(By.CSS_SELECTOR, '.maptable .detail')
        self.assertIn('Row 1', detail.text)
        detail.find_element(By.CSS_SELECTOR, 'button[data-row="1"]').click()
        WebDriverWait(self.driver, 10).until(lambda _: self.text('DataFileTxt') == 'N10:0')
        # The focus stays with the table's row, chosen by the mouse or the keyboard.
        self.assert_focus_on_row('1')
        # A refused row brings its request, not its error box: the user stays
        # in the table, whose details say why.
        self.keys(Keys.ARROW_DOWN, Keys.ENTER)
        WebDriverWait(self.driver, 10).until(lambda _: self.text('DataFileTxt') == 'X9:0')
        self.assertIsNone(self.error_box())
        self.assert_focus_on_row('2')
        self.assertIn('Row 3, its request in the window above', detail.text)
        self.assertEqual(self.text('ModStartTxt'), '')
        self.keys(Keys.ARROW_UP, Keys.ARROW_UP, Keys.ENTER)
        WebDriverWait(self.driver, 10).until(lambda _: self.text('DataFileTxt') == 'N7:4/5')
        self.assert_focus_on_row('0')

    def focused_row(self):
        """[data-row, aria-label] of the focused row button, read in one
        script: the table draws the rows around the focused one again as it
        scrolls, so an element found a moment earlier may be gone. None when
        the focus is on no row of the table."""
        return self.driver.execute_script(
            'const e = document.activeElement;'
            'return e && e.closest("tbody") && e.dataset.row !== undefined'
            '    ? [e.dataset.row, e.getAttribute("aria-label")] : null;')

    def assert_focus_on_row(self, row):
        focused = self.focused_row()
        self.assertIsNotNone(focused, 'the focus is on no row of the table')
        self.assertEqual(focused[0], row)

    def test_the_section_is_named_for_assistive_technology(self):
        names = self.driver.execute_script('''
            const name = (selector) => {
                const node = document.querySelector(selector);
                return node.getAttribute('aria-label') ||
                    (node.labels && node.labels[0] && node.labels[0].textContent) ||
                    (node.getAttribute('aria-labelledby') &&
                     document.getElementById(node.getAttribute('aria-labelledby')).textContent);
            };
            return [name('#maptable-file'), name('#maptable-paste'), name('section.maptable')];''')
        self.assertEqual(names[0], 'Open a mapping table')
        self.assertTrue(names[1].startswith('Rows copied from a spreadsheet'))
        self.assertEqual(names[2], 'Mapping table')
        path = self.write_table('named.csv', b'mode,address,start,count\nslave,N7:0,40001,10\n')
        self.open_file(path)
        headers = [cell.get_property('textContent') for cell in
                   self.driver.find_elements(By.CSS_SELECTOR, '.maptable thead th[scope="col"]')]
        self.assertEqual(headers, ['Row', 'Mode', 'Request', 'Answer', 'Problems'])
        self.assertEqual(self.driver.find_element(By.CSS_SELECTOR, '.maptable caption').text,
                         'named.csv, 1 row')

    @chromium_only('its driver prints to PDF through CDP')
    def test_the_map_sheet_prints_every_row_in_black(self):
        lines = ['mode,address,start,count', 'slave,N7:0,40001,10', 'slave,X17:0,40001,1',
                 'slave,N10:0,40005,2']
        path = self.write_table('sheet.csv', ('\n'.join(lines) + '\n').encode())
        self.open_file(path)
        # The browser's print dialog is the user's; the test prints to PDF instead.
        self.driver.execute_script('window.print = () => {};')
        self.driver.find_element(By.XPATH, "//button[text()='Print map sheet']").click()
        self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': 'print'})
        try:
            colours = self.driver.execute_script('''
                const sheet = document.querySelector('.mapsheet');
                return [getComputedStyle(sheet).color, getComputedStyle(document.body).backgroundColor,
                        document.querySelector('.window.main').getClientRects().length];''')
        finally:
            self.driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'media': ''})
        pdf = self.folder / 'sheet.pdf'
        pdf.write_bytes(base64.b64decode(self.driver.print_page()))
        text = subprocess.run(['pdftotext', '-layout', str(pdf), '-'], capture_output=True,
                              text=True, check=True).stdout
        self.assertIn('Corvane mapping table: sheet.csv', text)
        self.assertIn('3 rows: 2 answered, 1 refused, 0 with warnings, 1 overlapping pair', text)
        self.assertIn('file 10 word 0 modicon 40005-40006', text)
        self.assertIn('refused, error 12', text)
        self.assertNotIn('Translate', text)
        self.assertEqual(colours, ['rgb(0, 0, 0)', 'rgb(255, 255, 255)', 0])


if __name__ == '__main__':
    unittest.main()
