// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The mapping table: a section below the window, outside it, that reads a
// whole gateway map (a CSV file opened or dropped, or rows pasted from a
// spreadsheet), shows every row as the core translated it, its refusals,
// warnings and overlaps, fills the window with a row chosen, and downloads
// and prints the result. Uses element() from dom.js. The core holds the
// table and every rule: this script draws the rows that are in view and asks
// the core for each as it scrolls in.

// Every row is one line of this height, so that a million rows scroll
// without a million elements: only the rows in view are in the document.
const kRowHeight = 26;
// The rows drawn beyond the view on either side, so that a short scroll
// shows rows at once.
const kRowsAround = 10;
// A file larger than this is refused before it is read: the page holds the
// table, its marks and the downloads in the tab's memory.
const kLargestTable = 100 * 1000 * 1000;
// The longest a slice of reading keeps the page busy, in milliseconds: the
// window above answers between slices.
const kSliceTime = 25;
// The overlapping rows a row's details name; the rest are counted.
const kMostNamedOverlaps = 12;
// A printed sheet holds at most this many rows.
const kMostPrintedRows = 20000;
// The marks of a row (the core's RowMark bits).
const kMark = {refused: 1, invalid: 2, warned: 4, overlaps: 8, master: 16};
const kProblems = kMark.refused | kMark.invalid | kMark.warned | kMark.overlaps;
// The columns that carry a request, in the order the table shows them.
const kRequestColumns = ['address', 'start', 'count', 'plc', 'format', 'message_type', 'command',
    'subfunction', 'register', 'slave'];

// "1 row", "2,000 rows"
function counted(count, one, many) {
    return count.toLocaleString('en-US') + ' ' + (count === 1 ? one : many);
}

// The summary line of a table that has been read.
// "2,000 rows: 1,987 answered, 9 refused, 4 with warnings, 3 overlapping pairs"
function summaryLine(tally) {
    const parts = [tally.answered.toLocaleString('en-US') + ' answered',
        tally.refused.toLocaleString('en-US') + ' refused'];
    if (tally.invalid > 0)
        parts.push(tally.invalid.toLocaleString('en-US') + ' invalid');
    parts.push(tally.warned.toLocaleString('en-US') + ' with warnings',
        counted(tally.overlaps, 'overlapping pair', 'overlapping pairs'));
    return counted(tally.rows, 'row', 'rows') + ': ' + parts.join(', ');
}

// Hands the event loop a turn, so that the page draws and answers input.
function nextTurn() {
    return new Promise((resolve) => setTimeout(resolve, 0));
}

class MappingTableSection {
    // `chooseRow(link, answered)` fills the window with the request a link
    // carries, and with its answer when the row is answered.
    constructor(core, chooseRow) {
        this.core = core;
        this.chooseRow = chooseRow;
        this.decoder = new TextDecoder();
        this.generation = 0;
        this.name = '';
        this.header = [];
        this.marks = new Uint8Array(0);
        this.shown = null;      // the rows the filter leaves, or null for all
        this.cache = new Map(); // row index -> row as the core shows it
        this.selected = -1;
        this.focused = 0;       // position in the view of the row that takes the focus
        this.build();
    }

    build() {
        const section = element('section', 'maptable', {'aria-labelledby': 'maptable-heading'});
        this.section = section;
        const heading = element('h2', '', {id: 'maptable-heading'});
        heading.textContent = 'Mapping table';
        const intro = element('p', 'intro');
        intro.textContent = 'Open a whole gateway map, the CSV table that corvane-cli batch reads '
            + '(slave rows: mode, address, start, count; master rows: mode, plc, format, '
            + 'message_type, command, subfunction, register, slave), drop it here, or paste rows '
            + 'copied from a spreadsheet. Every row is translated and checked on this machine; '
            + 'nothing leaves it.';

        const open = element('div', 'open');
        const fileLabel = element('label', 'button', {for: 'maptable-file'});
        fileLabel.textContent = 'Open a CSV file…';
        this.fileInput = element('input', '', {type: 'file', id: 'maptable-file',
            accept: '.csv,.txt,text/csv,text/plain', 'aria-label': 'Open a mapping table'});
        this.fileInput.addEventListener('change', () => {
            const file = this.fileInput.files[0];
            if (file)
                this.openFile(file);
            this.fileInput.value = '';
        });
        const dropHint = element('span', 'hint');
        dropHint.textContent = 'or drop a file anywhere on the page';
        open.append(fileLabel, this.fileInput, dropHint);

        const paste = element('details', 'paste', {'aria-labelledby': 'maptable-paste-summary'});
        const pasteSummary = element('summary', '', {id: 'maptable-paste-summary'});
        pasteSummary.textContent = 'Paste rows';
        const pasteLabel = element('label', '', {for: 'maptable-paste'});
        pasteLabel.textContent = 'Rows copied from a spreadsheet (tab-separated) or typed as CSV, '
            + 'the header row first';
        this.pasteBox = element('textarea', '', {id: 'maptable-paste', rows: '6', spellcheck: 'false',
            placeholder: 'mode\taddress\tstart\tcount\nslave\tN7:0\t40001\t10'});
        const pasteButton = element('button', '', {type: 'button'});
        pasteButton.textContent = 'Read the rows';
        pasteButton.addEventListener('click', () => this.openPasted());
        this.pasteBox.addEventListener('keydown', (event) => {
            if (event.key === 'Enter' && (event.ctrlKey || event.metaKey)) {
                event.preventDefault();
                this.openPasted();
            }
        });
        paste.append(pasteSummary, pasteLabel, this.pasteBox, pasteButton);

        this.progress = element('progress', '', {max: '1', value: '0', 'aria-label': 'Reading the table'});
        this.progress.hidden = true;
        this.status = element('p', 'status', {role: 'status'});

        const tools = element('div', 'tools');
        tools.hidden = true;
        this.tools = tools;
        const filterLabel = element('label');
        this.filter = element('input', '', {type: 'checkbox', id: 'maptable-problems'});
        this.filter.addEventListener('change', () => this.applyFilter());
        filterLabel.append(this.filter, ' Show only rows with problems');
        const downloads = element('div', 'downloads', {role: 'group', 'aria-label': 'Download'});
        const kinds = [
            ['batch', 'CSV', 'Download the table with its results as CSV, as corvane-cli batch writes it'],
            ['batch-safe', 'CSV for spreadsheets', 'Download the CSV with formula-like cells made safe, as corvane-cli batch --safe-for-spreadsheets writes it'],
            ['batch-json', 'JSON Lines', 'Download one JSON result per row, as corvane-cli batch --json writes it'],
            ['check-json', 'Check findings', 'Download the refusals, warnings and overlaps, as corvane-cli check --json writes them'],
        ];
        const downloadLabel = element('span');
        downloadLabel.textContent = 'Download:';
        downloads.append(downloadLabel);
        for (const [kind, text, title] of kinds) {
            const button = element('button', '', {type: 'button', title, 'data-kind': kind});
            button.textContent = text;
            button.addEventListener('click', () => this.download(kind));
            downloads.append(button);
        }
        const print = element('button', '', {type: 'button'});
        print.textContent = 'Print map sheet';
        print.addEventListener('click', () => this.print());
        tools.append(filterLabel, downloads, print);

        this.detail = element('div', 'detail', {'aria-live': 'polite'});
        this.detail.hidden = true;

        this.scroller = element('div', 'scroller');
        this.scroller.hidden = true;
        this.table = element('table', 'rows');
        this.caption = element('caption');
        const head = element('thead');
        const headRow = element('tr', '', {'aria-rowindex': '1'});
        for (const name of ['Row', 'Mode', 'Request', 'Answer', 'Problems']) {
            const cell = element('th', 'col-' + name.toLowerCase(), {scope: 'col'});
            cell.textContent = name;
            headRow.append(cell);
        }
        head.append(headRow);
        this.body = element('tbody');
        this.table.append(this.caption, head, this.body);
        this.scroller.append(this.table);
        this.scroller.addEventListener('scroll', () => this.scheduleRender());
        this.body.addEventListener('keydown', (event) => this.onKey(event));
        this.body.addEventListener('click', (event) => {
            const button = event.target.closest('button[data-row]');
            if (button)
                this.select(Number(button.dataset.row), button.dataset.position);
        });
        this.detail.addEventListener('click', (event) => {
            const button = event.target.closest('button[data-row]');
            if (button)
                this.reveal(Number(button.dataset.row));
        });

        section.append(heading, intro, open, paste, this.progress, this.status, tools,
            this.detail, this.scroller);
        // A file dropped anywhere on the page is a table: the browser would
        // otherwise open it in place of the page.
        document.addEventListener('dragover', (event) => {
            if (event.dataTransfer && Array.from(event.dataTransfer.types).includes('Files')) {
                event.preventDefault();
                event.dataTransfer.dropEffect = 'copy';
                section.classList.add('dropping');
            }
        });
        document.addEventListener('dragleave', (event) => {
            if (!event.relatedTarget)
                section.classList.remove('dropping');
        });
        document.addEventListener('drop', (event) => {
            section.classList.remove('dropping');
            if (!event.dataTransfer || event.dataTransfer.files.length === 0)
                return;
            event.preventDefault();
            this.openFile(event.dataTransfer.files[0]);
        });
        window.addEventListener('afterprint', () => this.endPrint());
    }

    async openFile(file) {
        if (file.size > kLargestTable) {
            this.refuse(file.name + ' is ' + counted(file.size, 'byte', 'bytes')
                + ': the page reads tables of at most ' + counted(kLargestTable, 'byte', 'bytes')
                + '. corvane-cli batch and check read a table of any size.');
            return;
        }
        const generation = ++this.generation;
        this.announce('Reading ' + file.name + '…');
        let bytes;
        try {
            bytes = new Uint8Array(await file.arrayBuffer());
        } catch (error) {
            if (generation === this.generation)
                this.refuse(file.name + ' cannot be read: ' + (error && error.message || error));
            return;
        }
        if (generation === this.generation)
            await this.read(bytes, file.name, false, generation);
    }

    openPasted() {
        const text = this.pasteBox.value;
        if (text.trim() === '') {
            this.refuse('Paste or type the rows first, the header row first.');
            this.pasteBox.focus();
            return;
        }
        this.read(new TextEncoder().encode(text), 'pasted rows', true, ++this.generation);
    }

    // Reads the table in slices, drawing the progress between them.
    async read(bytes, name, pasted, generation) {
        performance.mark('corvane-table-opened');
        this.clear();
        this.name = name;
        if (bytes.length > kLargestTable) {
            this.refuse(name + ' are ' + counted(bytes.length, 'byte', 'bytes')
                + ': the page reads tables of at most ' + counted(kLargestTable, 'byte', 'bytes') + '.');
            return;
        }
        this.core.tableBuffer(bytes.length).set(bytes);
        bytes = null;
        const problem = this.core.openTable(pasted);
        if (problem) {
            this.refuse(name + ' cannot be read: ' + problem + '.');
            return;
        }
        const started = performance.now();
        let slice = 20000;
        this.progress.value = 0;
        for (;;) {
            const before = performance.now();
            const more = this.core.readRows(slice);
            if (!more)
                break;
            const spent = Math.max(performance.now() - before, 1);
            slice = Math.max(1000, Math.min(500000, Math.round(slice * kSliceTime / spent)));
            this.progress.hidden = false;
            this.progress.value = this.core.tableProgress();
            await nextTurn();
            if (generation !== this.generation)
                return;
        }
        this.progress.hidden = true;
        this.marks = this.core.rowMarks().slice();
        this.header = this.core.tableHeader();
        this.columns = new Map();
        this.header.forEach((title, index) => {
            const key = title.trim().toLowerCase();
            if (!this.columns.has(key))
                this.columns.set(key, index);
        });
        this.tally = this.core.tableTally();
        this.readTime = performance.now() - started;
        this.showTable();
    }

    clear() {
        this.core.closeTable();
        this.marks = new Uint8Array(0);
        this.shown = null;
        this.cache.clear();
        this.selected = -1;
        this.focused = 0;
        this.tally = null;
        this.progress.hidden = true;
        this.tools.hidden = true;
        this.scroller.hidden = true;
        this.detail.hidden = true;
        this.body.replaceChildren();
    }

    refuse(message) {
        this.clear();
        this.section.classList.add('refused');
        this.announce(message);
    }

    announce(message) {
        this.status.textContent = message;
    }

    showTable() {
        this.section.classList.remove('refused');
        const summary = summaryLine(this.tally);
        this.announce(this.name + ': ' + summary);
        this.tools.hidden = this.tally.rows === 0 && this.header.length === 0;
        this.filter.checked = false;
        this.applyFilter();
        this.scroller.hidden = this.tally.rows === 0;
        performance.mark('corvane-table-shown');
    }

    applyFilter() {
        if (this.filter.checked) {
            const rows = [];
            for (let i = 0; i < this.marks.length; ++i) {
                if (this.marks[i] & kProblems)
                    rows.push(i);
            }
            this.shown = Uint32Array.from(rows);
        } else {
            this.shown = null;
        }
        const count = this.viewLength();
        this.caption.textContent = this.name + ', ' + (this.shown
            ? counted(count, 'row', 'rows') + ' with problems of ' + counted(this.marks.length, 'row', 'rows')
            : counted(count, 'row', 'rows'));
        this.table.setAttribute('aria-rowcount', String(count + 1));
        this.focused = Math.min(this.focused, Math.max(count - 1, 0));
        this.scroller.scrollTop = 0;
        this.render();
    }

    viewLength() {
        return this.shown ? this.shown.length : this.marks.length;
    }

    rowAt(position) {
        return this.shown ? this.shown[position] : position;
    }

    // The row as the core shows it: cells, result, lines, link, overlaps.
    rowData(index) {
        let row = this.cache.get(index);
        if (!row) {
            row = JSON.parse(this.decoder.decode(this.core.tableRow(index)));
            if (this.cache.size > 2000)
                this.cache.clear();
            this.cache.set(index, row);
        }
        return row;
    }

    scheduleRender() {
        if (!this.pending)
            this.pending = requestAnimationFrame(() => {
                this.pending = 0;
                this.render();
            });
    }

    // Draws the rows in view, between two spacers that stand for the rest.
    render() {
        const count = this.viewLength();
        // The scroller grows with its rows up to its largest height: as many
        // rows as that holds are drawn, whatever its height at this moment.
        const largest = parseFloat(getComputedStyle(this.scroller).maxHeight) || 640;
        const visible = Math.ceil(Math.max(this.scroller.clientHeight, largest) / kRowHeight);
        const first = Math.max(0, Math.floor(this.scroller.scrollTop / kRowHeight) - kRowsAround);
        const last = Math.min(count, first + visible + 2 * kRowsAround);
        const focusInside = this.body.contains(document.activeElement);
        const rows = [];
        if (first > 0)
            rows.push(this.spacer(first));
        for (let position = first; position < last; ++position)
            rows.push(this.drawRow(position));
        if (last < count)
            rows.push(this.spacer(count - last));
        this.body.replaceChildren(...rows);
        if (focusInside)
            this.focusRow(this.focused, false);
    }

    spacer(rows) {
        const spacer = element('tr', 'spacer', {'aria-hidden': 'true'});
        spacer.style.height = rows * kRowHeight + 'px';
        return spacer;
    }

    drawRow(position) {
        const index = this.rowAt(position);
        const mark = this.marks[index];
        const row = this.rowData(index);
        const line = element('tr', '', {'aria-rowindex': String(position + 2)});
        if (mark & (kMark.refused | kMark.invalid))
            line.classList.add('is-refused');
        else if (mark & kMark.warned)
            line.classList.add('is-warned');
        if (mark & kMark.overlaps)
            line.classList.add('is-overlapping');
        if (index === this.selected)
            line.setAttribute('aria-current', 'true');

        const number = element('th', 'col-row', {scope: 'row'});
        const button = element('button', '', {type: 'button', 'data-row': String(index),
            'data-position': String(position), tabindex: position === this.focused ? '0' : '-1'});
        button.textContent = String(index + 1);
        button.setAttribute('aria-label', 'Row ' + (index + 1) + ', show in the window');
        number.append(button);
        line.append(number, ...this.cells(row, mark));
        return line;
    }

    // The cells after the row's number: mode, request, answer, problems.
    cells(row, mark) {
        const fits = row.cells.length === this.header.length;
        return [fits ? this.cellOf(row, 'mode') : '', this.requestText(row), this.answerText(row),
            this.problemText(row, mark)].map((text) => this.cell(text));
    }

    cell(text) {
        const cell = element('td');
        cell.textContent = text;
        cell.title = text;
        return cell;
    }

    cellOf(row, column) {
        const index = this.columns.get(column);
        return index === undefined || index >= row.cells.length ? '' : row.cells[index];
    }

    // "address N7:0, start 40001, count 10"; the cells as they stand when
    // they do not fit the header.
    requestText(row) {
        if (row.cells.length !== this.header.length)
            return row.cells.join(', ');
        const parts = [];
        for (const column of kRequestColumns) {
            const value = this.cellOf(row, column);
            if (value !== '')
                parts.push(column.replace('_', ' ') + ' ' + value);
        }
        return parts.join(', ');
    }

    answerText(row) {
        const result = row.result;
        if (result.ok)
            return row.lines[0] || '';
        // An error box: its title first, then what it says.
        return result.error !== undefined ? result.error : row.lines.slice(1).join(' ');
    }

    problemText(row, mark) {
        const problems = [];
        if (mark & kMark.refused)
            problems.push('refused, error ' + row.result.code);
        if (mark & kMark.invalid)
            problems.push('invalid');
        if (row.warnings.length)
            problems.push('warning: ' + row.warnings.join('; '));
        if (mark & kMark.overlaps) {
            const others = row.overlaps.slice(0, 3).map((other) => other.row);
            const total = row.overlaps.length + row.more;
            problems.push(total === 1 ? 'overlaps row ' + others[0]
                : 'overlaps ' + counted(total, 'row', 'rows') + ': ' + others.join(', ')
                    + (total > others.length ? ', …' : ''));
        }
        return problems.join('; ');
    }

    onKey(event) {
        const count = this.viewLength();
        const page = Math.max(1, Math.floor(this.scroller.clientHeight / kRowHeight) - 1);
        const moves = {ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page,
            Home: -count, End: count};
        if (!(event.key in moves) || count === 0)
            return;
        event.preventDefault();
        this.focusRow(Math.max(0, Math.min(count - 1, this.focused + moves[event.key])), true);
    }

    // Moves the keyboard's row, scrolling it into view.
    focusRow(position, scroll) {
        this.focused = position;
        if (scroll) {
            const top = position * kRowHeight;
            const headHeight = this.table.tHead.offsetHeight;
            if (top < this.scroller.scrollTop)
                this.scroller.scrollTop = top;
            else if (top + kRowHeight > this.scroller.scrollTop + this.scroller.clientHeight - headHeight)
                this.scroller.scrollTop = top + kRowHeight - this.scroller.clientHeight + headHeight;
            this.render();
        }
        for (const button of this.body.querySelectorAll('button[data-row]'))
            button.tabIndex = Number(button.dataset.position) === position ? 0 : -1;
        const button = this.body.querySelector('button[data-position="' + position + '"]');
        if (button)
            button.focus({preventScroll: true});
    }

    // Shows a row's details and fills the window with its request.
    select(index, position) {
        this.selected = index;
        if (position !== undefined)
            this.focused = Number(position);
        for (const line of this.body.querySelectorAll('tr[aria-current]'))
            line.removeAttribute('aria-current');
        const button = this.body.querySelector('button[data-row="' + index + '"]');
        if (button)
            button.closest('tr').setAttribute('aria-current', 'true');
        const row = this.rowData(index);
        this.showDetail(row);
        if (row.link)
            this.chooseRow(row.link, row.result.ok !== false);
    }

    // Selects a row named in the details, showing all rows if the filter
    // hides it.
    reveal(index) {
        let position = this.shown ? this.shown.indexOf(index) : index;
        if (position < 0) {
            this.filter.checked = false;
            this.applyFilter();
            position = index;
        }
        this.focusRow(position, true);
        this.select(index, position);
    }

    showDetail(row) {
        const detail = this.detail;
        detail.hidden = false;
        const title = element('h3');
        title.textContent = 'Row ' + row.row + (!row.link ? ''
            : row.result.ok === false ? ', its request in the window above' : ', shown in the window above');
        const cells = element('dl', 'cells');
        row.cells.forEach((value, i) => {
            if (value === '')
                return;
            const name = element('dt');
            name.textContent = this.header[i] === undefined ? 'column ' + (i + 1) : this.header[i];
            const text = element('dd');
            text.textContent = value;
            cells.append(name, text);
        });
        const lines = element('p', 'answer');
        lines.textContent = row.lines.join('\n');
        const parts = [title, cells, lines];
        if (row.warnings.length) {
            const list = element('ul', 'warnings', {'aria-label': 'Warnings'});
            for (const warning of row.warnings) {
                const item = element('li');
                item.textContent = 'Warning: ' + warning;
                list.append(item);
            }
            parts.push(list);
        }
        if (row.overlaps.length) {
            const list = element('ul', 'overlaps', {'aria-label': 'Rows it overlaps, and the numbers they share'});
            for (const other of row.overlaps.slice(0, kMostNamedOverlaps)) {
                const item = element('li');
                const button = element('button', '', {type: 'button', 'data-row': String(other.row - 1)});
                button.textContent = 'Row ' + other.row;
                button.title = 'Shares ' + (other.start === other.end ? other.start
                    : other.start + '-' + other.end) + ' with this row';
                item.append(button, ' ' + (other.start === other.end ? other.start
                    : other.start + '-' + other.end));
                list.append(item);
            }
            const rest = row.overlaps.length + row.more - kMostNamedOverlaps;
            if (rest > 0) {
                const item = element('li');
                item.textContent = 'and ' + counted(rest, 'more row', 'more rows');
                list.append(item);
            }
            parts.push(list);
        }
        detail.replaceChildren(...parts);
    }

    // The file names of the downloads: "map.csv" -> "map-mapped.csv".
    downloadName(kind) {
        const base = this.name === 'pasted rows' ? 'pasted' : this.name.replace(/\.[^.]*$/, '');
        return {
            'batch': base + '-mapped.csv',
            'batch-safe': base + '-mapped-safe.csv',
            'batch-json': base + '-mapped.jsonl',
            'check-json': base + '-check.jsonl',
        }[kind];
    }

    // Hands the browser the bytes corvane-cli writes for this table.
    download(kind) {
        const pieces = [];
        this.core.download(kind, (piece) => pieces.push(piece.slice()));
        const type = kind.endsWith('json') ? 'application/x-ndjson' : 'text/csv';
        const url = URL.createObjectURL(new Blob(pieces, {type}));
        const link = element('a', '', {href: url, download: this.downloadName(kind)});
        link.hidden = true;
        document.body.append(link);
        link.click();
        link.remove();
        setTimeout(() => URL.revokeObjectURL(url), 60000);
    }

    // The map sheet: the rows in view (all, or those with problems), one
    // per printed line, with the file's name, the row count and the date.
    print() {
        this.endPrint();
        const sheet = element('section', 'mapsheet');
        const title = element('h1');
        title.textContent = 'Corvane mapping table: ' + this.name;
        const facts = element('p');
        const count = this.viewLength();
        facts.textContent = counted(this.marks.length, 'row', 'rows')
            + (this.shown ? ', ' + counted(count, 'row', 'rows') + ' with problems printed' : '')
            + '; printed ' + new Date().toLocaleString('en-GB', {dateStyle: 'long', timeStyle: 'short'});
        const summary = element('p');
        summary.textContent = summaryLine(this.tally);
        const table = element('table');
        const head = element('tr');
        for (const name of ['Row', 'Mode', 'Request', 'Answer', 'Problems']) {
            const cell = element('th', '', {scope: 'col'});
            cell.textContent = name;
            head.append(cell);
        }
        const thead = element('thead');
        thead.append(head);
        const tbody = element('tbody');
        const printed = Math.min(count, kMostPrintedRows);
        for (let position = 0; position < printed; ++position) {
            const index = this.rowAt(position);
            const mark = this.marks[index];
            const row = this.rowData(index);
            const line = element('tr', mark & kProblems ? 'problem' : '');
            const number = element('th', '', {scope: 'row'});
            number.textContent = (mark & kProblems ? '! ' : '') + (index + 1);
            line.append(number, ...this.cells(row, mark));
            tbody.append(line);
        }
        table.append(thead, tbody);
        sheet.append(title, facts, summary, table);
        if (printed < count) {
            const rest = element('p');
            rest.textContent = 'The first ' + counted(printed, 'row is', 'rows are') + ' printed; '
                + 'download the CSV for all ' + counted(count, 'row', 'rows') + '.';
            sheet.append(rest);
        }
        document.body.append(sheet);
        document.body.classList.add('print-map');
        window.print();
    }

    endPrint() {
        document.body.classList.remove('print-map');
        for (const sheet of document.querySelectorAll('.mapsheet'))
            sheet.remove();
    }
}
