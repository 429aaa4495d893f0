// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The main window, MainWindow, and its form; scaling it to the screen; the
// window's state in the page's address; copying an answer; Exit, which takes
// it off the page ("Corvane has ended."), and start(), which puts it up. Uses
// dom.js, DropDown from dropdown.js, and titleBar(), errorBox and AboutWindow
// from dialogs.js.
//
// The page draws Corvane's window from the core's control table and lets the
// core's handlers drive it through a form object; it holds no rule of its
// own. The DOM controls are the window's only state, as in the desktop
// window: every handler reads them when it runs.

const kMargin = 16;

// The window on the page, if any.
let current = null;

// The window keeps its design size and grows with the browser's zoom; it is
// scaled down only where the screen itself is narrower or lower than the
// window, and then to fit both ways. Zoom makes the viewport hold fewer CSS
// pixels but leaves the browser window as wide as it was, so the ratio of the
// two undoes it (1 where a browser reports no outer size).
function fitToViewport() {
    const win = screen.querySelector('.window.main');
    if (!win)
        return;
    const width = win.offsetWidth + 2;
    const height = win.offsetHeight + 2;
    const zoom = window.outerWidth > window.innerWidth * 1.05 ? window.outerWidth / window.innerWidth : 1;
    const above = fit.offsetTop - kMargin;
    const scale = Math.min(1,
        (document.documentElement.clientWidth * zoom - 2 * kMargin) / width,
        (window.innerHeight * zoom - 2 * kMargin - above) / height);
    screen.dataset.scale = String(scale);
    screen.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    screen.style.setProperty('--hit', kTouchTarget / scale + 'px');
    fit.style.width = width * scale + 'px';
    fit.style.height = height * scale + 'px';
    if (current)
        current.placeHitAreas();
}

// The window's state in the fragment of the page's address (answers/link.h),
// rewritten in place, so that no history entry piles up. Browsers refuse
// rewrites that come too fast (WebKit throws after 100 in 30 s, Chromium holds
// them back after 200 in 10 s): it is written at most every 350 ms.
const kLinkInterval = 350;
const kPlcMarks = {'3': 'PLC3Opt', '5': 'PLC5Opt'};
const kFormatMarks = {'NXYY:Z': 'XYYOpt', 'NXYZ:Z': 'XYZOpt', 'NYXZ:Z': 'YXZOpt'};
let linkTimer = 0;
let linkWrittenAt = -Infinity;
let linkWritten = null;

function scheduleLink() {
    if (linkTimer)
        return;
    linkTimer = setTimeout(() => {
        linkTimer = 0;
        if (!current || !current.isShown())
            return;
        const fragment = current.linkFragment();
        if (fragment === linkWritten)
            return;
        linkWritten = fragment;
        linkWrittenAt = performance.now();
        history.replaceState(history.state, '', '#' + fragment);
    }, Math.max(0, linkWrittenAt + kLinkInterval - performance.now()));
}

// The main window, built from the control table; its DOM controls are the
// window's state.
class MainWindow {
    constructor(core, onExit) {
        this.core = core;
        this.onExit = onExit;
        this.outer = new Map();   // control name -> positioned element
        this.inner = new Map();   // control name -> element holding text, choice or focus
        this.dropDowns = new Map();
        this.rows = new Map();
        this.about = null;
        this.deferred = null;
        const table = core.mainWindow();
        document.documentElement.style.setProperty('--heading', table.headingColour);

        this.win = element('main', 'window main', {'aria-labelledby': 'main-caption'});
        const {bar, caption} = titleBar('main-caption', () => this.exit(), 'Close Corvane');
        this.caption = caption;
        this.client = element('div', 'client');
        this.client.style.width = table.clientWidth + 'px';
        // Each answer is read out with its caption once per translation, here.
        this.announcer = element('div', 'announcer', {role: 'status', 'aria-live': 'polite'});
        this.win.append(bar, this.client, this.announcer);

        for (const row of table.controls) {
            this.rows.set(row.name, row);
            const parent = row.parent ? this.outer.get(row.parent) : this.client;
            parent.append(this.create(row));
        }
        // A box holds the entries the table gives it from the start, before Form_Load.
        for (const row of table.controls) {
            if (row.entries.length > 0)
                this.dropDowns.get(row.name).refill(row.text, row.entries);
        }
        this.hints = table.hints;
        for (const [field, hint] of Object.entries(table.hints))
            this.inner.get(field).setAttribute('aria-describedby',
                [hint, ...(this.rows.get(field).toolTip ? [field + '-tip'] : [])].join(' '));
        this.groups = table.groups.map((group) => this.addGroup(group));
        this.answers = new Map();
        for (const {box, answers} of table.answerBoxes)
            this.addAnswerBox(box, answers);
        this.orderForKeyboard(table.tabOrder);
        this.client.addEventListener('input', () => scheduleLink());
        screen.replaceChildren(this.win);
        this.form = this.makeForm();
        core.formLoad(this.form);
        this.afterChange();
    }

    // Controls that a caption above them names as one group: the group holds
    // them with their labels and hints, and leaves their places as they are.
    addGroup({caption, role, members}) {
        const group = element('div', 'group', {role, 'aria-labelledby': caption});
        const nodes = members.flatMap((name) => [this.rows.get(name).namedBy, name, this.hints[name]])
            .filter(Boolean).map((name) => this.outer.get(name));
        nodes.sort((a, b) => (a.compareDocumentPosition(b) & Node.DOCUMENT_POSITION_FOLLOWING ? -1 : 1));
        nodes[0].before(group);
        group.append(...nodes);
        return {group, members: members.map((name) => this.outer.get(name))};
    }

    // Under the answers of a result box, one line with the engineering
    // details of the answer, which the answers name as their description,
    // and beside it the button that copies the whole answer.
    addAnswerBox(box, answers) {
        const frame = this.outer.get(box);
        const line = element('div', 'control details', {id: box + '-details'});
        const bottom = Math.max(...answers.map((name) => {
            const answer = this.outer.get(name);
            return parseFloat(answer.style.top) + parseFloat(answer.style.height);
        }));
        line.style.top = bottom + 1 + 'px';
        for (const name of answers)
            this.inner.get(name).setAttribute('aria-describedby', line.id);
        selectOnClick(line);
        const copy = element('button', 'control copy', {type: 'button', id: box + '-copy',
            'aria-label': 'Copy answer'});
        copy.textContent = 'Copy';
        copy.style.top = bottom + 'px';
        copy.addEventListener('click', () => this.copyAnswer(box));
        frame.append(line, copy);
        this.answers.set(box, {answers, line, copy});
    }

    create(row) {
        let outer;
        let inner;
        switch (row.kind) {
        case 'picture':
            outer = element('img', 'control', {src: artwork(row), alt: row.accessibleName});
            outer.style.objectFit = 'none';
            outer.style.objectPosition = 'left top';
            break;
        case 'titleBox':
            outer = element('h1', 'control title-box', {'aria-label': row.accessibleName});
            outer.textContent = displayText(row.text);
            break;
        case 'button':
            outer = element('button', 'control', {type: 'button'});
            setCaption(outer, row.text);
            outer.addEventListener('click', () => this.click(row.name));
            break;
        case 'frame':
        case 'plainFrame':
            // Frames lay the window out; the groups a screen reader hears are
            // those that a caption names (addGroup).
            outer = element('div', 'control ' + (row.kind === 'frame' ? 'frame' : 'plain-frame'));
            break;
        case 'heading':
            outer = element('div', 'control label heading', {role: 'heading', 'aria-level': '2'});
            setCaption(outer, row.text);
            break;
        case 'output':
            // Not a live region of its own: the window reads the answers out
            // together (announce).
            outer = element('output', 'control output', {'aria-live': 'off'});
            if (row.namedBy)
                outer.setAttribute('aria-labelledby', row.namedBy);
            setCaption(outer, row.text);
            selectOnClick(outer);
            break;
        case 'textField':
            outer = element('input', 'control field', {type: 'text', autocomplete: 'off', spellcheck: 'false'});
            if (row.namedBy)
                outer.setAttribute('aria-labelledby', row.namedBy);
            outer.value = row.text;
            break;
        case 'dropDown': {
            const box = new DropDown(row, () => this.run(row.name));
            this.dropDowns.set(row.name, box);
            outer = box.box;
            inner = box.input;
            break;
        }
        case 'radio':
            outer = element('label', 'control radio');
            inner = element('input', '', {type: 'radio', name: row.parent + '-group'});
            if (row.namedBy)
                inner.setAttribute('aria-labelledby', row.namedBy);
            inner.checked = row.checked;
            inner.addEventListener('change', () => {
                if (inner.checked)
                    this.run(row.name);
            });
            inner.addEventListener('keydown', (event) => this.arrowInGroup(event, inner));
            outer.append(inner);
            break;
        default:
            outer = element('div', 'control label');
            setCaption(outer, row.text);
            break;
        }
        inner = inner || outer;
        inner.id = row.name;
        if (outer !== inner)
            outer.id = row.name + '-box';
        if (row.kind !== 'button')
            outer.style.textAlign = row.align;
        place(outer, row.rect);
        applyFont(outer, row.font);
        outer.hidden = !row.visible;
        this.outer.set(row.name, outer);
        this.inner.set(row.name, inner);
        if (!row.toolTip)
            return outer;
        // A tooltip that shows while the field has the focus or the pointer,
        // and that a screen reader reads as part of the field's description.
        const tip = element('div', 'tip', {id: row.name + '-tip', role: 'tooltip'});
        tip.textContent = row.toolTip;
        tip.style.left = row.rect.x + 'px';
        tip.style.top = row.rect.y + row.rect.height + 2 + 'px';
        inner.setAttribute('aria-describedby', tip.id);
        const both = document.createDocumentFragment();
        both.append(outer, tip);
        return both;
    }

    // Sibling order follows the keyboard order, so that Tab walks the
    // controls as the table lists them; a control without a place in that
    // order stays with the control before it.
    orderForKeyboard(tabOrder) {
        const rank = new Map(tabOrder.map((name, index) => [name, index]));
        const firstStop = (node) => {
            let best = Infinity;
            for (const candidate of [node, ...node.querySelectorAll('[id]')]) {
                if (rank.has(candidate.id))
                    best = Math.min(best, rank.get(candidate.id));
            }
            return best;
        };
        const sortChildren = (container) => {
            let carried = -1;
            const keyed = Array.from(container.children, (child, position) => {
                const stop = firstStop(child);
                carried = stop === Infinity ? carried : stop;
                return {child, key: stop === Infinity ? carried : stop, position};
            });
            keyed.sort((a, b) => a.key - b.key || a.position - b.position);
            for (const {child} of keyed) {
                container.append(child);
                if (child.matches('.frame, .plain-frame, .group'))
                    sortChildren(child);
            }
        };
        sortChildren(this.client);
    }

    isShown() {
        return this.win.isConnected;
    }

    click(name) {
        if (name === 'Exit')
            this.exit();
        else if (name === 'Aboutcmd')
            this.showAbout();
        else
            this.run(name);
    }

    // The user's click or pick on a control; the core runs its handler.
    // After a translation that the rules accept, the answers are read out.
    run(name) {
        this.core.userEvent(name, this.form);
        const box = this.rows.get(name).parent;
        if (this.answers.has(box) && !this.deferred && this.hasAnswer(box))
            this.announce(this.answerLines(box, ' ').join(', '));
        this.afterChange();
    }

    afterChange() {
        for (const {group, members} of this.groups)
            group.hidden = members.every((member) => member.hidden);
        for (const [box, {copy}] of this.answers)
            copy.hidden = !this.hasAnswer(box);
        this.placeHitAreas();
        scheduleLink();
    }

    // Every control that a click reaches is a touch target (placeHitAreas);
    // the labels that name round marks stay clear.
    placeHitAreas() {
        if (!this.isShown())
            return;
        const targets = [];
        const keepClear = [];
        for (const [name, row] of this.rows) {
            if (['button', 'radio', 'textField', 'dropDown', 'output'].includes(row.kind))
                targets.push({box: this.outer.get(name), control: this.inner.get(name)});
            if (row.kind === 'radio' && row.namedBy)
                keepClear.push(this.outer.get(row.namedBy));
        }
        for (const {line, copy} of this.answers.values())
            targets.push({box: line, control: line}, {box: copy, control: copy});
        placeHitAreas(this.client, targets, keepClear);
        if (this.about)
            this.about.placeHitAreas();
    }

    // Say a text once to a screen reader: the same text twice in a row
    // differs by a blank at its end, so that it is read again.
    announce(text) {
        this.announcer.textContent = this.announcer.textContent === text ? text + '\u00a0' : text;
    }

    hasAnswer(box) {
        return this.answers.get(box).answers.some((name) => this.textOf(name) !== '');
    }

    // "Modicon Start Register 40001", ... with `between` after each caption.
    answerLines(box, between) {
        return this.answers.get(box).answers.map((name) =>
            this.textOf(this.rows.get(name).namedBy).trim() + between + this.textOf(name));
    }

    // The answer shown, as labelled text with its details line; null when
    // the window shows none.
    answerText() {
        for (const [box, {line}] of this.answers) {
            if (this.outer.get(box).getClientRects().length > 0 && this.hasAnswer(box))
                return [...this.answerLines(box, ': '), line.textContent].filter(Boolean).join('\n');
        }
        return null;
    }

    copyAnswer(box) {
        copyWhole = true;
        const copied = document.execCommand('copy');
        copyWhole = false;
        if (!copied && navigator.clipboard)
            navigator.clipboard.writeText(this.answerText() || '').catch(() => {});
        this.announce('Answer copied');
    }

    // Created hidden at start-up; closing it discards it, and the next
    // press of About creates it anew.
    loadAbout() {
        this.about = new AboutWindow(this.core, () => {
            this.about = null;
            const button = this.inner.get('Aboutcmd');
            if (button.isConnected)
                button.focus();
        });
    }

    showAbout() {
        if (!this.about)
            this.loadAbout();
        if (!this.about.isShown())
            this.about.show(this.win);
    }

    // Takes the window down: the About window and the error box go with it.
    close() {
        if (this.about)
            this.about.close();
        errorBox.close();
        this.win.remove();
    }

    exit() {
        this.close();
        this.onExit();
    }

    textOf(name) {
        if (this.deferred && this.deferred.texts.has(name))
            return this.deferred.texts.get(name);
        const node = this.inner.get(name);
        return node instanceof HTMLInputElement ? node.value : node.textContent;
    }

    setTextOf(name, text) {
        const node = this.inner.get(name);
        if (node instanceof HTMLInputElement)
            node.value = text;
        else
            setCaption(node, text);
    }

    // The fragment of the page's address for the window as it stands.
    linkFragment() {
        const text = (name) => this.textOf(name);
        const marked = (marks) => Object.keys(marks).find((key) => this.inner.get(marks[key]).checked) || '';
        return this.core.linkOf(this.inner.get('MasterOpt').checked, marked(kPlcMarks),
            marked(kFormatMarks), text('MesTypeLst'), text('ModCmdLst'), text('DiagSubLst'),
            text('RegTxt'), text('SlaveAddrTxt'), text('DataFileTxt'), text('StartRegTxt'),
            text('NumRegTxt'));
    }

    // The arrow keys move to the next or previous shown mark of a round
    // mark's group and select it, wrapping at its ends, as the window does;
    // done here since engines differ (WebKit does not wrap).
    arrowInGroup(event, mark) {
        const step = {ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1}[event.key];
        if (!step || event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
            return;
        const marks = Array.from(this.client.querySelectorAll('input[type="radio"]'))
            .filter((other) => other.name === mark.name && !other.disabled && other.getClientRects().length);
        const at = marks.indexOf(mark);
        if (at < 0 || marks.length < 2)
            return;
        event.preventDefault();
        const next = marks[(at + step + marks.length) % marks.length];
        next.focus();
        if (next.checked)
            return;
        next.checked = true;
        next.dispatchEvent(new Event('input', {bubbles: true}));
        next.dispatchEvent(new Event('change', {bubbles: true}));
    }

    // Puts up the state that a link carries as a user would: selects the
    // mode, PLC type and format, picks the message type, command and
    // subfunction where they are entries of their box (typed where they are
    // not), types the fields, and presses Translate, unless the user works
    // elsewhere on the page (`answer` false: a refusal's error box would
    // take the user from there).
    applyLink(state, {takeFocus = true, answer = true} = {}) {
        const select = (name) => {
            this.inner.get(name).checked = true;
            this.run(name);
        };
        // A text typed over a box's entry stays as typed; the prompts are
        // those of the entry it begins with ("04 and more" -> " 04 - ..."),
        // as if the user had picked that entry before typing.
        const firstWord = (text) => text.trim().split(/\s+/)[0];
        const choose = (name, text) => {
            const box = this.dropDowns.get(name);
            const index = box.entries.indexOf(text);
            if (index >= 0) {
                box.pick(index);
                return;
            }
            const named = box.entries.findIndex((entry) => firstWord(entry) === firstWord(text));
            if (named >= 0 && firstWord(text))
                box.pick(named);
            box.input.value = text;
        };
        const type = (fields) => {
            for (const [name, text] of Object.entries(fields))
                this.setTextOf(name, text);
        };
        if (state.master) {
            select('MasterOpt');
            select('PLC5Opt');
            select(kFormatMarks[state.format]);
            if (state.plc === '3')
                select('PLC3Opt');
            choose('MesTypeLst', state.message_type);
            choose('ModCmdLst', state.command);
            choose('DiagSubLst', state.subfunction);
            type({RegTxt: state.register, SlaveAddrTxt: state.slave});
        } else {
            select('SlaveOpt');
            type({DataFileTxt: state.address, StartRegTxt: state.start, NumRegTxt: state.count});
        }
        if (!answer)
            return;
        const translate = this.inner.get(state.master ? 'TransMasterCmd' : 'TransSlaveCmd');
        if (takeFocus)
            translate.focus();
        translate.click();
    }

    // While the error box is open, the handler's later changes wait for
    // OK, as they would behind a modal box: the answer labels keep the old
    // answer until the box is closed. Reads see the waiting texts.
    apply(change, name, text) {
        if (!this.deferred) {
            change();
            return;
        }
        this.deferred.changes.push(change);
        if (name !== undefined)
            this.deferred.texts.set(name, text);
    }

    makeForm() {
        return {
            text: (name) => this.textOf(name),
            isSelected: (name) => this.inner.get(name).checked,
            setText: (name, text) => this.apply(() => this.setTextOf(name, text), name, text),
            setSelected: (name) => this.apply(() => {
                this.inner.get(name).checked = true;
            }),
            setCaption: (text) => this.apply(() => {
                this.caption.textContent = text;
                document.title = text;
            }),
            loadAbout: () => this.apply(() => this.loadAbout()),
            setDetails: (box, text) => this.apply(() => {
                this.answers.get(box).line.textContent = text;
            }),
            setVisible: (name, visible) => this.apply(() => {
                this.outer.get(name).hidden = !visible;
                const box = this.dropDowns.get(name);
                if (box && !visible)
                    box.close();
            }),
            refillList: (name, shown, entries) =>
                this.apply(() => this.dropDowns.get(name).refill(shown, entries), name, shown),
            setTop: (name, pixels) => this.apply(() => {
                this.outer.get(name).style.top = pixels + 'px';
                const tip = document.getElementById(name + '-tip');
                if (tip)
                    tip.style.top = pixels + parseFloat(this.outer.get(name).style.height) + 2 + 'px';
            }),
            setHeight: (name, pixels) => this.apply(() => {
                this.outer.get(name).style.height = pixels + 'px';
            }),
            setClientHeight: (pixels) => this.apply(() => {
                this.client.style.height = pixels + 'px';
                fitToViewport();
            }),
            showErrorBox: (title, lines) => {
                this.deferred = {changes: [], texts: new Map()};
                errorBox.show(title, lines, () => {
                    const changes = this.deferred.changes;
                    this.deferred = null;
                    for (const change of changes)
                        change();
                    this.afterChange();
                });
            },
        };
    }
}

// Copying: the Copy button beside the details, and Ctrl+C with nothing
// selected or with a selection across several answers, copy the whole answer
// shown, labelled, with its details line. A selection within one answer or a
// field copies as the browser copies it.
let copyWhole = false;

document.addEventListener('copy', (event) => {
    const text = current && current.isShown() ? current.answerText() : null;
    if (text === null || errorBox.isOpen())
        return;
    const selection = window.getSelection();
    const focused = document.activeElement;
    const inField = focused instanceof HTMLInputElement && focused.selectionStart !== focused.selectionEnd;
    const answersSelected = Array.from(document.querySelectorAll('.window.main output'))
        .filter((output) => !selection.isCollapsed && selection.containsNode(output, true)).length;
    if (copyWhole || (!inField && (selection.isCollapsed || answersSelected > 1))) {
        event.clipboardData.setData('text/plain', text);
        event.preventDefault();
    }
});

// Exit ends the program: the page closes its tab where a browser allows a
// script to (a tab that a script opened, or one with no history), and
// otherwise takes the window down and says that Corvane has ended, with a
// way to start it again.
function showEnded(core) {
    const ended = element('section', 'ended', {'aria-labelledby': 'ended-text'});
    const text = element('p', '', {id: 'ended-text'});
    text.textContent = 'Corvane has ended.';
    const again = element('button', '', {type: 'button', id: 'start-again'});
    again.textContent = 'Start Corvane again';
    again.addEventListener('click', () => start(core));
    ended.append(text, again);
    screen.replaceChildren();
    screen.style.transform = '';
    fit.style.height = '0';
    fit.after(ended);
    document.title = 'Corvane has ended';
    again.focus();
    if (window.opener || history.length <= 1)
        window.close();
}

// Puts up the window at its start-up state, in place of whatever the page
// shows; a notice of the last start goes with it. The window takes the focus
// unless the user works elsewhere on the page (the mapping table).
function start(core, takeFocus = true) {
    if (current)
        current.close();
    for (const old of document.querySelectorAll('.ended, .link-notice'))
        old.remove();
    current = new MainWindow(core, () => showEnded(core));
    fitToViewport();
    if (takeFocus)
        current.inner.get('MasterOpt').focus();
    return current;
}

// Starts the window with the state that a link's fragment carries; one line
// above the window says so when the fragment is not such a link.
function openLink(core, fragment, {takeFocus = true, answer = true} = {}) {
    const win = start(core, takeFocus);
    linkWritten = fragment;
    if (!fragment)
        return;
    const state = core.stateOfLink(fragment);
    if (state) {
        win.applyLink(state, {takeFocus, answer});
        return;
    }
    const notice = element('p', 'notice link-notice', {role: 'status'});
    notice.textContent = 'The link was not understood: Corvane starts as it always does.';
    fit.before(notice);
    fitToViewport();
}
