// SPDX-FileCopyrightText: 2026 The Corvane developers
// SPDX-License-Identifier: MIT
//
// The window's editable drop-down box, DropDown. Uses element() from dom.js.

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
