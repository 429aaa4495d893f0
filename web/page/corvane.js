// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The page draws Corvane's window from the core's control table and lets the
// core's handlers drive it through a form object; it holds no rule of its
// own. The DOM controls are the window's only state, as in the desktop
// window: every handler reads them when it runs.
'use strict';

(function () {
    const kFontStacks = {
        'Times New Roman': 'var(--serif)',
        'MS Sans Serif': 'var(--sans)',
    };
    // Borders of a drawn window: 3 pixels each side plus the 1-pixel outline.
    const kWindowBorder = 3;
    const kTitleBarHeight = 26;
    const kMargin = 16;

    const fit = document.getElementById('fit');
    const screen = document.getElementById('screen');
    const images = document.body.dataset;

    function element(tag, className, attributes) {
        const node = document.createElement(tag);
        if (className)
            node.className = className;
        for (const [name, value] of Object.entries(attributes || {}))
            node.setAttribute(name, value);
        return node;
    }

    // The design's texts break lines with CR LF.
    function displayText(text) {
        return text.replace(/\r\n/g, '\n');
    }

    // Shows a caption exactly, blanks included, while the blanks at its ends
    // stay out of the accessible name: " Start Coil" is read as "Start Coil".
    function setCaption(node, text) {
        const [, lead, words, trail] = /^(\s*)([\s\S]*?)(\s*)$/.exec(text);
        const blank = (spaces) => {
            const span = element('span', '', {'aria-hidden': 'true'});
            span.textContent = spaces;
            return span;
        };
        node.replaceChildren(...[lead && blank(lead), words, trail && blank(trail)].filter(Boolean));
    }

    function artwork(row) {
        return row.artwork === 'logo' ? images.logo : images.icon;
    }

    // A click on an answer selects all of it, ready to be copied.
    function selectOnClick(node) {
        node.addEventListener('click', () => {
            const selection = window.getSelection();
            if (selection.isCollapsed)
                selection.selectAllChildren(node);
        });
    }

    function place(node, rect) {
        node.style.left = rect.x + 'px';
        node.style.top = rect.y + 'px';
        node.style.width = rect.width + 'px';
        node.style.height = rect.height + 'px';
    }

    function applyFont(node, font) {
        const stack = kFontStacks[font.face] || 'var(--sans)';
        node.style.font = (font.bold ? 'bold ' : '') + font.points + 'pt ' + stack;
    }

    // A title bar with the icon, the caption and a close box. The close box is
    // not a tab stop: as on a desktop, the keyboard reaches it through the
    // window's own buttons.
    function titleBar(captionId, onClose) {
        const bar = element('div', 'titlebar');
        const icon = element('img', '', {src: images.icon, alt: ''});
        const caption = element('span', 'caption', {id: captionId});
        const close = element('button', 'close-box', {type: 'button', tabindex: '-1', 'aria-label': 'Close'});
        close.textContent = '\u00d7';
        close.addEventListener('click', onClose);
        bar.append(icon, caption, close);
        return {bar, caption};
    }

    // Lets the user move a window by its title bar, in unscaled pixels.
    function makeMovable(win, bar) {
        bar.addEventListener('pointerdown', (event) => {
            if (event.button !== 0 || event.target.closest('button'))
                return;
            const scale = currentScale();
            const start = {x: event.clientX, y: event.clientY, left: win.offsetLeft, top: win.offsetTop};
            bar.setPointerCapture(event.pointerId);
            const move = (e) => {
                win.style.left = start.left + (e.clientX - start.x) / scale + 'px';
                win.style.top = start.top + (e.clientY - start.y) / scale + 'px';
            };
            const stop = () => {
                bar.removeEventListener('pointermove', move);
                bar.removeEventListener('pointerup', stop);
                bar.removeEventListener('pointercancel', stop);
            };
            bar.addEventListener('pointermove', move);
            bar.addEventListener('pointerup', stop);
            bar.addEventListener('pointercancel', stop);
        });
    }

    // An editable drop-down box. Typing changes its text and nothing else; a
    // pick from the list (mouse, Enter in the open list, or the arrow keys
    // with the list closed) sets the text and reports the pick.
    class DropDown {
        constructor(row, onPick) {
            this.onPick = onPick;
            this.entries = [];
            this.active = -1;
            this.box = element('div', 'control combo');
            this.input = element('input', '', {
                id: row.name,
                type: 'text',
                role: 'combobox',
                'aria-autocomplete': 'none',
                'aria-expanded': 'false',
                'aria-controls': row.name + '-list',
                autocomplete: 'off',
                spellcheck: 'false',
            });
            if (row.namedBy)
                this.input.setAttribute('aria-labelledby', row.namedBy);
            this.input.value = row.text;
            this.button = element('span', 'list-button', {'aria-hidden': 'true'});
            this.list = element('ul', '', {id: row.name + '-list', role: 'listbox', tabindex: '-1'});
            if (row.namedBy)
                this.list.setAttribute('aria-labelledby', row.namedBy);
            this.list.hidden = true;
            this.box.append(this.input, this.button, this.list);

            this.input.addEventListener('keydown', (event) => this.onKey(event));
            this.input.addEventListener('blur', () => this.close());
            this.button.addEventListener('mousedown', (event) => {
                event.preventDefault();
                this.input.focus();
                if (this.isOpen())
                    this.close();
                else
                    this.open();
            });
            this.list.addEventListener('mousedown', (event) => event.preventDefault());
            this.list.addEventListener('click', (event) => {
                const option = event.target.closest('[role="option"]');
                if (option)
                    this.pick(Number(option.dataset.index));
            });
        }

        isOpen() {
            return !this.list.hidden;
        }

        refill(shown, entries) {
            this.close();
            this.entries = entries.slice();
            this.input.value = shown;
            this.list.replaceChildren(...this.entries.map((entry, index) => {
                const option = element('li', '', {
                    id: this.input.id + '-option-' + index,
                    role: 'option',
                    'aria-selected': 'false',
                });
                option.dataset.index = String(index);
                option.textContent = entry;
                return option;
            }));
        }

        indexOfText() {
            return this.entries.indexOf(this.input.value);
        }

        open() {
            if (this.entries.length === 0)
                return;
            this.list.hidden = false;
            this.list.classList.remove('above');
            // Open upwards when the list would run past the bottom of the client area.
            const client = this.box.closest('.client');
            if (client) {
                const listBox = this.list.getBoundingClientRect();
                const clientBox = client.getBoundingClientRect();
                if (listBox.bottom > clientBox.bottom)
                    this.list.classList.add('above');
            }
            this.input.setAttribute('aria-expanded', 'true');
            this.highlight(this.indexOfText());
        }

        close() {
            if (!this.isOpen())
                return;
            this.list.hidden = true;
            this.input.setAttribute('aria-expanded', 'false');
            this.highlight(-1);
        }

        highlight(index) {
            this.active = index;
            for (const option of this.list.children)
                option.setAttribute('aria-selected', String(Number(option.dataset.index) === index));
            if (index >= 0) {
                const option = this.list.children[index];
                this.input.setAttribute('aria-activedescendant', option.id);
                option.scrollIntoView({block: 'nearest'});
            } else {
                this.input.removeAttribute('aria-activedescendant');
            }
        }

        pick(index) {
            if (index < 0 || index >= this.entries.length)
                return;
            this.input.value = this.entries[index];
            this.close();
            this.onPick();
        }

        onKey(event) {
            const key = event.key;
            const toggle = key === 'F4' || (event.altKey && (key === 'ArrowDown' || key === 'ArrowUp'));
            if (toggle) {
                event.preventDefault();
                if (!this.isOpen())
                    this.open();
                else if (this.active >= 0)
                    this.pick(this.active);
                else
                    this.close();
                return;
            }
            if (this.isOpen()) {
                if (key === 'ArrowDown' || key === 'ArrowUp') {
                    event.preventDefault();
                    const step = key === 'ArrowDown' ? 1 : -1;
                    const from = this.active < 0 ? (step > 0 ? -1 : this.entries.length) : this.active;
                    this.highlight(Math.min(this.entries.length - 1, Math.max(0, from + step)));
                } else if (key === 'Enter') {
                    event.preventDefault();
                    if (this.active >= 0)
                        this.pick(this.active);
                    else
                        this.close();
                } else if (key === 'Escape') {
                    event.preventDefault();
                    event.stopPropagation();
                    this.close();
                } else if (key === 'Tab') {
                    this.close();
                }
                return;
            }
            // With the list closed the arrow keys pick the next or previous
            // entry, as a desktop drop-down box does.
            if (key === 'ArrowDown' || key === 'ArrowUp') {
                event.preventDefault();
                const current = this.indexOfText();
                const next = key === 'ArrowDown' ? current + 1 : (current < 0 ? 0 : current - 1);
                this.pick(next);
            }
        }
    }

    // The modal error box. What the handler does after showing it waits for
    // OK (see MainWindow.deferred).
    const errorBox = (function () {
        const dialog = element('dialog', 'message-box', {
            role: 'alertdialog',
            'aria-labelledby': 'error-box-title',
            'aria-describedby': 'error-box-message',
        });
        const bar = element('div', 'titlebar');
        const title = element('span', 'caption', {id: 'error-box-title'});
        bar.append(title);
        const body = element('div', 'body');
        const icon = element('span', 'stop-icon', {'aria-hidden': 'true'});
        icon.textContent = '\u00d7';
        const message = element('div', 'message', {id: 'error-box-message'});
        body.append(icon, message);
        const buttons = element('div', 'buttons');
        const ok = element('button', '', {type: 'button', id: 'error-box-ok'});
        ok.textContent = 'OK';
        buttons.append(ok);
        dialog.append(bar, body, buttons);
        document.body.append(dialog);

        let whenClosed = null;
        let returnFocus = null;
        // Runs what waits for the box as soon as it is dismissed, in the same
        // turn as OK or Escape: the dialog's close event would come a task later.
        const finish = () => {
            const then = whenClosed;
            whenClosed = null;
            if (returnFocus && returnFocus.isConnected)
                returnFocus.focus();
            returnFocus = null;
            if (then)
                then();
        };
        const dismiss = () => {
            dialog.close();
            finish();
        };
        ok.addEventListener('click', dismiss);
        // Escape works as OK; the box closes before the focus goes back.
        dialog.addEventListener('cancel', (event) => {
            event.preventDefault();
            dismiss();
        });
        dialog.addEventListener('close', finish);
        // OK is the box's only control: Tab and Shift+Tab stay on it rather
        // than leaving for the browser's own controls.
        dialog.addEventListener('keydown', (event) => {
            if (event.key === 'Tab') {
                event.preventDefault();
                ok.focus();
            }
        });
        return {
            show(titleText, lines, then) {
                title.textContent = titleText;
                message.replaceChildren(...lines.map((line) => {
                    const node = element('div', 'message-line');
                    node.textContent = line;
                    return node;
                }));
                whenClosed = then;
                returnFocus = document.activeElement;
                dialog.showModal();
                ok.focus();
            },
        };
    })();

    function currentScale() {
        return Number(screen.dataset.scale || '1');
    }

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

    // The About window: created when shown, discarded when closed.
    class AboutWindow {
        constructor(core, onClosed) {
            const about = core.aboutWindow();
            this.onClosed = onClosed;
            this.win = element('div', 'window about', {role: 'dialog', 'aria-labelledby': 'about-caption'});
            const {bar, caption} = titleBar('about-caption', () => this.close());
            caption.textContent = about.caption;
            const client = element('div', 'client');
            client.style.width = about.client.width + 'px';
            client.style.height = about.client.height + 'px';
            client.style.background = 'ButtonFace';
            for (const row of about.controls) {
                let node;
                if (row.kind === 'picture') {
                    node = element('img', 'control', {src: artwork(row), alt: row.accessibleName});
                } else if (row.kind === 'line') {
                    node = element('div', 'control line', {'aria-hidden': 'true'});
                    node.style.background = row.lineColour;
                } else if (row.kind === 'button') {
                    node = element('button', 'control', {type: 'button'});
                    node.textContent = row.text;
                    node.addEventListener('click', () => this.close());
                    this.ok = node;
                } else {
                    node = element('div', 'control paragraph');
                    node.textContent = displayText(about.texts[row.name] || row.text);
                }
                node.id = row.name;
                place(node, row.rect);
                applyFont(node, row.font);
                client.append(node);
            }
            this.win.append(bar, client);
            // OK is the default and the cancel button.
            this.win.addEventListener('keydown', (event) => {
                if (event.key === 'Escape' || (event.key === 'Enter' && event.target !== this.ok)) {
                    event.preventDefault();
                    this.close();
                }
            });
            makeMovable(this.win, bar);
        }

        isShown() {
            return this.win.isConnected;
        }

        show(mainWindow) {
            const left = mainWindow.offsetLeft + (mainWindow.offsetWidth - 388) / 2;
            this.win.style.left = Math.max(0, left) + 'px';
            this.win.style.top = mainWindow.offsetTop + 150 + 'px';
            screen.append(this.win);
            this.ok.focus();
        }

        close() {
            if (!this.win.isConnected)
                return;
            this.win.remove();
            this.onClosed();
        }
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

    // The translations for scripts. The field texts go into the module's
    // input buffer as UTF-8 and the answer comes back as plain numbers in its
    // memory (web/exports.h), so that a call builds no object on the way.
    function translations(core) {
        const encoder = new TextEncoder();
        const decoder = new TextDecoder();
        // The runtime replaces each export's wrapper by the module's own
        // function at its first call; once called, they are kept at hand.
        const answer = core._corvane_answer();
        core._corvane_input(0);
        core._corvane_translate_slave(0, 0, 0);
        core._corvane_translate_master(0, 0, 0, 0, 0, 0, 0);
        const input = core._corvane_input;
        const translateSlave = core._corvane_translate_slave;
        const translateMaster = core._corvane_translate_master;
        const at = core.answerLayout();
        const tables = core.modbusTables();
        const boxes = new Map();
        let heap = core.HEAPU8;
        let words = core.HEAP32;
        let cursor = 0;

        // A memory that has grown leaves the old views empty.
        function views() {
            if (heap.length === 0) {
                heap = core.HEAPU8;
                words = core.HEAP32;
            }
        }

        const textOf = (value) => (typeof value === 'string' ? value
            : value === undefined || value === null ? '' : String(value));

        // Room for `units` UTF-16 code units, at most 3 bytes each.
        function begin(units) {
            cursor = input(3 * units);
            views();
        }

        // Writes one text at the cursor and returns its length in bytes.
        function put(text) {
            const start = cursor;
            for (let i = 0; i < text.length; ++i) {
                const unit = text.charCodeAt(i);
                if (unit >= 0x80) {
                    cursor += encoder.encodeInto(text.slice(i), heap.subarray(cursor)).written;
                    break;
                }
                heap[cursor++] = unit;
            }
            return cursor - start;
        }

        // Where each field stands: 32-bit words by index, texts by byte.
        const index = {};
        for (const field of ['ok', 'code', 'file', 'word', 'modiconStart', 'modiconEnd', 'table',
            'startOffset', 'endOffset', 'addressLength'])
            index[field] = (answer + at[field]) >> 2;
        // The tables' function lists are shared by every answer, so they may not change.
        for (const table of tables) {
            Object.freeze(table.read_functions);
            Object.freeze(table.write_functions);
        }

        // A text of the answer, `length` bytes or up to its terminating zero.
        function textAt(bytes, field, length) {
            const start = answer + at[field];
            let end = start;
            if (length === undefined) {
                while (bytes[end])
                    ++end;
            } else {
                end = start + length;
            }
            let text = '';
            for (let i = start; i < end; ++i) {
                if (bytes[i] >= 0x80)
                    return decoder.decode(bytes.subarray(start, end));
                text += String.fromCharCode(bytes[i]);
            }
            return text;
        }

        function refusal(code) {
            if (!boxes.has(code))
                boxes.set(code, core.errorBox(code));
            const box = boxes.get(code);
            return {ok: false, code, title: box.title, message: box.message};
        }

        const offsetOrNull = (value) => (value < 0 ? null : value);
        const textOrNull = (text) => (text === '' ? null : text);

        // The fields of corvane-cli's JSON, in its order; an answer names a
        // table only where it has one (a master request for diagnostics has none).
        function withTable(result, details, withEnd) {
            result.table = details.table;
            result.reference = details.reference;
            result.start_offset = offsetOrNull(words[index.startOffset]);
            result.start_offset_hex = textOrNull(textAt(heap, 'startHex'));
            result.start_reference6 = textOrNull(textAt(heap, 'startReference'));
            if (withEnd) {
                result.end_offset = offsetOrNull(words[index.endOffset]);
                result.end_offset_hex = textOrNull(textAt(heap, 'endHex'));
                result.end_reference6 = textOrNull(textAt(heap, 'endReference'));
            }
            result.read_functions = details.read_functions;
            result.write_functions = details.write_functions;
            return result;
        }

        function slaveAnswer() {
            const result = {ok: true, file: words[index.file], word: words[index.word],
                modicon_start: words[index.modiconStart], modicon_end: words[index.modiconEnd]};
            const table = words[index.table];
            return table < 0 ? result : withTable(result, tables[table], true);
        }

        function masterAnswer() {
            const result = {ok: true, address: textAt(heap, 'address', words[index.addressLength])};
            const table = words[index.table];
            if (table < 0)
                return result;
            result.modicon_start = words[index.modiconStart];
            return withTable(result, tables[table], false);
        }

        function read(slave) {
            views();
            if (!words[index.ok])
                return refusal(words[index.code]);
            return slave ? slaveAnswer() : masterAnswer();
        }

        return {
            // translateSlave("N7:4/5", "6", "10")
            //   -> {ok: true, file: 7, word: 4, modicon_start: 1, modicon_end: 15}
            slave(address, start, count) {
                address = textOf(address);
                start = textOf(start);
                count = textOf(count);
                begin(address.length + start.length + count.length);
                const a = put(address);
                const s = put(start);
                const c = put(count);
                translateSlave(a, s, c);
                return read(true);
            },
            // translateMaster({plc: "5", format: "NXYZ:Z", message_type: " Read",
            //   command: " 03 - Read Holding Registers  (4X)", subfunction: "",
            //   register: "1234", slave: "5"}) -> {ok: true, address: "N451:234"};
            // a field not given is the empty text.
            master(request) {
                const plc = textOf(request.plc);
                const format = textOf(request.format);
                const messageType = textOf(request.message_type);
                const command = textOf(request.command);
                const subfunction = textOf(request.subfunction);
                const register = textOf(request.register);
                const slave = textOf(request.slave);
                begin(plc.length + format.length + messageType.length + command.length +
                    subfunction.length + register.length + slave.length);
                // Arguments are evaluated left to right, so the texts stand in this order.
                translateMaster(put(plc), put(format), put(messageType), put(command),
                    put(subfunction), put(register), put(slave));
                return read(false);
            },
        };
    }

    function decodeBase64(text) {
        const binary = atob(text.trim());
        const bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i)
            bytes[i] = binary.charCodeAt(i);
        return bytes;
    }

    function fail(reason) {
        const notice = element('p', 'notice', {role: 'alert'});
        notice.textContent = 'Corvane could not start: ' + reason;
        fit.after(notice);
    }

    window.addEventListener('resize', fitToViewport);

    // Scripts use the same translations as the window, once it has started.
    window.corvane = {ready: null, translateSlave: null, translateMaster: null};
    const ready = (typeof WebAssembly === 'object'
        ? createCorvaneModule({wasmBinary: decodeBase64(document.getElementById('corvane-wasm').textContent)})
        : Promise.reject(new Error('this browser has no WebAssembly')))
        .then((core) => {
            const translate = translations(core);
            window.corvane.translateSlave = translate.slave;
            window.corvane.translateMaster = translate.master;
            start(core);
            performance.mark('corvane-ready');
            return true;
        });
    ready.catch((error) => fail(error && error.message ? error.message : String(error)));
    window.corvane.ready = ready;
})();
