// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The main window, MainWindow, and its form; scaling it to the viewport; Exit,
// which takes it off the page ("Corvane has ended."), and start(), which puts
// it up. Uses dom.js, DropDown from dropdown.js, and titleBar(), errorBox and
// AboutWindow from dialogs.js.
//
// The page draws Corvane's window from the core's control table and lets the
// core's handlers drive it through a form object; it holds no rule of its
// own. The DOM controls are the window's only state, as in the desktop
// window: every handler reads them when it runs.

// Borders of a drawn window: 3 pixels each side plus the 1-pixel outline.
const kWindowBorder = 3;
const kTitleBarHeight = 26;
const kMargin = 16;

// Scales the window down to the viewport's width, keeping its proportions.
function fitToViewport() {
    const win = screen.querySelector('.window.main');
    if (!win)
        return;
    const width = win.offsetWidth + 2;
    const height = win.offsetHeight + 2;
    const available = document.documentElement.clientWidth - 2 * kMargin;
    const scale = Math.min(1, available / width);
    screen.dataset.scale = String(scale);
    screen.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    fit.style.width = width * scale + 'px';
    fit.style.height = height * scale + 'px';
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
        this.about = null;
        this.deferred = null;
        const table = core.mainWindow();
        document.documentElement.style.setProperty('--heading', table.headingColour);

        this.win = element('main', 'window main', {'aria-labelledby': 'main-caption'});
        const {bar, caption} = titleBar('main-caption', () => this.exit());
        this.caption = caption;
        this.client = element('div', 'client');
        this.client.style.width = table.clientWidth + 'px';
        this.win.append(bar, this.client);

        for (const row of table.controls) {
            const parent = row.parent ? this.outer.get(row.parent) : this.client;
            parent.append(this.create(row));
        }
        // A box holds the entries the table gives it from the start, before Form_Load.
        for (const row of table.controls) {
            if (row.entries.length > 0)
                this.dropDowns.get(row.name).refill(row.text, row.entries);
        }
        this.details = new Map();
        for (const {box, answers} of table.answerBoxes)
            this.addDetails(box, answers);
        this.orderForKeyboard(table.tabOrder);
        screen.replaceChildren(this.win);
        this.form = this.makeForm();
        core.formLoad(this.form);
    }

    // One line under the answers of a result box with the engineering
    // details of the answer; the answers name it as their description.
    addDetails(box, answers) {
        const frame = this.outer.get(box);
        const line = element('div', 'control details', {id: box + '-details'});
        const bottom = Math.max(...answers.map((name) => {
            const answer = this.outer.get(name);
            return parseFloat(answer.style.top) + parseFloat(answer.style.height);
        }));
        line.style.left = '8px';
        line.style.right = '8px';
        line.style.top = bottom + 1 + 'px';
        for (const name of answers)
            this.inner.get(name).setAttribute('aria-describedby', line.id);
        selectOnClick(line);
        frame.append(line);
        this.details.set(box, line);
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
            outer = element('div', 'control' + (row.kind === 'frame' ? ' frame' : ''), {role: 'group'});
            if (row.accessibleName)
                outer.setAttribute('aria-label', row.accessibleName);
            break;
        case 'heading':
            outer = element('div', 'control label heading', {role: 'heading', 'aria-level': '2'});
            setCaption(outer, row.text);
            break;
        case 'output':
            outer = element('output', 'control output', {'aria-live': 'polite', 'aria-atomic': 'true'});
            if (row.namedBy)
                outer.setAttribute('aria-labelledby', row.namedBy);
            setCaption(outer, row.text);
            selectOnClick(outer);
            break;
        case 'textField':
            outer = element('input', 'control field', {type: 'text', autocomplete: 'off', spellcheck: 'false'});
            if (row.namedBy)
                outer.setAttribute('aria-labelledby', row.namedBy);
            if (row.toolTip)
                outer.title = row.toolTip;
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
            outer = element('span', 'control radio');
            inner = element('input', '', {type: 'radio', name: row.parent + '-group'});
            if (row.namedBy)
                inner.setAttribute('aria-labelledby', row.namedBy);
            inner.checked = row.checked;
            inner.addEventListener('change', () => {
                if (inner.checked)
                    this.run(row.name);
            });
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
        return outer;
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
                if (child.matches('.frame, [role="group"]'))
                    sortChildren(child);
            }
        };
        sortChildren(this.client);
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
    run(name) {
        this.core.userEvent(name, this.form);
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

    exit() {
        if (this.about)
            this.about.close();
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
                this.details.get(box).textContent = text;
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
                });
            },
        };
    }
}

// Exit ends the program: the page tries to close its tab, which a
// browser allows only for a tab that a script opened or that has no
// history; where it cannot, the window is taken down and the page says
// that Corvane has ended, with a way to start it again.
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
    window.close();
}

function start(core) {
    for (const ended of document.querySelectorAll('.ended'))
        ended.remove();
    const win = new MainWindow(core, () => showEnded(core));
    fitToViewport();
    win.inner.get('MasterOpt').focus();
    return win;
}
