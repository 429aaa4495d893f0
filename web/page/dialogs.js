// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The title bar of a window and moving a window by it, the modal error box and
// the About window. Uses dom.js: element(), displayText(), place(), applyFont(),
// artwork(), currentScale(), the screen and the images.

// A title bar with the icon, the caption and a close box. The close box is
// not a tab stop: as on a desktop, the keyboard reaches it through the
// window's own buttons. Its name says which window it closes, so that no two
// buttons on the page share a name.
function titleBar(captionId, onClose, closeName) {
    const bar = element('div', 'titlebar');
    const icon = element('img', '', {src: images.icon, alt: ''});
    const caption = element('span', 'caption', {id: captionId});
    const close = element('button', 'close-box', {type: 'button', tabindex: '-1', 'aria-label': closeName});
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
    // Nor does the focus rest on the box itself, where WebKit lets a
    // backward move land.
    dialog.addEventListener('focus', () => ok.focus());
    return {
        isOpen() {
            return dialog.open;
        },
        // Closes the box without running what waits for it: the window it
        // stood for is gone.
        close() {
            whenClosed = null;
            returnFocus = null;
            if (dialog.open)
                dialog.close();
        },
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

// The About window: created when shown, discarded when closed.
class AboutWindow {
    constructor(core, onClosed) {
        const about = core.aboutWindow();
        this.onClosed = onClosed;
        this.win = element('div', 'window about', {role: 'dialog', 'aria-labelledby': 'about-caption'});
        const {bar, caption} = titleBar('about-caption', () => this.close(), 'Close ' + about.caption);
        caption.textContent = about.caption;
        const client = element('div', 'client');
        this.client = client;
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
        this.placeHitAreas();
        this.ok.focus();
    }

    placeHitAreas() {
        if (this.isShown())
            placeHitAreas(this.client, [{box: this.ok, control: this.ok}], []);
    }

    close() {
        if (!this.win.isConnected)
            return;
        this.win.remove();
        this.onClosed();
    }
}
